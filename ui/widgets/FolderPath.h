#pragma once

#include <string>
#include <string_view>
#include <vector>

// The folder tree's drive and current folder, as Windows paths in system text,
// with the rules by which they change. Kept apart from the widget so that the
// rules can be tested without one.
class FolderPath {
public:
    // What a change did, so that the tree knows whether to show another drive.
    enum class Change { None, Folder, Drive };

    // Starts in the given folder (the process's working folder at start-up).
    // A folder without a drive letter (a network path) leaves the tree on the
    // fallback drive, since a tree needs a drive to show.
    FolderPath(std::string workingFolder, char fallbackDrive);

    char Drive() const { return drive_; }
    const std::string& CurrentFolder() const { return current_; }

    // The drive's root, "x:\" in the letter case held.
    std::string RootText() const;

    // Makes a path the current folder. Relative paths are taken against the
    // process's working folder; a path differing from the current folder only
    // in letter case or a trailing backslash changes nothing. A path on
    // another drive switches the drive; a network path keeps it.
    Change SetCurrentFolder(std::string_view path);

    // Switches to another drive, whose root becomes the current folder. A
    // character that is no letter, or the drive held, changes nothing.
    Change SetDrive(char letter);

    // The folder of a tree node: the root text followed by the names from the
    // top level down, joined by single backslashes.
    static std::string NodePath(std::string_view rootText, const std::vector<std::string>& names);

private:
    char drive_;
    std::string current_;
};

// Whether a character is a drive letter, A to Z in either case, and whether
// two characters name the same drive.
bool IsDriveLetter(char c);
bool SameDrive(char a, char b);

// Whether two system-text paths are the same when letter case is ignored, as
// Windows compares file names.
bool SamePathIgnoringCase(std::string_view a, std::string_view b);
