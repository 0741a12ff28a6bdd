#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A Wine prefix of our own in a temporary folder, made the process's prefix
// ($WINEPREFIX) for one test. The working folder and $WINEPREFIX are put back
// afterwards.
class WinePrefixTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The prefix folder; everything below it is removed after the test.
    const std::filesystem::path& Prefix() const { return prefix_; }
    // Makes dosdevices/<name> a link to the target.
    void Link(std::string_view name, const std::filesystem::path& target) const;
    // Makes a folder, or a file with the content, below the prefix; returns its path.
    std::filesystem::path Folder(std::string_view relative) const;
    std::filesystem::path File(std::string_view relative, std::string_view content = "x") const;
    // Removes the dosdevices folder, as in a prefix Wine has not set up.
    void DropDosDevices() const;

private:
    std::filesystem::path prefix_;
    std::filesystem::path workingFolder_;
    std::optional<std::string> previousPrefix_;
};
