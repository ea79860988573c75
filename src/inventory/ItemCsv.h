#pragma once

#include "inventory/ItemFile.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// Items to and from a spreadsheet: CSV (RFC 4180) with a heading row and one row per item, the
// columns of the item grid, amounts as plain decimals with a point, UTF-8.

// Every item, in file order, as a CSV file's bytes.
QByteArray ItemsToCsv(const std::vector<ItemRecord> &items);
// Any table written the same way: a heading row, then one row per line; the fields of the
// number columns are written bare, any other quoted, so that "12" stays a description.
QByteArray TableToCsv(const QStringList &headings, const std::vector<QStringList> &rows,
                      const std::vector<bool> &numberColumns);
// An amount as the files write it: a plain decimal with a point, two decimals or four.
QByteArray PlainAmount(Currency amount);

// A row of the file that is not taken, by the line it starts on, and why.
struct RefusedRow {
    int Line;
    QString Reason;
};

// What importing a CSV file into the items would do, worked out before anything is written:
// the whole new items file (the items there, those the file names by description and category
// updated in place, the others appended), and what was refused.
struct ItemImport {
    std::vector<NumberedItem> Items;
    int Added = 0;
    int Updated = 0;
    int Unchanged = 0;
    std::vector<RefusedRow> Refused;
};

// Reads a CSV file as a spreadsheet saves it (quoted fields with separators and line breaks, a
// byte-order mark, CR LF or LF, "," or ";" between fields, a decimal comma with ";") against the
// current items. Nothing, with the reason in *error, when it is no items file at all.
std::optional<ItemImport> PlanItemImport(const QByteArray &csv,
                                         const std::vector<ItemRecord> &current, QString *error);
