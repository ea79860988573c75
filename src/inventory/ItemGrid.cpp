#include "inventory/ItemGrid.h"

#include "printing/FlexGrid.h"

void AppendItemCells(std::vector<GridCell> &cells, const ItemRecord &item, int recordNumber) {
    cells.emplace_back(item.Description);
    cells.emplace_back(item.Category);
    cells.push_back(GridCell::Number(item.Cost.tenThousandths(), GridCell::PlainMoney));
    cells.push_back(GridCell::Number(item.Price.tenThousandths(), GridCell::PlainMoney));
    cells.push_back(GridCell::Number(item.OnHand, GridCell::Integer));
    cells.push_back(GridCell::Number(item.DiscountPrice.tenThousandths(), GridCell::Money));
    cells.push_back(GridCell::Number(item.DiscountQty, GridCell::Integer));
    cells.push_back(GridCell::Number(item.ReorderAmount, GridCell::Integer));
    cells.push_back(GridCell::Number(item.ReorderAt, GridCell::Integer));
    cells.push_back(GridCell::Number(recordNumber, GridCell::Integer));
}

std::optional<std::vector<NumberedItem>> ItemsFromGrid(const FlexGrid &grid, QString *error) {
    const FlexGridModel &model = *grid.Model();
    std::vector<NumberedItem> items;
    items.reserve(size_t(std::max(0, model.Rows() - 1)));
    std::vector<ItemCell> row(9);
    for (int r = 1; r < model.Rows(); ++r) {
        // Cells that still hold the number they were loaded with are taken as that number:
        // formatting 32,767 rows of amounts only to read them back would cost far more.
        for (int c = 0; c < 9; ++c) {
            const GridCell &cell = model.Cell(r, c);
            if (cell.kind() == GridCell::Text)
                row[size_t(c)] = {cell.text(), std::nullopt};
            else
                row[size_t(c)] = {QString(), cell.number()};
        }
        QString problem;
        const std::optional<ItemRecord> item = ItemFromCells(row, &problem);
        const GridCell &number = model.Cell(r, 9);
        const int recordNumber =
            number.kind() == GridCell::Text ? number.text().toInt() : int(number.number());
        if (!item) {
            if (error)
                *error = QStringLiteral("Row %1 (%2): %3").arg(r).arg(model.Text(r, 0), problem);
            return std::nullopt;
        }
        items.push_back({recordNumber, *item});
    }
    return items;
}
