#include "FuzzSupport.h"

#include "base/BasicDiskRoutines.h"
#include "pricebook/PriceBookSources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/CustomItems.txt"), data, size);
    const std::vector<CustomItemRecord> items = ReadCustomItems();
    Check(int(items.size()) == RecordCount("/CustomItems.txt", CustomItemRecordLength),
          "the count");
    CheckRecordsAgree(items, data, size, CustomItemRecordLength, DecodeCustomItemRecord,
                      [](const CustomItemRecord &a, const CustomItemRecord &b) {
                          return a.Description == b.Description && a.Price == b.Price &&
                                 a.DiscountPrice == b.DiscountPrice &&
                                 a.DiscountQty == b.DiscountQty;
                      });
    return 0;
}
