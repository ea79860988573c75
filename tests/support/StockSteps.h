#pragma once

#include "support/Screens.h"

// An item of the Pipe category, reordered `reorder` at a time once at most `level` are on hand.
inline ItemRecord StockItem(const QString &description, qint16 onHand, qint16 reorder = 6,
                            qint16 level = 2, qint64 costCents = 250) {
    ItemRecord item;
    item.Description = description;
    item.Category = QStringLiteral("Pipe");
    item.OnHand = onHand;
    item.ReorderAmount = reorder;
    item.ReorderAt = level;
    item.Cost = Currency::fromCents(costCents);
    return item;
}

using Counts = std::vector<qint16>;

// The on-hand count of every item in the items file, in record order.
inline Counts OnHandInFile() {
    Counts counts;
    for (const ItemRecord &item : ReadAllItems())
        counts.push_back(item.OnHand);
    return counts;
}
