// Start-up and the end of a run: the three windows created once, only the
// main window shown, and closing it shows the About box once, modally, after
// which the event loop ends.
#include "ui/Startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "tests/ui/FakeModals.h"
#include "tests/ui/MainWindowWorld.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/widgets/GlyphButton.h"
#include "ui/widgets/StaticText.h"

namespace {

QList<QWidget*> VisibleWindows() {
    QList<QWidget*> visible;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            visible << window;
        }
    }
    return visible;
}

TEST(Startup, ThreeWindowsAreReachableAndOnlyTheMainWindowIsShown) {
    MainWindowWorld world;
    world.WriteIni(SmallIni("50000"));
    MainWindowWorld::Remember(MainWindowWorld::kIniPath);
    FakeModals modals;
    {
        const ProgramWindows windows(modals);
        ASSERT_NE(Form1, nullptr);
        ASSERT_NE(AboutBox, nullptr);
        ASSERT_NE(adresar, nullptr);
        EXPECT_EQ(&windows.Main(), Form1);
        EXPECT_TRUE(VisibleWindows().isEmpty());

        windows.Main().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
        EXPECT_EQ(VisibleWindows(), QList<QWidget*>({Form1}));
        EXPECT_EQ(Form1->ST1->text(), "50000");
        EXPECT_TRUE(modals.calls.empty());
    }
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(AboutBox, nullptr);
    EXPECT_EQ(adresar, nullptr);
}

// Runs the event loop as the program does, with a watchdog: false when the
// loop did not end by itself.
bool RunUntilTheLoopEnds(const std::function<void()>& start) {
    bool stuck = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        stuck = true;
        QApplication::exit(1);
    });
    watchdog.start(20000);
    QTimer::singleShot(0, start);
    QApplication::exec();
    return !stuck;
}

struct ShownAbout {
    int times = 0;
    bool modal = false;
    bool mainWindowStillShown = false;
};

// Watches for the About box, notes how it is shown and closes it with its
// own close button, as the user does.
void CloseTheAboutBoxWhenShown(QTimer& poll, ShownAbout& about) {
    QObject::connect(&poll, &QTimer::timeout, [&about] {
        if (AboutBox->isVisible() && QApplication::activeModalWidget() == AboutBox) {
            ++about.times;
            about.modal = AboutBox->isModal();
            about.mainWindowStillShown = Form1->isVisible();
            QTest::mouseClick(AboutBox->TransparentButton1, Qt::LeftButton);
        }
    });
    poll.start(20);
}

struct RouteCase {
    const char* name;
    std::function<void()> close;
};

void PrintTo(const RouteCase& c, std::ostream* out) {
    *out << c.name;
}

class EndOfRunTest : public testing::TestWithParam<RouteCase> {};

TEST_P(EndOfRunTest, ClosingTheMainWindowShowsTheAboutBoxOnceAndEndsTheLoop) {
    MainWindowWorld world;
    world.WriteIni(SmallIni("4500"));
    MainWindowWorld::Remember(MainWindowWorld::kIniPath);
    QtModals modals;
    const ProgramWindows windows(modals);
    windows.Main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));

    QTimer poll;
    ShownAbout about;
    CloseTheAboutBoxWhenShown(poll, about);
    EXPECT_TRUE(RunUntilTheLoopEnds(GetParam().close));
    EXPECT_EQ(about.times, 1);
    EXPECT_TRUE(about.modal);
    EXPECT_TRUE(about.mainWindowStillShown);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(AboutBox->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Routes, EndOfRunTest,
    testing::Values(
        RouteCase{"TitleBar", [] { Form1->windowHandle()->close(); }},
        RouteCase{"QuitOnly", [] { QTest::mouseClick(Form1->Button8, Qt::LeftButton); }},
        RouteCase{"SaveAndQuit", [] { QTest::mouseClick(Form1->Button2, Qt::LeftButton); }}),
    [](const testing::TestParamInfo<RouteCase>& test) { return std::string(test.param.name); });

}  // namespace
