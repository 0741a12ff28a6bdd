#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "TestFiles.h"
#include "platform/Error.h"
#include "platform/UserStore.h"
#include "settings/Registry.h"

namespace {

using namespace testing_files;
using std::string_view_literals::operator""sv;

const std::string kKey(kRememberedLocationKey);
const std::string kName(kRememberedLocationName);
const std::string kDefault(kDefaultGameSettingsPath);

// The remembered location, in a store of the test's own.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1), 0); }

    static std::string Read() { return RegReadString(kKey, kName, kDefault); }

    static void Store(std::uint32_t type, std::string_view data) {
        ASSERT_TRUE(platform::UserStoreKey::OpenOrCreate(kKey)->Set(kName, type, data));
    }

    static std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const Error& error) {
            return error.what();
        }
        return "no error";
    }

    std::filesystem::path KeyFolder() const {
        return config_.Path() / "kestrune/Software/Trimbelo/Quillon";
    }

    const TempFolder config_;
};

TEST_F(RegistryTest, FirstReadGivesTheDefaultAndLeavesAnEmptyKey) {
    EXPECT_EQ(Read(), "C:\\Program Files\\Baldur's Gate\\Baldur.ini");
    ASSERT_TRUE(std::filesystem::is_directory(KeyFolder()));
    EXPECT_TRUE(std::filesystem::is_empty(KeyFolder()));
}

TEST_F(RegistryTest, WrittenPathReadsBackExactlyAsAString) {
    const std::string paths[] = {"D:\\Games\\Baldur\\Baldur.ini",
                                 "C:\\Hry\\Baldurova br\xE1na\\Baldur.ini", ""};
    for (const auto& path : paths) {
        RegWriteString(kKey, kName, path);
        EXPECT_EQ(Read(), path);
        const auto key = platform::UserStoreKey::OpenOrCreate(kKey);
        EXPECT_EQ(key->Query(kName)->type, platform::kTypeString);
        EXPECT_EQ(key->Fetch(kName), path + '\0');
    }
}

struct StoredCase {
    std::string_view name;
    std::uint32_t type;
    std::string_view data;
    std::string_view expected;
};

void PrintTo(const StoredCase& c, std::ostream* out) {
    *out << c.name;
}

class StoredValueTest : public RegistryTest, public testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValueTest, ReadsAsText) {
    Store(GetParam().type, GetParam().data);
    EXPECT_EQ(Read(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredValueTest,
    testing::Values(
        StoredCase{"string", platform::kTypeString, "D:\\BG\\Baldur.ini\0"sv, "D:\\BG\\Baldur.ini"},
        StoredCase{"expandable string stays unexpanded", platform::kTypeExpandString,
                   "%GAMES%\\Baldur.ini\0"sv, "%GAMES%\\Baldur.ini"},
        StoredCase{"up to the first NUL", platform::kTypeString, "D:\\a\0b\0"sv, "D:\\a"},
        StoredCase{"without any NUL", platform::kTypeString, "D:\\a", "D:\\a"},
        StoredCase{"string without data is empty", platform::kTypeString, "", ""},
        StoredCase{"number without data is empty", platform::kTypeDword, "", ""},
        StoredCase{"untyped without data is empty", platform::kTypeNone, "", ""}),
    [](const auto& param) {
        std::string name(param.param.name);
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(RegistryTest, RefusesAValueOfAnotherTypeUntilAWriteReplacesIt) {
    const std::pair<std::uint32_t, std::string_view> values[] = {
        {platform::kTypeDword, "\x10\0\0\0"sv},
        {platform::kTypeBinary, "D:\\"sv},
        {platform::kTypeNone, "D:\\"sv}};
    for (const auto& [type, data] : values) {
        Store(type, data);
        EXPECT_EQ(ErrorOf([] { Read(); }), "Invalid data type for 'BGpath'") << type;
        RegWriteString(kKey, kName, "D:\\BG\\Baldur.ini");
        EXPECT_EQ(Read(), "D:\\BG\\Baldur.ini");
    }
}

TEST_F(RegistryTest, FailsWhenTheDataCannotBeFetchedAfterItsSize) {
    Read();
    WriteFile((KeyFolder() / "BGpath").string(), "kestrune-value type=1 size=20\nD:\\cut");
    EXPECT_EQ(ErrorOf([] { Read(); }), "Failed to get data for 'BGpath'");
}

TEST_F(RegistryTest, KeyThatCannotBeCreated) {
    // A file where the store's folder should be: no key can be made there.
    WriteFile((config_.Path() / "kestrune").string(), "");
    EXPECT_EQ(Read(), kDefault);
    EXPECT_EQ(ErrorOf([] { RegWriteString(kKey, kName, "D:\\"); }),
              "Failed to create key Software\\Trimbelo\\Quillon\\");
}

TEST_F(RegistryTest, ValueThatCannotBeStored) {
    std::filesystem::create_directories(KeyFolder() / "BGpath");
    EXPECT_EQ(ErrorOf([] { RegWriteString(kKey, kName, "D:\\"); }),
              "Failed to set data for 'BGpath'");
}

TEST_F(RegistryTest, EachUserHasTheirOwnValue) {
    const TempFolder otherUser;
    RegWriteString(kKey, kName, "D:\\Ann\\Baldur.ini");
    ASSERT_EQ(::setenv("XDG_CONFIG_HOME", otherUser.Path().c_str(), 1), 0);
    EXPECT_EQ(Read(), kDefault);
    RegWriteString(kKey, kName, "E:\\Bob\\Baldur.ini");
    ASSERT_EQ(::setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1), 0);
    EXPECT_EQ(Read(), "D:\\Ann\\Baldur.ini");
}

}  // namespace
