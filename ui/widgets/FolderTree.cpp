#include "ui/widgets/FolderTree.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <algorithm>
#include <vector>

#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "ui/widgets/FolderTreeLook.h"
#include "ui/widgets/SubFolders.h"

namespace {

// A node's folder name in system text, exactly as the file system gave it;
// the root node has none.
constexpr int kNameRole = Qt::UserRole;

std::string NameOf(const QTreeWidgetItem* node) {
    return node->data(0, kNameRole).toByteArray().toStdString();
}

QString Decoded(std::string_view systemText) {
    return QString::fromStdU16String(platform::DecodeSystemText(systemText));
}

// A node whose subfolders have not been read yet: it may have some, so it
// offers to be opened, and shows the leaf picture until it is.
QTreeWidgetItem* NewNode(const std::string& name, const QString& text) {
    auto* node = new QTreeWidgetItem(QStringList{text});
    node->setData(0, kNameRole, QByteArray::fromStdString(name));
    node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    ShowNodePicture(node);
    return node;
}

std::vector<std::string> Components(std::string_view path) {
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) {
            components.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return components;
}

}  // namespace

FolderTree::FolderTree(QWidget* parent)
    : QTreeWidget(parent), path_(platform::CurrentFolder(), 'c') {
    SetUpFolderTreeLook(*this);
    connect(this, &QTreeWidget::itemExpanded, this, &FolderTree::ReadSubfolders);
    connect(this, &QTreeWidget::itemCollapsed, this, &FolderTree::NodeClosed);
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &FolderTree::ToggleNode);
    connect(this, &QTreeWidget::currentItemChanged, this, &FolderTree::NodeChosen);
    connect(this, &QTreeWidget::itemClicked, this, &FolderTree::NodeChosen);
    ShowDrive();
    ShowCurrentFolder();
}

void FolderTree::SetDrive(char letter) {
    Show(path_.SetDrive(letter));
}

void FolderTree::SetCurrentFolder(std::string_view path) {
    Show(path_.SetCurrentFolder(path));
}

void FolderTree::Show(FolderPath::Change change) {
    if (change == FolderPath::Change::None) {
        return;
    }
    platform::SetCurrentFolder(path_.CurrentFolder());
    if (change == FolderPath::Change::Drive) {
        ShowDrive();
    }
    ShowCurrentFolder();
}

// Drops what was shown and starts again from the drive's root.
void FolderTree::ShowDrive() {
    const QScopedValueRollback moving(moving_, true);
    clear();
    addTopLevelItem(NewNode({}, Decoded(path_.RootText())));
}

// Opens the tree from the root along the current folder, as far as its
// folders exist, and opens and selects the deepest of them, so that the
// folders below the current one are in view. A current folder off the drive
// shown (a network path) selects nothing.
void FolderTree::ShowCurrentFolder() {
    const QScopedValueRollback moving(moving_, true);
    QTreeWidgetItem* node = topLevelItem(0);
    OpenAfresh(node);
    const std::string& current = path_.CurrentFolder();
    if (current.empty() || !SameDrive(current.front(), path_.Drive())) {
        setCurrentItem(nullptr);
        return;
    }
    for (const std::string& name : Components(std::string_view(current).substr(2))) {
        QTreeWidgetItem* child = ChildNamed(node, name);
        if (child == nullptr) {
            break;
        }
        node = child;
        OpenAfresh(node);
    }
    setCurrentItem(node);
    scrollToItem(node);
}

// Opens a node, reading its subfolders again if it is open already: it may
// have gained the folder looked for since.
void FolderTree::OpenAfresh(QTreeWidgetItem* node) {
    if (node->isExpanded()) {
        ReadSubfolders(node);
    } else {
        expandItem(node);
    }
}

// Brings a node's children in line with the folders now on disk: new ones are
// added, vanished ones dropped, and those still there keep their own opened
// subtrees.
void FolderTree::ReadSubfolders(QTreeWidgetItem* node) {
    const QScopedValueRollback moving(moving_, true);
    int row = 0;
    for (const std::string& name : ListSubfolders(NodePath(node))) {
        while (row < node->childCount() && FolderNameBefore(NameOf(node->child(row)), name)) {
            delete node->child(row);
        }
        if (row < node->childCount() && NameOf(node->child(row)) == name) {
            ++row;
        } else {
            node->insertChild(row++, NewNode(name, Decoded(name)));
        }
    }
    while (row < node->childCount()) {
        delete node->child(row);
    }
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    ShowNodePicture(node);
}

// A double click opens or closes a node; on a node without subfolders it
// looks again, so that a folder made since can be reached.
void FolderTree::ToggleNode(QTreeWidgetItem* node) {
    if (node->childCount() > 0) {
        node->setExpanded(!node->isExpanded());
        return;
    }
    collapseItem(node);
    expandItem(node);
}

// As in Windows, the selection does not stay hidden in a node that is closed:
// the closed node is selected instead.
void FolderTree::NodeClosed(QTreeWidgetItem* node) {
    ShowNodePicture(node);
    for (const QTreeWidgetItem* item = currentItem(); item != nullptr; item = item->parent()) {
        if (item->parent() == node) {
            setCurrentItem(node);
            return;
        }
    }
}

void FolderTree::NodeChosen(QTreeWidgetItem* node) {
    if (moving_ || node == nullptr) {
        return;
    }
    if (path_.SetCurrentFolder(NodePath(node)) != FolderPath::Change::None) {
        platform::SetCurrentFolder(path_.CurrentFolder());
    }
}

std::string FolderTree::NodePath(const QTreeWidgetItem* node) const {
    std::vector<std::string> names;
    for (; node->parent() != nullptr; node = node->parent()) {
        names.push_back(NameOf(node));
    }
    std::reverse(names.begin(), names.end());
    return FolderPath::NodePath(path_.RootText(), names);
}

// The child of that name, as the file system spells it or else ignoring
// letter case, as Windows finds it.
QTreeWidgetItem* FolderTree::ChildNamed(QTreeWidgetItem* node, std::string_view name) const {
    QTreeWidgetItem* found = nullptr;
    for (int row = 0; row < node->childCount(); ++row) {
        const std::string childName = NameOf(node->child(row));
        if (childName == name) {
            return node->child(row);
        }
        if (found == nullptr && SamePathIgnoringCase(childName, name)) {
            found = node->child(row);
        }
    }
    return found;
}

// Opening every folder below a node at once could walk a whole file system.
void FolderTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Asterisk) {
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
