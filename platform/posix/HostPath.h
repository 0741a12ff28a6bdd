#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The absolute form of a host path: relative ones taken against the working
// folder, "." and ".." resolved by name, runs of "/" collapsed, no "/" at the
// end but for the root.
std::string AbsoluteHostPath(std::string_view path);

// The absolute path with its links resolved as far as it exists; names below
// the part that exists are kept as written.
std::string RealHostPath(std::string_view path);

// The rest of `path` below `folder` ("" for the folder itself, starting with
// "/" otherwise), or nothing when the folder does not hold the path. Both are
// absolute forms.
std::optional<std::string> PathBelow(std::string_view path, std::string_view folder);

// The name of the entry of `folder` that equals `name` ignoring letter case,
// the first in the folder's own order; nothing when none does.
std::optional<std::string> EntryIgnoringCase(const std::string& folder, std::string_view name);

}  // namespace platform
