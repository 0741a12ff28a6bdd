// The main window at work: real windows on the offscreen platform, a Wine
// prefix, a user store and Baldur.ini in temporary folders, simulated keys
// and mouse, and a stand-in for every modal box. Wherever a save happens,
// the whole file is compared afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "platform/UserStore.h"
#include "settings/Registry.h"
#include "tests/ui/FakeModals.h"
#include "tests/ui/MainWindowWorld.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/widgets/FolderTree.h"
#include "ui/widgets/HyperlinkLabel.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/StaticText.h"

namespace {

using Kind = FakeModals::Kind;

const QString kWrongPath = "Špatná cesta k INI souboru";
const QString kWrongPathCannotWrite = "Špatná cesta k INI souboru\r\nNelze zapsat nastavení";
const QString kQuitAnyway = "Opravdu chcete ukončit konfigurátor ?";
const QString kIniPath =
    QString::fromUtf8(MainWindowWorld::kIniPath.data(), MainWindowWorld::kIniPath.size());

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        // Created in the program's order: main window, About box, folder chooser.
        form_ = std::make_unique<TForm1>(modals_, about_, chooser_);
        aboutBox_ = std::make_unique<TAboutBox>();
        about_ = aboutBox_.get();
        chooserBox_ = std::make_unique<Tadresar>(modals_);
        chooser_ = chooserBox_.get();
        modals_.whileShown = [this](QDialog& window) {
            shown_.push_back(&window);
            if (&window == chooser_ && inChooser_) {
                inChooser_(*chooser_);
            }
        };
    }

    // Starts the way the program does: the remembered Baldur.ini holds the
    // bytes, and the window is shown and active.
    void Start(std::string_view ini) {
        world_.WriteIni(ini);
        MainWindowWorld::Remember(MainWindowWorld::kIniPath);
        Show();
    }

    void Show() {
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    TForm1& Form() const { return *form_; }

    int AboutShown() const {
        return static_cast<int>(std::count(shown_.begin(), shown_.end(), about_));
    }

    // Replaces the text of an edit box as the user does: click, select all, type.
    // Letters beyond ASCII come as key presses that carry their text, as a
    // keyboard layout of their language sends them.
    static void Type(QLineEdit* field, const QString& text) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        for (const QChar character : text) {
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }

    static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    QStringList CdTexts() const {
        QStringList texts;
        for (const QLineEdit* field :
             {Form().CD1, Form().CD2, Form().CD3, Form().CD4, Form().CD5}) {
            texts << field->text();
        }
        return texts;
    }

    MainWindowWorld world_;
    FakeModals modals_;
    TAboutBox* about_ = nullptr;
    Tadresar* chooser_ = nullptr;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<Tadresar> chooserBox_;
    std::vector<const QDialog*> shown_;
    std::function<void(Tadresar&)> inChooser_;
};

// CD3 holds the five bytes Windows-1250 leaves undefined; the window shows
// them as characters of their own and writes them back as they were.
const QString kCd2 = QString::fromUtf8("C:\\Hry\\Baldurova brána\\Část 2\\");

// ---------------------------------------------------------------- loading

struct NodesCase {
    const char* stored;
    const char* shown;
    const char* hint;
};

void PrintTo(const NodesCase& c, std::ostream* out) {
    *out << "stored " << c.stored;
}

class NodesTest : public MainWindowTest, public testing::WithParamInterface<NodesCase> {};

TEST_P(NodesTest, LoadedValueIsShownNormalisedAndSavedAsShown) {
    const NodesCase& c = GetParam();
    Start(SmallIni(c.stored));
    EXPECT_EQ(Form().SB1->value(), QString(c.shown).toInt());
    EXPECT_EQ(Form().ST1->text(), c.shown);
    EXPECT_EQ(Form().ST2->text(), c.hint);
    EXPECT_EQ(CdTexts(), QStringList({"E:\\CD1", kCd2, Form().CD3->text(), "E:\\CD4\\", ""}));
    EXPECT_EQ(Form().CD3->text().size(), 13);
    EXPECT_FALSE(Form().Pause->isChecked());

    Click(Form().Button2);
    EXPECT_EQ(world_.ReadIni(), SmallIni(c.shown, "E:\\CD1\\"));
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(AboutShown(), 1);
    EXPECT_EQ(modals_.calls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, NodesTest,
    testing::Values(NodesCase{"4500", "4000", "P 133"}, NodesCase{"1000", "2000", "P 133"},
                    NodesCase{"999999", "400000", "PII 400"}, NodesCase{"4999", "4000", "P 133"},
                    NodesCase{"0x8000", "32000", "P 233"}, NodesCase{"-5", "2000", "P 133"}),
    [](const testing::TestParamInfo<NodesCase>& test) {
        std::string name = std::string("Stored_") + test.param.stored;
        std::replace(name.begin(), name.end(), '-', 'm');
        return name;
    });

TEST_F(MainWindowTest, ValueEqualToThePositionHeldChangesNothing) {
    const QSignalSpy changes(Form().SB1, &QScrollBar::valueChanged);
    Start(SmallIni("4000"));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(Form().ST1->text(), "4000");
    EXPECT_EQ(Form().ST2->text(), "P 133");
}

TEST_F(MainWindowTest, MissingRememberedFileShowsTheDefaultsWithoutAWord) {
    MainWindowWorld::Remember("C:\\Games\\BG\\Chybi.ini");
    Show();
    EXPECT_EQ(Form().Edit1->text(), "C:\\Games\\BG\\Chybi.ini");
    EXPECT_EQ(Form().ST1->text(), "4000");
    EXPECT_EQ(CdTexts(),
              QStringList({"E:\\CD1\\", "E:\\CD2\\", "E:\\CD3\\", "E:\\CD4\\", "E:\\CD5\\"}));
    EXPECT_TRUE(Form().Pause->isChecked());
    EXPECT_TRUE(modals_.calls.empty());
}

TEST_F(MainWindowTest, FailingRememberedLocationShowsTheWindowWithoutLoading) {
    world_.WriteIni(SmallIni("50000"));
    platform::UserStoreKey::OpenOrCreate(kRememberedLocationKey)
        ->Set(kRememberedLocationName, platform::kTypeDword, std::string("\x10\x27\0\0", 4));
    Show();
    EXPECT_EQ(modals_.Texts(Kind::ApplicationError),
              QStringList({"Invalid data type for 'BGpath'"}));
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(Form().Edit1->text(), "C:\\Program Files\\Baldur's Gate\\Baldur.ini");
    EXPECT_EQ(Form().ST1->text(), "4000");
    EXPECT_TRUE(Form().Pause->isChecked());
}

TEST_F(MainWindowTest, ShowingAgainDoesNotLoadAgain) {
    Start(SmallIni("50000"));
    Form().SB1->setValue(70000);
    Form().hide();
    Show();
    EXPECT_EQ(Form().ST1->text(), "70000");
}

// ---------------------------------------------------------------- scroll bar

struct KeyCase {
    int start;
    Qt::Key key;
    int value;
    const char* hint;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << QKeySequence(c.key).toString().toStdString() << " from " << c.start;
}

class ScrollKeysTest : public MainWindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(ScrollKeysTest, KeysMoveByTheirStep) {
    const KeyCase& c = GetParam();
    Start(SmallIni("4000"));
    Form().SB1->setFocus(Qt::TabFocusReason);
    Form().SB1->setValue(c.start);
    ASSERT_EQ(QApplication::focusWidget(), Form().SB1);
    QTest::keyClick(Form().SB1, c.key);
    EXPECT_EQ(Form().SB1->value(), c.value);
    EXPECT_EQ(Form().ST1->text(), QString::number(c.value));
    EXPECT_EQ(Form().ST2->text(), c.hint);
}

INSTANTIATE_TEST_SUITE_P(Keys, ScrollKeysTest,
                         testing::Values(KeyCase{50000, Qt::Key_Home, 2000, "P 133"},
                                         KeyCase{50000, Qt::Key_End, 400000, "PII 400"},
                                         KeyCase{4000, Qt::Key_Right, 5000, "P 133"},
                                         KeyCase{10000, Qt::Key_Left, 9000, "P 133"},
                                         KeyCase{9000, Qt::Key_Down, 10000, "P 166"},
                                         KeyCase{5000, Qt::Key_Up, 4000, "P 133"},
                                         KeyCase{4000, Qt::Key_PageDown, 14000, "P 166"},
                                         KeyCase{64000, Qt::Key_PageUp, 54000, "P 233"},
                                         KeyCase{395000, Qt::Key_PageDown, 400000, "PII 400"},
                                         KeyCase{2000, Qt::Key_Left, 2000, "P 133"},
                                         KeyCase{6000, Qt::Key_PageUp, 2000, "P 133"}),
                         [](const testing::TestParamInfo<KeyCase>& test) {
                             return QKeySequence(test.param.key).toString().toStdString() +
                                    "_from_" + std::to_string(test.param.start);
                         });

// Where the parts of the scroll bar lie, as its style places them.
QRect PartOf(const ScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.SmallChange();
    option.pageStep = bar.PageSize();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

TEST_F(MainWindowTest, ArrowsAndTrackClicksMoveBySmallAndLargeChange) {
    Start(SmallIni("100000"));
    ScrollBar& bar = *Form().SB1;
    const struct {
        QStyle::SubControl part;
        int value;
    } clicks[] = {{QStyle::SC_ScrollBarAddLine, 101000},
                  {QStyle::SC_ScrollBarSubLine, 100000},
                  {QStyle::SC_ScrollBarAddPage, 110000},
                  {QStyle::SC_ScrollBarSubPage, 100000}};
    for (const auto& click : clicks) {
        const QRect part = PartOf(bar, click.part);
        ASSERT_TRUE(part.isValid());
        QTest::mouseClick(&bar, Qt::LeftButton, {}, part.center());
        EXPECT_EQ(bar.value(), click.value);
        EXPECT_EQ(Form().ST1->text(), QString::number(click.value));
    }
}

TEST_F(MainWindowTest, DraggingTheThumbShowsOnlyWholeThousands) {
    Start(SmallIni("2000"));
    ScrollBar& bar = *Form().SB1;
    const QRect thumb = PartOf(bar, QStyle::SC_ScrollBarSlider);
    // The thumb stands for the page size, not for the large change.
    EXPECT_LT(thumb.width(), 40);
    QSignalSpy changes(&bar, &QScrollBar::valueChanged);
    QTest::mousePress(&bar, Qt::LeftButton, {}, thumb.center());
    for (int x = thumb.center().x(); x < bar.width(); x += 7) {
        QTest::mouseMove(&bar, QPoint(x, thumb.center().y()));
        EXPECT_EQ(bar.value() % 1000, 0);
        EXPECT_EQ(Form().ST1->text(), QString::number(bar.value()));
    }
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 1, thumb.center().y()));
    EXPECT_GT(bar.value(), 300000);
    for (const QList<QVariant>& change : changes) {
        EXPECT_GE(change.at(0).toInt(), 2000);
    }
}

// ---------------------------------------------------------------- CD fields

TEST_F(MainWindowTest, LeavingAnyCdFieldGivesAllFiveTheirBackslash) {
    const struct {
        const char* how;
        std::function<void(TForm1&)> leave;
    } routes[] = {
        {"Tab from CD1",
         [](TForm1& f) {
             QTest::mouseClick(f.CD1, Qt::LeftButton);
             QTest::keyClick(f.CD1, Qt::Key_Tab);
         }},
        {"click from CD3 into the path",
         [](TForm1& f) {
             QTest::mouseClick(f.CD3, Qt::LeftButton);
             QTest::mouseClick(f.Edit1, Qt::LeftButton);
         }},
        {"Shift+Tab from CD5",
         [](TForm1& f) {
             QTest::mouseClick(f.CD5, Qt::LeftButton);
             QTest::keyClick(f.CD5, Qt::Key_Backtab, Qt::ShiftModifier);
         }},
        {"CD2 to the scroll bar",
         [](TForm1& f) {
             QTest::mouseClick(f.CD2, Qt::LeftButton);
             QTest::mouseClick(f.SB1, Qt::LeftButton, {}, QPoint(105, 8));
         }},
    };
    Start(SmallIni("4500"));
    for (const auto& route : routes) {
        SCOPED_TRACE(route.how);
        Form().CD1->setText("E:\\CD1");
        Form().CD3->setText("E:\\Moje CD/");
        Form().CD5->setText("");
        route.leave(Form());
        EXPECT_EQ(CdTexts(), QStringList({"E:\\CD1\\", kCd2, "E:\\Moje CD/\\", "E:\\CD4\\", ""}));
    }
}

TEST_F(MainWindowTest, AnotherWindowTakingTheFocusLeavesTheCdFieldsAlone) {
    Show();
    Type(Form().CD3, "E:\\CD3");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(Form().CD3->text(), "E:\\CD3");
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(QApplication::focusWidget(), Form().CD3);
    EXPECT_EQ(Form().CD3->text(), "E:\\CD3");
}

// ---------------------------------------------------------------- folder chooser

TEST_F(MainWindowTest, ChooserOpensOnAnExistingFolderOrWhereItWasLeft) {
    Start(SmallIni("4000"));
    QStringList openedOn;
    QString choose;
    inChooser_ = [&](Tadresar& chooser) {
        openedOn << QString::fromStdString(chooser.DO1->CurrentFolder());
        if (!choose.isEmpty()) {
            chooser.DO1->SetCurrentFolder(choose.toStdString());
        }
    };
    // CD4's folder exists: the chooser opens there, and the field gets the
    // tree's folder, without a backslash until the focus leaves a CD field.
    Click(Form().Button6);
    // CD2's folder does not exist: the chooser stays on E:\CD4, and the
    // folder picked in it replaces the field's text.
    choose = "E:\\CD2";
    Click(Form().Button4);
    // The chooser was left on E:\CD2; CD5 is empty, so it opens there again.
    choose = "C:\\Games";
    Click(Form().Button7);
    EXPECT_EQ(openedOn, QStringList({"E:\\CD4", "E:\\CD4", "E:\\CD2"}));
    EXPECT_EQ(CdTexts(),
              QStringList({"E:\\CD1", "E:\\CD2", Form().CD3->text(), "E:\\CD4", "C:\\Games"}));
    EXPECT_EQ(static_cast<int>(shown_.size()), 3);

    Click(Form().Button2);
    const std::string expected =
        Replaced(Replaced(SmallIni("4000", "E:\\CD1\\"),
                          "CD2:=C:\\Hry\\Baldurova br\xE1na\\\xC8\xE1st 2\\", "CD2:=E:\\CD2\\"),
                 "CD5:=", "CD5:=C:\\Games\\");
    EXPECT_EQ(world_.ReadIni(), expected);
}

TEST_F(MainWindowTest, EachChooseButtonServesTheFieldBesideIt) {
    Start(SmallIni("4000"));
    int picked = 0;
    inChooser_ = [&picked](Tadresar& chooser) {
        chooser.DO1->SetCurrentFolder("E:\\CD" + std::to_string(++picked));
    };
    for (QPushButton* button :
         {Form().Button5, Form().Button3, Form().Button7, Form().Button4, Form().Button6}) {
        Click(button);
    }
    EXPECT_EQ(CdTexts(), QStringList({"E:\\CD2", "E:\\CD4", "E:\\CD1", "E:\\CD5", "E:\\CD3"}));
}

// ---------------------------------------------------------------- save and quit

TEST_F(MainWindowTest, TypedPathIsSavedIntoButNotRemembered) {
    Start(SmallIni("4500"));
    world_.WriteFile(world_.OnDriveC("Other/Baldur.ini"), SmallIni("8000"));
    Type(Form().Edit1, "C:\\Other\\Baldur.ini");
    Click(Form().Button2);
    EXPECT_EQ(world_.ReadFile(world_.OnDriveC("Other/Baldur.ini")), SmallIni("4000", "E:\\CD1\\"));
    EXPECT_EQ(world_.ReadIni(), SmallIni("4500"));
    EXPECT_EQ(MainWindowWorld::Remembered(), MainWindowWorld::kIniPath);

    // The next start loads from the remembered file again.
    FakeModals modals;
    TAboutBox* about = aboutBox_.get();
    Tadresar* chooser = chooserBox_.get();
    TForm1 next(modals, about, chooser);
    next.show();
    EXPECT_EQ(next.Edit1->text(), kIniPath);
    EXPECT_EQ(next.ST1->text(), "4000");
}

struct BadPathCase {
    const char* what;
    QString path;
    bool quit;
};

void PrintTo(const BadPathCase& c, std::ostream* out) {
    *out << c.what << (c.quit ? ", quit" : ", stay");
}

class BadPathTest : public MainWindowTest, public testing::WithParamInterface<BadPathCase> {};

TEST_P(BadPathTest, NothingIsWrittenAndTheUserDecidesWhetherToQuit) {
    const BadPathCase& c = GetParam();
    Start(SmallIni("4500"));
    Form().SB1->setValue(90000);
    Form().Edit1->setText(c.path);
    modals_.confirmAnswer = c.quit;
    Click(Form().Button2);
    EXPECT_EQ(modals_.Texts(Kind::Error), QStringList({kWrongPathCannotWrite}));
    EXPECT_EQ(modals_.Texts(Kind::Confirm), QStringList({kQuitAnyway}));
    EXPECT_EQ(world_.ReadIni(), SmallIni("4500"));
    EXPECT_EQ(Form().isVisible(), !c.quit);
    EXPECT_EQ(AboutShown(), c.quit ? 1 : 0);
    // Only the backslashes of the CD fields changed.
    EXPECT_EQ(Form().CD1->text(), "E:\\CD1\\");
    EXPECT_EQ(Form().ST1->text(), "90000");
    EXPECT_EQ(Form().Edit1->text(), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, BadPathTest,
    testing::Values(BadPathCase{"folder", "C:\\Games\\BG", false},
                    BadPathCase{"folder", "C:\\Games\\BG", true},
                    BadPathCase{"missing", "C:\\Games\\BG\\Chybi.ini", false},
                    BadPathCase{"missing", "C:\\Games\\BG\\Chybi.ini", true},
                    BadPathCase{"unspellable", QString("C:\\Games\\") + QChar(0xD800), false}),
    [](const testing::TestParamInfo<BadPathCase>& test) {
        return std::string(test.param.what) + (test.param.quit ? "Yes" : "No");
    });

TEST_F(MainWindowTest, ReadOnlyFileShowsTheErrorAndKeepsTheWindowOpen) {
    Start(SmallIni("4500"));
    std::filesystem::permissions(world_.OnDriveC("Games/BG/Baldur.ini"),
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::group_read |
                                     std::filesystem::perms::others_read);
    Click(Form().Button2);
    EXPECT_EQ(modals_.Texts(Kind::Error), QStringList({kWrongPath}));
    EXPECT_TRUE(modals_.Texts(Kind::Confirm).isEmpty());
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(AboutShown(), 0);
    EXPECT_EQ(world_.ReadIni(), SmallIni("4500"));
}

TEST_F(MainWindowTest, CdPathTheGameCannotHoldIsNamedAndNothingIsWritten) {
    Start(SmallIni("4500"));
    Type(Form().CD2, QString::fromUtf8("E:\\Мой CD\\"));
    Click(Form().Button2);
    EXPECT_EQ(modals_.Texts(Kind::Error),
              QStringList({QString::fromUtf8("Cesta k CD2 obsahuje znaky, které nelze zapsat do "
                                             "Baldur.ini: М о й\r\nNelze zapsat nastavení")}));
    EXPECT_EQ(world_.ReadIni(), SmallIni("4500"));
    EXPECT_TRUE(Form().isVisible());
}

// ---------------------------------------------------------------- browsing

TEST_F(MainWindowTest, BrowsingLoadsAndRemembersTheChosenFile) {
    Start(SmallIni("4500"));
    world_.WriteFile(world_.OnDriveC("Other/Baldur.ini"), SmallIni("50000"));

    // Cancelled: nothing changes and nothing is remembered.
    Click(Form().Button1);
    ASSERT_EQ(modals_.openFileRequests.size(), 1u);
    EXPECT_EQ(modals_.openFileRequests[0].initialFolder, kIniPath);
    EXPECT_EQ(modals_.openFileRequests[0].filter, "Baldur's Gate INI|Baldur.ini");
    EXPECT_EQ(modals_.openFileRequests[0].fileName, "");
    EXPECT_EQ(Form().ST1->text(), "4000");

    modals_.openFileAnswer = "C:\\Other\\Baldur.ini";
    Click(Form().Button1);
    EXPECT_EQ(Form().Edit1->text(), "C:\\Other\\Baldur.ini");
    EXPECT_EQ(MainWindowWorld::Remembered(), "C:\\Other\\Baldur.ini");
    EXPECT_EQ(Form().ST1->text(), "50000");
    EXPECT_EQ(Form().ST2->text(), "P 233");

    // The dialog keeps the file last chosen; the typed path is its start.
    Type(Form().Edit1, "D:\\Jinam\\Baldur.ini");
    modals_.openFileAnswer.reset();
    Click(Form().Button1);
    ASSERT_EQ(modals_.openFileRequests.size(), 3u);
    EXPECT_EQ(modals_.openFileRequests[2].initialFolder, "D:\\Jinam\\Baldur.ini");
    EXPECT_EQ(modals_.openFileRequests[2].fileName, "C:\\Other\\Baldur.ini");
    EXPECT_EQ(MainWindowWorld::Remembered(), "C:\\Other\\Baldur.ini");
    EXPECT_TRUE(modals_.Texts(Kind::Error).isEmpty());
}

TEST_F(MainWindowTest, FailingToRememberTheChosenFileLoadsNothing) {
    Start(SmallIni("4500"));
    world_.WriteFile(world_.OnDriveC("Other/Baldur.ini"), SmallIni("50000"));
    // The user store can no longer make its keys.
    std::filesystem::remove_all(world_.store.Root() / "kestrune");
    MainWindowWorld::WriteFile(world_.store.Root() / "kestrune", "not a folder");

    modals_.openFileAnswer = "C:\\Other\\Baldur.ini";
    Click(Form().Button1);
    EXPECT_EQ(modals_.Texts(Kind::ApplicationError).size(), 1);
    EXPECT_TRUE(modals_.Texts(Kind::ApplicationError).value(0).startsWith("Failed to create key"));
    EXPECT_EQ(Form().Edit1->text(), "C:\\Other\\Baldur.ini");
    EXPECT_EQ(Form().ST1->text(), "4000");
    EXPECT_EQ(Form().CD1->text(), "E:\\CD1");
}

TEST_F(MainWindowTest, ChosenFileTheSystemCannotSpellIsNeitherRememberedNorLoaded) {
    Start(SmallIni("4500"));
    const QString unspellable = QStringLiteral("C:\\Other\\") + QChar(0xDC00) + "\\Baldur.ini";
    modals_.openFileAnswer = unspellable;
    Click(Form().Button1);
    EXPECT_EQ(modals_.Texts(Kind::Error),
              QStringList({"Cesta k INI souboru obsahuje znaky, které systém nedokáže uložit: " +
                           unspellable}));
    EXPECT_EQ(Form().Edit1->text(), unspellable);
    EXPECT_EQ(MainWindowWorld::Remembered(), MainWindowWorld::kIniPath);
    EXPECT_EQ(Form().CD1->text(), "E:\\CD1");
}

TEST_F(MainWindowTest, TheLinkOpensTheAuthorsPages) {
    Start(SmallIni("4500"));
    QStringList opened;
    HyperlinkLabel::SetOpener([&opened](const QString& address) { opened << address; });
    Click(Form().URLLabel1);
    HyperlinkLabel::SetOpener({});
    EXPECT_EQ(opened, QStringList({"http://kvitek.example.com/"}));
    EXPECT_TRUE(Form().isVisible());
}

// ---------------------------------------------------------------- closing

struct CloseCase {
    const char* route;
    std::function<void(TForm1&)> close;
};

void PrintTo(const CloseCase& c, std::ostream* out) {
    *out << c.route;
}

class CloseRouteTest : public MainWindowTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRouteTest, EditsAreNotWrittenAndTheAboutBoxComesOnce) {
    Start(SmallIni("4500"));
    QTest::keyClick(Form().SB1, Qt::Key_End);
    Type(Form().CD1, "E:\\Jine");
    Click(Form().Pause);
    GetParam().close(Form());
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(AboutShown(), 1);
    EXPECT_EQ(static_cast<int>(modals_.calls.size()), 1);
    EXPECT_EQ(world_.ReadIni(), SmallIni("4500"));

    // A later close shows nothing more.
    Form().show();
    Form().close();
    EXPECT_EQ(AboutShown(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, CloseRouteTest,
    testing::Values(CloseCase{"TitleBar", [](TForm1& f) { f.windowHandle()->close(); }},
                    CloseCase{"Button8",
                              [](TForm1& f) { QTest::mouseClick(f.Button8, Qt::LeftButton); }},
                    CloseCase{"Button8ByKey",
                              [](TForm1& f) {
                                  f.Button8->setFocus();
                                  QTest::keyClick(f.Button8, Qt::Key_Space);
                              }}),
    [](const testing::TestParamInfo<CloseCase>& test) { return std::string(test.param.route); });

TEST_F(MainWindowTest, CloseAskedWhileTheAboutBoxIsOpenShowsItNoMore) {
    Start(SmallIni("4500"));
    modals_.whileShown = [&](QDialog&) {
        Form().close();
        Form().windowHandle()->close();
    };
    Click(Form().Button8);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_EQ(modals_.calls.size(), 1u);
}

TEST_F(MainWindowTest, EnterAndEscapePressNoButton) {
    Start(SmallIni("4500"));
    for (QWidget* control :
         {static_cast<QWidget*>(Form().Edit1), static_cast<QWidget*>(Form().Button8),
          static_cast<QWidget*>(Form().Button2), static_cast<QWidget*>(Form().CD1)}) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        QTest::keyClick(control, Qt::Key_Enter);
        QTest::keyClick(control, Qt::Key_Escape);
    }
    EXPECT_TRUE(Form().isVisible());
    EXPECT_TRUE(modals_.calls.empty());
    EXPECT_EQ(world_.ReadIni(), SmallIni("4500"));
}

TEST_F(MainWindowTest, ClickingTheWarningTextLeavesTheBoxAlone) {
    Start(SmallIni("4500"));
    ASSERT_FALSE(Form().Pause->isChecked());
    Click(Form().Label8);
    QTest::mouseDClick(Form().Label8, Qt::LeftButton);
    EXPECT_FALSE(Form().Pause->isChecked());
    Click(Form().Pause);
    EXPECT_TRUE(Form().Pause->isChecked());
    Click(Form().Button2);
    EXPECT_EQ(world_.ReadIni(), SmallIni("4000", "E:\\CD1\\", "1"));
}

}  // namespace
