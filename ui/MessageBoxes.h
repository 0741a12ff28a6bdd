#pragma once

#include <QString>
#include <memory>

class QMessageBox;

// The program's title, the caption of its standard error box.
inline constexpr const char* kApplicationTitle = "Baldur's Gate Kestrune";

// The message boxes, built ready to exec(). All are centred on the screen,
// sized to their text, and show the message as plain text in the windows'
// default font, a CR LF or LF starting a new line. Their buttons are centred
// and keep the Windows order on every desktop.

// Title "Error", stop icon, one "OK" that answers both Enter and Esc.
std::unique_ptr<QMessageBox> MakeErrorBox(const QString& message);

// Title "Confirm", question icon, "&Yes" then "&No"; Enter answers Yes, Esc and
// closing the box answer No: the clicked button's role is YesRole only for Yes.
std::unique_ptr<QMessageBox> MakeConfirmBox(const QString& message);

// The standard error box for errors no handler caught: the application's
// title, stop icon, one "OK", and the message WithFullStop.
std::unique_ptr<QMessageBox> MakeApplicationErrorBox(const QString& message);

// The message with "." appended when its last character sorts after the full
// stop, as the 8-bit text compares (letters, digits, "?", and every character
// beyond ASCII do; "!", ")", a space and "." itself do not). An empty message
// stays empty.
QString WithFullStop(const QString& message);
