#include "ui/MessageBoxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>

#include "ui/Modals.h"

namespace {

struct FullStopCase {
    const char* message;
    const char* shown;
};

class FullStopTest : public testing::TestWithParam<FullStopCase> {};

TEST_P(FullStopTest, AppendsAFullStopOnlyAfterACharacterThatSortsAfterIt) {
    EXPECT_EQ(WithFullStop(QString::fromUtf8(GetParam().message)),
              QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FullStopTest,
    testing::Values(FullStopCase{"", ""}, FullStopCase{"Chyba", "Chyba."},
                    FullStopCase{"Hotovo.", "Hotovo."}, FullStopCase{"Pozor!", "Pozor!"},
                    FullStopCase{"Opravdu?", "Opravdu?."}, FullStopCase{"Disk 5", "Disk 5."},
                    FullStopCase{"E:\\CD1\\", "E:\\CD1\\."}, FullStopCase{"(chyba)", "(chyba)"},
                    FullStopCase{"chyba ", "chyba "}, FullStopCase{"a-", "a-"},
                    FullStopCase{"a,", "a,"}, FullStopCase{"C:/", "C:/."},
                    FullStopCase{"Baldurova brána", "Baldurova brána."},
                    FullStopCase{"Nelze zapsat\r\n", "Nelze zapsat\r\n"}));

// What a message box showed while it was up.
struct SeenBox {
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    // Button texts from left to right.
    QStringList buttons;
    QString defaultButton;
    QString escapeButton;
    QRect frame;
};

SeenBox Observe(QMessageBox& box) {
    SeenBox seen;
    seen.title = box.windowTitle();
    seen.icon = box.icon();
    seen.text = box.text();
    QList<QAbstractButton*> buttons = box.buttons();
    std::sort(buttons.begin(), buttons.end(), [&box](QAbstractButton* a, QAbstractButton* b) {
        return a->mapTo(&box, QPoint()).x() < b->mapTo(&box, QPoint()).x();
    });
    for (QAbstractButton* button : buttons) {
        seen.buttons << button->text();
    }
    seen.defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
    seen.escapeButton = box.escapeButton() ? box.escapeButton()->text() : QString();
    seen.frame = box.geometry();
    return seen;
}

// Once the next modal box is up, notes what it shows and then answers it:
// with a key press to the widget that has the focus, or by closing the box
// when no key is given.
class BoxAnswer {
public:
    explicit BoxAnswer(std::optional<int> key) : key_(key) {
        QTimer::singleShot(0, &context_, [this] { Poll(); });
    }

    const std::optional<SeenBox>& seen() const { return seen_; }

private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            // The timer dies with this object, should the box never come.
            QTimer::singleShot(10, &context_, [this] { Poll(); });
            return;
        }
        seen_ = Observe(*box);
        if (!key_) {
            box->close();
            return;
        }
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
        QTest::keyClick(target, static_cast<Qt::Key>(*key_));
    }

    std::optional<int> key_;
    std::optional<SeenBox> seen_;
    QObject context_;
};

struct ConfirmCase {
    const char* name;
    std::optional<int> key;
    bool consent;
};

class ConfirmBoxTest : public testing::TestWithParam<ConfirmCase> {};

TEST_P(ConfirmBoxTest, OnlyYesCountsAsConsent) {
    QtModals modals;
    BoxAnswer answer(GetParam().key);
    EXPECT_EQ(modals.Confirm(QStringLiteral("Opravdu chcete ukončit konfigurátor ?")),
              GetParam().consent);
    ASSERT_TRUE(answer.seen());
    const SeenBox& seen = *answer.seen();
    EXPECT_EQ(seen.title, "Confirm");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.text, QStringLiteral("Opravdu chcete ukončit konfigurátor ?"));
    EXPECT_EQ(seen.buttons, QStringList({"&Yes", "&No"}));
    EXPECT_EQ(seen.defaultButton, "&Yes");
    EXPECT_EQ(seen.escapeButton, "&No");
}

INSTANTIATE_TEST_SUITE_P(Answers, ConfirmBoxTest,
                         testing::Values(ConfirmCase{"Enter", Qt::Key_Return, true},
                                         ConfirmCase{"KeypadEnter", Qt::Key_Enter, true},
                                         ConfirmCase{"Escape", Qt::Key_Escape, false},
                                         ConfirmCase{"ShortcutY", Qt::Key_Y, true},
                                         ConfirmCase{"ShortcutN", Qt::Key_N, false},
                                         ConfirmCase{"Closed", std::nullopt, false}),
                         [](const auto& test) { return std::string(test.param.name); });

struct OkBoxCase {
    const char* name;
    std::function<void(Modals&, const QString&)> show;
    const char* title;
    const char* message;
    const char* shown;
    std::optional<int> key;
};

class OkBoxTest : public testing::TestWithParam<OkBoxCase> {};

TEST_P(OkBoxTest, ShowsStopIconAndOneOkThatEnterAndEscapeAnswer) {
    QtModals modals;
    BoxAnswer answer(GetParam().key);
    GetParam().show(modals, QString::fromUtf8(GetParam().message));
    ASSERT_TRUE(answer.seen()) << "the box did not show";
    const SeenBox& seen = *answer.seen();
    EXPECT_EQ(seen.title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.text, QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(seen.buttons, QStringList({"OK"}));
    EXPECT_EQ(seen.defaultButton, "OK");
    EXPECT_EQ(seen.escapeButton, "OK");
}

const auto kShowError = [](Modals& modals, const QString& message) { modals.ShowError(message); };
const auto kShowApplicationError = [](Modals& modals, const QString& message) {
    modals.ShowApplicationError(message);
};

INSTANTIATE_TEST_SUITE_P(
    Boxes, OkBoxTest,
    testing::Values(OkBoxCase{"ErrorEnter", kShowError, "Error", "Špatná cesta k INI souboru",
                              "Špatná cesta k INI souboru", Qt::Key_Return},
                    OkBoxCase{"ErrorEscape", kShowError, "Error", "Špatná cesta k INI souboru",
                              "Špatná cesta k INI souboru", Qt::Key_Escape},
                    OkBoxCase{"ErrorTwoLines", kShowError, "Error",
                              "Špatná cesta k INI souboru\r\nNelze zapsat nastavení",
                              "Špatná cesta k INI souboru\nNelze zapsat nastavení", Qt::Key_Return},
                    OkBoxCase{"ErrorMarkupShownAsText", kShowError, "Error", "<b>E:\\CD1\\</b>",
                              "<b>E:\\CD1\\</b>", Qt::Key_Return},
                    OkBoxCase{"ApplicationErrorEnter", kShowApplicationError,
                              "Baldur's Gate Kestrune", "Unable to write to C:\\Baldur.ini",
                              "Unable to write to C:\\Baldur.ini.", Qt::Key_Return},
                    OkBoxCase{"ApplicationErrorEscape", kShowApplicationError,
                              "Baldur's Gate Kestrune", "Přístup odepřen!", "Přístup odepřen!",
                              Qt::Key_Escape}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(MessageBoxLayout, TwoLineMessageShowsAsTwoLines) {
    auto oneLine = MakeErrorBox(QStringLiteral("Špatná cesta k INI souboru"));
    auto twoLines =
        MakeErrorBox(QStringLiteral("Špatná cesta k INI souboru\r\nNelze zapsat nastavení"));
    oneLine->show();
    twoLines->show();
    auto* one = oneLine->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* two = twoLines->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_TRUE(one && two);
    EXPECT_GE(two->height() - one->height(), two->fontMetrics().lineSpacing() - 1);
    EXPECT_FALSE(two->text().contains(QLatin1Char('\r')));
}

TEST(MessageBoxLayout, CentredOnTheScreenAndSizedToTheText) {
    // An active window in a corner: the box is centred on the screen, not on it.
    QWidget window;
    window.setGeometry(0, 0, 200, 100);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QtModals modals;
    BoxAnswer shortAnswer(Qt::Key_Return);
    modals.ShowError(QStringLiteral("Chyba"));
    BoxAnswer longAnswer(Qt::Key_Return);
    modals.ShowError(
        QStringLiteral("Špatná cesta k INI souboru, která je opravdu velmi dlouhá "
                       "a ještě delší, než by kdo čekal"));
    ASSERT_TRUE(shortAnswer.seen() && longAnswer.seen());

    const QPoint screenCentre = QApplication::primaryScreen()->availableGeometry().center();
    for (const SeenBox* seen : {&*shortAnswer.seen(), &*longAnswer.seen()}) {
        EXPECT_LE((seen->frame.center() - screenCentre).manhattanLength(), 2)
            << seen->frame.x() << "," << seen->frame.y();
    }
    EXPECT_GT(longAnswer.seen()->frame.width(), shortAnswer.seen()->frame.width());
}

}  // namespace
