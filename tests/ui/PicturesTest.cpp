#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/Drives.h"
#include "ui/Pictures.h"

namespace {

// The folder tree's leaf picture as the design gives it, top row first.
const char* const kLeaf[] = {
    "..............", ".GKKKKG.......", ".KWYWYK.......", "KKKKKKKKKK....", "KWYWYWYWYWK...",
    "KYWYWYWYWYK...", "KWYWYWYWYWK...", "KYWYWYWYWYK...", "KWYWYWYWYWK...", "KYWYWYWYWYK...",
    ".KKKKKKKKKK...", "..............", "..............", "..............",
};

const std::map<char, QRgb> kLeafColours = {
    {'.', qRgb(123, 0, 123)}, {'K', qRgb(0, 0, 0)},       {'W', qRgb(255, 255, 255)},
    {'Y', qRgb(255, 255, 0)}, {'G', qRgb(123, 123, 123)},
};

TEST(PicturesTest, LeafIsTheTablePixelByPixelWithItsPurpleTransparent) {
    const QImage leaf = Pictures::Leaf().toImage();
    ASSERT_EQ(leaf.size(), QSize(14, 14));
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 14; ++x) {
            const char letter = kLeaf[y][x];
            const QRgb actual = leaf.pixel(x, y);
            if (letter == '.') {
                EXPECT_EQ(qAlpha(actual), 0) << x << ", " << y;
            } else {
                EXPECT_EQ(actual, kLeafColours.at(letter)) << x << ", " << y << " " << letter;
            }
        }
    }
}

TEST(PicturesTest, FolderPicturesAreTransparentAroundDistinctFolders) {
    const QImage leaf = Pictures::Leaf().toImage();
    const QImage open = Pictures::FolderOpen().toImage();
    const QImage closed = Pictures::FolderClosed().toImage();
    for (const QImage& folder : {open, closed}) {
        ASSERT_EQ(folder.size(), QSize(14, 14));
        EXPECT_EQ(qAlpha(folder.pixel(0, 13)), 0);
        EXPECT_EQ(qAlpha(folder.pixel(13, 0)), 0);
        EXPECT_EQ(folder.pixel(0, 4), qRgb(0, 0, 0));  // the outline of the body
    }
    EXPECT_NE(open, closed);
    EXPECT_NE(closed, leaf);
}

// Which colours occur in a part of a picture.
QSet<QRgb> ColoursIn(const QImage& image, const QRect& part) {
    QSet<QRgb> colours;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

TEST(PicturesTest, CloseGlyphHoldsARedAndAGreyTickOnPurple) {
    const QImage glyph = Pictures::CloseGlyph();
    ASSERT_EQ(glyph.size(), QSize(32, 16));
    const QRgb purple = qRgb(128, 0, 128);
    EXPECT_EQ(glyph.pixel(0, 15), purple);
    EXPECT_EQ(glyph.pixel(16, 15), purple);

    const QSet<QRgb> normal = ColoursIn(glyph, QRect(0, 0, 16, 16));
    EXPECT_EQ(normal, (QSet<QRgb>{purple, qRgb(255, 0, 0), qRgb(0, 0, 0)}));
    const QSet<QRgb> disabled = ColoursIn(glyph, QRect(16, 0, 16, 16));
    EXPECT_EQ(disabled, (QSet<QRgb>{purple, qRgb(128, 128, 128), qRgb(255, 255, 255)}));
}

TEST(PicturesTest, WithBottomLeftTransparentClearsExactlyThatColour) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(1, 0, qRgb(10, 20, 31));  // one step away: stays
    picture.setPixel(2, 1, qRgb(200, 0, 0));
    const QImage result = WithBottomLeftTransparent(picture);
    EXPECT_EQ(qAlpha(result.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(result.pixel(2, 0)), 0);
    EXPECT_EQ(result.pixel(1, 0), qRgb(10, 20, 31));
    EXPECT_EQ(result.pixel(2, 1), qRgb(200, 0, 0));
    EXPECT_TRUE(WithBottomLeftTransparent(QImage()).isNull());
}

TEST(PicturesTest, EachDriveKindHasItsOwnSmallPicture) {
    const platform::DriveKind kinds[] = {platform::DriveKind::Removable, platform::DriveKind::Fixed,
                                         platform::DriveKind::Network, platform::DriveKind::Cd,
                                         platform::DriveKind::RamDisk};
    std::vector<QImage> pictures;
    for (const platform::DriveKind kind : kinds) {
        const QImage picture = Pictures::DriveIcon(kind).toImage();
        ASSERT_EQ(picture.size(), QSize(16, 16));
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
        for (const QImage& other : pictures) {
            EXPECT_NE(picture, other);
        }
        pictures.push_back(picture);
    }
}

TEST(PicturesTest, ProgramIconIsOpaqueInsideItsRingAndClearOutside) {
    const QIcon icon = Pictures::ProgramIcon();
    for (const int size : {16, 32, 48}) {
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}

// The Windows icon file, read as the system reads it.
class IconFile {
public:
    explicit IconFile(const QByteArray& bytes) : bytes_(bytes) {}

    std::uint32_t At(qsizetype offset, int width) const {
        std::uint32_t value = 0;
        for (int k = width - 1; k >= 0; --k) {
            value = (value << 8) | static_cast<std::uint8_t>(bytes_.at(offset + k));
        }
        return value;
    }
    qsizetype Size() const { return bytes_.size(); }

private:
    QByteArray bytes_;
};

// Bytes of one row of a bitmap, padded to four bytes.
std::uint32_t RowBytes(std::uint32_t width, std::uint32_t bits) {
    return (width * bits + 31) / 32 * 4;
}

TEST(PicturesTest, IconFileHoldsThreeImagesInSixteenAndTwoHundredFiftySixColours) {
    QFile file(QStringLiteral(KESTRUNE_SOURCE_DIR "/resources/kestrune.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const IconFile ico(file.readAll());
    ASSERT_GE(ico.Size(), 6 + 3 * 16);
    EXPECT_EQ(ico.At(0, 2), 0u);
    EXPECT_EQ(ico.At(2, 2), 1u);  // an icon, not a cursor
    ASSERT_EQ(ico.At(4, 2), 3u);

    const struct {
        std::uint32_t size;
        std::uint32_t bits;
    } expected[] = {{16, 4}, {32, 4}, {32, 8}};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const qsizetype entry = 6 + 16 * k;
        const std::uint32_t size = expected[k].size;
        const std::uint32_t bits = expected[k].bits;
        EXPECT_EQ(ico.At(entry, 1), size);
        EXPECT_EQ(ico.At(entry + 1, 1), size);
        EXPECT_EQ(ico.At(entry + 2, 1), bits == 4 ? 16u : 0u);
        EXPECT_EQ(ico.At(entry + 6, 2), bits);
        const std::uint32_t length = ico.At(entry + 8, 4);
        const std::uint32_t image = ico.At(entry + 12, 4);
        ASSERT_LE(qsizetype{image} + length, ico.Size());

        // The image's own header: the height counts the colour bits and the mask.
        EXPECT_EQ(ico.At(image, 4), 40u);
        EXPECT_EQ(ico.At(image + 4, 4), size);
        EXPECT_EQ(ico.At(image + 8, 4), 2 * size);
        EXPECT_EQ(ico.At(image + 14, 2), bits);
        const std::uint32_t palette = 4u << bits;
        const std::uint32_t colour = RowBytes(size, bits) * size;
        const std::uint32_t maskRow = RowBytes(size, 1);
        EXPECT_EQ(length, 40 + palette + colour + maskRow * size);

        // The mask, bottom row first, one bit per pixel, set where transparent.
        const qsizetype mask = image + 40 + palette + colour;
        const auto transparent = [&](std::uint32_t x, std::uint32_t y) {
            const std::uint32_t byte = ico.At(mask + (size - 1 - y) * maskRow + x / 8, 1);
            return (byte >> (7 - x % 8) & 1u) != 0;
        };
        EXPECT_TRUE(transparent(0, 0));
        EXPECT_TRUE(transparent(size - 1, size - 1));
        EXPECT_FALSE(transparent(size / 2, size / 2));
    }
}

}  // namespace
