#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// The INI accessor: reads and writes single values of one settings file,
// named by its path (a Windows path, or a host path starting with "/").
// It holds nothing but the path: every operation opens the file, reads or
// replaces it, and closes it before it returns, so that a change another
// program makes in between is seen and nothing is locked.
class IniFile {
public:
    // A read returns at most this many characters of a value.
    static constexpr std::size_t kLongestValue = 2047;

    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    // The value text of the key in the section, or the default when the file,
    // the section or the key is missing or the file cannot be read. Never
    // fails.
    std::string IniReadString(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const;
    // The value read as an integer text, or the default when it is none.
    std::int32_t IniReadInteger(std::string_view section, std::string_view key,
                                std::int32_t defaultValue) const;
    // The value read as an integer, true when it is not 0; the default when it
    // is no integer.
    bool IniReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Each write is one complete, durable update of the file before it
    // returns. It fails with Error "Unable to write to %s", the path in place
    // of %s and the file as it was, when the file does not take the write
    // (missing, read-only, no access, missing folder, full disk) or when the
    // section, key or value holds CR, LF or NUL, which would break the file's
    // lines. Writing the value the key already holds leaves the file untouched.
    void IniWriteString(std::string_view section, std::string_view key, std::string_view value);
    // Decimal digits, "-" in front of a negative value.
    void IniWriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    // "1" for true, "0" for false.
    void IniWriteBool(std::string_view section, std::string_view key, bool value);

private:
    [[noreturn]] void FailToWrite() const;

    std::string path_;
};
