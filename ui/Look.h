#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QPainter;
class QRect;

// The Windows look that every window and control of the program keeps on every
// system: the classic Windows fonts and colours, and the 3-D frames drawn with
// them.
namespace look {

// Font families the windows name. Where a family is missing (everywhere but
// Windows), it is replaced by a metric twin that holds the Czech letters.
inline constexpr const char* kMsSansSerif = "MS Sans Serif";
inline constexpr const char* kArial = "Arial";

struct FontStyle {
    bool bold = false;
    bool underline = false;
};

// A font of the family whose characters are `pixelHeight` pixels high (the
// height Windows fonts are sized by, without the line's leading), hinted so
// that small text stays crisp. Registers the family substitutions on first use.
QFont MakeFont(const QString& family, int pixelHeight, FontStyle style = {});

// The windows' default font: MS Sans Serif, 11 px, regular.
QFont DefaultFont();

// The classic Windows system colours, fixed so that the program looks the same
// whatever the desktop's colour scheme.
inline constexpr QColor kButtonFace{212, 208, 200};
inline constexpr QColor kButtonHighlight{255, 255, 255};
inline constexpr QColor kButtonShadow{128, 128, 128};
inline constexpr QColor kDarkShadow{64, 64, 64};
inline constexpr QColor kWindow{255, 255, 255};
inline constexpr QColor kWindowText{0, 0, 0};
inline constexpr QColor kWindowFrame{0, 0, 0};
inline constexpr QColor kSelection{10, 36, 106};
inline constexpr QColor kSelectionText{255, 255, 255};

// A palette of those colours, for a window and everything in it: button face
// behind, black text, white edit boxes, and the light and dark roles that
// Qt's 3-D frames draw with.
QPalette WindowsPalette();

// Draws `width` nested one-pixel frames along the inside of `rect`, as Windows
// draws a bevel: `topLeft` on the top and left edges, `bottomRight` on the
// bottom and right edges, which take the top-right and bottom-left corners.
// Returns the rectangle inside the frames.
QRect DrawFrame3D(QPainter& painter, QRect rect, const QColor& topLeft, const QColor& bottomRight,
                  int width);

}  // namespace look
