#include "FuzzSupport.h"

#include "purchasing/CustomerFile.h"
#include "shell/BasicDiskRoutines.h"

// The customer file is only read here; what is checked is that a record read through the file
// and decoded alone agree, whatever the bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/CustomerData.txt"), data, size);
    const std::vector<CustomerAccount> accounts = ReadCustomerAccounts();
    Check(int(accounts.size()) == RecordCount("/CustomerData.txt", CustomerRecordLength),
          "the count");
    for (size_t k = 0; k < accounts.size(); ++k) {
        const size_t at = k * CustomerRecordLength;
        const int length = int(std::min<size_t>(CustomerRecordLength, size - std::min(size, at)));
        QByteArray record(reinterpret_cast<const char *>(data) + std::min(size, at), length);
        record.resize(CustomerRecordLength, ' ');
        const CustomerAccount alone = DecodeCustomerRecord(record.constData(), int(record.size()));
        Check(alone.ListText == accounts[k].ListText && alone.Name == accounts[k].Name &&
                  alone.LastLine == accounts[k].LastLine,
              "a record");
    }
    return 0;
}
