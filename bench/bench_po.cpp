// Times purchase orders over a full items file (32,767 records): Create of an all-items PO,
// the stock update of that PO with the save of the item table, and printing a PO of 1,000
// lines to PDF.
#include "contacts/VendorFile.h"
#include "contacts/frmContacts.h"
#include "printing/FlexGrid.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"
#include "purchasing/POPrint.h"
#include "purchasing/frmPO.h"

#include "BenchTimer.h"
#include "ScreenBench.h"

#include <QComboBox>
#include <QRadioButton>

int main(int argc, char **argv) {
    ScreenBench bench(argc, argv);
    VendorRecord vendor;
    vendor[VendorName] = QStringLiteral("Gulf Supply");
    SaveVendor(1, vendor);
    frmPO *screen = LoadForm<frmPO>();
    LoadForm<frmContacts>();
    const auto start = [screen] {
        screen->show();
        screen->optPO[2]->click();
        screen->cboVendors->setCurrentIndex(0);
    };
    start();
    Report("create an all-items PO",
           MedianMs([screen] { screen->cmdPO_Click(2); }, 7, [screen] { screen->cmdPO_Click(3); }),
           150);
    Report("add an all-items PO to stock",
           MedianMs([screen] { screen->UpdateInventoryFromPO(); }, 7,
                    [&] {
                        start();
                        screen->cmdPO_Click(2);
                    }),
           150);

    std::vector<POLine> lines;
    for (int r = 1; r <= 1000; ++r)
        lines.push_back({screen->fgItems->TextMatrix(r, 0), screen->fgItems->TextMatrix(r, 1),
                         screen->fgItems->TextMatrix(r, 2), screen->fgItems->TextMatrix(r, 3)});
    Printer::Current().device().setOutputFormat(QPrinter::PdfFormat);
    Printer::Current().device().setOutputFileName(bench.dir.filePath(QStringLiteral("po.pdf")));
    Report("print a PO of 1000 lines",
           MedianMs(
               [&] {
                   SetUpPrinter(QStringLiteral("Portrait"), 2);
                   PrintPOPages({QStringLiteral("Purchase Order"), true, QStringLiteral("1000"),
                                 {}, VendorAddressLines(0)},
                                lines, {QString(), true});
               },
               3),
           2000);
    return 0;
}
