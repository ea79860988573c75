#include "base/StockHistory.h"

#include "base/BasicDiskRoutines.h"

#include <QFile>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <utility>

namespace {

const QString Connection = QStringLiteral("velbor-stock-history");

QString OpenPath; // the database the connection holds, or empty
QString Error;
QString Notice;

const char *const KindNames[] = {"added",    "edited",   "picked",  "returned",
                                 "received", "imported", "deleted", "outside"};

// Each version's steps, run in turn on a database below it; user_version is the last done.
// Version 2 numbers the items and keeps the time as milliseconds since 1970 (UTC), so that the
// index of a million movements holds small numbers rather than texts: a purchase order of every
// item writes into every page of it.
// An item's row holds its count after its last movement, so that a start-up compares 32,767
// rows with the items file rather than searching a million movements.
const std::vector<std::vector<const char *>> Versions = {
    {
        "CREATE TABLE movements (id INTEGER PRIMARY KEY, at TEXT NOT NULL, utc TEXT NOT NULL, "
        "description TEXT NOT NULL, category TEXT NOT NULL, record INTEGER NOT NULL, "
        "change INTEGER NOT NULL, on_hand INTEGER NOT NULL, kind TEXT NOT NULL, "
        "reference TEXT NOT NULL, state TEXT NOT NULL, cost INTEGER, batch INTEGER NOT NULL)",
        "CREATE INDEX movements_item ON movements (description, category, utc)",
        "CREATE INDEX movements_pending ON movements (batch) WHERE state = 'pending'",
        "CREATE TABLE batches (id INTEGER PRIMARY KEY)",
        "CREATE TABLE counts (description TEXT NOT NULL, category TEXT NOT NULL, "
        "on_hand INTEGER NOT NULL, PRIMARY KEY (description, category))",
    },
    {
        "CREATE TABLE items (id INTEGER PRIMARY KEY, description TEXT NOT NULL, "
        "category TEXT NOT NULL, on_hand INTEGER NOT NULL DEFAULT 0, "
        "UNIQUE (description, category))",
        "INSERT INTO items (description, category, on_hand) "
        "SELECT description, category, on_hand FROM counts",
        "INSERT OR IGNORE INTO items (description, category) "
        "SELECT description, category FROM movements",
        "ALTER TABLE movements ADD COLUMN item INTEGER NOT NULL DEFAULT 0",
        "ALTER TABLE movements ADD COLUMN time INTEGER NOT NULL DEFAULT 0",
        "UPDATE movements SET item = (SELECT id FROM items WHERE items.description = "
        "movements.description AND items.category = movements.category), "
        "time = CAST(strftime('%s', utc) AS INTEGER) * 1000 + CAST(substr(utc, 21, 3) AS INTEGER)",
        "DROP INDEX movements_item",
        "ALTER TABLE movements DROP COLUMN utc",
        "CREATE INDEX movements_item ON movements (item, time)",
        "DROP TABLE counts",
    },
};

using ItemKey = std::pair<QString, QString>;

// The number of each item the history knows, learnt as it is read or written; forgotten with
// a transaction that rolls back.
QHash<ItemKey, qint64> ItemIds;
bool ItemIdsRead = false;

QSqlDatabase Database() {
    return QSqlDatabase::database(Connection, false);
}

bool Fail(const QString &what, const QSqlError &error) {
    Error = what + QStringLiteral(": ") + error.text();
    return false;
}

bool Run(QSqlQuery &query, const QString &what) {
    return query.exec() || Fail(what, query.lastError());
}

bool Run(const QString &statement) {
    QSqlQuery query(Database());
    return query.exec(statement) || Fail(QStringLiteral("The stock history"), query.lastError());
}

// A file that is not a database, or one whose pages no longer hold together.
bool Damaged(const QSqlError &error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("26") || code == QLatin1String("11");
}

void Rollback() {
    Database().rollback();
    ItemIds.clear();
    ItemIdsRead = false;
}

bool CreateOrUpgrade() {
    QSqlQuery version(Database());
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return Fail(QStringLiteral("The stock history could not be read"), version.lastError());
    const int from = version.value(0).toInt();
    version.finish();
    if (from >= int(Versions.size()))
        return true;
    Database().transaction();
    for (size_t v = size_t(from); v < Versions.size(); ++v) {
        for (const char *statement : Versions[v]) {
            if (!Run(QString::fromLatin1(statement))) {
                Rollback();
                return false;
            }
        }
    }
    return Run(QStringLiteral("PRAGMA user_version = %1").arg(Versions.size())) &&
           (Database().commit() ||
            Fail(QStringLiteral("The stock history could not be started"), Database().lastError()));
}

// The damaged file goes aside under a dated name, never emptied, and a new history starts.
bool SetAside(const QString &path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path;
    aside.insert(aside.size() - 3, QStringLiteral("-damaged-") + stamp);
    if (!QFile::rename(path, aside)) {
        Error = QStringLiteral("The damaged stock history %1 could not be set aside.").arg(path);
        return false;
    }
    // Its journal goes with it: it may hold what makes the damaged file whole again, and left
    // here it would be played into the new history.
    QFile::rename(path + QStringLiteral("-journal"), aside + QStringLiteral("-journal"));
    Notice = QStringLiteral("The stock history %1 was damaged. It has been kept as %2, and a new "
                            "history has been started.")
                 .arg(path, aside);
    return true;
}

bool Open() {
    const QString path = DataFilePath(StockHistory::FileName());
    if (OpenPath == path && Database().isOpen())
        return true;
    StockHistory::Close();
    FileExistsOrRestore(StockHistory::FileName());
    for (int attempt = 0; attempt < 2; ++attempt) {
        bool damaged = false;
        {
            QSqlDatabase db =
                QSqlDatabase::contains(Connection)
                    ? Database()
                    : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
            db.setDatabaseName(path);
            if (!db.open()) {
                damaged = Damaged(db.lastError());
                Fail(QStringLiteral("The stock history could not be opened"), db.lastError());
            } else if (CreateOrUpgrade()) {
                OpenPath = path;
                // Room for the pages a purchase order of every item touches.
                Run(QStringLiteral("PRAGMA cache_size = -32768"));
                return true;
            } else {
                QSqlQuery probe(db);
                damaged = !probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) &&
                          Damaged(probe.lastError());
                db.close();
            }
        }
        if (!damaged || !SetAside(path))
            return false;
    }
    return false;
}

// Local time with its offset written out, "+00:00" too, as the movement's reader sees it.
QString Local(const QDateTime &time) {
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) +
           QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
}

qint64 Time(QDate day) {
    return day.startOfDay().toMSecsSinceEpoch();
}

// A text column holds "" for no text: a null string would bind as NULL.
QString Text(const QString &text) {
    return text.isNull() ? QStringLiteral("") : text;
}

bool ReadItemIds() {
    QSqlQuery items(Database());
    items.setForwardOnly(true); // read once, in order
    if (!items.exec(QStringLiteral("SELECT id, description, category FROM items")))
        return Fail(QStringLiteral("The stock history could not be read"), items.lastError());
    while (items.next())
        ItemIds.insert({items.value(1).toString(), items.value(2).toString()},
                       items.value(0).toLongLong());
    ItemIdsRead = true;
    return true;
}

// The item's number, given it in the current transaction when it is new; 0 when it cannot be.
qint64 ItemId(const QString &description, const QString &category) {
    if (!ItemIdsRead && !ReadItemIds())
        return 0;
    const ItemKey key{description, category};
    if (const auto known = ItemIds.constFind(key); known != ItemIds.constEnd())
        return *known;
    QSqlQuery add(Database());
    add.prepare(QStringLiteral("INSERT INTO items (description, category) VALUES (?, ?) "
                               "ON CONFLICT DO NOTHING"));
    add.addBindValue(description);
    add.addBindValue(category);
    if (!Run(add, QStringLiteral("The stock history could not be written")))
        return 0;
    qint64 id = add.lastInsertId().toLongLong();
    if (add.numRowsAffected() != 1) { // another copy of the program numbered it first
        QSqlQuery find(Database());
        find.prepare(QStringLiteral("SELECT id FROM items WHERE description = ? AND category = ?"));
        find.addBindValue(description);
        find.addBindValue(category);
        if (!Run(find, QStringLiteral("The stock history could not be read")) || !find.next())
            return 0;
        id = find.value(0).toLongLong();
    }
    ItemIds.insert(key, id);
    return id;
}

// Writes the movements in the current transaction, in one batch of that state.
qint64 Insert(const std::vector<Movement> &movements, const QString &state) {
    QSqlQuery batch(Database());
    if (!batch.exec(QStringLiteral("INSERT INTO batches DEFAULT VALUES")))
        return Fail(QStringLiteral("The stock history could not be written"), batch.lastError());
    const qint64 id = batch.lastInsertId().toLongLong();
    QSqlQuery insert(Database());
    insert.prepare(QStringLiteral(
        "INSERT INTO movements (at, time, description, category, record, change, on_hand, kind, "
        "reference, state, cost, batch, item) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDateTime now = QDateTime::currentDateTime();
    const QString nowLocal = Local(now);
    const qint64 nowTime = now.toMSecsSinceEpoch();
    for (const Movement &m : movements) {
        const qint64 item = ItemId(Text(m.Description), Text(m.Category));
        if (item == 0)
            return 0;
        insert.bindValue(0, m.At.isValid() ? Local(m.At) : nowLocal);
        insert.bindValue(1, m.At.isValid() ? m.At.toMSecsSinceEpoch() : nowTime);
        insert.bindValue(2, Text(m.Description));
        insert.bindValue(3, Text(m.Category));
        insert.bindValue(4, m.Record);
        insert.bindValue(5, m.Change);
        insert.bindValue(6, m.OnHand);
        insert.bindValue(7, MovementKindName(m.Kind));
        insert.bindValue(8, Text(m.Reference));
        insert.bindValue(9, state);
        insert.bindValue(10, m.Cost ? QVariant(*m.Cost) : QVariant(QMetaType(QMetaType::LongLong)));
        insert.bindValue(11, id);
        insert.bindValue(12, item);
        if (!Run(insert, QStringLiteral("The stock history could not be written")))
            return 0;
    }
    return id;
}

// A batch becomes part of the history: its movements are done and each item's count follows
// its last movement of the batch.
bool Confirm(qint64 batch) {
    QSqlQuery counts(Database());
    counts.prepare(QStringLiteral(
        "UPDATE items SET on_hand = last.on_hand FROM (SELECT item, on_hand FROM movements "
        "WHERE id IN (SELECT max(id) FROM movements WHERE batch = ? AND state = 'pending' "
        "GROUP BY item)) AS last WHERE items.id = last.item"));
    counts.addBindValue(batch);
    QSqlQuery done(Database());
    done.prepare(QStringLiteral(
        "UPDATE movements SET state = 'done' WHERE batch = ? AND state = 'pending'"));
    done.addBindValue(batch);
    const QString what = QStringLiteral("The stock history could not be written");
    return Run(counts, what) && Run(done, what);
}

// A batch the items file never got: its pending movements go.
bool Drop(qint64 batch) {
    QSqlQuery drop(Database());
    drop.prepare(QStringLiteral("DELETE FROM movements WHERE batch = ? AND state = 'pending'"));
    drop.addBindValue(batch);
    return Run(drop, QStringLiteral("The stock history could not be written"));
}

bool Commit() {
    if (Database().commit())
        return true;
    Fail(QStringLiteral("The stock history could not be written"), Database().lastError());
    Rollback();
    return false;
}

} // namespace

QString MovementKindName(MovementKind kind) {
    return QString::fromLatin1(KindNames[int(kind)]);
}

namespace StockHistory {

QString FileName() {
    return QStringLiteral("/StockHistory.db");
}

qint64 Record(const std::vector<Movement> &movements) {
    Error.clear();
    if (movements.empty() || !Open())
        return 0;
    if (!Database().transaction()) {
        Fail(QStringLiteral("The stock history could not be written"), Database().lastError());
        return 0;
    }
    const qint64 batch = Insert(movements, QStringLiteral("pending"));
    if (batch == 0) {
        Rollback();
        return 0;
    }
    return Commit() ? batch : 0;
}

void Settle(qint64 batch, bool saved) {
    Error.clear();
    if (batch == 0 || !Open())
        return;
    Database().transaction();
    if (saved ? Confirm(batch) : Drop(batch))
        Commit();
    else
        Rollback();
}

void Reconcile(const std::vector<CountedItem> &items) {
    Error.clear();
    if (!Open())
        return;
    // Records that share a description and category count as one item, here as everywhere.
    // Each item is found once through its key, into its place in the file's order.
    QHash<ItemKey, qsizetype> place; // one past the item's index in merged
    place.reserve(qsizetype(items.size()));
    std::vector<CountedItem> merged;
    merged.reserve(items.size());
    for (const CountedItem &item : items) {
        qsizetype &at = place[{item.Description, item.Category}];
        if (at == 0) {
            merged.push_back(item);
            at = qsizetype(merged.size());
        } else {
            merged[size_t(at - 1)].OnHand += item.OnHand;
        }
    }
    const auto onHand = [&](const ItemKey &key) {
        const qsizetype at = place.value(key, 0);
        return at == 0 ? 0 : merged[size_t(at - 1)].OnHand;
    };
    Database().transaction();

    // A batch the items file agrees with was saved; any other was not.
    QSqlQuery pending(Database());
    pending.setForwardOnly(true); // read once, in order
    if (!pending.exec(QStringLiteral("SELECT batch, description, category, on_hand FROM "
                                     "movements WHERE state = 'pending' ORDER BY batch, id"))) {
        Fail(QStringLiteral("The stock history could not be read"), pending.lastError());
        Rollback();
        return;
    }
    // Each item's last movement in a batch holds its count after the change.
    QHash<qint64, QHash<ItemKey, int>> after;
    while (pending.next())
        after[pending.value(0).toLongLong()].insert(
            {pending.value(1).toString(), pending.value(2).toString()}, pending.value(3).toInt());
    bool written = true;
    for (auto batch = after.cbegin(); written && batch != after.cend(); ++batch) {
        bool agrees = true;
        for (auto count = batch->cbegin(); count != batch->cend(); ++count)
            agrees = agrees && onHand(count.key()) == count.value();
        written = agrees ? Confirm(batch.key()) : Drop(batch.key());
    }

    // What the history does not explain happened outside this program. The history's items are
    // read once and matched against the items file as they come, without a second table.
    QSqlQuery counts(Database());
    counts.setForwardOnly(true); // read once, in order
    written = written &&
              (counts.exec(QStringLiteral("SELECT description, category, on_hand FROM items")) ||
               Fail(QStringLiteral("The stock history could not be read"), counts.lastError()));
    std::vector<Movement> outside;
    std::vector<int> explained(merged.size(), 0); // the history's count of each item of the file
    while (written && counts.next()) {
        const ItemKey key{counts.value(0).toString(), counts.value(1).toString()};
        const int before = counts.value(2).toInt();
        const qsizetype at = place.value(key, 0);
        if (at != 0)
            explained[size_t(at - 1)] = before;
        else if (before != 0)
            outside.push_back({key.first,
                               key.second,
                               0,
                               -before,
                               0,
                               MovementKind::Outside,
                               QString(),
                               std::nullopt,
                               {}});
    }
    std::vector<Movement> changed;
    for (size_t k = 0; k < merged.size(); ++k) {
        const CountedItem &item = merged[k];
        if (item.OnHand != explained[k])
            changed.push_back({item.Description,
                               item.Category,
                               item.Record,
                               item.OnHand - explained[k],
                               item.OnHand,
                               MovementKind::Outside,
                               QString(),
                               item.Cost,
                               {}});
    }
    // The file's items first, in its order, then those it no longer holds.
    outside.insert(outside.begin(), changed.begin(), changed.end());
    if (written && !outside.empty()) {
        const qint64 batch = Insert(outside, QStringLiteral("pending"));
        written = batch != 0 && Confirm(batch);
    }
    if (written)
        Commit();
    else
        Rollback();
}

std::vector<Movement> ItemHistory(const QString &description, const QString &category, QDate from,
                                  QDate to) {
    Error.clear();
    std::vector<Movement> movements;
    if (!Open())
        return movements;
    QSqlQuery query(Database());
    query.setForwardOnly(true); // read once, in order
    query.prepare(QStringLiteral(
        "SELECT at, record, change, on_hand, kind, reference, cost FROM movements WHERE "
        "item = (SELECT id FROM items WHERE description = ? AND category = ?) AND time >= ? AND "
        "time < ? AND state = 'done' ORDER BY time DESC, id DESC"));
    query.addBindValue(description);
    query.addBindValue(category);
    query.addBindValue(Time(from));
    query.addBindValue(Time(to.addDays(1)));
    if (!Run(query, QStringLiteral("The stock history could not be read")))
        return movements;
    while (query.next()) {
        Movement m;
        m.Description = description;
        m.Category = category;
        m.At = QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs);
        m.Record = query.value(1).toInt();
        m.Change = query.value(2).toInt();
        m.OnHand = query.value(3).toInt();
        const QString kind = query.value(4).toString();
        for (int k = 0; k < int(std::size(KindNames)); ++k) {
            if (kind == QLatin1String(KindNames[k]))
                m.Kind = MovementKind(k);
        }
        m.Reference = query.value(5).toString();
        if (!query.value(6).isNull())
            m.Cost = query.value(6).toLongLong();
        movements.push_back(m);
    }
    return movements;
}

std::vector<CountOnDate> StockOn(QDate day) {
    Error.clear();
    std::vector<CountOnDate> rows;
    if (!Open())
        return rows;
    // Each item's last movement comes from the item index alone, unless a change is being
    // saved: then its pending movements must be passed over, row by row.
    QSqlQuery pending(Database());
    const bool saving =
        !pending.exec(QStringLiteral("SELECT 1 FROM movements WHERE state = 'pending' LIMIT 1")) ||
        pending.next();
    QSqlQuery query(Database());
    query.setForwardOnly(true); // read once, in order
    query.prepare(QStringLiteral("SELECT description, category, on_hand, cost FROM movements "
                                 "WHERE id IN (SELECT max(id) FROM movements WHERE time < ? %1 "
                                 "GROUP BY item) AND kind <> 'deleted' "
                                 "ORDER BY description, category")
                      .arg(saving ? QStringLiteral("AND state = 'done'") : QString()));
    query.addBindValue(Time(day.addDays(1)));
    if (!Run(query, QStringLiteral("The stock history could not be read")))
        return rows;
    while (query.next()) {
        CountOnDate row{query.value(0).toString(), query.value(1).toString(),
                        query.value(2).toInt(), std::nullopt};
        if (!query.value(3).isNull())
            row.Cost = query.value(3).toLongLong();
        rows.push_back(row);
    }
    return rows;
}

bool CopyTo(const QString &path) {
    Error.clear();
    if (!Open())
        return false;
    QFile::remove(path);
    QSqlQuery vacuum(Database());
    vacuum.prepare(QStringLiteral("VACUUM INTO ?"));
    vacuum.addBindValue(path);
    return Run(vacuum, QStringLiteral("The stock history could not be copied"));
}

void Close() {
    if (QSqlDatabase::contains(Connection)) {
        Database().close();
        QSqlDatabase::removeDatabase(Connection);
    }
    OpenPath.clear();
    ItemIds.clear();
    ItemIdsRead = false;
}

QString LastError() {
    return Error;
}

QString TakeNotice() {
    return std::exchange(Notice, QString());
}

} // namespace StockHistory
