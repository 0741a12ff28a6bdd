#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "TestFiles.h"
#include "platform/Error.h"
#include "settings/GameSettings.h"

namespace {

using testing_files::DataFile;
using testing_files::Names;
using testing_files::ReadFile;
using testing_files::TempFolder;
using testing_files::WriteFile;

const std::string kCzechFolder = "C:\\Hry\\Baldurova br\xE1na\\";

// The text with its one occurrence of a piece replaced.
std::string ReplacedOnce(std::string text, std::string_view from, std::string_view to) {
    const auto at = text.find(from);
    if (at == std::string::npos || text.find(from, at + 1) != std::string::npos) {
        throw std::invalid_argument("not exactly one " + std::string(from));
    }
    return text.replace(at, from.size(), to);
}

GameSettings ChangedSettings() {
    GameSettings settings;
    settings.PathSearchNodes = 16000;
    for (std::size_t n = 1; n <= 5; ++n) {
        settings.CdAlias[n] = "D:\\BG\\CD" + std::to_string(n) + "\\";
    }
    settings.InventoryPauseWarning = false;
    return settings;
}

TEST(GameSettings, RecordMadeWithoutAFileHoldsTheDefaults) {
    const GameSettings settings;
    EXPECT_EQ(settings.PathSearchNodes, 4000);
    for (std::size_t n = 1; n <= 5; ++n) {
        EXPECT_EQ(settings.CdAlias[n], "E:\\CD" + std::to_string(n) + "\\");
    }
    EXPECT_TRUE(settings.InventoryPauseWarning);
    EXPECT_THROW(static_cast<void>(settings.CdAlias[0]), std::out_of_range);
    EXPECT_THROW(static_cast<void>(settings.CdAlias[6]), std::out_of_range);
}

TEST(LoadGameSettings, ReadsTheSevenValuesOfARealFile) {
    const auto settings = LoadGameSettings(DataFile("Baldur.ini"));
    EXPECT_EQ(settings.PathSearchNodes, 32000);
    for (std::size_t n = 1; n <= 5; ++n) {
        EXPECT_EQ(settings.CdAlias[n], kCzechFolder + "CD" + std::to_string(n) + "\\");
    }
    EXPECT_TRUE(settings.InventoryPauseWarning);
}

TEST(LoadGameSettings, GivesTheDefaultsWhenThereIsNoFileToRead) {
    const TempFolder folder;
    const std::string paths[] = {folder / "missing.ini", folder.Path().string(), "",
                                 folder / "missing/Baldur.ini"};
    for (const auto& path : paths) {
        EXPECT_EQ(LoadGameSettings(path), GameSettings()) << path;
    }
}

TEST(LoadGameSettings, GivesEachMissingValueItsOwnDefault) {
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    WriteFile(path,
              "[Alias]\r\nCD2:=F:\\\r\nCD3:=\r\n[Game Options]\r\nInventory Pause Warning=0\r\n");
    GameSettings expected;
    expected.CdAlias[2] = "F:\\";
    expected.CdAlias[3] = "";
    expected.InventoryPauseWarning = false;
    EXPECT_EQ(LoadGameSettings(path), expected);
}

TEST(LoadGameSettings, ReturnsValuesUnchanged) {
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    WriteFile(path,
              "[program options]\nPATH SEARCH NODES=16\n[alias]\ncd1:=D:\\GAME\\\ncd2:=D:\\x\n");
    const auto settings = LoadGameSettings(path);
    EXPECT_EQ(settings.PathSearchNodes, 16);
    EXPECT_EQ(settings.CdAlias[1], "D:\\GAME\\");
    EXPECT_EQ(settings.CdAlias[2], "D:\\x");
}

TEST(LoadGameSettings, CutsALongValueTo2047Characters) {
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    const std::string longValue(3000, 'a');
    WriteFile(path, "[Alias]\nCD1:=" + longValue + "\n");
    EXPECT_EQ(LoadGameSettings(path).CdAlias[1], longValue.substr(0, 2047));
}

struct NumberCase {
    std::string_view text;
    std::int32_t expected;
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class NodeCountTextTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NodeCountTextTest, IsReadByTheIntegerRulesWithDefault4000) {
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    WriteFile(path,
              "[Program Options]\r\nPath Search Nodes=" + std::string(GetParam().text) + "\r\n");
    EXPECT_EQ(LoadGameSettings(path).PathSearchNodes, GetParam().expected);
}

// The file's own blanks around a value are not part of it, so a value text
// with a blank at either end is written in quotes.
INSTANTIATE_TEST_SUITE_P(
    Texts, NodeCountTextTest,
    testing::Values(NumberCase{"0x10", 16}, NumberCase{"0X1f", 31}, NumberCase{"$10", 16},
                    NumberCase{"x10", 16}, NumberCase{"010", 10}, NumberCase{"\" 5000\"", 5000},
                    NumberCase{"\"5000 \"", 4000}, NumberCase{"5000abc", 4000},
                    NumberCase{"0x", 4000}, NumberCase{"-$10", 4000}, NumberCase{"+0x10", 4000},
                    NumberCase{"-0", 0}, NumberCase{"2147483647", 2147483647},
                    NumberCase{"2147483648", 4000}, NumberCase{"-2147483648", -2147483648},
                    NumberCase{"-2147483649", 4000}, NumberCase{"$FFFFFFFF", -1},
                    NumberCase{"$100000000", 4000}, NumberCase{"", 4000}));

struct FlagCase {
    std::string_view text;
    bool expected;
};

void PrintTo(const FlagCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class PauseFlagTextTest : public testing::TestWithParam<FlagCase> {};

TEST_P(PauseFlagTextTest, IsAnIntegerTrueWhenNotZeroWithDefaultTrue) {
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    WriteFile(path,
              "[Game Options]\nInventory Pause Warning=" + std::string(GetParam().text) + "\n");
    EXPECT_EQ(LoadGameSettings(path).InventoryPauseWarning, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, PauseFlagTextTest,
                         testing::Values(FlagCase{"1", true}, FlagCase{"0", false},
                                         FlagCase{"2", true}, FlagCase{"-1", true},
                                         FlagCase{"00", false}, FlagCase{"$0", false},
                                         FlagCase{"", true}, FlagCase{"true", true},
                                         FlagCase{"false", true}, FlagCase{"yes", true},
                                         FlagCase{"no", true}));

class SaveGameSettingsTest : public testing::Test {
protected:
    void SetUp() override { WriteFile(path_, original_); }

    std::string Content() const { return ReadFile(path_); }

    const TempFolder folder_;
    const std::string path_ = folder_ / "Baldur.ini";
    const std::string original_ = ReadFile(DataFile("Baldur.ini"));
};

TEST_F(SaveGameSettingsTest, ReplacesOnlyTheSevenValuesOfARealFile) {
    SaveGameSettings(path_, ChangedSettings());

    auto expected =
        ReplacedOnce(original_, "Path Search Nodes=32000\r\n", "Path Search Nodes=16000\r\n");
    for (int n = 1; n <= 5; ++n) {
        const auto cd = "CD" + std::to_string(n);
        expected = ReplacedOnce(expected, cd + ":=" + kCzechFolder + cd + "\\\r\n",
                                cd + ":=D:\\BG\\" + cd + "\\\r\n");
    }
    expected =
        ReplacedOnce(expected, "Inventory Pause Warning=1\r\n", "Inventory Pause Warning=0\r\n");
    EXPECT_EQ(Content(), expected);
    EXPECT_EQ(LoadGameSettings(path_), ChangedSettings());
    EXPECT_EQ(Names(folder_.Path()), std::set<std::string>{"Baldur.ini"});
}

TEST_F(SaveGameSettingsTest, SavingTheValuesTheFileHoldsChangesNothing) {
    const auto before = std::filesystem::last_write_time(path_);
    SaveGameSettings(path_, LoadGameSettings(path_));
    EXPECT_EQ(Content(), original_);
    EXPECT_EQ(std::filesystem::last_write_time(path_), before);
}

TEST_F(SaveGameSettingsTest, WritesNumbersAsDecimalAndTheFlagAsOneOrZero) {
    GameSettings settings;
    settings.PathSearchNodes = -5;
    settings.InventoryPauseWarning = false;
    settings.CdAlias[1] = " odd\\path with \x8A\xE8 ";
    SaveGameSettings(path_, settings);
    const auto content = Content();
    EXPECT_NE(content.find("\r\nPath Search Nodes=-5\r\n"), std::string::npos);
    EXPECT_NE(content.find("\r\nInventory Pause Warning=0\r\n"), std::string::npos);
    EXPECT_EQ(LoadGameSettings(path_), settings);

    settings.InventoryPauseWarning = true;
    SaveGameSettings(path_, settings);
    EXPECT_NE(Content().find("\r\nInventory Pause Warning=1\r\n"), std::string::npos);
}

TEST_F(SaveGameSettingsTest, AddsAMissingSectionAtTheEnd) {
    const std::string withoutGameOptions =
        "; Baldur's Gate\r\n[Program Options]\r\nPath Search Nodes=4000\r\n\r\n"
        "[Alias]\r\nCD1:=E:\\CD1\\\r\nCD2:=E:\\CD2\\\r\nCD3:=E:\\CD3\\\r\nCD4:=E:\\CD4\\\r\n"
        "CD5:=E:\\CD5\\\r\nHD0:=C:\\BG\\\r\n\r\n[Movies]\r\nINTRO=1\r\n";
    WriteFile(path_, withoutGameOptions);
    SaveGameSettings(path_, GameSettings());
    EXPECT_EQ(Content(), withoutGameOptions + "[Game Options]\r\nInventory Pause Warning=1\r\n");
}

TEST_F(SaveGameSettingsTest, WritesTheSevenValuesInTheirOrder) {
    // Into an empty file every write appends, so the file shows the order.
    WriteFile(path_, "");
    SaveGameSettings(path_, ChangedSettings());
    EXPECT_EQ(Content(),
              "[Program Options]\r\nPath Search Nodes=16000\r\n"
              "[Alias]\r\nCD1:=D:\\BG\\CD1\\\r\nCD2:=D:\\BG\\CD2\\\r\nCD3:=D:\\BG\\CD3\\\r\n"
              "CD4:=D:\\BG\\CD4\\\r\nCD5:=D:\\BG\\CD5\\\r\n"
              "[Game Options]\r\nInventory Pause Warning=0\r\n");
}

TEST_F(SaveGameSettingsTest, StopsAtTheFirstWriteThatFails) {
    auto settings = ChangedSettings();
    // A value with a line break would add a line to the game's file: the
    // third write refuses it.
    settings.CdAlias[2] = "D:\\BG\r\nCheat=1";
    try {
        SaveGameSettings(path_, settings);
        FAIL() << "the save succeeded";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path_);
    }
    GameSettings expected = LoadGameSettings(DataFile("Baldur.ini"));
    expected.PathSearchNodes = 16000;
    expected.CdAlias[1] = "D:\\BG\\CD1\\";
    EXPECT_EQ(LoadGameSettings(path_), expected);
    EXPECT_EQ(Content().find("Cheat"), std::string::npos);
}

TEST_F(SaveGameSettingsTest, FailsAtTheFirstWriteOnAReadOnlyFile) {
    std::filesystem::permissions(path_, std::filesystem::perms::owner_read |
                                            std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
    for (const auto& settings : {ChangedSettings(), LoadGameSettings(path_)}) {
        try {
            SaveGameSettings(path_, settings);
            ADD_FAILURE() << "the save succeeded";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + path_);
        }
        EXPECT_EQ(Content(), original_);
    }
}

TEST_F(SaveGameSettingsTest, FailsOnAMissingFileAndCreatesNone) {
    const auto missing = folder_ / "Missing.ini";
    EXPECT_THROW(SaveGameSettings(missing, GameSettings()), Error);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

struct EndingCase {
    std::string_view name;
    std::string_view ending;
};

void PrintTo(const EndingCase& c, std::ostream* out) {
    *out << c.name;
}

class LineEndingTest : public testing::TestWithParam<EndingCase> {
protected:
    // The template with each "|" as the line ending under test.
    std::string WithEndings(std::string_view text) const {
        std::string result;
        for (const char c : text) {
            result += c == '|' ? std::string(GetParam().ending) : std::string(1, c);
        }
        return result;
    }
};

TEST_P(LineEndingTest, SaveKeepsTheFileLineEndings) {
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    WriteFile(path, WithEndings("[Program Options]|Path Search Nodes=4000||"
                                "[Alias]|CD1:=E:\\CD1\\|CD2:=E:\\CD2\\|; CD3 was here|"));
    SaveGameSettings(path, ChangedSettings());
    EXPECT_EQ(ReadFile(path),
              WithEndings("[Program Options]|Path Search Nodes=16000||"
                          "[Alias]|CD1:=D:\\BG\\CD1\\|CD2:=D:\\BG\\CD2\\|CD3:=D:\\BG\\CD3\\|"
                          "CD4:=D:\\BG\\CD4\\|CD5:=D:\\BG\\CD5\\|; CD3 was here|"
                          "[Game Options]|Inventory Pause Warning=0|"));
    EXPECT_EQ(LoadGameSettings(path), ChangedSettings());
}

INSTANTIATE_TEST_SUITE_P(Endings, LineEndingTest,
                         testing::Values(EndingCase{"CRLF", "\r\n"}, EndingCase{"LF", "\n"},
                                         EndingCase{"CR", "\r"}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
