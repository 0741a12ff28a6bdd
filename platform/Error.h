#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Failures are exceptions that carry the text the user is shown.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A value that cannot be converted to what the operation needs, such as a
// character that names no drive.
class ConversionError : public Error {
public:
    using Error::Error;
};

// Returns the message template with its "%s" replaced by the argument.
std::string FillPlaceholder(std::string_view messageTemplate, std::string_view argument);
