#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <vector>

#include "ui/Look.h"
#include "ui/widgets/BevelPanel.h"
#include "ui/widgets/ColorGroupBox.h"
#include "ui/widgets/GlyphButton.h"
#include "ui/widgets/HyperlinkLabel.h"
#include "ui/widgets/Memo.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kPurple(128, 0, 128);
const QColor kYellow(255, 255, 0);

// A parent in a plain colour, so that what a control leaves unpainted shows.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QColor color = look::kButtonFace) {
        QPalette colors = palette();
        colors.setColor(QPalette::Window, color);
        setPalette(colors);
        setAutoFillBackground(true);
        resize(300, 200);
    }
};

// The picture of a control as it appears on its parent.
QImage Snapshot(QWidget& control) {
    return control.parentWidget()->grab(control.geometry()).toImage();
}

void SendEnter(QWidget& widget) {
    const QPointF inside(1, 1);
    QEnterEvent enter(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &enter);
}

void SendLeave(QWidget& widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}

// Scripted pointer steps. Presses, moves and releases go to the control, as
// Qt delivers them while the control has the mouse; enter and leave are sent
// as a platform sends them.
enum class Step {
    Enter,
    Leave,
    Press,
    PressRight,
    MoveOut,
    MoveIn,
    Release,
    ReleaseRight,
    ReleaseOut
};

void Perform(QWidget& widget, Step step) {
    const QPoint in(3, 3);
    const QPoint out(widget.width() + 20, widget.height() + 20);
    switch (step) {
        case Step::Enter:
            SendEnter(widget);
            break;
        case Step::Leave:
            SendLeave(widget);
            break;
        case Step::Press:
            QTest::mousePress(&widget, Qt::LeftButton, {}, in);
            break;
        case Step::PressRight:
            QTest::mousePress(&widget, Qt::RightButton, {}, in);
            break;
        case Step::MoveOut:
            QTest::mouseMove(&widget, out);
            break;
        case Step::MoveIn:
            QTest::mouseMove(&widget, in);
            break;
        case Step::Release:
            QTest::mouseRelease(&widget, Qt::LeftButton, {}, in);
            break;
        case Step::ReleaseRight:
            QTest::mouseRelease(&widget, Qt::RightButton, {}, in);
            break;
        case Step::ReleaseOut:
            QTest::mouseRelease(&widget, Qt::LeftButton, {}, out);
            break;
    }
}

// ---------------------------------------------------------------- hyperlink label

class HyperlinkLabelTest : public testing::Test {
protected:
    void SetUp() override {
        HyperlinkLabel::SetOpener([this](const QString& address) { opened << address; });
        label = new HyperlinkLabel(&window);
        label->setGeometry(20, 20, 94, 13);
        label->setText(QStringLiteral("kvitek@trimbelo.example.com"));
        label->SetURL(QStringLiteral("mailto:kvitek@trimbelo.example.com"));
        // The About box's colours: each state tells apart.
        label->SetColorNormal(kBlue);
        label->SetColorMoveOver(kRed);
        label->SetColorClick(kPurple);
        window.show();
    }
    void TearDown() override { HyperlinkLabel::SetOpener({}); }

    Backdrop window;
    HyperlinkLabel* label = nullptr;
    QStringList opened;
};

TEST_F(HyperlinkLabelTest, StartsBlueUnderlinedWithDefaultColoursAndOrdinaryPointer) {
    HyperlinkLabel plain;
    EXPECT_EQ(plain.ColorNormal(), kBlue);
    EXPECT_EQ(plain.ColorMoveOver(), kBlue);
    EXPECT_EQ(plain.ColorClick(), kRed);
    EXPECT_EQ(plain.TextColor(), kBlue);
    EXPECT_TRUE(plain.font().underline());
    EXPECT_FALSE(plain.testAttribute(Qt::WA_SetCursor));
}

TEST_F(HyperlinkLabelTest, StaysUnderlinedInTheFontAWindowGivesIt) {
    label->setFont(look::MakeFont(look::kMsSansSerif, 11));
    EXPECT_TRUE(label->font().underline());
    EXPECT_EQ(label->font().pixelSize(), 11);
}

TEST_F(HyperlinkLabelTest, DrawsItsTextInTheCurrentColour) {
    SendEnter(*label);
    const QImage picture = Snapshot(*label);
    bool found = false;
    for (int y = 0; y < picture.height() && !found; ++y) {
        for (int x = 0; x < picture.width() && !found; ++x) {
            found = picture.pixelColor(x, y) == kRed;
        }
    }
    EXPECT_TRUE(found);
}

struct LinkCase {
    const char* name;
    std::vector<Step> steps;
    // The text colour after each step.
    std::vector<QColor> colors;
    int opens;
};

class HyperlinkSequenceTest : public HyperlinkLabelTest,
                              public testing::WithParamInterface<LinkCase> {};

TEST_P(HyperlinkSequenceTest, ColoursFollowThePointerAndAReleaseOverItOpensOnce) {
    const LinkCase& c = GetParam();
    ASSERT_EQ(c.steps.size(), c.colors.size());
    for (size_t i = 0; i < c.steps.size(); ++i) {
        Perform(*label, c.steps[i]);
        EXPECT_EQ(label->TextColor(), c.colors[i]) << "after step " << i;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.colors[i]) << "after step " << i;
    }
    EXPECT_EQ(opened, QStringList(c.opens, QStringLiteral("mailto:kvitek@trimbelo.example.com")));
}

INSTANTIATE_TEST_SUITE_P(
    Pointer, HyperlinkSequenceTest,
    testing::Values(
        LinkCase{"HoverAndLeave", {Step::Enter, Step::Leave}, {kRed, kBlue}, 0},
        LinkCase{"ClickOverIt",
                 {Step::Enter, Step::Press, Step::Release, Step::Leave},
                 {kRed, kPurple, kRed, kBlue},
                 1},
        LinkCase{"ReleasedElsewhere",
                 {Step::Enter, Step::Press, Step::MoveOut, Step::ReleaseOut, Step::Leave},
                 {kRed, kPurple, kBlue, kBlue, kBlue},
                 0},
        LinkCase{"DraggedBackAndReleasedOverIt",
                 {Step::Enter, Step::Press, Step::MoveOut, Step::MoveIn, Step::Release},
                 {kRed, kPurple, kBlue, kPurple, kRed},
                 1},
        LinkCase{"PlatformSendsLeaveAndEnterWhileHeld",
                 {Step::Enter, Step::Press, Step::Leave, Step::Enter, Step::Release},
                 {kRed, kPurple, kBlue, kPurple, kRed},
                 1},
        LinkCase{"AnyButtonOpens",
                 {Step::Enter, Step::PressRight, Step::ReleaseRight},
                 {kRed, kPurple, kRed},
                 1},
        LinkCase{"TwoClicksOpenTwice",
                 {Step::Enter, Step::Press, Step::Release, Step::Press, Step::Release},
                 {kRed, kPurple, kRed, kPurple, kRed},
                 2},
        LinkCase{"ReleaseOfAPressMadeElsewhere", {Step::Enter, Step::Release}, {kRed, kRed}, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(HyperlinkLabelTest, WithoutAnAddressOpensItsText) {
    label->SetURL(QString());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList({"kvitek@trimbelo.example.com"}));
}

// On the offscreen platform a pointer move without buttons really enters and
// leaves widgets, as a desktop's would.
TEST_F(HyperlinkLabelTest, PointerMovesOfTheDesktopChangeTheColour) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(label);
    EXPECT_EQ(label->TextColor(), kRed);
    QTest::mouseMove(&window, QPoint(250, 150));
    EXPECT_EQ(label->TextColor(), kBlue);
}

// ---------------------------------------------------------------- glyph button

// A 32 x 16 glyph of two images on purple: a red square with a black outline,
// then a grey one.
QImage TickGlyph() {
    QImage glyph(32, 16, QImage::Format_RGB32);
    glyph.fill(kPurple);
    QPainter painter(&glyph);
    painter.fillRect(4, 4, 8, 8, Qt::black);
    painter.fillRect(5, 5, 6, 6, kRed);
    painter.fillRect(20, 4, 8, 8, Qt::white);
    painter.fillRect(21, 5, 6, 6, Qt::gray);
    return glyph;
}

bool IsGrey(const QColor& color) {
    return color.red() == color.green() && color.green() == color.blue();
}

class GlyphButtonTest : public testing::Test {
protected:
    void SetUp() override {
        button = new GlyphButton(&panel);
        button->setGeometry(7, 2, 40, 29);
        button->SetGlyph(TickGlyph(), 2);
        window.show();
        panel.show();
    }

    Backdrop window;
    Backdrop panel{look::kButtonFace};
    GlyphButton* button = nullptr;
};

struct ClickCase {
    const char* name;
    std::vector<Step> steps;
    int clicks;
};

class GlyphClickTest : public GlyphButtonTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(GlyphClickTest, ClicksOnlyWhenTheLeftButtonIsReleasedOverIt) {
    QSignalSpy clicked(button, &GlyphButton::clicked);
    for (Step step : GetParam().steps) {
        Perform(*button, step);
    }
    EXPECT_EQ(clicked.count(), GetParam().clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Pointer, GlyphClickTest,
    testing::Values(
        ClickCase{"PressAndRelease", {Step::Enter, Step::Press, Step::Release}, 1},
        ClickCase{"DraggedOffAndReleased",
                  {Step::Enter, Step::Press, Step::MoveOut, Step::ReleaseOut},
                  0},
        ClickCase{"DraggedBackAndReleased",
                  {Step::Enter, Step::Press, Step::MoveOut, Step::MoveIn, Step::Release},
                  1},
        ClickCase{"RightButton", {Step::Enter, Step::PressRight, Step::ReleaseRight}, 0},
        ClickCase{"ReleaseOfAPressMadeElsewhere", {Step::Enter, Step::Release}, 0}),
    [](const auto& test) { return std::string(test.param.name); });

struct LookCase {
    const char* name;
    std::vector<Step> steps;
    bool colored;
    // Colours of the top-left and bottom-right corner; the button face when
    // there is no frame.
    QColor topLeft;
    QColor bottomRight;
    // Where the image's top-left corner lies.
    QPoint image;
};

class GlyphLookTest : public GlyphButtonTest, public testing::WithParamInterface<LookCase> {};

TEST_P(GlyphLookTest, LooksFollowThePointerAndTheButton) {
    const LookCase& c = GetParam();
    for (Step step : c.steps) {
        Perform(*button, step);
    }
    const QImage picture = Snapshot(*button);
    ASSERT_EQ(picture.size(), QSize(40, 29));
    EXPECT_EQ(picture.pixelColor(0, 0), c.topLeft);
    EXPECT_EQ(picture.pixelColor(39, 28), c.bottomRight);
    // The frame's bottom-left and top-right corners belong to the bottom and
    // right edges.
    EXPECT_EQ(picture.pixelColor(0, 28), c.bottomRight);
    EXPECT_EQ(picture.pixelColor(39, 0), c.bottomRight);
    // The purple of the glyph is transparent: the panel shows through.
    EXPECT_EQ(picture.pixelColor(c.image), look::kButtonFace);
    EXPECT_EQ(picture.pixelColor(c.image + QPoint(4, 4)), QColor(Qt::black));
    const QColor face = picture.pixelColor(c.image + QPoint(7, 7));
    if (c.colored) {
        EXPECT_EQ(face, kRed);
    } else {
        EXPECT_TRUE(IsGrey(face) && face != look::kButtonFace) << face.name().toStdString();
    }
}

const QColor kFace = look::kButtonFace;
const QColor kLight = look::kButtonHighlight;
const QColor kShadow = look::kButtonShadow;

INSTANTIATE_TEST_SUITE_P(
    States, GlyphLookTest,
    testing::Values(
        LookCase{"AtRest", {}, false, kFace, kFace, {12, 6}},
        LookCase{"PointerOver", {Step::Enter}, true, kLight, kShadow, {12, 6}},
        LookCase{"Pressed", {Step::Enter, Step::Press}, true, kShadow, kLight, {13, 7}},
        LookCase{
            "DraggedOff", {Step::Enter, Step::Press, Step::MoveOut}, false, kFace, kFace, {12, 6}},
        LookCase{"DraggedBack",
                 {Step::Enter, Step::Press, Step::MoveOut, Step::MoveIn},
                 true,
                 kShadow,
                 kLight,
                 {13, 7}},
        LookCase{"ReleasedOverIt",
                 {Step::Enter, Step::Press, Step::Release},
                 true,
                 kLight,
                 kShadow,
                 {12, 6}},
        LookCase{"PointerLeft", {Step::Enter, Step::Leave}, false, kFace, kFace, {12, 6}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(GlyphButtonTest, NeverTakesTheFocus) {
    QWidget other(&panel);
    other.setFocusPolicy(Qt::StrongFocus);
    other.setFocus();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(button->hasFocus());
}

// ---------------------------------------------------------------- panels and frames

struct BevelCase {
    const char* name;
    BevelPanel::Bevel outer;
    BevelPanel::Bevel inner;
    int width;
    // Colours along the diagonal from the top-left corner inwards, and from
    // the bottom-right corner inwards.
    std::vector<QColor> fromTopLeft;
    std::vector<QColor> fromBottomRight;
};

class BevelPanelTest : public testing::TestWithParam<BevelCase> {};

TEST_P(BevelPanelTest, DrawsOuterThenInnerBevel) {
    const BevelCase& c = GetParam();
    Backdrop window(look::kButtonFace);
    auto* panel = new BevelPanel(&window);
    panel->setGeometry(10, 10, 60, 40);
    panel->SetBevelOuter(c.outer);
    panel->SetBevelInner(c.inner);
    panel->SetBevelWidth(c.width);
    const QImage picture = Snapshot(*panel);
    for (size_t i = 0; i < c.fromTopLeft.size(); ++i) {
        const int d = static_cast<int>(i);
        EXPECT_EQ(picture.pixelColor(d, d), c.fromTopLeft[i]) << "top-left " << i;
        EXPECT_EQ(picture.pixelColor(59 - d, 39 - d), c.fromBottomRight[i]) << "bottom-right " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bevels, BevelPanelTest,
    testing::Values(
        // The About box's content panel and its button panel.
        BevelCase{"LoweredThenRaised",
                  BevelPanel::Bevel::Lowered,
                  BevelPanel::Bevel::Raised,
                  1,
                  {kShadow, kLight, kFace},
                  {kLight, kShadow, kFace}},
        BevelCase{"RaisedThenLowered",
                  BevelPanel::Bevel::Raised,
                  BevelPanel::Bevel::Lowered,
                  1,
                  {kLight, kShadow, kFace},
                  {kShadow, kLight, kFace}},
        // The main window's bottom panel.
        BevelCase{"BothLoweredTwoWide",
                  BevelPanel::Bevel::Lowered,
                  BevelPanel::Bevel::Lowered,
                  2,
                  {kShadow, kShadow, kShadow, kShadow, kFace},
                  {kLight, kLight, kLight, kLight, kFace}},
        BevelCase{
            "NoBevels", BevelPanel::Bevel::None, BevelPanel::Bevel::None, 1, {kFace}, {kFace}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(BevelPanel, TakesItsParentsColour) {
    Backdrop window(kYellow);
    BevelPanel panel(&window);
    panel.setGeometry(0, 0, 40, 30);
    EXPECT_EQ(Snapshot(panel).pixelColor(20, 15), kYellow);
}

// A picture whose right four columns are red, the rest blue over a green
// top-left pixel.
QImage MarkedPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kBlue);
    QPainter painter(&picture);
    painter.fillRect(width - 4, 0, 4, height, kRed);
    painter.fillRect(0, 0, 1, 1, Qt::green);
    return picture;
}

// The bounding box of the pixels that are not the background colour.
QRect InkBounds(const QImage& picture, const QRect& area, const QColor& background) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (picture.pixelColor(x, y) != background) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST(StaticText, SunkenBorderCentredTextOpaqueInTheParentsColour) {
    Backdrop window(kYellow);
    // Over a picture, as the main window's read-outs lie over its backdrop.
    auto* backdrop = new PictureBox(&window);
    backdrop->setGeometry(0, 0, 300, 200);
    backdrop->SetPicture(MarkedPicture(300, 200));
    auto* text = new StaticText(&window);
    text->setGeometry(10, 10, 72, 21);
    text->setFont(look::MakeFont(look::kMsSansSerif, 16, {.bold = true}));
    text->setText(QStringLiteral("4000"));
    const QImage picture = Snapshot(*text);
    EXPECT_EQ(picture.pixelColor(0, 0), kShadow);
    EXPECT_EQ(picture.pixelColor(0, 19), kShadow);
    EXPECT_EQ(picture.pixelColor(70, 0), kShadow);
    EXPECT_EQ(picture.pixelColor(0, 20), kLight);
    EXPECT_EQ(picture.pixelColor(71, 0), kLight);
    EXPECT_EQ(picture.pixelColor(71, 20), kLight);
    EXPECT_EQ(picture.pixelColor(2, 2), kYellow) << "the parent's colour, not the picture";
    const QRect ink = InkBounds(picture, QRect(1, 1, 70, 19), kYellow);
    ASSERT_TRUE(ink.isValid());
    EXPECT_LE(std::abs((ink.left() - 1) - (70 - ink.right())), 2) << "centred across";
    EXPECT_LE(std::abs((ink.top() - 1) - (19 - ink.bottom())), 4) << "centred down";
}

TEST(ColorGroupBox, FillsItsColourWithAnEtchedFrameAndTheCaptionOnTop) {
    Backdrop window(look::kButtonFace);
    window.resize(320, 160);
    auto* group = new ColorGroupBox(QStringLiteral("Cesty k jednotlivým CD"), &window);
    group->setFont(look::DefaultFont());
    group->setGeometry(10, 10, 299, 129);
    group->SetColor(kYellow);
    const QImage picture = Snapshot(*group);
    const int line = QFontMetrics(group->font()).height() / 2 - 1;
    EXPECT_EQ(picture.pixelColor(150, 60), kYellow);
    // Shadow outside, highlight just inside, on every side.
    EXPECT_EQ(picture.pixelColor(0, 60), kShadow);
    EXPECT_EQ(picture.pixelColor(1, 60), kLight);
    EXPECT_EQ(picture.pixelColor(297, 60), kShadow);
    EXPECT_EQ(picture.pixelColor(298, 60), kLight);
    EXPECT_EQ(picture.pixelColor(150, 127), kShadow);
    EXPECT_EQ(picture.pixelColor(150, 128), kLight);
    EXPECT_EQ(picture.pixelColor(290, line), kShadow);
    EXPECT_EQ(picture.pixelColor(290, line + 1), kLight);
    // Above the line the box is yellow too; the caption starts at x = 8 and
    // interrupts the line.
    EXPECT_EQ(picture.pixelColor(290, 0), kYellow);
    const QRect caption = InkBounds(picture, QRect(2, 0, 280, line), kYellow);
    ASSERT_TRUE(caption.isValid());
    EXPECT_GE(caption.left(), 8);
    EXPECT_LE(caption.left(), 9);
    EXPECT_NE(picture.pixelColor(5, line), kYellow) << "line before the caption";
}

// ---------------------------------------------------------------- picture control

TEST(PictureBox, UnscaledFromTheTopLeftAndCutOff) {
    Backdrop window(kYellow);
    window.resize(500, 400);
    auto* box = new PictureBox(&window);
    box->setGeometry(0, 0, 476, 321);
    box->SetPicture(MarkedPicture(480, 321));
    const QImage picture = Snapshot(*box);
    EXPECT_EQ(box->size(), QSize(476, 321));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(picture.pixelColor(475, 320), kBlue);
}

TEST(PictureBox, AutoSizeTakesThePicturesSize) {
    Backdrop window;
    auto* box = new PictureBox(&window);
    box->SetFit(PictureBox::Fit::AutoSize);
    box->setGeometry(401, 7, 10, 10);
    box->SetPicture(MarkedPicture(40, 50));
    EXPECT_EQ(box->geometry(), QRect(401, 7, 40, 50));
    window.show();
    box->setGeometry(401, 7, 60, 60);
    EXPECT_EQ(box->geometry(), QRect(401, 7, 40, 50));
}

TEST(PictureBox, StretchFillsTheControlExactly) {
    Backdrop window(kYellow);
    auto* box = new PictureBox(&window);
    box->SetFit(PictureBox::Fit::Stretch);
    box->setGeometry(8, 37, 214, 94);
    box->SetPicture(MarkedPicture(263, 115));
    const QImage picture = Snapshot(*box);
    EXPECT_EQ(box->size(), QSize(214, 94));
    EXPECT_EQ(picture.pixelColor(213, 93), kRed);
    EXPECT_EQ(picture.pixelColor(100, 93), kBlue);
    EXPECT_NE(picture.pixelColor(213, 0), kYellow);
}

// ---------------------------------------------------------------- memo

TEST(Memo, KeepsLinesExactlyWithTheirSpaces) {
    Memo memo;
    const QStringList lines = {
        QStringLiteral("Vítám Vás v programu Baldur's Gate Kestrune"),
        QStringLiteral("všechna CD  na disk (dnešní kapacity to bez problému "), QString(),
        QStringLiteral("  "), QStringLiteral("poslední ")};
    memo.SetLines(lines);
    EXPECT_EQ(memo.Lines(), lines);
}

TEST(Memo, ScrollsVerticallyAndWrapsLongLines) {
    Backdrop window;
    auto* memo = new Memo(&window);
    memo->setGeometry(10, 10, 212, 84);
    memo->SetLines({QString(QStringLiteral("slovo ")).repeated(30)});
    window.show();
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(memo->verticalScrollBar()->isVisible());
    EXPECT_GT(memo->document()->firstBlock().layout()->lineCount(), 1);
}

TEST(Memo, ReadOnlyIgnoresTyping) {
    Memo memo;
    memo.setReadOnly(true);
    memo.SetLines({QStringLiteral("Poděkování patří ...")});
    memo.show();
    QTest::keyClicks(&memo, QStringLiteral("xyz"));
    QTest::keyClick(&memo, Qt::Key_Backspace);
    EXPECT_EQ(memo.Lines(), QStringList({QStringLiteral("Poděkování patří ...")}));
}

struct MemoBorderCase {
    const char* name;
    bool flat;
    // Colours along the diagonals from the top-left and the bottom-left corner
    // inwards (the scroll bar takes the right-hand side).
    std::vector<QColor> fromTopLeft;
    std::vector<QColor> fromBottomLeft;
};

class MemoBorderTest : public testing::TestWithParam<MemoBorderCase> {};

TEST_P(MemoBorderTest, FlatOrSunkenEdge) {
    Backdrop window;
    auto* memo = new Memo(&window);
    memo->setGeometry(10, 10, 100, 60);
    memo->SetFlat(GetParam().flat);
    window.show();
    const QImage picture = Snapshot(*memo);
    for (size_t i = 0; i < GetParam().fromTopLeft.size(); ++i) {
        const int d = static_cast<int>(i);
        EXPECT_EQ(picture.pixelColor(d, d), GetParam().fromTopLeft[i]) << "top-left " << i;
        EXPECT_EQ(picture.pixelColor(d, 59 - d), GetParam().fromBottomLeft[i])
            << "bottom-left " << i;
    }
}

const QColor kWhite(Qt::white);
const QColor kBlack(Qt::black);

INSTANTIATE_TEST_SUITE_P(
    Borders, MemoBorderTest,
    testing::Values(MemoBorderCase{"Flat", true, {kBlack, kWhite}, {kBlack, kWhite}},
                    // The client edge of a Windows edit box: two pixels each way.
                    MemoBorderCase{"Sunken",
                                   false,
                                   {kShadow, look::kDarkShadow, kWhite},
                                   {kLight, look::kButtonFace, kWhite}}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
