// Times the price book screen over a full items file (32,767 records) with 2,000 services and
// 2,000 custom items: opening it, ticking a category and an item, printing the price book of
// every item and a request for quotation of 500 items to PDF.
#include "base/BasicDiskRoutines.h"
#include "pricebook/frmPriceBook.h"
#include "printing/FlexGrid.h"
#include "printing/InventoryPrintRoutines.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

#include "BenchTimer.h"
#include "PerCellDrawing.h"
#include "ScreenBench.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

namespace {

QByteArray Records(int count, int length) {
    QByteArray bytes;
    for (int k = 1; k <= count; ++k) {
        QByteArray record = QByteArray("Sibling record ") + QByteArray::number(k);
        record = record.leftJustified(length, ' ');
        record[length - 1] = '\0';
        bytes += record;
    }
    return bytes;
}

} // namespace

int main(int argc, char **argv) {
    ScreenBench bench(argc, argv);
    WriteWholeFile(QStringLiteral("/Services.txt"), Records(2000, 72));
    WriteWholeFile(QStringLiteral("/CustomItems.txt"), Records(2000, 70));

    frmPriceBook *screen = nullptr;
    Report("open the price book screen",
           MedianMs(
               [&] {
                   screen = LoadForm<frmPriceBook>();
                   screen->show();
               },
               7,
               [&] {
                   UnloadForm(screen);
                   QCoreApplication::processEvents();
               }),
           150);
    screen = LoadForm<frmPriceBook>();
    screen->show();
    QListWidgetItem *category = screen->lstCategories->item(50);
    Report("tick a category",
           MedianMs(
               [&] {
                   category->setCheckState(category->checkState() == Qt::Checked ? Qt::Unchecked
                                                                                 : Qt::Checked);
               },
               21),
           10);
    screen->fgItems->SetRow(20000);
    Report("tick an item", MedianMs([&] { screen->fgItems_Click(); }, 21), 10);
    Report("tick all", MedianMs([&] { screen->cmdPB[5]->click(); }), 100);

    screen->cmdPB[2]->click();
    screen->cmdPB[4]->click();
    screen->ckPB[0]->setChecked(true);
    screen->ckPB[1]->setChecked(true);
    screen->ckPB[2]->setChecked(true);
    Printer &printer = Printer::Current();
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName(bench.dir.filePath(QStringLiteral("book.pdf")));
    const auto printBook = [&] {
        SetUpPrinter(QStringLiteral("Landscape"), 2);
        PrintPriceBookPages(QStringLiteral("Sales Items Pricebook"), QStringLiteral("Ace Plumbing"),
                            screen->Content());
        printer.EndDoc();
    };
    const double book = MedianMs(printBook, 5);
    Report("print a price book of 32767 items", book, 1500);
    const double perCell =
        MedianMs(PerCellDrawing(printBook, bench.dir.filePath(QStringLiteral("cells.pdf"))), 5);
    ReportRatio("price book / per-cell drawing", book / perCell, 0.65);

    screen->cmdPB[6]->click();
    for (int r = 1; r <= 500; ++r) {
        screen->fgItems->SetRow(r * 60);
        screen->fgItems_Click();
    }
    printer.device().setOutputFileName(bench.dir.filePath(QStringLiteral("rfq.pdf")));
    Report("print a request for quotation of 500 items",
           MedianMs(
               [&] {
                   SetUpPrinter(QStringLiteral("Landscape"), 2);
                   PrintRFQPages(screen->Content());
                   printer.EndDoc();
               },
               5),
           1000);
    return 0;
}
