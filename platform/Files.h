#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The game's settings file is read whole and replaced whole: it is small, and
// a complete replacement is what lets every write be all-or-nothing.

// The whole content of the regular file at a host path (links followed), or
// nothing when it cannot be read: missing, a folder, a device or pipe, no
// access. Never blocks on a pipe or device.
std::optional<std::string> ReadWholeFile(const std::string& hostPath);

// Whether the file at a host path would take a write: it exists (links
// followed), is a regular file, has at least one write permission bit (a file
// without any counts as read-only, as the read-only attribute does on Windows,
// even for an administrator) and the process may write it.
bool IsWritableFile(const std::string& hostPath);

// Replaces the content of the existing file at a host path as one complete,
// durable update: afterwards the file holds either its old bytes or the new
// ones, whatever fails. A link is followed and its target replaced; the
// target keeps its permission bits (and owner and group where the process may
// set them). The new content goes to a temporary file in the same folder,
// flushed and renamed over the target, and the folder is flushed (ReplaceFile
// or MoveFileEx with write-through on Windows). A file with more than one hard
// link, or in a folder where no temporary file can be made, is rewritten in
// place instead, its new size reserved first so that a full disk leaves it as
// it was. Returns false, with the file as it was and no temporary file left
// behind, when the file does not take the write: missing, not IsWritableFile,
// missing folder, full disk.
bool ReplaceWholeFile(const std::string& hostPath, std::string_view bytes);

}  // namespace platform
