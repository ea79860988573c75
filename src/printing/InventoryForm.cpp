#include "printing/InventoryForm.h"

#include "common/Variables.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"
#include "purchasing/frmPO.h"
#include "setup/frmSetup.h"
#include "shell/FieldLines.h"
#include "stock/frmInventory.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

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

void PrintSubmittedTo() {
    frmPO *po = LoadForm<frmPO>();
    if (po->optPO[1]->isChecked())
        return; // a blank purchase order is addressed by hand
    MoveToInches(1.0, 1.75);
    Printer::Current().Print(QStringLiteral("Submitted To:"));
    SetPrintFont(10, false, false);
    MoveToInches(1.0, 2.4);
    const int k = po->cboVendors->currentIndex();
    if (k < 0 || k >= Vendors.Names.size())
        return;
    Printer::Current().Print(Vendors.Names.at(k));
    PrintAt(Inch, Vendors.Addresses1.at(k));
    if (!Vendors.Addresses2.at(k).isEmpty())
        PrintAt(Inch, Vendors.Addresses2.at(k));
    for (const QString &line : CityStateLines(Vendors.Cities.at(k), Vendors.States.at(k),
                                              Vendors.PostalCodes.at(k), UsaAddressStyle()))
        PrintAt(Inch, line);
}

} // namespace

bool UsaAddressStyle() {
    return LoadForm<frmSetup>()->cmdAddress->text() == QLatin1String("USA Style Address");
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

void PrintBusinessHeader(double x, double y, int nameSize) {
    Printer &printer = Printer::Current();
    const double at = x * Inch;
    MoveToInches(x, y);
    SetPrintFont(BusinessName.size() > 25 ? 10 : nameSize, true, false);
    PrintAt(at, BusinessName);
    SetPrintFont(10, false, false);
    PrintAt(at, BusinessAddress1);
    if (!BusinessAddress2.isEmpty())
        PrintAt(at, BusinessAddress2);
    for (const QString &line :
         CityStateLines(BusinessCity, BusinessState, BusinessZip, UsaAddressStyle()))
        PrintAt(at, line);
    if (!BusinessPhone.isEmpty())
        PrintAt(at, QStringLiteral("Telephone: ") + BusinessPhone);
    if (!BusinessFax.isEmpty())
        PrintAt(at, BusinessFax);
    if (!BusinessTaxId.isEmpty())
        PrintAt(at, BusinessTaxId);
    if (std::optional<FieldLineReader> site = ReadFieldLineFile(QStringLiteral("/MyWebSite.txt")))
        PrintAt(at, site->String());
    printer.CurrentX = 0;
}

void PrintDocumentFrame(const QString &title, double headerX, double headerY, bool isPO) {
    Printer &printer = Printer::Current();
    printer.SetScaleWidth(12240);
    printer.DrawWidth = 6;
    printer.Box(Left, 504, Right, 5040);
    for (double y : {5760.0, 6120.0, 14400.0})
        printer.Line(Left, y, Right, y);
    if (isPO) {
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
    printer.Print(title);
    SetPrintFont(10, true, false);
    printer.Print();
    const double at = 5.0 * Inch;
    if (!isPO) {
        PrintAt(at, QStringLiteral("Need picked by: ") +
                        ShortDate(LoadForm<frmInventory>()->DTPicker1->date()));
    } else {
        PrintAt(at, QStringLiteral("Number ") + LoadForm<frmPO>()->lblNextPO->text().trimmed());
        PrintAt(at, QStringLiteral("Date: ") + ShortDate(QDate::currentDate()));
        SetPrintFont(14, true, false);
        printer.Print();
        PrintAt(at, QStringLiteral("TOTAL_______________"));
    }
    SetPrintFont(10, false, false);
    PrintBusinessHeader(headerX, headerY, 12);
    if (isPO)
        PrintSubmittedTo();
}

void DrawBlankOrderLines() {
    Printer &printer = Printer::Current();
    double y = std::nearbyint(6595.2); // the default rounding: halves to even
    for (int k = 0; k < 12; ++k) {
        printer.Line(Left, y, Right, y);
        y = std::nearbyint(y + 475.2);
    }
}
