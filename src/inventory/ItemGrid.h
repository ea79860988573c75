#pragma once

#include "inventory/ItemFile.h"

#include <optional>
#include <vector>

class FlexGrid;
class GridCell;

// The item grids of the screens: one row per item, cells 0 to 9 being Description, Category,
// Cost (Unit), Price, On-Hand, Disc Price, Disc Qty, Reorder, When At and the record number.

// Appends the ten cells of an item's row. Cost and price are plain numbers, so that a numeric
// sort can order them, until the grid shows them as money (GridCell::Money).
void AppendItemCells(std::vector<GridCell> &cells, const ItemRecord &item, int recordNumber);

// Every row of the grid back to an item at its record number, in row order; nothing (with the
// reason in *error) when a row cannot be converted.
std::optional<std::vector<NumberedItem>> ItemsFromGrid(const FlexGrid &grid, QString *error);
