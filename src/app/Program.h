#pragma once

#include "base/Rev11Common.h"

#include <QString>

// The program as a whole: its start, which loads the screens, and its end (ExitProgram), with
// what only the first screen and the main menu need.

// Loads the screens and shows the first one. Called once per run; after ExitProgram a new
// call starts a fresh run over the same data folder.
void Main();
// False once the program has ended, or when it could not start.
bool ProgramRunning();

// True when "MyBusinessData.txt" and then "PrintColors.txt" are present, each restored from
// Backup when lost; false at the first one missing.
bool BusinessFilesPresent();

// Opens the address in the default web browser, through a fresh "Temp.url" shortcut file.
void OpenUrl(const QString &address);
