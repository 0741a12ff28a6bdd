#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "ui/Jpeg.h"

namespace {

QByteArray ResourceBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Whether the file's frame header is the one that starts a progressive
// picture (SOF2) rather than a baseline one (SOF0).
bool HasMarker(const QByteArray& bytes, char marker) {
    return bytes.contains(QByteArray("\xFF", 1) + marker);
}

struct Sample {
    int x;
    int y;
    QRgb colour;
};

// JPEG is lossy: a pixel may stray a little from the colour it was drawn in.
void ExpectNear(const QImage& image, const Sample& sample) {
    const QRgb actual = image.pixel(sample.x, sample.y);
    const auto near = [](int a, int b) { return std::abs(a - b) <= 24; };
    EXPECT_TRUE(near(qRed(actual), qRed(sample.colour)) &&
                near(qGreen(actual), qGreen(sample.colour)) &&
                near(qBlue(actual), qBlue(sample.colour)))
        << "pixel (" << sample.x << ", " << sample.y << ") is " << std::hex << actual
        << ", expected about " << sample.colour;
}

struct PictureCase {
    const char* path;
    bool progressive;
    int width;
    int height;
    std::vector<Sample> samples;
};

void PrintTo(const PictureCase& picture, std::ostream* out) {
    *out << picture.path;
}

class JpegPictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(JpegPictureTest, DecodesToItsSizeAndColours) {
    const PictureCase& picture = GetParam();
    const QByteArray bytes = ResourceBytes(QString::fromLatin1(picture.path));
    EXPECT_EQ(HasMarker(bytes, '\xC2'), picture.progressive);
    EXPECT_EQ(HasMarker(bytes, '\xC0'), !picture.progressive);

    const QImage image = DecodeJpeg(bytes);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    ASSERT_EQ(image.width(), picture.width);
    ASSERT_EQ(image.height(), picture.height);
    for (const Sample& sample : picture.samples) {
        ExpectNear(image, sample);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Resources, JpegPictureTest,
    testing::Values(
        // The portrait: red eyes in a pale yellow skull, a purple sky, a gold clasp.
        PictureCase{":/portrait.jpg",
                    true,
                    40,
                    50,
                    {{16, 22, qRgb(255, 70, 46)},
                     {23, 22, qRgb(255, 71, 46)},
                     {20, 30, qRgb(244, 234, 154)},
                     {2, 2, qRgb(59, 14, 67)},
                     {20, 44, qRgb(224, 184, 60)}}},
        // The backdrop: grey around a pale yellow parchment.
        PictureCase{":/backdrop.jpg",
                    false,
                    480,
                    321,
                    {{2, 2, qRgb(128, 128, 128)}, {240, 160, qRgb(240, 225, 168)}}},
        PictureCase{":/logo.jpg", false, 263, 115, {{5, 5, qRgb(22, 7, 12)}}}));

QByteArray Truncated(const QByteArray& bytes) {
    return bytes.left(bytes.size() / 2);
}

// Overwrites a stretch in the middle of the compressed data with the marker
// that ends a picture.
QByteArray EndedInTheMiddle(const QByteArray& bytes) {
    QByteArray damaged = bytes;
    damaged.replace(damaged.size() / 2, 2, QByteArray("\xFF\xD9", 2));
    return damaged;
}

// Sets the height and width of the first frame header (SOF0 or SOF2) to 65000.
QByteArray Enormous(const QByteArray& bytes) {
    QByteArray damaged = bytes;
    qsizetype frame = damaged.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0) {
        frame = damaged.indexOf(QByteArray("\xFF\xC2", 2));
    }
    damaged.replace(frame + 5, 4, QByteArray("\xFD\xE8\xFD\xE8", 4));
    return damaged;
}

struct DamageCase {
    const char* name;
    const char* picture;
    QByteArray (*damage)(const QByteArray&);
    const char* messagePart;
};

void PrintTo(const DamageCase& damage, std::ostream* out) {
    *out << damage.name;
}

class JpegDamageTest : public testing::TestWithParam<DamageCase> {};

TEST_P(JpegDamageTest, ThrowsAClearError) {
    const DamageCase& damage = GetParam();
    const QByteArray bytes = damage.damage(ResourceBytes(QString::fromLatin1(damage.picture)));
    try {
        DecodeJpeg(bytes);
        FAIL() << "decoded a damaged picture";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(damage.messagePart), std::string::npos)
            << error.what();
    }
}

QByteArray Nothing(const QByteArray&) {
    return {};
}

QByteArray Garbage(const QByteArray&) {
    return QByteArray("This is not a picture at all.");
}

QByteArray StartMarkerOnly(const QByteArray&) {
    return QByteArray("\xFF\xD8", 2);
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, JpegDamageTest,
    testing::Values(
        DamageCase{"Empty", ":/backdrop.jpg", Nothing, "Cannot decode JPEG picture"},
        DamageCase{"Garbage", ":/backdrop.jpg", Garbage, "Not a JPEG file"},
        DamageCase{"StartMarkerOnly", ":/backdrop.jpg", StartMarkerOnly,
                   "Cannot decode JPEG picture"},
        DamageCase{"TruncatedProgressive", ":/portrait.jpg", Truncated,
                   "Cannot decode JPEG picture"},
        DamageCase{"TruncatedBaseline", ":/backdrop.jpg", Truncated, "Cannot decode JPEG picture"},
        DamageCase{"EndedInTheMiddleProgressive", ":/portrait.jpg", EndedInTheMiddle,
                   "Cannot decode JPEG picture"},
        DamageCase{"EndedInTheMiddleBaseline", ":/backdrop.jpg", EndedInTheMiddle,
                   "Cannot decode JPEG picture"},
        DamageCase{"EnormousBaseline", ":/backdrop.jpg", Enormous, "too large: 65000 x 65000"},
        DamageCase{"EnormousProgressive", ":/portrait.jpg", Enormous, "too large: 65000 x 65000"}),
    [](const testing::TestParamInfo<DamageCase>& damage) {
        return std::string(damage.param.name);
    });

TEST(JpegResourceTest, NamesAMissingOrDamagedResource) {
    try {
        LoadJpegResource(QStringLiteral(":/no-such-picture.jpg"));
        FAIL() << "loaded a missing picture";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Picture not found: :/no-such-picture.jpg");
    }
    try {
        LoadJpegResource(QStringLiteral(":/leaf.png"));
        FAIL() << "decoded a PNG as JPEG";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()).rfind(":/leaf.png: Cannot decode JPEG picture", 0), 0u)
            << error.what();
    }
}

}  // namespace
