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
constexpr int SchemaVersion = 1;

QString OpenPath; // the database the connection holds, or empty
QString Error;
QString Notice;

const char *const KindNames[] = {"added",    "edited",   "picked",  "returned",
                                 "received", "imported", "deleted", "outside"};

// The newest entry of an item's movements lives in counts too, so that a start-up compares
// 32,767 rows with the items file rather than searching a million movements.
const char *const Schema[] = {
    "CREATE TABLE movements (id INTEGER PRIMARY KEY, at TEXT NOT NULL, utc TEXT NOT NULL, "
    "description TEXT NOT NULL, category TEXT NOT NULL, record INTEGER NOT NULL, "
    "change INTEGER NOT NULL, on_hand INTEGER NOT NULL, kind TEXT NOT NULL, "
    "reference TEXT NOT NULL, state TEXT NOT NULL, cost INTEGER, batch INTEGER NOT NULL)",
    "CREATE INDEX movements_item ON movements (description, category, utc)",
    "CREATE INDEX movements_pending ON movements (batch) WHERE state = 'pending'",
    "CREATE TABLE batches (id INTEGER PRIMARY KEY)",
    "CREATE TABLE counts (description TEXT NOT NULL, category TEXT NOT NULL, "
    "on_hand INTEGER NOT NULL, PRIMARY KEY (description, category))",
};

using ItemKey = std::pair<QString, QString>;

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

bool CreateOrCheck() {
    QSqlQuery version(Database());
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return Fail(QStringLiteral("The stock history could not be read"), version.lastError());
    if (version.value(0).toInt() >= SchemaVersion)
        return true;
    Database().transaction();
    for (const char *statement : Schema) {
        if (!Run(QString::fromLatin1(statement))) {
            Database().rollback();
            return false;
        }
    }
    return Run(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)) &&
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
    QFile::remove(path + QStringLiteral("-journal"));
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
            } else if (CreateOrCheck()) {
                OpenPath = path;
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

QString Local(const QDateTime &time) {
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QString Utc(const QDateTime &time) {
    return time.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
}

// A text column holds "" for no text: a null string would bind as NULL.
QString Text(const QString &text) {
    return text.isNull() ? QStringLiteral("") : text;
}

// Writes the movements in the current transaction, in one batch of that state.
qint64 Insert(const std::vector<Movement> &movements, const QString &state) {
    QSqlQuery batch(Database());
    if (!batch.exec(QStringLiteral("INSERT INTO batches DEFAULT VALUES")))
        return Fail(QStringLiteral("The stock history could not be written"), batch.lastError());
    const qint64 id = batch.lastInsertId().toLongLong();
    QSqlQuery insert(Database());
    insert.prepare(QStringLiteral(
        "INSERT INTO movements (at, utc, description, category, record, change, on_hand, kind, "
        "reference, state, cost, batch) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDateTime now = QDateTime::currentDateTime();
    const QString nowLocal = Local(now);
    const QString nowUtc = Utc(now);
    for (const Movement &m : movements) {
        insert.bindValue(0, m.At.isValid() ? Local(m.At) : nowLocal);
        insert.bindValue(1, m.At.isValid() ? Utc(m.At) : nowUtc);
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
        if (!Run(insert, QStringLiteral("The stock history could not be written")))
            return 0;
    }
    return id;
}

// A batch becomes part of the history: its movements are done and the counts follow them.
bool Confirm(qint64 batch) {
    QSqlQuery done(Database());
    done.prepare(QStringLiteral(
        "UPDATE movements SET state = 'done' WHERE batch = ? AND state = 'pending'"));
    done.addBindValue(batch);
    QSqlQuery counts(Database());
    counts.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO counts (description, category, on_hand) SELECT description, "
        "category, on_hand FROM movements WHERE batch = ? AND state = 'pending' ORDER BY id"));
    counts.addBindValue(batch);
    const QString what = QStringLiteral("The stock history could not be written");
    return Run(counts, what) && Run(done, what);
}

bool Commit() {
    if (Database().commit())
        return true;
    Fail(QStringLiteral("The stock history could not be written"), Database().lastError());
    Database().rollback();
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
        Database().rollback();
        return 0;
    }
    return Commit() ? batch : 0;
}

void Settle(qint64 batch, bool saved) {
    Error.clear();
    if (batch == 0 || !Open())
        return;
    Database().transaction();
    bool written = true;
    if (saved) {
        written = Confirm(batch);
    } else {
        QSqlQuery drop(Database());
        drop.prepare(QStringLiteral("DELETE FROM movements WHERE batch = ? AND state = 'pending'"));
        drop.addBindValue(batch);
        written = Run(drop, QStringLiteral("The stock history could not be written"));
    }
    if (written)
        Commit();
    else
        Database().rollback();
}

void Reconcile(const std::vector<CountedItem> &items) {
    Error.clear();
    if (!Open())
        return;
    // Records that share a description and category count as one item, here as everywhere.
    QHash<ItemKey, CountedItem> byKey;
    std::vector<ItemKey> order;
    for (const CountedItem &item : items) {
        const ItemKey key{item.Description, item.Category};
        auto known = byKey.find(key);
        if (known == byKey.end()) {
            byKey.insert(key, item);
            order.push_back(key);
        } else {
            known->OnHand += item.OnHand;
        }
    }
    Database().transaction();

    // A batch the items file agrees with was saved; any other was not.
    QSqlQuery pending(Database());
    pending.setForwardOnly(true); // read once, in order
    if (!pending.exec(QStringLiteral("SELECT batch, description, category, on_hand FROM "
                                     "movements WHERE state = 'pending' ORDER BY batch, id"))) {
        Fail(QStringLiteral("The stock history could not be read"), pending.lastError());
        Database().rollback();
        return;
    }
    // Each item's last movement in a batch holds its count after the change.
    QHash<qint64, QHash<ItemKey, int>> after;
    while (pending.next())
        after[pending.value(0).toLongLong()].insert(
            {pending.value(1).toString(), pending.value(2).toString()}, pending.value(3).toInt());
    QHash<qint64, bool> agrees;
    for (auto batch = after.cbegin(); batch != after.cend(); ++batch) {
        bool all = true;
        for (auto count = batch->cbegin(); count != batch->cend(); ++count)
            all = all && byKey.value(count.key()).OnHand == count.value();
        agrees.insert(batch.key(), all);
    }
    bool written = true;
    for (auto batch = agrees.cbegin(); written && batch != agrees.cend(); ++batch) {
        if (batch.value()) {
            written = Confirm(batch.key());
        } else {
            QSqlQuery drop(Database());
            drop.prepare(
                QStringLiteral("DELETE FROM movements WHERE batch = ? AND state = 'pending'"));
            drop.addBindValue(batch.key());
            written = Run(drop, QStringLiteral("The stock history could not be written"));
        }
    }

    // What the history does not explain happened outside this program.
    QHash<ItemKey, int> known;
    QSqlQuery counts(Database());
    counts.setForwardOnly(true); // read once, in order
    written = written &&
              (counts.exec(QStringLiteral("SELECT description, category, on_hand FROM counts")) ||
               Fail(QStringLiteral("The stock history could not be read"), counts.lastError()));
    while (written && counts.next())
        known.insert({counts.value(0).toString(), counts.value(1).toString()},
                     counts.value(2).toInt());
    std::vector<Movement> outside;
    for (const ItemKey &key : order) {
        const CountedItem &item = byKey[key];
        const int before = known.value(key, 0);
        if (item.OnHand != before)
            outside.push_back({item.Description,
                               item.Category,
                               item.Record,
                               item.OnHand - before,
                               item.OnHand,
                               MovementKind::Outside,
                               QString(),
                               item.Cost,
                               {}});
    }
    for (auto count = known.cbegin(); count != known.cend(); ++count) {
        if (count.value() != 0 && !byKey.contains(count.key()))
            outside.push_back({count.key().first,
                               count.key().second,
                               0,
                               -count.value(),
                               0,
                               MovementKind::Outside,
                               QString(),
                               std::nullopt,
                               {}});
    }
    if (written && !outside.empty()) {
        const qint64 batch = Insert(outside, QStringLiteral("pending"));
        written = batch != 0 && Confirm(batch);
    }
    if (written)
        Commit();
    else
        Database().rollback();
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
        "description = ? AND category = ? AND utc >= ? AND utc < ? AND state = 'done' "
        "ORDER BY utc DESC, id DESC"));
    query.addBindValue(description);
    query.addBindValue(category);
    query.addBindValue(Utc(from.startOfDay()));
    query.addBindValue(Utc(to.addDays(1).startOfDay()));
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
                                 "WHERE id IN (SELECT max(id) FROM movements WHERE utc < ? %1 "
                                 "GROUP BY description, category) AND kind <> 'deleted' "
                                 "ORDER BY description, category")
                      .arg(saving ? QStringLiteral("AND state = 'done'") : QString()));
    query.addBindValue(Utc(day.addDays(1).startOfDay()));
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
}

QString LastError() {
    return Error;
}

QString TakeNotice() {
    return std::exchange(Notice, QString());
}

} // namespace StockHistory
