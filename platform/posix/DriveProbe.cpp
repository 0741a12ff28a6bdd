#include "platform/posix/DriveProbe.h"

#include <dirent.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <fstream>
#include <memory>
#include <string_view>

#include "platform/DriveLabel.h"
#include "platform/posix/HostPath.h"

namespace platform {
namespace {

bool IsOneOf(std::string_view type, std::initializer_list<std::string_view> types) {
    for (const auto candidate : types) {
        if (type == candidate) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> FirstLine(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        return std::nullopt;
    }
    std::string line;
    std::getline(file, line);  // an empty file holds an empty line
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.pop_back();
    }
    return line;
}

bool IsRemovableDevice(const std::string& device, const std::string& sysFolder) {
    const std::string folder = sysFolder + "/dev/block/" + device;
    struct stat status {};
    // A partition's flag is kept by the disk that holds it.
    const bool partition = stat((folder + "/partition").c_str(), &status) == 0;
    return FirstLine(folder + (partition ? "/../removable" : "/removable")) == "1";
}

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

// udev writes "\x20" for a blank and the like in its link names.
std::string UdevUnescaped(std::string_view name) {
    std::string text;
    for (std::size_t at = 0; at < name.size(); ++at) {
        const bool escape = name[at] == '\\' && at + 3 < name.size() && name[at + 1] == 'x' &&
                            HexValue(name[at + 2]) >= 0 && HexValue(name[at + 3]) >= 0;
        if (escape) {
            text.push_back(static_cast<char>(HexValue(name[at + 2]) * 16 + HexValue(name[at + 3])));
            at += 3;
        } else {
            text.push_back(name[at]);
        }
    }
    return text;
}

std::optional<std::string> LabelOfDevice(const std::string& source,
                                         const std::string& byLabelFolder) {
    if (source.empty() || source.front() != '/') {
        return std::nullopt;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> links(opendir(byLabelFolder.c_str()), closedir);
    if (!links) {
        return std::nullopt;
    }
    const std::string device = RealHostPath(source);
    while (const dirent* link = readdir(links.get())) {
        const std::string name = link->d_name;
        if (name != "." && name != ".." && RealHostPath(byLabelFolder + '/' + name) == device) {
            return UdevUnescaped(name);
        }
    }
    return std::nullopt;
}

DriveInfo DriveOfMount(char letter, const std::optional<MountEntry>& mount,
                       const std::optional<std::string>& driveFolder) {
    const DriveKind kind = mount ? KindOfMount(*mount) : DriveKind::Fixed;
    std::optional<std::string> name;
    if (mount && kind == DriveKind::Network) {
        name = NetworkName(*mount);
    } else if (driveFolder && kind != DriveKind::Removable) {
        name =
            mount ? VolumeLabel(*driveFolder, *mount) : FirstLine(*driveFolder + "/.windows-label");
    }
    return {letter, kind, DriveLabelText(kind, name)};
}

}  // namespace

DriveKind KindOfMount(const MountEntry& mount, const std::string& sysFolder) {
    const std::string_view type = mount.fsType;
    if (IsOneOf(type, {"iso9660", "udf"})) {
        return DriveKind::Cd;
    }
    if (IsOneOf(type, {"nfs", "nfs4", "cifs", "smb", "smbfs", "smb3", "sshfs", "fuse.sshfs", "afs",
                       "ncpfs"})) {
        return DriveKind::Network;
    }
    if (IsOneOf(type, {"tmpfs", "ramfs"})) {
        return DriveKind::RamDisk;
    }
    return IsRemovableDevice(mount.device, sysFolder) ? DriveKind::Removable : DriveKind::Fixed;
}

std::string NetworkName(const MountEntry& mount) {
    std::string name = mount.source;
    if (name.starts_with("//")) {
        for (char& character : name) {
            character = character == '/' ? '\\' : character;
        }
    }
    return name;
}

std::optional<std::string> VolumeLabel(const std::string& driveFolder, const MountEntry& mount,
                                       const std::string& byLabelFolder) {
    if (auto label = FirstLine(driveFolder + "/.windows-label")) {
        return label;
    }
    return LabelOfDevice(mount.source, byLabelFolder);
}

std::optional<DriveInfo> ProbeDrive(const DriveFolder& drive) {
    struct stat status {};
    if (stat(drive.folder.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return DriveInfo{drive.letter, DriveKind::Removable, {}};
        }
        // The folder is there but its mount is gone (a stale share): keep its kind.
        return GuessDrive(drive);
    }
    if (!S_ISDIR(status.st_mode)) {
        return std::nullopt;
    }
    return DriveOfMount(drive.letter, MountHolding(ReadMountTable(), RealHostPath(drive.folder)),
                        drive.folder);
}

DriveInfo GuessDrive(const DriveFolder& drive) {
    return DriveOfMount(
        drive.letter, MountHolding(ReadMountTable(), AbsoluteHostPath(drive.folder)), std::nullopt);
}

}  // namespace platform
