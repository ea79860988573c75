#include "purchasing/CustomerFile.h"

#include "base/BasicDiskRoutines.h"
#include "common/Cp1252.h"

namespace {

QString Field(const char *bytes, int length, int at, int width) {
    const int available = std::clamp(length - at, 0, width);
    return TrimPadding(FromCp1252(bytes + std::min(at, length), available));
}

} // namespace

CustomerAccount DecodeCustomerRecord(const char *bytes, int length) {
    auto field = [&](int at, int width) { return Field(bytes, length, at, width); };
    CustomerAccount account;
    account.Name = field(20, 45);
    account.Street = field(65, 35);
    account.Street2 = field(100, 25);
    account.City = field(125, 25);
    account.State = field(170, 2);
    account.LastLine = field(182, 25);
    if (field(314, 10) == QLatin1String("Business")) {
        account.ListText = account.Name;
    } else {
        const QString initial = field(288, 1);
        account.ListText = field(263, 10) + u' ' + field(273, 15) +
                           (initial.isEmpty() ? QString() : u' ' + initial) + u' ' + field(289, 25);
    }
    return account;
}

std::vector<CustomerAccount> ReadCustomerAccounts() {
    const QString name = QStringLiteral("/CustomerData.txt");
    std::vector<CustomerAccount> accounts;
    const int count = RecordCount(name, CustomerRecordLength);
    const std::unique_ptr<QFile> file = count > 0 ? OpenForInput(name) : nullptr;
    if (!file)
        return accounts;
    QByteArray bytes = file->read(qint64(count) * CustomerRecordLength);
    bytes.resize(qsizetype(count) * CustomerRecordLength, ' '); // a record cut short at the end
    for (int k = 0; k < count; ++k)
        accounts.push_back(DecodeCustomerRecord(
            bytes.constData() + qsizetype(k) * CustomerRecordLength, CustomerRecordLength));
    return accounts;
}
