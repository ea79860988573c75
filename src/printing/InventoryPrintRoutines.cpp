#include "printing/InventoryPrintRoutines.h"

#include "base/Rev11Common.h"
#include "printing/InventoryForm.h"
#include "printing/PrintJob.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

#include <QDate>
#include <QHash>
#include <QLocale>

namespace {

constexpr double Inch = 1440;
constexpr double Gap = 144; // a tenth of an inch between neighbouring texts

QString ShortDate(const QDate &date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

// ---- The price book ----

void PrintCover(const QString &title, const QString &owner) {
    Printer &printer = Printer::Current();
    // The heavy face stays for the whole book.
    printer.SetFontName(QStringLiteral("ArialBlack"));
    SetPrintFont(14, true, false);
    printer.CurrentY = 3.5 * Inch;
    for (const QString &line :
         {title, QStringLiteral("Effective Date:"), ShortDate(QDate::currentDate()),
          QStringLiteral("Created for ") + owner}) {
        PrintCentered(line);
        printer.Print(line);
    }
    // A long header starts higher rather than running off the foot of the page.
    PrintBusinessHeader(0.5, 6.5, 12, 0, printer.ScaleHeight());
}

void PrintItemPageTop(const PriceBookContent &content) {
    Printer &printer = Printer::Current();
    const QString title = QStringLiteral("Pricebook Items");
    SetPrintFont(12, true, true);
    printer.CurrentY = 720;
    PrintCentered(title);
    printer.Print(title);
    printer.Print();

    SetPrintFont(8, true, true);
    auto heading = [](double x, const char *text) {
        PrintAt(x, 0, QString::fromLatin1(text), false);
    };
    heading(0.5, "Description");
    heading(2.25, "Category");
    if (content.ShowCost)
        heading(4.0, "Cost");
    if (content.ShowPrice)
        heading(5.0, "Price");
    if (content.ShowDiscount) {
        heading(6.0, "Discount Price");
        heading(7.0, "Units Ordered > or =");
    }
    heading(9.25, "Comments");
    printer.Print();
    SetPrintFont(8, false, false);
    printer.Print();
}

void PrintPageFooter() {
    Printer &printer = Printer::Current();
    printer.CurrentY = printer.ScaleHeight() - 720;
    printer.CurrentX = (printer.ScaleWidth() - printer.TextWidth(QStringLiteral("ABC"))) / 2;
    printer.Print(QStringLiteral("(%1)").arg(printer.Page()));
}

bool DiscountShown(const PriceBookItem &item) {
    bool number = false;
    const double quantity = QLocale().toDouble(item.DiscountQty, &number);
    return number && quantity > 0;
}

void PrintItem(const PriceBookItem &item, const PriceBookContent &content, const QString &rule) {
    Printer &printer = Printer::Current();
    // Each text stops short of the next column instead of running into it.
    PrintFitted(0.5 * Inch, 1.75 * Inch - Gap, item.Description);
    PrintFitted(2.25 * Inch, 1.25 * Inch - Gap, item.Category);
    if (content.ShowCost)
        PrintRight(6120, 6120 - 3.5 * Inch - Gap, item.Cost);
    if (content.ShowPrice)
        PrintRight(7560, 7560 - 6120 - Gap, item.Price);
    if (content.ShowDiscount && DiscountShown(item)) {
        PrintRight(9720, 9720 - 7560 - Gap, item.DiscountPrice);
        PrintRight(11160, 11160 - 9720 - Gap, item.DiscountQty);
    }
    printer.CurrentX = 12600;
    printer.Print(rule);
}

void PrintItemPages(const PriceBookContent &content) {
    Printer &printer = Printer::Current();
    PrintItemPageTop(content);
    // The comment line ends at the printable edge rather than being cut off there.
    QString rule(32, u'_');
    while (!rule.isEmpty() && 12600 + printer.TextWidth(rule) > printer.ScaleWidth())
        rule.chop(1);

    QHash<QString, std::vector<const PriceBookItem *>> byCategory;
    for (const PriceBookItem &item : content.Items)
        byCategory[item.Category].push_back(&item);
    for (const QString &category : content.Order) {
        if (printer.Cancelled())
            break;
        for (const PriceBookItem *item : byCategory.value(category)) {
            if (printer.CurrentY + printer.TextHeight(item->Description) >
                printer.ScaleHeight() - 1440) {
                PrintPageFooter();
                printer.NewPage();
                PrintItemPageTop(content);
            }
            PrintItem(*item, content, rule);
        }
        printer.Print();
    }
    PrintPageFooter();
}

// ---- The request for quotation ----

void PrintLetter(const PriceBookContent &content) {
    Printer &printer = Printer::Current();
    const QDate today = QDate::currentDate();
    SetPrintFont(14, true, false);
    printer.CurrentY = 0.5 * Inch;
    const QString title = QStringLiteral("Request for Quotation");
    PrintCentered(title);
    printer.Print(title);
    SetPrintFont(10, false, false);
    const QString date = ShortDate(today);
    // The header keeps left of the date; the supplier goes below a header that runs past 2 in.
    const double headerEnd = PrintBusinessHeader(1.0, 1.0, 10, 6.0 * Inch - Gap);
    printer.CurrentY = std::max(2.0 * Inch, headerEnd + 0.1 * Inch);
    for (const QString &line : content.VendorBlock)
        PrintFitted(Inch, 6.0 * Inch - Gap, line, true);
    const double blockEnd = printer.CurrentY;
    printer.ForeColor = 0;
    PrintAt(7.0, 1.0, date);
    printer.CurrentY = std::max(3.0 * Inch, blockEnd + 0.1 * Inch);
    for (const QString &line : content.Request)
        PrintWrapped(1440, int(printer.CurrentY), 8640, 0, line);
    printer.CurrentX = 1.0 * Inch;
    printer.Print(QStringLiteral("Please complete and return by ") + ShortDate(today.addDays(14)));
    printer.NewPage();
}

// The ruled table of the item pages: a heading band from 1.5 in (lower when a long business
// header runs past it), then writing rows a quarter inch apart, as many as the paper holds:
// 24 on US Letter.
struct RFQTable {
    double top;
    int rows;
    double FirstRow() const { return top + 720; }
};

constexpr double RowHeight = 360;

void PrintRules(const RFQTable &table) {
    Printer &printer = Printer::Current();
    const double left = 720, right = 14500;
    const double bottom = table.FirstRow() + table.rows * RowHeight;
    printer.Line(left, table.top, right, table.top);
    for (int k = 0; k <= table.rows; ++k)
        printer.Line(left, table.FirstRow() + k * RowHeight, right,
                     table.FirstRow() + k * RowHeight);
    for (double x : {720.0, 2160.0, 3600.0, 5040.0, 6480.0, 7920.0, 14500.0})
        printer.Line(x, table.top, x, bottom);
}

RFQTable PrintRFQPageHeader() {
    Printer &printer = Printer::Current();
    SetPrintFont(8, true, false);
    PrintAt(8.0, 0.1, QStringLiteral("Page %1").arg(printer.Page()));
    const double headerEnd = PrintBusinessHeader(0.5, 0.4, 10, 7.5 * Inch - Gap);
    RFQTable table;
    table.top = std::max(1.5 * Inch, headerEnd + 0.05 * Inch);
    table.rows = std::max(1, int((printer.ScaleHeight() - table.FirstRow()) / RowHeight));
    struct Heading {
        double x;
        const char *text;
    };
    const Heading first[] = {{0.7, "Unit Cost"},     {1.6, "Multi-Unit #1"},
                             {2.6, "Multi-Unit #1"}, {3.6, "Multi-Unit #2"},
                             {4.6, "Multi-Unit #2"}, {5.6, "Item Description"}};
    const Heading second[] = {
        {1.6, "per Container"}, {2.6, "Price"}, {3.6, "per Container"}, {4.6, "Price"}};
    for (const Heading &h : first)
        PrintAt(h.x, (table.top + 0.15 * Inch) / Inch, QString::fromLatin1(h.text), false);
    printer.Print();
    for (const Heading &h : second)
        PrintAt(h.x, 0, QString::fromLatin1(h.text), false);
    SetPrintFont(8, true, false);
    // On the line under the page number, which 0.2 in would just touch.
    printer.CurrentY = std::max(0.2 * Inch, 0.1 * Inch + printer.TextHeight());
    PrintAt(8.0, 0, QStringLiteral("Date ") + ShortDate(QDate::currentDate()));
    return table;
}

void PrintRFQItemPages(const PriceBookContent &content) {
    Printer &printer = Printer::Current();
    RFQTable table = PrintRFQPageHeader();
    PrintRules(table);
    SetPrintFont(10, true, false);
    const double room = 14500 - 5.6 * Inch - Gap;
    // Each description sits just under its row's upper rule.
    const double offset = 0.07 * Inch;
    double y = table.FirstRow() + offset;
    int printed = 0; // only the rows that print count towards a page
    for (const PriceBookItem &item : content.Items) {
        if (printer.Cancelled())
            break;
        if (printed > 0 && printed % table.rows == 0) {
            printer.NewPage();
            table = PrintRFQPageHeader();
            PrintRules(table);
            SetPrintFont(10, true, false);
            y = table.FirstRow() + offset;
        }
        printer.CurrentY = y;
        PrintFitted(5.6 * Inch, room, item.Description, true);
        y += RowHeight;
        ++printed;
    }
}

} // namespace

void PrintCentered(const QString &text, int divisor) {
    Printer &printer = Printer::Current();
    printer.CurrentX = (printer.ScaleWidth() - printer.TextWidth(text)) / divisor;
}

void PrintAt(double x, double y, const QString &text, bool endLine) {
    MoveToInches(x, y);
    Printer::Current().Print(text, endLine);
}

void PrintPriceBookPages(const QString &title, const QString &owner,
                         const PriceBookContent &content) {
    PrintCover(title, owner);
    Printer::Current().NewPage();
    PrintItemPages(content);
}

void PrintRFQPages(const PriceBookContent &content) {
    PrintLetter(content);
    PrintRFQItemPages(content);
}

bool PrintPriceBookDocument(const QString &kind, const QString &title, const QString &owner,
                            const PriceBookContent &content) {
    const bool book = kind == QLatin1String("Pricebook");
    return PrintWithDialog(
        book ? QStringLiteral("Price Book") : QStringLiteral("Request for Quotation"),
        QStringLiteral("The ") + kind + QStringLiteral(" will not be Printed"), [&] {
            SetUpPrinter(QStringLiteral("Landscape"), 2);
            if (book)
                PrintPriceBookPages(title, owner, content);
            else if (kind == QLatin1String("RFQ"))
                PrintRFQPages(content);
            return Printer::Current().EndDoc();
        });
}
