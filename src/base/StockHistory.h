#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// The stock history: every change of an item's on-hand count, kept in "StockHistory.db" in the
// data folder, a SQLite database of this program alone. The items file stays the truth of what
// is on hand. A change is written as pending before the items file is saved and marked done
// after it, so that the next start finds the two agreeing, or mends the history to agree.
// A history that cannot be kept never stops a stock change: each call says so in LastError.

enum class MovementKind { Added, Edited, Picked, Returned, Received, Imported, Deleted, Outside };
QString MovementKindName(MovementKind kind); // "added", "edited", ... as the database holds it

struct Movement {
    QString Description;
    QString Category;
    int Record = 0;
    int Change = 0;
    int OnHand = 0; // after the change
    MovementKind Kind = MovementKind::Edited;
    QString Reference;
    std::optional<qint64> Cost; // unit cost in ten-thousandths, where known
    QDateTime At;               // when it happened; now, when left out
};

// An item as the items file holds it at start-up.
struct CountedItem {
    QString Description;
    QString Category;
    int Record = 0;
    int OnHand = 0;
    qint64 Cost = 0;
};

// An item's count at the end of a day, valued at its cost of that day.
struct CountOnDate {
    QString Description;
    QString Category;
    int OnHand = 0;
    std::optional<qint64> Cost;
};

namespace StockHistory {

QString FileName(); // "/StockHistory.db"

// Writes the movements as pending, in one transaction; the batch that Settle takes, or 0 when
// there was nothing to write or the history could not be kept.
qint64 Record(const std::vector<Movement> &movements);
// Once the items file is saved the batch is done; when the save failed it is removed.
void Settle(qint64 batch, bool saved);

// At start-up: pending movements the items file agrees with are done, the others removed; an
// item whose count the history does not explain gets an "outside" movement of the difference.
void Reconcile(const std::vector<CountedItem> &items);

// The item's movements from the start of one day to the end of another, newest first.
std::vector<Movement> ItemHistory(const QString &description, const QString &category, QDate from,
                                  QDate to);
// Every item the history knows at the end of the day (local time), with what it had then;
// items added later and items deleted by then are left out.
std::vector<CountOnDate> StockOn(QDate day);

// A consistent copy of the database at path, for the backup set.
bool CopyTo(const QString &path);
// Lets the file go, as before the data folder changes or the program ends.
void Close();

// Why the last call could not keep the history; empty when it could.
QString LastError();
// What the user must hear once: a damaged file set aside. Empty when nothing happened.
QString TakeNotice();

} // namespace StockHistory
