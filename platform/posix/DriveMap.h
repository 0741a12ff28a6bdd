#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// One drive of the Wine prefix: its letter (lower case) and its host folder.
struct DriveFolder {
    char letter;
    std::string folder;
};

// The drives of the Wine prefix ($WINEPREFIX, else ~/.wine) in letter order,
// read afresh on every call: the links "x:" in its dosdevices/ folder, device
// links ("x::") and ports ("com1") left out. With no dosdevices/ folder, z: is
// the root folder alone, as Wine has it by default.
std::vector<DriveFolder> ReadDriveMap();

// The host folder of one drive, any letter case; nothing when there is no
// such drive.
std::optional<std::string> DriveFolderOf(char letter);

}  // namespace platform
