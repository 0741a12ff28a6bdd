#include "ui/widgets/FolderTreeLook.h"

#include <QHeaderView>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <memory>

#include "ui/Look.h"
#include "ui/Pictures.h"

namespace {

constexpr int kRowHeight = 13;
constexpr int kPictureSize = 14;
// Indentation per level; the tree lines run through the middle of it, below
// the parent's picture.
constexpr int kIndentation = 16;
// Space between a picture and its text, and around the text inside its
// highlight.
constexpr int kTextGap = 1;
constexpr int kTextPadding = 2;

enum class NodePicture { Leaf, Open, Closed };

QPixmap Picture(NodePicture which) {
    static const QPixmap leaf = Pictures::Leaf();
    static const QPixmap open = Pictures::FolderOpen();
    static const QPixmap closed = Pictures::FolderClosed();
    switch (which) {
        case NodePicture::Leaf:
            return leaf;
        case NodePicture::Open:
            return open;
        case NodePicture::Closed:
            return closed;
    }
    return leaf;
}

// Draws a node as the classic Windows tree does: the picture, then the text,
// of which only the text is highlighted when the node is selected.
class NodeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
        const QRect row = option.rect;
        painter->drawPixmap(row.left(), row.top() + (row.height() - picture.height()) / 2, picture);
        const QRect text = TextRect(option, index, row.left() + picture.width() + kTextGap);
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        if (selected) {
            painter->fillRect(text, option.palette.brush(QPalette::Highlight));
        }
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(text.adjusted(kTextPadding, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        if (selected && option.state.testFlag(QStyle::State_HasFocus)) {
            DrawFocusRect(*painter, text);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {kPictureSize + kTextGap + TextRect(option, index, 0).width(), kRowHeight};
    }

private:
    static QRect TextRect(const QStyleOptionViewItem& option, const QModelIndex& index, int left) {
        const int width = option.fontMetrics.horizontalAdvance(index.data().toString());
        return {left, option.rect.top(), width + 2 * kTextPadding, kRowHeight};
    }

    // A dotted frame that inverts what lies below, so that it shows on the
    // highlight as on the window.
    static void DrawFocusRect(QPainter& painter, const QRect& rect) {
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen pen(Qt::white, 1);
        pen.setDashPattern({1, 1});
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.restore();
    }
};

// The tree lines and plus and minus boxes of the classic Windows style, and
// its highlight of the selected text alone, whatever style the rest of the
// program has.
class TreeStyle : public QProxyStyle {
public:
    TreeStyle() : windows_(QStyleFactory::create(QStringLiteral("Windows"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_IndicatorBranch && windows_ != nullptr) {
            windows_->drawPrimitive(element, option, painter, widget);
        } else {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ItemView_ShowDecorationSelected) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    std::unique_ptr<QStyle> windows_;
};

}  // namespace

void SetUpFolderTreeLook(QTreeWidget& tree) {
    auto* style = new TreeStyle;
    style->setParent(&tree);
    tree.setStyle(style);
    tree.setItemDelegate(new NodeDelegate(&tree));
    tree.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    // The frame, the tree lines and the highlight in the Windows colours.
    QPalette colors = tree.palette();
    const QPalette windows = look::WindowsPalette();
    for (const auto role : {QPalette::Light, QPalette::Midlight, QPalette::Dark, QPalette::Shadow,
                            QPalette::Highlight, QPalette::HighlightedText}) {
        colors.setColor(role, windows.color(role));
    }
    tree.setPalette(colors);
    tree.setHeaderHidden(true);
    tree.setColumnCount(1);
    tree.setRootIsDecorated(false);
    tree.setIndentation(kIndentation);
    tree.setUniformRowHeights(true);
    tree.setIconSize({kPictureSize, kPictureSize});
    tree.setSelectionMode(QAbstractItemView::SingleSelection);
    // Long names scroll sideways rather than being cut short.
    tree.header()->setStretchLastSection(false);
    tree.header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void ShowNodePicture(QTreeWidgetItem* node) {
    const NodePicture which = node->childCount() == 0 ? NodePicture::Leaf
                              : node->isExpanded()    ? NodePicture::Open
                                                      : NodePicture::Closed;
    node->setData(0, Qt::DecorationRole, Picture(which));
}
