#pragma once

#include <optional>
#include <string>

#include "platform/Drives.h"
#include "platform/posix/DriveMap.h"
#include "platform/posix/MountTable.h"

namespace platform {

// The kind of drive a mount stands for: CD file systems, network file
// systems, memory file systems, block devices the kernel marks removable
// (looked up below `sysFolder`), everything else fixed.
DriveKind KindOfMount(const MountEntry& mount, const std::string& sysFolder = "/sys");

// A network mount's name, shares in the form Windows shows them
// ("//server/share" as "\\server\share"), other sources as they stand.
std::string NetworkName(const MountEntry& mount);

// The volume label of a drive: the first line of the ".windows-label" file in
// its folder (Wine's convention), else the file system's label that udev
// publishes as a link to the mount's device below `byLabelFolder`; nothing
// when neither can be read.
std::optional<std::string> VolumeLabel(const std::string& driveFolder, const MountEntry& mount,
                                       const std::string& byLabelFolder = "/dev/disk/by-label");

// What the drive selector lists for a drive, asking its folder's file system,
// which may block. A missing folder is an empty drive, listed as removable;
// an entry that is no folder is no drive.
std::optional<DriveInfo> ProbeDrive(const DriveFolder& drive);

// The same from the table of mounts alone, for a drive whose file system does
// not answer: nothing on it is touched, so no label can be read.
DriveInfo GuessDrive(const DriveFolder& drive);

}  // namespace platform
