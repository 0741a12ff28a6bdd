#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <optional>

// Shows a dialog modally, as the program does, and runs a user's steps while
// it is open. Returns the dialog's result, or nothing when it was still open
// after the steps (the dialog is then closed, so that the test goes on).
inline std::optional<int> RunModal(QDialog& dialog, const std::function<void()>& steps) {
    bool stillOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        steps();
        if (dialog.isVisible()) {
            stillOpen = true;
            dialog.done(QDialog::Rejected);
        }
    });
    const int result = dialog.exec();
    if (stillOpen) {
        return std::nullopt;
    }
    return result;
}
