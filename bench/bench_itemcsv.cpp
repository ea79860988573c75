// Times items to and from a spreadsheet's CSV file at a full items file (32,767 records): the
// export (read the items, write the CSV) and the import (read the CSV, match every row to its
// item, rewrite the items file).
#include "base/BasicDiskRoutines.h"
#include "inventory/ItemCsv.h"

#include "BenchData.h"
#include "BenchTimer.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

int main() {
    QTemporaryDir dir;
    SetAppPath(dir.path());
    RewriteItemsFile(BenchItems());
    const QString path = dir.filePath(QStringLiteral("items.csv"));
    Report("export 32767 items to CSV", MedianMs([&] {
               QSaveFile file(path);
               file.open(QIODevice::WriteOnly);
               file.write(ItemsToCsv(ReadAllItems()));
               file.commit();
           }),
           1000);
    Report("import 32767 items from CSV", MedianMs([&] {
               QFile file(path);
               file.open(QIODevice::ReadOnly);
               QString error;
               const std::optional<ItemImport> plan =
                   PlanItemImport(file.readAll(), ReadAllItems(), &error);
               RewriteItemsFile(plan->Items);
           }),
           1000);
    return 0;
}
