#pragma once

#include <string>
#include <string_view>

namespace platform {

// The program keeps Windows path semantics on every system. On Windows these
// are the system's own paths. Elsewhere drive letters map to the folders of a
// Wine prefix ($WINEPREFIX, else ~/.wine, through its dosdevices/ links), or
// z: to / when there is none. Paths are system text.

// The host path for a Windows path, each component matched exactly or else
// without regard to letter case. A path that starts with "/" is a host path
// already. On Windows the path itself.
std::string ToHostPath(std::string_view path);

// The Windows form of a host path, through the longest drive folder that holds
// it ("/home/ann" becomes "Z:\home\ann"). On Windows the path itself.
std::string ToWindowsPath(std::string_view hostPath);

// The full Windows path: a relative path is taken against the working folder,
// "." and ".." are resolved (GetFullPathNameA on Windows).
std::string FullPathName(std::string_view path);

// The process's working folder in its Windows form, and changing it.
std::string CurrentFolder();
bool SetCurrentFolder(std::string_view path);

// The file test: true only when the path names an existing entry that is not a
// folder.
bool FileExists(std::string_view path);

// The folder test: true only when the path names an existing folder; a
// trailing backslash is allowed.
bool DirectoryExists(std::string_view path);

}  // namespace platform
