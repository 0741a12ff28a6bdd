#include <gtest/gtest.h>

#include <optional>

#include "settings/IntegerText.h"

namespace {

struct ParseCase {
    std::string_view text;
    std::optional<std::int32_t> expected;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class ParseIntegerTextTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntegerTextTest, ReadsOnlyWholeIntegers) {
    EXPECT_EQ(ParseIntegerText(GetParam().text), GetParam().expected);
}

constexpr std::optional<std::int32_t> kNone;

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseIntegerTextTest,
    testing::Values(ParseCase{"5000", 5000}, ParseCase{"0", 0}, ParseCase{"-0", 0},
                    ParseCase{"+7", 7}, ParseCase{"-5", -5},
                    // Leading zeros do not mean octal.
                    ParseCase{"010", 10}, ParseCase{"0000000000002147483647", 2147483647},
                    ParseCase{"2147483647", 2147483647}, ParseCase{"2147483648", kNone},
                    ParseCase{"-2147483648", -2147483648}, ParseCase{"-2147483649", kNone},
                    ParseCase{"99999999999999999999", kNone}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ParseIntegerTextTest,
    testing::Values(ParseCase{"0x10", 16}, ParseCase{"0X1f", 31}, ParseCase{"$10", 16},
                    ParseCase{"x10", 16}, ParseCase{"X10", 16}, ParseCase{"$aBcD", 0xABCD},
                    ParseCase{"$7FFFFFFF", 2147483647}, ParseCase{"$80000000", -2147483648},
                    ParseCase{"$FFFFFFFF", -1}, ParseCase{"0x00000000000000FFFFFFFF", -1},
                    ParseCase{"$100000000", kNone}, ParseCase{" 0x10", 16}));

INSTANTIATE_TEST_SUITE_P(Blanks, ParseIntegerTextTest,
                         testing::Values(ParseCase{" 5000", 5000}, ParseCase{"   -12", -12},
                                         ParseCase{"5000 ", kNone}, ParseCase{"\t5000", kNone},
                                         ParseCase{"- 5", kNone}, ParseCase{"", kNone},
                                         ParseCase{"   ", kNone}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, ParseIntegerTextTest,
    testing::Values(ParseCase{"5000abc", kNone}, ParseCase{"0x", kNone}, ParseCase{"$", kNone},
                    ParseCase{"x", kNone}, ParseCase{"-", kNone}, ParseCase{"+", kNone},
                    ParseCase{"-$10", kNone}, ParseCase{"+0x10", kNone}, ParseCase{"$-1", kNone},
                    ParseCase{"0x1g", kNone}, ParseCase{"1e3", kNone}, ParseCase{"12.0", kNone},
                    ParseCase{"--1", kNone}, ParseCase{"true", kNone}, ParseCase{"yes", kNone},
                    ParseCase{std::string_view("5\0", 2), kNone}));

TEST(FormatIntegerText, WritesPlainDecimalDigits) {
    EXPECT_EQ(FormatIntegerText(4000), "4000");
    EXPECT_EQ(FormatIntegerText(0), "0");
    EXPECT_EQ(FormatIntegerText(-5), "-5");
    EXPECT_EQ(FormatIntegerText(2147483647), "2147483647");
    EXPECT_EQ(FormatIntegerText(-2147483647 - 1), "-2147483648");
}

TEST(FormatIntegerText, ReadsBackAsTheSameValue) {
    for (const std::int32_t value : {0, 1, -1, 400000, -2147483647 - 1, 2147483647}) {
        EXPECT_EQ(ParseIntegerText(FormatIntegerText(value)), value) << value;
    }
}

}  // namespace
