#pragma once

#include <QMessageBox>
#include <QString>
#include <QVersionNumber>

// What every screen shares: the program's name, messages, and the program's end.

inline const QString ProductName = QStringLiteral("Velbor Inventory");
inline const QVersionNumber ProgramVersion(2, 0, 0);

// Unloads every screen (last loaded first), backs the data files up and ends the program. The
// program's composition, which knows every screen, provides it (app/Program.cpp).
void ExitProgram();

// A message box with the exact prompt, buttons and title (the program's name by default);
// returns the button pressed.
QMessageBox::StandardButton MsgBox(const QString &prompt,
                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                   const QString &title = QString());
void ShowMessage(const QString &prompt, const QString &title);
// The window a dialog should sit over: the active one, unless it is on its way out.
QWidget *DialogParent();
