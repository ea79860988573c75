#include "support/SaveKinds.h"

#include "base/BasicDiskRoutines.h"
#include "base/FieldLines.h"
#include "base/StockHistory.h"
#include "contacts/VendorFile.h"
#include "inventory/ItemFile.h"
#include "inventory/Locations.h"
#include "pricebook/RFQText.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <cstdlib>

namespace {

QString Version(int version) {
    return QStringLiteral("version %1").arg(version);
}

ItemRecord Item(const QString &description) {
    ItemRecord item;
    item.Description = description;
    item.Category = QStringLiteral("Fittings");
    item.OnHand = 12;
    return item;
}

bool WriteItems(int count, int version) {
    std::vector<NumberedItem> items;
    for (int k = 1; k <= count; ++k)
        items.push_back({k, Item(Version(version) + QStringLiteral(" item %1").arg(k))});
    return RewriteItemsFile(items);
}

VendorRecord Vendor(const QString &name) {
    VendorRecord vendor;
    vendor[VendorName] = name;
    vendor[VendorCity] = QStringLiteral("Tampa");
    return vendor;
}

bool WriteVendors(int count) {
    for (int n = 1; n <= count; ++n) {
        if (!SaveVendor(n, Vendor(QStringLiteral("Vendor %1").arg(n))))
            return false;
    }
    return true;
}

bool WriteDelivery(int version) {
    return WriteFieldLineFile(QStringLiteral("/Delivery.txt"),
                              FieldLineWriter().String(Version(version)).Integer(version).EndLine(),
                              true);
}

// Copies what the data folder holds of the file into the Backup folder.
void BackUp(const QString &name) {
    QFile::remove(DataFilePath(QStringLiteral("/Backup") + name));
    QFile::copy(DataFilePath(name), DataFilePath(QStringLiteral("/Backup") + name));
}

// The files the exit backup copies, the items file large enough for a copy to take a while.
bool WriteCatalogue(int version) {
    const char tag = char('A' + version);
    return WriteWholeFile(QStringLiteral("/VIInventoriedItems.txt"), QByteArray(1 << 20, tag)) &&
           WriteWholeFile(QStringLiteral("/VendorData.txt"), QByteArray(235 * 40, tag)) &&
           WriteWholeFile(QStringLiteral("/InventoryInfo.txt"), QByteArray(300, tag));
}

// A stock change and its history: item k has 12 + version * k on hand.
std::vector<NumberedItem> Stocked(int version) {
    std::vector<NumberedItem> items;
    for (int k = 1; k <= 100; ++k) {
        ItemRecord item = Item(QStringLiteral("item %1").arg(k));
        item.OnHand = qint16(12 + version * k);
        items.push_back({k, item});
    }
    return items;
}

bool SaveStockChange(int version, MovementKind kind) {
    const std::vector<NumberedItem> before = Stocked(version ^ 1);
    const std::vector<NumberedItem> after = Stocked(version);
    std::vector<Movement> movements;
    for (size_t k = 0; k < after.size(); ++k) {
        const ItemRecord &item = after[k].Item;
        const int change =
            kind == MovementKind::Added ? item.OnHand : item.OnHand - before[k].Item.OnHand;
        movements.push_back({item.Description,
                             item.Category,
                             after[k].RecordNumber,
                             change,
                             item.OnHand,
                             kind,
                             QString(),
                             0,
                             {}});
    }
    const qint64 batch = StockHistory::Record(movements);
    const bool saved = RewriteItemsFile(after);
    StockHistory::Settle(batch, saved);
    return saved;
}

// After the start-up's reconcile, every item's history ends at its count, with nothing the
// history could not explain.
QString HistoryAgrees() {
    std::vector<CountedItem> counted;
    const std::vector<ItemRecord> items = ReadAllItems();
    for (size_t k = 0; k < items.size(); ++k)
        counted.push_back(
            {items[k].Description, items[k].Category, int(k) + 1, items[k].OnHand, 0});
    StockHistory::Reconcile(counted);
    QString problems = StockHistory::LastError();
    for (const CountedItem &item : counted) {
        const std::vector<Movement> history = StockHistory::ItemHistory(
            item.Description, item.Category, QDate(2000, 1, 1), QDate(2100, 1, 1));
        if (history.empty() || history.front().OnHand != item.OnHand ||
            history.front().Kind == MovementKind::Outside)
            problems += item.Description + QStringLiteral(" disagrees; ");
    }
    StockHistory::Close();
    return problems;
}

std::vector<SaveKind> MakeSaveKinds() {
    const QString items = ItemsFileName();
    return {
        {QStringLiteral("items rewrite"),
         [=] {
             WriteItems(100, 0);
             BackUp(items);
         },
         [](int version) { return WriteItems(100 + 20 * version, version); }, QString()},
        {QStringLiteral("item record write"),
         [=] {
             WriteItems(100, 0);
             BackUp(items);
         },
         [](int version) { return WriteItemRecord(50, Item(Version(version))); }, QString()},
        // 39 records end 40 bytes short of a 4 KB disk block: the appended one runs past it.
        {QStringLiteral("item append"), [] { WriteItems(39, 0); },
         [](int version) {
             return version == 1 ? WriteItemRecord(40, Item(Version(1))) : DeleteItemRecord(40);
         },
         QString()},
        {QStringLiteral("item delete"),
         [=] {
             WriteItems(101, 0);
             BackUp(items);
         },
         [](int version) {
             return version == 1 ? DeleteItemRecord(101) : WriteItemRecord(101, Item(Version(0)));
         },
         QString()},
        {QStringLiteral("vendor save"), [] { WriteVendors(20); },
         [](int version) { return bool(SaveVendor(10, Vendor(Version(version)))); }, QString()},
        {QStringLiteral("vendor delete"), [] { WriteVendors(21); },
         [](int version) {
             return version == 1 ? DeleteVendor(21) : bool(SaveVendor(21, Vendor(Version(0))));
         },
         QString()},
        {QStringLiteral("field-line rewrite"),
         [] {
             WriteDelivery(0);
             BackUp(QStringLiteral("/Delivery.txt"));
         },
         WriteDelivery, QString()},
        {QStringLiteral("locations save"),
         [] {
             SaveLocationsFile({Version(0), QStringLiteral("Van")});
             BackUp(QStringLiteral("/Locations.txt"));
         },
         [](int version) {
             return SaveLocationsFile({Version(version), QStringLiteral("Shed, back")});
         },
         QString()},
        {QStringLiteral("request text save"),
         [] {
             WriteRFQFile(Version(0));
             BackUp(QStringLiteral("/RFQ.txt"));
         },
         [](int version) {
             return WriteRFQFile(Version(version) + QStringLiteral("\nfor the van"));
         },
         QString()},
        {QStringLiteral("exit backup"),
         [] {
             WriteCatalogue(0);
             // A copy of another program's file, which the backup must carry over.
             WriteWholeFile(QStringLiteral("/Backup/Invoices.txt"), "kept");
             BackupAllFiles();
         },
         [](int version) { return WriteCatalogue(version) && BackupAllFiles(); },
         QStringLiteral("Backup/")},
        // The history's database is not the save's to keep whole: its movements are, which the
        // next start's reconcile makes agree with the items file.
        {QStringLiteral("stock change with history"),
         [] {
             SaveStockChange(0, MovementKind::Added);
             StockHistory::Close();
         },
         [](int version) { return SaveStockChange(version, MovementKind::Edited); },
         ItemsFileName().mid(1), HistoryAgrees},
    };
}

} // namespace

const std::vector<SaveKind> &SaveKinds() {
    static const std::vector<SaveKind> kinds = MakeSaveKinds();
    return kinds;
}

const SaveKind &FindSaveKind(const QString &name) {
    for (const SaveKind &kind : SaveKinds()) {
        if (kind.name == name)
            return kind;
    }
    std::abort(); // a test asked for a save that does not exist
}

void AddSaveKindRows() {
    QTest::addColumn<QString>("kind");
    for (const SaveKind &kind : SaveKinds())
        QTest::newRow(qPrintable(kind.name)) << kind.name;
}

FolderSnapshot Snapshot(const QString &folder) {
    FolderSnapshot files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.insert(QDir(folder).relativeFilePath(file.fileName()), file.readAll());
    }
    return files;
}

FolderSnapshot Checked(const FolderSnapshot &all, const SaveKind &kind) {
    FolderSnapshot checked;
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it.key().startsWith(kind.checked))
            checked.insert(it.key(), it.value());
    }
    return checked;
}
