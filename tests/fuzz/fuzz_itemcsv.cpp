#include "FuzzSupport.h"

#include "inventory/ItemCsv.h"

namespace {

std::vector<ItemRecord> Items(const ItemImport &plan) {
    std::vector<ItemRecord> items;
    for (const NumberedItem &numbered : plan.Items)
        items.push_back(numbered.Item);
    return items;
}

} // namespace

// A spreadsheet's file, read as an import into no items: what it gives, written out and read
// back, gives the same items with nothing refused.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QString error;
    const std::optional<ItemImport> plan = PlanItemImport(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), {}, &error);
    Check(plan || !error.isEmpty(), "a reason for a refused file");
    if (!plan)
        return 0;
    Check(plan->Added == int(plan->Items.size()) && plan->Items.size() <= MaxItemRecords,
          "the count");
    const std::optional<ItemImport> again = PlanItemImport(ItemsToCsv(Items(*plan)), {}, &error);
    Check(again && again->Refused.empty() && Items(*again) == Items(*plan), "the items");
    return 0;
}
