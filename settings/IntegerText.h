#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How integers are written as text in the game's settings file, and which
// texts are read as integers: the forms the game itself accepts.

// The integer a text holds: leading spaces (not tabs), then either decimal
// digits with an optional sign, or one of the prefixes "$", "x", "X", "0x",
// "0X" and hexadecimal digits taken as a 32-bit two's-complement value;
// nothing may follow. Nothing for any other text or a value out of range.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// Plain decimal digits, "-" in front of a negative value.
std::string FormatIntegerText(std::int32_t value);
