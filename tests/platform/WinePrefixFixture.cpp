#include "WinePrefixFixture.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

void WinePrefixTest::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "platform-prefix-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    prefix_ = pattern;
    fs::create_directory(prefix_ / "dosdevices");
    workingFolder_ = fs::current_path();
    if (const char* previous = std::getenv("WINEPREFIX")) {
        previousPrefix_ = previous;
    }
    setenv("WINEPREFIX", prefix_.c_str(), 1);
}

void WinePrefixTest::TearDown() {
    fs::current_path(workingFolder_);
    if (previousPrefix_) {
        setenv("WINEPREFIX", previousPrefix_->c_str(), 1);
    } else {
        unsetenv("WINEPREFIX");
    }
    std::error_code ignored;
    fs::remove_all(prefix_, ignored);
}

void WinePrefixTest::Link(std::string_view name, const fs::path& target) const {
    fs::create_symlink(target, prefix_ / "dosdevices" / name);
}

fs::path WinePrefixTest::Folder(std::string_view relative) const {
    const fs::path folder = prefix_ / relative;
    fs::create_directories(folder);
    return folder;
}

fs::path WinePrefixTest::File(std::string_view relative, std::string_view content) const {
    const fs::path file = prefix_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    return file;
}

void WinePrefixTest::DropDosDevices() const {
    fs::remove_all(prefix_ / "dosdevices");
}
