#include <gtest/gtest.h>

#include <clocale>
#include <cwctype>
#include <string>

#include "platform/LetterCase.h"

namespace {

TEST(LetterCase, LowersEveryLatinLetterAsGlibcDoes) {
    const char* previous = std::setlocale(LC_CTYPE, nullptr);
    const std::string restore = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) {
        GTEST_SKIP() << "no C.UTF-8 locale";
    }
    for (char16_t character = 0; character < 0x180; ++character) {
        const auto reference = static_cast<char16_t>(std::towlower(character));
        EXPECT_EQ(platform::LowerLetter(character), reference) << std::hex << int{character};
    }
    std::setlocale(LC_CTYPE, restore.c_str());
}

TEST(LetterCase, LowersSystemTextKeepingWhatIsNoLetter) {
    EXPECT_EQ(platform::LowerSystemText("ŽLUŤOUČKÝ Kůň 1\xFF"), "žluťoučký kůň 1\xFF");
}

}  // namespace
