// The About box: its layout against the window's table, the acknowledgements,
// its links, and each way of closing it.

#include "ui/Unit3.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <functional>

#include "tests/ui/RunModal.h"
#include "ui/Maker.h"
#include "ui/widgets/BevelPanel.h"
#include "ui/widgets/GlyphButton.h"
#include "ui/widgets/HyperlinkLabel.h"
#include "ui/widgets/Memo.h"
#include "ui/widgets/PictureBox.h"

namespace {

const QColor kBlue{0, 0, 255};
const QColor kRed{255, 0, 0};
const QColor kPurple{128, 0, 128};

class AboutBoxTest : public testing::Test {
protected:
    AboutBoxTest() {
        HyperlinkLabel::SetOpener([this](const QString& address) { opened << address; });
    }
    ~AboutBoxTest() override { HyperlinkLabel::SetOpener({}); }

    TAboutBox box;
    QStringList opened;
};

// ---------------------------------------------------------------- layout

TEST_F(AboutBoxTest, WindowAsItsTableGivesIt) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("O programu"));
    EXPECT_EQ(box.size(), QSize(247, 322));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    const Qt::WindowFlags flags = box.windowFlags();
    for (const Qt::WindowType hint :
         {Qt::CustomizeWindowHint, Qt::WindowTitleHint, Qt::WindowCloseButtonHint}) {
        EXPECT_TRUE(flags.testFlag(hint)) << hint;
    }
    for (const Qt::WindowType hint : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                      Qt::WindowContextHelpButtonHint}) {
        EXPECT_FALSE(flags.testFlag(hint)) << hint;
    }
    // No icon in the title bar, also where the program has one.
    const QImage icon = box.windowIcon().pixmap(16, 16).toImage();
    EXPECT_FALSE(icon.isNull());
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            EXPECT_EQ(qAlpha(icon.pixel(x, y)), 0) << x << "," << y;
        }
    }
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(212, 208, 200));
    EXPECT_TRUE(box.isHidden());

    EXPECT_EQ(box.Panel1->parentWidget(), &box);
    EXPECT_EQ(box.Panel1->geometry(), QRect(7, 3, 233, 282));
    EXPECT_EQ(box.Panel1->BevelOuter(), BevelPanel::Bevel::Lowered);
    EXPECT_EQ(box.Panel1->BevelInner(), BevelPanel::Bevel::Raised);
    EXPECT_EQ(box.Panel1->BevelWidth(), 1);
    EXPECT_EQ(box.Panel2->parentWidget(), &box);
    EXPECT_EQ(box.Panel2->geometry(), QRect(97, 288, 53, 34));
    EXPECT_EQ(box.Panel2->BevelOuter(), BevelPanel::Bevel::Raised);
    EXPECT_EQ(box.Panel2->BevelInner(), BevelPanel::Bevel::Lowered);
    EXPECT_EQ(box.Panel2->BevelWidth(), 1);

    EXPECT_EQ(box.ProgramIcon->parentWidget(), box.Panel1);
    EXPECT_EQ(box.ProgramIcon->geometry(), QRect(8, 37, 214, 94));
    EXPECT_EQ(box.ProgramIcon->Fitting(), PictureBox::Fit::Stretch);
    EXPECT_EQ(box.ProgramIcon->Picture().size(), QSize(263, 115));

    EXPECT_EQ(box.TransparentButton1->parentWidget(), box.Panel2);
    EXPECT_EQ(box.TransparentButton1->geometry(), QRect(7, 2, 40, 29));
    EXPECT_EQ(box.TransparentButton1->NumGlyphs(), 2);
    EXPECT_TRUE(box.TransparentButton1->text().isEmpty());
    EXPECT_EQ(box.TransparentButton1->focusPolicy(), Qt::NoFocus);

    EXPECT_EQ(box.Memo1->parentWidget(), box.Panel1);
    EXPECT_EQ(box.Memo1->geometry(), QRect(10, 193, 212, 84));
}

// The labels are sized to their texts at the table's positions, and stay
// inside the panel's bevels.
struct LabelRow {
    const char* name;
    std::function<QLabel*(const TAboutBox&)> label;
    QPoint topLeft;
    QString text;
    int pixelSize;
    bool bold;
    bool underline;
};

TEST_F(AboutBoxTest, LabelsSizedToTheirTextsInTheirFonts) {
    const std::vector<LabelRow> rows = {
        {"ProductName",
         [](const TAboutBox& b) { return b.ProductName; },
         {42, 3},
         QStringLiteral("Baldur's Gate Kestrune"),
         15,
         true,
         false},
        {"Copyright",
         [](const TAboutBox& b) { return b.Copyright; },
         {56, 21},
         QString(),
         11,
         false,
         false},
        {"Label1",
         [](const TAboutBox& b) { return b.Label1; },
         {7, 133},
         QString::fromUtf8(maker::kCreditLine),
         11,
         false,
         false},
        {"Label2",
         [](const TAboutBox& b) { return b.Label2; },
         {17, 156},
         QStringLiteral("E-mail:"),
         11,
         true,
         false},
        {"URLLabel1",
         [](const TAboutBox& b) { return b.URLLabel1; },
         {68, 156},
         QString::fromUtf8(maker::kMailText),
         11,
         false,
         true},
        {"Label3",
         [](const TAboutBox& b) { return b.Label3; },
         {17, 174},
         QStringLiteral("URL:"),
         11,
         true,
         false},
        {"URLLabel2",
         [](const TAboutBox& b) { return b.URLLabel2; },
         {68, 174},
         QString::fromUtf8(maker::kPageText),
         11,
         false,
         true},
    };
    // Inside the lowered and the raised bevel.
    const QRect inside = box.Panel1->rect().adjusted(2, 2, -2, -2);
    for (const LabelRow& row : rows) {
        SCOPED_TRACE(row.name);
        const QLabel* label = row.label(box);
        EXPECT_EQ(label->parentWidget(), box.Panel1);
        EXPECT_EQ(label->pos(), row.topLeft);
        EXPECT_EQ(label->text(), row.text);
        EXPECT_EQ(label->size(), label->sizeHint());
        EXPECT_TRUE(inside.contains(label->geometry())) << label->geometry().right();
        const QFont font = label->font();
        EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif"));
        EXPECT_EQ(font.pixelSize(), row.pixelSize);
        EXPECT_EQ(font.bold(), row.bold);
        EXPECT_EQ(font.underline(), row.underline);
    }
    // The texts in black, the links in their own colours.
    for (const QLabel* label : {box.ProductName, box.Label1, box.Label2, box.Label3}) {
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }
    // The e-mail and the URL labels in one column, each on its own line.
    EXPECT_LT(box.URLLabel1->geometry().bottom(), box.URLLabel2->geometry().top());
    EXPECT_LT(box.Label2->geometry().right(), box.URLLabel1->geometry().left());
}

TEST_F(AboutBoxTest, LinksToTheMakerInTheirColours) {
    const struct {
        HyperlinkLabel* label;
        const char* address;
    } links[] = {{box.URLLabel1, maker::kMailLink}, {box.URLLabel2, maker::kPageLink}};
    for (const auto& link : links) {
        EXPECT_EQ(link.label->URL(), QString::fromUtf8(link.address));
        EXPECT_EQ(link.label->ColorNormal(), kBlue);
        EXPECT_EQ(link.label->ColorMoveOver(), kRed);
        EXPECT_EQ(link.label->ColorClick(), kPurple);
        EXPECT_EQ(link.label->TextColor(), kBlue);
        // The maker is invented: the addresses lie under the reserved domain.
        EXPECT_TRUE(link.label->URL().contains(QStringLiteral(".example.com")));
        EXPECT_TRUE(link.label->text().contains(QStringLiteral(".example.com")));
    }
    EXPECT_TRUE(box.URLLabel1->URL().startsWith(QStringLiteral("mailto:")));
    EXPECT_TRUE(box.URLLabel1->URL().contains(QStringLiteral("?subject=")));
}

TEST_F(AboutBoxTest, AcknowledgementsLineByLine) {
    const QStringList lines = box.Memo1->Lines();
    ASSERT_EQ(lines.size(), 21);
    const std::vector<std::pair<int, QString>> fixed = {
        {1, QStringLiteral("Poděkování patří ...")},
        {3, QStringLiteral("tvorbu")},
        {4, QString()},
        {10, QStringLiteral("a dalším za jejich hudbu")},
        {11, QString()},
        {12, QStringLiteral("Spisovatelům jako")},
        {16, QStringLiteral("pro nás tvoří.")},
        {17, QString()},
        {18, QString()},
        {19, QStringLiteral("Toto je betaverze programu")},
        {20, QStringLiteral("O případných chybách mne ")},
        {21, QStringLiteral("prosím informujte")},
    };
    for (const auto& [number, text] : fixed) {
        EXPECT_EQ(lines[number - 1], text) << "line " << number;
    }

    // The theatre company.
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Divadlu ")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" za jejich ")));
    EXPECT_GT(lines[1].size(), QStringLiteral("Divadlu  za jejich ").size());

    // Ten music groups over lines 5 to 9.
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Kapelám ")));
    const QString groups = lines.mid(4, 5).join(QString()).mid(QStringLiteral("Kapelám ").size());
    const QStringList groupNames = groups.split(QLatin1Char(','));
    EXPECT_EQ(groupNames.size(), 10) << groups.toStdString();
    for (const QString& name : groupNames) {
        EXPECT_FALSE(name.trimmed().isEmpty());
    }

    // Five writers over lines 13 to 15, "nebo" before the last.
    EXPECT_TRUE(lines[14].endsWith(QStringLiteral(" za díla, která ")));
    QString writers = lines.mid(12, 3).join(QString());
    writers.chop(QStringLiteral(" za díla, která ").size());
    const qsizetype nebo = writers.lastIndexOf(QStringLiteral("nebo "));
    ASSERT_GT(nebo, 0);
    const QStringList firstFour = writers.left(nebo).split(QLatin1Char(','), Qt::SkipEmptyParts);
    EXPECT_EQ(firstFour.size(), 4) << writers.toStdString();
    EXPECT_FALSE(writers.mid(nebo + 5).contains(QLatin1Char(',')));
    EXPECT_FALSE(writers.mid(nebo + 5).trimmed().isEmpty());
}

TEST_F(AboutBoxTest, MemoReadOnlyScrollingVerticallyInBoldArial) {
    Memo& memo = *box.Memo1;
    EXPECT_TRUE(memo.isReadOnly());
    EXPECT_TRUE(memo.Flat());
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(memo.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(memo.font().pixelSize(), 11);
    EXPECT_TRUE(memo.font().bold());

    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    // The only control that takes the focus, so the first in the tab order.
    EXPECT_EQ(QApplication::focusWidget(), &memo);
    EXPECT_EQ(memo.verticalScrollBar()->value(), 0);
    EXPECT_GT(memo.verticalScrollBar()->maximum(), 0);

    // Typing, deleting and pasting change nothing; the keys still scroll.
    const QString text = memo.toPlainText();
    QTest::keyClicks(&memo, QStringLiteral("xyz"));
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return}) {
        QTest::keyClick(&memo, key);
    }
    QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(memo.toPlainText(), text);
    QTest::keyClick(&memo, Qt::Key_End, Qt::ControlModifier);
    EXPECT_GT(memo.verticalScrollBar()->value(), 0);
    box.close();

    // Shown again, it starts from the first line.
    box.show();
    EXPECT_EQ(memo.verticalScrollBar()->value(), 0);
    box.close();
}

TEST_F(AboutBoxTest, CentredOnTheScreenWhenShown) {
    box.move(0, 0);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const QPoint screenCentre = box.screen()->availableGeometry().center();
    EXPECT_LE((box.frameGeometry().center() - screenCentre).manhattanLength(), 2);
    box.close();
}

TEST_F(AboutBoxTest, Screenshot) {
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const QImage shot = box.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(247, 322));
    const QDir folder(QStringLiteral(KESTRUNE_SCREENSHOT_DIR));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    EXPECT_TRUE(shot.save(folder.filePath(QStringLiteral("aboutbox.png"))));
    box.close();
}

// ---------------------------------------------------------------- behaviour

// Each way of closing the box ends its showing with the cancel result.
struct CloseRoute {
    const char* name;
    std::function<void(TAboutBox&)> close;
};

void PrintTo(const CloseRoute& route, std::ostream* out) {
    *out << route.name;
}

class AboutBoxCloseTest : public AboutBoxTest, public testing::WithParamInterface<CloseRoute> {};

TEST_P(AboutBoxCloseTest, EndsTheShowingWithTheCancelResult) {
    const std::optional<int> result = RunModal(box, [this] { GetParam().close(box); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(box.isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    AboutBox, AboutBoxCloseTest,
    testing::Values(CloseRoute{"close button",
                               [](TAboutBox& b) {
                                   QTest::mouseClick(b.TransparentButton1, Qt::LeftButton);
                               }},
                    // Dragged off and back in while held, it closes when released there.
                    CloseRoute{"close button, dragged off and back",
                               [](TAboutBox& b) {
                                   GlyphButton* button = b.TransparentButton1;
                                   QTest::mousePress(button, Qt::LeftButton, {}, {20, 14});
                                   QTest::mouseMove(button, {60, 40});
                                   QTest::mouseMove(button, {20, 14});
                                   QTest::mouseRelease(button, Qt::LeftButton, {}, {20, 14});
                               }},
                    // The title bar's close button, the system menu and Alt+F4 all
                    // reach the window as the system's close command.
                    CloseRoute{"system close", [](TAboutBox& b) { b.windowHandle()->close(); }}));

TEST_F(AboutBoxTest, StaysOpenForEscEnterAndAPressReleasedOffTheButton) {
    const std::optional<int> result = RunModal(box, [this] {
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(box.Memo1, key);
            EXPECT_TRUE(box.isVisible()) << key;
        }
        GlyphButton* button = box.TransparentButton1;
        QTest::mousePress(button, Qt::LeftButton, {}, {20, 14});
        QTest::mouseMove(button, {60, 40});
        QTest::mouseRelease(button, Qt::LeftButton, {}, {60, 40});
        EXPECT_TRUE(box.isVisible());
        // The right button does not close it either.
        QTest::mouseClick(button, Qt::RightButton);
        EXPECT_TRUE(box.isVisible());
    });
    EXPECT_EQ(result, std::nullopt);
}

TEST_F(AboutBoxTest, ALinkOpensOnceWhenReleasedOverItAndNeverClosesTheBox) {
    const std::optional<int> result = RunModal(box, [this] {
        for (HyperlinkLabel* link : {box.URLLabel1, box.URLLabel2}) {
            QTest::mousePress(link, Qt::LeftButton, {}, {3, 3});
            EXPECT_EQ(link->TextColor(), kPurple);
            QTest::mouseRelease(link, Qt::LeftButton, {}, {3, 3});
            EXPECT_EQ(link->TextColor(), kRed);
        }
        EXPECT_TRUE(box.isVisible());
    });
    EXPECT_EQ(result, std::nullopt);
    EXPECT_EQ(opened, QStringList({QString::fromUtf8(maker::kMailLink),
                                   QString::fromUtf8(maker::kPageLink)}));
}

TEST_F(AboutBoxTest, ALinkReleasedElsewhereOpensNothingAndTurnsBlue) {
    const std::optional<int> result = RunModal(box, [this] {
        HyperlinkLabel* link = box.URLLabel2;
        QTest::mousePress(link, Qt::LeftButton, {}, {3, 3});
        const QPoint outside(link->width() + 10, link->height() + 10);
        QTest::mouseMove(link, outside);
        EXPECT_EQ(link->TextColor(), kBlue);
        QTest::mouseRelease(link, Qt::LeftButton, {}, outside);
        EXPECT_EQ(link->TextColor(), kBlue);
        EXPECT_TRUE(box.isVisible());
    });
    EXPECT_EQ(result, std::nullopt);
    EXPECT_TRUE(opened.isEmpty());
}

}  // namespace
