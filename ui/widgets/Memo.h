#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// A multi-line text box: a vertical scroll bar that is always there, no
// horizontal one (long lines wrap at the box's width), and either the sunken
// 3-D edge of an edit box or a flat one-pixel black border.
class Memo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit Memo(QWidget* parent = nullptr);

    // The text as lines, each kept exactly, trailing spaces included.
    void SetLines(const QStringList& lines);
    QStringList Lines() const;

    bool Flat() const { return flat_; }
    void SetFlat(bool flat);

private:
    bool flat_ = false;
};
