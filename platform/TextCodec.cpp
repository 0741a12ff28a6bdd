#include "platform/TextCodec.h"

#include <array>

namespace platform {
namespace {

// The five bytes Windows-1250 leaves undefined decode to U+F000 plus the byte,
// private-use characters no real text contains, so that they survive the trip.
constexpr char16_t kUndefinedBase = 0xF000;

constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0xF081, 0x201A, 0xF083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0xF088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0xF090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xF098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};
static_assert(kUpperHalf[0x81 - 0x80] == kUndefinedBase + 0x81);

char16_t DecodeByte(unsigned char byte) {
    return byte < 0x80 ? char16_t{byte} : kUpperHalf[byte - 0x80u];
}

// A UTF-16 character: one code unit, or a surrogate pair kept together.
std::u16string_view CharacterAt(std::u16string_view text, std::size_t at) {
    const bool pair = at + 1 < text.size() && text[at] >= 0xD800 && text[at] <= 0xDBFF &&
                      text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
    return text.substr(at, pair ? 2 : 1);
}

// Whether a text holds the character as a whole, not as half of a pair.
bool HoldsCharacter(std::u16string_view text, std::u16string_view character) {
    for (std::size_t at = 0; at < text.size();) {
        const auto held = CharacterAt(text, at);
        if (held == character) {
            return true;
        }
        at += held.size();
    }
    return false;
}

std::optional<char> EncodeCharacter(std::u16string_view character) {
    if (character.size() != 1) {
        return std::nullopt;
    }
    const char16_t unit = character.front();
    if (unit < 0x80) {
        return static_cast<char>(unit);
    }
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] == unit) {
            return static_cast<char>(static_cast<unsigned char>(0x80 + i));
        }
    }
    return std::nullopt;
}

}  // namespace

std::u16string DecodeWindows1250(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.push_back(DecodeByte(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::optional<std::string> EncodeWindows1250(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto character = CharacterAt(text, at);
        const auto byte = EncodeCharacter(character);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(*byte);
        at += character.size();
    }
    return bytes;
}

std::u16string UnencodableInWindows1250(std::u16string_view text) {
    std::u16string found;
    for (std::size_t at = 0; at < text.size();) {
        const auto character = CharacterAt(text, at);
        if (!EncodeCharacter(character) && !HoldsCharacter(found, character)) {
            found.append(character);
        }
        at += character.size();
    }
    return found;
}

}  // namespace platform
