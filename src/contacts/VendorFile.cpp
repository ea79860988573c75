#include "contacts/VendorFile.h"

#include "base/BasicDiskRoutines.h"
#include "common/Cp1252.h"
#include "common/Variables.h"

#include <QFileInfo>

namespace {

constexpr std::array<int, VendorFieldCount> Widths = {20, 30, 35, 25, 20, 2, 10, 13, 30, 20, 30};

} // namespace

QString VendorFileName() {
    return QStringLiteral("/VendorData.txt");
}

QStringList VendorCategoryNames() {
    return {QStringLiteral("Vendor"), QStringLiteral("Supplier"),
            QStringLiteral("Credit Card Company"), QStringLiteral("Retail Credit Card")};
}

QByteArray EncodeVendorRecord(const VendorRecord &record) {
    QByteArray bytes;
    bytes.reserve(VendorRecordLength);
    for (int f = 0; f < VendorFieldCount; ++f)
        bytes += ToCp1252(record[f].left(Widths[f])).leftJustified(Widths[f], ' ');
    return bytes;
}

VendorRecord DecodeVendorRecord(const char *bytes, int length) {
    VendorRecord record;
    int at = 0;
    for (int f = 0; f < VendorFieldCount; ++f) {
        const int available = qBound(0, length - at, Widths[f]);
        record[f] = TrimPaddingRight(FromCp1252(bytes + std::min(at, length), available));
        at += Widths[f];
    }
    return record;
}

int VendorCount() {
    if (!FileExistsOrRestore(VendorFileName()))
        return 0;
    const qint64 size = QFileInfo(DataFilePath(VendorFileName())).size();
    return int(std::min<qint64>(size / VendorRecordLength, 32767));
}

std::optional<VendorRecord> ReadVendorRecord(int recordNumber) {
    if (recordNumber < 1 || recordNumber > VendorCount())
        return std::nullopt;
    const std::optional<QByteArray> bytes =
        ReadRecord(VendorFileName(), VendorRecordLength, recordNumber);
    if (!bytes)
        return std::nullopt;
    return DecodeVendorRecord(bytes->constData(), int(bytes->size()));
}

int LoadVendorArrays() {
    Vendors = VendorArrays();
    const int count = VendorCount();
    const std::unique_ptr<QFile> file = count > 0 ? OpenForInput(VendorFileName()) : nullptr;
    if (!file)
        return 0;
    const QByteArray bytes = file->read(qint64(count) * VendorRecordLength);
    const int records = int(bytes.size() / VendorRecordLength);
    for (int n = 0; n < records; ++n) {
        VendorRecord r = DecodeVendorRecord(bytes.constData() + qsizetype(n) * VendorRecordLength,
                                            VendorRecordLength);
        for (QString &field : r)
            field = TrimPadding(field);
        Vendors.AccountNumbers << r[VendorAccountNumber];
        Vendors.Names << r[VendorName];
        Vendors.Addresses1 << r[VendorAddress1];
        Vendors.Addresses2 << r[VendorAddress2];
        Vendors.Cities << r[VendorCity];
        Vendors.States << r[VendorState];
        Vendors.PostalCodes << r[VendorPostalCode];
        Vendors.Telephones << r[VendorTelephone];
        Vendors.Categories << r[VendorCategory];
        Vendors.KeyContacts << r[VendorKeyContact];
    }
    return records;
}

std::optional<VendorRecord> SaveVendor(int recordNumber, VendorRecord fields) {
    const int count = VendorCount();
    if (recordNumber < 1 || recordNumber > count + 1 || recordNumber > 32767)
        return std::nullopt;
    if (TrimPadding(fields[VendorCategory]).isEmpty())
        fields[VendorCategory] = VendorCategoryNames().first();
    if (TrimPadding(fields[VendorState]).isEmpty())
        fields[VendorState] = QStringLiteral("Fl");
    for (int f : {VendorAccountNumber, VendorState, VendorPostalCode, VendorCategory, VendorName,
                  VendorAddress1, VendorAddress2, VendorTelephone})
        fields[f] = TrimPadding(fields[f]);
    const QByteArray bytes = EncodeVendorRecord(fields);

    if (!WriteRecord(VendorFileName(), VendorRecordLength, recordNumber, bytes))
        return std::nullopt;
    return DecodeVendorRecord(bytes.constData(), int(bytes.size()));
}

bool DeleteVendor(int recordNumber) {
    return DeleteRecordThrough(VendorFileName(), QStringLiteral("/Contact.TMP"), VendorRecordLength,
                               VendorCount(), recordNumber);
}
