#include "ui/Startup.h"

#include <QApplication>

#include "ui/MessageBoxes.h"
#include "ui/Pictures.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

void SetUpApplication() {
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("kestrune"));
    QApplication::setWindowIcon(Pictures::ProgramIcon());
    QApplication::setStyle(QString::fromLatin1(kProgramStyle));
}

ProgramWindows::ProgramWindows(Modals& modals)
    : form_(std::make_unique<TForm1>(modals, AboutBox, adresar)) {
    Form1 = form_.get();
    about_ = std::make_unique<TAboutBox>();
    AboutBox = about_.get();
    chooser_ = std::make_unique<Tadresar>(modals);
    adresar = chooser_.get();
}

ProgramWindows::~ProgramWindows() {
    adresar = nullptr;
    AboutBox = nullptr;
    Form1 = nullptr;
}
