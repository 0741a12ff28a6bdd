#include "ui/widgets/FolderPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Paths.h"
#include "tests/ui/TempPrefix.h"

namespace {

// Every case starts from a tree on drive "C" in "C:\Games\BG"; relative
// paths are taken against the working folder "E:\CDs", a folder of drive e:
// of a temporary Wine-style prefix.
struct SetFolderCase {
    const char* name;
    const char* path;
    FolderPath::Change change;
    const char* current;
    char drive;
};

class SetCurrentFolderTest : public testing::TestWithParam<SetFolderCase> {};

TEST_P(SetCurrentFolderTest, FollowsThePathRules) {
    TempPrefix prefix;
    prefix.AddDrive('e', prefix.MakeFolder("cds"));
    prefix.MakeFolder("cds/CDs");
    prefix.EnterFolder("cds/CDs");
    ASSERT_TRUE(SamePathIgnoringCase(platform::CurrentFolder(), "E:\\CDs"))
        << platform::CurrentFolder();

    FolderPath folder("C:\\Games\\BG", 'x');
    const SetFolderCase& c = GetParam();
    EXPECT_EQ(folder.SetCurrentFolder(c.path), c.change);
    // The working folder's drive letter is in the case the system reports.
    if (std::string(c.current).starts_with("E:")) {
        EXPECT_TRUE(SamePathIgnoringCase(folder.CurrentFolder().substr(0, 2), "E:"));
        EXPECT_EQ(folder.CurrentFolder().substr(2), std::string(c.current).substr(2));
        EXPECT_EQ(folder.Drive(), folder.CurrentFolder().front());
    } else {
        EXPECT_EQ(folder.CurrentFolder(), c.current);
        EXPECT_EQ(folder.Drive(), c.drive);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetCurrentFolderTest,
    testing::Values(
        SetFolderCase{"Empty", "", FolderPath::Change::None, "C:\\Games\\BG", 'C'},
        SetFolderCase{"OnlyCaseDiffers", "c:\\gAMES\\bg", FolderPath::Change::None, "C:\\Games\\BG",
                      'C'},
        SetFolderCase{"OnlyBackslashDiffers", "C:\\Games\\BG\\", FolderPath::Change::None,
                      "C:\\Games\\BG", 'C'},
        SetFolderCase{"CaseAndBackslashDiffer", "c:\\games\\bg\\", FolderPath::Change::None,
                      "C:\\Games\\BG", 'C'},
        SetFolderCase{"DotComponentsResolved", "C:\\Games\\.\\BG\\..\\BG", FolderPath::Change::None,
                      "C:\\Games\\BG", 'C'},
        SetFolderCase{"SameDrive", "C:\\Games", FolderPath::Change::Folder, "C:\\Games", 'C'},
        SetFolderCase{"SameDriveOtherCase", "c:\\Hry\\", FolderPath::Change::Folder, "c:\\Hry",
                      'C'},
        SetFolderCase{"DotDotResolved", "C:\\Games\\BG\\..\\IWD\\", FolderPath::Change::Folder,
                      "C:\\Games\\IWD", 'C'},
        SetFolderCase{"RootOfTheDrive", "C:\\", FolderPath::Change::Folder, "C:\\", 'C'},
        SetFolderCase{"RootOfAnotherDrive", "e:\\", FolderPath::Change::Drive, "e:\\", 'e'},
        SetFolderCase{"OtherDriveKeepsItsCase", "D:\\CD1\\", FolderPath::Change::Drive, "D:\\CD1",
                      'D'},
        SetFolderCase{"NetworkPathKeepsTheDrive", "\\\\server\\share\\CD1\\",
                      FolderPath::Change::Folder, "\\\\server\\share\\CD1", 'C'},
        SetFolderCase{"Relative", "CD2", FolderPath::Change::Drive, "E:\\CDs\\CD2", 'E'},
        SetFolderCase{"RelativeDotDot", "..\\Other\\", FolderPath::Change::Drive, "E:\\Other",
                      'E'}),
    [](const testing::TestParamInfo<SetFolderCase>& p) { return p.param.name; });

TEST(FolderPathTest, LetterCaseOfNonAsciiLettersIsIgnoredToo) {
    FolderPath folder("C:\\Hry\\Čeština", 'c');
    EXPECT_EQ(folder.SetCurrentFolder("c:\\hry\\čeŠTINA\\"), FolderPath::Change::None);
    EXPECT_EQ(folder.CurrentFolder(), "C:\\Hry\\Čeština");
}

struct SetDriveCase {
    const char* name;
    char letter;
    FolderPath::Change change;
    const char* current;
    char drive;
};

class SetDriveTest : public testing::TestWithParam<SetDriveCase> {};

TEST_P(SetDriveTest, SwitchesOnlyToAnotherLetter) {
    FolderPath folder("C:\\Games\\BG", 'x');
    const SetDriveCase& c = GetParam();
    EXPECT_EQ(folder.SetDrive(c.letter), c.change);
    EXPECT_EQ(folder.CurrentFolder(), c.current);
    EXPECT_EQ(folder.Drive(), c.drive);
    EXPECT_EQ(folder.RootText(), std::string{c.drive} + ":\\");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetDriveTest,
    testing::Values(
        SetDriveCase{"SameLetter", 'C', FolderPath::Change::None, "C:\\Games\\BG", 'C'},
        SetDriveCase{"SameLetterOtherCase", 'c', FolderPath::Change::None, "C:\\Games\\BG", 'C'},
        SetDriveCase{"OtherLetter", 'e', FolderPath::Change::Drive, "e:\\", 'e'},
        SetDriveCase{"OtherLetterUpperCase", 'Z', FolderPath::Change::Drive, "Z:\\", 'Z'},
        SetDriveCase{"Digit", '1', FolderPath::Change::None, "C:\\Games\\BG", 'C'},
        SetDriveCase{"Backslash", '\\', FolderPath::Change::None, "C:\\Games\\BG", 'C'},
        SetDriveCase{"NonAsciiByte", '\xe8', FolderPath::Change::None, "C:\\Games\\BG", 'C'}),
    [](const testing::TestParamInfo<SetDriveCase>& p) { return p.param.name; });

TEST(FolderPathTest, StartsInTheWorkingFolder) {
    FolderPath onDrive("Z:\\home\\ann", 'c');
    EXPECT_EQ(onDrive.Drive(), 'Z');
    EXPECT_EQ(onDrive.CurrentFolder(), "Z:\\home\\ann");

    // Without a drive letter the tree still needs a drive to show.
    FolderPath onNetwork("\\\\server\\share", 'c');
    EXPECT_EQ(onNetwork.Drive(), 'c');
    EXPECT_EQ(onNetwork.CurrentFolder(), "\\\\server\\share");
    EXPECT_EQ(onNetwork.RootText(), "c:\\");

    FolderPath unknown("", 'c');
    EXPECT_EQ(unknown.CurrentFolder(), "c:\\");
}

TEST(FolderPathTest, NodePathJoinsTheNamesBelowTheRoot) {
    EXPECT_EQ(FolderPath::NodePath("c:\\", {}), "c:\\");
    EXPECT_EQ(FolderPath::NodePath("c:\\", {"Games"}), "c:\\Games");
    EXPECT_EQ(FolderPath::NodePath("E:\\", {"CD1", "Data", "Čeština"}), "E:\\CD1\\Data\\Čeština");
}

TEST(FolderPathTest, SelectedRootNodeKeepsItsThreeCharacters) {
    FolderPath folder("c:\\Games", 'c');
    EXPECT_EQ(folder.SetCurrentFolder(FolderPath::NodePath(folder.RootText(), {})),
              FolderPath::Change::Folder);
    EXPECT_EQ(folder.CurrentFolder(), "c:\\");
}

}  // namespace
