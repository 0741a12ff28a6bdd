#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/DriveLabel.h"
#include "platform/DriveReadiness.h"
#include "platform/Error.h"
#include "platform/TextCodec.h"

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

// Names and labels as Unicode, turned into system text for the test: the
// ANSI code page on Windows, UTF-8 elsewhere.
struct LabelCase {
    DriveKind kind;
    std::optional<std::u16string> name;
    std::u16string label;
};
std::ostream& operator<<(std::ostream& out, const LabelCase& c) {
    return out << static_cast<int>(c.kind) << (c.name ? " with a name" : " without name");
}

std::string SystemText(const std::u16string& text) {
    const auto bytes = platform::EncodeSystemText(text);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or("");
}

class DriveLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(DriveLabelTest, ShowsTheNameInLowerCase) {
    const auto& name = GetParam().name;
    const auto systemName = name ? std::optional(SystemText(*name)) : std::nullopt;
    EXPECT_EQ(platform::DriveLabelText(GetParam().kind, systemName), SystemText(GetParam().label));
}

INSTANTIATE_TEST_SUITE_P(Cases, DriveLabelTest,
                         testing::Values(LabelCase{DriveKind::Fixed, u"SYSTEM", u"[system]"},
                                         LabelCase{DriveKind::Fixed, u"", u"[]"},
                                         LabelCase{DriveKind::Fixed, std::nullopt, u"[]"},
                                         LabelCase{DriveKind::Cd, u"BALDUR_ÓD1", u"[baldur_ód1]"},
                                         LabelCase{DriveKind::RamDisk, std::nullopt, u"[]"},
                                         LabelCase{DriveKind::Removable, u"USB", u""},
                                         LabelCase{DriveKind::Removable, std::nullopt, u""},
                                         LabelCase{DriveKind::Network, u"\\\\SERVER\\Hry",
                                                   u"\\\\server\\hry"},
                                         LabelCase{DriveKind::Network, std::nullopt, u"[]"}));

}  // namespace
