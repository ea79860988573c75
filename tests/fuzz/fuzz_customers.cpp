#include "FuzzSupport.h"

#include "base/BasicDiskRoutines.h"
#include "purchasing/CustomerFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/CustomerData.txt"), data, size);
    const std::vector<CustomerAccount> accounts = ReadCustomerAccounts();
    Check(int(accounts.size()) == RecordCount("/CustomerData.txt", CustomerRecordLength),
          "the count");
    CheckRecordsAgree(accounts, data, size, CustomerRecordLength, DecodeCustomerRecord,
                      [](const CustomerAccount &a, const CustomerAccount &b) {
                          return a.ListText == b.ListText && a.Name == b.Name &&
                                 a.Street == b.Street && a.Street2 == b.Street2 &&
                                 a.City == b.City && a.State == b.State && a.LastLine == b.LastLine;
                      });
    return 0;
}
