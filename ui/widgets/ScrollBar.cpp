#include "ui/widgets/ScrollBar.h"

#include <QKeyEvent>
#include <QStyleOptionSlider>

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    // A Windows scroll bar control is a tab stop of its window; Qt's takes no
    // focus, as it usually serves a scrolled view.
    setFocusPolicy(Qt::StrongFocus);
}

void ScrollBar::SetPageSize(int size) {
    pageSize_ = size;
    update();
}

// Every use of the thumb's size (drawing, hit tests, dragging) reads it from
// the style option, so the thumb follows the page size while the page step
// stays the large change.
void ScrollBar::initStyleOption(QStyleOptionSlider* option) const {
    QScrollBar::initStyleOption(option);
    if (option != nullptr) {
        option->pageStep = pageSize_;
    }
}

// The keys as a Windows scroll bar control takes them, whatever the
// orientation: left and up go towards the lowest position, right and down
// towards the highest. (Qt's scroll bar turns left and right the other way.)
void ScrollBar::keyPressEvent(QKeyEvent* event) {
    SliderAction action = SliderNoAction;
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = SliderSingleStepSub;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = SliderSingleStepAdd;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepSub;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_Home:
            action = SliderToMinimum;
            break;
        case Qt::Key_End:
            action = SliderToMaximum;
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
    }
    triggerAction(action);
    event->accept();
}
