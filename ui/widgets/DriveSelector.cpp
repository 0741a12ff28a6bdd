#include "ui/widgets/DriveSelector.h"

#include <QCoreApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QWheelEvent>

#include "platform/Drives.h"
#include "platform/TextCodec.h"
#include "ui/Pictures.h"

namespace {

constexpr int kPictureSize = 16;

// The classic Windows drop-down list, whatever the program's style: a sunken
// white box with a raised arrow button, its text highlighted while it has the
// focus, and a plain list below.
class ClassicComboStyle : public QProxyStyle {
public:
    ClassicComboStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (control != CC_ComboBox || combo == nullptr) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        // The Windows style fills the box with the button colour; the arrow
        // button keeps it.
        QStyleOptionComboBox box = *combo;
        box.palette.setColor(QPalette::Button, combo->palette.color(QPalette::Base));
        QProxyStyle::drawComplexControl(control, &box, painter, widget);
        QStyleOptionComboBox arrow = *combo;
        arrow.subControls = SC_ComboBoxArrow;
        QProxyStyle::drawComplexControl(control, &arrow, painter, widget);
    }
};

// The picture as it is, also on the highlighted entry.
QIcon KindIcon(platform::DriveKind kind) {
    const QPixmap picture = Pictures::DriveIcon(kind);
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Selected);
    return icon;
}

QString EntryText(const platform::DriveInfo& drive) {
    QString text = QString(QChar(drive.letter)) + u':';
    if (drive.kind != platform::DriveKind::Removable) {
        text += u' ' + QString::fromStdU16String(platform::DecodeSystemText(drive.label));
    }
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

DriveSelector::DriveSelector(QWidget* parent) : QComboBox(parent) {
    auto* style = new ClassicComboStyle;
    style->setParent(this);
    setStyle(style);
    setIconSize({kPictureSize, kPictureSize});
    connect(this, &QComboBox::activated, this, &DriveSelector::Picked);
    ReadDrives();
    if (count() > 0) {
        SetDrive(static_cast<char>(itemData(0).toInt()));
    }
}

void DriveSelector::SetDrive(char letter) {
    drive_ = LowerAscii(letter);
    setCurrentIndex(findData(static_cast<int>(drive_)));
}

void DriveSelector::ReadDrives() {
    clear();
    for (const platform::DriveInfo& drive :
         platform::ListDrives([] { QCoreApplication::processEvents(); })) {
        addItem(KindIcon(drive.kind), EntryText(drive), static_cast<int>(drive.letter));
    }
    setCurrentIndex(findData(static_cast<int>(drive_)));
}

void DriveSelector::Picked(int index) {
    drive_ = static_cast<char>(itemData(index).toInt());
    emit changed();
}

void DriveSelector::wheelEvent(QWheelEvent* event) {
    if (hasFocus()) {
        QComboBox::wheelEvent(event);
    } else {
        event->ignore();
    }
}
