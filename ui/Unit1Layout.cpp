// The main window's controls, as the window is laid out: created in stacking
// order (later controls lie above earlier ones), each at its place, size,
// font and colour.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <limits>

#include "settings/Registry.h"
#include "settings/ValueRules.h"
#include "ui/Look.h"
#include "ui/Maker.h"
#include "ui/Pictures.h"
#include "ui/Unit1.h"
#include "ui/widgets/BevelPanel.h"
#include "ui/widgets/ColorGroupBox.h"
#include "ui/widgets/HyperlinkLabel.h"
#include "ui/widgets/Memo.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/StaticText.h"

namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QStringList WelcomeText() {
    return {
        QStringLiteral("Vítám Vás v programu Baldur's Gate Kestrune"),
        QStringLiteral("Tato jednoduchá utilitka umožňuje nastavit \"inteligenci\" postav při "),
        QStringLiteral("procházení složitým terénem, dungeony či městy. Větší inteligence "),
        QStringLiteral("ovšem vyžaduje výkonnější počítač."),
        QStringLiteral("Dále si pak můžete nastavit cesty k jednotlivým CD hry - zkopírujte si "),
        QStringLiteral("všechna CD  na disk (dnešní kapacity to bez problému "),
        QStringLiteral("umožňují) a zbavíte se otravné povinosti stále měnit CD."),
        QStringLiteral("Nakonec můžete i vypnout hlášku \"V inventáři není hra pausnuta\", "),
        QStringLiteral("která se objeví, pokud během souboje otevřete inventář."),
        QStringLiteral("Doufám, že Vám bude tento program k něčemu užitečný."),
        QStringLiteral("Budu velice rád, pokud navštívíte můj web "),
        Utf8(maker::kWebText) + QStringLiteral(" , na kterém najdete recenze na fantasy "),
        QStringLiteral("knížky, galerii, chat a spoustu dalšího. Také se zde budou objevovat "),
        QStringLiteral("případné aktualizace tohoto programu."),
        QString(),
        QStringLiteral("Loučí se s vámi ") + Utf8(maker::kAuthor) + QStringLiteral(", ") +
            Utf8(maker::kName),
    };
}

// Controls are named as the window's members, so that tests and the
// accessibility tools can tell them apart.
template <typename Control>
Control* Place(const char* name, Control* control, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

// A label draws its text from its top-left corner and nothing behind it, so
// that whatever lies below (the backdrop, the group's yellow) shows through.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    return label;
}

// No button of the window is a default button: Enter presses none of them.
QPushButton* MakeButton(QWidget* parent, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& text) {
    auto* edit = new QLineEdit(parent);
    // Paths have no length limit.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(text);
    edit->setCursorPosition(0);
    return edit;
}

QLineEdit* MakeCdEdit(QWidget* parent, const QString& text) {
    QLineEdit* edit = MakeEdit(parent, text);
    edit->setFont(look::MakeFont(look::kMsSansSerif, 11, {.bold = true}));
    QPalette colors = edit->palette();
    colors.setColor(QPalette::Text, kRed);
    edit->setPalette(colors);
    return edit;
}

StaticText* MakeReadOut(QWidget* parent, const QString& text, int pixelHeight) {
    auto* readOut = new StaticText(parent);
    readOut->setText(text);
    readOut->setFont(look::MakeFont(look::kMsSansSerif, pixelHeight, {.bold = true}));
    return readOut;
}

}  // namespace

void TForm1::CreateControls() {
    const QFont bold13 = look::MakeFont(look::kMsSansSerif, 13, {.bold = true});
    const QFont bold11 = look::MakeFont(look::kMsSansSerif, 11, {.bold = true});

    Image1 = Place("Image1", new PictureBox(this), 0, 0, 476, 321);
    Image1->SetFit(PictureBox::Fit::Unscaled);
    Image1->SetPicture(Pictures::Backdrop());
    Label1 = Place("Label1", MakeLabel(this, QStringLiteral("Cesta k Baldur.ini"), bold13), 168, 16,
                   122, 16);
    Label2 = Place(
        "Label2",
        MakeLabel(this, QStringLiteral("Inteligence postav pří hledání cesty terénem"), bold13),
        112, 60, 306, 16);
    // A label of its own beside the check box, not its text: clicking it
    // leaves the box as it is.
    Label8 = Place(
        "Label8",
        MakeLabel(this, QStringLiteral("Zobrazovat varování \"V inventáři není hra pauznuta!\""),
                  bold11),
        92, 248, 308, 13);

    CreatePanel();

    Edit1 = Place("Edit1",
                  MakeEdit(this, QString::fromUtf8(kDefaultGameSettingsPath.data(),
                                                   qsizetype(kDefaultGameSettingsPath.size()))),
                  96, 32, 257, 21);
    Button1 = Place("Button1", MakeButton(this, QStringLiteral("Procházet")), 360, 28, 75, 25);
    Button2 = Place("Button2",
                    MakeButton(this, QStringLiteral("Ukončit program a uložit nové nastavení")),
                    104, 288, 213, 25);
    ST1 = Place("ST1", MakeReadOut(this, QString::number(kPathSearchNodesInitial), 16), 305, 78, 72,
                21);
    ST2 = Place("ST2", MakeReadOut(this, QStringLiteral("P 133"), 11), 380, 80, 53, 17);

    SB1 = Place("SB1", new ScrollBar(Qt::Horizontal, this), 91, 80, 210, 16);
    SB1->setRange(kPathSearchNodesLowest, kPathSearchNodesHighest);
    SB1->SetSmallChange(kPathSearchNodesSmallChange);
    SB1->SetLargeChange(kPathSearchNodesLargeChange);
    SB1->SetPageSize(kPathSearchNodesPageSize);
    SB1->setValue(kPathSearchNodesInitial);

    CreateGroup();

    Pause = Place("Pause", new QCheckBox(this), 75, 248, 14, 14);
    Pause->setChecked(true);
    Button8 = Place("Button8", MakeButton(this, QStringLiteral("Pouze ukončit program")), 324, 288,
                    125, 25);
}

void TForm1::CreatePanel() {
    Panel1 = Place("Panel1", new BevelPanel(this), 0, 321, 476, 76);
    Panel1->SetBevelOuter(BevelPanel::Bevel::Lowered);
    Panel1->SetBevelInner(BevelPanel::Bevel::Lowered);
    Panel1->SetBevelWidth(2);

    Image3 = Place("Image3", new PictureBox(Panel1), 401, 7, 40, 50);
    Image3->SetFit(PictureBox::Fit::AutoSize);
    Image3->SetPicture(Pictures::Portrait());

    URLLabel1 = Place("URLLabel1", new HyperlinkLabel(Panel1), 371, 57, 97, 13);
    URLLabel1->setFont(look::MakeFont(look::kMsSansSerif, 11, {.underline = true}));
    URLLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    URLLabel1->setText(Utf8(maker::kWebText));
    URLLabel1->SetURL(Utf8(maker::kWebLink));
    URLLabel1->SetColorNormal(kBlue);
    URLLabel1->SetColorMoveOver(kYellow);
    URLLabel1->SetColorClick(kRed);

    Memo1 = Place("Memo1", new Memo(Panel1), 8, 8, 357, 61);
    Memo1->SetLines(WelcomeText());
    // Tab moves on to the next control instead of being typed.
    Memo1->setTabChangesFocus(true);
}

void TForm1::CreateGroup() {
    GroupBox1 =
        Place("GroupBox1",
              new ColorGroupBox(
                  QStringLiteral("Cesty k jednotlivým CD (pro více CD-ROM mechanik, ...)"), this),
              87, 112, 299, 129);
    GroupBox1->SetColor(kYellow);

    const QFont bold11 = look::MakeFont(look::kMsSansSerif, 11, {.bold = true});
    Label3 = Place("Label3", MakeLabel(GroupBox1, QStringLiteral("CD1"), bold11), 8, 24, 25, 13);
    Label4 = Place("Label4", MakeLabel(GroupBox1, QStringLiteral("CD2"), bold11), 8, 44, 25, 13);
    Label5 = Place("Label5", MakeLabel(GroupBox1, QStringLiteral("CD3"), bold11), 8, 64, 25, 13);
    Label6 = Place("Label6", MakeLabel(GroupBox1, QStringLiteral("CD4"), bold11), 8, 83, 25, 13);
    Label7 = Place("Label7", MakeLabel(GroupBox1, QStringLiteral("CD5"), bold11), 8, 103, 25, 13);

    CD1 = Place("CD1", MakeCdEdit(GroupBox1, QStringLiteral("E:\\CD1\\")), 41, 20, 204, 21);
    CD2 = Place("CD2", MakeCdEdit(GroupBox1, QStringLiteral("E:\\CD2\\")), 41, 40, 204, 21);
    CD3 = Place("CD3", MakeCdEdit(GroupBox1, QStringLiteral("E:\\CD3\\")), 41, 60, 204, 21);
    CD4 = Place("CD4", MakeCdEdit(GroupBox1, QStringLiteral("E:\\CD4\\")), 41, 80, 204, 21);
    CD5 = Place("CD5", MakeCdEdit(GroupBox1, QStringLiteral("E:\\CD5\\")), 41, 100, 204, 21);

    const QString choose = QStringLiteral("Vyber");
    Button3 = Place("Button3", MakeButton(GroupBox1, choose), 248, 21, 41, 17);
    Button4 = Place("Button4", MakeButton(GroupBox1, choose), 248, 42, 41, 17);
    Button5 = Place("Button5", MakeButton(GroupBox1, choose), 248, 62, 41, 17);
    Button6 = Place("Button6", MakeButton(GroupBox1, choose), 248, 83, 41, 17);
    Button7 = Place("Button7", MakeButton(GroupBox1, choose), 248, 103, 41, 17);
}

void TForm1::SetTabOrder() {
    QWidget* const order[] = {Edit1,   Button1, Button2, SB1,     CD1,     CD2,
                              CD3,     CD4,     CD5,     Button3, Button4, Button5,
                              Button6, Button7, Pause,   Memo1,   Button8};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}
