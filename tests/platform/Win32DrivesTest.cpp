#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/Drives.h"
#include "platform/Error.h"

using platform::DiskInDrive;
using platform::DriveInfo;
using platform::DriveKind;
using platform::ListDrives;

namespace {

char UnmappedLetter() {
    const DWORD present = GetLogicalDrives();
    for (char letter = 'Y'; letter > 'C'; --letter) {
        if ((present & (1u << (letter - 'A'))) == 0) {
            return letter;
        }
    }
    return '\0';
}

std::vector<char> LettersOf(const std::vector<DriveInfo>& drives) {
    std::vector<char> letters;
    for (const auto& drive : drives) {
        letters.push_back(drive.letter);
    }
    return letters;
}

// Every test starts from a critical-error mode of its own, so that a mode left
// behind shows, and gives the process's mode back at the end.
class Win32DrivesTest : public testing::Test {
protected:
    static constexpr UINT kModeBefore = SEM_NOOPENFILEERRORBOX;

    void SetUp() override { original = SetErrorMode(kModeBefore); }
    void TearDown() override { SetErrorMode(original); }

    // Pending events, noting the critical-error mode each time they run.
    std::vector<UINT> modesSeenByEvents;
    const platform::ProcessEvents processEvents = [this] {
        modesSeenByEvents.push_back(GetErrorMode());
    };

private:
    UINT original = 0;
};

TEST_F(Win32DrivesTest, TheSystemDriveIsReadyInEitherCase) {
    EXPECT_TRUE(DiskInDrive('C', processEvents));
    EXPECT_TRUE(DiskInDrive('c', processEvents));
}

TEST_F(Win32DrivesTest, ALetterWithoutADriveIsNotReady) {
    const char unmapped = UnmappedLetter();
    ASSERT_NE(unmapped, '\0') << "every letter has a drive";
    EXPECT_FALSE(DiskInDrive(unmapped, processEvents));
}

TEST_F(Win32DrivesTest, TheQueryRunsWithCriticalErrorsFailedBetweenTwoRoundsOfEvents) {
    EXPECT_TRUE(DiskInDrive('c', processEvents));

    // Before the query the events run with critical errors failed; after it
    // the previous mode is back.
    EXPECT_EQ(modesSeenByEvents, (std::vector<UINT>{SEM_FAILCRITICALERRORS, kModeBefore}));
    EXPECT_EQ(GetErrorMode(), kModeBefore);
}

TEST_F(Win32DrivesTest, AnErrorOfTheEventsRestoresTheModeRunsTheEventsAgainAndPassesOn) {
    int rounds = 0;
    const platform::ProcessEvents failingFirst = [&rounds] {
        if (++rounds == 1) {
            throw std::runtime_error("closed meanwhile");
        }
        EXPECT_EQ(GetErrorMode(), kModeBefore);
    };

    EXPECT_THROW(DiskInDrive('c', failingFirst), std::runtime_error);

    EXPECT_EQ(rounds, 2);
    EXPECT_EQ(GetErrorMode(), kModeBefore);
}

TEST_F(Win32DrivesTest, ACharacterThatIsNoLetterFailsBeforeAnythingIsDone) {
    for (const char character : {'1', ':', '\\', '\0', '[', '@', static_cast<char>(0xE1)}) {
        SCOPED_TRACE(static_cast<int>(character));
        try {
            DiskInDrive(character, processEvents);
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), "Not a valid drive letter");
        }
    }
    EXPECT_TRUE(modesSeenByEvents.empty());
    EXPECT_EQ(GetErrorMode(), kModeBefore);
}

TEST_F(Win32DrivesTest, DrivesAreListedInLetterOrderInLowerCase) {
    const auto drives = ListDrives(processEvents);

    const auto letters = LettersOf(drives);
    EXPECT_TRUE(std::is_sorted(letters.begin(), letters.end()));
    const auto c = std::find(letters.begin(), letters.end(), 'c');
    ASSERT_NE(c, letters.end());
    const DriveInfo& system = drives[static_cast<std::size_t>(c - letters.begin())];
    EXPECT_EQ(system.kind, DriveKind::Fixed);
    ASSERT_GE(system.label.size(), 2u);
    EXPECT_EQ(system.label.front(), '[');
    EXPECT_EQ(system.label.back(), ']');
    const char unmapped = static_cast<char>(UnmappedLetter() - 'A' + 'a');
    EXPECT_EQ(std::count(letters.begin(), letters.end(), unmapped), 0);
    EXPECT_EQ(GetErrorMode(), kModeBefore);
}

// tools/test-windows.sh gives its Wine prefix one drive of each kind:
//   a: floppy, d: CD labelled "KesTrune CD", e: CD without a medium (its
//   folder is missing), n: network drive, r: RAM disk, u: a plain file, which
//   is no drive of any kind.
TEST_F(Win32DrivesTest, EachKindOfDriveIsListedWithWhatTheSelectorShows) {
    if (GetEnvironmentVariableA("KESTRUNE_WINE_TEST_DRIVES", nullptr, 0) == 0) {
        GTEST_SKIP() << "needs the drives of the Wine prefix that tools/test-windows.sh makes";
    }
    const auto drives = ListDrives(processEvents);

    const auto find = [&drives](char letter) {
        const auto found = std::find_if(drives.begin(), drives.end(), [letter](const DriveInfo& d) {
            return d.letter == letter;
        });
        EXPECT_NE(found, drives.end()) << letter;
        return found == drives.end() ? DriveInfo{letter, DriveKind::Fixed, "<missing>"} : *found;
    };
    const struct {
        char letter;
        DriveKind kind;
        const char* label;
    } expected[] = {
        {'a', DriveKind::Removable, ""}, {'d', DriveKind::Cd, "[kestrune cd]"},
        {'e', DriveKind::Cd, "[]"},      {'n', DriveKind::Network, "[]"},
        {'r', DriveKind::RamDisk, "[]"},
    };
    for (const auto& row : expected) {
        SCOPED_TRACE(row.letter);
        const DriveInfo drive = find(row.letter);
        EXPECT_EQ(drive.kind, row.kind);
        EXPECT_EQ(drive.label, row.label);
    }
    EXPECT_EQ(std::count_if(drives.begin(), drives.end(),
                            [](const DriveInfo& d) { return d.letter == 'u'; }),
              0);
    // One round of events for each drive listed.
    EXPECT_EQ(modesSeenByEvents.size(), drives.size());
    EXPECT_TRUE(DiskInDrive('d', processEvents));
    EXPECT_FALSE(DiskInDrive('e', processEvents));
    EXPECT_EQ(GetErrorMode(), kModeBefore);
}

}  // namespace
