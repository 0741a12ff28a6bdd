#include "settings/GameSettings.h"

#include "settings/IniFile.h"

namespace {

constexpr std::string_view kProgramOptions = "Program Options";
constexpr std::string_view kPathSearchNodes = "Path Search Nodes";
constexpr std::string_view kAlias = "Alias";
constexpr std::array<std::string_view, CdAliases::kCount> kCdKeys = {
    "CD1:", "CD2:", "CD3:", "CD4:", "CD5:"};
constexpr std::array<std::string_view, CdAliases::kCount> kCdDefaults = {
    "E:\\CD1\\", "E:\\CD2\\", "E:\\CD3\\", "E:\\CD4\\", "E:\\CD5\\"};
constexpr std::string_view kGameOptions = "Game Options";
constexpr std::string_view kInventoryPauseWarning = "Inventory Pause Warning";

}  // namespace

CdAliases::CdAliases() {
    for (std::size_t i = 0; i < kCount; ++i) {
        folders_[i] = kCdDefaults[i];
    }
}

GameSettings LoadGameSettings(std::string_view path) {
    const IniFile file{std::string(path)};
    const GameSettings defaults;
    GameSettings settings;
    settings.PathSearchNodes =
        file.IniReadInteger(kProgramOptions, kPathSearchNodes, defaults.PathSearchNodes);
    for (std::size_t n = 1; n <= CdAliases::kCount; ++n) {
        settings.CdAlias[n] = file.IniReadString(kAlias, kCdKeys[n - 1], defaults.CdAlias[n]);
    }
    settings.InventoryPauseWarning =
        file.IniReadBool(kGameOptions, kInventoryPauseWarning, defaults.InventoryPauseWarning);
    return settings;
}

void SaveGameSettings(std::string_view path, const GameSettings& settings) {
    IniFile file{std::string(path)};
    file.IniWriteInteger(kProgramOptions, kPathSearchNodes, settings.PathSearchNodes);
    for (std::size_t n = 1; n <= CdAliases::kCount; ++n) {
        file.IniWriteString(kAlias, kCdKeys[n - 1], settings.CdAlias[n]);
    }
    file.IniWriteBool(kGameOptions, kInventoryPauseWarning, settings.InventoryPauseWarning);
}
