#pragma once

#include <string>
#include <string_view>

// Where the program remembers, for each user, which Baldur.ini it works on:
// a string value below HKEY_CURRENT_USER (on other systems, the same value in
// the user's own file store).
inline constexpr std::string_view kRememberedLocationKey = "Software\\Trimbelo\\Quillon\\";
inline constexpr std::string_view kRememberedLocationName = "BGpath";
inline constexpr std::string_view kDefaultGameSettingsPath =
    "C:\\Program Files\\Baldur's Gate\\Baldur.ini";

// The string stored under the name in the key, below HKEY_CURRENT_USER. The
// key is opened afresh, created with any missing keys above it when it does
// not exist, and closed again. Returns the default when no value of that name
// exists, or when the key can neither be opened nor created; the empty text
// for a value without data, whatever its type; else the text of a string or
// expandable string (not expanded) up to its first NUL. Fails with Error
// "Failed to get data for '%s'" when the data cannot be fetched, and "Invalid
// data type for '%s'" for a value of any other type, the value name in place
// of %s.
std::string RegReadString(std::string_view key, std::string_view name,
                          std::string_view defaultValue);

// Stores the text, followed by one NUL, as a string value under the name in
// the key, replacing any earlier value of that name whatever its type. Fails
// with Error "Failed to create key %s", the key path as given in place of %s,
// when the key can neither be opened nor created, and "Failed to set data for
// '%s'", the value name in place of %s, when the value cannot be stored.
void RegWriteString(std::string_view key, std::string_view name, std::string_view data);
