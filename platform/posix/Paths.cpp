#include "platform/Paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/WindowsPath.h"
#include "platform/posix/DriveMap.h"
#include "platform/posix/HostPath.h"

namespace platform {
namespace {

// "/home/ann" is a host path; "//server/share" is a network path, as on Windows.
bool IsHostPath(std::string_view path) {
    return !path.empty() && path[0] == '/' && (path.size() == 1 || path[1] != '/');
}

bool EntryExists(const std::string& hostPath) {
    struct stat status {};
    return lstat(hostPath.c_str(), &status) == 0;
}

std::string Child(const std::string& folder, const std::string& name) {
    return (!folder.empty() && folder.back() == '/' ? folder : folder + '/') + name;
}

// Each name as the folder holds it: exactly, else ignoring letter case (as
// Wine finds names), else as written, for paths that do not exist yet.
std::string HostPathBelow(const std::string& driveFolder, const FullPathParts& parts) {
    std::string host = driveFolder;
    bool folderExists = true;
    for (const auto& name : parts.names) {
        std::string next = Child(host, name);
        if (folderExists && !EntryExists(next)) {
            const auto match = EntryIgnoringCase(host, name);
            folderExists = match.has_value();
            if (match) {
                next = Child(host, *match);
            }
        }
        host = std::move(next);
    }
    if (parts.trailingSeparator && !parts.names.empty()) {
        host += '/';
    }
    return host;
}

char UpperLetter(char letter) {
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 32) : letter;
}

bool StatIs(std::string_view path, mode_t type) {
    const std::string host = ToHostPath(path);
    struct stat status {};
    return !host.empty() && stat(host.c_str(), &status) == 0 && (status.st_mode & S_IFMT) == type;
}

}  // namespace

std::string ToHostPath(std::string_view path) {
    if (path.empty() || IsHostPath(path)) {
        return std::string(path);
    }
    const std::string full = FullPathName(path);
    const char drive = DriveOfPath(full);
    const auto folder = drive != '\0' ? DriveFolderOf(drive) : std::nullopt;
    if (!folder) {
        // Network paths and drives the prefix does not have name nothing here.
        return {};
    }
    return HostPathBelow(*folder, SplitFullPath(full));
}

std::string ToWindowsPath(std::string_view hostPath) {
    if (hostPath.empty()) {
        return {};
    }
    const std::string real = RealHostPath(hostPath);
    std::string windowsPath;
    std::size_t deepest = 0;
    for (const auto& drive : ReadDriveMap()) {
        const std::string folder = RealHostPath(drive.folder);
        const auto rest = PathBelow(real, folder);
        if (rest && (windowsPath.empty() || folder.size() > deepest)) {
            deepest = folder.size();
            windowsPath =
                std::string{UpperLetter(drive.letter), ':'} + (rest->empty() ? "/" : *rest);
        }
    }
    for (char& character : windowsPath) {
        character = character == '/' ? '\\' : character;
    }
    return windowsPath;
}

std::string FullPathName(std::string_view path) {
    if (IsHostPath(path)) {
        const std::string windowsPath = ToWindowsPath(path);
        return windowsPath.empty() ? AbsoluteHostPath(path) : windowsPath;
    }
    return FullPathFrom(path, IsFullyQualified(path) ? std::string() : CurrentFolder());
}

std::string CurrentFolder() {
    const std::string folder = ToWindowsPath(AbsoluteHostPath("."));
    if (!folder.empty()) {
        return folder;
    }
    // Like Wine, a working folder outside every drive starts on the first drive.
    const auto drives = ReadDriveMap();
    return drives.empty() ? std::string()
                          : std::string{UpperLetter(drives.front().letter), ':', '\\'};
}

bool SetCurrentFolder(std::string_view path) {
    const std::string host = ToHostPath(path);
    return !host.empty() && chdir(host.c_str()) == 0;
}

bool FileExists(std::string_view path) {
    return StatIs(path, S_IFREG);
}

bool DirectoryExists(std::string_view path) {
    return StatIs(path, S_IFDIR);
}

}  // namespace platform
