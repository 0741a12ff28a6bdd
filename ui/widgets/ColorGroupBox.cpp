#include "ui/widgets/ColorGroupBox.h"

#include <QPainter>

#include "ui/Look.h"

namespace {

// Where the caption starts, from the box's left edge.
constexpr int kCaptionLeft = 8;

}  // namespace

ColorGroupBox::ColorGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), color_(look::kButtonFace) {}

void ColorGroupBox::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void ColorGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), color_);

    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();
    // The etched line: a highlight frame one pixel down and right of a shadow
    // frame, whose top runs through the middle of the caption.
    const int frameTop = textHeight / 2 - 1;
    const QRect shadow(0, frameTop, width() - 2, height() - 2 - frameTop);
    painter.setPen(look::kButtonHighlight);
    painter.drawRect(shadow.translated(1, 1));
    painter.setPen(look::kButtonShadow);
    painter.drawRect(shadow);

    if (!title().isEmpty()) {
        const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()), textHeight);
        painter.fillRect(caption, color_);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
    }
}
