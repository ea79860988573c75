#pragma once

#include <QString>
#include <QStringList>

// The general printing steps every document uses, on Printer::Current().

// Prepares the printer for a new document: colour mode (2 when colourFlag is non-zero),
// orientation ("Portrait" exactly, else landscape), twips, the document font chosen on the
// set-up screen, black, and plain text of the current size.
void SetUpPrinter(const QString &orientation, int colourFlag);
// Prints the text in the column from x that is width units wide, from the current y: a text
// wider than the column prints in a smaller size, down to 7 point, and only if it is still too
// wide is it cut short with an ellipsis. Right-aligned texts end at the column's right edge.
// Ending the line moves down one line of the current font, whatever size the text took.
void PrintFitted(double x, double width, const QString &text, bool endLine = false,
                 bool alignRight = false);
// The same, right-aligned, for a column that ends at rightEdge.
void PrintRight(double rightEdge, double width, const QString &text, bool endLine = false);
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

// A box's instructions as lines to print, CR LF or LF ending each.
QStringList InstructionLines(const QString &text);
// Writes them as the data file of that name (each line ended by CR LF, one more CR LF after
// the last), replacing the old one. Nothing reads the file back, so a file that could not be
// written costs the document nothing.
void WriteInstructionsFile(const QString &name, const QString &text);

// Shows the main menu's print dialog for the document of that name ("Inventory Report",
// "Purchase Order 1001"); false when the user cancelled it.
bool ShowPrintDialog(const QString &docName);
// The message of every document whose printing failed.
void ReportPrintError();
