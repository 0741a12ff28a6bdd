#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "platform/Paths.h"

#include <algorithm>

namespace platform {

// Windows paths are the system's own: no translation either way.

std::string ToHostPath(std::string_view path) {
    return std::string(path);
}

std::string ToWindowsPath(std::string_view hostPath) {
    return std::string(hostPath);
}

std::string FullPathName(std::string_view path) {
    const std::string relative(path);
    // The size asked for first counts the terminating NUL; the length written
    // does not.
    const DWORD needed = GetFullPathNameA(relative.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return relative;
    }
    std::string full(needed, '\0');
    const DWORD length = GetFullPathNameA(relative.c_str(), needed, full.data(), nullptr);
    full.resize(std::min(length, needed - 1));
    return full;
}

std::string CurrentFolder() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    std::string folder(needed, '\0');
    const DWORD length = GetCurrentDirectoryA(needed, folder.data());
    folder.resize(std::min(length, needed - 1));
    return folder;
}

bool SetCurrentFolder(std::string_view path) {
    const std::string folder(path);
    return SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

namespace {

// The names of devices ("NUL", "C:\game\con.txt") resolve into the device
// namespace, whatever folder they are written in.
bool NamesDevice(std::string_view path) {
    return FullPathName(path).starts_with("\\\\.\\");
}

}  // namespace

bool FileExists(std::string_view path) {
    const std::string name(path);
    // FindFirstFileA takes wildcards, and "*.ini" names no one file.
    if (name.find_first_of("*?") != std::string::npos || NamesDevice(name)) {
        return false;
    }
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(std::string_view path) {
    const std::string name(path);
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace platform
