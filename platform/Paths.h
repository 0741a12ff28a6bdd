#pragma once

#include <string>
#include <string_view>

namespace platform {

// The program keeps Windows path semantics on every system. On Windows these
// are the system's own paths. Elsewhere drive letters map to the folders of a
// Wine prefix ($WINEPREFIX, else ~/.wine, read afresh on every call, through
// its dosdevices/ links), or z: to / when there is none; a path that starts
// with a single "/" is a host path, and a network path ("\\server\share")
// names nothing. Paths are system text.

// The host path for a Windows path, each component matched exactly or else
// without regard to letter case, else kept as written. Relative paths are
// taken against the working folder first. Empty when the path names nothing
// here (an empty path, a network path, a drive the prefix lacks). On Windows
// the path itself.
std::string ToHostPath(std::string_view path);

// The Windows form of a host path, through the longest drive folder that holds
// it, links resolved ("/home/ann" becomes "Z:\home\ann"; the drive letter in
// upper case). Empty when no drive holds it. On Windows the path itself.
std::string ToWindowsPath(std::string_view hostPath);

// The full Windows path, as GetFullPathNameA gives it: a relative path is
// taken against the working folder, "\foo" against its drive, "E:foo" against
// the working folder when that is on E: and against E:\ otherwise; "." and
// ".." are resolved without climbing above the root, trailing dots and blanks
// of names dropped, a trailing backslash kept, the letter case kept. A host
// path gives its Windows form, or itself when no drive holds it. Empty for an
// empty path.
std::string FullPathName(std::string_view path);

// The process's working folder in its Windows form (the root of the first
// drive when no drive holds it, as Wine starts elsewhere then), and changing
// it. Relative paths everywhere resolve against this one folder.
std::string CurrentFolder();
bool SetCurrentFolder(std::string_view path);

// The file test: true only when the path names an existing file (links
// followed). A folder, a device and a path with a trailing backslash are no
// files.
bool FileExists(std::string_view path);

// The folder test: true only when the path names an existing folder; a
// trailing backslash is allowed.
bool DirectoryExists(std::string_view path);

}  // namespace platform
