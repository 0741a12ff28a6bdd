#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace testing_files {

// A fresh folder below the system's temporary folder, removed with all it
// holds when the object goes.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);

// The names in a folder, to show that no temporary file was left behind.
std::set<std::string> Names(const std::filesystem::path& folder);

// A fixture file of tests/data.
std::string DataFile(std::string_view name);

}  // namespace testing_files
