// Compares the integer text rules with a second reading built on
// std::from_chars, and checks that every integer read is written back as a
// text that reads as the same integer.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "settings/IntegerText.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<std::uint64_t> Digits(std::string_view text, int base) {
    std::uint64_t value = 0;
    if (text.empty()) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> Reference(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    std::string_view hex;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        hex = text.substr(2);
    } else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        hex = text.substr(1);
    } else {
        const bool negative = text.starts_with('-');
        if (negative || text.starts_with('+')) {
            text.remove_prefix(1);
        }
        // from_chars would take a second sign; the rules do not.
        if (text.empty() || !IsDigit(text.front())) {
            return std::nullopt;
        }
        const auto magnitude = Digits(text, 10);
        if (!magnitude || *magnitude > (negative ? 2147483648ULL : 2147483647ULL)) {
            return std::nullopt;
        }
        const auto value = static_cast<std::int64_t>(*magnitude);
        return static_cast<std::int32_t>(negative ? -value : value);
    }
    if (hex.empty() || hex.front() == '-' || hex.front() == '+') {
        return std::nullopt;
    }
    const auto bits = Digits(hex, 16);
    if (!bits || *bits > 0xFFFFFFFFULL) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*bits));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseIntegerText(text);
    if (parsed != Reference(text)) {
        std::abort();
    }
    if (parsed && ParseIntegerText(FormatIntegerText(*parsed)) != parsed) {
        std::abort();
    }
    return 0;
}
