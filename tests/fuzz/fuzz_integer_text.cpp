// Compares the integer text rules with a second, plain reading that follows
// the rules step by step: "0x" and "0X" in front of a longer text become "$",
// leading spaces go, then a signed decimal or a "$", "x" or "X" hexadecimal
// form, its value summed up in arbitrary precision (a digit count) so that no
// overflow can hide. Every integer read must also be written back as a text
// that reads as the same integer.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "settings/IntegerText.h"

namespace {

int DigitValue(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// The digits' value when it is at most the limit; leading zeros count for
// nothing, and more significant digits than the limit has mean too large.
std::optional<std::uint64_t> Magnitude(std::string_view digits, int base, std::uint64_t limit) {
    if (digits.empty()) {
        return std::nullopt;
    }
    for (const char c : digits) {
        if (DigitValue(c, base) < 0) {
            return std::nullopt;
        }
    }
    while (digits.size() > 1 && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    if (digits.size() > 11) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        value = value * static_cast<std::uint64_t>(base) +
                static_cast<std::uint64_t>(DigitValue(c, base));
    }
    return value <= limit ? std::optional(value) : std::nullopt;
}

std::optional<std::int32_t> Reference(std::string text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.replace(0, 2, "$");
    }
    std::string_view rest = text;
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    if (rest.starts_with("0x") || rest.starts_with("0X")) {
        rest.remove_prefix(1);
    }
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        const auto bits = Magnitude(rest.substr(1), 16, 0xFFFFFFFF);
        if (!bits) {
            return std::nullopt;
        }
        const auto value = static_cast<std::int64_t>(*bits);
        return static_cast<std::int32_t>(value >= 0x80000000 ? value - 0x100000000 : value);
    }
    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+')) {
        rest.remove_prefix(1);
    }
    const auto magnitude = Magnitude(rest, 10, negative ? 2147483648U : 2147483647U);
    if (!magnitude) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseIntegerText(text);
    if (parsed != Reference(std::string(text))) {
        std::abort();
    }
    if (parsed && ParseIntegerText(FormatIntegerText(*parsed)) != parsed) {
        std::abort();
    }
    return 0;
}
