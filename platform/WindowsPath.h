#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Windows path rules that hold on every system: both "\" and "/" separate
// components, "X:" starts a drive path, "\\server\share" a network path.

// Whether the path names its drive or network share itself, so that resolving
// it needs no working folder.
bool IsFullyQualified(std::string_view path);

// What the system's full-path function makes of a path, given the working
// folder in its Windows form: a relative path is taken against the working
// folder, "\foo" against its drive, "E:foo" against the working folder when
// it is on E: and against E:\ otherwise. "." and ".." are resolved (".." never
// climbs above the root), runs of separators collapse, trailing dots and
// blanks of a name go, a trailing backslash stays. Empty for an empty path,
// and for a relative one when there is no working folder.
std::string FullPathFrom(std::string_view path, std::string_view currentFolder);

// A full path taken apart: the root ("E:" or "\\server\share"), the names
// below it, and whether it ends with a backslash.
struct FullPathParts {
    std::string root;
    std::vector<std::string> names;
    bool trailingSeparator = false;
};
FullPathParts SplitFullPath(std::string_view fullPath);

// The drive letter of a drive path as written, or 0 for any other path.
char DriveOfPath(std::string_view path);

}  // namespace platform
