#include "inventory/ItemFile.h"

#include "base/BasicDiskRoutines.h"
#include "common/Cp1252.h"
#include "common/NumberText.h"

#include <QtEndian>

namespace {

enum Offset {
    DescriptionAt = 0,
    CategoryAt = 50,
    CostAt = 70,
    PriceAt = 78,
    OnHandAt = 86,
    DiscountPriceAt = 88,
    DiscountQtyAt = 96,
    ReorderAmountAt = 100,
    ReorderAtAt = 102
};

void PutText(char *to, int width, const QString &text) {
    const QByteArray bytes = ToCp1252(text.left(width));
    memcpy(to, bytes.constData(), size_t(bytes.size()));
    memset(to + bytes.size(), ' ', size_t(width - bytes.size()));
}

QString TakeText(const char *from, int width) {
    return TrimPadding(FromCp1252(from, width));
}

Currency TakeCurrency(const char *from) {
    return Currency::fromTenThousandths(qFromLittleEndian<qint64>(from));
}

const QString CellNames[] = {
    QStringLiteral("Description"), QStringLiteral("Category"), QStringLiteral("Cost (Unit)"),
    QStringLiteral("Price"),       QStringLiteral("On-Hand"),  QStringLiteral("Disc Price"),
    QStringLiteral("Disc Qty"),    QStringLiteral("Reorder"),  QStringLiteral("When At")};

} // namespace

bool operator==(const ItemRecord &a, const ItemRecord &b) {
    return a.Description == b.Description && a.Category == b.Category && a.Cost == b.Cost &&
           a.Price == b.Price && a.OnHand == b.OnHand && a.DiscountPrice == b.DiscountPrice &&
           a.DiscountQty == b.DiscountQty && a.ReorderAmount == b.ReorderAmount &&
           a.ReorderAt == b.ReorderAt;
}

QString ItemsFileName() {
    return QStringLiteral("/VIInventoriedItems.txt");
}

QByteArray EncodeItemRecord(const ItemRecord &item) {
    QByteArray bytes(ItemRecordLength, '\0');
    char *b = bytes.data();
    PutText(b + DescriptionAt, DescriptionWidth, item.Description);
    PutText(b + CategoryAt, CategoryWidth, item.Category);
    qToLittleEndian<qint64>(item.Cost.tenThousandths(), b + CostAt);
    qToLittleEndian<qint64>(item.Price.tenThousandths(), b + PriceAt);
    qToLittleEndian<qint16>(item.OnHand, b + OnHandAt);
    qToLittleEndian<qint64>(item.DiscountPrice.tenThousandths(), b + DiscountPriceAt);
    qToLittleEndian<qint32>(item.DiscountQty, b + DiscountQtyAt);
    qToLittleEndian<qint16>(item.ReorderAmount, b + ReorderAmountAt);
    qToLittleEndian<qint16>(item.ReorderAt, b + ReorderAtAt);
    return bytes;
}

ItemRecord DecodeItemRecord(const char *bytes, int length) {
    char full[ItemRecordLength] = {};
    memcpy(full, bytes, size_t(qBound(0, length, ItemRecordLength)));
    ItemRecord item;
    item.Description = TakeText(full + DescriptionAt, DescriptionWidth);
    item.Category = TakeText(full + CategoryAt, CategoryWidth);
    item.Cost = TakeCurrency(full + CostAt);
    item.Price = TakeCurrency(full + PriceAt);
    item.OnHand = qFromLittleEndian<qint16>(full + OnHandAt);
    item.DiscountPrice = TakeCurrency(full + DiscountPriceAt);
    item.DiscountQty = qFromLittleEndian<qint32>(full + DiscountQtyAt);
    item.ReorderAmount = qFromLittleEndian<qint16>(full + ReorderAmountAt);
    item.ReorderAt = qFromLittleEndian<qint16>(full + ReorderAtAt);
    return item;
}

qint16 ItemCount() {
    return RecordCount(ItemsFileName(), ItemRecordLength);
}

std::vector<ItemRecord> ReadAllItems() {
    const int count = ItemCount();
    std::vector<ItemRecord> items;
    const std::unique_ptr<QFile> file = count > 0 ? OpenForInput(ItemsFileName()) : nullptr;
    if (!file)
        return items;
    QByteArray bytes = file->read(qint64(count) * ItemRecordLength);
    bytes.resize(qsizetype(count) * ItemRecordLength, '\0'); // a record cut short at the end
    items.reserve(size_t(count));
    for (int k = 0; k < count; ++k)
        items.push_back(DecodeItemRecord(bytes.constData() + qsizetype(k) * ItemRecordLength,
                                         ItemRecordLength));
    return items;
}

std::optional<ItemRecord> ReadItemRecord(int recordNumber) {
    if (recordNumber < 1 || recordNumber > ItemCount())
        return std::nullopt;
    const std::optional<QByteArray> bytes =
        ReadRecord(ItemsFileName(), ItemRecordLength, recordNumber);
    if (!bytes)
        return std::nullopt;
    return DecodeItemRecord(bytes->constData(), int(bytes->size()));
}

bool WriteItemRecord(int recordNumber, const ItemRecord &item) {
    if (recordNumber < 1 || recordNumber > MaxItemRecords || recordNumber > ItemCount() + 1)
        return false;
    return WriteRecord(ItemsFileName(), ItemRecordLength, recordNumber, EncodeItemRecord(item));
}

bool DeleteItemRecord(int recordNumber) {
    // The Backup copy goes only once the new file is in place: a stale copy must never be
    // restored over it, but a failed delete must not cost the user the copy as well.
    if (!DeleteRecordThrough(ItemsFileName(), QStringLiteral("\\Inventory.TMP"), ItemRecordLength,
                             ItemCount(), recordNumber))
        return false;
    DeleteBackupCopy(ItemsFileName());
    return true;
}

bool RewriteItemsFile(const std::vector<NumberedItem> &items, QString *error) {
    int last = 0;
    for (const NumberedItem &row : items) {
        if (row.RecordNumber < 1 || row.RecordNumber > MaxItemRecords) {
            if (error)
                *error = QStringLiteral("The record number %1 is out of range (1 to %2).")
                             .arg(row.RecordNumber)
                             .arg(MaxItemRecords);
            return false;
        }
        last = std::max(last, row.RecordNumber);
    }
    // An item without description is still an item of the file: only a table with no items
    // at all leaves no file.
    if (items.empty()) {
        DeleteWithBackup(ItemsFileName());
        return true;
    }
    // A record number no row claims would otherwise be a hole of zeros; a blank item reads
    // back as an empty description and zero amounts all the same, but holds proper padding.
    const QByteArray blank = EncodeItemRecord(ItemRecord());
    QByteArray bytes;
    bytes.reserve(qsizetype(last) * ItemRecordLength);
    for (int k = 0; k < last; ++k)
        bytes += blank;
    for (const NumberedItem &row : items) {
        const QByteArray record = EncodeItemRecord(row.Item);
        memcpy(bytes.data() + qsizetype(row.RecordNumber - 1) * ItemRecordLength,
               record.constData(), ItemRecordLength);
    }
    if (WriteWholeFile(ItemsFileName(), bytes)) {
        DeleteBackupCopy(ItemsFileName()); // only now: a failed save keeps the copy
        return true;
    }
    if (error)
        *error =
            QStringLiteral("The file %1 could not be written.").arg(DataFilePath(ItemsFileName()));
    return false;
}

std::optional<ItemRecord> ItemFromCells(const std::vector<ItemCell> &cells, QString *error) {
    auto cell = [&](int column) {
        return size_t(column) < cells.size() ? cells[size_t(column)] : ItemCell();
    };
    QString problem;
    auto money = [&](int column) {
        const ItemCell c = cell(column);
        const std::optional<Currency> value =
            c.number ? Currency::fromTenThousandths(*c.number) : Currency::parse(c.text);
        if (!value && problem.isEmpty())
            problem = QStringLiteral("%1 must be an amount of money.").arg(CellNames[column]);
        return value.value_or(Currency());
    };
    auto whole = [&](int column, qint64 min, qint64 max) {
        const ItemCell c = cell(column);
        std::optional<qint64> value = c.number;
        if (!value)
            value = TextToInteger(c.text, min, max);
        else if (*value < min || *value > max)
            value.reset();
        if (!value && problem.isEmpty())
            problem = QStringLiteral("%1 must be a whole number from %2 to %3.")
                          .arg(CellNames[column])
                          .arg(min)
                          .arg(max);
        return value.value_or(0);
    };
    ItemRecord item;
    item.Description = TrimPadding(cell(0).text.left(DescriptionWidth));
    item.Category = TrimPadding(cell(1).text.left(CategoryWidth));
    item.Cost = money(2);
    item.Price = money(3);
    item.OnHand = qint16(whole(4, -32768, 32767));
    item.DiscountPrice = money(5);
    item.DiscountQty = qint32(whole(6, -2147483647LL - 1, 2147483647LL));
    item.ReorderAmount = qint16(whole(7, -32768, 32767));
    item.ReorderAt = qint16(whole(8, -32768, 32767));
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    return item;
}

std::optional<ItemRecord> ItemFromCells(const QStringList &cells, QString *error) {
    std::vector<ItemCell> typed;
    for (const QString &text : cells)
        typed.push_back({text, std::nullopt});
    return ItemFromCells(typed, error);
}

bool AddCategory(QStringList &categories, const QString &name) {
    if (name.isEmpty() || categories.contains(name, Qt::CaseSensitive))
        return false;
    categories.append(name);
    return true;
}
