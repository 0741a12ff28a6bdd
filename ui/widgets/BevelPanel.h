#pragma once

#include <QWidget>

// A panel: an area in the colour of its parent, framed by two bevels, in which
// child controls are placed at fixed positions. The outer bevel lies along the
// edge, the inner one just inside it, each BevelWidth pixels wide.
class BevelPanel : public QWidget {
    Q_OBJECT

public:
    enum class Bevel { None, Raised, Lowered };

    explicit BevelPanel(QWidget* parent = nullptr);

    Bevel BevelOuter() const { return outer_; }
    Bevel BevelInner() const { return inner_; }
    int BevelWidth() const { return width_; }
    void SetBevelOuter(Bevel bevel);
    void SetBevelInner(Bevel bevel);
    void SetBevelWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
    int width_ = 1;
};
