#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Drives.h"
#include "platform/posix/DriveMap.h"

namespace platform {

// The drive functions with their system queries and their patience passed in,
// so that a query that never answers can be shown not to hang the caller.

// Whether a drive's folder answers: `query` gets the drive's host folder and
// counts as "not ready" when it has not answered within `timeout`.
using FolderQuery = std::function<bool(const std::string& hostFolder)>;
bool DiskInDriveWithin(char letter, const ProcessEvents& processEvents, const FolderQuery& query,
                       std::chrono::milliseconds timeout);

// Whether the system can read the size of the volume that holds a folder.
bool VolumeSizeReadable(const std::string& hostFolder);

// The drives as `probe` describes them; a drive it does not describe within
// `timeout` is described from the table of mounts instead.
using DriveProbeQuery = std::function<std::optional<DriveInfo>(const DriveFolder&)>;
std::vector<DriveInfo> ListDrivesWithin(const ProcessEvents& processEvents,
                                        const DriveProbeQuery& probe,
                                        std::chrono::milliseconds timeout);

}  // namespace platform
