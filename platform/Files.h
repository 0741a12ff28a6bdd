#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The whole content of the file at a host path, or nothing when it cannot be
// read (missing, a folder, no access).
std::optional<std::string> ReadWholeFile(const std::string& hostPath);

// Replaces the content of the file at a host path as one complete, durable
// update: afterwards the file holds either its old bytes or the new ones,
// whatever fails. Returns false when the file does not take the write
// (read-only, no access, missing folder, full disk); the file is then as it was
// and no temporary file is left behind.
bool ReplaceWholeFile(const std::string& hostPath, std::string_view bytes);

}  // namespace platform
