#pragma once

#include <QWidget>
#include <array>

#include "ui/Modals.h"

class BevelPanel;
class ColorGroupBox;
class HyperlinkLabel;
class Memo;
class PictureBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ScrollBar;
class StaticText;
class TAboutBox;
class Tadresar;
struct GameSettings;

// The main window: where Baldur.ini lies, its seven values in the controls,
// and the two ways out, save and quit or just quit. The controls are the only
// copy of the values being edited.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // The About box and the folder chooser are created after the main window,
    // so the window is given the pointers through which it finds them when it
    // needs them.
    TForm1(Modals& modals, TAboutBox*& about, Tadresar*& chooser, QWidget* parent = nullptr);

    PictureBox* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label8;
    BevelPanel* Panel1;
    PictureBox* Image3;
    HyperlinkLabel* URLLabel1;
    Memo* Memo1;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button2;
    StaticText* ST1;
    StaticText* ST2;
    ScrollBar* SB1;
    ColorGroupBox* GroupBox1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLineEdit* CD1;
    QLineEdit* CD2;
    QLineEdit* CD3;
    QLineEdit* CD4;
    QLineEdit* CD5;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QCheckBox* Pause;
    QPushButton* Button8;
    FileOpenDialog OP;

    void FormShow();
    void FormClose();
    void LoadValues();
    void SB1Change();
    void CD1Exit();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreatePanel();
    void CreateGroup();
    void SetTabOrder();
    void ConnectHandlers();
    // CD1 to CD5, in the order of the game's CDs.
    std::array<QLineEdit*, 5> CdFields() const;
    void ChooseFolder(QLineEdit& field);
    bool SettingsFromControls(GameSettings& settings);

    Modals& modals_;
    TAboutBox*& about_;
    Tadresar*& chooser_;
    bool shown_ = false;
    bool closed_ = false;
};

// The one main window of the running program.
extern TForm1* Form1;
