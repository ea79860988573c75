#include "pricebook/PriceBookSources.h"

#include "base/BasicDiskRoutines.h"
#include "common/Cp1252.h"

#include <QtEndian>

#include <array>
#include <cstring>

namespace {

// The record's bytes, completed with spaces and zeros where a short record ends.
template <int Length> std::array<char, Length> Whole(const char *bytes, int length) {
    std::array<char, Length> whole{};
    memcpy(whole.data(), bytes, size_t(std::clamp(length, 0, Length)));
    return whole;
}

QString Text(const char *from, int width) {
    return TrimPadding(FromCp1252(from, width));
}

template <class Record>
std::vector<Record> ReadRecords(const QString &name, int recordLength,
                                Record (*decode)(const char *, int)) {
    std::vector<Record> records;
    const int count = RecordCount(name, recordLength);
    const std::unique_ptr<QFile> file = count > 0 ? OpenForInput(name) : nullptr;
    if (!file)
        return records;
    const QByteArray bytes = file->read(qint64(count) * recordLength);
    for (int k = 0; k < count; ++k) {
        const qsizetype at = qsizetype(k) * recordLength;
        records.push_back(decode(bytes.constData() + std::min(at, bytes.size()),
                                 int(std::clamp<qsizetype>(bytes.size() - at, 0, recordLength))));
    }
    return records;
}

} // namespace

ServiceRecord DecodeServiceRecord(const char *bytes, int length) {
    const auto whole = Whole<ServiceRecordLength>(bytes, length);
    return {Text(whole.data(), 60), Text(whole.data() + 60, 10)};
}

CustomItemRecord DecodeCustomItemRecord(const char *bytes, int length) {
    const auto whole = Whole<CustomItemRecordLength>(bytes, length);
    CustomItemRecord item;
    item.Description = Text(whole.data(), 50);
    item.Price = Currency::fromTenThousandths(qFromLittleEndian<qint64>(whole.data() + 50));
    item.DiscountPrice = Currency::fromTenThousandths(qFromLittleEndian<qint64>(whole.data() + 58));
    item.DiscountQty = qFromLittleEndian<qint32>(whole.data() + 66);
    return item;
}

std::vector<ServiceRecord> ReadServices() {
    return ReadRecords(QStringLiteral("/Services.txt"), ServiceRecordLength, DecodeServiceRecord);
}

std::vector<CustomItemRecord> ReadCustomItems() {
    return ReadRecords(QStringLiteral("/CustomItems.txt"), CustomItemRecordLength,
                       DecodeCustomItemRecord);
}
