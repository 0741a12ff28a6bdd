#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/TextCodec.h"

using platform::DecodeSystemText;
using platform::EncodeSystemText;

namespace {

// System text is the ANSI code page; on a Czech Windows (and under Wine with a
// Czech locale, as tools/test-windows.sh runs it) that is Windows-1250.
class Win32SystemTextTest : public testing::Test {
protected:
    void SetUp() override {
        if (GetACP() != 1250) {
            GTEST_SKIP() << "needs the Central European code page, not " << GetACP();
        }
    }
};

TEST_F(Win32SystemTextTest, IsTheAnsiCodePage) {
    const std::string bytes = "C:\\Hry\\\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2\\Baldur.ini";
    const std::u16string text = u"C:\\Hry\\Žluťoučký kůň\\Baldur.ini";
    EXPECT_EQ(DecodeSystemText(bytes), text);
    EXPECT_EQ(EncodeSystemText(text), bytes);
    EXPECT_EQ(DecodeSystemText(""), u"");
    EXPECT_EQ(EncodeSystemText(u""), "");
}

TEST_F(Win32SystemTextTest, EveryByteSurvivesTheTripThroughText) {
    for (int value = 1; value < 256; ++value) {
        const std::string bytes{'a', static_cast<char>(value)};
        EXPECT_EQ(EncodeSystemText(DecodeSystemText(bytes)), bytes) << value;
    }
}

// A look-alike would name another file: "Ā" must not become "A".
TEST_F(Win32SystemTextTest, ACharacterTheCodePageLacksIsRefusedNotReplaced) {
    for (const std::u16string& text :
         {std::u16string(u"C:\\Ā"), std::u16string(u"中"), std::u16string(u"€ ½")}) {
        EXPECT_EQ(EncodeSystemText(text), std::nullopt);
    }
}

}  // namespace
