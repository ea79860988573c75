// Times reading, rewriting and compacting a full items file (32,767 records).
#include "inventory/ItemFile.h"
#include "shell/BasicDiskRoutines.h"

#include "BenchTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SetAppPath(dir.path());

    std::vector<NumberedItem> items;
    for (int k = 1; k <= MaxItemRecords; ++k) {
        ItemRecord item;
        item.Description = QStringLiteral("Copper elbow fitting %1").arg(k);
        item.Category = QStringLiteral("Plumbing %1").arg(k % 40);
        item.Cost = Currency::fromCents(k * 7 % 100000);
        item.Price = Currency::fromCents(k * 13 % 200000);
        item.OnHand = qint16(k % 500);
        items.push_back({k, item});
    }
    std::printf("rewrite 32767 items: %.1f ms\n", MedianMs([&] { RewriteItemsFile(items); }));
    std::printf("read all 32767 items: %.1f ms\n", MedianMs([] { ReadAllItems(); }));
    std::printf("write one record:     %.2f ms\n",
                MedianMs([&] { WriteItemRecord(16000, items[15999].Item); }));
    std::printf("delete record 2:      %.1f ms\n", MedianMs([&] {
                    DeleteItemRecord(2);
                    WriteItemRecord(ItemCount() + 1, items[1].Item);
                }));
    return 0;
}
