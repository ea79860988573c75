#include "inventory/InventoryReport.h"

#include "base/BasicDiskRoutines.h"
#include "base/Rev11Common.h"
#include "printing/FlexGrid.h"
#include "printing/InventoryForm.h"
#include "printing/PrintJob.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

#include <QDate>
#include <QLocale>

namespace {

constexpr double Inch = 1440;
constexpr double Gap = 144; // a tenth of an inch between neighbouring texts

bool IsReport(const QString &title) {
    return title == InventoryReportTitle;
}

// Rows in the grid's order, a blank line after every five, and a new page with the full
// header whenever fewer than five lines would still fit.
void PrintRows(const QString &title, const QString &location, const FlexGrid &grid) {
    Printer &printer = Printer::Current();
    printer.Print();
    int count = 0;
    for (int r = 1; r < grid.Rows() && !printer.Cancelled(); ++r) {
        const QString description = grid.TextMatrix(r, 0);
        if (printer.CurrentY + 5 * printer.TextHeight(description) >= printer.ScaleHeight()) {
            printer.NewPage();
            PrintPageHeader(title, location);
            count = 0;
        }
        // A long description stops short of the next column: the unit cost, which may take
        // up to an inch, on the report.
        const double costRoom = Inch - Gap;
        const double room =
            IsReport(title)
                ? 5760 - std::min(costRoom, printer.TextWidth(grid.TextMatrix(r, 2))) - Gap - Inch
                : 5760 - Gap - Inch;
        PrintFitted(Inch, room, description);
        if (IsReport(title)) {
            const double edges[] = {5760, 7200, 8496, 10080, 11664, 12960, 14400};
            PrintRight(edges[0], costRoom, grid.TextMatrix(r, 2));
            for (int c = 3; c <= 8; ++c)
                PrintRight(edges[c - 2], edges[c - 2] - edges[c - 3] - Gap, grid.TextMatrix(r, c),
                           c == 8);
        } else {
            printer.CurrentX = 5760;
            printer.Print(QStringLiteral("_______________"), false);
            PrintRight(9360, Inch - Gap, grid.TextMatrix(r, 8), true);
        }
        if (++count == 5) {
            printer.Print();
            count = 0;
        }
    }
}

} // namespace

void PrintPageHeader(const QString &title, const QString &location) {
    Printer &printer = Printer::Current();
    double headerEnd = 0;
    if (FileExistsOrRestore(QStringLiteral("/MyBusinessData.txt")))
        headerEnd = PrintBusinessHeader(1.0, 0.65, 10, 4.75 * Inch - Gap);
    SetPrintFont(12, true, true);
    printer.CurrentY = 0.4 * Inch;
    printer.CurrentX = (printer.ScaleWidth() - printer.TextWidth(title)) / 2;
    printer.Print(title, false);
    if (!location.isEmpty()) {
        MoveToInches(5.75, 0.4);
        PrintFitted(printer.CurrentX, printer.ScaleWidth() - printer.CurrentX,
                    QStringLiteral("Location: ") + location);
    }
    const double headEnd = printer.CurrentX;
    const double headLine = printer.TextHeight();
    SetPrintFont(10, false, false);
    const QString date =
        QStringLiteral("Date ") + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    // On a portrait sheet 9 inches is past the printable width: keep the date on the paper,
    // and under the heading where it would run into it.
    const double dateX = std::min(9.0 * Inch, printer.ScaleWidth() - printer.TextWidth(date));
    printer.CurrentX = dateX;
    printer.CurrentY = 0.4 * Inch + (dateX < headEnd + Gap ? headLine : 0);
    printer.Print(date);

    SetPrintFont(10, true, false);
    printer.CurrentY = std::max(2.0 * Inch, headerEnd);
    struct Heading {
        const char *text;
        double x;
    };
    static const Heading report[] = {{"Description", 1.0}, {"Unit Cost", 3.5},  {"Sell Price", 4.5},
                                     {"On-Hand", 5.5},     {"Disc Price", 6.5}, {"Disc Qty", 7.75},
                                     {"Reorder Qty", 8.5}, {"When At", 9.75}};
    static const Heading tally[] = {
        {"Description", 1.0}, {"On-Hand Count", 4.0}, {"Reorder When At", 6.0}};
    const bool isReport = IsReport(title);
    const Heading *first = isReport ? std::begin(report) : std::begin(tally);
    const Heading *last = isReport ? std::end(report) : std::end(tally);
    for (const Heading *h = first; h != last; ++h) {
        printer.CurrentX = h->x * Inch;
        printer.Print(QString::fromLatin1(h->text), false);
    }
    printer.Print();
    printer.Print();
}

bool PrintInventoryPages(const QString &title, const FlexGrid &grid, const QStringList &locations) {
    Printer &printer = Printer::Current();
    if (IsReport(title)) {
        SetUpPrinter(QStringLiteral("Landscape"), 2);
        PrintPageHeader(title, QString());
        PrintRows(title, QString(), grid);
        return printer.EndDoc();
    }
    SetUpPrinter(QStringLiteral("Portrait"), 2);
    // Each location is its own print job; a PDF file (or a preview) would keep only the last
    // job, so there the sheets follow each other in the one file instead.
    const bool oneFile =
        printer.device().outputFormat() == QPrinter::PdfFormat || printer.Previewing();
    bool started = false;
    for (const QString &location : locations) {
        if (location.isEmpty())
            continue;
        if (started && oneFile)
            printer.NewPage();
        PrintPageHeader(title, location);
        PrintRows(title, location, grid);
        if (!oneFile && !printer.EndDoc())
            return false;
        started = true;
    }
    return !oneFile || printer.EndDoc();
}

bool PrintInventoryDocument(const QString &title, const FlexGrid &grid,
                            const QStringList &locations) {
    return PrintWithDialog(title, QStringLiteral("The Inventory will not be Printed"),
                           [&] { return PrintInventoryPages(title, grid, locations); });
}
