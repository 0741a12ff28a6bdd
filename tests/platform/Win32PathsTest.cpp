#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Win32TempFolder.h"
#include "platform/Paths.h"

using platform::CurrentFolder;
using platform::DirectoryExists;
using platform::FileExists;
using platform::FullPathName;
using platform::SetCurrentFolder;

namespace {

// A game folder: Baldur.ini beside the folder CD1.
class Win32PathsTest : public testing::Test {
protected:
    Win32TempFolder folder;
    const std::string ini = folder.Write("Baldur.ini", "[Alias]\r\n");
    const std::string cd1 = folder.MakeFolder("CD1");
};

TEST_F(Win32PathsTest, TheFileTestFindsOnlyAFileNamedExactly) {
    EXPECT_TRUE(FileExists(ini));
    EXPECT_TRUE(FileExists(folder.Path("BALDUR.INI")));
    for (const std::string& path :
         {cd1, cd1 + "\\", ini + "\\", folder.Path("missing.ini"), folder.Path("*.ini"),
          folder.Path("Baldur.in?"), std::string("NUL"), folder.Path("con.ini"), std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(FileExists(path));
    }
}

TEST_F(Win32PathsTest, TheFolderTestAllowsATrailingBackslash) {
    for (const std::string& path : {cd1, cd1 + "\\", folder.Path("cd1"), std::string("C:\\")}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(DirectoryExists(path));
    }
    for (const std::string& path :
         {ini, folder.Path("missing"), std::string("NUL"), std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(DirectoryExists(path));
    }
}

// Relative paths resolve against the working folder, the one base that the
// folder test and the folder chooser share.
class Win32WorkingFolderTest : public Win32PathsTest {
protected:
    void SetUp() override {
        original = CurrentFolder();
        ASSERT_TRUE(SetCurrentFolder(cd1));
    }
    void TearDown() override { SetCurrentFolder(original); }

private:
    std::string original;
};

TEST_F(Win32WorkingFolderTest, TheWorkingFolderCanBeChangedAndReadBack) {
    EXPECT_EQ(CurrentFolder(), cd1);
    EXPECT_FALSE(SetCurrentFolder(folder.Path("missing")));
    EXPECT_EQ(CurrentFolder(), cd1);
    EXPECT_TRUE(DirectoryExists("."));
    EXPECT_TRUE(FileExists("..\\Baldur.ini"));
}

TEST_F(Win32WorkingFolderTest, FullPathsResolveRelativeNamesAndDots) {
    const std::string drive = cd1.substr(0, 2);
    const struct {
        std::string path;
        std::string full;
    } cases[] = {
        {"Movies", cd1 + "\\Movies"},    {".", cd1},
        {"..\\Baldur.ini", ini},         {"Movies\\..\\Data\\", cd1 + "\\Data\\"},
        {"E:\\CD1\\..\\CD2", "E:\\CD2"}, {"E:\\", "E:\\"},
        {drive + "\\", drive + "\\"},    {"", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(FullPathName(row.path), row.full);
    }
}

TEST(Win32HostPathTest, WindowsPathsAreTheHostsOwn) {
    EXPECT_EQ(platform::ToHostPath("E:\\CD1\\"), "E:\\CD1\\");
    EXPECT_EQ(platform::ToWindowsPath("c:\\Games"), "c:\\Games");
}

}  // namespace
