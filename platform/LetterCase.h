#pragma once

#include <string>
#include <string_view>

namespace platform {

// Lower case as Windows shows drive labels and compares file names, for every
// letter Windows-1250 can hold: ASCII, Latin-1 and Latin Extended-A. Other
// characters stay as they are.
char16_t LowerLetter(char16_t character);
std::u16string LowerCase(std::u16string_view text);

// The same for system text.
std::string LowerSystemText(std::string_view text);

}  // namespace platform
