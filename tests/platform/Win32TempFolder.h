#pragma once

#include <string>
#include <string_view>
#include <vector>

// A fresh folder below the user's temporary folder, removed with everything in
// it when the test ends. Paths are Windows paths in the ANSI code page.
class Win32TempFolder {
public:
    Win32TempFolder();
    Win32TempFolder(const Win32TempFolder&) = delete;
    Win32TempFolder& operator=(const Win32TempFolder&) = delete;
    ~Win32TempFolder();

    const std::string& Path() const { return path_; }
    std::string Path(std::string_view name) const;

    // Creates (or overwrites) a file and returns its path.
    std::string Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const;
    std::string MakeFolder(std::string_view name) const;
    // The names of the entries in the folder, sorted.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};
