#include "ui/widgets/Memo.h"

#include "ui/Look.h"

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Windows puts the text close to the edge of the box.
    document()->setDocumentMargin(2);
    // The frames draw with the palette's 3-D roles: give them the Windows colours.
    QPalette colors = palette();
    const QPalette windows = look::WindowsPalette();
    for (const auto role : {QPalette::Light, QPalette::Midlight, QPalette::Dark, QPalette::Shadow,
                            QPalette::WindowText}) {
        colors.setColor(role, windows.color(role));
    }
    setPalette(colors);
    SetFlat(false);
}

void Memo::SetLines(const QStringList& lines) {
    setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList Memo::Lines() const {
    return toPlainText().split(QLatin1Char('\n'));
}

void Memo::SetFlat(bool flat) {
    flat_ = flat;
    if (flat) {
        // A plain box is drawn in the window-text colour: black.
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
}
