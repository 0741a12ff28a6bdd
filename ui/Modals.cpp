#include "ui/Modals.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "ui/MessageBoxes.h"

namespace {

// A path whose characters the system text cannot hold has no translation; it
// is passed on as it stands, and whatever opens it reports the failure.
QString HostPath(const QString& windowsPath) {
    const auto bytes = platform::EncodeSystemText(windowsPath.toStdU16String());
    if (!bytes) {
        return windowsPath;
    }
    return QString::fromStdU16String(platform::DecodeSystemText(platform::ToHostPath(*bytes)));
}

QString WindowsPath(const QString& hostPath) {
    const auto bytes = platform::EncodeSystemText(hostPath.toStdU16String());
    if (!bytes) {
        return QDir::toNativeSeparators(hostPath);
    }
    return QString::fromStdU16String(platform::DecodeSystemText(platform::ToWindowsPath(*bytes)));
}

// The initial folder is normally the path of a file: start in its folder then.
QString StartFolder(const QString& initialFolder) {
    const QFileInfo start(HostPath(initialFolder));
    if (start.isDir()) {
        return start.absoluteFilePath();
    }
    if (start.absoluteDir().exists()) {
        return start.absolutePath();
    }
    return QString();
}

// "description|pattern" in Qt's form "description (pattern)".
QString QtFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        return filter;
    }
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')');
}

}  // namespace

void QtModals::ShowError(const QString& message) {
    MakeErrorBox(message)->exec();
}

bool QtModals::Confirm(const QString& message) {
    auto box = MakeConfirmBox(message);
    box->exec();
    return box->buttonRole(box->clickedButton()) == QMessageBox::YesRole;
}

void QtModals::ShowApplicationError(const QString& message) {
    MakeApplicationErrorBox(message)->exec();
}

std::optional<QString> QtModals::OpenFile(const FileOpenRequest& request) {
    QFileDialog dialog;
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The chosen file need not exist yet.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setSizeGripEnabled(true);
    dialog.setNameFilter(QtFilter(request.filter));
    const QString startFolder = StartFolder(request.initialFolder);
    if (!startFolder.isEmpty()) {
        dialog.setDirectory(startFolder);
    }
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(HostPath(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return WindowsPath(QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath());
}

void QtModals::ShowModal(QDialog& window) {
    window.exec();
}

bool FileOpenDialog::Execute(Modals& modals) {
    const std::optional<QString> chosen = modals.OpenFile({InitialDir, Filter, FileName});
    if (!chosen) {
        return false;
    }
    FileName = *chosen;
    return true;
}
