#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <optional>
#include <string>

// A Wine-style prefix in a temporary folder: its dosdevices/ links give the
// drives the platform layer sees while the object lives. The working folder
// and $WINEPREFIX are restored when it goes.
class TempPrefix {
public:
    TempPrefix();
    ~TempPrefix();
    TempPrefix(const TempPrefix&) = delete;
    TempPrefix& operator=(const TempPrefix&) = delete;

    // The host path of a place below the temporary folder.
    std::filesystem::path Host(const std::string& relative) const;
    // Creates a folder (with its parents), or a file with the content, below
    // the temporary folder and returns its host path.
    std::filesystem::path MakeFolder(const std::string& relative) const;
    std::filesystem::path MakeFile(const std::string& relative,
                                   const std::string& content = "x") const;
    // Links drive letter: to a host folder, which need not exist.
    void AddDrive(char letter, const std::filesystem::path& folder) const;
    // Makes a folder below the temporary folder the process's working folder.
    void EnterFolder(const std::string& relative) const;

private:
    QTemporaryDir dir_;
    std::filesystem::path savedWorkingFolder_;
    std::optional<QByteArray> savedPrefix_;
};
