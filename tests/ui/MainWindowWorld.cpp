#include "tests/ui/MainWindowWorld.h"

#include <QtGlobal>
#include <fstream>
#include <sstream>

#include "settings/Registry.h"

TempUserStore::TempUserStore() {
    if (qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        saved_ = qgetenv("XDG_CONFIG_HOME");
    }
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
}

TempUserStore::~TempUserStore() {
    if (saved_) {
        qputenv("XDG_CONFIG_HOME", *saved_);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

std::filesystem::path TempUserStore::Root() const {
    return dir_.path().toStdString();
}

MainWindowWorld::MainWindowWorld() {
    prefix.MakeFolder("drive_c/Games/BG");
    for (const char* folder : {"cds/CD1", "cds/CD2", "cds/CD3", "cds/CD4", "cds/CD5"}) {
        prefix.MakeFolder(folder);
    }
    prefix.AddDrive('c', prefix.Host("drive_c"));
    prefix.AddDrive('e', prefix.Host("cds"));
    prefix.EnterFolder("drive_c/Games/BG");
}

std::filesystem::path MainWindowWorld::OnDriveC(const std::string& relative) const {
    return prefix.Host("drive_c/" + relative);
}

std::filesystem::path MainWindowWorld::OnDriveE(const std::string& relative) const {
    return prefix.Host("cds/" + relative);
}

void MainWindowWorld::WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string MainWindowWorld::ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void MainWindowWorld::Remember(std::string_view path) {
    RegWriteString(kRememberedLocationKey, kRememberedLocationName, path);
}

std::string MainWindowWorld::Remembered() {
    return RegReadString(kRememberedLocationKey, kRememberedLocationName, "(nothing)");
}

std::string SmallIni(std::string_view nodes, std::string_view cd1, std::string_view pause) {
    return "[Program Options]\r\n"
           "Path Search Nodes=" +
           std::string(nodes) +
           "\r\n"
           "Tooltips=60\r\n"
           "\r\n"
           "[Game Options]\r\n"
           "Inventory Pause Warning=" +
           std::string(pause) +
           "\r\n"
           "\r\n"
           "[Alias]\r\n"
           "HD0:=C:\\Hry\\Baldurova br\xE1na\\\r\n"
           "CD1:=" +
           std::string(cd1) +
           "\r\n"
           "CD2:=C:\\Hry\\Baldurova br\xE1na\\\xC8\xE1st 2\\\r\n"
           "CD3:=C:\\Hry\\\x81\x83\x88\x90\x98\\\r\n"
           "CD4:=E:\\CD4\\\r\n"
           "CD5:=\r\n";
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
