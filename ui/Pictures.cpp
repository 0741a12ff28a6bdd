#include "ui/Pictures.h"

#include <QString>

#include "platform/Error.h"
#include "ui/Jpeg.h"

namespace {

QImage LoadPicture(const QString& path) {
    QImage picture(path);
    if (picture.isNull()) {
        throw Error("Picture not found: " + path.toStdString());
    }
    return picture;
}

QPixmap TreePicture(const QString& path) {
    return QPixmap::fromImage(WithBottomLeftTransparent(LoadPicture(path)));
}

QString DrivePicturePath(platform::DriveKind kind) {
    switch (kind) {
        case platform::DriveKind::Removable:
            return QStringLiteral(":/drive-removable.png");
        case platform::DriveKind::Fixed:
            return QStringLiteral(":/drive-fixed.png");
        case platform::DriveKind::Network:
            return QStringLiteral(":/drive-network.png");
        case platform::DriveKind::Cd:
            return QStringLiteral(":/drive-cd.png");
        case platform::DriveKind::RamDisk:
            return QStringLiteral(":/drive-ram.png");
    }
    throw Error("Unknown drive kind");
}

}  // namespace

QImage WithBottomLeftTransparent(const QImage& picture) {
    QImage result = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (result.isNull()) {
        return result;
    }
    const QRgb transparent = result.pixel(0, result.height() - 1);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (row[x] == transparent) {
                row[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return result;
}

namespace Pictures {

QImage Backdrop() {
    return LoadJpegResource(QStringLiteral(":/backdrop.jpg"));
}

QImage Portrait() {
    return LoadJpegResource(QStringLiteral(":/portrait.jpg"));
}

QImage Logo() {
    return LoadJpegResource(QStringLiteral(":/logo.jpg"));
}

QImage CloseGlyph() {
    return LoadPicture(QStringLiteral(":/close-glyph.png"));
}

QPixmap Leaf() {
    return TreePicture(QStringLiteral(":/leaf.png"));
}

QPixmap FolderOpen() {
    return TreePicture(QStringLiteral(":/folder-open.png"));
}

QPixmap FolderClosed() {
    return TreePicture(QStringLiteral(":/folder-closed.png"));
}

QPixmap DriveIcon(platform::DriveKind kind) {
    return QPixmap::fromImage(LoadPicture(DrivePicturePath(kind)));
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/kestrune-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace Pictures
