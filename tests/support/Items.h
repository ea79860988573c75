#pragma once

#include "inventory/ItemFile.h"

#include <QTest>

// Writes the items as the whole items file, item k at record k + 1.
inline void WriteItems(const std::vector<ItemRecord> &items) {
    std::vector<NumberedItem> numbered;
    for (size_t k = 0; k < items.size(); ++k)
        numbered.push_back({int(k) + 1, items[k]});
    QVERIFY(RewriteItemsFile(numbered));
}
