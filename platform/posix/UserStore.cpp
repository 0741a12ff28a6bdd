#include "platform/UserStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/posix/DurableWrite.h"

// The current user's store is a tree of folders below
// $XDG_CONFIG_HOME/kestrune (else ~/.config/kestrune): a key is a folder, a
// value a file in its key's folder. A value file starts with one header line,
// "kestrune-value type=1 size=42", and then holds exactly the data's bytes, so
// that any data, empty data and every type survive unchanged.
namespace platform {
namespace {

using posix::UniqueFd;

constexpr std::string_view kHeaderType = "kestrune-value type=";
constexpr std::string_view kHeaderSize = " size=";
constexpr std::size_t kLongestHeader = 64;

// The store's folder: the user's configuration folder as the XDG rules name
// it (a relative $XDG_CONFIG_HOME is ignored), then the account's home.
std::optional<std::string> StoreRoot() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return std::string(config) + "/kestrune";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.config/kestrune";
    }
    const passwd* account = ::getpwuid(::getuid());
    if (account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] == '/') {
        return std::string(account->pw_dir) + "/.config/kestrune";
    }
    return std::nullopt;
}

// A key or value name as one file name. The store's names may hold any
// character, but a file name may not hold "/" or NUL, and "." and ".." would
// leave the key's folder; those, the escape character itself and a leading
// dot (kept for temporary files) are written as %XX. The empty value name,
// the key's default value, becomes "%".
std::string FileNameFor(std::string_view name) {
    if (name.empty()) {
        return "%";
    }
    static constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    std::string fileName;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte == '/' || byte == '%' || byte == '\0' || (byte == '.' && i == 0)) {
            fileName += '%';
            fileName += kHexDigits[byte >> 4];
            fileName += kHexDigits[byte & 0xF];
        } else {
            fileName += name[i];
        }
    }
    return fileName;
}

// The folders a key path names, one per key between backslashes; empty parts
// (the trailing backslash of "Software\Trimbelo\Quillon\") name nothing.
std::vector<std::string> KeyFolders(std::string_view keyPath) {
    std::vector<std::string> folders;
    while (!keyPath.empty()) {
        const auto end = std::min(keyPath.find('\\'), keyPath.size());
        if (end > 0) {
            folders.push_back(FileNameFor(keyPath.substr(0, end)));
        }
        keyPath.remove_prefix(std::min(end + 1, keyPath.size()));
    }
    return folders;
}

bool EnsureFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) == 0) {
        return true;
    }
    struct stat status {};
    return errno == EEXIST && ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string HeaderLine(std::uint32_t type, std::size_t size) {
    return std::string(kHeaderType) + std::to_string(type) + std::string(kHeaderSize) +
           std::to_string(size) + "\n";
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
    if (text.empty() || (text.size() > 1 && text[0] == '0')) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

struct Header {
    UserStoreKey::ValueInfo info;
    std::size_t length;  // of the header line, its line break included
};

// The type and size a value file declares. A file without a well-formed
// header (written by hand, or damaged) is a value of no type whose data is
// all of the file, so that reading it fails with a clear message rather than
// returning something made up.
Header ParseHeader(std::string_view content, std::size_t fileSize) {
    const Header untyped{{kTypeNone, fileSize}, 0};
    const auto lineEnd = content.find('\n');
    if (content.substr(0, kHeaderType.size()) != kHeaderType || lineEnd == std::string_view::npos) {
        return untyped;
    }
    const auto fields = content.substr(kHeaderType.size(), lineEnd - kHeaderType.size());
    const auto sizeAt = fields.find(kHeaderSize);
    Header header{{0, 0}, lineEnd + 1};
    if (sizeAt == std::string_view::npos ||
        !ParseNumber(fields.substr(0, sizeAt), header.info.type) ||
        !ParseNumber(fields.substr(sizeAt + kHeaderSize.size()), header.info.size)) {
        return untyped;
    }
    return header;
}

UniqueFd OpenValueFile(const std::string& path, struct stat& status) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.IsOpen() && (::fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode))) {
        return UniqueFd();
    }
    return fd;
}

}  // namespace

struct UserStoreKey::Handle {
    std::string folder;

    std::string ValuePath(std::string_view name) const { return folder + "/" + FileNameFor(name); }
};

UserStoreKey::UserStoreKey(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
UserStoreKey::UserStoreKey(UserStoreKey&&) noexcept = default;
UserStoreKey& UserStoreKey::operator=(UserStoreKey&&) noexcept = default;
UserStoreKey::~UserStoreKey() = default;

std::optional<UserStoreKey> UserStoreKey::OpenOrCreate(std::string_view keyPath) {
    auto folder = StoreRoot();
    if (!folder) {
        return std::nullopt;
    }
    // The configuration folder itself may be missing on a fresh account.
    const auto parent = posix::FolderOf(*folder);
    if (::mkdir(parent.c_str(), 0700) != 0 && errno != EEXIST) {
        return std::nullopt;
    }
    if (!EnsureFolder(*folder)) {
        return std::nullopt;
    }
    for (const auto& name : KeyFolders(keyPath)) {
        *folder += "/" + name;
        if (!EnsureFolder(*folder)) {
            return std::nullopt;
        }
    }
    return UserStoreKey(std::make_unique<Handle>(Handle{std::move(*folder)}));
}

std::optional<UserStoreKey::ValueInfo> UserStoreKey::Query(std::string_view name) const {
    struct stat status {};
    const UniqueFd fd = OpenValueFile(handle_->ValuePath(name), status);
    if (!fd.IsOpen()) {
        return std::nullopt;
    }
    std::array<char, kLongestHeader> start{};
    ssize_t got = 0;
    do {
        got = ::read(fd.Get(), start.data(), start.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        return std::nullopt;
    }
    return ParseHeader(std::string_view(start.data(), static_cast<std::size_t>(got)),
                       static_cast<std::size_t>(status.st_size))
        .info;
}

std::optional<std::string> UserStoreKey::Fetch(std::string_view name) const {
    struct stat status {};
    const UniqueFd fd = OpenValueFile(handle_->ValuePath(name), status);
    if (!fd.IsOpen()) {
        return std::nullopt;
    }
    auto content = posix::ReadAll(fd.Get());
    if (!content) {
        return std::nullopt;
    }
    const auto header = ParseHeader(*content, content->size());
    // A value cut short, or grown, since its header was written is damaged.
    if (content->size() - header.length != header.info.size) {
        return std::nullopt;
    }
    content->erase(0, header.length);
    return content;
}

bool UserStoreKey::Set(std::string_view name, std::uint32_t type, std::string_view data) {
    const auto path = handle_->ValuePath(name);
    auto temp = posix::TempFile::CreateBeside(path);
    return temp && posix::WriteAll(temp->Descriptor(), HeaderLine(type, data.size())) &&
           posix::WriteAll(temp->Descriptor(), data) && temp->CommitOver(path);
}

}  // namespace platform
