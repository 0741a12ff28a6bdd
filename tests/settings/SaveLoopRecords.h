#pragma once

#include <string>

#include "settings/GameSettings.h"

// The two records the save loop alternates: the values of tests/data/Baldur.ini
// and a record in which each of the seven differs from them.
namespace save_loop {

inline GameSettings OldRecord() {
    GameSettings settings;
    settings.PathSearchNodes = 32000;
    for (std::size_t n = 1; n <= CdAliases::kCount; ++n) {
        settings.CdAlias[n] = "C:\\Hry\\Baldurova br\xE1na\\CD" + std::to_string(n) + "\\";
    }
    settings.InventoryPauseWarning = true;
    return settings;
}

// Values of other lengths, so that a torn write would shift the bytes after
// them.
inline GameSettings NewRecord() {
    GameSettings settings;
    settings.PathSearchNodes = 7;
    for (std::size_t n = 1; n <= CdAliases::kCount; ++n) {
        settings.CdAlias[n] = "D:\\Games\\BG\\Disc " + std::to_string(n) + "\\";
    }
    settings.InventoryPauseWarning = false;
    return settings;
}

}  // namespace save_loop
