#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <utility>

#include "platform/Files.h"

namespace platform {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (IsOpen()) {
            CloseHandle(handle_);
        }
    }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// Another program (the game, an antivirus scanner, a backup tool) may hold the
// file for a moment. Such a refusal is tried again for about half a second
// before the write counts as failed.
constexpr int kAttempts = 10;
constexpr DWORD kPauseMilliseconds = 50;

bool IsBriefRefusal(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

template <typename Operation>
bool Retrying(Operation operation) {
    for (int attempt = 1;; ++attempt) {
        if (operation()) {
            return true;
        }
        if (attempt == kAttempts || !IsBriefRefusal(GetLastError())) {
            return false;
        }
        Sleep(kPauseMilliseconds);
    }
}

constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE OpenExisting(const std::string& path, DWORD access, DWORD share) {
    HANDLE opened = INVALID_HANDLE_VALUE;
    Retrying([&] {
        opened = CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        return opened != INVALID_HANDLE_VALUE;
    });
    return opened;
}

std::optional<std::string> ReadAll(HANDLE file) {
    std::string content;
    std::array<char, 65536> chunk{};
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) {
            return content;
        }
        content.append(chunk.data(), got);
    }
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    constexpr std::size_t kChunk = 1u << 20;
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool SeekTo(HANDLE file, std::size_t offset) {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) != FALSE;
}

bool WriteAllFromStart(HANDLE file, std::string_view bytes) {
    return SeekTo(file, 0) && WriteAll(file, bytes) && SetEndOfFile(file);
}

bool IsRegularFile(HANDLE file) {
    return GetFileType(file) == FILE_TYPE_DISK;
}

// For a file that other hard links share, which a replacement would part from
// them, or when no temporary file can be made beside it. The new size is
// reserved before anything is overwritten, so that a full disk refuses the
// write while the file is still intact; should a write fail after that, the
// old bytes are put back.
bool RewriteInPlace(const std::string& path, std::string_view bytes) {
    FileHandle file(OpenExisting(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ));
    if (!file.IsOpen()) {
        return false;
    }
    const auto old = ReadAll(file.Get());
    if (!old) {
        return false;
    }
    if (bytes.size() > old->size() &&
        !(SeekTo(file.Get(), bytes.size()) && SetEndOfFile(file.Get()))) {
        static_cast<void>(SeekTo(file.Get(), old->size()) && SetEndOfFile(file.Get()));
        return false;
    }
    if (!WriteAllFromStart(file.Get(), bytes)) {
        static_cast<void>(WriteAllFromStart(file.Get(), *old));
        return false;
    }
    return FlushFileBuffers(file.Get()) != FALSE;
}

DWORD LinkCount(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!file.IsOpen() || !GetFileInformationByHandle(file.Get(), &information)) {
        return 1;
    }
    return information.nNumberOfLinks;
}

// A new file beside the target ("Baldur.ini.1f3a9c07.tmp"), deleted when the
// object goes unless it has taken the target's place.
class TempFile {
public:
    static std::optional<TempFile> CreateBeside(const std::string& target) {
        std::random_device randomSource;
        // A name that exists already is the only refusal worth another try.
        for (int attempt = 0; attempt < 4; ++attempt) {
            std::array<char, 16> suffix{};
            std::snprintf(suffix.data(), suffix.size(), ".%08x.tmp", randomSource());
            std::string name = target + suffix.data();
            const HANDLE created = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                               FILE_ATTRIBUTE_NORMAL, nullptr);
            if (created != INVALID_HANDLE_VALUE) {
                return std::optional<TempFile>(std::in_place, std::move(name), created);
            }
            if (GetLastError() != ERROR_FILE_EXISTS) {
                break;
            }
        }
        return std::nullopt;
    }

    TempFile(std::string name, HANDLE handle) : name_(std::move(name)), handle_(handle) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
        if (!committed_) {
            DeleteFileA(name_.c_str());
        }
    }

    // Writes and flushes the bytes, then puts the file in the target's place.
    // ReplaceFileA keeps the target's attributes, security and streams; the
    // attributes are also given to the new file beforehand, for systems whose
    // ReplaceFileA is a plain rename (Wine).
    bool CommitOver(const std::string& target, DWORD targetAttributes, std::string_view bytes) {
        const bool written = WriteAll(handle_, bytes) && FlushFileBuffers(handle_);
        CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
        if (!written) {
            return false;
        }
        static_cast<void>(SetFileAttributesA(name_.c_str(), targetAttributes & kKeptAttributes));
        committed_ = Retrying([&] {
            return ReplaceFileA(target.c_str(), name_.c_str(), nullptr,
                                REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
        });
        return committed_ || TakeEmptyPlace(target);
    }

private:
    // Without a backup name, ReplaceFileA can fail after it has removed the
    // target (ERROR_UNABLE_TO_MOVE_REPLACEMENT); the new content then exists
    // only under the temporary name. It is moved into the empty place, or,
    // should that fail too, kept rather than deleted.
    bool TakeEmptyPlace(const std::string& target) {
        if (GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return false;
        }
        committed_ = true;
        return MoveFileExA(name_.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
    }

    std::string name_;
    HANDLE handle_;
    bool committed_ = false;
};

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& hostPath) {
    FileHandle file(OpenExisting(hostPath, GENERIC_READ, kShareAll));
    if (!file.IsOpen() || !IsRegularFile(file.Get())) {
        return std::nullopt;
    }
    return ReadAll(file.Get());
}

bool IsWritableFile(const std::string& hostPath) {
    const DWORD attributes = GetFileAttributesA(hostPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return false;
    }
    FileHandle file(OpenExisting(hostPath, GENERIC_WRITE, kShareAll));
    return file.IsOpen() && IsRegularFile(file.Get());
}

bool ReplaceWholeFile(const std::string& hostPath, std::string_view bytes) {
    if (!IsWritableFile(hostPath)) {
        return false;
    }
    if (LinkCount(hostPath) > 1) {
        return RewriteInPlace(hostPath, bytes);
    }
    auto temp = TempFile::CreateBeside(hostPath);
    if (!temp) {
        return RewriteInPlace(hostPath, bytes);
    }
    return temp->CommitOver(hostPath, GetFileAttributesA(hostPath.c_str()), bytes);
}

}  // namespace platform
