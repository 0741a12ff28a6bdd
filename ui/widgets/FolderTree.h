#pragma once

#include <QTreeWidget>
#include <string>
#include <string_view>

#include "ui/widgets/FolderPath.h"

// The folders of one drive as a tree, with the drive and the current folder
// the folder chooser works with. Paths are Windows paths in system text. The
// tree starts in the process's working folder, and every folder that becomes
// current is made the working folder too, so that relative paths elsewhere
// are taken against the same base. A node's subfolders are read when it is
// opened.
class FolderTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit FolderTree(QWidget* parent = nullptr);

    char Drive() const { return path_.Drive(); }
    // Shows another drive from its root, which becomes the current folder.
    void SetDrive(char letter);

    const std::string& CurrentFolder() const { return path_.CurrentFolder(); }
    // Makes a folder current and opens the tree down to it and the folder
    // itself, as far as its folders exist; a folder on another drive shows
    // that drive.
    void SetCurrentFolder(std::string_view path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Show(FolderPath::Change change);
    void ShowDrive();
    void ShowCurrentFolder();
    void OpenAfresh(QTreeWidgetItem* node);
    void ReadSubfolders(QTreeWidgetItem* node);
    void ToggleNode(QTreeWidgetItem* node);
    void NodeClosed(QTreeWidgetItem* node);
    void NodeChosen(QTreeWidgetItem* node);
    std::string NodePath(const QTreeWidgetItem* node) const;
    QTreeWidgetItem* ChildNamed(QTreeWidgetItem* node, std::string_view name) const;

    FolderPath path_;
    // Set while the program itself moves the selection, which must not change
    // the current folder.
    bool moving_ = false;
};
