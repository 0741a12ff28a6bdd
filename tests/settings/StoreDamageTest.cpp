// A damaged value file in the user's store: reading it gives a clear error
// or nothing, never a crash or made-up data, and the next write repairs it.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "TestFiles.h"
#include "platform/Error.h"
#include "settings/Registry.h"

namespace {

using namespace testing_files;
using std::string_view_literals::operator""sv;

const std::string kKey(kRememberedLocationKey);
const std::string kName(kRememberedLocationName);
const std::string kDefault(kDefaultGameSettingsPath);
const std::string kCut = "Failed to get data for 'BGpath'";
const std::string kBadType = "Invalid data type for 'BGpath'";

std::string ReadOutcome() {
    try {
        return "value " + RegReadString(kKey, kName, kDefault);
    } catch (const Error& error) {
        return error.what();
    }
}

struct Damage {
    const char* name;
    std::string_view content;
    std::string expected;  // what reading gives
};

class StoreDamageTest : public testing::TestWithParam<Damage> {
protected:
    void SetUp() override {
        ASSERT_EQ(::setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1), 0);
        RegWriteString(kKey, kName, "C:\\Old\\Baldur.ini");
    }

    std::string ValueFile() const {
        return (config_.Path() / "kestrune/Software/Trimbelo/Quillon/BGpath").string();
    }

    const TempFolder config_;
};

TEST_P(StoreDamageTest, ReadsClearlyAndTheNextWriteRepairs) {
    WriteFile(ValueFile(), GetParam().content);
    EXPECT_EQ(ReadOutcome(), GetParam().expected);
    RegWriteString(kKey, kName, "D:\\BG\\Baldur.ini");
    EXPECT_EQ(ReadOutcome(), "value D:\\BG\\Baldur.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Contents, StoreDamageTest,
    testing::Values(
        Damage{"Empty", ""sv, "value "}, Damage{"HeaderCutShort", "kestrune-val"sv, kBadType},
        Damage{"HeaderWithoutLineBreak", "kestrune-value type=1 size=3"sv, kBadType},
        Damage{"DataCutShort", "kestrune-value type=1 size=20\nC:\\Ol"sv, kCut},
        Damage{"DataGrown", "kestrune-value type=1 size=2\nC:\\Old\\Baldur.ini"sv, kCut},
        Damage{"HugeSize", "kestrune-value type=1 size=18446744073709551615\nC:\\"sv, kCut},
        Damage{"SizeTooBigForANumber", "kestrune-value type=1 size=99999999999999999999\nC:"sv,
               kBadType},
        Damage{"NegativeSize", "kestrune-value type=1 size=-1\n"sv, kBadType},
        Damage{"UnknownType", "kestrune-value type=99 size=3\nC:\\"sv, kBadType},
        Damage{"TypeTooBigForANumber", "kestrune-value type=4294967297 size=3\nC:\\"sv, kBadType},
        Damage{"Garbage",
               "\x7f"
               "ELF\x02\x01\x01\0\0\0\xff\xfe\n\n\r"sv,
               kBadType},
        Damage{"TextWithoutHeader", "C:\\Hand\\Written.ini\n"sv, kBadType}),
    [](const testing::TestParamInfo<Damage>& damage) { return damage.param.name; });

// What stands where the value file should be, other than a file.
class StoreEntryTest : public StoreDamageTest {};

TEST_F(StoreEntryTest, NonFilesReadAsNoValueAndAreReplacedByTheNextWrite) {
    const std::function<void(const std::string&)> makers[] = {
        [](const std::string& path) { std::filesystem::create_symlink("/nonexistent", path); },
        [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
        [](const std::string& path) { std::filesystem::create_symlink(path, path); }};
    for (const auto& make : makers) {
        std::filesystem::remove(ValueFile());
        make(ValueFile());
        EXPECT_EQ(ReadOutcome(), "value " + kDefault);
        RegWriteString(kKey, kName, "D:\\BG\\Baldur.ini");
        EXPECT_EQ(ReadOutcome(), "value D:\\BG\\Baldur.ini");
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(ValueFile())));
    }
}

// A folder may hold what the user keeps there: it is not removed to make
// room, the write fails with its message and the folder stays.
TEST_F(StoreEntryTest, FolderReadsAsNoValueAndTheWriteFailsWithoutRemovingIt) {
    std::filesystem::remove(ValueFile());
    std::filesystem::create_directory(ValueFile());
    WriteFile(ValueFile() + "/kept", "x");
    EXPECT_EQ(ReadOutcome(), "value " + kDefault);
    try {
        RegWriteString(kKey, kName, "D:\\");
        ADD_FAILURE() << "the write succeeded";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'BGpath'");
    }
    EXPECT_EQ(ReadFile(ValueFile() + "/kept"), "x");
}

}  // namespace
