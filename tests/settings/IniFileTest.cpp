#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "ChildProcess.h"
#include "TestFiles.h"
#include "platform/Error.h"
#include "settings/IniFile.h"

namespace {

using namespace testing_files;

const std::string kOriginal =
    "; The game's own comment\r\n[Program Options]\r\nPath Search Nodes=4000\r\n\r\n"
    "[Alias]\r\nCD1:=E:\\CD1\\\r\nHD0:=C:\\Hry\\Baldurova br\xE1na\\\r\n";
const std::string kWritten =
    "; The game's own comment\r\n[Program Options]\r\nPath Search Nodes=4000\r\n\r\n"
    "[Alias]\r\nCD1:=F:\\\r\nHD0:=C:\\Hry\\Baldurova br\xE1na\\\r\n";

#ifndef _WIN32
// Inodes, times and permission bits of POSIX file systems.
struct stat Status(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status;
}
#endif

// Whether the write of CD1: is refused with the message and the file keeps
// its bytes.
bool WriteIsRefused(const std::string& path, const std::string& expectedContent) {
    try {
        IniFile(path).IniWriteString("Alias", "CD1:", "F:\\");
        return false;
    } catch (const Error& error) {
        return std::string(error.what()) == "Unable to write to " + path &&
               (expectedContent.empty() || ReadFile(path) == expectedContent);
    }
}

class IniFileWriteTest : public testing::Test {
protected:
    void SetUp() override { WriteFile(path_, kOriginal); }

    void Write() { IniFile(path_).IniWriteString("Alias", "CD1:", "F:\\"); }

    const TempFolder folder_;
    const std::string path_ = folder_ / "Baldur.ini";
};

TEST_F(IniFileWriteTest, ReplacesTheFileAndLeavesNoTemporaryFile) {
    Write();
    EXPECT_EQ(ReadFile(path_), kWritten);
    EXPECT_EQ(Names(folder_.Path()), std::set<std::string>{"Baldur.ini"});
}

#ifndef _WIN32
// Inodes, owners, symbolic links and folder permissions: POSIX only.
TEST_F(IniFileWriteTest, WritingTheValueTheKeyHoldsLeavesTheFileUntouched) {
    const auto before = Status(path_);
    IniFile(path_).IniWriteString("alias", "cd1:", "E:\\CD1\\");
    const auto after = Status(path_);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(ReadFile(path_), kOriginal);
}

TEST_F(IniFileWriteTest, KeepsThePermissionBitsAndOwner) {
    ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
    GiveToOrdinaryUser(path_);
    const auto before = Status(path_);
    Write();
    const auto after = Status(path_);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(ReadFile(path_), kWritten);
}

TEST_F(IniFileWriteTest, FollowsALinkAndKeepsIt) {
    const TempFolder linkFolder;
    const auto link = linkFolder / "Baldur.ini";
    std::filesystem::create_symlink(path_, link);
    IniFile(link).IniWriteString("Alias", "CD1:", "F:\\");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), path_);
    EXPECT_EQ(ReadFile(path_), kWritten);
    EXPECT_EQ(Names(folder_.Path()), std::set<std::string>{"Baldur.ini"});
    EXPECT_EQ(Names(linkFolder.Path()), std::set<std::string>{"Baldur.ini"});
}

TEST_F(IniFileWriteTest, RewritesAFileWithSeveralHardLinksInPlace) {
    const auto other = folder_ / "Other.ini";
    std::filesystem::create_hard_link(path_, other);
    const auto before = Status(path_);
    Write();
    EXPECT_EQ(Status(path_).st_ino, before.st_ino);
    EXPECT_EQ(ReadFile(other), kWritten);
    EXPECT_EQ(Names(folder_.Path()), (std::set<std::string>{"Baldur.ini", "Other.ini"}));
}

TEST_F(IniFileWriteTest, RewritesInPlaceWhereNoTemporaryFileCanBeMade) {
    GiveToOrdinaryUser(path_);
    ASSERT_EQ(::chmod(folder_.Path().c_str(), 0555), 0);
    EXPECT_TRUE(AsOrdinaryUser([&] {
        IniFile(path_).IniWriteString("Alias", "CD1:", "F:\\");
        return true;
    }));
    EXPECT_EQ(ReadFile(path_), kWritten);
    EXPECT_EQ(Names(folder_.Path()), std::set<std::string>{"Baldur.ini"});
}
#endif

TEST_F(IniFileWriteTest, FailsOnAFileWithoutAnyWriteBitEvenForRoot) {
    ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
    EXPECT_TRUE(WriteIsRefused(path_, kOriginal));
    // Also when the value is already there: the file does not take writes.
    try {
        IniFile(path_).IniWriteString("Alias", "CD1:", "E:\\CD1\\");
        ADD_FAILURE() << "the write succeeded";
    } catch (const Error&) {
    }
    EXPECT_EQ(Names(folder_.Path()), std::set<std::string>{"Baldur.ini"});
}

#ifndef _WIN32
// Another user in a child process: POSIX only.
TEST_F(IniFileWriteTest, FailsWithoutAccessToTheFile) {
    // A write bit is set, but not for this user, who could still replace the
    // file through the folder.
    ASSERT_EQ(::chmod(folder_.Path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod(path_.c_str(), 0464), 0);
    EXPECT_TRUE(AsOrdinaryUser([&] { return WriteIsRefused(path_, kOriginal); }));
}
#endif

TEST_F(IniFileWriteTest, FailsOnAMissingFileOrFolder) {
    EXPECT_TRUE(WriteIsRefused(folder_ / "Missing.ini", ""));
    EXPECT_TRUE(WriteIsRefused(folder_ / "Missing/Baldur.ini", ""));
    EXPECT_TRUE(WriteIsRefused(folder_.Path().string(), ""));
    EXPECT_EQ(Names(folder_.Path()), std::set<std::string>{"Baldur.ini"});
}

#ifndef _WIN32
// A file size limit in a child process: POSIX only.
TEST_F(IniFileWriteTest, FailsOnAFullDiskAndLeavesTheFileAsItWas) {
    const auto limit = static_cast<long long>(kOriginal.size());
    const std::string longer(500, 'x');
    EXPECT_TRUE(WithFileSizeLimit(limit, [&] {
        try {
            IniFile(path_).IniWriteString("Alias", "CD1:", longer);
            return false;
        } catch (const Error&) {
            return ReadFile(path_) == kOriginal;
        }
    }));
    EXPECT_EQ(Names(folder_.Path()), std::set<std::string>{"Baldur.ini"});

    // In place, the new size is claimed before any byte is overwritten.
    std::filesystem::create_hard_link(path_, folder_ / "Other.ini");
    EXPECT_TRUE(WithFileSizeLimit(limit, [&] {
        try {
            IniFile(path_).IniWriteString("Alias", "CD1:", longer);
            return false;
        } catch (const Error&) {
            return ReadFile(path_) == kOriginal;
        }
    }));
}
#endif

TEST_F(IniFileWriteTest, RefusesLineBreaksAndNul) {
    const std::string values[] = {"F:\\\r\n[Cheat]", "F:\\\n", "F:\\\r", std::string("F:\0x", 4)};
    for (const auto& value : values) {
        EXPECT_THROW(IniFile(path_).IniWriteString("Alias", "CD1:", value), Error);
        EXPECT_THROW(IniFile(path_).IniWriteString("Alias", value, "x"), Error);
        EXPECT_THROW(IniFile(path_).IniWriteString(value, "CD1:", "x"), Error);
    }
    EXPECT_EQ(ReadFile(path_), kOriginal);
}

TEST_F(IniFileWriteTest, WritesIntegersAndFlags) {
    IniFile file(path_);
    file.IniWriteInteger("Program Options", "Path Search Nodes", -2147483647 - 1);
    file.IniWriteBool("Game Options", "Inventory Pause Warning", false);
    EXPECT_EQ(file.IniReadInteger("Program Options", "Path Search Nodes", 0), -2147483647 - 1);
    EXPECT_FALSE(file.IniReadBool("Game Options", "Inventory Pause Warning", true));
    EXPECT_EQ(file.IniReadString("Game Options", "Inventory Pause Warning", ""), "0");
}

#ifndef _WIN32

// Elsewhere drive letters come from the Wine prefix.
TEST(IniFile, OpensAWindowsPathThroughTheWinePrefix) {
    const TempFolder prefix;
    std::filesystem::create_directories(prefix.Path() / "dosdevices");
    std::filesystem::create_directories(prefix.Path() / "drive_c/Hry/BG");
    std::filesystem::create_directory_symlink("../drive_c", prefix.Path() / "dosdevices/c:");
    const auto hostPath = prefix / "drive_c/Hry/BG/Baldur.ini";
    WriteFile(hostPath, kOriginal);
    ASSERT_EQ(::setenv("WINEPREFIX", prefix.Path().c_str(), 1), 0);

    // Letter case as Windows ignores it, as the remembered path may hold it.
    IniFile file("C:\\HRY\\bg\\BALDUR.INI");
    EXPECT_EQ(file.IniReadString("Alias", "CD1:", "default"), "E:\\CD1\\");
    file.IniWriteString("Alias", "CD1:", "F:\\");
    EXPECT_EQ(ReadFile(hostPath), kWritten);
}

#endif

class IniFileReadTest : public testing::Test {
protected:
    std::string ReadCd1(const std::string& path) const {
        return IniFile(path).IniReadString("Alias", "CD1:", "default");
    }

    const TempFolder folder_;
};

#ifndef _WIN32
// Pipes, devices and another user: POSIX only.
TEST_F(IniFileReadTest, GivesTheDefaultForAnythingButAReadableFile) {
    const auto fifo = folder_ / "pipe.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string paths[] = {folder_ / "missing.ini", folder_.Path().string(), "", fifo,
                                 "/dev/zero"};
    for (const auto& path : paths) {
        EXPECT_EQ(ReadCd1(path), "default") << path;
    }
}

TEST_F(IniFileReadTest, GivesTheDefaultForAFileItMayNotRead) {
    const auto path = folder_ / "Baldur.ini";
    WriteFile(path, "[Alias]\nCD1:=x\n");
    ASSERT_EQ(::chmod(folder_.Path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    EXPECT_TRUE(AsOrdinaryUser([&] { return ReadCd1(path) == "default"; }));
}
#endif

TEST_F(IniFileReadTest, SurvivesBinaryJunk) {
    std::mt19937 random(12345);
    std::string junk;
    for (int i = 0; i < 200000; ++i) {
        junk += static_cast<char>(random() & 0xFF);
    }
    const auto path = folder_ / "junk.ini";
    WriteFile(path, junk + "\n[Alias]\nCD1:=found\n" + junk);
    EXPECT_EQ(ReadCd1(path), "found");
}

TEST_F(IniFileReadTest, ReadsAHundredMegabyteFile) {
    const auto path = folder_ / "big.ini";
    {
        std::ofstream out(path, std::ios::binary);
        const std::string line = "[Filler]\r\nKey=" + std::string(1000, 'v') + "\r\n";
        for (std::size_t written = 0; written < 100'000'000; written += line.size()) {
            out << line;
        }
        out << "[Alias]\r\nCD1:=" << std::string(5000, 'c') << "\r\n";
    }
    EXPECT_EQ(ReadCd1(path), std::string(2047, 'c'));
}

}  // namespace
