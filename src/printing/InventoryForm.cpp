#include "printing/InventoryForm.h"

#include "base/FieldLines.h"
#include "common/Variables.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

#include <QLocale>

#include <cmath>

namespace {

constexpr double Inch = 1440;
constexpr double Left = 360, Right = 11880;

void PrintAt(double x, const QString &text) {
    Printer::Current().CurrentX = x;
    Printer::Current().Print(text);
}

QString ShortDate(const QDate &date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

// Below the business header, which a long header pushes down.
void PrintSubmittedTo(const QStringList &vendor, double headerEnd, double width) {
    Printer &printer = Printer::Current();
    printer.CurrentY = std::max(1.75 * Inch, headerEnd + 0.05 * Inch);
    PrintAt(Inch, QStringLiteral("Submitted To:"));
    SetPrintFont(10, false, false);
    printer.CurrentY = std::max(2.4 * Inch, printer.CurrentY + 0.1 * Inch);
    for (const QString &line : vendor)
        PrintFitted(Inch, width, line, true);
}

} // namespace

bool UsaAddressStyle() {
    return BusinessUsaStyle;
}

QStringList VendorAddressLines(int k) {
    if (k < 0 || k >= Vendors.Names.size())
        return {};
    QStringList lines{Vendors.Names.at(k), Vendors.Addresses1.at(k)};
    if (!Vendors.Addresses2.at(k).isEmpty())
        lines << Vendors.Addresses2.at(k);
    return lines + CityStateLines(Vendors.Cities.at(k), Vendors.States.at(k),
                                  Vendors.PostalCodes.at(k), UsaAddressStyle());
}

QStringList CityStateLines(const QString &city, const QString &state, const QString &zip,
                           bool usaStyle) {
    QStringList lines;
    if (usaStyle) {
        QString line = city.isEmpty() ? QString() : city + QStringLiteral(", ");
        if (!state.isEmpty())
            line += state + QStringLiteral(". ") + zip;
        if (!line.isEmpty())
            lines << line;
        return lines;
    }
    if (!city.isEmpty())
        lines << city;
    if (!state.isEmpty())
        lines << state;
    return lines;
}

namespace {

// The name, then the address and contact lines, as they print.
QStringList BusinessHeaderLines() {
    QStringList lines{BusinessName, BusinessAddress1};
    if (!BusinessAddress2.isEmpty())
        lines << BusinessAddress2;
    lines << CityStateLines(BusinessCity, BusinessState, BusinessZip, UsaAddressStyle());
    if (!BusinessPhone.isEmpty())
        lines << QStringLiteral("Telephone: ") + BusinessPhone;
    if (!BusinessFax.isEmpty())
        lines << BusinessFax;
    if (!BusinessTaxId.isEmpty())
        lines << BusinessTaxId;
    if (std::optional<FieldLineReader> site = ReadFieldLineFile(QStringLiteral("/MyWebSite.txt")))
        lines << site->String();
    return lines;
}

void SetNameFont(int nameSize) {
    SetPrintFont(BusinessName.size() > 25 ? 10 : nameSize, true, false);
}

} // namespace

double PrintBusinessHeader(double x, double y, int nameSize, double width, double foot) {
    Printer &printer = Printer::Current();
    const double at = x * Inch;
    if (width <= 0)
        width = printer.ScaleWidth() - at;
    const QStringList lines = BusinessHeaderLines();
    SetPrintFont(10, false, false);
    const double below = (lines.size() - 1) * printer.TextHeight();
    SetNameFont(nameSize);
    MoveToInches(x, y);
    // A header that would run past its foot starts higher instead.
    if (foot > 0)
        printer.CurrentY = std::min(printer.CurrentY, foot - below - printer.TextHeight());
    for (int k = 0; k < lines.size(); ++k) {
        PrintFitted(at, width, lines.at(k), true);
        if (k == 0)
            SetPrintFont(10, false, false);
    }
    printer.CurrentX = 0;
    return printer.CurrentY;
}

double PrintDocumentFrame(const DocumentFrame &frame, double headerX, double headerY) {
    Printer &printer = Printer::Current();
    printer.SetScaleWidth(12240);
    printer.DrawWidth = 6;
    printer.Box(Left, 504, Right, 5040);
    for (double y : {5760.0, 6120.0, 14400.0})
        printer.Line(Left, y, Right, y);
    if (frame.IsPO) {
        SetPrintFont(14, true, false);
        MoveToInches(1.3, 10.1);
        printer.Print(QStringLiteral("from ") + BusinessName);
        printer.ForeColor = 0;
    }
    printer.Line(Left, 12240, Right, 12240);
    for (double x : {Left, 1800.0, Right})
        printer.Line(x, 5760, x, 14400);
    for (double x : {3240.0, 7920.0})
        printer.Line(x, 5760, x, 12240);
    printer.Line(10080, 5760, 10080, 14400);

    SetPrintFont(28, true, false);
    MoveToInches(5.0, 0.5);
    printer.Print(frame.Title);
    SetPrintFont(10, true, false);
    printer.Print();
    const double at = 5.0 * Inch;
    if (!frame.IsPO) {
        PrintAt(at, QStringLiteral("Need picked by: ") + ShortDate(frame.NeedBy));
    } else {
        PrintAt(at, QStringLiteral("Number ") + frame.Number);
        PrintAt(at, QStringLiteral("Date: ") + ShortDate(QDate::currentDate()));
        SetPrintFont(14, true, false);
        printer.Print();
        PrintAt(at, QStringLiteral("TOTAL_______________"));
    }
    SetPrintFont(10, false, false);
    // The header and the vendor keep left of the title block.
    const double width = (5.0 - headerX) * Inch - 0.1 * Inch;
    const double headerEnd = PrintBusinessHeader(headerX, headerY, 12, width);
    if (frame.SubmittedTo)
        PrintSubmittedTo(*frame.SubmittedTo, headerEnd, width);
    return headerEnd;
}

void DrawBlankOrderLines() {
    Printer &printer = Printer::Current();
    double y = std::nearbyint(6595.2); // the default rounding: halves to even
    for (int k = 0; k < 12; ++k) {
        printer.Line(Left, y, Right, y);
        y = std::nearbyint(y + 475.2);
    }
}
