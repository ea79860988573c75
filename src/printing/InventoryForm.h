#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The ruled page frame of picklists and purchase orders, and the business header that heads
// every document.

// What a picklist or purchase-order page frame prints besides the business header, as the screen
// that prints it hands it over.
struct DocumentFrame {
    QString Title;
    // Under the title: a purchase order's number and today's date, else the date a picklist is
    // needed by.
    bool IsPO = false;
    QString Number;
    QDate NeedBy;
    // A purchase order's "Submitted To:" block: the vendor's lines (none when no vendor is
    // chosen). Without it, as on a blank purchase order addressed by hand, nothing prints there.
    std::optional<QStringList> SubmittedTo;
};

// The whole frame of a picklist or purchase-order page: header box, body grid, title block,
// business header and the "Submitted To:" vendor block. Gives back the y below the business
// header.
double PrintDocumentFrame(const DocumentFrame &frame, double headerX, double headerY);
// The address lines of vendor k of the vendor lists, as a "Submitted To:" block prints them;
// none for no vendor.
QStringList VendorAddressLines(int k);
// The business's name, address and contact lines, each at x inches, from y down (or higher, so
// that they end above foot twips, when foot is given), in a column width units wide (to the
// printable edge when 0); gives back the y below its last line.
double PrintBusinessHeader(double x, double y, int nameSize, double width = 0, double foot = 0);
// Twelve writing lines across the body of a blank purchase order.
void DrawBlankOrderLines();

// The city / state / postal-code lines of an address in the business's address style.
QStringList CityStateLines(const QString &city, const QString &state, const QString &zip,
                           bool usaStyle);
// True when the set-up screen shows the USA address style.
bool UsaAddressStyle();
