#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/TextCodec.h"

using platform::DecodeSystemText;
using platform::EncodeSystemText;

namespace {

TEST(SystemText, IsUtf8) {
    const std::string bytes = "Z:\\hry\\Baldurova brána \xF0\x9F\x98\x80";
    EXPECT_EQ(DecodeSystemText(bytes), u"Z:\\hry\\Baldurova brána 😀");
    EXPECT_EQ(EncodeSystemText(u"Z:\\hry\\Baldurova brána 😀"), bytes);
}

struct Invalid {
    std::string bytes;
    std::u16string text;
};
std::ostream& operator<<(std::ostream& out, const Invalid& c) {
    for (const char byte : c.bytes) {
        out << std::hex << (static_cast<unsigned>(byte) & 0xFFu) << ' ';
    }
    return out;
}

class InvalidUtf8Test : public testing::TestWithParam<Invalid> {};

TEST_P(InvalidUtf8Test, EscapesEachByteAndGivesItBack) {
    EXPECT_EQ(DecodeSystemText(GetParam().bytes), GetParam().text);
    EXPECT_EQ(EncodeSystemText(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidUtf8Test,
    testing::Values(Invalid{"a\xFF", u"a\xDCFF"},                              // never valid
                    Invalid{"\xC3", u"\xDCC3"},                                // cut short
                    Invalid{"\xC3(", u"\xDCC3("},                              // no continuation
                    Invalid{"\xC0\xAF", u"\xDCC0\xDCAF"},                      // overlong
                    Invalid{"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},            // a surrogate
                    Invalid{"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},  // past U+10FFFF
                    Invalid{"\x80\xC3\xA1", u"\xDC80á"}));

TEST(SystemText, EveryPairOfBytesSurvivesTheTripThroughText) {
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(EncodeSystemText(DecodeSystemText(bytes)), bytes) << first << ' ' << second;
        }
    }
}

TEST(SystemText, RefusesHalvesOfPairsThatStandForNoByte) {
    EXPECT_EQ(EncodeSystemText(u"a\xD83D"), std::nullopt);
    EXPECT_EQ(EncodeSystemText(u"\xDC41"), std::nullopt);
    EXPECT_EQ(EncodeSystemText(u"\xDE00\xD83D"), std::nullopt);
}

}  // namespace
