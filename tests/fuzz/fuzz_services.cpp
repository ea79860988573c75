#include "FuzzSupport.h"

#include "base/BasicDiskRoutines.h"
#include "pricebook/PriceBookSources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/Services.txt"), data, size);
    const std::vector<ServiceRecord> services = ReadServices();
    Check(int(services.size()) == RecordCount("/Services.txt", ServiceRecordLength), "the count");
    CheckRecordsAgree(services, data, size, ServiceRecordLength, DecodeServiceRecord,
                      [](const ServiceRecord &a, const ServiceRecord &b) {
                          return a.Description == b.Description && a.Price == b.Price;
                      });
    return 0;
}
