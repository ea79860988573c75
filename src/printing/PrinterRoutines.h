#pragma once

#include <QString>
#include <QStringList>

// The general printing steps every document uses, on Printer::Current().

// Prepares the printer for a new document: colour mode (2 when colourFlag is non-zero),
// orientation ("Portrait" exactly, else landscape), twips, the document font chosen on the
// set-up screen, black, and plain text of the current size.
void SetUpPrinter(const QString &orientation, int colourFlag);
// A coordinate of 0 or less leaves that part of the print position as it is.
void MoveToInches(double x, double y);
// A size of 0 or less keeps the current size.
void SetPrintFont(int size, bool bold, bool underline);
// The text word-wrapped in the current font into lines at most width units wide (an empty
// text is one empty line). A word wider than the column is a line of its own.
QStringList WrapText(const QString &text, int width);
// Prints the text word-wrapped in the column from x that is width twips wide, from y down,
// one printed line after another.
void PrintWrapped(int x, int y, int width, int spare, const QString &text);

// Writes a box's instructions as the data file of that name (its lines ended by CR LF, one more
// CR LF after the last), replacing the old one, and gives back the lines to print. The lines
// come from the text itself: nothing else reads the file back, so a file that could not be
// written costs the page nothing.
QStringList WriteInstructionsFile(const QString &name, const QString &text);

// Shows the main menu's print dialog; false when the user cancelled it.
bool ShowPrintDialog();
// The message of every document whose printing failed.
void ReportPrintError();
