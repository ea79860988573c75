// Times the picklist screen over a full items file (32,767 records): showing it (the reload
// and sort of its item table), SaveItems, confirming a picklist of 200 lines (stock update and
// save, printing excluded) and printing a picklist of 1,000 lines to PDF.
#include "app/frmStartup.h"
#include "base/BasicDiskRoutines.h"
#include "printing/FlexGrid.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"
#include "stock/PicklistPrint.h"
#include "stock/frmInventory.h"

#include "BenchTimer.h"
#include "ScreenBench.h"

#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>

int main(int argc, char **argv) {
    ScreenBench bench(argc, argv);
    const QTemporaryDir &dir = bench.dir;

    LoadForm<frmStartup>()->optMainMenuSub[3]->setChecked(true);
    frmInventory *screen = LoadForm<frmInventory>();
    QCoreApplication::processEvents();
    Report("show the picklist screen",
           MedianMs([screen] { screen->show(); }, 7,
                    [screen] {
                        screen->hide();
                        QCoreApplication::processEvents();
                    }),
           100);
    screen->show();
    Report("save the item table", MedianMs([screen] { screen->SaveItems(MovementKind::Returned); }),
           50);
    Report("confirm a picklist of 200 lines",
           MedianMs([screen] { screen->ApplyPicklist(); }, 7,
                    [screen] {
                        for (int r = 1; r <= 200; ++r)
                            screen->PickQty[size_t(r * 150)] = 1;
                    }),
           100);

    std::vector<PicklistLine> lines;
    for (int k = 1; k <= 1000; ++k)
        lines.push_back({QString::number(k % 40 + 1), screen->fgItems->TextMatrix(k, 0)});
    Printer::Current().device().setOutputFormat(QPrinter::PdfFormat);
    Printer::Current().device().setOutputFileName(dir.filePath(QStringLiteral("picklist.pdf")));
    Report("print a picklist of 1000 lines",
           MedianMs(
               [&] {
                   SetUpPrinter(QStringLiteral("Portrait"), 2);
                   PrintPicklistPages(lines, QStringLiteral("Load the van by seven"),
                                      QDate::currentDate());
               },
               3),
           2000);
    return 0;
}
