#include "support/SaveKinds.h"

#include "base/BasicDiskRoutines.h"
#include "base/FieldLines.h"
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
