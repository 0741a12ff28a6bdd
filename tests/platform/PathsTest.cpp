#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "WinePrefixFixture.h"
#include "platform/Paths.h"

namespace fs = std::filesystem;
using platform::CurrentFolder;
using platform::DirectoryExists;
using platform::FileExists;
using platform::FullPathName;
using platform::SetCurrentFolder;
using platform::ToHostPath;
using platform::ToWindowsPath;

namespace {

// c: and e: hold folders in mixed letter case, f: is an empty drive (its
// folder is missing), z: is the root; device links and ports are no drives.
class PathsTest : public WinePrefixTest {
protected:
    void SetUp() override {
        WinePrefixTest::SetUp();
        File("drive_c/Program Files/Baldur's Gate/Baldur.ini");
        File("cds/CD1/Data/Area.bif");
        Folder("cds/cd2");
        Folder("cds/Both/Data");
        Folder("cds/Both/DATA");
        File("cds/Broken.lnk");
        fs::remove(Prefix() / "cds/Broken.lnk");
        fs::create_symlink(Prefix() / "nowhere", Prefix() / "cds/Broken.lnk");
        Link("c:", "../drive_c");
        Link("e:", Prefix() / "cds");
        Link("f:", Prefix() / "missing");
        Link("z:", "/");
        Link("d::", "/dev/null");
        Link("com1", "/dev/null");
    }

    // A path as the test names it: absolute, or relative to the prefix.
    fs::path Host(const std::string& path) const {
        return path.starts_with('/') ? fs::path(path) : Prefix() / path;
    }
};

bool SameEntry(const fs::path& a, const fs::path& b) {
    return fs::weakly_canonical(a) == fs::weakly_canonical(b);
}

struct Translation {
    const char* windowsPath;
    const char* hostPath;  // relative to the prefix, or absolute; "" for none
};
// Quoted: a trailing backslash would upset ctest's list of test names.
std::ostream& operator<<(std::ostream& out, const Translation& c) {
    return out << '\'' << c.windowsPath << "' <-> '" << c.hostPath << '\'';
}

class ToHostPathTest : public PathsTest, public testing::WithParamInterface<Translation> {};

TEST_P(ToHostPathTest, FindsEachNameExactlyElseIgnoringCase) {
    const auto [windowsPath, expected] = GetParam();
    const std::string host = ToHostPath(windowsPath);
    if (std::string(expected).empty()) {
        EXPECT_EQ(host, "");
    } else {
        EXPECT_TRUE(SameEntry(host, Host(expected))) << host;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToHostPathTest,
    testing::Values(Translation{"E:\\CD1\\Data", "cds/CD1/Data"},
                    Translation{"e:\\cd1\\DATA\\area.BIF", "cds/CD1/Data/Area.bif"},
                    Translation{"E:/CD1/Data", "cds/CD1/Data"}, Translation{"E:\\CD2", "cds/cd2"},
                    Translation{"E:\\Both\\DATA", "cds/Both/DATA"},
                    Translation{"E:\\Both\\Data", "cds/Both/Data"},
                    Translation{"E:\\cd1\\New\\data", "cds/CD1/New/data"},
                    Translation{"E:\\CD1\\..\\..\\..\\cd2\\.", "cds/cd2"},
                    Translation{"E:\\CD1. \\Data", "cds/CD1/Data"},
                    Translation{"C:\\program files\\BALDUR'S GATE\\baldur.ini",
                                "drive_c/Program Files/Baldur's Gate/Baldur.ini"},
                    Translation{"F:\\CD1", "missing/CD1"}, Translation{"z:\\", "/"},
                    Translation{"Z:\\etc", "/etc"}, Translation{"/etc/../etc", "/etc/../etc"},
                    Translation{"Q:\\CD1", ""}, Translation{"D:\\", ""},
                    Translation{"\\\\server\\share\\CD1", ""}, Translation{"", ""}));

TEST_F(PathsTest, KeepsATrailingSeparatorAsASlash) {
    EXPECT_TRUE(ToHostPath("E:\\cd1\\data\\").ends_with("/CD1/Data/"));
    EXPECT_FALSE(ToHostPath("E:\\cd1\\data").ends_with("/"));
}

class ToWindowsPathTest : public PathsTest, public testing::WithParamInterface<Translation> {};

TEST_P(ToWindowsPathTest, GoesThroughTheDeepestDriveFolder) {
    const auto [expected, hostPath] = GetParam();
    EXPECT_EQ(ToWindowsPath(Host(hostPath).string()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToWindowsPathTest,
    testing::Values(Translation{"E:\\CD1\\Data", "cds/CD1/Data"}, Translation{"E:\\", "cds/"},
                    Translation{"C:\\", "drive_c"},
                    Translation{"C:\\Program Files", "dosdevices/c:/Program Files"},
                    Translation{"E:\\cd2", "cds/CD1/../cd2"}, Translation{"F:\\New", "missing/New"},
                    Translation{"Z:\\etc", "/etc"}, Translation{"Z:\\", "/"}));

TEST_F(PathsTest, ToWindowsPathTakesARelativeHostPathAgainstTheWorkingFolder) {
    fs::current_path(Prefix() / "cds/CD1");
    EXPECT_EQ(ToWindowsPath("Data"), "E:\\CD1\\Data");
    EXPECT_EQ(ToWindowsPath(""), "");
}

TEST_F(PathsTest, SetCurrentFolderMakesTheWorkingFolderTheBaseOfRelativePaths) {
    ASSERT_TRUE(SetCurrentFolder("e:\\cd1"));
    EXPECT_EQ(CurrentFolder(), "E:\\CD1");
    EXPECT_TRUE(SameEntry(fs::current_path(), Prefix() / "cds/CD1"));

    EXPECT_TRUE(SameEntry(ToHostPath("data"), Prefix() / "cds/CD1/Data"));
    EXPECT_TRUE(DirectoryExists("Data"));
    EXPECT_TRUE(DirectoryExists("..\\cd2"));
    EXPECT_TRUE(FileExists("data\\area.bif"));
    EXPECT_FALSE(DirectoryExists("cd2"));

    EXPECT_FALSE(SetCurrentFolder("E:\\nothing"));
    EXPECT_FALSE(SetCurrentFolder("Q:\\"));
    EXPECT_FALSE(SetCurrentFolder(""));
    EXPECT_EQ(CurrentFolder(), "E:\\CD1");
}

struct FullPathCase {
    const char* path;
    const char* fullPath;
};
std::ostream& operator<<(std::ostream& out, const FullPathCase& c) {
    return out << '\'' << c.path << '\'';
}

class FullPathNameTest : public PathsTest, public testing::WithParamInterface<FullPathCase> {};

TEST_P(FullPathNameTest, ResolvesAgainstTheWorkingFolder) {
    ASSERT_TRUE(SetCurrentFolder("E:\\CD1"));
    EXPECT_EQ(FullPathName(GetParam().path), GetParam().fullPath);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FullPathNameTest,
    testing::Values(FullPathCase{"Data", "E:\\CD1\\Data"}, FullPathCase{".", "E:\\CD1"},
                    FullPathCase{"..\\cd2\\.", "E:\\cd2"}, FullPathCase{"..\\..\\..", "E:\\"},
                    FullPathCase{"\\Both", "E:\\Both"}, FullPathCase{"E:", "E:\\CD1\\"},
                    FullPathCase{"e:Data\\", "E:\\CD1\\Data\\"}, FullPathCase{"C:", "C:\\"},
                    FullPathCase{"c:x", "c:\\x"}, FullPathCase{"c:\\a\\..\\b", "c:\\b"},
                    FullPathCase{"", ""}));

TEST_F(PathsTest, FullPathNameOfAHostPathIsItsWindowsForm) {
    EXPECT_EQ(FullPathName((Prefix() / "cds/CD1/../cd2").string()), "E:\\cd2");
    fs::remove(Prefix() / "dosdevices/z:");
    EXPECT_EQ(FullPathName("/etc/../usr"), "/usr");
}

struct EntryCase {
    const char* path;
    bool file;
    bool folder;
};
std::ostream& operator<<(std::ostream& out, const EntryCase& c) {
    return out << '\'' << c.path << '\'';
}

class EntryTestsTest : public PathsTest, public testing::WithParamInterface<EntryCase> {};

TEST_P(EntryTestsTest, TellFilesFromFolders) {
    const auto [path, file, folder] = GetParam();
    EXPECT_EQ(FileExists(path), file);
    EXPECT_EQ(DirectoryExists(path), folder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryTestsTest,
    testing::Values(EntryCase{"C:\\Program Files\\Baldur's Gate\\Baldur.ini", true, false},
                    EntryCase{"c:\\PROGRAM FILES\\baldur's gate\\BALDUR.INI", true, false},
                    EntryCase{"C:\\Program Files\\Baldur's Gate\\Baldur.ini\\", false, false},
                    EntryCase{"C:\\Program Files\\Baldur's Gate", false, true},
                    EntryCase{"C:\\Program Files\\Baldur's Gate\\", false, true},
                    EntryCase{"C:\\", false, true}, EntryCase{"C:\\Nothing", false, false},
                    EntryCase{"C:\\Nothing\\", false, false},
                    EntryCase{"E:\\Broken.lnk", false, false}, EntryCase{"F:\\", false, false},
                    EntryCase{"Q:\\", false, false}, EntryCase{"\\\\server\\share", false, false},
                    EntryCase{"", false, false}, EntryCase{"/dev/null", false, false},
                    EntryCase{"/", false, true}));

TEST_F(PathsTest, AWorkingFolderOutsideEveryDriveStartsOnTheFirstDrive) {
    fs::remove(Prefix() / "dosdevices/z:");
    fs::current_path("/");
    EXPECT_EQ(CurrentFolder(), "C:\\");
    EXPECT_EQ(ToWindowsPath("/etc"), "");
    EXPECT_EQ(FullPathName("x"), "C:\\x");
}

TEST_F(PathsTest, WithoutDosDevicesTheRootIsDriveZ) {
    DropDosDevices();
    EXPECT_EQ(ToHostPath("z:\\etc"), "/etc");
    EXPECT_EQ(ToHostPath("C:\\Program Files"), "");
    EXPECT_EQ(ToWindowsPath("/etc"), "Z:\\etc");
    fs::current_path(Prefix());
    std::string expected = "Z:" + fs::canonical(Prefix()).string();
    std::replace(expected.begin(), expected.end(), '/', '\\');
    EXPECT_EQ(CurrentFolder(), expected);
}

TEST_F(PathsTest, WithoutWinePrefixTheUsersOwnPrefixCounts) {
    const char* previousHome = std::getenv("HOME");
    const std::optional<std::string> home =
        previousHome != nullptr ? std::optional<std::string>(previousHome) : std::nullopt;
    Folder("home/.wine/dosdevices");
    fs::create_symlink(Prefix() / "cds", Prefix() / "home/.wine/dosdevices/k:");
    setenv("HOME", (Prefix() / "home").c_str(), 1);
    unsetenv("WINEPREFIX");
    const std::string host = ToHostPath("K:\\cd1");
    if (home) {
        setenv("HOME", home->c_str(), 1);
    } else {
        unsetenv("HOME");
    }
    EXPECT_TRUE(SameEntry(host, Prefix() / "cds/CD1"));
}

}  // namespace
