#pragma once

#include <memory>

class Modals;
class TAboutBox;
class TForm1;
class Tadresar;

// The style the program's controls are drawn in: the classic Windows look,
// the same on every desktop.
inline constexpr const char* kProgramStyle = "Windows";

// Gives the application what the desktop shows of it: its title, the desktop
// entry it belongs to, and its icon, and the program's style. The title is
// not set as Qt's display name, which some desktops would append to every
// window's caption.
void SetUpApplication();

// The program's three windows, created once in the order main window, About
// box, folder chooser, and reachable program-wide through Form1, AboutBox and
// adresar while they live. All start hidden; the two dialogs are only ever
// shown modally, by the main window.
class ProgramWindows {
public:
    explicit ProgramWindows(Modals& modals);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    TForm1& Main() const { return *form_; }

private:
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TAboutBox> about_;
    std::unique_ptr<Tadresar> chooser_;
};
