#include "ui/widgets/StaticText.h"

#include <QPainter>

#include "ui/Look.h"

StaticText::StaticText(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    // The text stays inside the border.
    setContentsMargins(1, 1, 1, 1);
}

void StaticText::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    look::DrawFrame3D(painter, rect(), look::kButtonShadow, look::kButtonHighlight, 1);
}
