// Times the contact book over a vendor file of 10,000 records: LoadVendors (the vendor arrays,
// the vendor grid, the city list and the PO's vendor box), a name search listing every match,
// and the contact report of 1,000 vendors to PDF.
#include "base/BasicDiskRoutines.h"
#include "contacts/ContactReport.h"
#include "contacts/VendorFile.h"
#include "contacts/frmContacts.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"
#include "purchasing/frmPO.h"

#include "BenchTimer.h"
#include "ScreenBench.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QByteArray VendorFileOf(int count) {
    QByteArray bytes;
    for (int n = 1; n <= count; ++n) {
        VendorRecord v;
        v[VendorName] = QStringLiteral("Supply house %1").arg(n);
        v[VendorAddress1] = QStringLiteral("%1 Harbor Road").arg(n);
        v[VendorCity] = QStringLiteral("City %1").arg(n % 50);
        v[VendorState] = QStringLiteral("FL");
        v[VendorTelephone] = QStringLiteral("813-555-%1").arg(n % 10000, 4, 10, QLatin1Char('0'));
        bytes += EncodeVendorRecord(v);
    }
    return bytes;
}

} // namespace

int main(int argc, char **argv) {
    ScreenBench bench(argc, argv);
    WriteWholeFile(VendorFileName(), VendorFileOf(10000));
    LoadForm<frmPO>();
    frmContacts *screen = LoadForm<frmContacts>();
    Report("load 10000 vendors", MedianMs([screen] { screen->LoadVendors(); }), 30);
    screen->show();
    Report("search names, every one matching", MedianMs([screen] {
               screen->optSearch[0]->click();
               screen->txtSearchfor->setText(QStringLiteral("supply"));
               screen->StartSearch();
           }),
           50);

    WriteWholeFile(VendorFileName(), VendorFileOf(1000));
    Printer::Current().device().setOutputFormat(QPrinter::PdfFormat);
    Printer::Current().device().setOutputFileName(bench.dir.filePath(QStringLiteral("c.pdf")));
    Report("contact report of 1000 vendors",
           MedianMs(
               [] {
                   SetUpPrinter(QStringLiteral("Portrait"), 2);
                   PrintContactPages();
               },
               3),
           2000);
    return 0;
}
