#include "platform/posix/HostPath.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/LetterCase.h"
#include "platform/TextCodec.h"

namespace platform {
namespace {

std::string WorkingFolder() {
    std::string folder(PATH_MAX, '\0');
    if (getcwd(folder.data(), folder.size()) == nullptr) {
        return "/";
    }
    folder.resize(folder.find('\0'));
    return folder;
}

std::optional<std::string> RealPathOf(const std::string& path) {
    const std::unique_ptr<char, void (*)(void*)> real(realpath(path.c_str(), nullptr), std::free);
    if (!real) {
        return std::nullopt;
    }
    return std::string(real.get());
}

std::string ParentOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Child(const std::string& folder, std::string_view name) {
    return (folder == "/" ? folder : folder + '/') + std::string(name);
}

}  // namespace

std::string AbsoluteHostPath(std::string_view path) {
    const std::string whole = !path.empty() && path.front() == '/'
                                  ? std::string(path)
                                  : WorkingFolder() + '/' + std::string(path);
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= whole.size()) {
        const auto end = std::min(whole.find('/', start), whole.size());
        const std::string name = whole.substr(start, end - start);
        if (name == "..") {
            if (!names.empty()) {
                names.pop_back();
            }
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    std::string absolute;
    for (const auto& name : names) {
        absolute += '/' + name;
    }
    return absolute.empty() ? "/" : absolute;
}

std::string RealHostPath(std::string_view path) {
    const std::string absolute = AbsoluteHostPath(path);
    if (const auto real = RealPathOf(absolute)) {
        return *real;
    }
    if (absolute == "/") {
        return absolute;
    }
    const auto slash = absolute.rfind('/');
    return Child(RealHostPath(ParentOf(absolute)), std::string_view(absolute).substr(slash + 1));
}

std::optional<std::string> PathBelow(std::string_view path, std::string_view folder) {
    if (folder == "/") {
        return path == "/" ? std::string() : std::string(path);
    }
    if (path.substr(0, folder.size()) != folder) {
        return std::nullopt;
    }
    const auto rest = path.substr(folder.size());
    if (!rest.empty() && rest.front() != '/') {
        return std::nullopt;
    }
    return std::string(rest);
}

std::optional<std::string> EntryIgnoringCase(const std::string& folder, std::string_view name) {
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(opendir(folder.c_str()), closedir);
    if (!entries) {
        return std::nullopt;
    }
    const auto wanted = LowerCase(DecodeSystemText(name));
    while (const dirent* entry = readdir(entries.get())) {
        if (LowerCase(DecodeSystemText(entry->d_name)) == wanted) {
            return std::string(entry->d_name);
        }
    }
    return std::nullopt;
}

}  // namespace platform
