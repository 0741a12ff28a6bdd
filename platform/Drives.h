#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

// Lets the user interface process its pending events while the platform layer
// waits for the system.
using ProcessEvents = std::function<void()>;

enum class DriveKind { Removable, Fixed, Network, Cd, RamDisk };

struct DriveInfo {
    char letter;  // lower case
    DriveKind kind;
    // What the drive selector shows after "x: ": the volume label in lower case
    // in brackets ("[]" when it cannot be read), a network drive's network
    // name in lower case, nothing for a removable drive.
    std::string label;
};

// The drives in letter order; drives of no known kind are left out. Never
// hangs on a dead drive.
std::vector<DriveInfo> ListDrives(const ProcessEvents& processEvents);

// Whether the drive holds a medium whose size the system can read. Fails with
// ConversionError "Not a valid drive letter" when the character, upper-cased,
// is not a letter from A to Z. The system shows no prompt of its own, and a
// query that does not answer counts as not ready; pending events are processed
// before and after the query.
bool DiskInDrive(char letter, const ProcessEvents& processEvents);

}  // namespace platform
