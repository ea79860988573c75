#pragma once

#include <QByteArray>
#include <QString>

// The main menu's "Export Items (CSV)..." and "Import Items (CSV)...": every item to a CSV file
// a spreadsheet opens, and such a file back into the items, shown first and confirmed.

void ExportItems();
void ImportItems();

// The file dialogs' choice of CSV files.
QString CsvFilter();
// Writes the bytes as the file the user chose; false, and the user told, when it could not be.
bool WriteCsv(const QString &path, const QByteArray &bytes, const QString &title);
