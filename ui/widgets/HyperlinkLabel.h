#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <functional>

// A text label that opens a link when clicked. Its text is underlined and its
// colour follows the pointer and the mouse buttons:
//   - a button pressed on it:                  ColorClick
//   - the pointer comes over it:               ColorMoveOver (ColorClick while a
//                                              button pressed on it is held)
//   - the pointer leaves it:                   ColorNormal
//   - the pressed button released over it:     opens URL (or, when URL is empty,
//                                              the text) once, then ColorMoveOver
//   - the pressed button released elsewhere:   ColorNormal, nothing opened
// Any mouse button counts. The pointer keeps its ordinary shape over it.
// The text is plain text, never markup. The window sets the size; adjustSize()
// fits the label to its text.
class HyperlinkLabel : public QLabel {
    Q_OBJECT

public:
    // Hands an address to the desktop's "open" action.
    using Opener = std::function<void(const QString& address)>;

    explicit HyperlinkLabel(QWidget* parent = nullptr);

    QString URL() const { return url_; }
    void SetURL(const QString& url) { url_ = url; }

    QColor ColorNormal() const { return colorNormal_; }
    QColor ColorMoveOver() const { return colorMoveOver_; }
    QColor ColorClick() const { return colorClick_; }
    void SetColorNormal(const QColor& color);
    void SetColorMoveOver(const QColor& color);
    void SetColorClick(const QColor& color);

    // The colour the text is drawn in now.
    QColor TextColor() const;

    // Replaces, for every label, what opening an address does; tests record
    // the addresses with it. An empty function restores the desktop's opener.
    static void SetOpener(Opener opener);

protected:
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetState(bool pointerOver, bool pressed);
    void ShowColor();

    QString url_;
    QColor colorNormal_{0, 0, 255};
    QColor colorMoveOver_{0, 0, 255};
    QColor colorClick_{255, 0, 0};
    bool pointerOver_ = false;
    // A button was pressed on the label and is still held.
    bool pressed_ = false;
};
