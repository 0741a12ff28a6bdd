#include "settings/IntegerText.h"

#include <limits>

namespace {

constexpr std::uint64_t kLargestUnsigned = std::numeric_limits<std::uint32_t>::max();
constexpr std::int64_t kLargestMagnitude = std::int64_t{1} << 31;

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    return std::nullopt;
}

std::optional<std::int32_t> ParseHexadecimal(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const auto digit = HexDigit(c);
        if (!digit) {
            return std::nullopt;
        }
        value = value * 16 + *digit;
        if (value > kLargestUnsigned) {
            return std::nullopt;
        }
    }
    // The bits as they stand: $FFFFFFFF is -1.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? kLargestMagnitude : kLargestMagnitude - 1;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
    const auto start = text.find_first_not_of(' ');
    text.remove_prefix(start == std::string_view::npos ? text.size() : start);
    if (text.starts_with("0x") || text.starts_with("0X")) {
        return ParseHexadecimal(text.substr(2));
    }
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        return ParseHexadecimal(text.substr(1));
    }
    return ParseDecimal(text);
}

std::string FormatIntegerText(std::int32_t value) {
    return std::to_string(value);
}
