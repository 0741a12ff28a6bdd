#include "platform/UserStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/posix/DurableWrite.h"
#include "platform/posix/ValueFile.h"

// The current user's store is a tree of folders below
// $XDG_CONFIG_HOME/kestrune (else ~/.config/kestrune): a key is a folder, a
// value a file in its key's folder, in the form of ValueFile.h.
namespace platform {
namespace {

using posix::UniqueFd;

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
    std::array<char, posix::kLongestValueHeader> start{};
    ssize_t got = 0;
    do {
        got = ::read(fd.Get(), start.data(), start.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        return std::nullopt;
    }
    const auto header =
        posix::ParseValueHeader(std::string_view(start.data(), static_cast<std::size_t>(got)),
                                static_cast<std::size_t>(status.st_size));
    return ValueInfo{header.type, header.size};
}

std::optional<std::string> UserStoreKey::Fetch(std::string_view name) const {
    struct stat status {};
    const UniqueFd fd = OpenValueFile(handle_->ValuePath(name), status);
    if (!fd.IsOpen()) {
        return std::nullopt;
    }
    const auto content = posix::ReadAll(fd.Get());
    if (!content) {
        return std::nullopt;
    }
    auto value = posix::ParseValueFile(*content);
    if (!value) {
        return std::nullopt;
    }
    return std::move(value->data);
}

bool UserStoreKey::Set(std::string_view name, std::uint32_t type, std::string_view data) {
    const auto path = handle_->ValuePath(name);
    auto temp = posix::TempFile::CreateBeside(path);
    return temp && posix::WriteAll(temp->Descriptor(), posix::FormatValueFile(type, data)) &&
           temp->CommitOver(path);
}

}  // namespace platform
