#pragma once

#include <QScrollBar>

// A scroll bar with the Windows scroll bar's three steps. Qt folds two of them
// into its page step; here they are apart: LargeChange is what the page keys
// and clicks in the track move by, PageSize is the share of the range the
// thumb stands for. The position set from outside the range is clamped to the
// nearer bound, and valueChanged comes only when the position really changes.
// It takes the keyboard focus by the Tab key and by a click: arrows move it
// by the small change, Page Up and Page Down by the large change, Home and End
// to the lowest and highest position.
class ScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    int SmallChange() const { return singleStep(); }
    int LargeChange() const { return pageStep(); }
    int PageSize() const { return pageSize_; }
    void SetSmallChange(int change) { setSingleStep(change); }
    void SetLargeChange(int change) { setPageStep(change); }
    void SetPageSize(int size);

protected:
    void initStyleOption(QStyleOptionSlider* option) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int pageSize_ = 0;
};
