#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <limits>

#include "platform/TextCodec.h"

namespace platform {

// System text is the ANSI code page of this Windows: what the A functions take
// and return. wchar_t is UTF-16 here, so the conversion goes through wide text.

std::u16string DecodeSystemText(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const int byteCount = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), byteCount, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), byteCount, wide.data(), length);
    return std::u16string(wide.begin(), wide.end());
}

std::optional<std::string> EncodeSystemText(std::u16string_view text) {
    if (text.empty()) {
        return std::string();
    }
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    const std::wstring wide(text.begin(), text.end());
    const int charCount = static_cast<int>(wide.size());
    // No best-fit mapping: a character the code page lacks must not become a
    // look-alike that names another file.
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), charCount,
                                           nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), charCount, bytes.data(), length,
                        nullptr, &usedDefault);
    return bytes;
}

}  // namespace platform
