// The folder chooser: its layout against the window's table, and what it
// delivers for starting folders, picked drives and folders, and each way of
// closing it, on drives of a temporary Wine-style prefix.

#include "ui/Unit2.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/Paths.h"
#include "tests/ui/FakeModals.h"
#include "tests/ui/RunModal.h"
#include "tests/ui/TempPrefix.h"
#include "ui/widgets/DriveSelector.h"
#include "ui/widgets/FolderTree.h"

namespace {

using Kind = FakeModals::Kind;

const QString kNoMedium = QStringLiteral("V mechanice není médium / disk nepřístupný!");

// The modal seam of the tests, which also notes the drive the selector shows
// at the moment an error box comes up.
class ChooserModals final : public Modals {
public:
    FakeModals fake;
    const DriveSelector* selector = nullptr;
    std::string selectorAtErrors;

    void ShowError(const QString& message) override {
        selectorAtErrors += selector->Drive();
        fake.ShowError(message);
    }
    bool Confirm(const QString& message) override { return fake.Confirm(message); }
    void ShowApplicationError(const QString& message) override {
        fake.ShowApplicationError(message);
    }
    std::optional<QString> OpenFile(const FileOpenRequest& request) override {
        return fake.OpenFile(request);
    }
    void ShowModal(QDialog& window) override { fake.ShowModal(window); }
};

QTreeWidgetItem* Child(const QTreeWidgetItem* node, const QString& text) {
    for (int row = 0; row < node->childCount(); ++row) {
        if (node->child(row)->text(0) == text) {
            return node->child(row);
        }
    }
    return nullptr;
}

// Drive c: holds the working folder C:\work, drive e: the game's CDs, and
// drive f: is empty (its folder does not exist), like a CD drive without a
// disc.
class FolderChooserTest : public testing::Test {
protected:
    FolderChooserTest() {
        for (const char* folder :
             {"c/work/sub", "c/Games", "cds/CD1/Data", "cds/CD2", "cds/Movies"}) {
            prefix_.MakeFolder(folder);
        }
        prefix_.AddDrive('c', prefix_.Host("c"));
        prefix_.AddDrive('e', prefix_.Host("cds"));
        prefix_.AddDrive('f', prefix_.Host("missing"));
        prefix_.EnterFolder("c/work");
        chooser_ = std::make_unique<Tadresar>(modals_);
        modals_.selector = chooser_->disk;
    }

    const std::string& Current() const { return chooser_->DO1->CurrentFolder(); }
    QTreeWidgetItem* Root() const { return chooser_->DO1->topLevelItem(0); }

    // Shows the chooser modally, as the main window does, with a user's steps
    // while it is open; they must close it.
    void ShowModal(const std::function<void()>& steps) {
        EXPECT_TRUE(RunModal(*chooser_, steps).has_value()) << "the chooser did not close";
    }

    // The user picks a drive in the selector: the entry becomes current, then
    // the selector reports the pick, also of the entry already shown.
    void Pick(char letter) const {
        DriveSelector& disk = *chooser_->disk;
        const int index = disk.findData(static_cast<int>(letter));
        ASSERT_GE(index, 0) << letter;
        disk.setCurrentIndex(index);
        emit disk.activated(index);
    }

    void Click(QTreeWidgetItem* node) const {
        FolderTree& tree = *chooser_->DO1;
        tree.scrollToItem(node);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {},
                          tree.visualItemRect(node).topLeft() + QPoint(20, 6));
    }

    void PressButton() const { QTest::mouseClick(chooser_->Button1, Qt::LeftButton); }

    TempPrefix prefix_;
    ChooserModals modals_;
    std::unique_ptr<Tadresar> chooser_;
};

// ---------------------------------------------------------------- layout

TEST_F(FolderChooserTest, WindowAsItsTableGivesIt) {
    Tadresar& chooser = *chooser_;
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Vyber adresář ..."));
    EXPECT_EQ(chooser.size(), QSize(234, 314));
    EXPECT_EQ(chooser.minimumSize(), chooser.maximumSize());
    const Qt::WindowFlags flags = chooser.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (const Qt::WindowType button :
         {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint}) {
        EXPECT_FALSE(flags.testFlag(button)) << button;
    }
    EXPECT_EQ(chooser.palette().color(QPalette::Window), QColor(212, 208, 200));
    EXPECT_TRUE(chooser.isHidden());

    struct Expected {
        QWidget* control;
        QRect geometry;
    };
    for (const Expected& expected :
         {Expected{chooser.DO1, {0, 24, 237, 253}}, Expected{chooser.Button1, {79, 284, 75, 25}},
          Expected{chooser.disk, {3, 1, 225, 19}}}) {
        EXPECT_EQ(expected.control->geometry(), expected.geometry)
            << expected.control->metaObject()->className();
        const QFont font = expected.control->font();
        EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif"));
        EXPECT_EQ(font.pixelSize(), 11);
        EXPECT_FALSE(font.bold());
    }
    EXPECT_EQ(chooser.Button1->text(), QStringLiteral("Vyber ..."));
    // Centred across the width, the tree cut off by the window's right edge.
    EXPECT_EQ(chooser.Button1->x(), (chooser.width() - chooser.Button1->width()) / 2);
    EXPECT_EQ(chooser.DO1->geometry().right() - chooser.width() + 1, 3);
    // No default button: Enter and Esc trigger nothing by themselves.
    EXPECT_FALSE(chooser.Button1->isDefault());
    EXPECT_FALSE(chooser.Button1->autoDefault());
}

TEST_F(FolderChooserTest, FocusStartsInTheTreeAndMovesToTheButtonAndTheSelector) {
    chooser_->show();
    chooser_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(chooser_.get()));
    EXPECT_EQ(QApplication::focusWidget(), chooser_->DO1);
    const QList<QWidget*> order = {chooser_->Button1, chooser_->disk, chooser_->DO1};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), chooser_->disk);
    chooser_->close();
}

TEST_F(FolderChooserTest, CentredOnTheScreenWhenShown) {
    chooser_->move(0, 0);
    chooser_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser_.get()));
    const QPoint screenCentre = chooser_->screen()->availableGeometry().center();
    EXPECT_LE((chooser_->frameGeometry().center() - screenCentre).manhattanLength(), 2);
    chooser_->close();
}

TEST_F(FolderChooserTest, Screenshot) {
    chooser_->DO1->SetCurrentFolder("E:\\CD1\\Data");
    chooser_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser_.get()));
    const QImage shot = chooser_->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(234, 314));
    const QDir folder(QStringLiteral(KESTRUNE_SCREENSHOT_DIR));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    EXPECT_TRUE(shot.save(folder.filePath(QStringLiteral("adresar.png"))));
    chooser_->close();
    EXPECT_TRUE(modals_.fake.calls.empty());
}

// ---------------------------------------------------------------- behaviour

TEST_F(FolderChooserTest, StartsInTheWorkingFolderWithTheSelectorOnItsDrive) {
    EXPECT_EQ(Current(), "C:\\work");
    EXPECT_EQ(chooser_->DO1->Drive(), 'C');
    EXPECT_EQ(chooser_->disk->Drive(), 'c');
    ASSERT_NE(chooser_->DO1->currentItem(), nullptr);
    EXPECT_EQ(chooser_->DO1->currentItem()->text(0), QStringLiteral("work"));

    // Before any other use, the button delivers the working folder.
    ShowModal([&] { PressButton(); });
    EXPECT_EQ(Current(), "C:\\work");
}

// A starting folder set by the main window, as it comes out of the chooser
// when the button is pressed at once.
struct StartingFolder {
    const char* given;
    const char* delivered;
    char treeDrive;
    char selectorDrive;
};

// Quoted, so that a path ending in a backslash does not run into the next
// test's name when ctest lists the cases.
void PrintTo(const StartingFolder& folder, std::ostream* out) {
    *out << '\'' << folder.given << '\'';
}

class StartingFolderTest : public FolderChooserTest,
                           public testing::WithParamInterface<StartingFolder> {};

TEST_P(StartingFolderTest, DeliveredAsSetWhenTheButtonIsPressedAtOnce) {
    const StartingFolder& folder = GetParam();
    chooser_->DO1->SetCurrentFolder(folder.given);
    char selectorWhileOpen = '\0';
    ShowModal([&] {
        selectorWhileOpen = chooser_->disk->Drive();
        PressButton();
    });
    EXPECT_EQ(Current(), folder.delivered);
    EXPECT_EQ(chooser_->DO1->Drive(), folder.treeDrive);
    EXPECT_EQ(Root()->text(0), QString(QChar(folder.treeDrive)) + QStringLiteral(":\\"));
    EXPECT_EQ(selectorWhileOpen, folder.selectorDrive);
    EXPECT_TRUE(modals_.fake.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(FolderChooser, StartingFolderTest,
                         testing::Values(
                             // On another drive: the tree and the selector follow its first letter,
                             // and the trailing backslash goes.
                             StartingFolder{"E:\\CD1\\", "E:\\CD1", 'E', 'e'},
                             // Its letter case is kept.
                             StartingFolder{"e:\\cd1\\DATA", "e:\\cd1\\DATA", 'e', 'e'},
                             // A root keeps its three characters.
                             StartingFolder{"E:\\", "E:\\", 'E', 'e'},
                             // Differing from the current folder only in letter case, or by a
                             // trailing backslash, it changes nothing.
                             StartingFolder{"c:\\WORK", "C:\\work", 'C', 'c'},
                             StartingFolder{"C:\\work\\", "C:\\work", 'C', 'c'},
                             // Relative paths are taken against the working folder.
                             StartingFolder{"sub", "C:\\work\\sub", 'C', 'c'},
                             StartingFolder{"sub\\..\\..\\Games\\", "C:\\Games", 'C', 'c'},
                             // A network path is kept; the tree stays on its drive.
                             StartingFolder{"\\\\server\\share\\CD1", "\\\\server\\share\\CD1", 'C',
                                            'c'}));

TEST_F(FolderChooserTest, RelativePathsMeetTheFolderTestOnOneBase) {
    // The main window tests the folder before it gives it: both resolve it
    // against the same working folder, also after the tree has moved.
    chooser_->DO1->SetCurrentFolder("E:\\CD1");
    ASSERT_TRUE(platform::DirectoryExists("Data"));
    EXPECT_FALSE(platform::DirectoryExists("sub"));
    chooser_->DO1->SetCurrentFolder("Data");
    EXPECT_EQ(Current(), "E:\\CD1\\Data");
}

TEST_F(FolderChooserTest, OpeningNeverMovesTheTree) {
    chooser_->DO1->SetCurrentFolder("E:\\CD1\\Data");
    QTreeWidgetItem* const root = Root();
    QTreeWidgetItem* const data = chooser_->DO1->currentItem();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(0), QStringLiteral("Data"));
    EXPECT_EQ(chooser_->disk->Drive(), 'c');  // the selector follows when shown

    char selectorWhileOpen = '\0';
    ShowModal([&] {
        selectorWhileOpen = chooser_->disk->Drive();
        EXPECT_EQ(Root(), root);
        EXPECT_EQ(chooser_->DO1->currentItem(), data);
        EXPECT_TRUE(data->parent()->isExpanded());
        PressButton();
    });
    EXPECT_EQ(selectorWhileOpen, 'e');
    EXPECT_EQ(Current(), "E:\\CD1\\Data");
}

TEST_F(FolderChooserTest, WithoutAStartingFolderItOpensWhereItWasLeft) {
    chooser_->DO1->SetCurrentFolder("E:\\CD1");
    ShowModal([&] {
        Click(Child(Root(), QStringLiteral("CD2")));
        PressButton();
    });
    EXPECT_EQ(Current(), "E:\\CD2");

    // The next showing, for another CD field, gives no starting folder.
    ShowModal([&] {
        EXPECT_EQ(chooser_->disk->Drive(), 'e');
        EXPECT_EQ(chooser_->DO1->currentItem(), Child(Root(), QStringLiteral("CD2")));
        PressButton();
    });
    EXPECT_EQ(Current(), "E:\\CD2");
}

TEST_F(FolderChooserTest, AReadyDriveShowsFromItsRootInLowerCase) {
    ShowModal([&] {
        Pick('e');
        EXPECT_EQ(chooser_->DO1->Drive(), 'e');
        EXPECT_EQ(Current(), "e:\\");
        ASSERT_EQ(chooser_->DO1->topLevelItemCount(), 1);
        EXPECT_EQ(Root()->text(0), QStringLiteral("e:\\"));
        EXPECT_EQ(chooser_->DO1->currentItem(), Root());

        // Folders below it keep the file system's case.
        Click(Child(Root(), QStringLiteral("CD1")));
        EXPECT_EQ(Current(), "e:\\CD1");
        // The root node gives the three-character root.
        Click(Root());
        EXPECT_EQ(Current(), "e:\\");
        Click(Child(Root(), QStringLiteral("Movies")));
        PressButton();
    });
    EXPECT_EQ(Current(), "e:\\Movies");
    EXPECT_EQ(chooser_->disk->Drive(), 'e');
    EXPECT_TRUE(modals_.fake.calls.empty());
}

TEST_F(FolderChooserTest, AnEmptyDriveIsRefusedOnceForEveryPick) {
    ShowModal([&] {
        Click(Child(Root(), QStringLiteral("Games")));
        Pick('f');
        EXPECT_EQ(modals_.fake.Texts(Kind::Error), QStringList{kNoMedium});
        Pick('f');
        EXPECT_EQ(modals_.fake.Texts(Kind::Error), QStringList({kNoMedium, kNoMedium}));
        EXPECT_TRUE(chooser_->isVisible());
        EXPECT_EQ(chooser_->disk->currentText().left(2), QStringLiteral("c:"));
        PressButton();
    });
    // The selector had gone back before each error box came up.
    EXPECT_EQ(modals_.selectorAtErrors, "cc");
    EXPECT_EQ(modals_.fake.calls.size(), 2U);
    EXPECT_EQ(Current(), "C:\\Games");
    EXPECT_EQ(chooser_->DO1->Drive(), 'C');
    EXPECT_EQ(chooser_->disk->Drive(), 'c');
}

TEST_F(FolderChooserTest, PickingTheDriveShownTestsItAgain) {
    chooser_->DO1->SetCurrentFolder("E:\\CD1");
    ShowModal([&] {
        // Still readable: nothing changes at all.
        Pick('e');
        EXPECT_EQ(Current(), "E:\\CD1");
        EXPECT_EQ(chooser_->DO1->Drive(), 'E');
        EXPECT_TRUE(modals_.fake.calls.empty());

        // Its medium taken out meanwhile: the error box, and nothing else.
        std::filesystem::rename(prefix_.Host("cds"), prefix_.Host("cds-out"));
        Pick('e');
        EXPECT_EQ(modals_.fake.Texts(Kind::Error), QStringList{kNoMedium});
        EXPECT_EQ(chooser_->disk->Drive(), 'e');
        std::filesystem::rename(prefix_.Host("cds-out"), prefix_.Host("cds"));
        PressButton();
    });
    EXPECT_EQ(modals_.selectorAtErrors, "e");
    EXPECT_EQ(Current(), "E:\\CD1");
    EXPECT_EQ(chooser_->DO1->Drive(), 'E');
}

TEST_F(FolderChooserTest, TheButtonDuringADriveTestClosesOnceTheTestHasEnded) {
    ShowModal([&] {
        // The click waits in the queue; the drive test lets it through.
        QMetaObject::invokeMethod(chooser_->Button1, &QPushButton::click, Qt::QueuedConnection);
        Pick('f');
        EXPECT_FALSE(chooser_->isVisible());
    });
    EXPECT_EQ(modals_.fake.Texts(Kind::Error), QStringList{kNoMedium});
    EXPECT_EQ(chooser_->disk->Drive(), 'c');
    EXPECT_EQ(Current(), "C:\\work");
}

TEST_F(FolderChooserTest, ADriveThatIsNoLetterReachesTheStandardErrorBox) {
    // The selector offers letters only; should it ever hold something else,
    // the drive test's error ends the handler and nothing changes.
    chooser_->disk->SetDrive('1');
    emit chooser_->disk->changed();
    EXPECT_EQ(modals_.fake.Texts(Kind::ApplicationError),
              QStringList{QStringLiteral("Not a valid drive letter")});
    EXPECT_TRUE(modals_.fake.Texts(Kind::Error).isEmpty());
    EXPECT_EQ(Current(), "C:\\work");
    EXPECT_EQ(chooser_->DO1->Drive(), 'C');
}

// ---------------------------------------------------------------- closing

TEST_F(FolderChooserTest, ClosedByTheSystemItDeliversTheCurrentFolder) {
    chooser_->DO1->SetCurrentFolder("E:\\CD2");
    ShowModal([&] {
        ASSERT_NE(chooser_->windowHandle(), nullptr);
        chooser_->windowHandle()->close();
    });
    EXPECT_FALSE(chooser_->isVisible());
    EXPECT_EQ(Current(), "E:\\CD2");
}

TEST_F(FolderChooserTest, EscAndEnterPressNothingButEnterOnTheFocusedButton) {
    ShowModal([&] {
        chooser_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(chooser_.get()));
        for (QWidget* control :
             {static_cast<QWidget*>(chooser_->DO1), static_cast<QWidget*>(chooser_->disk)}) {
            control->setFocus();
            for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
                QTest::keyClick(control, key);
                EXPECT_TRUE(chooser_->isVisible()) << key;
            }
        }
        chooser_->Button1->setFocus();
        QTest::keyClick(chooser_->Button1, Qt::Key_Escape);
        EXPECT_TRUE(chooser_->isVisible());
        // As on Windows, the button with the focus answers Enter.
        QTest::keyClick(chooser_->Button1, Qt::Key_Return);
        EXPECT_FALSE(chooser_->isVisible());
    });
    EXPECT_EQ(Current(), "C:\\work");
}

}  // namespace
