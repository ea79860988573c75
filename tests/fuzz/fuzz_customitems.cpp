#include "FuzzSupport.h"

#include "pricebook/PriceBookSources.h"
#include "shell/BasicDiskRoutines.h"

// Read only here: a record read through the file and decoded alone must agree.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/CustomItems.txt"), data, size);
    const std::vector<CustomItemRecord> items = ReadCustomItems();
    Check(int(items.size()) == RecordCount("/CustomItems.txt", CustomItemRecordLength),
          "the count");
    for (size_t k = 0; k < items.size(); ++k) {
        const size_t at = std::min(size, k * CustomItemRecordLength);
        const CustomItemRecord alone =
            DecodeCustomItemRecord(reinterpret_cast<const char *>(data) + at,
                                   int(std::min<size_t>(CustomItemRecordLength, size - at)));
        Check(alone.Description == items[k].Description && alone.Price == items[k].Price &&
                  alone.DiscountPrice == items[k].DiscountPrice &&
                  alone.DiscountQty == items[k].DiscountQty,
              "a record");
    }
    return 0;
}
