#include "FuzzSupport.h"

#include "base/BasicDiskRoutines.h"
#include "common/Variables.h"
#include "contacts/VendorFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(VendorFileName(), data, size);
    const int count = LoadVendorArrays();
    Check(count == VendorCount() && Vendors.Names.size() == count, "the count");
    std::vector<VendorRecord> records;
    QByteArray bytes;
    for (int n = 1; n <= count; ++n) {
        const std::optional<VendorRecord> record = ReadVendorRecord(n);
        Check(bool(record), "a record");
        records.push_back(*record);
        bytes += EncodeVendorRecord(*record);
    }
    Check(WriteWholeFile(VendorFileName(), bytes), "the write");
    for (int n = 1; n <= count; ++n)
        Check(ReadVendorRecord(n) == records[size_t(n - 1)], "the records");
    return 0;
}
