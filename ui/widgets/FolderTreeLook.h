#pragma once

class QTreeWidget;
class QTreeWidgetItem;

// How the folder tree looks: rows 13 pixels high, tree lines with the top
// node at the left edge and no line to it, each node's picture at its own
// size, the selected node's text highlighted and framed by a focus rectangle,
// and a sunken frame, as in the classic Windows look.
void SetUpFolderTreeLook(QTreeWidget& tree);

// Gives a node the picture for its state: the leaf picture while it has no
// subfolder listed, else the open or the closed folder.
void ShowNodePicture(QTreeWidgetItem* node);
