#pragma once

#include <QComboBox>

// A drop-down of the system's drives in letter order, each with its kind's
// picture, its letter in lower case and, but for removable drives, its label.
// `changed` is raised once for every pick the user makes, by mouse or
// keyboard, also when the drive picked is the one shown; never when the
// program sets the drive.
class DriveSelector : public QComboBox {
    Q_OBJECT

public:
    explicit DriveSelector(QWidget* parent = nullptr);

    // The selected drive's letter in lower case.
    char Drive() const { return drive_; }
    // Selects the drive of that letter, whatever its case.
    void SetDrive(char letter);

    // Reads the list of drives again (drives come and go while the program
    // runs), keeping the selected one.
    void ReadDrives();

signals:
    void changed();

protected:
    // As on Windows, the wheel picks drives only while the selector has the
    // focus, so that scrolling over the window picks nothing by accident.
    void wheelEvent(QWheelEvent* event) override;

private:
    void Picked(int index);

    char drive_ = '\0';
};
