#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One line of the kernel's table of mounts.
struct MountEntry {
    std::string device;  // "major:minor"
    std::string mountPoint;
    std::string fsType;  // "ext4", "nfs4", "fuse.sshfs", ...
    std::string source;  // "/dev/sdb1", "//server/share", "server:/export", ...
};

// The entries of a /proc/<pid>/mountinfo text, in its order, with the
// kernel's octal escapes ("\040" for a blank) undone. Malformed lines are
// skipped.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// The mounts of this process. Reading them never touches a mounted file
// system, so it cannot hang on a dead one.
std::vector<MountEntry> ReadMountTable();

// The mount that holds an absolute path: the one with the deepest mount point
// above it, the later of equal ones since it is mounted on top.
std::optional<MountEntry> MountHolding(const std::vector<MountEntry>& mounts,
                                       std::string_view path);

}  // namespace platform
