#include "FuzzSupport.h"

#include "pricebook/PriceBookSources.h"
#include "shell/BasicDiskRoutines.h"

// Read only here: a record read through the file and decoded alone must agree.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/Services.txt"), data, size);
    const std::vector<ServiceRecord> services = ReadServices();
    Check(int(services.size()) == RecordCount("/Services.txt", ServiceRecordLength), "the count");
    for (size_t k = 0; k < services.size(); ++k) {
        const size_t at = std::min(size, k * ServiceRecordLength);
        const ServiceRecord alone =
            DecodeServiceRecord(reinterpret_cast<const char *>(data) + at,
                                int(std::min<size_t>(ServiceRecordLength, size - at)));
        Check(alone.Description == services[k].Description && alone.Price == services[k].Price,
              "a record");
    }
    return 0;
}
