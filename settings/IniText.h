#pragma once

#include <optional>
#include <string>
#include <string_view>

// The INI syntax of the game's settings file, on the file's bytes. Reading
// follows the Windows private-profile functions, which the game itself reads
// with; writing patches the bytes of the one value, or adds the one line (or
// the section and its line), so that everything else in the file, down to its
// comments, spacing, letter case and line endings, stays as it was.
//
// A line ends at CR, LF or CRLF. A line whose first non-blank character is
// "[" and which holds a "]" starts a section, named by what lies between the
// "[" and the last "]"; a line whose first non-blank character is ";" is a
// comment; a line holding "=" is a key, named by what lies before the first
// "=". Names and values are read without the blanks (spaces and tabs) around
// them, and a value enclosed in a matching pair of single or double quotes
// without them. Section and key names match without regard to the letter case
// of A to Z. Only the first section of a name counts, and the first key of a
// name within it; lines before the first section belong to no section.
namespace ini {

// The value text of a key, or nothing when the section or the key is not in
// the text.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// The text with the key holding the value: the value bytes of a present key
// replaced on its own line; a new key line after the last line of the
// section's own (before the blank and comment lines that end it); or, when
// the section is missing, the section line and the key line at the end.
// Added lines end the way the line before them does, else the way the text's
// first line does, else with CRLF. A value with blanks at either end, or
// enclosed in a matching pair of quotes, is written in double quotes so that
// it reads back unchanged. Nothing when the key already holds the value.
// The section, key and value must not hold CR, LF or NUL.
std::optional<std::string> WithValue(std::string_view text, std::string_view section,
                                     std::string_view key, std::string_view value);

// Whether a name or value can be written without breaking lines: it holds no
// CR, LF or NUL.
bool FitsOnOneLine(std::string_view text);

}  // namespace ini
