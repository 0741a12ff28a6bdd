#include "platform/LetterCase.h"

#include "platform/TextCodec.h"

namespace platform {
namespace {

bool InRange(char16_t character, char16_t first, char16_t last) {
    return character >= first && character <= last;
}

bool IsEven(char16_t character) {
    return character % 2 == 0;
}

// Latin Extended-A pairs each capital with the small letter right after it;
// the runs differ in whether the capital sits on an even or an odd code.
bool IsExtendedACapital(char16_t character) {
    if (InRange(character, 0x0100, 0x0137) || InRange(character, 0x014A, 0x0177)) {
        return IsEven(character);
    }
    if (InRange(character, 0x0139, 0x0148) || InRange(character, 0x0179, 0x017E)) {
        return !IsEven(character);
    }
    return false;
}

}  // namespace

char16_t LowerLetter(char16_t character) {
    if (InRange(character, u'A', u'Z') ||
        (InRange(character, 0x00C0, 0x00DE) && character != 0x00D7)) {
        return static_cast<char16_t>(character + 0x20);
    }
    if (character == 0x0130) {  // capital I with dot above
        return u'i';
    }
    if (character == 0x0178) {  // capital Y with diaeresis
        return 0x00FF;
    }
    if (IsExtendedACapital(character)) {
        return static_cast<char16_t>(character + 1);
    }
    return character;
}

std::u16string LowerCase(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& character : lower) {
        character = LowerLetter(character);
    }
    return lower;
}

std::string LowerSystemText(std::string_view text) {
    // Lowering never creates a character the system text cannot hold.
    return EncodeSystemText(LowerCase(DecodeSystemText(text))).value_or(std::string(text));
}

}  // namespace platform
