#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

#include "platform/TextCodec.h"

namespace {

// glibc's own converter, the reference for every byte the code page defines.
std::optional<char16_t> ReferenceCharacter(unsigned char byte) {
    const iconv_t converter = iconv_open("UTF-16LE", "WINDOWS-1250");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    char in = static_cast<char>(byte);
    unsigned char out[4] = {};
    char* inAt = &in;
    char* outAt = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const auto converted = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1) || outLeft != 2) {
        return std::nullopt;
    }
    return static_cast<char16_t>(out[0] | out[1] << 8);
}

TEST(Windows1250, DefinedBytesDecodeAsGlibcDecodesThem) {
    ASSERT_TRUE(ReferenceCharacter('A').has_value()) << "glibc has no WINDOWS-1250 converter";
    int undefined = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const auto reference = ReferenceCharacter(static_cast<unsigned char>(byte));
        const std::u16string ours =
            platform::DecodeWindows1250(std::string(1, static_cast<char>(byte)));
        if (reference) {
            EXPECT_EQ(ours, std::u16string(1, *reference)) << "byte " << byte;
        } else {
            ++undefined;
            EXPECT_EQ(ours, std::u16string(1, static_cast<char16_t>(0xF000 + byte)))
                << "byte " << byte;
        }
    }
    EXPECT_EQ(undefined, 5);
}

}  // namespace
