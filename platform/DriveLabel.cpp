#include "platform/DriveLabel.h"

#include "platform/LetterCase.h"

namespace platform {

std::string DriveLabelText(DriveKind kind, const std::optional<std::string>& name) {
    if (kind == DriveKind::Removable) {
        return {};
    }
    if (kind == DriveKind::Network && name) {
        return LowerSystemText(*name);
    }
    return '[' + LowerSystemText(name.value_or(std::string())) + ']';
}

}  // namespace platform
