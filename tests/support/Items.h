#pragma once

#include "base/StockHistory.h"
#include "inventory/ItemFile.h"

#include <QTest>

// Writes the items as the whole items file, item k at record k + 1.
inline void WriteItems(const std::vector<ItemRecord> &items) {
    std::vector<NumberedItem> numbered;
    for (size_t k = 0; k < items.size(); ++k)
        numbered.push_back({int(k) + 1, items[k]});
    QVERIFY(RewriteItemsFile(numbered));
}

// The items file's descriptions, in record order.
inline QStringList Descriptions() {
    QStringList names;
    for (const ItemRecord &item : ReadAllItems())
        names << item.Description;
    return names;
}

// The item's stock history, newest first, one movement a line: "kind change on-hand reference".
inline QStringList HistoryOf(const QString &description, const QString &category,
                             QDate from = QDate(2000, 1, 1), QDate to = QDate(2100, 1, 1)) {
    QStringList lines;
    for (const Movement &m : StockHistory::ItemHistory(description, category, from, to))
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(MovementKindName(m.Kind))
                     .arg(m.Change)
                     .arg(m.OnHand)
                     .arg(m.Reference)
                     .trimmed();
    return lines;
}

// A movement of the item of the category "Pipe", at noon of the day.
inline Movement Move(const QString &item, int change, int onHand, MovementKind kind, QDate day,
                     const QString &reference = QString(), qint64 cost = 25000) {
    return {item, QStringLiteral("Pipe"),      1, change, onHand, kind, reference,
            cost, QDateTime(day, QTime(12, 0))};
}

// The movements kept as one change whose items file was saved.
inline void Settled(const std::vector<Movement> &movements) {
    const qint64 batch = StockHistory::Record(movements);
    QVERIFY2(batch > 0, qPrintable(StockHistory::LastError()));
    StockHistory::Settle(batch, true);
    QVERIFY2(StockHistory::LastError().isEmpty(), qPrintable(StockHistory::LastError()));
}
