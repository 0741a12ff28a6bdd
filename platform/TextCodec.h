#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Game text, the values of Baldur.ini: Windows-1250. Every byte decodes to one
// character and back; the five bytes the code page leaves undefined map to
// private-use characters, so bytes -> text -> bytes is exact.
std::u16string DecodeWindows1250(std::string_view bytes);

// The bytes of a text, or nothing when some character has no Windows-1250
// byte: such a text is never written as something else.
std::optional<std::string> EncodeWindows1250(std::u16string_view text);

// The characters of a text that Windows-1250 cannot hold, each once, in the
// order they first appear, for telling the user which ones.
std::u16string UnencodableInWindows1250(std::u16string_view text);

// System text, the paths the program opens and the remembered location: the
// ANSI code page on Windows, UTF-8 elsewhere.
std::u16string DecodeSystemText(std::string_view bytes);
std::optional<std::string> EncodeSystemText(std::u16string_view text);

}  // namespace platform
