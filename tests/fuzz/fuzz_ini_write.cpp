// Feeds arbitrary file contents to the INI patching, and checks what a write
// promises: the key reads back as written, nothing else reads differently, a
// second identical write changes nothing, the change is one splice that
// removes no line break of the file, and every line but the one replaced or
// the ones added is unchanged byte for byte, line ending included.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "settings/IniText.h"

namespace {

constexpr std::array<std::string_view, 4> kSections = {"Alias", "Program Options", "[x]", "a"};
constexpr std::array<std::string_view, 4> kKeys = {"CD1:", "Path Search Nodes", "k", "x y"};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

// The part of the original that a change removed, between the longest common
// beginning and end.
std::string_view Removed(std::string_view before, std::string_view after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    return before.substr(prefix, before.size() - prefix - suffix);
}

struct Line {
    std::string_view content;
    std::string_view ending;  // CR, LF, CRLF, or nothing at the end of the text

    bool operator==(const Line&) const = default;
};

std::vector<Line> Lines(std::string_view text) {
    std::vector<Line> lines;
    while (!text.empty()) {
        const auto contentEnd = std::min(text.find_first_of("\r\n"), text.size());
        auto end = contentEnd;
        if (end < text.size()) {
            end += text.substr(end, 2) == "\r\n" ? 2 : 1;
        }
        lines.push_back({text.substr(0, contentEnd), text.substr(contentEnd, end - contentEnd)});
        text.remove_prefix(end);
    }
    return lines;
}

// The lines before and after a write: the same but for one line replaced, or
// one or two lines added. A last line without a line break gains one when
// lines are appended after it.
void CheckOtherLinesKept(std::string_view before, std::string_view after) {
    auto old = Lines(before);
    const auto now = Lines(after);
    if (!old.empty() && old.back().ending.empty() && after.starts_with(before)) {
        old.back().ending = now[old.size() - 1].ending;
    }
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix]) {
        ++suffix;
    }
    const auto removed = old.size() - prefix - suffix;
    const auto added = now.size() - prefix - suffix;
    Check((removed == 1 && added == 1) || (removed == 0 && (added == 1 || added == 2)));
    if (removed == 1) {
        Check(old[prefix].ending == now[prefix].ending);
        return;
    }
    for (std::size_t i = prefix; i < prefix + added; ++i) {
        Check(!now[i].ending.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const auto section = kSections[data[0] % kSections.size()];
    const auto key = kKeys[(data[0] >> 2) % kKeys.size()];
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const auto valueSize = std::min<std::size_t>(data[1] % 48, rest.size());
    const auto value = rest.substr(0, valueSize);
    const auto text = rest.substr(valueSize);

    if (!ini::FitsOnOneLine(value)) {
        return 0;
    }
    const auto changed = ini::WithValue(text, section, key, value);
    if (!changed) {
        Check(ini::FindValue(text, section, key) == value);
        return 0;
    }
    Check(ini::FindValue(*changed, section, key) == value);
    Check(!ini::WithValue(*changed, section, key, value));
    Check(!HasLineBreak(Removed(text, *changed)));
    CheckOtherLinesKept(text, *changed);
    for (const auto otherSection : kSections) {
        for (const auto otherKey : kKeys) {
            if (otherSection != section || otherKey != key) {
                Check(ini::FindValue(*changed, otherSection, otherKey) ==
                      ini::FindValue(text, otherSection, otherKey));
            }
        }
    }
    return 0;
}
