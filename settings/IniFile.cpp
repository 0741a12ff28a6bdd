#include "settings/IniFile.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "settings/IniText.h"
#include "settings/IntegerText.h"

std::string IniFile::IniReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
    const auto content = platform::ReadWholeFile(platform::ToHostPath(path_));
    std::optional<std::string_view> value;
    if (content) {
        value = ini::FindValue(*content, section, key);
    }
    return std::string(value.value_or(defaultValue).substr(0, kLongestValue));
}

std::int32_t IniFile::IniReadInteger(std::string_view section, std::string_view key,
                                     std::int32_t defaultValue) const {
    return ParseIntegerText(IniReadString(section, key, "")).value_or(defaultValue);
}

bool IniFile::IniReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return IniReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::IniWriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
    if (!ini::FitsOnOneLine(section) || !ini::FitsOnOneLine(key)) {
        FailToWrite();
    }
    const auto hostPath = platform::ToHostPath(path_);
    const auto content = platform::ReadWholeFile(hostPath);
    if (!content) {
        FailToWrite();
    }
    // A value the key already holds is written back as no change, even one
    // with a NUL byte that the file had from elsewhere: saving values the
    // user did not touch must not fail.
    const bool held = ini::FindValue(*content, section, key) == value;
    if (!held && !ini::FitsOnOneLine(value)) {
        FailToWrite();
    }
    const auto changed = held ? std::nullopt : ini::WithValue(*content, section, key, value);
    // Even a write that changes nothing fails on a file that would not have
    // taken it, so that a read-only file is reported at the first write.
    const bool written = changed ? platform::ReplaceWholeFile(hostPath, *changed)
                                 : platform::IsWritableFile(hostPath);
    if (!written) {
        FailToWrite();
    }
}

void IniFile::IniWriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    IniWriteString(section, key, FormatIntegerText(value));
}

void IniFile::IniWriteBool(std::string_view section, std::string_view key, bool value) {
    IniWriteString(section, key, value ? "1" : "0");
}

void IniFile::FailToWrite() const {
    throw Error(FillPlaceholder("Unable to write to %s", path_));
}
