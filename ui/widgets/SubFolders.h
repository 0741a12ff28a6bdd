#pragma once

#include <string>
#include <string_view>
#include <vector>

// The names of the folders directly inside a folder given as a Windows path,
// in system text, as the folder tree lists them: folders only, without names
// that begin with a full stop, without entries the system marks hidden or
// system and without names no Windows path can hold, in name order ignoring
// letter case. An unreadable or missing folder has none.
std::vector<std::string> ListSubfolders(std::string_view windowsPath);

// The order of sibling folders: by name ignoring letter case, names that
// differ only in case (possible on Linux) by their bytes.
bool FolderNameBefore(std::string_view a, std::string_view b);
