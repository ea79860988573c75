#pragma once

#include <QString>
#include <QStringList>

class FlexGrid;

// The inventory report (every column of every grid row, landscape) and the count tally sheets
// (one per named location, portrait), printed from the item grid in the order it shows.

inline const QString InventoryReportTitle = QStringLiteral("Inventory Report");
inline const QString TallySheetTitle = QStringLiteral("Inventory Tally Sheet");

// Asks for the printer, prints, and tells the user when the printing was cancelled or failed;
// true when it printed.
bool PrintInventoryDocument(const QString &title, const FlexGrid &grid,
                            const QStringList &locations);
// The pages alone, on the printer already chosen; false when the printing failed.
bool PrintInventoryPages(const QString &title, const FlexGrid &grid, const QStringList &locations);
void PrintPageHeader(const QString &title, const QString &location);
