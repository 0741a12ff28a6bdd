#pragma once

#include <QAbstractButton>
#include <QImage>

// A flat button that shows one picture, as on a toolbar. It never takes the
// keyboard focus, paints no background (its parent shows through), and
// answers only the left mouse button: clicked() comes when the button is
// released over it after being pressed there.
//
// The glyph bitmap holds NumGlyphs images of equal width side by side; only
// the first is drawn, centred. The colour of the bitmap's bottom-left pixel is
// transparent. Looks:
//   - pointer not over it (also while dragged off when held): greyscale, no frame
//   - pointer over it:                 colour, raised one-pixel frame
//   - pressed with the pointer over it: colour one pixel down and right, sunken frame
class GlyphButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit GlyphButton(QWidget* parent = nullptr);

    void SetGlyph(const QImage& glyph, int numGlyphs);
    int NumGlyphs() const { return numGlyphs_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetPointerOver(bool over);

    int numGlyphs_ = 1;
    QImage colored_;
    QImage grey_;
    bool pointerOver_ = false;
};
