#include "ui/Unit2.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "platform/Drives.h"
#include "ui/Centring.h"
#include "ui/Guard.h"
#include "ui/Look.h"
#include "ui/Modals.h"
#include "ui/widgets/DriveSelector.h"
#include "ui/widgets/FolderTree.h"

Tadresar* adresar = nullptr;

namespace {

constexpr const char* kNoMedium = "V mechanice není médium / disk nepřístupný!";

}  // namespace

bool DiskInDrive(char letter) {
    return platform::DiskInDrive(letter, [] { QCoreApplication::processEvents(); });
}

// A title bar without any buttons: the chooser is left only through its button.
Tadresar::Tadresar(Modals& modals, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), modals_(modals) {
    setWindowTitle(QStringLiteral("Vyber adresář ..."));
    setPalette(look::WindowsPalette());
    setFont(look::DefaultFont());
    setFixedSize(234, 314);

    DO1 = new FolderTree(this);
    DO1->setGeometry(0, 24, 237, 253);

    Button1 = new QPushButton(QStringLiteral("Vyber ..."), this);
    Button1->setGeometry(79, 284, 75, 25);
    // No default button: Enter presses the button only while it has the focus.
    Button1->setAutoDefault(false);

    disk = new DriveSelector(this);
    disk->setGeometry(3, 1, 225, 19);
    disk->SetDrive(DO1->Drive());

    setTabOrder(DO1, Button1);
    setTabOrder(Button1, disk);

    connect(Button1, &QPushButton::clicked, this, Guard(modals_, [this] { Button1Click(); }));
    connect(disk, &DriveSelector::changed, this, Guard(modals_, [this] { diskChange(); }));
}

// Drives come and go while the program runs (a stick plugged in, an image
// mounted), so the list is read afresh for every showing.
void Tadresar::FormShow() {
    disk->ReadDrives();
    disk->SetDrive(DO1->Drive());
}

// The drive test lets pending events run, so another pick, or the button, may
// come in the middle of it. The selector's drive is read again afterwards:
// whatever came between, the selector and the tree end on one drive.
void Tadresar::diskChange() {
    if (DiskInDrive(disk->Drive())) {
        DO1->SetDrive(disk->Drive());
        return;
    }
    disk->SetDrive(DO1->Drive());
    modals_.ShowError(QString::fromUtf8(kNoMedium));
}

void Tadresar::Button1Click() {
    close();
}

void Tadresar::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    Guarded(modals_, [this] { FormShow(); });
}

// As on Windows, Enter presses the focused button and nothing else, and with
// no cancel button Esc does nothing. Closing by any other route still leaves
// the current folder for the caller to read.
void Tadresar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (Button1->hasFocus()) {
            Button1->click();
        }
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
