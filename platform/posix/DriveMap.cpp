#include "platform/posix/DriveMap.h"

#include <dirent.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace platform {
namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string PrefixFolder() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') {
        return prefix;
    }
    return HomeFolder() + "/.wine";
}

bool IsDriveEntry(const std::string& name) {
    return name.size() == 2 && name[0] >= 'a' && name[0] <= 'z' && name[1] == ':';
}

// Where the entry leads: a link's target, relative targets taken from the
// dosdevices/ folder; an entry that is no link is the folder itself.
std::string FolderOfEntry(const std::string& dosdevices, const std::string& name) {
    const std::string entry = dosdevices + '/' + name;
    std::string target(4096, '\0');
    const auto length = readlink(entry.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) {
        return entry;
    }
    target.resize(static_cast<std::size_t>(length));
    return target.front() == '/' ? target : dosdevices + '/' + target;
}

}  // namespace

std::vector<DriveFolder> ReadDriveMap() {
    const std::string dosdevices = PrefixFolder() + "/dosdevices";
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(dosdevices.c_str()), closedir);
    if (!folder) {
        return {{'z', "/"}};
    }
    std::vector<DriveFolder> drives;
    while (const dirent* entry = readdir(folder.get())) {
        const std::string name = entry->d_name;
        if (IsDriveEntry(name)) {
            drives.push_back({name[0], FolderOfEntry(dosdevices, name)});
        }
    }
    std::sort(drives.begin(), drives.end(),
              [](const DriveFolder& a, const DriveFolder& b) { return a.letter < b.letter; });
    return drives;
}

std::optional<std::string> DriveFolderOf(char letter) {
    const char lower = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter + 32) : letter;
    for (const auto& drive : ReadDriveMap()) {
        if (drive.letter == lower) {
            return drive.folder;
        }
    }
    return std::nullopt;
}

}  // namespace platform
