// Times item maintenance over a full items file (32,767 records): opening the screen,
// saving an existing item, reloading sorted by price, and printing the inventory report to PDF,
// without and with its progress dialog.
#include "base/BasicDiskRoutines.h"
#include "inventory/InventoryReport.h"
#include "inventory/ItemFile.h"
#include "inventory/frmServices.h"
#include "printing/FlexGrid.h"
#include "printing/PrintJob.h"
#include "printing/Printer.h"

#include "BenchTimer.h"
#include "PerCellDrawing.h"
#include "ScreenBench.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileInfo>
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
    ScreenBench bench(argc, argv);
    const QTemporaryDir &dir = bench.dir;

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

    const QString reportPdf = dir.filePath(QStringLiteral("report.pdf"));
    Printer::Current().device().setOutputFormat(QPrinter::PdfFormat);
    Printer::Current().device().setOutputFileName(reportPdf);
    const auto printReport = [screen] {
        PrintInventoryPages(InventoryReportTitle, *screen->fgItems, {});
    };
    const double report = MedianMs(printReport, 5);
    Report("inventory report of all items", report, 1500);
    std::printf("inventory report PDF: %.0f KB, peak memory so far: %.0f MB\n",
                QFileInfo(reportPdf).size() / 1024.0, PeakMemoryMb());
    const double perCell =
        MedianMs(PerCellDrawing(printReport, dir.filePath(QStringLiteral("cells.pdf"))), 5);
    ReportRatio("report / per-cell drawing", report / perCell, 0.65);
    Printer::Current().device().setOutputFileName(reportPdf);
    // The same report with its progress dialog (shown after a second, told every page): what
    // the progress costs is the difference.
    const double withProgress = MedianMs(
        [screen] {
            PrintDocument(
                [screen] {
                    return PrintInventoryPages(InventoryReportTitle, *screen->fgItems, {});
                },
                false);
        },
        3);
    Report("inventory report of all items, with its progress", withProgress, report * 1.05);
    return 0;
}
