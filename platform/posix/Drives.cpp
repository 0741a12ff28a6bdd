#include "platform/Drives.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include "platform/DriveReadiness.h"
#include "platform/posix/DriveProbe.h"
#include "platform/posix/DriveQueries.h"
#include "platform/posix/TimedQuery.h"

namespace platform {

bool VolumeSizeReadable(const std::string& hostFolder) {
    struct stat status {};
    struct statvfs volume {};
    return stat(hostFolder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           statvfs(hostFolder.c_str(), &volume) == 0;
}

bool DiskInDriveWithin(char letter, const ProcessEvents& processEvents, const FolderQuery& query,
                       std::chrono::milliseconds timeout) {
    const char upper = ValidDriveLetter(letter);
    const auto askDrive = [&] {
        const auto folder = DriveFolderOf(upper);
        if (!folder) {
            return false;
        }
        const std::function<bool()> ask = [query, folder = *folder] { return query(folder); };
        return RunWithin(timeout, processEvents, ask).value_or(false);
    };
    // No system prompt to hold back here: unlike Windows, Linux never asks for a disk.
    return QueryBetweenEvents(processEvents, askDrive, [] {});
}

std::vector<DriveInfo> ListDrivesWithin(const ProcessEvents& processEvents,
                                        const DriveProbeQuery& probe,
                                        std::chrono::milliseconds timeout) {
    std::vector<DriveInfo> drives;
    for (const auto& drive : ReadDriveMap()) {
        const std::function<std::optional<DriveInfo>()> ask = [probe, drive] {
            return probe(drive);
        };
        const auto answer = RunWithin(timeout, processEvents, ask);
        const auto info = answer ? *answer : std::optional(GuessDrive(drive));
        if (info) {
            drives.push_back(*info);
        }
    }
    return drives;
}

std::vector<DriveInfo> ListDrives(const ProcessEvents& processEvents) {
    return ListDrivesWithin(processEvents, ProbeDrive, kDriveQueryTimeout);
}

bool DiskInDrive(char letter, const ProcessEvents& processEvents) {
    return DiskInDriveWithin(letter, processEvents, VolumeSizeReadable, kDriveQueryTimeout);
}

}  // namespace platform
