// The main window given what no player means to give it: a huge Baldur.ini,
// one full of binary junk, one that is a folder, one that vanishes before the
// save, and paths of several thousand characters. Everything runs on the one
// user-interface thread, so "the window stays responsive" means here: every
// handler returns, and afterwards the window still takes keys and clicks.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "settings/GameSettings.h"
#include "tests/ui/FakeModals.h"
#include "tests/ui/MainWindowWorld.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/StaticText.h"

namespace {

using Kind = FakeModals::Kind;

const QString kWrongPathCannotWrite = "Špatná cesta k INI souboru\r\nNelze zapsat nastavení";
const QString kQuitAnyway = "Opravdu chcete ukončit konfigurátor ?";

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Full size where the program is built as it ships. Unoptimised code and the
// address sanitizer take several times as long for every byte the INI
// accessor touches (each of the seven reads scans the whole file), so there a
// tenth of it keeps the suite within its time.
#if defined(NDEBUG)
constexpr bool kOptimised = true;
#else
constexpr bool kOptimised = false;
#endif
constexpr std::size_t kHugeSize = kOptimised && !kAddressSanitizer ? 100'000'000 : 10'000'000;

class HostileInputTest : public testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TForm1>(modals_, about_, chooser_);
        aboutBox_ = std::make_unique<TAboutBox>();
        about_ = aboutBox_.get();
        chooserBox_ = std::make_unique<Tadresar>(modals_);
        chooser_ = chooserBox_.get();
    }

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

    static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // The window still answers the keyboard: one arrow step of the scroll bar.
    void ExpectTakesInput() {
        const int before = Form().SB1->value();
        Form().SB1->setFocus();
        QTest::keyClick(Form().SB1, Qt::Key_Right);
        EXPECT_EQ(Form().SB1->value(), before + 1000);
        EXPECT_EQ(Form().ST1->text(), QString::number(before + 1000));
    }

    MainWindowWorld world_;
    FakeModals modals_;
    TAboutBox* about_ = nullptr;
    Tadresar* chooser_ = nullptr;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<Tadresar> chooserBox_;
};

double SecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A realistic file grown to about `size` bytes: many sections of many keys,
// CR LF, with our seven values in the last sections so that every read scans
// the whole file.
std::string HugeIni(std::size_t size, std::string_view tail) {
    std::string text;
    text.reserve(size + tail.size());
    for (int section = 0; text.size() + tail.size() < size; ++section) {
        text += "[Mod Section " + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 40; ++key) {
            text += "Key " + std::to_string(key) + "=C:\\Hry\\Baldurova br\xE1na\\data\\" +
                    std::to_string(section * 40 + key) + ".bif\r\n";
        }
        text += "\r\n";
    }
    return text + std::string(tail);
}

// ---------------------------------------------------------------- a huge file

TEST_F(HostileInputTest, HugeFileLoadsAndSavesOnlyOurValues) {
    const std::string original = HugeIni(kHugeSize, SmallIni("4500"));
    double loading = 0;
    {
        world_.WriteIni(original);
        MainWindowWorld::Remember(MainWindowWorld::kIniPath);
        loading = SecondsOf([this] { Show(); });
    }
    EXPECT_EQ(Form().ST1->text(), "4000");
    EXPECT_EQ(Form().CD1->text(), "E:\\CD1");
    EXPECT_EQ(Form().CD4->text(), "E:\\CD4\\");
    EXPECT_FALSE(Form().Pause->isChecked());
    ExpectTakesInput();

    const double saving = SecondsOf([this] { Click(Form().Button2); });
    std::printf("[ hostile  ] %zu bytes: load %.2f s, save and quit %.2f s\n", original.size(),
                loading, saving);
    EXPECT_TRUE(modals_.calls.size() == 1 && modals_.calls[0].kind == Kind::ShowModal)
        << "only the About box, no message";
    EXPECT_FALSE(Form().isVisible());
    const std::string expected = original.substr(0, original.size() - SmallIni("4500").size()) +
                                 SmallIni("5000", "E:\\CD1\\");
    const std::string written = world_.ReadIni();
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected) << "the file differs beyond our values";
}

// ---------------------------------------------------------------- binary junk

// Random bytes of every value (NUL, CR alone, LF, 0x80 to 0xFF), a line of a
// megabyte, and CR LF at the end. The seed is fixed: the same junk each run.
std::string Junk() {
    std::mt19937 random(1250);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string junk;
    for (int at = 0; at < 200'000; ++at) {
        junk += static_cast<char>(byte(random));
    }
    junk += "\r";
    junk += std::string(1'000'000, '\xA9');
    junk += "\r\x00\xFF\x80=\r\n";
    return junk;
}

struct JunkCase {
    const char* what;
    std::string before;  // the file at start
    QString nodes;       // what the window shows
    QString cd1;
    std::string expected;  // the file after save and quit
};

void PrintTo(const JunkCase& c, std::ostream* out) {
    *out << c.what;
}

class JunkTest : public HostileInputTest, public testing::WithParamInterface<JunkCase> {};

TEST_P(JunkTest, LoadShowsWhatParsesAndSaveChangesOnlyOurValues) {
    const JunkCase& c = GetParam();
    Start(c.before);
    EXPECT_EQ(Form().ST1->text(), c.nodes);
    EXPECT_EQ(Form().CD1->text(), c.cd1);
    EXPECT_TRUE(modals_.calls.empty());
    ExpectTakesInput();
    Click(Form().Button2);
    EXPECT_TRUE(modals_.Texts(Kind::Error).isEmpty());
    EXPECT_FALSE(Form().isVisible());
    const std::string written = world_.ReadIni();
    EXPECT_EQ(written.size(), c.expected.size());
    EXPECT_TRUE(written == c.expected) << "the file differs beyond our values";
}

INSTANTIATE_TEST_SUITE_P(
    Files, JunkTest,
    testing::Values(
        JunkCase{"JunkThenOurSections", Junk() + SmallIni("4500"), "4000", "E:\\CD1",
                 Junk() + SmallIni("5000", "E:\\CD1\\")},
        JunkCase{"OurSectionsThenJunk", SmallIni("12000") + Junk(), "12000", "E:\\CD1",
                 SmallIni("13000", "E:\\CD1\\") + Junk()},
        JunkCase{"JunkInOurValues",
                 SmallIni(std::string("\x80\xFF\0", 3) + "7", "E:\\CD1\\\xFE\xFF"), "4000",
                 QString::fromUtf8("E:\\CD1\\ţ˙"), SmallIni("5000", "E:\\CD1\\\xFE\xFF\\")},
        JunkCase{
            "NulInCd2", Replaced(SmallIni("4500"), "\xC8\xE1st", std::string("\xC8\0st", 4)),
            "4000", "E:\\CD1",
            Replaced(SmallIni("5000", "E:\\CD1\\"), "\xC8\xE1st", std::string("\xC8\0st", 4))}),

    [](const testing::TestParamInfo<JunkCase>& test) { return test.param.what; });

// Nothing of ours in it: the defaults, silently; the save adds our values at
// the end and leaves the junk as it was.
TEST_F(HostileInputTest, JunkAloneShowsTheDefaultsAndKeepsEveryByte) {
    const std::string junk = Junk();
    Start(junk);
    EXPECT_EQ(Form().ST1->text(), "4000");
    EXPECT_EQ(Form().CD1->text(), "E:\\CD1\\");
    EXPECT_TRUE(Form().Pause->isChecked());
    EXPECT_TRUE(modals_.calls.empty());
    ExpectTakesInput();
    Click(Form().Button2);
    EXPECT_TRUE(modals_.Texts(Kind::Error).isEmpty());
    const std::string written = world_.ReadIni();
    ASSERT_GT(written.size(), junk.size());
    EXPECT_TRUE(written.compare(0, junk.size(), junk) == 0) << "the junk changed";
    GameSettings expected;
    expected.PathSearchNodes = 5000;
    EXPECT_EQ(LoadGameSettings(MainWindowWorld::kIniPath), expected);
}

// ---------------------------------------------------------------- files that are not there

TEST_F(HostileInputTest, FolderNamedBaldurIniLoadsTheDefaultsAndIsNeverWritten) {
    const std::filesystem::path ini = world_.OnDriveC("Games/BG/Baldur.ini");
    std::filesystem::create_directories(ini);
    MainWindowWorld::Remember(MainWindowWorld::kIniPath);
    Show();
    EXPECT_EQ(Form().ST1->text(), "4000");
    EXPECT_EQ(Form().CD1->text(), "E:\\CD1\\");
    EXPECT_TRUE(modals_.calls.empty());
    ExpectTakesInput();
    Click(Form().Button2);
    EXPECT_EQ(modals_.Texts(Kind::Error), QStringList({kWrongPathCannotWrite}));
    EXPECT_EQ(modals_.Texts(Kind::Confirm), QStringList({kQuitAnyway}));
    EXPECT_TRUE(Form().isVisible());
    EXPECT_TRUE(std::filesystem::is_directory(ini));
    EXPECT_TRUE(std::filesystem::is_empty(ini));
}

class VanishedFileTest : public HostileInputTest, public testing::WithParamInterface<bool> {};

TEST_P(VanishedFileTest, SaveAsksAndCreatesNothing) {
    const bool quit = GetParam();
    Start(SmallIni("4500"));
    std::filesystem::remove(world_.OnDriveC("Games/BG/Baldur.ini"));
    modals_.confirmAnswer = quit;
    Click(Form().Button2);
    EXPECT_EQ(modals_.Texts(Kind::Error), QStringList({kWrongPathCannotWrite}));
    EXPECT_EQ(modals_.Texts(Kind::Confirm), QStringList({kQuitAnyway}));
    EXPECT_EQ(Form().isVisible(), !quit);
    // Not the file, nor any temporary file beside it.
    EXPECT_TRUE(std::filesystem::is_empty(world_.OnDriveC("Games/BG")));
    if (!quit) {
        ExpectTakesInput();
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, VanishedFileTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& test) {
                             return test.param ? "Quit" : "Stay";
                         });

// ---------------------------------------------------------------- very long paths

// A path of about 6000 characters on drive C:, with Czech letters, naming no
// file (no system takes a path that long).
QString LongPath() {
    QString path = "C:\\Games";
    while (path.size() < 6000) {
        path += QString::fromUtf8("\\Složka číslo ") + QString::number(path.size());
    }
    return path + "\\Baldur.ini";
}

TEST_F(HostileInputTest, LongTypedPathIsRefusedAtSaveAndNotRemembered) {
    Start(SmallIni("4500"));
    // Typed in bursts of key presses that carry their text, as an input
    // method sends it; Czech letters included.
    Click(Form().Edit1);
    QTest::keyClick(Form().Edit1, Qt::Key_A, Qt::ControlModifier);
    for (qsizetype at = 0; at < LongPath().size(); at += 50) {
        QTest::sendKeyEvent(QTest::Click, Form().Edit1, Qt::Key_unknown, LongPath().mid(at, 50),
                            Qt::NoModifier);
    }
    ASSERT_EQ(Form().Edit1->text(), LongPath());
    Click(Form().Button2);
    EXPECT_EQ(modals_.Texts(Kind::Error), QStringList({kWrongPathCannotWrite}));
    EXPECT_EQ(modals_.Texts(Kind::Confirm), QStringList({kQuitAnyway}));
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(world_.ReadIni(), SmallIni("4500"));
    EXPECT_EQ(MainWindowWorld::Remembered(), MainWindowWorld::kIniPath);
    ExpectTakesInput();
}

TEST_F(HostileInputTest, LongChosenPathIsRememberedByteForByteAndRefusedAtSave) {
    Start(SmallIni("50000"));
    modals_.openFileAnswer = LongPath();
    Click(Form().Button1);
    EXPECT_EQ(Form().Edit1->text(), LongPath());
    EXPECT_EQ(MainWindowWorld::Remembered(), LongPath().toStdString());
    // The missing file loads as the defaults, silently.
    EXPECT_TRUE(modals_.Texts(Kind::Error).isEmpty());
    EXPECT_EQ(Form().ST1->text(), "4000");
    ExpectTakesInput();

    Click(Form().Button2);
    EXPECT_EQ(modals_.Texts(Kind::Error), QStringList({kWrongPathCannotWrite}));
    EXPECT_EQ(modals_.Texts(Kind::Confirm), QStringList({kQuitAnyway}));
    EXPECT_EQ(world_.ReadIni(), SmallIni("50000"));

    // The next start shows the long path again, whole.
    FakeModals modals;
    TForm1 next(modals, about_, chooser_);
    next.show();
    EXPECT_EQ(next.Edit1->text(), LongPath());
    EXPECT_TRUE(modals.calls.empty());
}

}  // namespace
