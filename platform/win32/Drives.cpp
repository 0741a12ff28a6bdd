#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#include <winnetwk.h>

#include <array>
#include <optional>

#include "platform/DriveLabel.h"
#include "platform/DriveReadiness.h"
#include "platform/Drives.h"

namespace platform {
namespace {

using RootPath = std::array<char, 4>;

RootPath RootOf(char letter) {
    return {letter, ':', '\\', '\0'};
}

std::optional<DriveKind> KindOf(const RootPath& root) {
    switch (GetDriveTypeA(root.data())) {
        case DRIVE_REMOVABLE:
            return DriveKind::Removable;
        case DRIVE_FIXED:
            return DriveKind::Fixed;
        case DRIVE_REMOTE:
            return DriveKind::Network;
        case DRIVE_CDROM:
            return DriveKind::Cd;
        case DRIVE_RAMDISK:
            return DriveKind::RamDisk;
        default:
            return std::nullopt;
    }
}

std::optional<std::string> VolumeLabel(const RootPath& root) {
    std::array<char, MAX_PATH + 1> label{};
    if (!GetVolumeInformationA(root.data(), label.data(), static_cast<DWORD>(label.size()), nullptr,
                               nullptr, nullptr, nullptr, 0)) {
        return std::nullopt;
    }
    return std::string(label.data());
}

std::optional<std::string> NetworkName(char letter) {
    const std::array<char, 3> device{letter, ':', '\0'};
    std::array<char, MAX_PATH + 1> name{};
    DWORD size = static_cast<DWORD>(name.size());
    if (WNetGetConnectionA(device.data(), name.data(), &size) != NO_ERROR) {
        return std::nullopt;
    }
    return std::string(name.data());
}

// The name the selector shows beside the letter. A removable drive is not
// asked at all: that would spin up a floppy drive for every listing. A network
// drive shows its network name; without one it is not connected, and asking
// for its volume label would only wait for the network to time out.
std::optional<std::string> NameOf(char letter, DriveKind kind, const RootPath& root) {
    switch (kind) {
        case DriveKind::Removable:
            return std::nullopt;
        case DriveKind::Network:
            return NetworkName(letter);
        default:
            return VolumeLabel(root);
    }
}

// With critical errors failed the system shows no box of its own (one asking
// for a disk, or reporting a drive error) while a drive is asked; the query
// fails instead. The mode is a setting of the whole process, so the previous
// one comes back as soon as the question is answered.
class CriticalErrorsFailed {
public:
    CriticalErrorsFailed() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    CriticalErrorsFailed(const CriticalErrorsFailed&) = delete;
    CriticalErrorsFailed& operator=(const CriticalErrorsFailed&) = delete;
    ~CriticalErrorsFailed() { SetErrorMode(previous_); }

private:
    UINT previous_;
};

}  // namespace

std::vector<DriveInfo> ListDrives(const ProcessEvents& processEvents) {
    std::vector<DriveInfo> drives;
    const DWORD present = GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if ((present & (1u << (letter - 'A'))) == 0) {
            continue;
        }
        const RootPath root = RootOf(letter);
        const auto kind = KindOf(root);
        if (!kind) {
            continue;
        }
        std::optional<std::string> name;
        {
            const CriticalErrorsFailed quiet;
            name = NameOf(letter, *kind, root);
        }
        drives.push_back(
            {static_cast<char>(letter - 'A' + 'a'), *kind, DriveLabelText(*kind, name)});
        // A network drive may take its time to answer; the window keeps
        // painting meanwhile.
        processEvents();
    }
    return drives;
}

bool DiskInDrive(char letter, const ProcessEvents& processEvents) {
    const RootPath root = RootOf(ValidDriveLetter(letter));
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const auto volumeSizeReadable = [&root] {
        ULARGE_INTEGER totalBytes;
        return GetDiskFreeSpaceExA(root.data(), nullptr, &totalBytes, nullptr) != FALSE;
    };
    return QueryBetweenEvents(processEvents, volumeSizeReadable,
                              [previousMode] { SetErrorMode(previousMode); });
}

}  // namespace platform
