#include "platform/posix/MountTable.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/posix/HostPath.h"

namespace platform {
namespace {

bool IsOctalDigit(char character) {
    return character >= '0' && character <= '7';
}

std::string Unescaped(std::string_view field) {
    std::string text;
    for (std::size_t at = 0; at < field.size(); ++at) {
        if (field[at] == '\\' && at + 3 < field.size() && IsOctalDigit(field[at + 1]) &&
            IsOctalDigit(field[at + 2]) && IsOctalDigit(field[at + 3])) {
            const int value =
                (field[at + 1] - '0') * 64 + (field[at + 2] - '0') * 8 + (field[at + 3] - '0');
            text.push_back(static_cast<char>(static_cast<unsigned char>(value)));
            at += 3;
        } else {
            text.push_back(field[at]);
        }
    }
    return text;
}

// "id parent major:minor root mount-point options [optional...] - type source super-options"
std::optional<MountEntry> ParseLine(const std::string& line) {
    std::istringstream fields(line);
    const std::vector<std::string> words{std::istream_iterator<std::string>(fields),
                                         std::istream_iterator<std::string>()};
    std::size_t separator = 6;
    while (separator < words.size() && words[separator] != "-") {
        ++separator;
    }
    if (separator + 2 >= words.size()) {
        return std::nullopt;
    }
    return MountEntry{words[2], Unescaped(words[4]), Unescaped(words[separator + 1]),
                      Unescaped(words[separator + 2])};
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
    std::vector<MountEntry> mounts;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        if (auto mount = ParseLine(line)) {
            mounts.push_back(std::move(*mount));
        }
    }
    return mounts;
}

std::vector<MountEntry> ReadMountTable() {
    std::ifstream file("/proc/self/mountinfo");
    std::ostringstream text;
    text << file.rdbuf();
    return ParseMountInfo(text.str());
}

std::optional<MountEntry> MountHolding(const std::vector<MountEntry>& mounts,
                                       std::string_view path) {
    const MountEntry* holding = nullptr;
    for (const auto& mount : mounts) {
        const bool holds = PathBelow(path, mount.mountPoint).has_value();
        if (holds &&
            (holding == nullptr || mount.mountPoint.size() >= holding->mountPoint.size())) {
            holding = &mount;
        }
    }
    return holding != nullptr ? std::optional(*holding) : std::nullopt;
}

}  // namespace platform
