#include "platform/WindowsPath.h"

#include <algorithm>

namespace platform {
namespace {

bool IsSeparator(char character) {
    return character == '\\' || character == '/';
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':';
}

bool IsNetworkPath(std::string_view path) {
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

std::vector<std::string> SplitNames(std::string_view text) {
    std::vector<std::string> names;
    std::string name;
    for (const char character : text) {
        if (IsSeparator(character)) {
            if (!name.empty()) {
                names.push_back(name);
            }
            name.clear();
        } else {
            name.push_back(character);
        }
    }
    if (!name.empty()) {
        names.push_back(name);
    }
    return names;
}

// Windows ignores dots and blanks at the end of a name ("CD1." is "CD1").
std::string WithoutTrailingDotsAndBlanks(std::string name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        name.pop_back();
    }
    return name;
}

std::vector<std::string> ResolveDots(const std::vector<std::string>& names) {
    std::vector<std::string> resolved;
    for (const auto& name : names) {
        if (name == "..") {
            if (!resolved.empty()) {
                resolved.pop_back();
            }
        } else if (name != ".") {
            auto trimmed = WithoutTrailingDotsAndBlanks(name);
            if (!trimmed.empty()) {
                resolved.push_back(std::move(trimmed));
            }
        }
    }
    return resolved;
}

std::string Join(const FullPathParts& parts) {
    const bool isDrive = HasDrive(parts.root);
    std::string path = parts.root;
    for (const auto& name : parts.names) {
        path += '\\';
        path += name;
    }
    if (parts.names.empty() ? isDrive : parts.trailingSeparator) {
        path += '\\';
    }
    return path;
}

// The root of the working folder: its drive, or its network share.
std::string_view RootOf(std::string_view folder) {
    if (HasDrive(folder)) {
        return folder.substr(0, 2);
    }
    const auto root = SplitFullPath(folder).root;
    return folder.substr(0, root.size());
}

bool SameLetterIgnoringCase(char a, char b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(a) == lower(b);
}

// The path made absolute, its names not yet resolved.
std::string Absolute(std::string_view path, std::string_view currentFolder) {
    if (IsFullyQualified(path)) {
        return std::string(path);
    }
    if (HasDrive(path)) {
        const bool onCurrentDrive =
            HasDrive(currentFolder) && SameLetterIgnoringCase(path[0], currentFolder[0]);
        const std::string base =
            onCurrentDrive ? std::string(currentFolder) : std::string(path.substr(0, 2)) + '\\';
        return base + '\\' + std::string(path.substr(2));
    }
    if (currentFolder.empty()) {
        return {};
    }
    if (IsSeparator(path[0])) {
        return std::string(RootOf(currentFolder)) + std::string(path);
    }
    return std::string(currentFolder) + '\\' + std::string(path);
}

}  // namespace

bool IsFullyQualified(std::string_view path) {
    return IsNetworkPath(path) || (HasDrive(path) && path.size() >= 3 && IsSeparator(path[2]));
}

FullPathParts SplitFullPath(std::string_view fullPath) {
    FullPathParts parts;
    std::vector<std::string> names;
    if (IsNetworkPath(fullPath)) {
        names = SplitNames(fullPath);
        parts.root = "\\";
        for (std::size_t i = 0; i < names.size() && i < 2; ++i) {
            parts.root += '\\' + names[i];
        }
        names.erase(names.begin(), names.begin() + std::min<std::ptrdiff_t>(2, std::ssize(names)));
    } else if (HasDrive(fullPath)) {
        parts.root = std::string(fullPath.substr(0, 2));
        names = SplitNames(fullPath.substr(2));
    } else {
        names = SplitNames(fullPath);
    }
    parts.names = ResolveDots(names);
    parts.trailingSeparator = !fullPath.empty() && IsSeparator(fullPath.back());
    return parts;
}

std::string FullPathFrom(std::string_view path, std::string_view currentFolder) {
    if (path.empty()) {
        return {};
    }
    const std::string absolute = Absolute(path, currentFolder);
    if (absolute.empty()) {
        return {};
    }
    return Join(SplitFullPath(absolute));
}

char DriveOfPath(std::string_view path) {
    return HasDrive(path) ? path[0] : '\0';
}

}  // namespace platform
