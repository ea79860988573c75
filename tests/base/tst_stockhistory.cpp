#include "base/StockHistory.h"
#include "support/DataFolder.h"
#include "support/Items.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QDate Monday(2026, 11, 30);

// The item's movements over a month each side of the week, newest first.
QStringList History(const QString &item, QDate from = Monday.addDays(-30),
                    QDate to = Monday.addDays(30)) {
    return HistoryOf(item, QStringLiteral("Pipe"), from, to);
}

// Runs the statements on the database file in turn, each of which must work; the last one's
// first row, its fields joined by "|".
QString OnFile(const QString &path, const QStringList &statements) {
    QString row;
    {
        QSqlDatabase file = QSqlDatabase::addDatabase("QSQLITE", "file");
        file.setDatabaseName(path);
        file.open();
        QSqlQuery query(file);
        for (const QString &statement : statements) {
            if (!query.exec(statement))
                return query.lastError().text();
        }
        for (int c = 0; c < query.record().count() && (c > 0 || query.next()); ++c)
            row += (c ? "|" : "") + query.value(c).toString();
    }
    QSqlDatabase::removeDatabase("file");
    return row;
}

QStringList Stock(QDate day) {
    QStringList rows;
    for (const CountOnDate &row : StockHistory::StockOn(day))
        rows << QStringLiteral("%1 %2 %3").arg(row.Description).arg(row.OnHand).arg(*row.Cost);
    return rows;
}

} // namespace

class TestStockHistory : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { StockHistory::Close(); }

    // A week of an elbow and a tee: the history of each, and the stock at the end of each day.
    void aWeekOfMovements() {
        TestDataFolder data;
        Settled({Move("Elbow", 40, 40, MovementKind::Added, Monday),
                 Move("Tee", 12, 12, MovementKind::Added, Monday, {}, 9900)});
        Settled({Move("Elbow", -5, 35, MovementKind::Picked, Monday.addDays(1),
                      "Picklist of 1 Dec 2026")});
        Settled({Move("Elbow", 2, 37, MovementKind::Returned, Monday.addDays(2))});
        Settled({Move("Tee", 6, 18, MovementKind::Received, Monday.addDays(3), "PO 1004", 9500)});
        Settled({Move("Tee", -18, 0, MovementKind::Deleted, Monday.addDays(4))});
        QCOMPARE(
            History("Elbow"),
            QStringList({"returned 2 37", "picked -5 35 Picklist of 1 Dec 2026", "added 40 40"}));
        QCOMPARE(History("Tee", Monday.addDays(3), Monday.addDays(3)),
                 QStringList({"received 6 18 PO 1004"}));
        QCOMPARE(Stock(Monday.addDays(-1)), QStringList());
        QCOMPARE(Stock(Monday), QStringList({"Elbow 40 25000", "Tee 12 9900"}));
        QCOMPARE(Stock(Monday.addDays(3)), QStringList({"Elbow 37 25000", "Tee 18 9500"}));
        QCOMPARE(Stock(Monday.addDays(4)), QStringList({"Elbow 37 25000"}));
        // A change being saved is not stock yet.
        StockHistory::Record({Move("Elbow", -30, 7, MovementKind::Picked, Monday.addDays(4))});
        QCOMPARE(Stock(Monday.addDays(4)), QStringList({"Elbow 37 25000"}));
        QVERIFY(data.exists("/StockHistory.db"));
    }

    // The items file is saved between the two writes of a change; whatever a kill left, the next
    // start makes the history agree with the file.
    void startUpAgreesWithTheItemsFile() {
        TestDataFolder data;
        Settled({Move("Elbow", 40, 40, MovementKind::Added, Monday)});
        StockHistory::Record({Move("Elbow", -5, 35, MovementKind::Picked, Monday)}); // saved
        StockHistory::Record({Move("Elbow", -9, 26, MovementKind::Picked, Monday)}); // not saved
        const qint64 failed =
            StockHistory::Record({Move("Elbow", -1, 25, MovementKind::Picked, Monday)});
        StockHistory::Settle(failed, false);
        StockHistory::Reconcile({{"Elbow", "Pipe", 1, 35, 25000}, {"Tee", "Pipe", 2, 7, 9900}});
        QCOMPARE(History("Elbow"), QStringList({"picked -5 35", "added 40 40"}));
        QCOMPARE(History("Tee").size(), 1);
        QVERIFY(History("Tee").constFirst().startsWith("outside 7 7"));

        // Another program sold three elbows and removed the tee.
        StockHistory::Reconcile({{"Elbow", "Pipe", 1, 32, 25000}});
        QCOMPARE(History("Elbow").constFirst(), QString("outside -3 32"));
        QCOMPARE(History("Tee").constFirst(), QString("outside -7 0"));
        StockHistory::Reconcile({{"Elbow", "Pipe", 1, 32, 25000}});
        QCOMPARE(History("Elbow").size(), 3); // nothing more to explain
    }

    void damagedFileIsSetAside() {
        TestDataFolder data;
        QByteArray noise(4096, '\0');
        for (int k = 0; k < noise.size(); ++k)
            noise[k] = char(k * 7919 % 251);
        data.write("/StockHistory.db", noise);
        data.write("/StockHistory.db-journal", noise.left(512));
        Settled({Move("Elbow", 40, 40, MovementKind::Added, Monday)});
        const QString notice = StockHistory::TakeNotice();
        QVERIFY2(notice.contains("was damaged"), qPrintable(notice));
        const QStringList aside = QDir(data.path("/")).entryList({"StockHistory-damaged-*.db"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(data.read("/" + aside.constFirst()), noise);
        QCOMPARE(data.read("/" + aside.constFirst() + "-journal"), noise.left(512));
        QCOMPARE(History("Elbow"), QStringList({"added 40 40"}));
        QVERIFY(StockHistory::TakeNotice().isEmpty());
    }

    // A history from before the items were numbered keeps its movements and counts.
    void upgradesTheFirstVersion() {
        TestDataFolder data;
        QCOMPARE(
            OnFile(data.path("/StockHistory.db"),
                   {"CREATE TABLE movements (id INTEGER PRIMARY KEY, at TEXT NOT NULL, utc "
                    "TEXT NOT NULL, description TEXT NOT NULL, category TEXT NOT NULL, "
                    "record INTEGER NOT NULL, change INTEGER NOT NULL, on_hand INTEGER NOT "
                    "NULL, kind TEXT NOT NULL, reference TEXT NOT NULL, state TEXT NOT NULL, "
                    "cost INTEGER, batch INTEGER NOT NULL)",
                    "CREATE INDEX movements_item ON movements (description, category, utc)",
                    "CREATE TABLE batches (id INTEGER PRIMARY KEY)",
                    "CREATE TABLE counts (description TEXT NOT NULL, category TEXT NOT "
                    "NULL, on_hand INTEGER NOT NULL, PRIMARY KEY (description, category))",
                    "INSERT INTO batches VALUES (1)",
                    "INSERT INTO movements VALUES (1, '2026-11-30T12:00:00.000+00:00', "
                    "'2026-11-30T12:00:00.250Z', 'Elbow', 'Pipe', 1, 40, 40, 'added', '', "
                    "'done', 25000, 1)",
                    "INSERT INTO counts VALUES ('Elbow', 'Pipe', 40)", "PRAGMA user_version = 1"}),
            QString());
        StockHistory::Reconcile({{"Elbow", "Pipe", 1, 40, 25000}});
        Settled({Move("Elbow", -5, 35, MovementKind::Picked, Monday.addDays(1))});
        QCOMPARE(History("Elbow"), QStringList({"picked -5 35", "added 40 40"}));
        QCOMPARE(Stock(Monday), QStringList({"Elbow 40 25000"}));
    }

    void copyForTheBackupOpens() {
        TestDataFolder data;
        Settled({Move("Elbow", 40, 40, MovementKind::Added, Monday)});
        QVERIFY(StockHistory::CopyTo(data.path("/copy.db")));
        const QString row = OnFile(data.path("/copy.db"), {"SELECT kind, on_hand, state, at "
                                                           "FROM movements"});
        // The time is local, its offset written out even where it is nought.
        QVERIFY2(QRegularExpression("^added\\|40\\|done\\|2026-11-30T12:00:00.000[+-]"
                                    "[0-9]{2}:[0-9]{2}$")
                     .match(row)
                     .hasMatch(),
                 qPrintable(row));
    }
};

QTEST_MAIN(TestStockHistory)
#include "tst_stockhistory.moc"
