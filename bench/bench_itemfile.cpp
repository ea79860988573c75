// Times every kind of save with a full items file (32,767 records), each one on the disk (file
// and folder synced) before it returns, and the reading of that file. The data folder is made
// in the system's temporary folder: run it where that is a real disk, not a RAM disk.
#include "base/BasicDiskRoutines.h"
#include "base/FieldLines.h"
#include "contacts/VendorFile.h"
#include "inventory/ItemFile.h"
#include "inventory/Locations.h"

#include "BenchData.h"
#include "BenchTimer.h"

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SetAppPath(dir.path());

    const std::vector<NumberedItem> items = BenchItems();
    VendorRecord vendor;
    vendor[VendorName] = QStringLiteral("Ace Supply");
    for (int n = 1; n <= 200; ++n)
        SaveVendor(n, vendor);

    Report("rewrite 32767 items", MedianMs([&] { RewriteItemsFile(items); }), 50);
    Report("read all 32767 items", MedianMs([] { ReadAllItems(); }), 50);
    Report("write one item record", MedianMs([&] { WriteItemRecord(16000, items[15999].Item); }),
           5);
    Report("delete an item of 32767",
           MedianMs([] { DeleteItemRecord(2); }, 7,
                    [&] { WriteItemRecord(ItemCount() + 1, items[1].Item); }),
           100);
    Report("save a vendor", MedianMs([&] { SaveVendor(100, vendor); }), 5);
    Report("delete a vendor of 200",
           MedianMs([] { DeleteVendor(2); }, 7, [&] { SaveVendor(VendorCount() + 1, vendor); }),
           20);
    Report("save a field-line file", MedianMs([] {
               WriteFieldLineFile("/Delivery.txt",
                                  FieldLineWriter().String("Leave at the back door").EndLine(),
                                  true);
           }),
           10);
    Report("save the locations", MedianMs([] {
               SaveLocationsFile({"Bin A", "Shed, back", "", "Van", ""});
           }),
           10);
    Report("exit backup with 32767 items", MedianMs([] { BackupAllFiles(); }), 200);
    return 0;
}
