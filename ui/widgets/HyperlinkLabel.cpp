#include "ui/widgets/HyperlinkLabel.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QUrl>

namespace {

void OpenOnDesktop(const QString& address) {
    // The outcome is ignored: when nothing can open the address, nothing happens.
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

HyperlinkLabel::Opener& CurrentOpener() {
    static HyperlinkLabel::Opener opener = OpenOnDesktop;
    return opener;
}

}  // namespace

HyperlinkLabel::HyperlinkLabel(QWidget* parent) : QLabel(parent) {
    // An address may hold "<" or "&": it is text, never markup.
    setTextFormat(Qt::PlainText);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    ShowColor();
}

void HyperlinkLabel::SetColorNormal(const QColor& color) {
    colorNormal_ = color;
    ShowColor();
}

void HyperlinkLabel::SetColorMoveOver(const QColor& color) {
    colorMoveOver_ = color;
    ShowColor();
}

void HyperlinkLabel::SetColorClick(const QColor& color) {
    colorClick_ = color;
    ShowColor();
}

QColor HyperlinkLabel::TextColor() const {
    if (pressed_ && pointerOver_) {
        return colorClick_;
    }
    return pointerOver_ ? colorMoveOver_ : colorNormal_;
}

void HyperlinkLabel::SetOpener(Opener opener) {
    CurrentOpener() = opener ? std::move(opener) : Opener(OpenOnDesktop);
}

void HyperlinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // Whatever font the window gives the link, it stays underlined.
    if (event->type() == QEvent::FontChange && !font().underline()) {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
    }
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    SetState(true, pressed_);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    SetState(false, pressed_);
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    SetState(true, true);
}

// While a button is held the label has the mouse to itself and Qt holds back
// leave and enter until the release; the moves tell whether the pointer is
// still over it.
void HyperlinkLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (pressed_) {
        SetState(rect().contains(event->position().toPoint()), true);
    }
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!pressed_) {
        return;
    }
    const bool over = rect().contains(event->position().toPoint());
    pressed_ = false;
    if (over) {
        CurrentOpener()(url_.isEmpty() ? text() : url_);
    }
    SetState(over, false);
}

void HyperlinkLabel::SetState(bool pointerOver, bool pressed) {
    pointerOver_ = pointerOver;
    pressed_ = pressed;
    ShowColor();
}

void HyperlinkLabel::ShowColor() {
    const QColor color = TextColor();
    if (palette().color(QPalette::WindowText) == color) {
        return;
    }
    QPalette colored = palette();
    colored.setColor(QPalette::WindowText, color);
    setPalette(colored);
}
