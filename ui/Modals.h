#pragma once

#include <QString>
#include <optional>

class QDialog;

// What the file-open dialog is asked to show.
struct FileOpenRequest {
    // The folder to start in, in Windows form. It may name a file instead, which
    // then starts the dialog in that file's folder.
    QString initialFolder;
    // One filter, written "description|pattern", e.g. "Baldur's Gate INI|Baldur.ini".
    QString filter;
    // The full path (Windows form) the file-name box starts with; empty for none.
    QString fileName;
};

// Every modal thing the program shows goes through this seam, so that the
// windows are given the real dialogs when running and a stand-in in tests.
// Each call returns only when the user has answered.
class Modals {
public:
    virtual ~Modals() = default;

    // The error box: title "Error", stop icon, the message and one "OK".
    virtual void ShowError(const QString& message) = 0;

    // The Yes/No confirmation box: title "Confirm", question icon, "Yes" and
    // "No". True only for Yes; No, Esc and closing the box are refusal.
    virtual bool Confirm(const QString& message) = 0;

    // The application's standard error box, for an error no handler caught:
    // the application's title, stop icon, one "OK", and the message with a full
    // stop appended where needed (WithFullStop).
    virtual void ShowApplicationError(const QString& message) = 0;

    // The file-open dialog. The full path of the chosen file in Windows form
    // (the file need not exist), or nothing when the user cancelled.
    virtual std::optional<QString> OpenFile(const FileOpenRequest& request) = 0;

    // Shows a window modally and returns when it has been closed. Qt centres a
    // window without a parent on the screen, one with a parent over that.
    virtual void ShowModal(QDialog& window) = 0;
};

// The file-open dialog as a window holds it: its settings, and the file last
// chosen in it, which the file-name box shows the next time it opens.
class FileOpenDialog {
public:
    QString InitialDir;
    QString Filter;
    // The last chosen file, empty until one was chosen.
    QString FileName;

    // Shows the dialog; true when the user chose a file, which is then in
    // FileName. Cancelling leaves FileName as it was.
    bool Execute(Modals& modals);
};

// The seam on Qt's own dialogs, for the running program.
class QtModals final : public Modals {
public:
    void ShowError(const QString& message) override;
    bool Confirm(const QString& message) override;
    void ShowApplicationError(const QString& message) override;
    std::optional<QString> OpenFile(const FileOpenRequest& request) override;
    void ShowModal(QDialog& window) override;
};
