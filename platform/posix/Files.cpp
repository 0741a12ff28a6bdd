#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "platform/posix/DurableWrite.h"

namespace platform {
namespace {

using posix::TempFile;
using posix::UniqueFd;

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kPermissionBits = 07777;

// The file a write lands on once links are followed, and what it was.
struct WriteTarget {
    std::string path;
    struct stat status;
};

std::optional<WriteTarget> FindWriteTarget(const std::string& hostPath) {
    if (hostPath.empty()) {
        return std::nullopt;
    }
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        ::realpath(hostPath.c_str(), nullptr), &std::free);
    if (!resolved) {
        return std::nullopt;
    }
    WriteTarget target{resolved.get(), {}};
    if (::stat(target.path.c_str(), &target.status) != 0 || !S_ISREG(target.status.st_mode) ||
        (target.status.st_mode & kAnyWriteBit) == 0 ||
        ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        return std::nullopt;
    }
    return target;
}

// Gives the new version the original's owner, group and permission bits. The
// owner can only be kept by a privileged process; the group is tried alone
// then, and a failure to keep either is not a reason to refuse the write.
bool KeepOwnerAndMode(int fd, const struct stat& original) {
    if (::fchown(fd, original.st_uid, original.st_gid) != 0) {
        static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), original.st_gid));
    }
    return ::fchmod(fd, original.st_mode & kPermissionBits) == 0;
}

// For a file that other hard links share, or when no temporary file can be
// made beside it. The new size is reserved before anything is overwritten, so
// that a full disk refuses the write while the file is still intact; should a
// write fail after that, the old bytes are put back.
bool RewriteInPlace(const WriteTarget& target, std::string_view bytes) {
    UniqueFd fd(::open(target.path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY));
    if (!fd.IsOpen()) {
        return false;
    }
    const auto old = posix::ReadAll(fd.Get());
    if (!old) {
        return false;
    }
    const auto newSize = static_cast<off_t>(bytes.size());
    if (bytes.size() > old->size() && ::posix_fallocate(fd.Get(), 0, newSize) != 0) {
        static_cast<void>(::ftruncate(fd.Get(), static_cast<off_t>(old->size())));
        return false;
    }
    if (!posix::WriteAllAt(fd.Get(), bytes, 0) || ::ftruncate(fd.Get(), newSize) != 0) {
        static_cast<void>(posix::WriteAllAt(fd.Get(), *old, 0));
        static_cast<void>(::ftruncate(fd.Get(), static_cast<off_t>(old->size())));
        return false;
    }
    return ::fsync(fd.Get()) == 0 && fd.Close();
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& hostPath) {
    if (hostPath.empty()) {
        return std::nullopt;
    }
    // Non-blocking, so that a path naming a pipe does not wait for a writer;
    // only regular files are read at all.
    UniqueFd fd(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return posix::ReadAll(fd.Get());
}

bool IsWritableFile(const std::string& hostPath) {
    return FindWriteTarget(hostPath).has_value();
}

bool ReplaceWholeFile(const std::string& hostPath, std::string_view bytes) {
    const auto target = FindWriteTarget(hostPath);
    if (!target) {
        return false;
    }
    // Renaming a new file into place would part this name from the other
    // hard links, which would keep the old content.
    if (target->status.st_nlink > 1) {
        return RewriteInPlace(*target, bytes);
    }
    auto temp = TempFile::CreateBeside(target->path);
    if (!temp) {
        return RewriteInPlace(*target, bytes);
    }
    return posix::WriteAll(temp->Descriptor(), bytes) &&
           KeepOwnerAndMode(temp->Descriptor(), target->status) && temp->CommitOver(target->path);
}

}  // namespace platform
