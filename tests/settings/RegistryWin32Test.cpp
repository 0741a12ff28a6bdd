#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platform/Error.h"
#include "settings/Registry.h"

namespace {

using std::string_view_literals::operator""sv;

const std::string kName(kRememberedLocationName);
const std::string kDefault(kDefaultGameSettingsPath);

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

// The remembered location in a key of the test's own below HKEY_CURRENT_USER,
// written as the program writes its key (with the trailing backslash) and
// removed with everything below it when the test ends. The registry is looked
// at directly, not through the program's own store.
class RegistryWin32Test : public testing::Test {
protected:
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str()); }

    std::string Read() const { return RegReadString(key_, kName, kDefault); }
    void Write(const std::string& path) const { RegWriteString(key_, kName, path); }

    std::optional<HKEY> Open() const {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyWithoutBackslash().c_str(), 0, KEY_ALL_ACCESS,
                          &opened) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return opened;
    }

    void Store(DWORD type, std::string_view data) const {
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, KeyWithoutBackslash().c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &created, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(created, kName.c_str(), 0, type,
                                 reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        RegCloseKey(created);
    }

    // The type and the bytes of the stored value.
    std::pair<DWORD, std::string> Stored() const {
        const auto key = Open();
        EXPECT_TRUE(key.has_value());
        if (!key) {
            return {};
        }
        DWORD type = 0;
        std::string data(4096, '\0');
        auto size = static_cast<DWORD>(data.size());
        EXPECT_EQ(RegQueryValueExA(*key, kName.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &size),
                  ERROR_SUCCESS);
        RegCloseKey(*key);
        data.resize(size);
        return {type, data};
    }

    const std::string& Key() const { return key_; }

private:
    std::string KeyWithoutBackslash() const { return key_.substr(0, key_.size() - 1); }

    static std::string UniqueRoot() {
        static std::atomic<unsigned> counter{0};
        return "Software\\Kestrune Tests\\" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(counter++);
    }

    const std::string root_ = UniqueRoot();
    const std::string key_ = root_ + "\\Trimbelo\\Quillon\\";
};

TEST_F(RegistryWin32Test, FirstReadGivesTheDefaultAndLeavesTheKeyWithoutValues) {
    ASSERT_FALSE(Open().has_value());

    EXPECT_EQ(Read(), "C:\\Program Files\\Baldur's Gate\\Baldur.ini");

    const auto key = Open();
    ASSERT_TRUE(key.has_value()) << "the read created no key";
    DWORD values = 1;
    DWORD subkeys = 1;
    EXPECT_EQ(RegQueryInfoKeyA(*key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(*key);
    EXPECT_EQ(values, 0u);
    EXPECT_EQ(subkeys, 0u);
}

TEST_F(RegistryWin32Test, AWrittenPathReadsBackAndIsStoredAsAString) {
    // The second path in Windows-1250, which the Czech ANSI code page keeps.
    const std::string paths[] = {"D:\\Games\\Baldur\\Baldur.ini",
                                 "C:\\Hry\\Baldurova br\xE1na \x8Elu\x9D\xE1k\\Baldur.ini", ""};
    for (const auto& path : paths) {
        SCOPED_TRACE(path);
        Write(path);
        EXPECT_EQ(Read(), path);
        if (GetACP() == 1250 || path.find('\x8E') == std::string::npos) {
            EXPECT_EQ(Stored(), std::make_pair(DWORD{REG_SZ}, path + '\0'));
        }
    }
}

struct StoredCase {
    const char* name;
    DWORD type;
    std::string_view data;
    std::string_view text;
};

void PrintTo(const StoredCase& c, std::ostream* out) {
    *out << c.name;
}

class StoredValueWin32Test : public RegistryWin32Test,
                             public testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValueWin32Test, ReadsAsText) {
    Store(GetParam().type, GetParam().data);
    EXPECT_EQ(Read(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredValueWin32Test,
    testing::Values(StoredCase{"string", REG_SZ, "D:\\BG\\Baldur.ini\0"sv, "D:\\BG\\Baldur.ini"},
                    StoredCase{"expandable_string_unexpanded", REG_EXPAND_SZ,
                               "%GAMES%\\Baldur.ini\0"sv, "%GAMES%\\Baldur.ini"},
                    StoredCase{"up_to_the_first_NUL", REG_SZ, "D:\\a\0b\0"sv, "D:\\a"},
                    StoredCase{"without_any_NUL", REG_SZ, "D:\\a", "D:\\a"},
                    StoredCase{"empty_string", REG_SZ, "", ""},
                    StoredCase{"empty_number", REG_DWORD, "", ""},
                    StoredCase{"empty_binary", REG_BINARY, "", ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(RegistryWin32Test, AValueOfAnotherTypeFailsUntilAWriteReplacesIt) {
    const std::pair<DWORD, std::string_view> values[] = {
        {REG_DWORD, "\x10\0\0\0"sv}, {REG_BINARY, "D:\\"sv}, {REG_MULTI_SZ, "D:\\\0\0"sv}};
    for (const auto& [type, data] : values) {
        SCOPED_TRACE(type);
        Store(type, data);
        EXPECT_EQ(ErrorOf([this] { Read(); }), "Invalid data type for 'BGpath'");
        Write("D:\\BG\\Baldur.ini");
        EXPECT_EQ(Stored().first, DWORD{REG_SZ});
        EXPECT_EQ(Read(), "D:\\BG\\Baldur.ini");
    }
}

TEST_F(RegistryWin32Test, KeyPathsWithAndWithoutBackslashesNameOneKey) {
    Write("D:\\BG\\Baldur.ini");
    std::string doubled = Key();
    doubled.insert(doubled.rfind("Quillon"), "\\");
    for (const std::string& key : {Key().substr(0, Key().size() - 1), doubled, "\\" + Key()}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(RegReadString(key, kName, kDefault), "D:\\BG\\Baldur.ini");
    }
}

// Registry key names end at 255 characters.
TEST_F(RegistryWin32Test, AKeyThatCannotBeCreatedGivesTheDefaultAndFailsTheWrite) {
    const std::string key = Key() + std::string(300, 'k') + "\\";

    EXPECT_EQ(RegReadString(key, kName, kDefault), kDefault);
    EXPECT_EQ(ErrorOf([&key] { RegWriteString(key, kName, "D:\\"); }),
              "Failed to create key " + key);
}

// Value names end at 16383 characters.
TEST_F(RegistryWin32Test, AValueThatCannotBeStoredFailsTheWrite) {
    const std::string name(20000, 'v');
    EXPECT_EQ(ErrorOf([this, &name] { RegWriteString(Key(), name, "D:\\"); }),
              "Failed to set data for '" + name + "'");
}

}  // namespace
