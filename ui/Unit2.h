#pragma once

#include <QDialog>

class DriveSelector;
class FolderTree;
class Modals;
class QPushButton;

// Whether the drive with that letter holds a readable medium, letting the
// windows process their pending events before and after the query. Fails with
// ConversionError "Not a valid drive letter" for a character that is no letter.
bool DiskInDrive(char letter);

// The folder chooser: a drive selector, the folders of one drive as a tree,
// and one button that closes it. Created once and kept, so that it opens the
// next time where it was left. What it delivers is the tree's current folder,
// however it was closed.
class Tadresar : public QDialog {
    Q_OBJECT
public:
    explicit Tadresar(Modals& modals, QWidget* parent = nullptr);

    FolderTree* DO1;
    QPushButton* Button1;
    DriveSelector* disk;

    void FormShow();
    void diskChange();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Modals& modals_;
};

// The one folder chooser of the running program.
extern Tadresar* adresar;
