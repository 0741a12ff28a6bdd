#include "ui/widgets/BevelPanel.h"

#include <QPainter>

#include "ui/Look.h"

namespace {

QRect DrawBevel(QPainter& painter, QRect rect, BevelPanel::Bevel bevel, int width) {
    switch (bevel) {
        case BevelPanel::Bevel::Raised:
            return look::DrawFrame3D(painter, rect, look::kButtonHighlight, look::kButtonShadow,
                                     width);
        case BevelPanel::Bevel::Lowered:
            return look::DrawFrame3D(painter, rect, look::kButtonShadow, look::kButtonHighlight,
                                     width);
        case BevelPanel::Bevel::None:
            break;
    }
    return rect;
}

}  // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {
    // The palette's window colour is inherited, so the panel takes its
    // parent's colour.
    setAutoFillBackground(true);
}

void BevelPanel::SetBevelOuter(Bevel bevel) {
    outer_ = bevel;
    update();
}

void BevelPanel::SetBevelInner(Bevel bevel) {
    inner_ = bevel;
    update();
}

void BevelPanel::SetBevelWidth(int width) {
    width_ = width;
    update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inside = DrawBevel(painter, rect(), outer_, width_);
    DrawBevel(painter, inside, inner_, width_);
}
