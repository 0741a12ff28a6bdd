#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/TextCodec.h"

using platform::DecodeWindows1250;
using platform::EncodeWindows1250;
using platform::UnencodableInWindows1250;

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

TEST(Windows1250, EveryByteSurvivesTheTripThroughText) {
    const std::string bytes = AllBytes();
    const std::u16string text = DecodeWindows1250(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(EncodeWindows1250(text), bytes);
}

TEST(Windows1250, UndefinedBytesBecomePrivateUseCharacters) {
    EXPECT_EQ(DecodeWindows1250("\x81\x83\x88\x90\x98"), u"\uF081\uF083\uF088\uF090\uF098");
}

TEST(Windows1250, CzechTextHasItsCodePageBytes) {
    const std::u16string text = u"Příliš žluťoučký kůň úpěl ďábelské ódy – „Ě“ €";
    const std::string bytes =
        "P\xF8\xED\x6C\x69\x9A \x9Elu\x9Do\x75\xE8k\xFD k\xF9\xF2 \xFAp\xECl "
        "\xEF\xE1\x62\x65lsk\xE9 "
        "\xF3\x64y \x96 \x84\xCC\x93 \x80";
    EXPECT_EQ(EncodeWindows1250(text), bytes);
    EXPECT_EQ(DecodeWindows1250(bytes), text);
}

struct Unencodable {
    std::u16string text;
    std::u16string offending;
};
std::ostream& operator<<(std::ostream& out, const Unencodable& c) {
    for (const char16_t unit : c.text) {
        out << std::hex << static_cast<unsigned>(unit) << ' ';
    }
    return out;
}

class UnencodableTest : public testing::TestWithParam<Unencodable> {};

TEST_P(UnencodableTest, RefusesTheTextAndNamesEachOffenderOnce) {
    const auto& [text, offending] = GetParam();
    EXPECT_EQ(UnencodableInWindows1250(text), offending);
    EXPECT_EQ(EncodeWindows1250(text).has_value(), offending.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnencodableTest,
    testing::Values(Unencodable{u"E:\\CD1\\", u""}, Unencodable{u"", u""},
                    Unencodable{u"ßäÄ€\uF081", u""}, Unencodable{u"→a→ñ", u"→ñ"},
                    Unencodable{u"\u0081\uF082", u"\u0081\uF082"}, Unencodable{u"😀x😀", u"😀"},
                    // a lone half of a pair is a character of its own
                    Unencodable{u"😀\xDE00", u"😀\xDE00"}, Unencodable{u"\xD83D", u"\xD83D"}));

}  // namespace
