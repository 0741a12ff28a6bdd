#include "ui/Unit3.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScrollBar>

#include "ui/Centring.h"
#include "ui/Look.h"
#include "ui/Maker.h"
#include "ui/Pictures.h"
#include "ui/widgets/BevelPanel.h"
#include "ui/widgets/GlyphButton.h"
#include "ui/widgets/HyperlinkLabel.h"
#include "ui/widgets/Memo.h"
#include "ui/widgets/PictureBox.h"

TAboutBox* AboutBox = nullptr;

namespace {

// The acknowledgements, line by line; the trailing spaces belong to the text.
const char* const kThanks[] = {
    "Poděkování patří ...",
    "Divadlu U Zlomeného Kopí za jejich ",
    "tvorbu",
    "",
    "Kapelám Rezavá Přilba, Obří Krtek, ",
    "Mlžné Kopyto, Jantarová Loutna, ",
    "Sedmý Havran, Medvědí Brod, ",
    "Vrzavé Schody, Plechová Koruna, ",
    "Zelená Bludička, Tichá Kovadlina ",
    "a dalším za jejich hudbu",
    "",
    "Spisovatelům jako",
    "Radovan Krtička, Hynek Pobuda, ",
    "Blažena Mokrošová, Ivo Čeřovský ",
    "nebo Ota Kvasnička za díla, která ",
    "pro nás tvoří.",
    "",
    "",
    "Toto je betaverze programu",
    "O případných chybách mne ",
    "prosím informujte",
};

const QColor kLinkNormal{0, 0, 255};
const QColor kLinkOver{255, 0, 0};
const QColor kLinkPressed{128, 0, 128};

QLabel* MakeLabel(QWidget* parent, const QString& text, const QFont& font, QPoint topLeft) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

HyperlinkLabel* MakeLink(QWidget* parent, const char* text, const char* link, QPoint topLeft) {
    auto* label = new HyperlinkLabel(parent);
    label->setFont(look::MakeFont(look::kMsSansSerif, 11, {.underline = true}));
    label->setText(QString::fromUtf8(text));
    label->SetURL(QString::fromUtf8(link));
    label->SetColorNormal(kLinkNormal);
    label->SetColorMoveOver(kLinkOver);
    label->SetColorClick(kLinkPressed);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

BevelPanel* MakePanel(QWidget* parent, BevelPanel::Bevel outer, BevelPanel::Bevel inner,
                      const QRect& geometry) {
    auto* panel = new BevelPanel(parent);
    panel->SetBevelOuter(outer);
    panel->SetBevelInner(inner);
    panel->SetBevelWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

QStringList ThanksLines() {
    QStringList lines;
    for (const char* line : kThanks) {
        lines << QString::fromUtf8(line);
    }
    return lines;
}

}  // namespace

// A title bar with its close button (and so the system menu, which Qt adds
// for it), no minimise or maximise button.
TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("O programu"));
    setPalette(look::WindowsPalette());
    setFont(look::DefaultFont());
    setFixedSize(247, 322);
    // The frame shows no icon: an empty one instead of the program's.
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    setWindowIcon(QIcon(noIcon));

    using Bevel = BevelPanel::Bevel;
    Panel1 = MakePanel(this, Bevel::Lowered, Bevel::Raised, {7, 3, 233, 282});

    ProgramIcon = new PictureBox(Panel1);
    ProgramIcon->SetFit(PictureBox::Fit::Stretch);
    ProgramIcon->SetPicture(Pictures::Logo());
    ProgramIcon->setGeometry(8, 37, 214, 94);

    const QFont bold = look::MakeFont(look::kMsSansSerif, 11, {.bold = true});
    ProductName = MakeLabel(Panel1, QStringLiteral("Baldur's Gate Kestrune"),
                            look::MakeFont(look::kMsSansSerif, 15, {.bold = true}), {42, 3});
    Copyright = MakeLabel(Panel1, QString(), font(), {56, 21});
    Label1 = MakeLabel(Panel1, QString::fromUtf8(maker::kCreditLine), font(), {7, 133});
    Label2 = MakeLabel(Panel1, QStringLiteral("E-mail:"), bold, {17, 156});
    URLLabel1 = MakeLink(Panel1, maker::kMailText, maker::kMailLink, {68, 156});

    Memo1 = new Memo(Panel1);
    Memo1->setFont(look::MakeFont(look::kArial, 11, {.bold = true}));
    Memo1->SetFlat(true);
    Memo1->setReadOnly(true);
    // As in a read-only Windows edit box, the keys still move through the text.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->SetLines(ThanksLines());
    Memo1->setGeometry(10, 193, 212, 84);

    URLLabel2 = MakeLink(Panel1, maker::kPageText, maker::kPageLink, {68, 174});
    Label3 = MakeLabel(Panel1, QStringLiteral("URL:"), bold, {17, 174});

    Panel2 = MakePanel(this, Bevel::Raised, Bevel::Lowered, {97, 288, 53, 34});
    TransparentButton1 = new GlyphButton(Panel2);
    TransparentButton1->SetGlyph(Pictures::CloseGlyph(), 2);
    TransparentButton1->setGeometry(7, 2, 40, 29);

    // Closing cannot fail, so the click needs no guard.
    connect(TransparentButton1, &GlyphButton::clicked, this, &TAboutBox::TransparentButton1Click);
}

// Closing by any route ends the showing with the cancel result.
void TAboutBox::TransparentButton1Click() {
    close();
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->verticalScrollBar()->setValue(0);
}

// The box has no cancel button: Esc does nothing, as on Windows.
void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
