#include "tests/ui/TempPrefix.h"

#include <QtGlobal>
#include <fstream>

TempPrefix::TempPrefix() : savedWorkingFolder_(std::filesystem::current_path()) {
    if (qEnvironmentVariableIsSet("WINEPREFIX")) {
        savedPrefix_ = qgetenv("WINEPREFIX");
    }
    MakeFolder("prefix/dosdevices");
    qputenv("WINEPREFIX", QByteArray::fromStdString(Host("prefix").string()));
}

TempPrefix::~TempPrefix() {
    std::filesystem::current_path(savedWorkingFolder_);
    if (savedPrefix_) {
        qputenv("WINEPREFIX", *savedPrefix_);
    } else {
        qunsetenv("WINEPREFIX");
    }
}

std::filesystem::path TempPrefix::Host(const std::string& relative) const {
    return std::filesystem::path(dir_.path().toStdString()) / relative;
}

std::filesystem::path TempPrefix::MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(Host(relative));
    return Host(relative);
}

std::filesystem::path TempPrefix::MakeFile(const std::string& relative,
                                           const std::string& content) const {
    std::filesystem::create_directories(Host(relative).parent_path());
    std::ofstream(Host(relative)) << content;
    return Host(relative);
}

void TempPrefix::AddDrive(char letter, const std::filesystem::path& folder) const {
    std::filesystem::create_directory_symlink(
        folder, Host("prefix/dosdevices") / (std::string{letter} + ":"));
}

void TempPrefix::EnterFolder(const std::string& relative) const {
    std::filesystem::current_path(Host(relative));
}
