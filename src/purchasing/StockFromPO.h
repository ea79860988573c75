#pragma once

#include <QString>

#include <optional>
#include <vector>

class FlexGrid;

// A line of a purchase order as the stock update reads it.
struct OrderedLine {
    int RecordNumber = 0; // the item it was filled from; 0 for a line added by hand
    QString Description;
    qint64 Quantity = 0;
};

// Raises the on-hand counts of the item table (frmInventory's fgItems) by what the lines
// order: a line filled from the table raises the item of its record number, a line added by
// hand every item of exactly its description. When a count would pass 32,767 nothing changes
// and *error names the item. Otherwise true when any count changed.
std::optional<bool> AddOrderToStock(FlexGrid &items, const std::vector<OrderedLine> &lines,
                                    QString *error);

// The number a grid cell holds, whether kept as a number or as text.
qint64 CellNumber(const FlexGrid &grid, int row, int col);
