#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "platform/UserStore.h"

namespace {

using namespace testing_files;
using platform::UserStoreKey;

// Points the store at a folder of its own for the test.
class FileStoreTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1), 0); }

    UserStoreKey Open(std::string_view keyPath) const {
        auto key = UserStoreKey::OpenOrCreate(keyPath);
        EXPECT_TRUE(key.has_value()) << keyPath;
        return std::move(*key);
    }

    std::filesystem::path Root() const { return config_.Path() / "kestrune"; }

    const TempFolder config_;
};

TEST_F(FileStoreTest, KeyIsAFolderAndValueAFileBelowTheConfigurationFolder) {
    auto key = Open("Software\\Trimbelo\\Quillon\\");
    EXPECT_TRUE(std::filesystem::is_directory(Root() / "Software/Trimbelo/Quillon"));
    ASSERT_TRUE(key.Set("BGpath", platform::kTypeString, std::string("D:\\x\0", 5)));
    EXPECT_EQ(ReadFile((Root() / "Software/Trimbelo/Quillon/BGpath").string()),
              std::string("kestrune-value type=1 size=5\nD:\\x\0", 34));
    EXPECT_EQ(Names(Root() / "Software/Trimbelo/Quillon"), std::set<std::string>{"BGpath"});
}

TEST_F(FileStoreTest, KeepsTypeAndEveryByteAcrossOpenings) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    const std::pair<std::uint32_t, std::string> values[] = {
        {platform::kTypeString, everyByte},
        {platform::kTypeExpandString, "%GAMES%\\Baldur.ini"},
        {platform::kTypeDword, std::string("\x10\0\0\0", 4)},
        {platform::kTypeBinary, ""},
        {0xFFFFFFFF, "\n\n"},
    };
    for (const auto& [type, data] : values) {
        ASSERT_TRUE(Open("A\\B").Set("v", type, data));
        const auto key = Open("A\\B");
        const auto info = key.Query("v");
        ASSERT_TRUE(info);
        EXPECT_EQ(info->type, type);
        EXPECT_EQ(info->size, data.size());
        EXPECT_EQ(key.Fetch("v"), data);
    }
    EXPECT_EQ(Names(Root() / "A/B"), std::set<std::string>{"v"});
}

TEST_F(FileStoreTest, ReportsAMissingValueAsMissing) {
    const auto key = Open("A");
    EXPECT_FALSE(key.Query("v"));
    EXPECT_FALSE(key.Fetch("v"));
}

TEST_F(FileStoreTest, NoNameLeavesTheStore) {
    const std::string_view keys[] = {
        "..\\..\\..\\escaped", "\\..\\x", "a/../../b", "/etc", ".", std::string_view("n\0l", 3)};
    for (const auto keyPath : keys) {
        auto key = Open(keyPath);
        for (const std::string_view name :
             {"../../../escaped", "..", ".", "/tmp/x", "", "%", "%2E", ".hidden"}) {
            ASSERT_TRUE(key.Set(name, platform::kTypeString, name)) << name;
            EXPECT_EQ(key.Fetch(name), std::string(name)) << name;
        }
    }
    // Everything stayed inside the store's own folder.
    EXPECT_EQ(Names(config_.Path()), std::set<std::string>{"kestrune"});
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Root())) {
        const auto name = entry.path().filename().string();
        EXPECT_NE(name, "..");
        EXPECT_NE(name.front(), '.') << entry.path();
    }
}

TEST_F(FileStoreTest, DistinguishesNamesThatEncodeAlike) {
    auto key = Open("A");
    ASSERT_TRUE(key.Set("", platform::kTypeString, "default"));
    ASSERT_TRUE(key.Set("%", platform::kTypeString, "percent"));
    ASSERT_TRUE(key.Set("%25", platform::kTypeString, "encoded"));
    EXPECT_EQ(key.Fetch(""), "default");
    EXPECT_EQ(key.Fetch("%"), "percent");
    EXPECT_EQ(key.Fetch("%25"), "encoded");
}

TEST_F(FileStoreTest, ReadsAValueFileWithoutItsHeaderAsUntypedData) {
    auto key = Open("A");
    WriteFile((Root() / "A/v").string(), "hand-written");
    const auto info = key.Query("v");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->type, platform::kTypeNone);
    EXPECT_EQ(info->size, 12u);
    EXPECT_EQ(key.Fetch("v"), "hand-written");

    for (const std::string_view header :
         {"kestrune-value type=1 size=x\n", "kestrune-value type=-1 size=0\n",
          "kestrune-value type=01 size=0\n", "kestrune-value type=4294967296 size=0\n",
          "kestrune-value type=1\n", "kestrune-value type=1 size=3"}) {
        WriteFile((Root() / "A/v").string(), header);
        EXPECT_EQ(key.Query("v")->type, platform::kTypeNone) << header;
        EXPECT_EQ(key.Fetch("v"), std::string(header));
    }
}

TEST_F(FileStoreTest, FailsToFetchAValueCutShortOrGrown) {
    auto key = Open("A");
    for (const std::string_view content :
         {"kestrune-value type=1 size=10\nshort", "kestrune-value type=1 size=2\nlonger"}) {
        WriteFile((Root() / "A/v").string(), content);
        ASSERT_TRUE(key.Query("v")) << content;
        EXPECT_FALSE(key.Fetch("v")) << content;
    }
}

TEST_F(FileStoreTest, CannotOpenAKeyWhereAFileStands) {
    WriteFile(Root().string(), "");
    EXPECT_FALSE(UserStoreKey::OpenOrCreate("A"));
}

TEST_F(FileStoreTest, CreatesAMissingConfigurationFolder) {
    const auto config = config_.Path() / "missing";
    ASSERT_EQ(::setenv("XDG_CONFIG_HOME", config.c_str(), 1), 0);
    ASSERT_TRUE(UserStoreKey::OpenOrCreate("A"));
    EXPECT_TRUE(std::filesystem::is_directory(config / "kestrune/A"));
}

TEST_F(FileStoreTest, FallsBackToTheHomeFolder) {
    ASSERT_EQ(::setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1), 0);
    ASSERT_EQ(::setenv("HOME", config_.Path().c_str(), 1), 0);
    std::filesystem::create_directory(config_.Path() / ".config");
    ASSERT_TRUE(UserStoreKey::OpenOrCreate("A"));
    EXPECT_TRUE(std::filesystem::is_directory(config_.Path() / ".config/kestrune/A"));
}

TEST_F(FileStoreTest, FailsToSetAValueWhereAFolderStands) {
    auto key = Open("A");
    std::filesystem::create_directory(Root() / "A/v");
    EXPECT_FALSE(key.Set("v", platform::kTypeString, "x"));
    EXPECT_FALSE(key.Query("v"));
    EXPECT_EQ(Names(Root() / "A"), std::set<std::string>{"v"});
}

}  // namespace
