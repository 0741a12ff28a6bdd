#include "ui/widgets/SubFolders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/LetterCase.h"
#include "platform/Paths.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// On Linux a hidden entry is one whose name begins with a full stop, which is
// left out anyway; there is no system mark.
bool MarkedHiddenOrSystem([[maybe_unused]] const std::filesystem::directory_entry& entry) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
#else
    return false;
#endif
}

// A name a Windows path can hold as it stands. Elsewhere a folder may be
// called "a:b", "why?" or "end." as well; a Windows path would name another
// folder or none ("end." is "end" there), so such folders cannot be chosen.
bool IsWindowsName(std::string_view name) {
    const bool badCharacter = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 ||
               std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    });
    return !name.empty() && !badCharacter && !name.ends_with('.') && !name.ends_with(' ');
}

bool Listed(const std::filesystem::directory_entry& entry, const std::string& name) {
    std::error_code error;
    return !name.starts_with('.') && IsWindowsName(name) && entry.is_directory(error) &&
           !MarkedHiddenOrSystem(entry);
}

}  // namespace

bool FolderNameBefore(std::string_view a, std::string_view b) {
    const std::string lowerA = platform::LowerSystemText(a);
    const std::string lowerB = platform::LowerSystemText(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
}

std::vector<std::string> ListSubfolders(std::string_view windowsPath) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entries(platform::ToHostPath(windowsPath), error);
    for (const std::filesystem::directory_iterator end; !error && entries != end;
         entries.increment(error)) {
        std::string name = entries->path().filename().string();
        if (Listed(*entries, name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), FolderNameBefore);
    return names;
}
