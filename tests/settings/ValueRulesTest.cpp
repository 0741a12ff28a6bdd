#include <gtest/gtest.h>

#include <limits>
#include <map>

#include "settings/ValueRules.h"

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(NormalizePathSearchNodes, ClampsThenRoundsDown) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {kMin, 2000},     {-5000, 2000},    {0, 2000},      {1999, 2000}, {2000, 2000},
        {2999, 2000},     {3000, 3000},     {4500, 4000},   {4999, 4000}, {399999, 399000},
        {400000, 400000}, {400001, 400000}, {kMax, 400000},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(NormalizePathSearchNodes(value), expected) << value;
    }
}

TEST(NormalizePathSearchNodes, HoldsExactlyTheMultiplesOfTheStepInRange) {
    int held = 0;
    for (std::int32_t value = 0; value <= 401000; ++value) {
        const auto normal = NormalizePathSearchNodes(value);
        ASSERT_EQ(normal % kPathSearchNodesStep, 0) << value;
        ASSERT_GE(normal, kPathSearchNodesLowest) << value;
        ASSERT_LE(normal, kPathSearchNodesHighest) << value;
        held += normal == value ? 1 : 0;
    }
    EXPECT_EQ(held, 399);
}

TEST(ProcessorHint, NamesTheBandOfTheValue) {
    const std::pair<std::int32_t, std::string_view> cases[] = {
        {kMin, "P 133"},     {0, "P 133"},        {2000, "P 133"},     {9000, "P 133"},
        {9999, "P 133"},     {10000, "P 166"},    {31000, "P 166"},    {31999, "P 166"},
        {32000, "P 233"},    {63000, "P 233"},    {63999, "P 233"},    {64000, "PII 266"},
        {127000, "PII 266"}, {127999, "PII 266"}, {128000, "PII 333"}, {255000, "PII 333"},
        {255999, "PII 333"}, {256000, "PII 400"}, {400000, "PII 400"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(ProcessorHint(value), std::optional<std::string>(expected)) << value;
    }
}

TEST(ProcessorHint, HasNoTextAboveTheHighestValue) {
    for (const std::int32_t value : {400001, 1000000, kMax}) {
        EXPECT_EQ(ProcessorHint(value), std::nullopt) << value;
    }
}

TEST(ProcessorHint, BandsHoldTheExpectedNumberOfEditorValues) {
    std::map<std::string, int> counts;
    for (std::int32_t value = kPathSearchNodesLowest; value <= kPathSearchNodesHighest;
         value += kPathSearchNodesStep) {
        ++counts[ProcessorHint(value).value_or("none")];
    }
    const std::map<std::string, int> expected = {{"P 133", 8},     {"P 166", 22},
                                                 {"P 233", 32},    {"PII 266", 64},
                                                 {"PII 333", 128}, {"PII 400", 145}};
    EXPECT_EQ(counts, expected);
}

TEST(PathSearchNodes, InitialStateIsConsistent) {
    EXPECT_EQ(NormalizePathSearchNodes(kPathSearchNodesInitial), 4000);
    EXPECT_EQ(std::to_string(kPathSearchNodesInitial), "4000");
    EXPECT_EQ(ProcessorHint(kPathSearchNodesInitial), "P 133");
}

TEST(EnsureTrailingBackslash, AppendsOneBackslashOnlyWhenMissing) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"E:\\CD1", "E:\\CD1\\"},
        {"E:\\CD1\\", "E:\\CD1\\"},
        {"E:\\", "E:\\"},
        {"E:", "E:\\"},
        {"E:\\CD1/", "E:\\CD1/\\"},
        {"E:\\CD1 ", "E:\\CD1 \\"},
        {"E:\\CD1\\\\", "E:\\CD1\\\\"},
        {"\\", "\\"},
        {"x", "x\\"},
        {"C:\\Hry\\Baldurova br\xE1na", "C:\\Hry\\Baldurova br\xE1na\\"},
        // An emptied field stays empty rather than becoming a drive's root.
        {"", ""},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(EnsureTrailingBackslash(path), expected) << path;
    }
}

}  // namespace
