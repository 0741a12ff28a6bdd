#include "ui/widgets/DriveSelector.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

#include "tests/ui/TempPrefix.h"

namespace {

// Drives c: and e: with labels, z: the root folder, f: a folder that is not
// there (an empty drive).
class DriveSelectorTest : public testing::Test {
protected:
    void SetUp() override {
        prefix_.MakeFile("system/.windows-label", "SYSTEM\n");
        prefix_.MakeFile("cd/.windows-label", "BALDUR1\n");
        prefix_.AddDrive('z', "/");
        prefix_.AddDrive('e', prefix_.Host("cd"));
        prefix_.AddDrive('c', prefix_.Host("system"));
        prefix_.AddDrive('f', prefix_.Host("missing"));
        selector_ = std::make_unique<DriveSelector>();
        changes_ = std::make_unique<QSignalSpy>(selector_.get(), &DriveSelector::changed);
    }

    QStringList Entries() const {
        QStringList texts;
        for (int index = 0; index < selector_->count(); ++index) {
            texts << selector_->itemText(index);
        }
        return texts;
    }

    void ClickEntry(int index) const {
        QAbstractItemView* list = selector_->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(index, 0)).center());
    }

    void Wheel() const {
        QWheelEvent wheel(QPointF(10, 10), selector_->mapToGlobal(QPointF(10, 10)), {},
                          QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(selector_.get(), &wheel);
    }

    TempPrefix prefix_;
    std::unique_ptr<DriveSelector> selector_;
    std::unique_ptr<QSignalSpy> changes_;
};

TEST_F(DriveSelectorTest, ListsTheDrivesInLetterOrder) {
    const QStringList entries = Entries();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0], "c: [system]");
    EXPECT_EQ(entries[1], "e: [baldur1]");
    EXPECT_EQ(entries[2], "f:");  // removable: no label
    EXPECT_TRUE(entries[3].startsWith("z: ")) << entries[3].toStdString();
    EXPECT_EQ(selector_->Drive(), 'c');
    EXPECT_EQ(selector_->currentIndex(), 0);
}

TEST_F(DriveSelectorTest, SettingTheDriveRaisesNoChange) {
    selector_->SetDrive('E');
    EXPECT_EQ(selector_->Drive(), 'e');
    EXPECT_EQ(selector_->currentText(), "e: [baldur1]");
    selector_->SetDrive('z');
    EXPECT_EQ(selector_->Drive(), 'z');
    EXPECT_EQ(selector_->currentIndex(), 3);
    EXPECT_EQ(changes_->count(), 0);
}

TEST_F(DriveSelectorTest, EachKeyboardPickRaisesOneChange) {
    selector_->setFocus();
    QTest::keyClick(selector_.get(), Qt::Key_Down);
    EXPECT_EQ(changes_->count(), 1);
    EXPECT_EQ(selector_->Drive(), 'e');
    QTest::keyClick(selector_.get(), Qt::Key_Down);
    EXPECT_EQ(changes_->count(), 2);
    EXPECT_EQ(selector_->Drive(), 'f');
}

TEST_F(DriveSelectorTest, PickingTheDriveShownAgainRaisesOneChange) {
    selector_->SetDrive('e');
    selector_->showPopup();
    ClickEntry(1);
    EXPECT_EQ(changes_->count(), 1);
    EXPECT_EQ(selector_->Drive(), 'e');

    selector_->showPopup();
    QTest::keyClick(selector_->view(), Qt::Key_Return);
    EXPECT_EQ(changes_->count(), 2);
    EXPECT_EQ(selector_->Drive(), 'e');
}

TEST_F(DriveSelectorTest, MousePickOfAnotherDrive) {
    selector_->showPopup();
    ClickEntry(3);
    EXPECT_EQ(changes_->count(), 1);
    EXPECT_EQ(selector_->Drive(), 'z');
}

TEST_F(DriveSelectorTest, WheelPicksOnlyWithTheFocus) {
    Wheel();
    EXPECT_EQ(changes_->count(), 0);
    EXPECT_EQ(selector_->Drive(), 'c');

    selector_->show();
    QApplication::setActiveWindow(selector_.get());
    selector_->setFocus();
    ASSERT_TRUE(selector_->hasFocus());
    Wheel();
    EXPECT_EQ(changes_->count(), 1);
    EXPECT_EQ(selector_->Drive(), 'e');
}

TEST_F(DriveSelectorTest, ReadingTheDrivesAgainKeepsTheSelection) {
    selector_->SetDrive('e');
    prefix_.AddDrive('d', prefix_.MakeFolder("data"));
    selector_->ReadDrives();
    EXPECT_EQ(selector_->count(), 5);
    EXPECT_EQ(selector_->Drive(), 'e');
    EXPECT_EQ(selector_->currentText(), "e: [baldur1]");
    EXPECT_EQ(changes_->count(), 0);
}

}  // namespace
