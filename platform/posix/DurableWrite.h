#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// What the file store of the user's settings and the replacement of the game's
// settings file share: writing a new version beside a file and renaming it
// into place, so that a crash or a full disk never leaves half a file.
namespace platform::posix {

// Owns an open file descriptor and closes it when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept;
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd();

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now, reporting whether the close succeeded (a deferred write
    // error can surface only here).
    bool Close();

private:
    int fd_ = -1;
};

// Writes all bytes at the current position, or at an offset, retrying after
// interruptions and short writes.
bool WriteAll(int fd, std::string_view bytes);
bool WriteAllAt(int fd, std::string_view bytes, long long offset);

// The whole remaining content of an open file.
std::optional<std::string> ReadAll(int fd);

// The folder part of a path, "." when it has none.
std::string FolderOf(const std::string& path);

// Flushes a folder's entries, so that a rename in it survives a crash. Best
// effort: some file systems cannot flush a folder, and the rename has already
// happened by then.
void SyncFolder(const std::string& folder);

// A temporary file in the folder of the file it will replace, named after it
// (".Baldur.ini.Xk3b9Q" beside "Baldur.ini"), created for the owner only. It
// is removed when the object goes unless it was renamed into place. Making
// one first removes the target's temporary files that a killed process left
// behind.
class TempFile {
public:
    static std::optional<TempFile> CreateBeside(const std::string& targetPath);

    TempFile(TempFile&& other) noexcept;
    TempFile& operator=(TempFile&&) = delete;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile();

    int Descriptor() const { return fd_.Get(); }
    // Flushes the temporary file, renames it over the target and flushes the
    // folder. On false the target is as it was.
    bool CommitOver(const std::string& targetPath);

private:
    TempFile(std::string path, UniqueFd fd) : path_(std::move(path)), fd_(std::move(fd)) {}
    std::string path_;
    UniqueFd fd_;
    bool committed_ = false;
};

}  // namespace platform::posix
