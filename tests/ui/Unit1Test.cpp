// The main window as laid out: every control at its place, with its font,
// colours and text, the focus order, and a screenshot to look at.
#include "ui/Unit1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <vector>

#include "tests/ui/FakeModals.h"
#include "tests/ui/MainWindowWorld.h"
#include "ui/Maker.h"
#include "ui/Startup.h"
#include "ui/widgets/ColorGroupBox.h"
#include "ui/widgets/HyperlinkLabel.h"
#include "ui/widgets/Memo.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/StaticText.h"

namespace {

// The dialogs are not needed to lay the window out.
struct LaidOutWindow {
    FakeModals modals;
    TAboutBox* about = nullptr;
    Tadresar* chooser = nullptr;
    TForm1 form{modals, about, chooser};
};

QString TextOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        return group->title();
    }
    return {};
}

struct ControlCase {
    const char* name;
    const char* parent;
    QRect geometry;
    // Character height in pixels and weight; 0 for a control that draws no text.
    int pixelSize;
    bool bold;
    QString text;
};

const QString kNone;

const ControlCase kControls[] = {
    {"Image1", "Form1", {0, 0, 476, 321}, 0, false, kNone},
    {"Label1", "Form1", {168, 16, 122, 16}, 13, true, "Cesta k Baldur.ini"},
    {"Label2",
     "Form1",
     {112, 60, 306, 16},
     13,
     true,
     "Inteligence postav pří hledání cesty terénem"},
    {"Label8",
     "Form1",
     {92, 248, 308, 13},
     11,
     true,
     "Zobrazovat varování \"V inventáři není hra pauznuta!\""},
    {"Panel1", "Form1", {0, 321, 476, 76}, 0, false, kNone},
    {"Image3", "Panel1", {401, 7, 40, 50}, 0, false, kNone},
    {"URLLabel1", "Panel1", {371, 57, 97, 13}, 11, false, maker::kWebText},
    {"Memo1", "Panel1", {8, 8, 357, 61}, 11, false, kNone},
    {"Edit1",
     "Form1",
     {96, 32, 257, 21},
     11,
     false,
     "C:\\Program Files\\Baldur's Gate\\Baldur.ini"},
    {"Button1", "Form1", {360, 28, 75, 25}, 11, false, "Procházet"},
    {"Button2", "Form1", {104, 288, 213, 25}, 11, false, "Ukončit program a uložit nové nastavení"},
    {"ST1", "Form1", {305, 78, 72, 21}, 16, true, "4000"},
    {"ST2", "Form1", {380, 80, 53, 17}, 11, true, "P 133"},
    {"SB1", "Form1", {91, 80, 210, 16}, 0, false, kNone},
    {"GroupBox1",
     "Form1",
     {87, 112, 299, 129},
     11,
     false,
     "Cesty k jednotlivým CD (pro více CD-ROM mechanik, ...)"},
    {"Label3", "GroupBox1", {8, 24, 25, 13}, 11, true, "CD1"},
    {"Label4", "GroupBox1", {8, 44, 25, 13}, 11, true, "CD2"},
    {"Label5", "GroupBox1", {8, 64, 25, 13}, 11, true, "CD3"},
    {"Label6", "GroupBox1", {8, 83, 25, 13}, 11, true, "CD4"},
    {"Label7", "GroupBox1", {8, 103, 25, 13}, 11, true, "CD5"},
    {"CD1", "GroupBox1", {41, 20, 204, 21}, 11, true, "E:\\CD1\\"},
    {"CD2", "GroupBox1", {41, 40, 204, 21}, 11, true, "E:\\CD2\\"},
    {"CD3", "GroupBox1", {41, 60, 204, 21}, 11, true, "E:\\CD3\\"},
    {"CD4", "GroupBox1", {41, 80, 204, 21}, 11, true, "E:\\CD4\\"},
    {"CD5", "GroupBox1", {41, 100, 204, 21}, 11, true, "E:\\CD5\\"},
    {"Button3", "GroupBox1", {248, 21, 41, 17}, 11, false, "Vyber"},
    {"Button4", "GroupBox1", {248, 42, 41, 17}, 11, false, "Vyber"},
    {"Button5", "GroupBox1", {248, 62, 41, 17}, 11, false, "Vyber"},
    {"Button6", "GroupBox1", {248, 83, 41, 17}, 11, false, "Vyber"},
    {"Button7", "GroupBox1", {248, 103, 41, 17}, 11, false, "Vyber"},
    {"Pause", "Form1", {75, 248, 14, 14}, 0, false, kNone},
    {"Button8", "Form1", {324, 288, 125, 25}, 11, false, "Pouze ukončit program"},
};

// The space a control gives its text: buttons keep a margin for their
// frame, read-outs and edit boxes for their border.
int TextRoom(const QWidget* control) {
    const int width = control->width();
    if (qobject_cast<const QPushButton*>(control) != nullptr) {
        return width - 6;
    }
    if (qobject_cast<const QLineEdit*>(control) != nullptr) {
        return width - 8;
    }
    if (qobject_cast<const QGroupBox*>(control) != nullptr) {
        return width - 16;
    }
    return width;
}

TEST(MainWindowLayout, WindowIsAFixedDialogFrameWithTheCaptionAndCredit) {
    LaidOutWindow window;
    const TForm1& form = window.form;
    EXPECT_EQ(form.windowTitle(), "Baldur's Gate - Kestrune - (c) 1999-2000 Trimbelo");
    EXPECT_EQ(form.size(), QSize(476, 397));
    EXPECT_EQ(form.minimumSize(), QSize(476, 397));
    EXPECT_EQ(form.maximumSize(), QSize(476, 397));
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(212, 208, 200));
    EXPECT_EQ(form.font().family(), "MS Sans Serif");
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_FALSE(form.font().bold());
}

TEST(MainWindowLayout, EveryControlHasItsPlaceParentFontAndText) {
    LaidOutWindow window;
    for (const ControlCase& expected : kControls) {
        SCOPED_TRACE(expected.name);
        const auto* control = window.form.findChild<QWidget*>(expected.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), expected.parent);
        EXPECT_EQ(control->geometry(), expected.geometry);
        if (expected.pixelSize != 0) {
            EXPECT_EQ(control->font().family(), "MS Sans Serif");
            EXPECT_EQ(control->font().pixelSize(), expected.pixelSize);
            EXPECT_EQ(control->font().bold(), expected.bold);
        }
        EXPECT_EQ(TextOf(control), expected.text);
        if (!expected.text.isEmpty()) {
            EXPECT_LE(control->fontMetrics().horizontalAdvance(expected.text), TextRoom(control))
                << "the text does not fit its control";
        }
    }
}

TEST(MainWindowLayout, LaterControlsLieAboveEarlierOnes) {
    LaidOutWindow window;
    QStringList stacking;
    for (const QObject* child : window.form.children()) {
        if (child->isWidgetType()) {
            stacking << child->objectName();
        }
    }
    EXPECT_EQ(stacking,
              QStringList({"Image1", "Label1", "Label2", "Label8", "Panel1", "Edit1", "Button1",
                           "Button2", "ST1", "ST2", "SB1", "GroupBox1", "Pause", "Button8"}));
}

TEST(MainWindowLayout, ColoursOfTheGroupTheCdFieldsAndTheLink) {
    LaidOutWindow window;
    TForm1& form = window.form;
    EXPECT_EQ(form.GroupBox1->Color(), QColor(255, 255, 0));
    for (const QLineEdit* field : {form.CD1, form.CD2, form.CD3, form.CD4, form.CD5}) {
        EXPECT_EQ(field->palette().color(QPalette::Text), QColor(255, 0, 0));
    }
    EXPECT_EQ(form.URLLabel1->ColorNormal(), QColor(0, 0, 255));
    EXPECT_EQ(form.URLLabel1->ColorMoveOver(), QColor(255, 255, 0));
    EXPECT_EQ(form.URLLabel1->ColorClick(), QColor(255, 0, 0));
    EXPECT_TRUE(form.URLLabel1->font().underline());
    EXPECT_EQ(form.URLLabel1->URL(), maker::kWebLink);
    // Transparent labels: the backdrop shows through them.
    for (const QLabel* label : {form.Label1, form.Label2, form.Label8}) {
        EXPECT_FALSE(label->autoFillBackground());
    }
}

TEST(MainWindowLayout, PicturesAreTheBackdropCutOffAndThePortraitAtItsSize) {
    LaidOutWindow window;
    EXPECT_EQ(window.form.Image1->Picture().size(), QSize(480, 321));
    EXPECT_EQ(window.form.Image1->Fitting(), PictureBox::Fit::Unscaled);
    EXPECT_EQ(window.form.Image3->Picture().size(), QSize(40, 50));
    EXPECT_EQ(window.form.Image3->Fitting(), PictureBox::Fit::AutoSize);
}

TEST(MainWindowLayout, ScrollBarHoldsTheNodeRangeAndSteps) {
    LaidOutWindow window;
    const ScrollBar& bar = *window.form.SB1;
    EXPECT_EQ(bar.orientation(), Qt::Horizontal);
    EXPECT_EQ(bar.minimum(), 2000);
    EXPECT_EQ(bar.maximum(), 400000);
    EXPECT_EQ(bar.value(), 4000);
    EXPECT_EQ(bar.SmallChange(), 1000);
    EXPECT_EQ(bar.LargeChange(), 10000);
    EXPECT_EQ(bar.PageSize(), 1000);
    EXPECT_TRUE(window.form.Pause->isChecked());
    EXPECT_TRUE(window.form.Pause->text().isEmpty());
}

TEST(MainWindowLayout, WelcomeTextHasItsSixteenLines) {
    LaidOutWindow window;
    const QStringList expected = {
        "Vítám Vás v programu Baldur's Gate Kestrune",
        "Tato jednoduchá utilitka umožňuje nastavit \"inteligenci\" postav při ",
        "procházení složitým terénem, dungeony či městy. Větší inteligence ",
        "ovšem vyžaduje výkonnější počítač.",
        "Dále si pak můžete nastavit cesty k jednotlivým CD hry - zkopírujte si ",
        "všechna CD  na disk (dnešní kapacity to bez problému ",
        "umožňují) a zbavíte se otravné povinosti stále měnit CD.",
        "Nakonec můžete i vypnout hlášku \"V inventáři není hra pausnuta\", ",
        "která se objeví, pokud během souboje otevřete inventář.",
        "Doufám, že Vám bude tento program k něčemu užitečný.",
        "Budu velice rád, pokud navštívíte můj web ",
        "kvitek.example.com , na kterém najdete recenze na fantasy ",
        "knížky, galerii, chat a spoustu dalšího. Také se zde budou objevovat ",
        "případné aktualizace tohoto programu.",
        "",
        "Loučí se s vámi Matěj Kvítek, Trimbelo",
    };
    EXPECT_EQ(window.form.Memo1->Lines(), expected);
    EXPECT_FALSE(window.form.Memo1->isReadOnly());
    EXPECT_EQ(window.form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST(MainWindowLayout, NoButtonIsADefaultButton) {
    LaidOutWindow window;
    for (const QPushButton* button : window.form.findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_FALSE(button->autoDefault());
        EXPECT_FALSE(button->isDefault());
    }
}

// Names of the controls the focus visits, starting from the first focus.
QStringList FocusWalk(TForm1& form, Qt::KeyboardModifiers modifiers, int steps) {
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < steps; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        visited << QApplication::focusWidget()->objectName();
    }
    static_cast<void>(form);
    return visited;
}

TEST(MainWindowLayout, FocusStartsInThePathAndTabVisitsTheControlsInOrder) {
    MainWindowWorld world;
    LaidOutWindow window;
    window.form.show();
    window.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window.form));
    ASSERT_EQ(QApplication::focusWidget(), window.form.Edit1);

    const QStringList order = {"Edit1",   "Button1", "Button2", "SB1",     "CD1",     "CD2",
                               "CD3",     "CD4",     "CD5",     "Button3", "Button4", "Button5",
                               "Button6", "Button7", "Pause",   "Memo1",   "Button8", "Edit1"};
    EXPECT_EQ(FocusWalk(window.form, Qt::NoModifier, 17), order);
    QStringList backwards = order;
    std::reverse(backwards.begin(), backwards.end());
    EXPECT_EQ(FocusWalk(window.form, Qt::ShiftModifier, 17), backwards);
}

TEST(MainWindowLayout, ShownInTheMiddleOfTheScreen) {
    MainWindowWorld world;
    LaidOutWindow window;
    window.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.form));
    const QPoint middle = window.form.screen()->availableGeometry().center();
    EXPECT_LE((window.form.frameGeometry().center() - middle).manhattanLength(), 1);
}

// The screenshot shows the window in the style the program draws it in.
class ProgramStyle {
public:
    ProgramStyle() : saved_(QApplication::style()->name()) {
        QApplication::setStyle(QString::fromLatin1(kProgramStyle));
    }
    ~ProgramStyle() { QApplication::setStyle(saved_); }
    ProgramStyle(const ProgramStyle&) = delete;
    ProgramStyle& operator=(const ProgramStyle&) = delete;

private:
    QString saved_;
};

TEST(MainWindowLayout, ScreenshotAfterLoadingTheGameFile) {
    const ProgramStyle style;
    MainWindowWorld world;
    world.WriteIni(SmallIni("32000"));
    MainWindowWorld::Remember(MainWindowWorld::kIniPath);
    LaidOutWindow window;
    window.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.form));
    ASSERT_EQ(window.form.ST1->text(), "32000");

    const QImage shot = window.form.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(476, 397));
    const QDir folder(QStringLiteral(KESTRUNE_SCREENSHOT_DIR));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    EXPECT_TRUE(shot.save(folder.filePath(QStringLiteral("form1.png"))));
    EXPECT_TRUE(window.modals.calls.empty());
}

}  // namespace
