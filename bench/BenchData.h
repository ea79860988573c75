#pragma once

#include "inventory/ItemFile.h"

#include <vector>

// A full items file's worth of items (32,767), over 104 categories, for the benchmarks.
inline std::vector<NumberedItem> BenchItems() {
    std::vector<NumberedItem> items;
    const char *categories[] = {"Plumbing", "Electrical", "HVAC",     "Fasteners",
                                "Tools",    "Adhesives",  "Lighting", "Safety"};
    for (int k = 1; k <= MaxItemRecords; ++k) {
        ItemRecord item;
        item.Description =
            QStringLiteral("Stock item number %1 with a longer name").arg(k * 7919 % 32768);
        item.Category = QString::fromLatin1(categories[k % 8]) + QString::number(k % 13);
        item.Cost = Currency::fromCents(k * 37 % 250000);
        item.Price = Currency::fromCents(k * 53 % 400000);
        item.OnHand = qint16(k % 900 + 100);
        item.DiscountPrice = Currency::fromCents(k * 41 % 300000);
        item.DiscountQty = k % 50;
        item.ReorderAmount = qint16(k % 24);
        item.ReorderAt = qint16(k % 12);
        items.push_back({k, item});
    }
    return items;
}
