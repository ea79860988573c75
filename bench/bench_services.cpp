// Times item maintenance over a full items file (32,767 records): opening the screen,
// saving an existing item, reloading sorted by price, and printing the inventory report to PDF.
#include "common/Memory.h"
#include "inventory/InventoryReport.h"
#include "inventory/ItemFile.h"
#include "inventory/frmServices.h"
#include "printing/FlexGrid.h"
#include "printing/Printer.h"
#include "shell/BasicDiskRoutines.h"

#include "BenchTimer.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    KeepFreedMemoryForReuse(); // as Main() does
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir dir;
    SetAppPath(dir.path());

    std::vector<NumberedItem> items;
    const char *categories[] = {"Plumbing", "Electrical", "HVAC",     "Fasteners",
                                "Tools",    "Adhesives",  "Lighting", "Safety"};
    for (int k = 1; k <= MaxItemRecords; ++k) {
        ItemRecord item;
        item.Description =
            QStringLiteral("Stock item number %1 with a longer name").arg(k * 7919 % 32768);
        item.Category = QString::fromLatin1(categories[k % 8]) + QString::number(k % 13);
        item.Cost = Currency::fromCents(k * 37 % 250000);
        item.Price = Currency::fromCents(k * 53 % 400000);
        item.OnHand = qint16(k % 900);
        item.DiscountPrice = Currency::fromCents(k * 41 % 300000);
        item.DiscountQty = k % 50;
        item.ReorderAmount = qint16(k % 24);
        item.ReorderAt = qint16(k % 12);
        items.push_back({k, item});
    }
    RewriteItemsFile(items);

    const double open = MedianMs(
        [] {
            LoadForm<frmServices>()->show();
            QCoreApplication::processEvents();
        },
        7,
        [] {
            UnloadForm(LoadForm<frmServices>());
            Settle();
        });
    Report("open the maintenance screen", open, 150);

    frmServices *screen = LoadForm<frmServices>();
    screen->show();
    Settle();
    const double save = MedianMs(
        [screen] {
            screen->fgItems->SetRow(16000);
            screen->cmdServices_Click(9);
            screen->txtOnHand->setText(QStringLiteral("42"));
            screen->cmdServices_Click(13);
            QCoreApplication::processEvents();
        },
        7);
    Report("save an existing item", save, 300);

    const double reload = MedianMs(
        [screen] {
            screen->lstSortBy->setCurrentRow(3);
            screen->ckByCategory->setChecked(true);
            screen->ckByCategory->setChecked(false);
            screen->cmdServices_Click(2);
            QCoreApplication::processEvents();
        },
        7);
    Report("reload sorted by price", reload, 150);

    Printer::Current().device().setOutputFormat(QPrinter::PdfFormat);
    Printer::Current().device().setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
    const double report =
        MedianMs([screen] { PrintInventoryPages(InventoryReportTitle, *screen->fgItems, {}); }, 3);
    Report("inventory report of all items", report, 5000);
    return 0;
}
