#pragma once

#include <QDialog>

class BevelPanel;
class GlyphButton;
class HyperlinkLabel;
class Memo;
class PictureBox;
class QLabel;

// The About box: the product's name, the maker's logo and links, the
// acknowledgements, and a close button. Shown once, when the main window closes.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    BevelPanel* Panel1;
    PictureBox* ProgramIcon;
    QLabel* ProductName;
    QLabel* Copyright;
    QLabel* Label1;
    QLabel* Label2;
    HyperlinkLabel* URLLabel1;
    Memo* Memo1;
    HyperlinkLabel* URLLabel2;
    QLabel* Label3;
    BevelPanel* Panel2;
    GlyphButton* TransparentButton1;

    void TransparentButton1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The one About box of the running program.
extern TAboutBox* AboutBox;
