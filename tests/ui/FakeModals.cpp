#include "tests/ui/FakeModals.h"

#include <QDialog>

QStringList FakeModals::Texts(Kind kind) const {
    QStringList texts;
    for (const Call& call : calls) {
        if (call.kind == kind) {
            texts << call.text;
        }
    }
    return texts;
}

void FakeModals::ShowError(const QString& message) {
    calls.push_back({Kind::Error, message});
}

bool FakeModals::Confirm(const QString& message) {
    calls.push_back({Kind::Confirm, message});
    return confirmAnswer;
}

void FakeModals::ShowApplicationError(const QString& message) {
    calls.push_back({Kind::ApplicationError, message});
}

std::optional<QString> FakeModals::OpenFile(const FileOpenRequest& request) {
    calls.push_back({Kind::OpenFile, request.initialFolder});
    openFileRequests.push_back(request);
    return openFileAnswer;
}

void FakeModals::ShowModal(QDialog& window) {
    calls.push_back({Kind::ShowModal, window.objectName()});
    if (whileShown) {
        whileShown(window);
    }
}
