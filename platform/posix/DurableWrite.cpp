#include "platform/posix/DurableWrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace platform::posix {

UniqueFd::UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

UniqueFd::~UniqueFd() {
    Close();
}

bool UniqueFd::Close() {
    if (fd_ < 0) {
        return true;
    }
    // The descriptor is gone after close whatever it reports, so it is never
    // retried.
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 || errno == EINTR;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool WriteAllAt(int fd, std::string_view bytes, long long offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

std::optional<std::string> ReadAll(int fd) {
    // Reading straight into a buffer of the file's size spares the copies
    // (and page faults) of a buffer that grows as it fills.
    struct stat status {};
    const auto expected = ::fstat(fd, &status) == 0 && status.st_size > 0
                              ? static_cast<std::size_t>(status.st_size)
                              : std::size_t{0};
    std::string content(expected + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == content.size()) {
            content.resize(content.size() * 2);
        }
        const ssize_t got = ::read(fd, content.data() + filled, content.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            content.resize(filled);
            return content;
        }
        filled += static_cast<std::size_t>(got);
    }
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& folder) {
    UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) {
        ::fsync(fd.Get());
    }
}

namespace {

constexpr std::string_view kTempSuffixLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTempSuffixLength = 6;

// Whether a folder entry is named as CreateBeside names a temporary file for
// this target: "." + name + "." + six letters or digits.
bool IsTempNameFor(std::string_view entry, std::string_view name) {
    const std::size_t prefix = name.size() + 2;
    return entry.size() == prefix + kTempSuffixLength && entry[0] == '.' &&
           entry.substr(1, name.size()) == name && entry[prefix - 1] == '.' &&
           entry.substr(prefix).find_first_not_of(kTempSuffixLetters) == std::string_view::npos;
}

bool NotNewerThan(const struct timespec& time, const struct timespec& limit) {
    return time.tv_sec < limit.tv_sec ||
           (time.tv_sec == limit.tv_sec && time.tv_nsec <= limit.tv_nsec);
}

// A process killed between creating its temporary file and renaming it
// leaves that file behind; the next write removes it. Only regular files of
// this process's user, named for this target and last written before this
// write began, are taken: a write of another instance still under way at
// worst fails its rename and reports the failure, with the target intact.
void RemoveStaleTemporaries(const std::string& folder, std::string_view name) {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    DIR* const entries = ::opendir(folder.empty() ? "." : folder.c_str());
    if (entries == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        struct stat status {};
        if (IsTempNameFor(entry->d_name, name) &&
            ::fstatat(::dirfd(entries), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
            NotNewerThan(status.st_mtim, now)) {
            ::unlinkat(::dirfd(entries), entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

}  // namespace

std::optional<TempFile> TempFile::CreateBeside(const std::string& targetPath) {
    const auto slash = targetPath.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : targetPath.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? targetPath : targetPath.substr(slash + 1);
    RemoveStaleTemporaries(folder, name);
    std::string pattern = folder + "." + name + ".XXXXXX";
    UniqueFd fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!fd.IsOpen()) {
        return std::nullopt;
    }
    return TempFile(std::move(pattern), std::move(fd));
}

TempFile::TempFile(TempFile&& other) noexcept
    : path_(std::move(other.path_)),
      fd_(std::move(other.fd_)),
      committed_(std::exchange(other.committed_, true)) {}

TempFile::~TempFile() {
    fd_.Close();
    if (!committed_) {
        ::unlink(path_.c_str());
    }
}

bool TempFile::CommitOver(const std::string& targetPath) {
    if (::fsync(fd_.Get()) != 0 || !fd_.Close()) {
        return false;
    }
    if (::rename(path_.c_str(), targetPath.c_str()) != 0) {
        return false;
    }
    committed_ = true;
    SyncFolder(FolderOf(targetPath));
    return true;
}

}  // namespace platform::posix
