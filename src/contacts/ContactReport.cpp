#include "contacts/ContactReport.h"

#include "common/Cp1252.h"
#include "contacts/VendorFile.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

#include <QDate>
#include <QLocale>

namespace {

constexpr double Inch = 1440;

void PrintHeading() {
    Printer &printer = Printer::Current();
    printer.CurrentY = 0.5 * Inch;
    SetPrintFont(14, true, true);
    const QString title = QStringLiteral("Account Information");
    printer.CurrentX = (printer.ScaleWidth() - printer.TextWidth(title)) / 2;
    printer.Print(title);
    SetPrintFont(10, false, false);
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    // At 9 inches the date would be off a portrait page: it keeps to the right edge instead.
    printer.CurrentX = std::min(9.0 * Inch, printer.ScaleWidth() - printer.TextWidth(date));
    printer.CurrentY = 0.5 * Inch;
    printer.Print(date);
    MoveToInches(1.0, 2.25);
}

} // namespace

bool PrintContactPages() {
    Printer &printer = Printer::Current();
    PrintHeading();
    // Three columns share the page from 1 inch to its printable right edge, so that the third
    // stays on a portrait sheet; a line too long for its column ends short of the next one.
    const double column = (printer.ScaleWidth() - Inch) / 3;
    const double rowHeight = 5 * printer.TextHeight(QStringLiteral("ABC"));
    double top = printer.CurrentY;
    const int count = VendorCount();
    for (int n = 1; n <= count && !printer.Cancelled(); ++n) {
        const int k = (n - 1) % 3;
        if (n > 1 && k == 0) {
            top += rowHeight;
            if (top + rowHeight > printer.ScaleHeight()) {
                printer.NewPage();
                PrintHeading();
                top = printer.CurrentY;
            }
        }
        const VendorRecord v = ReadVendorRecord(n).value_or(VendorRecord());
        const QString lines[] = {TrimPadding(v[VendorName]), TrimPadding(v[VendorAddress1]),
                                 TrimPadding(v[VendorCity]) + QStringLiteral(", ") +
                                     TrimPadding(v[VendorState]) + u' ' +
                                     TrimPadding(v[VendorPostalCode]),
                                 TrimPadding(v[VendorTelephone])};
        printer.CurrentY = top;
        for (const QString &line : lines)
            PrintFitted(Inch + k * column, column - 0.1 * Inch, line, true);
    }
    return printer.EndDoc();
}
