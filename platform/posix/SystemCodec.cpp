#include "platform/TextCodec.h"

#include <cstdint>

namespace platform {
namespace {

// Host paths are bytes, not necessarily UTF-8. A byte that starts no valid
// UTF-8 sequence decodes to U+DC00 plus the byte (a lone low surrogate, which
// valid UTF-8 never yields) and encodes back to itself, so every path survives
// the trip through the interface unchanged.
constexpr char32_t kEscapeBase = 0xDC00;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

struct Decoded {
    char32_t code;
    std::size_t length;  // 0: not a valid sequence
};

Decoded DecodeSequence(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1Fu, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0Fu, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07u, lowest = 0x10000;
    } else {
        return {0, 0};
    }
    if (at + length > bytes.size()) {
        return {0, 0};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if (!IsContinuation(next)) {
            return {0, 0};
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < lowest || code > 0x10FFFF || surrogate) {
        return {0, 0};
    }
    return {code, length};
}

void AppendUtf16(std::u16string& text, char32_t code) {
    if (code < 0x10000) {
        text.push_back(static_cast<char16_t>(code));
        return;
    }
    const char32_t offset = code - 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

void AppendUtf8(std::string& bytes, char32_t code) {
    const auto put = [&bytes](char32_t value) {
        bytes.push_back(static_cast<char>(static_cast<unsigned char>(value)));
    };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6));
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18));
        put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::u16string DecodeSystemText(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const Decoded decoded = DecodeSequence(bytes, at);
        if (decoded.length == 0) {
            AppendUtf16(text, kEscapeBase + static_cast<unsigned char>(bytes[at]));
            ++at;
        } else {
            AppendUtf16(text, decoded.code);
            at += decoded.length;
        }
    }
    return text;
}

std::optional<std::string> EncodeSystemText(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at];
        if (IsHighSurrogate(unit) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
            const char32_t high = unit - 0xD800u;
            const char32_t low = text[at + 1] - 0xDC00u;
            AppendUtf8(bytes, 0x10000 + ((high << 10) | low));
            ++at;
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            bytes.push_back(static_cast<char>(static_cast<unsigned char>(unit - kEscapeBase)));
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            return std::nullopt;
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}

}  // namespace platform
