#include "inventory/StockMoves.h"

#include "base/Rev11Common.h"

#include <QHash>

namespace {

using ItemKey = std::pair<QString, QString>;

// An item's count in the file before and after, with the record and cost it is known by:
// those after the change when it is still there.
struct Change {
    int Before = 0;
    int After = 0;
    bool Was = false;
    bool Is = false;
    int Record = 0;
    qint64 Cost = 0;
};

// Tells the user what kept the history from being written, once for each stock change.
void TellHistoryTrouble(const QString &error) {
    const QString notice = StockHistory::TakeNotice();
    if (!notice.isEmpty())
        MsgBox(notice, QMessageBox::Ok, QStringLiteral("Stock History"));
    if (!error.isEmpty())
        MsgBox(QStringLiteral("The stock change has been saved, but the stock history could not "
                              "be kept.\n\n%1")
                   .arg(error),
               QMessageBox::Ok, QStringLiteral("Stock History"));
}

} // namespace

std::vector<NumberedItem> Numbered(const std::vector<ItemRecord> &items) {
    std::vector<NumberedItem> numbered;
    numbered.reserve(items.size());
    for (size_t k = 0; k < items.size(); ++k)
        numbered.push_back({int(k) + 1, items[k]});
    return numbered;
}

std::vector<Movement> CountChanges(const std::vector<ItemRecord> &before,
                                   const std::vector<NumberedItem> &after, MovementKind kind,
                                   const QString &reference) {
    QHash<ItemKey, Change> changes;
    std::vector<ItemKey> order;
    const auto change = [&](const ItemRecord &item) -> Change & {
        const ItemKey key{item.Description, item.Category};
        auto found = changes.find(key);
        if (found == changes.end()) {
            found = changes.insert(key, {});
            order.push_back(key);
        }
        return *found;
    };
    for (size_t k = 0; k < before.size(); ++k) {
        Change &c = change(before[k]);
        if (!c.Was) {
            c.Record = int(k) + 1;
            c.Cost = before[k].Cost.tenThousandths();
            c.Was = true;
        }
        c.Before += before[k].OnHand;
    }
    for (const NumberedItem &numbered : after) {
        Change &c = change(numbered.Item);
        if (!c.Is) {
            c.Record = numbered.RecordNumber;
            c.Cost = numbered.Item.Cost.tenThousandths();
            c.Is = true;
        }
        c.After += numbered.Item.OnHand;
    }
    std::vector<Movement> movements;
    for (const ItemKey &key : order) {
        const Change c = changes.value(key);
        if (c.Before != c.After || c.Was != c.Is)
            movements.push_back({key.first,
                                 key.second,
                                 c.Record,
                                 c.After - c.Before,
                                 c.After,
                                 kind,
                                 reference,
                                 c.Cost,
                                 {}});
    }
    return movements;
}

bool SaveWithHistory(const std::vector<Movement> &movements, const std::function<bool()> &save) {
    const qint64 batch = StockHistory::Record(movements);
    QString error = StockHistory::LastError();
    const bool saved = save();
    StockHistory::Settle(batch, saved);
    if (error.isEmpty())
        error = StockHistory::LastError();
    if (saved)
        TellHistoryTrouble(error);
    return saved;
}

void ReconcileHistory() {
    std::vector<CountedItem> items;
    const std::vector<ItemRecord> records = ReadAllItems();
    items.reserve(records.size());
    for (size_t k = 0; k < records.size(); ++k)
        items.push_back({records[k].Description, records[k].Category, int(k) + 1, records[k].OnHand,
                         records[k].Cost.tenThousandths()});
    StockHistory::Reconcile(items);
    TellHistoryTrouble(StockHistory::LastError());
}
