#include "ui/widgets/FolderTree.h"

#include <gtest/gtest.h>
#include <QTest>

#include <filesystem>

#include "platform/Paths.h"
#include "tests/ui/TempPrefix.h"
#include "ui/Pictures.h"
#include "ui/widgets/FolderPath.h"

namespace {

QStringList ChildTexts(const QTreeWidgetItem* node) {
    QStringList texts;
    for (int row = 0; row < node->childCount(); ++row) {
        texts << node->child(row)->text(0);
    }
    return texts;
}

QTreeWidgetItem* Child(const QTreeWidgetItem* node, const QString& text) {
    for (int row = 0; row < node->childCount(); ++row) {
        if (node->child(row)->text(0) == text) {
            return node->child(row);
        }
    }
    return nullptr;
}

bool Shows(const QTreeWidgetItem* node, const QPixmap& picture) {
    return node->data(0, Qt::DecorationRole).value<QPixmap>().toImage() == picture.toImage();
}

// Drive e: holds folders in mixed case, a hidden folder and a file; drive d:
// a second drive; drive f: a folder that does not exist. The tree starts in
// E:\CD1.
class FolderTreeTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"disk/CD1/Data", "disk/beta", "disk/Alpha", "disk/ZETA",
                                   "disk/Empty", "disk/.hidden", "other/MixedCase"}) {
            prefix_.MakeFolder(folder);
        }
        prefix_.MakeFile("disk/file.txt");
        prefix_.MakeFile("disk/CD1/setup.exe");
        prefix_.AddDrive('e', prefix_.Host("disk"));
        prefix_.AddDrive('d', prefix_.Host("other"));
        prefix_.AddDrive('f', prefix_.Host("missing"));
        prefix_.EnterFolder("disk/CD1");
        tree_ = std::make_unique<FolderTree>();
        tree_->resize(237, 253);
        root_ = tree_->topLevelItem(0);
    }

    QTreeWidgetItem* Node(const QString& text) const { return Child(root_, text); }

    void Click(QTreeWidgetItem* node) const {
        QTest::mouseClick(tree_->viewport(), Qt::LeftButton, {},
                          tree_->visualItemRect(node).topLeft() + QPoint(20, 6));
    }

    // As the system delivers it: a click, then the double click.
    void DoubleClick(QTreeWidgetItem* node) const {
        Click(node);
        QTest::mouseDClick(tree_->viewport(), Qt::LeftButton, {},
                           tree_->visualItemRect(node).topLeft() + QPoint(20, 6));
    }

    TempPrefix prefix_;
    std::unique_ptr<FolderTree> tree_;
    QTreeWidgetItem* root_ = nullptr;
};

TEST_F(FolderTreeTest, StartsOpenedDownToTheWorkingFolder) {
    EXPECT_EQ(tree_->CurrentFolder(), "E:\\CD1");
    EXPECT_EQ(tree_->Drive(), 'E');
    ASSERT_EQ(tree_->topLevelItemCount(), 1);
    EXPECT_EQ(root_->text(0), "E:\\");
    EXPECT_TRUE(root_->isExpanded());
    EXPECT_EQ(tree_->currentItem(), Node("CD1"));
    EXPECT_TRUE(Node("CD1")->isSelected());
    // The working folder is opened too, so that its subfolders are in view.
    EXPECT_TRUE(Node("CD1")->isExpanded());
    EXPECT_EQ(ChildTexts(Node("CD1")), QStringList{"Data"});
    EXPECT_FALSE(Node("Alpha")->isExpanded());
}

TEST_F(FolderTreeTest, ListsVisibleFoldersOnlyInNameOrderIgnoringCase) {
    EXPECT_EQ(ChildTexts(root_), (QStringList{"Alpha", "beta", "CD1", "Empty", "ZETA"}));
}

TEST_F(FolderTreeTest, LeavesOutFoldersNoWindowsPathCanName) {
    for (const char* name :
         {"end.", "end ", "a:b", "why?", "back\\slash", "star*", "pipe|", "Mid. dle", "Ok"}) {
        prefix_.MakeFolder(std::string("disk/Alpha/") + name);
    }
    tree_->expandItem(Node("Alpha"));
    EXPECT_EQ(ChildTexts(Node("Alpha")), (QStringList{"Mid. dle", "Ok"}));
}

TEST_F(FolderTreeTest, ReadsSubfoldersWhenANodeIsOpened) {
    QTreeWidgetItem* alpha = Node("Alpha");
    prefix_.MakeFolder("disk/Alpha/New");
    EXPECT_EQ(alpha->childCount(), 0);
    EXPECT_TRUE(Shows(alpha, Pictures::Leaf()));

    tree_->expandItem(alpha);
    EXPECT_EQ(ChildTexts(alpha), QStringList{"New"});
    EXPECT_TRUE(Shows(alpha, Pictures::FolderOpen()));
    EXPECT_TRUE(Shows(alpha->child(0), Pictures::Leaf()));

    // What changes on disk while the node is open shows when it is next opened.
    prefix_.MakeFolder("disk/Alpha/Later");
    std::filesystem::remove(prefix_.Host("disk/Alpha/New"));
    EXPECT_EQ(ChildTexts(alpha), QStringList{"New"});
    tree_->collapseItem(alpha);
    EXPECT_TRUE(Shows(alpha, Pictures::FolderClosed()));
    tree_->expandItem(alpha);
    EXPECT_EQ(ChildTexts(alpha), QStringList{"Later"});
}

TEST_F(FolderTreeTest, ReopeningKeepsWhatIsOpenedBelow) {
    QTreeWidgetItem* cd1 = Node("CD1");
    QTreeWidgetItem* data = Child(cd1, "Data");
    prefix_.MakeFolder("disk/CD1/Data/Deep");
    prefix_.MakeFolder("disk/CD1/Audio");
    tree_->expandItem(data);
    tree_->collapseItem(cd1);
    tree_->expandItem(cd1);
    EXPECT_EQ(ChildTexts(cd1), (QStringList{"Audio", "Data"}));
    EXPECT_EQ(Child(cd1, "Data"), data);
    EXPECT_TRUE(data->isExpanded());
    EXPECT_EQ(ChildTexts(data), QStringList{"Deep"});
}

TEST_F(FolderTreeTest, AFolderWithoutSubfoldersStaysALeaf) {
    QTreeWidgetItem* empty = Node("Empty");
    EXPECT_EQ(empty->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    tree_->expandItem(empty);
    EXPECT_EQ(empty->childCount(), 0);
    EXPECT_TRUE(Shows(empty, Pictures::Leaf()));
    EXPECT_EQ(empty->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);

    // A double click looks again.
    prefix_.MakeFolder("disk/Empty/Sub");
    DoubleClick(empty);
    EXPECT_EQ(ChildTexts(empty), QStringList{"Sub"});
    EXPECT_TRUE(Shows(empty, Pictures::FolderOpen()));
}

TEST_F(FolderTreeTest, KeyboardSelectionMakesTheNodesFolderCurrent) {
    tree_->setFocus();
    QTest::keyClick(tree_.get(), Qt::Key_Down);
    EXPECT_EQ(tree_->CurrentFolder(), "E:\\CD1\\Data");
    EXPECT_TRUE(SamePathIgnoringCase(platform::CurrentFolder(), "E:\\CD1\\Data"));
    QTest::keyClick(tree_.get(), Qt::Key_Down);
    EXPECT_EQ(tree_->CurrentFolder(), "E:\\Empty");

    QTest::keyClick(tree_.get(), Qt::Key_Home);
    EXPECT_EQ(tree_->CurrentFolder(), "E:\\");
}

TEST_F(FolderTreeTest, ClosingANodeAboveTheSelectionSelectsIt) {
    tree_->setFocus();
    QTest::keyClick(tree_.get(), Qt::Key_Down);
    ASSERT_EQ(tree_->CurrentFolder(), "E:\\CD1\\Data");
    tree_->collapseItem(Node("CD1"));
    EXPECT_EQ(tree_->currentItem(), Node("CD1"));
    EXPECT_EQ(tree_->CurrentFolder(), "E:\\CD1");
}

TEST_F(FolderTreeTest, MouseSelectionMakesTheNodesFolderCurrent) {
    Click(Node("ZETA"));
    EXPECT_EQ(tree_->CurrentFolder(), "E:\\ZETA");
    EXPECT_TRUE(SamePathIgnoringCase(platform::CurrentFolder(), "E:\\ZETA"));

    // Clicking the selected node again after the folder was set elsewhere
    // makes it current again.
    tree_->SetCurrentFolder("\\\\server\\share");
    EXPECT_EQ(tree_->currentItem(), nullptr);
    Click(Node("ZETA"));
    EXPECT_EQ(tree_->CurrentFolder(), "E:\\ZETA");
}

TEST_F(FolderTreeTest, DriveFromTheSelectorKeepsItsCaseAndNamesTheirs) {
    tree_->SetDrive('d');
    EXPECT_EQ(tree_->Drive(), 'd');
    EXPECT_EQ(tree_->CurrentFolder(), "d:\\");
    EXPECT_EQ(tree_->topLevelItemCount(), 1);
    root_ = tree_->topLevelItem(0);
    EXPECT_EQ(root_->text(0), "d:\\");
    EXPECT_EQ(tree_->currentItem(), root_);
    EXPECT_EQ(std::filesystem::current_path(), prefix_.Host("other"));

    tree_->setFocus();
    QTest::keyClick(tree_.get(), Qt::Key_Down);
    EXPECT_EQ(tree_->CurrentFolder(), "d:\\MixedCase");

    tree_->SetDrive('D');  // the drive shown: nothing changes
    EXPECT_EQ(tree_->CurrentFolder(), "d:\\MixedCase");
}

TEST_F(FolderTreeTest, FolderSetByTheProgramIsOpenedAndSelected) {
    tree_->SetCurrentFolder("e:\\cd1\\DATA\\");
    EXPECT_EQ(tree_->CurrentFolder(), "e:\\cd1\\DATA");
    QTreeWidgetItem* data = Child(Node("CD1"), "Data");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(tree_->currentItem(), data);
    EXPECT_TRUE(data->isSelected());
    EXPECT_TRUE(data->isExpanded());
    EXPECT_EQ(std::filesystem::current_path(), prefix_.Host("disk/CD1/Data"));

    // A folder made since the node was opened is found as well.
    prefix_.MakeFolder("disk/CD1/Data/Fresh");
    tree_->SetCurrentFolder("E:\\CD1\\Data\\Fresh");
    EXPECT_EQ(tree_->currentItem(), Child(data, "Fresh"));
    // As far as the folders exist.
    tree_->SetCurrentFolder("E:\\Alpha\\Gone\\Away");
    EXPECT_EQ(tree_->CurrentFolder(), "E:\\Alpha\\Gone\\Away");
    EXPECT_EQ(tree_->currentItem(), Node("Alpha"));
}

TEST_F(FolderTreeTest, FolderOnAnotherDriveShowsThatDrive) {
    tree_->SetCurrentFolder("D:\\MixedCase");
    EXPECT_EQ(tree_->Drive(), 'D');
    root_ = tree_->topLevelItem(0);
    EXPECT_EQ(root_->text(0), "D:\\");
    EXPECT_EQ(tree_->currentItem(), Node("MixedCase"));
}

TEST_F(FolderTreeTest, NetworkPathKeepsTheDriveShown) {
    tree_->SetCurrentFolder("\\\\server\\share\\CD1");
    EXPECT_EQ(tree_->CurrentFolder(), "\\\\server\\share\\CD1");
    EXPECT_EQ(tree_->Drive(), 'E');
    EXPECT_EQ(tree_->topLevelItem(0), root_);
    EXPECT_EQ(tree_->currentItem(), nullptr);
}

TEST_F(FolderTreeTest, DriveWithoutItsFolderShowsTheRootAlone) {
    tree_->SetDrive('f');
    EXPECT_EQ(tree_->CurrentFolder(), "f:\\");
    ASSERT_EQ(tree_->topLevelItemCount(), 1);
    EXPECT_EQ(tree_->topLevelItem(0)->childCount(), 0);
    EXPECT_TRUE(Shows(tree_->topLevelItem(0), Pictures::Leaf()));
}

TEST_F(FolderTreeTest, AsteriskOpensNothing) {
    tree_->setFocus();
    tree_->setCurrentItem(root_);
    QTest::keyClick(tree_.get(), Qt::Key_Asterisk);
    EXPECT_FALSE(Node("Alpha")->isExpanded());
    EXPECT_FALSE(Child(Node("CD1"), "Data")->isExpanded());
}

}  // namespace
