#include <gtest/gtest.h>
#include <sys/vfs.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "WinePrefixFixture.h"
#include "platform/Drives.h"
#include "platform/Error.h"
#include "platform/posix/DriveProbe.h"
#include "platform/posix/DriveQueries.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using platform::DiskInDrive;
using platform::DriveInfo;
using platform::DriveKind;

namespace {

constexpr long kTmpfsMagic = 0x01021994;

// A query that blocks until released, as one on a dead network mount does.
class BlockingQuery {
public:
    // Waits until released; the state is shared so that the query may outlive the test's wait.
    void Wait() const {
        std::unique_lock lock(state_->mutex);
        state_->entered = true;
        state_->changed.notify_all();
        state_->changed.wait(lock, [this] { return state_->released; });
    }
    void Release() const {
        const std::lock_guard lock(state_->mutex);
        state_->released = true;
        state_->changed.notify_all();
    }
    bool Entered() const {
        const std::lock_guard lock(state_->mutex);
        return state_->entered;
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        bool entered = false;
        bool released = false;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

class DrivesTest : public WinePrefixTest {
protected:
    void SetUp() override {
        WinePrefixTest::SetUp();
        Folder("drive_c/windows");
        File("cds/.windows-label", "Baldur CD1 ŽLUŤOUČKÝ\r\nsecond line\n");
        File("plain-file");
        Link("c:", "../drive_c");
        Link("e:", Prefix() / "cds");
        Link("f:", Prefix() / "missing");
        Link("h:", Prefix() / "plain-file");
        Link("z:", "/");
        Link("d::", "/dev/null");
        Link("com1", "/dev/null");
    }

    int events = 0;
    const platform::ProcessEvents countEvents = [this] { ++events; };
};

TEST_F(DrivesTest, AReadyDriveAnswersAnyLetterCase) {
    for (const char letter : {'c', 'C', 'e', 'Z'}) {
        events = 0;
        EXPECT_TRUE(DiskInDrive(letter, countEvents)) << letter;
        EXPECT_GE(events, 2) << letter;
    }
}

TEST_F(DrivesTest, AMissingFolderAFileOrNoDriveIsNotReady) {
    for (const char letter : {'f', 'h', 'q', 'D'}) {
        events = 0;
        EXPECT_FALSE(DiskInDrive(letter, countEvents)) << letter;
        EXPECT_GE(events, 2) << letter;
    }
}

TEST_F(DrivesTest, ACharacterThatIsNoLetterFailsBeforeAnythingElse) {
    for (const char letter : {'0', '@', '[', '`', '{', ' ', '\0', '\\', ':', '\xC8', '\xE8'}) {
        events = 0;
        try {
            DiskInDrive(letter, countEvents);
            ADD_FAILURE() << "no error for " << int{letter};
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), "Not a valid drive letter");
        }
        EXPECT_EQ(events, 0);
    }
}

TEST_F(DrivesTest, TheQueryRunsBetweenTwoRoundsOfEvents) {
    std::vector<std::string> steps;
    const auto query = [&steps](const std::string& folder) {
        steps.push_back("query " + fs::path(folder).filename().string());
        return true;
    };
    const auto record = [&steps] { steps.push_back("events"); };
    EXPECT_TRUE(platform::DiskInDriveWithin('e', record, query, 5s));
    EXPECT_EQ(steps, (std::vector<std::string>{"events", "query cds", "events"}));
}

TEST_F(DrivesTest, AQueryThatDoesNotAnswerCountsAsNotReadyWhileEventsKeepRunning) {
    const BlockingQuery blocking;
    const auto query = [blocking](const std::string&) {
        blocking.Wait();
        return true;
    };
    const auto started = std::chrono::steady_clock::now();
    const bool ready = platform::DiskInDriveWithin('e', countEvents, query, 400ms);
    const auto waited = std::chrono::steady_clock::now() - started;

    EXPECT_FALSE(ready);
    EXPECT_TRUE(blocking.Entered());
    EXPECT_GE(waited, 400ms);
    EXPECT_LT(waited, 2s);
    // One round before, one after, and more while waiting.
    EXPECT_GE(events, 4);
    blocking.Release();
}

TEST_F(DrivesTest, AnErrorOfTheQueryPassesOnAfterTheSecondRoundOfEvents) {
    const auto failing = [](const std::string&) -> bool { throw Error("drive exploded"); };
    EXPECT_THROW(platform::DiskInDriveWithin('e', countEvents, failing, 5s), Error);
    EXPECT_EQ(events, 2);
}

bool OnTmpfs(const fs::path& folder) {
    struct statfs volume {};
    return statfs(folder.c_str(), &volume) == 0 && volume.f_type == kTmpfsMagic;
}

// A folder on a memory file system, removed with the test.
class RamFolder {
public:
    RamFolder() {
        std::string pattern = "/dev/shm/platform-ram-XXXXXX";
        if (fs::is_directory("/dev/shm") && mkdtemp(pattern.data()) != nullptr) {
            folder_ = pattern;
        }
    }
    ~RamFolder() {
        std::error_code ignored;
        if (!folder_.empty()) {
            fs::remove_all(folder_, ignored);
        }
    }
    RamFolder(const RamFolder&) = delete;
    RamFolder& operator=(const RamFolder&) = delete;
    const fs::path& Path() const { return folder_; }

private:
    fs::path folder_;
};

TEST_F(DrivesTest, TheListHoldsEveryDriveInLetterOrderWithItsKindAndLabel) {
    const RamFolder ram;
    if (ram.Path().empty() || !OnTmpfs(ram.Path())) {
        GTEST_SKIP() << "no memory file system at /dev/shm";
    }
    Link("g:", ram.Path());
    std::ofstream(ram.Path() / ".windows-label") << "Ramka";

    const auto drives = platform::ListDrives(countEvents);

    std::string letters;
    for (const auto& drive : drives) {
        letters += drive.letter;
    }
    EXPECT_EQ(letters, "cefgz");  // h: leads to a file, d:: and com1 are devices
    const auto find = [&drives](char letter) {
        return *std::find_if(drives.begin(), drives.end(),
                             [letter](const DriveInfo& d) { return d.letter == letter; });
    };
    EXPECT_EQ(find('e').label, "[baldur cd1 žluťoučký]");
    EXPECT_NE(find('e').kind, DriveKind::Removable);
    EXPECT_EQ(find('f').kind, DriveKind::Removable);
    EXPECT_EQ(find('f').label, "");
    EXPECT_EQ(find('g').kind, DriveKind::RamDisk);
    EXPECT_EQ(find('g').label, "[ramka]");
    EXPECT_TRUE(find('c').label.starts_with('[') && find('c').label.ends_with(']'));
}

TEST_F(DrivesTest, ADriveThatDoesNotAnswerIsListedFromTheMountTable) {
    const BlockingQuery blocking;
    const auto probe = [blocking](const platform::DriveFolder& drive) {
        if (drive.letter == 'e') {
            blocking.Wait();
        }
        return platform::ProbeDrive(drive);
    };
    const auto started = std::chrono::steady_clock::now();
    const auto drives = platform::ListDrivesWithin(countEvents, probe, 300ms);
    const auto waited = std::chrono::steady_clock::now() - started;
    blocking.Release();

    EXPECT_LT(waited, 3s);
    EXPECT_GE(events, 2);
    ASSERT_EQ(drives.size(), 4u);
    EXPECT_EQ(drives[1].letter, 'e');
    // Its label file cannot be read without asking the drive.
    EXPECT_EQ(drives[1].label, drives[1].kind == DriveKind::Removable ? "" : "[]");
}

TEST_F(DrivesTest, AnEmptyPrefixHasNoDrives) {
    fs::remove_all(Prefix() / "dosdevices");
    fs::create_directory(Prefix() / "dosdevices");
    EXPECT_TRUE(platform::ListDrives(countEvents).empty());
    EXPECT_FALSE(DiskInDrive('z', countEvents));
}

}  // namespace
