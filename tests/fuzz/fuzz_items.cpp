#include "FuzzSupport.h"

#include "base/BasicDiskRoutines.h"
#include "inventory/ItemFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(ItemsFileName(), data, size);
    const std::vector<ItemRecord> items = ReadAllItems();
    Check(int(items.size()) == ItemCount(), "the count");
    for (int n : {1, int(items.size())}) {
        if (const std::optional<ItemRecord> item = ReadItemRecord(n))
            Check(*item == items[size_t(n - 1)], "a record read alone");
    }
    if (items.empty())
        return 0; // an empty table leaves no file
    std::vector<NumberedItem> numbered;
    for (size_t k = 0; k < items.size(); ++k)
        numbered.push_back({int(k + 1), items[k]});
    Check(RewriteItemsFile(numbered), "the rewrite");
    Check(ReadAllItems() == items, "the items");
    return 0;
}
