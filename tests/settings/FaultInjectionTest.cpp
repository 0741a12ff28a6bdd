// Faults around a save of the game's file: a full or read-only file system,
// links that lead nowhere, other owners and modes, and another program
// changing the file between the save's writes.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

#include "ChildProcess.h"
#include "SaveLoopRecords.h"
#include "TestFiles.h"
#include "platform/Error.h"
#include "settings/GameSettings.h"
#include "settings/IniFile.h"

namespace {

using namespace testing_files;
using save_loop::NewRecord;
using save_loop::OldRecord;

constexpr int kSkipped = 77;

// The message of the Error the action throws, "no error" when it throws none.
std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

std::string Unable(const std::string& path) {
    return "Unable to write to " + path;
}

// Runs the check in a child process with a mount namespace of its own and a
// small tmpfs mounted on the folder, so that the mount goes with the child
// whatever happens. Skips the test where the machine does not allow it.
void OnSmallTmpfs(const std::filesystem::path& folder,
                  const std::function<bool(const std::filesystem::path&)>& check) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
            std::cerr << "cannot mount a tmpfs here: " << std::strerror(errno) << '\n';
            ::_exit(kSkipped);
        }
        bool held = false;
        try {
            held = check(folder);
        } catch (const std::exception& error) {
            std::cerr << error.what() << '\n';
        }
        ::_exit(held ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kSkipped) {
        GTEST_SKIP() << "this machine does not allow mounting a tmpfs (see above)";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Fills the file system of the folder to its last byte.
void FillUp(const std::filesystem::path& folder) {
    std::ofstream filler(folder / "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())).flush()) {
    }
    filler.clear();
    while (filler.put('f').flush()) {
    }
}

// Prints what did not hold, in the child, where no gtest check reaches.
bool Holds(bool condition, const char* what) {
    if (!condition) {
        std::cerr << "did not hold: " << what << '\n';
    }
    return condition;
}

TEST(FullDisk, SaveFailsAndLeavesTheFileAndFolderAsTheyWere) {
    const TempFolder folder;
    const auto original = ReadFile(DataFile("Baldur.ini"));
    OnSmallTmpfs(folder.Path(), [&](const std::filesystem::path& mounted) {
        const auto path = (mounted / "Baldur.ini").string();
        WriteFile(path, original);
        FillUp(mounted);
        const auto names = Names(mounted);
        return Holds(ErrorOf([&] { SaveGameSettings(path, NewRecord()); }) == Unable(path),
                     "the save fails with its message") &&
               Holds(ReadFile(path) == original, "the file is unchanged") &&
               Holds(Names(mounted) == names, "nothing is left behind");
    });
}

TEST(FullDisk, InPlaceRewriteRefusesToGrowAndStillShrinks) {
    const TempFolder folder;
    const auto original = ReadFile(DataFile("Baldur.ini"));
    OnSmallTmpfs(folder.Path(), [&](const std::filesystem::path& mounted) {
        const auto path = (mounted / "Baldur.ini").string();
        WriteFile(path, original);
        std::filesystem::create_hard_link(path, mounted / "Other.ini");
        FillUp(mounted);
        // Longer than the file's last page holds, so that it needs one more.
        const std::string longer(5000, 'x');
        const bool grows =
            ErrorOf([&] { IniFile(path).IniWriteString("Alias", "CD1:", longer); }) == Unable(path);
        const bool keeps = ReadFile(path) == original;
        IniFile(path).IniWriteInteger("Program Options", "Path Search Nodes", 7);
        return Holds(grows, "growing fails") && Holds(keeps, "the file is unchanged") &&
               Holds(LoadGameSettings(path).PathSearchNodes == 7, "shrinking works") &&
               Holds(ReadFile((mounted / "Other.ini").string()) == ReadFile(path),
                     "the other link sees the change");
    });
}

TEST(ReadOnlyFileSystem, SaveFailsAndReadingStillWorks) {
    const TempFolder folder;
    const auto original = ReadFile(DataFile("Baldur.ini"));
    OnSmallTmpfs(folder.Path(), [&](const std::filesystem::path& mounted) {
        const auto path = (mounted / "Baldur.ini").string();
        WriteFile(path, original);
        if (::mount(nullptr, mounted.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            std::cerr << "cannot remount read-only: " << std::strerror(errno) << '\n';
            return false;
        }
        return Holds(ErrorOf([&] { SaveGameSettings(path, NewRecord()); }) == Unable(path),
                     "the save fails with its message") &&
               Holds(ReadFile(path) == original, "the file is unchanged") &&
               Holds(Names(mounted) == std::set<std::string>{"Baldur.ini"},
                     "nothing is left behind") &&
               Holds(LoadGameSettings(path) == OldRecord(), "the file still reads");
    });
}

// Every size limit from none to more than the new file needs: the save is
// refused with the file as it was until the limit allows the whole file, then
// it succeeds; no temporary file is ever left.
TEST(FileSizeLimit, EachWriteIsWholeOrRefusedAtEveryLimit) {
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    const auto original = ReadFile(DataFile("Baldur.ini"));
    const std::string longer(300, 'x');
    const auto needed =
        static_cast<long long>(original.size() + longer.size() - OldRecord().CdAlias[1].size());
    int limits = 0;
    for (long long limit = 0; limit <= needed + 512; limit += 97, ++limits) {
        WriteFile(path, original);
        const bool written = WithFileSizeLimit(limit, [&] {
            IniFile(path).IniWriteString("Alias", "CD1:", longer);
            return true;
        });
        const auto content = ReadFile(path);
        EXPECT_EQ(written, limit >= needed) << "limit " << limit;
        EXPECT_EQ(content == original, !written) << "limit " << limit;
        if (written) {
            EXPECT_EQ(static_cast<long long>(content.size()), needed);
            EXPECT_EQ(IniFile(path).IniReadString("Alias", "CD1:", ""), longer);
        }
        EXPECT_EQ(Names(folder.Path()), std::set<std::string>{"Baldur.ini"}) << "limit " << limit;
    }
    std::cout << limits << " file size limits tried\n";
}

class LinkTest : public testing::Test {
protected:
    void SetUp() override { WriteFile(path_, original_); }

    const TempFolder folder_;
    const std::string path_ = folder_ / "Baldur.ini";
    const std::string original_ = ReadFile(DataFile("Baldur.ini"));
};

TEST_F(LinkTest, ChainOfSymbolicLinksLeadsToTheFileAndStays) {
    // Absolute and relative links, across folders.
    const TempFolder links;
    std::filesystem::create_directory(links.Path() / "inner");
    std::filesystem::create_symlink(path_, links / "inner/second");
    std::filesystem::create_symlink("inner/second", links / "first");
    std::filesystem::create_symlink(links / "first", links / "Baldur.ini");
    SaveGameSettings(links / "Baldur.ini", NewRecord());
    EXPECT_EQ(LoadGameSettings(path_), NewRecord());
    EXPECT_EQ(std::filesystem::read_symlink(links / "Baldur.ini"), links / "first");
    EXPECT_EQ(std::filesystem::read_symlink(links / "first"), "inner/second");
    EXPECT_EQ(std::filesystem::read_symlink(links / "inner/second"), path_);
    EXPECT_EQ(Names(folder_.Path()), std::set<std::string>{"Baldur.ini"});
    EXPECT_EQ(Names(links.Path()), (std::set<std::string>{"Baldur.ini", "first", "inner"}));
}

TEST_F(LinkTest, DanglingLinkAndLinkLoopFailAndCreateNothing) {
    std::filesystem::create_symlink(folder_ / "Missing.ini", folder_ / "Dangling.ini");
    std::filesystem::create_symlink("Loop.ini", folder_ / "Loop.ini");
    std::filesystem::create_symlink("PingB.ini", folder_ / "PingA.ini");
    std::filesystem::create_symlink("PingA.ini", folder_ / "PingB.ini");
    const auto names = Names(folder_.Path());
    for (const char* name : {"Dangling.ini", "Loop.ini", "PingA.ini"}) {
        const auto link = folder_ / name;
        EXPECT_EQ(ErrorOf([&] { SaveGameSettings(link, NewRecord()); }), Unable(link));
        EXPECT_EQ(LoadGameSettings(link), GameSettings()) << name;
        EXPECT_EQ(Names(folder_.Path()), names) << name;
    }
    EXPECT_EQ(ReadFile(path_), original_);
}

TEST_F(LinkTest, BothHardLinkedNamesSeeEverySavedValue) {
    const TempFolder other;
    std::filesystem::create_hard_link(path_, other / "Copy.ini");
    SaveGameSettings(path_, NewRecord());
    EXPECT_EQ(LoadGameSettings(other / "Copy.ini"), NewRecord());
    SaveGameSettings(other / "Copy.ini", OldRecord());
    EXPECT_EQ(ReadFile(path_), original_);
    EXPECT_EQ(std::filesystem::hard_link_count(path_), 2U);
}

// What a killed save leaves is removed by the next one; nothing else is: not
// another file's temporary files, not names that merely look alike, not
// links, folders, another user's files or files written after the save began.
TEST(StaleTemporaryFiles, NextSaveRemovesOnlyItsOwnLeftovers) {
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    WriteFile(path, ReadFile(DataFile("Baldur.ini")));
    for (const char* name : {".Baldur.ini.Xk3b9Q", ".Baldur.ini.a1B2c3", ".Baldur.ini.Xk3b9",
                             ".Baldur.ini.Xk3b9Qz", ".Baldur.ini.Xk-b9Q", "Baldur.ini.Xk3b9Q",
                             ".Other.ini.Xk3b9Q", ".baldur.ini.Xk3b9Q", ".Baldur.ini.future"}) {
        WriteFile(folder / name, "left");
    }
    std::filesystem::create_symlink(path, folder / ".Baldur.ini.LinkQQ");
    std::filesystem::create_directory(folder / ".Baldur.ini.Folder");
    std::filesystem::last_write_time(
        folder / ".Baldur.ini.future",
        std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    WriteFile(folder / ".Baldur.ini.Nobody", "left");
    GiveToOrdinaryUser(folder / ".Baldur.ini.Nobody");
    auto kept = Names(folder.Path());
    kept.erase(".Baldur.ini.Xk3b9Q");
    kept.erase(".Baldur.ini.a1B2c3");
    if (!RunningAsRoot()) {
        kept.erase(".Baldur.ini.Nobody");  // ours after all
    }

    SaveGameSettings(path, NewRecord());
    EXPECT_EQ(Names(folder.Path()), kept);
    EXPECT_EQ(LoadGameSettings(path), NewRecord());
}

// Owner, group and permission bits as the file had them, set by root to
// values the process itself does not have.
struct Ownership {
    mode_t mode;
    uid_t owner;
    gid_t group;
};

class OwnershipTest : public testing::TestWithParam<Ownership> {};

TEST_P(OwnershipTest, AreKeptAfterASave) {
    const auto [mode, owner, group] = GetParam();
    if (owner != ::geteuid() && ::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file to another owner";
    }
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    WriteFile(path, ReadFile(DataFile("Baldur.ini")));
    ASSERT_EQ(::chown(path.c_str(), owner, group), 0);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    SaveGameSettings(path, NewRecord());
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, mode);
    EXPECT_EQ(status.st_uid, owner);
    EXPECT_EQ(status.st_gid, group);
    EXPECT_EQ(LoadGameSettings(path), NewRecord());
}

INSTANTIATE_TEST_SUITE_P(Modes, OwnershipTest,
                         testing::Values(Ownership{0600, ::geteuid(), ::getegid()},
                                         Ownership{0644, ::geteuid(), ::getegid()},
                                         Ownership{0664, 1234, 5678}, Ownership{0620, 65534, 65534},
                                         Ownership{02664, 0, 100}));

// Another program (an editor, the game itself) rewrites the file between two
// of the seven writes, changing another line and adding one: the next write
// reads the file afresh and keeps that change.
class OutsideChangeTest : public testing::TestWithParam<int> {};

TEST_P(OutsideChangeTest, KeepsAChangeMadeBetweenTwoWrites) {
    const int gap = GetParam();
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    WriteFile(path, ReadFile(DataFile("Baldur.ini")));
    const auto changed = NewRecord();
    IniFile file(path);
    const std::function<void()> writes[] = {
        [&] { file.IniWriteInteger("Program Options", "Path Search Nodes", 7); },
        [&] { file.IniWriteString("Alias", "CD1:", changed.CdAlias[1]); },
        [&] { file.IniWriteString("Alias", "CD2:", changed.CdAlias[2]); },
        [&] { file.IniWriteString("Alias", "CD3:", changed.CdAlias[3]); },
        [&] { file.IniWriteString("Alias", "CD4:", changed.CdAlias[4]); },
        [&] { file.IniWriteString("Alias", "CD5:", changed.CdAlias[5]); },
        [&] { file.IniWriteBool("Game Options", "Inventory Pause Warning", false); }};
    for (int i = 0; i < 7; ++i) {
        writes[i]();
        if (i == gap) {
            // In place, through a descriptor of its own, as the game writes.
            auto content = ReadFile(path);
            content.replace(content.find("Tooltips=60"), 11, "Tooltips=99");
            content += "[Outside]\r\nAdded=1\r\n";
            std::fstream out(path, std::ios::in | std::ios::out | std::ios::binary);
            out.write(content.data(), static_cast<std::streamsize>(content.size()));
        }
    }
    EXPECT_EQ(LoadGameSettings(path), changed);
    EXPECT_EQ(file.IniReadInteger("Program Options", "Tooltips", 0), 99);
    EXPECT_EQ(file.IniReadInteger("Outside", "Added", 0), 1);
}

INSTANTIATE_TEST_SUITE_P(AfterWrite, OutsideChangeTest, testing::Range(0, 6));

}  // namespace
