#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "ui/Modals.h"

// A stand-in for the modal seam in window tests: it records every call with
// its text, in order, and answers from presets instead of waiting for a user.
class FakeModals final : public Modals {
public:
    enum class Kind { Error, Confirm, ApplicationError, OpenFile, ShowModal };

    struct Call {
        Kind kind;
        // The message of a box, the initial folder of the file dialog, or the
        // object name of a window shown modally.
        QString text;
    };

    // What Confirm answers.
    bool confirmAnswer = false;
    // What OpenFile answers: a full path, or nothing for a cancelled dialog.
    std::optional<QString> openFileAnswer;
    // Runs while a window is "shown modally", with that window, so that a test
    // can work its controls; the window counts as closed when it returns.
    std::function<void(QDialog&)> whileShown;

    std::vector<Call> calls;
    // The requests the file dialog was given.
    std::vector<FileOpenRequest> openFileRequests;

    // The texts of the calls of one kind, in order.
    QStringList Texts(Kind kind) const;

    void ShowError(const QString& message) override;
    bool Confirm(const QString& message) override;
    void ShowApplicationError(const QString& message) override;
    std::optional<QString> OpenFile(const FileOpenRequest& request) override;
    void ShowModal(QDialog& window) override;
};
