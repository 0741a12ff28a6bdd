#pragma once

#include <QColor>
#include <QGroupBox>

// A group box filled with a colour of its own, drawn as Windows draws one: an
// etched frame whose top line runs through the middle of the caption, and the
// caption near the top-left corner on the box's colour. Child controls are
// placed at fixed positions; transparent ones show the colour.
class ColorGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit ColorGroupBox(const QString& title = QString(), QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};
