#include "ui/Unit1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <array>
#include <optional>
#include <string>

#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "settings/ValueRules.h"
#include "ui/Centring.h"
#include "ui/Guard.h"
#include "ui/Look.h"
#include "ui/Maker.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/widgets/FolderTree.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/StaticText.h"

TForm1* Form1 = nullptr;

namespace {

const QString kWrongPath = QStringLiteral("Špatná cesta k INI souboru");
const QString kCannotWrite = QStringLiteral("Nelze zapsat nastavení");
const QString kQuitAnyway = QStringLiteral("Opravdu chcete ukončit konfigurátor ?");
const QString kLineBreak = QStringLiteral("\r\n");

// Paths to open and the remembered location are system text; the values of
// Baldur.ini are Windows-1250. Both decodings are exact, so a text the user
// did not touch encodes back to the very bytes it came from.
QString FromSystemText(std::string_view bytes) {
    return QString::fromStdU16String(platform::DecodeSystemText(bytes));
}

std::optional<std::string> ToSystemText(const QString& text) {
    return platform::EncodeSystemText(text.toStdU16String());
}

QString FromGameText(std::string_view bytes) {
    return QString::fromStdU16String(platform::DecodeWindows1250(bytes));
}

// A path the program puts into a field is shown from its beginning.
void ShowPath(QLineEdit& field, const QString& path) {
    field.setText(path);
    field.setCursorPosition(0);
}

// The characters of a text that the game's code page cannot hold, as the
// user is told them: each once, separated by blanks.
QString Unwritable(const QString& text) {
    const QString characters =
        QString::fromStdU16String(platform::UnencodableInWindows1250(text.toStdU16String()));
    QStringList each;
    for (qsizetype at = 0; at < characters.size(); ++at) {
        const qsizetype length = characters.at(at).isHighSurrogate() ? 2 : 1;
        each << characters.mid(at, length);
        at += length - 1;
    }
    return each.join(QLatin1Char(' '));
}

// Appends to the field whatever the trailing-backslash rule appends. The
// rule looks at the last character alone, and a backslash is the same byte
// in UTF-8 as in every code page, so it applies to any text the field holds.
void AppendTrailingBackslash(QLineEdit& field) {
    const std::string text = field.text().toStdString();
    const std::string normalized = EnsureTrailingBackslash(text);
    if (normalized.size() != text.size()) {
        field.setText(field.text() + QString::fromStdString(normalized.substr(text.size())));
    }
}

}  // namespace

TForm1::TForm1(Modals& modals, TAboutBox*& about, Tadresar*& chooser, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      modals_(modals),
      about_(about),
      chooser_(chooser) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Baldur's Gate - Kestrune - ") +
                   QString::fromUtf8(maker::kCaptionCredit));
    setPalette(look::WindowsPalette());
    setAutoFillBackground(true);
    setFont(look::DefaultFont());
    setFixedSize(476, 397);
    OP.Filter = QStringLiteral("Baldur's Gate INI|Baldur.ini");

    CreateControls();
    SetTabOrder();
    ConnectHandlers();
    Edit1->setFocus();
}

void TForm1::ConnectHandlers() {
    connect(SB1, &QScrollBar::valueChanged, this, Guard(modals_, [this] { SB1Change(); }));
    for (QLineEdit* field : CdFields()) {
        field->installEventFilter(this);
    }
    connect(Button1, &QPushButton::clicked, this, Guard(modals_, [this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guard(modals_, [this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, Guard(modals_, [this] { Button3Click(); }));
    connect(Button4, &QPushButton::clicked, this, Guard(modals_, [this] { Button4Click(); }));
    connect(Button5, &QPushButton::clicked, this, Guard(modals_, [this] { Button5Click(); }));
    connect(Button6, &QPushButton::clicked, this, Guard(modals_, [this] { Button6Click(); }));
    connect(Button7, &QPushButton::clicked, this, Guard(modals_, [this] { Button7Click(); }));
    connect(Button8, &QPushButton::clicked, this, Guard(modals_, [this] { Button8Click(); }));
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) {
        return;
    }
    shown_ = true;
    CentreOnScreen(*this);
    Guarded(modals_, [this] { FormShow(); });
}

// Every route of closing comes here; Qt lets no close begin while one runs.
// The About box comes with the first close only: the program ends with it.
void TForm1::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        Guarded(modals_, [this] { FormClose(); });
    }
    event->accept();
}

// The CD fields are left for another control of this window: not when
// another window (a dialog, a menu, another program) takes the focus.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const QWidget* next = QApplication::focusWidget();
        if (next != nullptr && next != watched && next->window() == this) {
            Guarded(modals_, [this] { CD1Exit(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::FormShow() {
    const std::string remembered =
        RegReadString(kRememberedLocationKey, kRememberedLocationName, kDefaultGameSettingsPath);
    ShowPath(*Edit1, FromSystemText(remembered));
    LoadValues();
}

void TForm1::FormClose() {
    modals_.ShowModal(*about_);
}

void TForm1::LoadValues() {
    try {
        // A path the system cannot spell fails here like any other step.
        const GameSettings settings = LoadGameSettings(ToSystemText(Edit1->text()).value());
        SB1->setValue(settings.PathSearchNodes);
        const auto fields = CdFields();
        for (std::size_t number = 1; number <= fields.size(); ++number) {
            ShowPath(*fields[number - 1], FromGameText(settings.CdAlias[number]));
        }
        Pause->setChecked(settings.InventoryPauseWarning);
    } catch (...) {
        modals_.ShowError(kWrongPath);
    }
}

void TForm1::SB1Change() {
    // Setting a value that differs runs this handler again, nested; that run
    // finds a normalised value and sets the read-outs.
    SB1->setValue(NormalizePathSearchNodes(SB1->value()));
    ST1->setText(QString::number(SB1->value()));
    if (const std::optional<std::string> hint = ProcessorHint(SB1->value())) {
        ST2->setText(QString::fromStdString(*hint));
    }
}

void TForm1::CD1Exit() {
    for (QLineEdit* field : CdFields()) {
        AppendTrailingBackslash(*field);
    }
}

void TForm1::Button1Click() {
    OP.InitialDir = Edit1->text();
    if (!OP.Execute(modals_)) {
        return;
    }
    ShowPath(*Edit1, OP.FileName);
    const std::optional<std::string> path = ToSystemText(Edit1->text());
    if (!path) {
        modals_.ShowError(QStringLiteral("Cesta k INI souboru obsahuje znaky, které systém "
                                         "nedokáže uložit: ") +
                          Edit1->text());
        return;
    }
    RegWriteString(kRememberedLocationKey, kRememberedLocationName, *path);
    LoadValues();
}

void TForm1::Button2Click() {
    CD1Exit();
    const std::optional<std::string> path = ToSystemText(Edit1->text());
    if (!path || !platform::FileExists(*path)) {
        modals_.ShowError(kWrongPath + kLineBreak + kCannotWrite);
        if (modals_.Confirm(kQuitAnyway)) {
            close();
        }
        return;
    }
    GameSettings settings;
    if (!SettingsFromControls(settings)) {
        return;
    }
    try {
        SaveGameSettings(*path, settings);
    } catch (...) {
        modals_.ShowError(kWrongPath);
        return;
    }
    close();
}

// The record the controls hold. A CD path with characters the game's code
// page cannot hold would reach the file as something else: the user is told
// which, and nothing is written.
bool TForm1::SettingsFromControls(GameSettings& settings) {
    settings.PathSearchNodes = SB1->value();
    settings.InventoryPauseWarning = Pause->isChecked();
    QStringList unwritable;
    const auto fields = CdFields();
    for (std::size_t number = 1; number <= fields.size(); ++number) {
        const QString text = fields[number - 1]->text();
        if (const std::optional<std::string> bytes =
                platform::EncodeWindows1250(text.toStdU16String())) {
            settings.CdAlias[number] = *bytes;
        } else {
            unwritable << QStringLiteral(
                              "Cesta k CD%1 obsahuje znaky, které nelze zapsat do "
                              "Baldur.ini: %2")
                              .arg(number)
                              .arg(Unwritable(text));
        }
    }
    if (!unwritable.isEmpty()) {
        modals_.ShowError((unwritable << kCannotWrite).join(kLineBreak));
        return false;
    }
    return true;
}

std::array<QLineEdit*, 5> TForm1::CdFields() const {
    return {CD1, CD2, CD3, CD4, CD5};
}

void TForm1::Button3Click() {
    ChooseFolder(*CD1);
}
void TForm1::Button4Click() {
    ChooseFolder(*CD2);
}
void TForm1::Button5Click() {
    ChooseFolder(*CD3);
}
void TForm1::Button6Click() {
    ChooseFolder(*CD4);
}
void TForm1::Button7Click() {
    ChooseFolder(*CD5);
}

// The chooser opens on the field's folder when there is one, else where it
// was left; whatever folder it shows when closed goes into the field.
void TForm1::ChooseFolder(QLineEdit& field) {
    Tadresar& chooser = *chooser_;
    const std::optional<std::string> folder = ToSystemText(field.text());
    if (folder && platform::DirectoryExists(*folder)) {
        chooser.DO1->SetCurrentFolder(*folder);
    }
    modals_.ShowModal(chooser);
    ShowPath(field, FromSystemText(chooser.DO1->CurrentFolder()));
}

void TForm1::Button8Click() {
    close();
}
