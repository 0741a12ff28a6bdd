#include "settings/IniText.h"

#include <algorithm>
#include <initializer_list>

namespace ini {
namespace {

constexpr std::string_view kDefaultLineEnding = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsQuoted(std::string_view value) {
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

std::string_view Unquoted(std::string_view value) {
    return IsQuoted(value) ? value.substr(1, value.size() - 2) : value;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// One line of the text, as offsets into it.
struct Line {
    std::size_t begin;
    std::size_t contentEnd;  // where its line ending starts
    std::size_t end;         // where the next line starts

    bool HasEnding() const { return end > contentEnd; }
};

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    std::optional<Line> Next() {
        if (next_ >= text_.size()) {
            return std::nullopt;
        }
        Line line{next_, text_.size(), text_.size()};
        auto stop = next_;
        while (stop < text_.size() && text_[stop] != '\r' && text_[stop] != '\n') {
            ++stop;
        }
        if (stop < text_.size()) {
            line.contentEnd = stop;
            line.end = stop + 1;
            if (text_[stop] == '\r' && line.end < text_.size() && text_[line.end] == '\n') {
                ++line.end;
            }
        }
        next_ = line.end;
        return line;
    }

private:
    std::string_view text_;
    std::size_t next_ = 0;
};

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    // The value as it stands between the blanks after "=" and at the end of
    // the line, quotes included; offsets into the text.
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
};

ParsedLine Parse(std::string_view text, const Line& line) {
    const auto content = text.substr(line.begin, line.contentEnd - line.begin);
    const auto start = content.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return {LineKind::Blank, {}, 0, 0};
    }
    if (content[start] == ';') {
        return {LineKind::Comment, {}, 0, 0};
    }
    const auto close = content.rfind(']');
    if (content[start] == '[' && close != std::string_view::npos && close > start) {
        return {LineKind::Section, Trimmed(content.substr(start + 1, close - start - 1)), 0, 0};
    }
    const auto equals = content.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const auto value = content.substr(equals + 1);
    const auto valueStart = std::min(value.find_first_not_of(" \t"), value.size());
    const auto trimmedValue = Trimmed(value);
    const auto valueBegin = line.begin + equals + 1 + valueStart;
    return {LineKind::Key, Trimmed(content.substr(0, equals)), valueBegin,
            valueBegin + trimmedValue.size()};
}

// Where a key stands, or would go, in the text.
struct Location {
    // The last line that belongs to the section itself: its last line that
    // is neither blank nor a comment, else its section line. Nothing when the
    // section is missing.
    std::optional<Line> anchor;
    std::optional<ParsedLine> key;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
    Location location;
    LineReader lines(text);
    bool inSection = false;
    while (const auto line = lines.Next()) {
        const auto parsed = Parse(text, *line);
        if (parsed.kind == LineKind::Section) {
            if (inSection) {
                break;
            }
            if (SameName(parsed.name, section)) {
                inSection = true;
                location.anchor = line;
            }
            continue;
        }
        if (!inSection || parsed.kind == LineKind::Blank || parsed.kind == LineKind::Comment) {
            continue;
        }
        location.anchor = line;
        if (parsed.kind == LineKind::Key && SameName(parsed.name, key)) {
            location.key = parsed;
            break;
        }
    }
    return location;
}

std::string_view FirstLineEnding(std::string_view text) {
    const auto at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) {
        return kDefaultLineEnding;
    }
    if (text[at] == '\n') {
        return "\n";
    }
    return text.substr(at + 1, 1) == "\n" ? "\r\n" : "\r";
}

// The line ending that the text ends with, if it ends with one.
std::optional<std::string_view> FinalLineEnding(std::string_view text) {
    if (text.ends_with("\r\n")) {
        return "\r\n";
    }
    if (text.ends_with('\n')) {
        return "\n";
    }
    if (text.ends_with('\r')) {
        return "\r";
    }
    return std::nullopt;
}

std::string Joined(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (const auto part : parts) {
        size += part.size();
    }
    std::string result;
    result.reserve(size);
    for (const auto part : parts) {
        result.append(part);
    }
    return result;
}

std::string Encoded(std::string_view value) {
    const bool needsQuotes =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsQuoted(value));
    return needsQuotes ? Joined({"\"", value, "\""}) : std::string(value);
}

std::string KeyLine(std::string_view key, std::string_view value) {
    return Joined({key, "=", Encoded(value)});
}

std::string Spliced(std::string_view text, std::size_t begin, std::size_t end,
                    std::string_view replacement) {
    std::string result;
    result.reserve(text.size() - (end - begin) + replacement.size());
    result.append(text.substr(0, begin));
    result.append(replacement);
    result.append(text.substr(end));
    return result;
}

std::optional<std::string> Replaced(std::string_view text, const ParsedLine& key,
                                    std::string_view value) {
    const auto current = text.substr(key.valueBegin, key.valueEnd - key.valueBegin);
    if (Unquoted(current) == value) {
        return std::nullopt;
    }
    // Within quotes that are already there any value reads back as it is.
    if (IsQuoted(current)) {
        return Spliced(text, key.valueBegin + 1, key.valueEnd - 1, value);
    }
    return Spliced(text, key.valueBegin, key.valueEnd, Encoded(value));
}

std::string Inserted(std::string_view text, const Line& anchor, std::string_view newLine) {
    if (anchor.HasEnding()) {
        const auto ending = text.substr(anchor.contentEnd, anchor.end - anchor.contentEnd);
        return Spliced(text, anchor.end, anchor.end, Joined({newLine, ending}));
    }
    // The anchor is the last line and has no line break yet.
    const auto ending = FirstLineEnding(text);
    return Joined({text, ending, newLine, ending});
}

std::string Appended(std::string_view text, std::string_view section, std::string_view newLine) {
    const auto finalEnding = FinalLineEnding(text);
    const auto ending = finalEnding.value_or(FirstLineEnding(text));
    const auto lineBreak = text.empty() || finalEnding ? std::string_view() : ending;
    return Joined({text, lineBreak, "[", section, "]", ending, newLine, ending});
}

}  // namespace

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    const auto location = Locate(text, section, key);
    if (!location.key) {
        return std::nullopt;
    }
    const auto& found = *location.key;
    return Unquoted(text.substr(found.valueBegin, found.valueEnd - found.valueBegin));
}

std::optional<std::string> WithValue(std::string_view text, std::string_view section,
                                     std::string_view key, std::string_view value) {
    const auto location = Locate(text, section, key);
    if (location.key) {
        return Replaced(text, *location.key, value);
    }
    if (location.anchor) {
        return Inserted(text, *location.anchor, KeyLine(key, value));
    }
    return Appended(text, section, KeyLine(key, value));
}

bool FitsOnOneLine(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

}  // namespace ini
