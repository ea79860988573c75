#include "purchasing/StockFromPO.h"

#include "printing/FlexGrid.h"

#include <QHash>
#include <QLocale>

qint64 CellNumber(const FlexGrid &grid, int row, int col) {
    const GridCell &cell = grid.Model()->Cell(row, col);
    return cell.kind() == GridCell::Text ? cell.text().trimmed().toLongLong() : cell.number();
}

std::optional<bool> AddOrderToStock(FlexGrid &items, const std::vector<OrderedLine> &lines,
                                    QString *error) {
    // One pass over the table to index it: a PO of every item against every item would
    // otherwise be a billion comparisons.
    QHash<int, int> rowOfRecord;
    QMultiHash<QString, int> rowsOfDescription;
    for (int r = 1; r < items.Rows(); ++r) {
        rowOfRecord.insert(int(CellNumber(items, r, 9)), r);
        rowsOfDescription.insert(items.TextMatrix(r, 0), r);
    }
    std::vector<qint64> added(size_t(items.Rows()), 0);
    for (const OrderedLine &line : lines) {
        if (line.Quantity == 0)
            continue;
        if (line.RecordNumber > 0) {
            if (const auto row = rowOfRecord.constFind(line.RecordNumber);
                row != rowOfRecord.cend())
                added[size_t(*row)] += line.Quantity;
            continue;
        }
        for (auto row = rowsOfDescription.constFind(line.Description);
             row != rowsOfDescription.cend() && row.key() == line.Description; ++row)
            added[size_t(*row)] += line.Quantity;
    }
    bool changed = false;
    for (int r = 1; r < items.Rows(); ++r) {
        const qint64 total = CellNumber(items, r, 4) + added[size_t(r)];
        if (added[size_t(r)] != 0 && total > 32767) {
            if (error)
                *error = QStringLiteral("%1 has %2 on hand and this purchase order adds %3: an "
                                        "item can hold at most 32767 units. Nothing has been "
                                        "added to inventory.")
                             .arg(items.TextMatrix(r, 0))
                             .arg(CellNumber(items, r, 4))
                             .arg(added[size_t(r)]);
            return std::nullopt;
        }
        changed = changed || added[size_t(r)] != 0;
    }
    for (int r = 1; r < items.Rows(); ++r) {
        if (added[size_t(r)] != 0)
            items.SetTextMatrix(r, 4, QString::number(CellNumber(items, r, 4) + added[size_t(r)]));
    }
    return changed;
}
