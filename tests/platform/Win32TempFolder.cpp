#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include "Win32TempFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <fstream>
#include <sstream>

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

Win32TempFolder::Win32TempFolder() {
    static std::atomic<unsigned> counter{0};
    std::array<char, MAX_PATH + 1> temp{};
    const DWORD length = GetTempPathA(static_cast<DWORD>(temp.size()), temp.data());
    EXPECT_GT(length, 0u);
    path_ = std::string(temp.data(), length) + "kestrune-" + std::to_string(GetCurrentProcessId()) +
            "-" + std::to_string(counter++);
    EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_;
}

Win32TempFolder::~Win32TempFolder() {
    RemoveTree(path_);
}

std::string Win32TempFolder::Path(std::string_view name) const {
    return path_ + "\\" + std::string(name);
}

std::string Win32TempFolder::Write(std::string_view name, std::string_view bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

std::string Win32TempFolder::Read(std::string_view name) const {
    std::ostringstream content;
    content << std::ifstream(Path(name), std::ios::binary).rdbuf();
    return content.str();
}

std::string Win32TempFolder::MakeFolder(std::string_view name) const {
    const std::string path = Path(name);
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    return path;
}

std::vector<std::string> Win32TempFolder::Names() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}
