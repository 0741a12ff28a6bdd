#pragma once

#include <QLabel>

// A read-out: text centred in a box of fixed size, with a one-pixel sunken
// border (shadow on the top and left, highlight on the bottom and right). Its
// background is its parent's colour, opaque even over a picture.
class StaticText : public QLabel {
    Q_OBJECT

public:
    explicit StaticText(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
