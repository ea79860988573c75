#pragma once

#include <QMessageBox>
#include <QString>
#include <QVersionNumber>

// The program's start, its end, and what every screen shares.

inline const QString ProductName = QStringLiteral("Velbor Inventory");
inline const QVersionNumber ProgramVersion(2, 0, 0);

// Loads the screens and shows the first one. Called once per run; after ExitProgram a new
// call starts a fresh run over the same data folder.
void Main();
// Unloads every screen (last loaded first), backs the data files up and ends the program.
void ExitProgram();
// False once the program has ended, or when it could not start.
bool ProgramRunning();

// A message box with the exact prompt, buttons and title (the program's name by default);
// returns the button pressed.
QMessageBox::StandardButton MsgBox(const QString &prompt,
                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                   const QString &title = QString());
void ShowMessage(const QString &prompt, const QString &title);
// The window a dialog should sit over: the active one, unless it is on its way out.
QWidget *DialogParent();

// True when "MyBusinessData.txt" and then "PrintColors.txt" are present, each restored from
// Backup when lost; false at the first one missing.
bool BusinessFilesPresent();

// Opens the address in the default web browser, through a fresh "Temp.url" shortcut file.
void OpenUrl(const QString &address);
