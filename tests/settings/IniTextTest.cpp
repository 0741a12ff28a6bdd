#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/IniText.h"

namespace {

using std::string_view_literals::operator""sv;

struct FindCase {
    std::string_view name;
    std::string_view text;
    std::string_view section;
    std::string_view key;
    std::optional<std::string_view> expected;
};

void PrintTo(const FindCase& c, std::ostream* out) {
    *out << c.name;
}

class FindValueTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindValueTest, FindsTheValueAsWindowsReadsIt) {
    const auto& c = GetParam();
    EXPECT_EQ(ini::FindValue(c.text, c.section, c.key), c.expected);
}

constexpr std::optional<std::string_view> kMissing;

INSTANTIATE_TEST_SUITE_P(
    Lines, FindValueTest,
    testing::Values(
        FindCase{"plain", "[Alias]\r\nCD1:=E:\\CD1\\\r\n", "Alias", "CD1:", "E:\\CD1\\"},
        FindCase{"empty value is not missing", "[Alias]\nCD1:=\n", "Alias", "CD1:", ""},
        FindCase{"no final line break", "[Alias]\nCD1:=x", "Alias", "CD1:", "x"},
        FindCase{"letter case of names", "[alias]\ncd1:=D:\\GAME\\\n", "Alias",
                 "CD1:", "D:\\GAME\\"},
        FindCase{"blanks around names and value", "  [ Alias ]  \n \t CD1:  =  E:\\ \t\n", "Alias",
                 "CD1:", "E:\\"},
        FindCase{"inner blanks kept", "[Program Options]\nPath Search Nodes= 4 000 \n",
                 "Program Options", "Path Search Nodes", "4 000"},
        FindCase{"double quotes", "[A]\nk=\" x \"\n", "A", "k", " x "},
        FindCase{"single quotes", "[A]\nk='x'\n", "A", "k", "x"},
        FindCase{"mismatched quotes stay", "[A]\nk=\"x'\n", "A", "k", "\"x'"},
        FindCase{"one quote stays", "[A]\nk=\"\n", "A", "k", "\""},
        FindCase{"empty quotes", "[A]\nk=\"\"\n", "A", "k", ""},
        FindCase{"only one pair of quotes goes", "[A]\nk=\"\"x\"\"\n", "A", "k", "\"x\""},
        FindCase{"value holds =", "[A]\nk=a=b\n", "A", "k", "a=b"},
        FindCase{"no comment at line end", "[A]\nk=x ; note\n", "A", "k", "x ; note"},
        FindCase{"section line with text after", "[A] junk\nk=x\n", "A", "k", "x"},
        FindCase{"high bytes",
                 "[A]\nk=Ji\xF8\xED \xC8"
                 "ern\xFD\n",
                 "A", "k",
                 "Ji\xF8\xED \xC8"
                 "ern\xFD"}));

INSTANTIATE_TEST_SUITE_P(
    Structure, FindValueTest,
    testing::Values(
        FindCase{"missing section", "[B]\nk=x\n", "A", "k", kMissing},
        FindCase{"missing key", "[A]\nj=x\n", "A", "k", kMissing},
        FindCase{"empty text", "", "A", "k", kMissing},
        FindCase{"key of another section", "[A]\n[B]\nk=x\n", "A", "k", kMissing},
        FindCase{"before the first section", "k=x\n[A]\n", "A", "k", kMissing},
        FindCase{"first key counts", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        FindCase{"first section counts", "[A]\nj=1\n[a]\nk=2\n", "A", "k", kMissing},
        FindCase{"first section counts for a present key", "[A]\nk=1\n[A]\nk=2\n", "A", "k", "1"},
        FindCase{"comment never matches", "[A]\n;k=1\n  ;k=2\n", "A", ";k", kMissing},
        FindCase{"commented key is missing", "[A]\n;k=1\n", "A", "k", kMissing},
        FindCase{"line without =", "[A]\nk\n", "A", "k", kMissing},
        FindCase{"bracket without end is no section", "[A\nk=1\n", "A", "k", kMissing}));

INSTANTIATE_TEST_SUITE_P(
    LineEndings, FindValueTest,
    testing::Values(FindCase{"LF", "[A]\nj=0\nk=1\n", "A", "k", "1"},
                    FindCase{"CR", "[A]\rj=0\rk=1\r", "A", "k", "1"},
                    FindCase{"CRLF", "[A]\r\nj=0\r\nk=1\r\n", "A", "k", "1"},
                    FindCase{"mixed", "[A]\rj=0\nk=1\r\n", "A", "k", "1"},
                    FindCase{"CR does not join keys", "[A]\rk=1\rj=2", "A", "k", "1"},
                    FindCase{"NUL is an ordinary byte", "[A]\nk=a\0b\n"sv, "A", "k", "a\0b"sv}));

struct WriteCase {
    std::string_view name;
    std::string_view before;
    std::string_view section;
    std::string_view key;
    std::string_view value;
    std::string_view after;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

class WithValueTest : public testing::TestWithParam<WriteCase> {};

// The whole text is compared, so that any byte changed besides the one value
// or the added lines shows.
TEST_P(WithValueTest, ChangesOnlyWhatTheWriteNeeds) {
    const auto& c = GetParam();
    const auto result = ini::WithValue(c.before, c.section, c.key, c.value);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, c.after);
    EXPECT_EQ(ini::FindValue(*result, c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    ReplacedValue, WithValueTest,
    testing::Values(
        WriteCase{"value bytes only", "; top\r\n[A]\r\nk=old\r\nj=1\r\n", "A", "k", "new",
                  "; top\r\n[A]\r\nk=new\r\nj=1\r\n"},
        WriteCase{"spacing and letter case kept", "[a]\n  K  =  old  \n", "A", "k", "new",
                  "[a]\n  K  =  new  \n"},
        WriteCase{"empty value filled", "[A]\nk=\nj=1\n", "A", "k", "x", "[A]\nk=x\nj=1\n"},
        WriteCase{"blank value filled", "[A]\nk =  \n", "A", "k", "x", "[A]\nk =  x\n"},
        WriteCase{"emptied", "[A]\nk=old\n", "A", "k", "", "[A]\nk=\n"},
        WriteCase{"quotes kept", "[A]\nk = \"old\" \n", "A", "k", "new", "[A]\nk = \"new\" \n"},
        WriteCase{"first of two keys", "[A]\nk=1\nk=2\n", "A", "k", "3", "[A]\nk=3\nk=2\n"},
        WriteCase{"in the first section", "[A]\nk=1\n[A]\nk=2\n", "A", "k", "3",
                  "[A]\nk=3\n[A]\nk=2\n"},
        WriteCase{"no final line break", "[A]\nk=1", "A", "k", "2", "[A]\nk=2"},
        WriteCase{"high bytes around", "[A]\n\xE1=\xE8\nk=1\n\xFF", "A", "k", "\x9A",
                  "[A]\n\xE1=\xE8\nk=\x9A\n\xFF"},
        WriteCase{"longer value", "[A]\r\nk=1\r\n", "A", "k",
                  std::string_view("C:\\Hry\\Baldurova br\xE1na\\CD1\\"),
                  "[A]\r\nk=C:\\Hry\\Baldurova br\xE1na\\CD1\\\r\n"}));

INSTANTIATE_TEST_SUITE_P(
    AddedKey, WithValueTest,
    testing::Values(
        WriteCase{"after the last key, before blank and comment lines",
                  "[A]\r\nj=1\r\n\r\n; about B\r\n[B]\r\nk=2\r\n", "A", "k", "x",
                  "[A]\r\nj=1\r\nk=x\r\n\r\n; about B\r\n[B]\r\nk=2\r\n"},
        WriteCase{"comment between keys stays above", "[A]\nj=1\n; note\ni=2\n\n", "A", "k", "x",
                  "[A]\nj=1\n; note\ni=2\nk=x\n\n"},
        WriteCase{"empty section", "[A]\n\n[B]\n", "A", "k", "x", "[A]\nk=x\n\n[B]\n"},
        WriteCase{"into the first section of the name", "[A]\nj=1\n[B]\n[A]\nk=2\n", "A", "k", "x",
                  "[A]\nj=1\nk=x\n[B]\n[A]\nk=2\n"},
        WriteCase{"section line without line break", "[A]", "A", "k", "x", "[A]\r\nk=x\r\n"},
        WriteCase{"last key without line break uses the file's ending", "[B]\nj=0\n[A]\nj=1", "A",
                  "k", "x", "[B]\nj=0\n[A]\nj=1\nk=x\n"},
        WriteCase{"ending of the line before", "[A]\r\nj=1\n\n", "A", "k", "x",
                  "[A]\r\nj=1\nk=x\n\n"},
        WriteCase{"CR line endings", "[A]\rj=1\r\r", "A", "k", "x", "[A]\rj=1\rk=x\r\r"}));

INSTANTIATE_TEST_SUITE_P(
    AddedSection, WithValueTest,
    testing::Values(
        WriteCase{"at the end, CRLF", "[A]\r\nj=1\r\n\r\n; end\r\n", "Game Options",
                  "Inventory Pause Warning", "1",
                  "[A]\r\nj=1\r\n\r\n; end\r\n[Game Options]\r\nInventory Pause Warning=1\r\n"},
        WriteCase{"at the end, LF", "[A]\nj=1\n", "B", "k", "x", "[A]\nj=1\n[B]\nk=x\n"},
        WriteCase{"at the end, CR", "[A]\rj=1\r", "B", "k", "x", "[A]\rj=1\r[B]\rk=x\r"},
        WriteCase{"no final line break", "[A]\nj=1", "B", "k", "x", "[A]\nj=1\n[B]\nk=x\n"},
        WriteCase{"empty text", "", "B", "k", "x", "[B]\r\nk=x\r\n"},
        WriteCase{"text without any line break", "; only", "B", "k", "x",
                  "; only\r\n[B]\r\nk=x\r\n"},
        WriteCase{"key only before the first section", "k=1\n", "B", "k", "x", "k=1\n[B]\nk=x\n"}));

INSTANTIATE_TEST_SUITE_P(
    Quoting, WithValueTest,
    testing::Values(WriteCase{"leading blank", "[A]\nk=1\n", "A", "k", " x", "[A]\nk=\" x\"\n"},
                    WriteCase{"trailing tab", "[A]\n", "A", "k", "x\t", "[A]\nk=\"x\t\"\n"},
                    WriteCase{"only blanks", "[A]\nk=1\n", "A", "k", "  ", "[A]\nk=\"  \"\n"},
                    WriteCase{"quoted", "[A]\nk=1\n", "A", "k", "'x'", "[A]\nk=\"'x'\"\n"},
                    WriteCase{"one quote needs none", "[A]\nk=1\n", "A", "k", "\"", "[A]\nk=\"\n"},
                    WriteCase{"into quotes needs none", "[A]\nk=\"1\"\n", "A", "k", "\"x\"",
                              "[A]\nk=\"\"x\"\"\n"}));

TEST(WithValue, LeavesTheTextAloneWhenTheKeyHoldsTheValue) {
    EXPECT_EQ(ini::WithValue("[A]\nk=1\n", "A", "k", "1"), std::nullopt);
    EXPECT_EQ(ini::WithValue("[a]\n K = \"1\" \n", "A", "k", "1"), std::nullopt);
    EXPECT_EQ(ini::WithValue("[A]\nk=\n", "A", "k", ""), std::nullopt);
}

TEST(WithValue, NeverTouchesOtherKeys) {
    const std::string_view text = "x=0\n[A]\nj=1\n;k=2\n[B]\nk=3\n[A]\nk=4\n";
    const std::pair<std::string_view, std::string_view> others[] = {
        {"A", "j"}, {"A", ";k"}, {"B", "k"}, {"", "x"}};
    const auto result = ini::WithValue(text, "A", "k", "5");
    ASSERT_TRUE(result);
    for (const auto& [section, key] : others) {
        EXPECT_EQ(ini::FindValue(*result, section, key), ini::FindValue(text, section, key))
            << section << "/" << key;
    }
}

TEST(FitsOnOneLine, RefusesLineBreaksAndNul) {
    EXPECT_TRUE(ini::FitsOnOneLine("E:\\CD1\\ \t\x80\xFF"));
    EXPECT_TRUE(ini::FitsOnOneLine(""));
    for (const auto text : {"a\rb"sv, "a\nb"sv, "a\0b"sv, "\r\n"sv}) {
        EXPECT_FALSE(ini::FitsOnOneLine(text));
    }
}

}  // namespace
