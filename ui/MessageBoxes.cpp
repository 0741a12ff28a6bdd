#include "ui/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>

#include "ui/Look.h"

namespace {

// Some desktops (GNOME, macOS) put No before Yes; the program's boxes keep the
// Windows order everywhere.
class WindowsButtonOrder final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonLayout) {
            return QDialogButtonBox::WinLayout;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

std::unique_ptr<QMessageBox> MakeBox(const QString& title, QMessageBox::Icon icon,
                                     const QString& message) {
    auto box = std::make_unique<QMessageBox>();
    box->setFont(look::DefaultFont());
    box->setWindowTitle(title);
    box->setIcon(icon);
    // Messages carry paths and file text: never read them as markup.
    box->setTextFormat(Qt::PlainText);
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setText(text);
    if (auto* buttons = box->findChild<QDialogButtonBox*>()) {
        auto* style = new WindowsButtonOrder;
        style->setParent(box.get());
        buttons->setStyle(style);
        buttons->setCenterButtons(true);
    }
    return box;
}

std::unique_ptr<QMessageBox> MakeOkBox(const QString& title, const QString& message) {
    auto box = MakeBox(title, QMessageBox::Critical, message);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    return box;
}

}  // namespace

std::unique_ptr<QMessageBox> MakeErrorBox(const QString& message) {
    return MakeOkBox(QStringLiteral("Error"), message);
}

std::unique_ptr<QMessageBox> MakeConfirmBox(const QString& message) {
    auto box = MakeBox(QStringLiteral("Confirm"), QMessageBox::Question, message);
    QPushButton* yes = box->addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box->addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
    return box;
}

std::unique_ptr<QMessageBox> MakeApplicationErrorBox(const QString& message) {
    return MakeOkBox(QString::fromUtf8(kApplicationTitle), WithFullStop(message));
}

QString WithFullStop(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
        return message + QLatin1Char('.');
    }
    return message;
}
