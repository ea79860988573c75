#pragma once

#include <QString>
#include <QStringList>

// The ruled page frame of picklists and purchase orders, and the business header that heads
// every document.

// The whole frame of a picklist or purchase-order page: header box, body grid, title block,
// business header and, on a purchase order, the "Submitted To:" vendor block. Gives back the y
// below the business header.
double PrintDocumentFrame(const QString &title, double headerX, double headerY, bool isPO);
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
