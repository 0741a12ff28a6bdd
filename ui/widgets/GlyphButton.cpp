#include "ui/widgets/GlyphButton.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/Look.h"
#include "ui/Pictures.h"

namespace {

// The first of the side-by-side images, with the transparent colour cleared.
// Its bottom-left pixel is the whole bitmap's, so the transparent colour is
// the same.
QImage FirstImage(const QImage& glyph, int numGlyphs) {
    if (glyph.isNull()) {
        return QImage();
    }
    return WithBottomLeftTransparent(glyph.copy(0, 0, glyph.width() / numGlyphs, glyph.height()));
}

QImage Greyscale(QImage image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return image;
}

}  // namespace

GlyphButton::GlyphButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
}

void GlyphButton::SetGlyph(const QImage& glyph, int numGlyphs) {
    numGlyphs_ = std::max(numGlyphs, 1);
    colored_ = FirstImage(glyph, numGlyphs_);
    grey_ = Greyscale(colored_);
    update();
}

void GlyphButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool pressed = isDown() && pointerOver_;
    if (pressed) {
        look::DrawFrame3D(painter, rect(), look::kButtonShadow, look::kButtonHighlight, 1);
    } else if (pointerOver_) {
        look::DrawFrame3D(painter, rect(), look::kButtonHighlight, look::kButtonShadow, 1);
    }
    const QImage& image = pointerOver_ ? colored_ : grey_;
    QPoint topLeft((width() - image.width()) / 2, (height() - image.height()) / 2);
    if (pressed) {
        topLeft += QPoint(1, 1);
    }
    painter.drawImage(topLeft, image);
}

void GlyphButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    SetPointerOver(true);
}

void GlyphButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    SetPointerOver(false);
}

void GlyphButton::mousePressEvent(QMouseEvent* event) {
    QAbstractButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        SetPointerOver(true);
    }
}

// While the button is held the button has the mouse to itself and Qt holds
// back leave and enter until the release; the moves tell whether the pointer
// is still over it.
void GlyphButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton) {
        SetPointerOver(rect().contains(event->position().toPoint()));
    }
}

void GlyphButton::mouseReleaseEvent(QMouseEvent* event) {
    SetPointerOver(rect().contains(event->position().toPoint()));
    QAbstractButton::mouseReleaseEvent(event);
}

void GlyphButton::SetPointerOver(bool over) {
    if (pointerOver_ != over) {
        pointerOver_ = over;
        update();
    }
}
