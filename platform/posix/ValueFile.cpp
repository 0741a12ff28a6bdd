#include "platform/posix/ValueFile.h"

#include <charconv>

#include "platform/UserStore.h"

namespace platform::posix {
namespace {

constexpr std::string_view kHeaderType = "kestrune-value type=";
constexpr std::string_view kHeaderSize = " size=";

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
    if (text.empty() || (text.size() > 1 && text[0] == '0')) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

ValueHeader ParseValueHeader(std::string_view start, std::size_t fileSize) {
    const ValueHeader untyped{kTypeNone, fileSize, 0};
    const auto lineEnd = start.find('\n');
    if (start.substr(0, kHeaderType.size()) != kHeaderType || lineEnd == std::string_view::npos) {
        return untyped;
    }
    const auto fields = start.substr(kHeaderType.size(), lineEnd - kHeaderType.size());
    const auto sizeAt = fields.find(kHeaderSize);
    ValueHeader header{0, 0, lineEnd + 1};
    if (sizeAt == std::string_view::npos || !ParseNumber(fields.substr(0, sizeAt), header.type) ||
        !ParseNumber(fields.substr(sizeAt + kHeaderSize.size()), header.size)) {
        return untyped;
    }
    return header;
}

std::optional<StoredValue> ParseValueFile(std::string_view content) {
    const auto header = ParseValueHeader(content, content.size());
    if (content.size() - header.length != header.size) {
        return std::nullopt;
    }
    return StoredValue{header.type, std::string(content.substr(header.length))};
}

std::string FormatValueFile(std::uint32_t type, std::string_view data) {
    return std::string(kHeaderType) + std::to_string(type) + std::string(kHeaderSize) +
           std::to_string(data.size()) + "\n" + std::string(data);
}

}  // namespace platform::posix
