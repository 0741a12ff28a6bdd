#pragma once

#include <optional>
#include <string>

#include "platform/Drives.h"

namespace platform {

// The text the drive selector shows after "x: ". `name` is the volume label,
// or for a network drive its network name; nothing when it cannot be read.
// A network drive without a name shows its volume label instead, which it
// then cannot read either.
std::string DriveLabelText(DriveKind kind, const std::optional<std::string>& name);

}  // namespace platform
