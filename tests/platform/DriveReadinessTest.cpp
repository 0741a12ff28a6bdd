#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/DriveLabel.h"
#include "platform/DriveReadiness.h"
#include "platform/Error.h"

using platform::DriveKind;

namespace {

TEST(ValidDriveLetter, UpperCasesLettersAndRefusesEverythingElse) {
    EXPECT_EQ(platform::ValidDriveLetter('e'), 'E');
    EXPECT_EQ(platform::ValidDriveLetter('Z'), 'Z');
    for (const char character : {'0', '@', '[', '`', '{', '\0', '\xC8'}) {
        EXPECT_THROW(platform::ValidDriveLetter(character), ConversionError) << int{character};
    }
}

// Which step of the drive test fails: none, the first round of events, the
// query, the second round.
enum class Failing { Nothing, FirstEvents, Query, SecondEvents };

struct FrameCase {
    Failing failing;
    std::vector<std::string> steps;
    const char* error;  // the error that reaches the caller, "" for none
};
std::ostream& operator<<(std::ostream& out, const FrameCase& c) {
    return out << "failing step " << static_cast<int>(c.failing);
}

class QueryBetweenEventsTest : public testing::TestWithParam<FrameCase> {};

TEST_P(QueryBetweenEventsTest, RestoresAndProcessesEventsOnEveryPath) {
    const Failing failing = GetParam().failing;
    std::vector<std::string> steps;
    const auto events = [&] {
        steps.push_back("events");
        const bool first = steps.size() == 1;
        if ((first && failing == Failing::FirstEvents) ||
            (!first && failing == Failing::SecondEvents)) {
            throw Error(first ? "first events" : "second events");
        }
    };
    const auto query = [&] {
        steps.push_back("query");
        if (failing == Failing::Query) {
            throw Error("query");
        }
        return true;
    };
    const auto restore = [&] { steps.push_back("restore"); };

    std::string error;
    try {
        EXPECT_TRUE(platform::QueryBetweenEvents(events, query, restore));
    } catch (const Error& caught) {
        error = caught.what();
    }
    EXPECT_EQ(steps, GetParam().steps);
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueryBetweenEventsTest,
    testing::Values(
        FrameCase{Failing::Nothing, {"events", "query", "restore", "events"}, ""},
        FrameCase{Failing::FirstEvents, {"events", "restore", "events"}, "first events"},
        FrameCase{Failing::Query, {"events", "query", "restore", "events"}, "query"},
        FrameCase{
            Failing::SecondEvents, {"events", "query", "restore", "events"}, "second events"}));

struct LabelCase {
    DriveKind kind;
    std::optional<std::string> name;
    const char* label;
};
std::ostream& operator<<(std::ostream& out, const LabelCase& c) {
    return out << static_cast<int>(c.kind) << ' ' << c.name.value_or("(none)");
}

class DriveLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(DriveLabelTest, ShowsTheNameInLowerCase) {
    EXPECT_EQ(platform::DriveLabelText(GetParam().kind, GetParam().name), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Cases, DriveLabelTest,
                         testing::Values(LabelCase{DriveKind::Fixed, "SYSTEM", "[system]"},
                                         LabelCase{DriveKind::Fixed, "", "[]"},
                                         LabelCase{DriveKind::Fixed, std::nullopt, "[]"},
                                         LabelCase{DriveKind::Cd, "BALDUR_ČD1", "[baldur_čd1]"},
                                         LabelCase{DriveKind::RamDisk, std::nullopt, "[]"},
                                         LabelCase{DriveKind::Removable, "USB", ""},
                                         LabelCase{DriveKind::Removable, std::nullopt, ""},
                                         LabelCase{DriveKind::Network, "\\\\SERVER\\Hry",
                                                   "\\\\server\\hry"},
                                         LabelCase{DriveKind::Network, std::nullopt, "[]"}));

}  // namespace
