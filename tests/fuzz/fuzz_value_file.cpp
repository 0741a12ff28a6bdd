// Feeds arbitrary bytes to the reading of the user store's value files, and
// checks that the first bytes alone give the header the whole file gives,
// that a file read as a value is written back byte for byte, and that any
// value written reads back as it was.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/posix/ValueFile.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace platform::posix;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const auto whole = ParseValueHeader(bytes, size);
    const auto start = ParseValueHeader(bytes.substr(0, kLongestValueHeader), size);
    Check(whole.type == start.type && whole.size == start.size && whole.length == start.length);
    const auto read = ParseValueFile(bytes);
    if (read && whole.length > 0) {
        Check(FormatValueFile(read->type, read->data) == bytes);
    }

    if (size >= sizeof(std::uint32_t)) {
        std::uint32_t type = 0;
        std::memcpy(&type, data, sizeof type);
        const auto value = bytes.substr(sizeof type);
        const auto file = FormatValueFile(type, value);
        Check(file.size() - value.size() <= kLongestValueHeader);
        Check(ParseValueFile(file) == StoredValue{type, std::string(value)});
    }
    return 0;
}
