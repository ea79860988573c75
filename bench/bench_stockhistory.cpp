// Times the stock history with a full items file (32,767 records): recording a purchase order
// of every item and a picklist, reading one item's long history, the stock on a date over a
// million movements, and the start-up's reconcile with nothing to record.
#include "base/BasicDiskRoutines.h"
#include "base/StockHistory.h"
#include "inventory/ItemFile.h"

#include "BenchData.h"
#include "BenchTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

// One movement of each item, all of that kind and day.
std::vector<Movement> EveryItem(const std::vector<NumberedItem> &items, int change,
                                MovementKind kind, const QDateTime &at = {}) {
    std::vector<Movement> movements;
    movements.reserve(items.size());
    for (const NumberedItem &n : items)
        movements.push_back({n.Item.Description, n.Item.Category, n.RecordNumber, change,
                             n.Item.OnHand + change, kind, QStringLiteral("PO 1000"),
                             n.Item.Cost.tenThousandths(), at});
    return movements;
}

void Keep(const std::vector<Movement> &movements) {
    StockHistory::Settle(StockHistory::Record(movements), true);
}

std::vector<CountedItem> Counted(const std::vector<NumberedItem> &items) {
    std::vector<CountedItem> counted;
    for (const NumberedItem &n : items)
        counted.push_back({n.Item.Description, n.Item.Category, n.RecordNumber, n.Item.OnHand,
                           n.Item.Cost.tenThousandths()});
    return counted;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SetAppPath(dir.path());
    const std::vector<NumberedItem> items = BenchItems();
    RewriteItemsFile(items);

    const std::vector<CountedItem> counted = Counted(items);
    QElapsedTimer first;
    first.start();
    StockHistory::Reconcile(counted); // the opening count of every item
    Report("first start: the opening counts of 32767 items", first.nsecsElapsed() / 1e6, 2000);
    // Without the history a start-up does none of this: the whole reconcile is what it adds.
    Report("start-up with 32767 movements, nothing to record",
           MedianMs([&] { StockHistory::Reconcile(counted); }, 5), 50);
    Report("record a purchase order of 32767 lines",
           MedianMs([&] { Keep(EveryItem(items, 0, MovementKind::Received)); }, 5), 300);
    const std::vector<NumberedItem> picked(items.begin(), items.begin() + 200);
    Report("record a picklist of 200 lines",
           MedianMs([&] { Keep(EveryItem(picked, 0, MovementKind::Picked)); }, 7), 50);

    // A year of days with every item moved: a million movements and more.
    const QDateTime start(QDate(2026, 1, 1), QTime(9, 0));
    for (int day = 0; day < 31; ++day)
        Keep(EveryItem(items, 0, MovementKind::Edited, start.addDays(day * 10)));
    std::vector<Movement> one;
    for (int k = 0; k < 10000; ++k)
        one.push_back(EveryItem({items[0]}, 0, MovementKind::Picked, start.addSecs(k * 60))[0]);
    Keep(one);
    Report("open the history of an item with 10000 movements", MedianMs([&] {
               StockHistory::ItemHistory(items[0].Item.Description, items[0].Item.Category,
                                         QDate(2000, 1, 1), QDate(2100, 1, 1));
           }),
           100);
    Report("stock on a date over 32767 items and 1000000 movements",
           MedianMs([] { StockHistory::StockOn(QDate(2026, 6, 30)); }, 5), 2000);
    Report("record a purchase order of 32767 lines over 1000000 movements",
           MedianMs([&] { Keep(EveryItem(items, 0, MovementKind::Received)); }, 3), 300);
    Report("start-up with 1000000 movements, nothing to record",
           MedianMs([&] { StockHistory::Reconcile(counted); }, 5), 50);
    Report("copy 1000000 movements into the backup set",
           MedianMs([&] { StockHistory::CopyTo(dir.filePath(QStringLiteral("copy.db"))); }, 3),
           5000);
    return 0;
}
