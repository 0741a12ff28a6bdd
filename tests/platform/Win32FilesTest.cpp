#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "Win32TempFolder.h"
#include "platform/Files.h"

using platform::IsWritableFile;
using platform::ReadWholeFile;
using platform::ReplaceWholeFile;

namespace {

const std::string kOld = "[Alias]\r\nCD1:=E:\\CD1\\\r\n";
const std::string kNew = "[Alias]\r\nCD1:=D:\\GAME\\CD1\\\r\n[Game Options]\r\n";

using Names = std::vector<std::string>;

// Holds a file open, by default without sharing it, as another program (the
// game, an antivirus scanner) may for a moment.
class Holder {
public:
    explicit Holder(const std::string& path, DWORD share = 0)
        : handle_(
              CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path;
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    ~Holder() { Release(); }
    void Release() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle_;
};

DWORD AttributesOf(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

// Which file a name leads to: the same after a rewrite in place, another one
// after a replacement.
unsigned long long FileIdOf(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    BY_HANDLE_FILE_INFORMATION information{};
    EXPECT_TRUE(GetFileInformationByHandle(file, &information)) << path;
    CloseHandle(file);
    return (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) |
           information.nFileIndexLow;
}

class Win32FilesTest : public testing::Test {
protected:
    Win32TempFolder folder;
    const std::string ini = folder.Write("Baldur.ini", kOld);
};

TEST_F(Win32FilesTest, ReplacementKeepsTheAttributesAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    if ((AttributesOf(ini) & FILE_ATTRIBUTE_HIDDEN) == 0) {
        GTEST_SKIP() << "this file system keeps no hidden attribute";
    }

    const auto before = FileIdOf(ini);

    ASSERT_TRUE(ReplaceWholeFile(ini, kNew));

    EXPECT_NE(FileIdOf(ini), before);
    EXPECT_EQ(folder.Read("Baldur.ini"), kNew);
    EXPECT_NE(AttributesOf(ini) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(folder.Names(), Names{"Baldur.ini"});
}

TEST_F(Win32FilesTest, TheReadOnlyAttributeRefusesTheWriteAndStays) {
    ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_FALSE(IsWritableFile(ini));
    EXPECT_FALSE(ReplaceWholeFile(ini, kNew));

    EXPECT_EQ(folder.Read("Baldur.ini"), kOld);
    EXPECT_NE(AttributesOf(ini) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(folder.Names(), Names{"Baldur.ini"});
}

TEST_F(Win32FilesTest, AFileHeldForAMomentIsReplacedOnceReleased) {
    Holder holder(ini);
    std::thread release([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        holder.Release();
    });

    const bool replaced = ReplaceWholeFile(ini, kNew);
    release.join();

    EXPECT_TRUE(replaced);
    EXPECT_EQ(folder.Read("Baldur.ini"), kNew);
    EXPECT_EQ(folder.Names(), Names{"Baldur.ini"});
}

TEST_F(Win32FilesTest, AFileHeldThroughoutFailsAfterAShortWaitAndStaysAsItWas) {
    Holder holder(ini);
    const auto start = std::chrono::steady_clock::now();

    EXPECT_FALSE(ReplaceWholeFile(ini, kNew));

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    holder.Release();
    EXPECT_EQ(folder.Read("Baldur.ini"), kOld);
    EXPECT_EQ(folder.Names(), Names{"Baldur.ini"});
}

TEST_F(Win32FilesTest, AHardLinkedFileIsRewrittenSoThatEveryNameSeesTheNewContent) {
    const std::string other = folder.Path("other.ini");
    ASSERT_TRUE(CreateHardLinkA(other.c_str(), ini.c_str(), nullptr));
    const auto before = FileIdOf(ini);

    ASSERT_TRUE(ReplaceWholeFile(ini, kNew));

    EXPECT_EQ(FileIdOf(ini), before);
    EXPECT_EQ(folder.Read("Baldur.ini"), kNew);
    EXPECT_EQ(folder.Read("other.ini"), kNew);
    EXPECT_EQ(folder.Names(), (Names{"Baldur.ini", "other.ini"}));
}

// A name so long that no temporary name beside it fits in MAX_PATH: the file
// is rewritten in place, longer or shorter than before.
TEST_F(Win32FilesTest, WhenNoTemporaryFileFitsTheFileIsRewrittenInPlace) {
    const std::size_t room = MAX_PATH - 1 - folder.Path("").size();
    ASSERT_GT(room, 20u) << "the temporary folder's path is too long for this test";
    const std::string name = std::string(room - 4, 'b') + ".ini";
    const std::string path = folder.Write(name, kOld);
    ASSERT_EQ(ReadWholeFile(path), kOld);
    const auto before = FileIdOf(path);

    for (const std::string& content : {kNew, std::string("x"), std::string()}) {
        SCOPED_TRACE(content.size());
        ASSERT_TRUE(ReplaceWholeFile(path, content));
        EXPECT_EQ(ReadWholeFile(path), content);
        EXPECT_EQ(FileIdOf(path), before);
        EXPECT_EQ(folder.Names(), (Names{"Baldur.ini", name}));
    }
}

TEST_F(Win32FilesTest, OnlyAnExistingRegularFileTakesAWrite) {
    const std::string subfolder = folder.MakeFolder("CD1");
    const std::string missing = folder.Path("missing.ini");

    EXPECT_TRUE(IsWritableFile(ini));
    for (const std::string& path : {subfolder, missing, std::string("NUL"), std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(IsWritableFile(path));
        EXPECT_FALSE(ReplaceWholeFile(path, kNew));
    }
    EXPECT_EQ(folder.Names(), (Names{"Baldur.ini", "CD1"}));
}

TEST_F(Win32FilesTest, ReadingGivesEveryByteOfARegularFileAndNothingElse) {
    std::string bytes;
    for (int value = 0; value < 256; ++value) {
        bytes += static_cast<char>(value);
    }
    const std::string path = folder.Write("bytes.ini", bytes);
    // The game may have the file open for reading while it runs.
    const Holder game(path, FILE_SHARE_READ);

    EXPECT_EQ(ReadWholeFile(path), bytes);
    for (const std::string& other :
         {folder.MakeFolder("CD1"), folder.Path("missing.ini"), std::string("NUL")}) {
        SCOPED_TRACE(other);
        EXPECT_EQ(ReadWholeFile(other), std::nullopt);
    }
}

}  // namespace
