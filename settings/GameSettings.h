#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The five CD folders, numbered 1 to 5 as the game numbers its CDs: CdAlias[1]
// is the folder of CD1. Any other number is out of range and throws
// std::out_of_range.
class CdAliases {
public:
    static constexpr std::size_t kCount = 5;

    CdAliases();

    std::string& operator[](std::size_t number) { return folders_.at(number - 1); }
    const std::string& operator[](std::size_t number) const { return folders_.at(number - 1); }

    friend bool operator==(const CdAliases&, const CdAliases&) = default;

private:
    std::array<std::string, kCount> folders_;
};

// The seven values of the game's Baldur.ini that this program edits. A record
// made without reading a file holds the game's defaults.
struct GameSettings {
    std::int32_t PathSearchNodes = 4000;
    CdAliases CdAlias;  // "E:\CD1\" to "E:\CD5\"
    bool InventoryPauseWarning = true;

    friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

// The values found in the file at the path, each value that is missing or
// unreadable (or all, when the file cannot be read) as its default. Never
// fails because of the path or the file's content.
GameSettings LoadGameSettings(std::string_view path);

// Writes the seven values, each as its own complete update of the file, in
// the order: Path Search Nodes, CD1: to CD5:, Inventory Pause Warning. Fails
// with Error "Unable to write to %s", the path in place of %s, at the first
// write the file does not take; the values written before it stay written.
// The file must exist.
void SaveGameSettings(std::string_view path, const GameSettings& settings);
