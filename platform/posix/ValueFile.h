#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The form of one value file of the user's store: one header line,
// "kestrune-value type=1 size=42", and then exactly the data's bytes, so that
// any data, empty data and every type survive unchanged.
namespace platform::posix {

struct ValueHeader {
    std::uint32_t type;
    std::size_t size;    // of the data the header declares
    std::size_t length;  // of the header line, its line break included
};

// The longest header line there is; a file's first bytes up to this many
// are enough to read its header.
inline constexpr std::size_t kLongestValueHeader = 64;

// The type and size a value file declares, from the file's first bytes and
// its size. A file without a well-formed header (written by hand, or damaged)
// is a value of no type whose data is all of the file, so that reading it
// fails with a clear message rather than returning something made up.
ValueHeader ParseValueHeader(std::string_view start, std::size_t fileSize);

struct StoredValue {
    std::uint32_t type;
    std::string data;

    bool operator==(const StoredValue&) const = default;
};

// The value a whole file holds, or nothing when the file has been cut short,
// or has grown, since its header was written.
std::optional<StoredValue> ParseValueFile(std::string_view content);

// The bytes of the file that holds data of a type.
std::string FormatValueFile(std::uint32_t type, std::string_view data);

}  // namespace platform::posix
