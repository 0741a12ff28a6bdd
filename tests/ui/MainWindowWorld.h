#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "tests/ui/TempPrefix.h"

// The per-user store in a temporary folder: $XDG_CONFIG_HOME points there
// while the object lives and is restored when it goes.
class TempUserStore {
public:
    TempUserStore();
    ~TempUserStore();
    TempUserStore(const TempUserStore&) = delete;
    TempUserStore& operator=(const TempUserStore&) = delete;

    std::filesystem::path Root() const;

private:
    QTemporaryDir dir_;
    std::optional<QByteArray> saved_;
};

// What the main window meets on a player's machine, all in temporary folders:
// drive C: with the game's Baldur.ini at C:\Games\BG\Baldur.ini, drive E:
// with the folders CD1 to CD5, and a user store that remembers nothing yet.
// The working folder is C:\Games\BG.
class MainWindowWorld {
public:
    static constexpr std::string_view kIniPath = "C:\\Games\\BG\\Baldur.ini";

    MainWindowWorld();

    // The host path of a place on drive C:, given relative to its root.
    std::filesystem::path OnDriveC(const std::string& relative) const;
    std::filesystem::path OnDriveE(const std::string& relative) const;

    void WriteIni(std::string_view bytes) const {
        WriteFile(OnDriveC("Games/BG/Baldur.ini"), bytes);
    }
    std::string ReadIni() const { return ReadFile(OnDriveC("Games/BG/Baldur.ini")); }
    static void WriteFile(const std::filesystem::path& path, std::string_view bytes);
    static std::string ReadFile(const std::filesystem::path& path);

    // The remembered location of Baldur.ini, as the window reads it.
    static void Remember(std::string_view path);
    static std::string Remembered();

    TempPrefix prefix;
    TempUserStore store;
};

// A small Baldur.ini from Windows (CR LF) with the given texts of Path Search
// Nodes, CD1: and Inventory Pause Warning. The other aliases show what the
// window must keep byte for byte: CD2: with Czech letters of Windows-1250,
// CD3: with the five bytes Windows-1250 leaves undefined, CD4: a folder that
// exists on E:, and CD5: empty. By default CD1: lacks its trailing backslash.
std::string SmallIni(std::string_view nodes, std::string_view cd1 = "E:\\CD1",
                     std::string_view pause = "0");

// The text with its first occurrence of `from` replaced by `to`.
std::string Replaced(std::string text, std::string_view from, std::string_view to);

// Texts in test failures as text, not as bytes.
void PrintTo(const QString& text, std::ostream* out);
