#include "printing/InventoryPrintRoutines.h"

#include "printing/InventoryForm.h"
#include "printing/PrintJob.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"
#include "shell/Rev11Common.h"

#include <QDate>
#include <QHash>
#include <QLocale>

namespace {

constexpr double Inch = 1440;
constexpr double Gap = 144; // a tenth of an inch between neighbouring texts

QString ShortDate(const QDate &date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

void PrintRight(double rightEdge, const QString &text) {
    Printer &printer = Printer::Current();
    printer.CurrentX = rightEdge - printer.TextWidth(text);
    printer.Print(text, false);
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
    PrintBusinessHeader(0.5, 6.5, 12);
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
    // A long description stops short of the category instead of running into it.
    printer.CurrentX = 0.5 * Inch;
    printer.Print(printer.ElidedText(item.Description, 1.75 * Inch - Gap), false);
    printer.CurrentX = 2.25 * Inch;
    printer.Print(item.Category, false);
    if (content.ShowCost)
        PrintRight(6120, item.Cost);
    if (content.ShowPrice)
        PrintRight(7560, item.Price);
    if (content.ShowDiscount && DiscountShown(item)) {
        PrintRight(9720, item.DiscountPrice);
        PrintRight(11160, item.DiscountQty);
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
    PrintBusinessHeader(1.0, 1.0, 10);
    printer.CurrentY = 2.0 * Inch;
    for (const QString &line : content.VendorBlock)
        PrintAt(1.0, 0, line);
    printer.ForeColor = 0;
    PrintAt(7.0, 1.0, ShortDate(today));
    printer.CurrentY = 3.0 * Inch;
    for (const QString &line : content.Request)
        PrintWrapped(1440, int(printer.CurrentY), 8640, 0, line);
    printer.CurrentX = 1.0 * Inch;
    printer.Print(QStringLiteral("Please complete and return by ") + ShortDate(today.addDays(14)));
    printer.NewPage();
}

// Items are 0.25 inch apart from 2.07 inches, 24 to a page: the heading band and one writing
// row under each of them.
constexpr int RowsPerPage = 24;

void PrintRules() {
    Printer &printer = Printer::Current();
    const double top = 2160, first = 2880, row = 360, left = 720, right = 14500;
    const double bottom = first + RowsPerPage * row;
    printer.Line(left, top, right, top);
    for (int k = 0; k <= RowsPerPage; ++k)
        printer.Line(left, first + k * row, right, first + k * row);
    for (double x : {720.0, 2160.0, 3600.0, 5040.0, 6480.0, 7920.0, 14500.0})
        printer.Line(x, top, x, bottom);
}

void PrintRFQPageHeader() {
    Printer &printer = Printer::Current();
    SetPrintFont(8, true, false);
    PrintAt(8.0, 0.1, QStringLiteral("Page %1").arg(printer.Page()));
    PrintBusinessHeader(0.5, 0.4, 10);
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
        PrintAt(h.x, 1.65, QString::fromLatin1(h.text), false);
    printer.Print();
    for (const Heading &h : second)
        PrintAt(h.x, 0, QString::fromLatin1(h.text), false);
    SetPrintFont(8, true, false);
    PrintAt(8.0, 0.2, QStringLiteral("Date ") + ShortDate(QDate::currentDate()));
}

void PrintRFQItemPages(const PriceBookContent &content) {
    Printer &printer = Printer::Current();
    PrintRules();
    PrintRFQPageHeader();
    SetPrintFont(10, true, false);
    const double room = 14500 - 5.6 * Inch - Gap;
    double y = 2.07 * Inch;
    int printed = 0; // only the rows that print count towards a page
    for (const PriceBookItem &item : content.Items) {
        if (printer.Cancelled())
            break;
        if (printed > 0 && printed % RowsPerPage == 0) {
            printer.NewPage();
            PrintRFQPageHeader();
            PrintRules();
            SetPrintFont(10, true, false);
            y = 2.07 * Inch;
        }
        PrintAt(5.6, y / Inch, printer.ElidedText(item.Description, room));
        y += 0.25 * Inch;
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
