#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "platform/Drives.h"

// Returns the picture with every pixel of the colour of its bottom-left pixel
// made transparent, as the glyph and folder-tree bitmaps are meant to be
// drawn. In QImage::Format_ARGB32_Premultiplied.
QImage WithBottomLeftTransparent(const QImage& picture);

// The pictures the windows show, from the program's resources. A picture that
// is missing or damaged throws Error.
namespace Pictures {

// The main window's parchment backdrop, 480 x 321.
QImage Backdrop();
// The main window's small hooded portrait, 40 x 50.
QImage Portrait();
// The maker's logo in the About box, 263 x 115.
QImage Logo();

// The About box's close button glyph: two 16 x 16 images side by side (normal
// and disabled) on purple, its transparent colour. Left as it is stored: the
// glyph button makes its own transparent and grey copies.
QImage CloseGlyph();

// The folder tree's pictures, 14 x 14, their purple already transparent.
QPixmap Leaf();
QPixmap FolderOpen();
QPixmap FolderClosed();

// The drive selector's picture of a kind of drive, 16 x 16.
QPixmap DriveIcon(platform::DriveKind kind);

// The program's icon at 16, 32 and 48 pixels.
QIcon ProgramIcon();

}  // namespace Pictures
