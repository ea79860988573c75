#include "inventory/StockMoves.h"

#include "base/Rev11Common.h"

#include <QHash>
#include <QSet>

namespace {

using ItemKey = std::pair<QString, QString>;

struct Total {
    int OnHand = 0;
    int Record = 0; // the item's first record
    qint64 Cost = 0;
};

void Count(QHash<ItemKey, Total> &totals, std::vector<ItemKey> &order, const ItemRecord &item,
           int record) {
    const ItemKey key{item.Description, item.Category};
    auto total = totals.find(key);
    if (total == totals.end()) {
        total = totals.insert(key, {0, record, item.Cost.tenThousandths()});
        order.push_back(key);
    }
    total->OnHand += item.OnHand;
}

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
    QHash<ItemKey, Total> was;
    QHash<ItemKey, Total> now;
    std::vector<ItemKey> order;
    for (size_t k = 0; k < before.size(); ++k)
        Count(was, order, before[k], int(k) + 1);
    for (const NumberedItem &numbered : after)
        Count(now, order, numbered.Item, numbered.RecordNumber);
    std::vector<Movement> movements;
    QSet<ItemKey> done;
    for (const ItemKey &key : order) {
        if (done.contains(key))
            continue;
        done.insert(key);
        const auto from = was.constFind(key);
        const auto to = now.constFind(key);
        const int onHandBefore = from == was.constEnd() ? 0 : from->OnHand;
        const int onHandAfter = to == now.constEnd() ? 0 : to->OnHand;
        const bool cameOrWent = (from == was.constEnd()) != (to == now.constEnd());
        if (onHandBefore == onHandAfter && !cameOrWent)
            continue;
        const Total &item = to == now.constEnd() ? *from : *to;
        movements.push_back({key.first,
                             key.second,
                             item.Record,
                             onHandAfter - onHandBefore,
                             onHandAfter,
                             kind,
                             reference,
                             item.Cost,
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
