#include "ui/Look.h"

#include <QPainter>
#include <QRect>

namespace look {
namespace {

// Windows maps the old bitmap font MS Sans Serif to its TrueType twin;
// elsewhere Liberation Sans has Arial's metrics and the Czech letters.
void RegisterFontSubstitutions() {
    static const bool registered = [] {
        QFont::insertSubstitutions(kMsSansSerif, {"Microsoft Sans Serif", "Liberation Sans"});
        QFont::insertSubstitutions(kArial, {"Liberation Sans"});
        return true;
    }();
    static_cast<void>(registered);
}

}  // namespace

QFont MakeFont(const QString& family, int pixelHeight, FontStyle style) {
    RegisterFontSubstitutions();
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    // Snapping the outlines to whole pixels vertically keeps stems and the
    // baseline sharp at 11 px, while the widths stay those of the font's
    // metrics, so that no text grows out of its control. (Full hinting draws
    // small text thin and grey; without antialiasing it is ragged.)
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QFont DefaultFont() {
    return MakeFont(kMsSansSerif, 11);
}

QPalette WindowsPalette() {
    QPalette palette(kButtonFace);
    palette.setColor(QPalette::Window, kButtonFace);
    palette.setColor(QPalette::Button, kButtonFace);
    palette.setColor(QPalette::WindowText, kWindowText);
    palette.setColor(QPalette::ButtonText, kWindowText);
    palette.setColor(QPalette::Text, kWindowText);
    palette.setColor(QPalette::Base, kWindow);
    palette.setColor(QPalette::Light, kButtonHighlight);
    palette.setColor(QPalette::Midlight, kButtonFace);
    palette.setColor(QPalette::Dark, kButtonShadow);
    palette.setColor(QPalette::Mid, kButtonShadow);
    palette.setColor(QPalette::Shadow, kDarkShadow);
    palette.setColor(QPalette::Highlight, kSelection);
    palette.setColor(QPalette::HighlightedText, kSelectionText);
    return palette;
}

QRect DrawFrame3D(QPainter& painter, QRect rect, const QColor& topLeft, const QColor& bottomRight,
                  int width) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        painter.setPen(topLeft);
        painter.drawLine(rect.left(), rect.top(), rect.right() - 1, rect.top());
        painter.drawLine(rect.left(), rect.top(), rect.left(), rect.bottom() - 1);
        painter.setPen(bottomRight);
        painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        rect.adjust(1, 1, -1, -1);
    }
    painter.restore();
    return rect;
}

}  // namespace look
