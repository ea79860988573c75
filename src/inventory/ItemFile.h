#pragma once

#include "common/Currency.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One inventoried item as the items file holds it. Text fields are held trimmed: every use
// of them trims, and writing pads them again.
struct ItemRecord {
    QString Description;
    QString Category;
    Currency Cost;
    Currency Price;
    qint16 OnHand = 0;
    Currency DiscountPrice;
    qint32 DiscountQty = 0;
    qint16 ReorderAmount = 0;
    qint16 ReorderAt = 0;
};

bool operator==(const ItemRecord &a, const ItemRecord &b);

constexpr int ItemRecordLength = 104;
constexpr int DescriptionWidth = 50;
constexpr int CategoryWidth = 20;
constexpr int MaxItemRecords = 32767;
QString ItemsFileName(); // "/VIInventoriedItems.txt"

// The 104 packed little-endian bytes of a record, and back. Bytes missing at the end of a
// short record read as empty text and zeros.
QByteArray EncodeItemRecord(const ItemRecord &item);
ItemRecord DecodeItemRecord(const char *bytes, int length);

qint16 ItemCount();
// Records 1 to ItemCount() in file order; element k is record k + 1.
std::vector<ItemRecord> ReadAllItems();
std::optional<ItemRecord> ReadItemRecord(int recordNumber);
// Overwrites record n in place, or appends it when n is the count + 1.
bool WriteItemRecord(int recordNumber, const ItemRecord &item);
// Removes record n; the records after it move down one place. The Backup copy is deleted.
bool DeleteItemRecord(int recordNumber);

struct NumberedItem {
    int RecordNumber = 0;
    ItemRecord Item;
};
// The whole-file rewrite behind saving the item table: every item at its own record number.
// The Backup copy is deleted once the new file is in place. No items leave no file.
bool RewriteItemsFile(const std::vector<NumberedItem> &items, QString *error = nullptr);

// Cells 0 to 8 of a grid row (Description, Category, Cost (Unit), Price, On-Hand, Disc Price,
// Disc Qty, Reorder, When At) as the screens show them, back to a record. A cell that cannot
// be converted, or is out of its field's range, refuses the whole row with a message for the
// user in *error.
std::optional<ItemRecord> ItemFromCells(const QStringList &cells, QString *error = nullptr);
// A cell as a grid holds it: its text, or the number it shows (ten-thousandths for amounts),
// which is taken as it is.
struct ItemCell {
    QString text;
    std::optional<qint64> number;
};
std::optional<ItemRecord> ItemFromCells(const std::vector<ItemCell> &cells,
                                        QString *error = nullptr);

// Appends the category to the list unless it is empty or already there (exact comparison);
// true when it was added.
bool AddCategory(QStringList &categories, const QString &name);
