#include "ui/widgets/FolderPath.h"

#include <utility>

#include "platform/LetterCase.h"
#include "platform/Paths.h"

namespace {

bool IsRootForm(std::string_view path) {
    return path.ends_with(":\\");
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool SameDrive(char a, char b) {
    return LowerAscii(a) == LowerAscii(b);
}

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool SamePathIgnoringCase(std::string_view a, std::string_view b) {
    return a == b || platform::LowerSystemText(a) == platform::LowerSystemText(b);
}

FolderPath::FolderPath(std::string workingFolder, char fallbackDrive)
    : drive_(fallbackDrive), current_(std::move(workingFolder)) {
    if (!current_.empty() && IsDriveLetter(current_.front())) {
        drive_ = current_.front();
    } else if (current_.empty()) {
        current_ = RootText();
    }
}

std::string FolderPath::RootText() const {
    return std::string{drive_} + ":\\";
}

FolderPath::Change FolderPath::SetCurrentFolder(std::string_view path) {
    if (path.empty()) {
        return Change::None;
    }
    std::string full = IsRootForm(path) ? std::string(path) : platform::FullPathName(path);
    if (full.empty()) {
        return Change::None;  // the system could not make a full path of it
    }
    if (full.size() > 3 && full.ends_with('\\')) {
        full.pop_back();
    }
    if (SamePathIgnoringCase(full, current_)) {
        return Change::None;
    }
    current_ = std::move(full);
    const char first = current_.front();
    if (IsDriveLetter(first) && !SameDrive(first, drive_)) {
        drive_ = first;
        return Change::Drive;
    }
    return Change::Folder;
}

FolderPath::Change FolderPath::SetDrive(char letter) {
    if (!IsDriveLetter(letter) || SameDrive(letter, drive_)) {
        return Change::None;
    }
    drive_ = letter;
    current_ = RootText();
    return Change::Drive;
}

std::string FolderPath::NodePath(std::string_view rootText, const std::vector<std::string>& names) {
    std::string path(rootText);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            path += '\\';
        }
        path += names[i];
    }
    return path;
}
