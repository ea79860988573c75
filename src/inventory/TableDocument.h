#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include <QDate>

class QAbstractItemModel;
class QDateEdit;
class QDialog;
class QDialogButtonBox;
class QPushButton;
class QStandardItem;
class QStandardItemModel;
class QTableView;

// A table a dialog shows, as a printed document and as a spreadsheet's file: the stock history
// and the stock on a date.

// The view shows the rows read-only under the headings, a row at a time, as compact as the item
// grid; the columns fit their rows as they come, and the roomy one takes the room left.
void ShowTable(QTableView *view, QStandardItemModel *rows, const QStringList &headings, int roomy);

// A date box with its calendar, in the locale's short form, showing the day.
void ShowDate(QDateEdit *box, QDate day);
// Close, with Print and Export beside it.
QDialogButtonBox *TableButtons(QDialog *dialog, QPushButton *print, QPushButton *exportRows);
// Once the rows are loaded: Print and Export only with rows to give, and a history that could not
// be read said.
void RowsLoaded(QDialog *dialog, const QAbstractItemModel &rows, QPushButton *print,
                QPushButton *exportRows);

// A cell of a number column: shown right-aligned as the screen writes it, and kept bare (a
// plain number, "1234.5") for the spreadsheet.
QStandardItem *NumberCell(const QString &shown, const QString &bare);

// Prints the rows under the title, the line below it and the headings, each column from its
// left edge in inches (number columns end at the next one), the headings again on every page;
// kind names it when it is not printed.
void PrintTable(const QString &kind, const QString &title, const QString &subtitle,
                const QStringList &headings, const std::vector<double> &columnInches,
                const QAbstractItemModel &rows);
// Asks for a file and writes the headings and rows there as CSV, as the item export does.
void ExportTable(const QString &title, const QStringList &headings, const QAbstractItemModel &rows);
