#pragma once

#include <QString>
#include <QStringList>

// Program-wide state. Each screen owns its own fields; what several screens and the printed
// documents share lives here, and ResetVariables() gives a fresh run a clean slate.

// The vendor list read from the vendor file: element k of every list belongs to record k + 1,
// which is also entry k of the vendor boxes of the purchase-order and price-book screens.
struct VendorArrays {
    QStringList AccountNumbers;
    QStringList Names;
    QStringList Addresses1;
    QStringList Addresses2;
    QStringList Cities;
    QStringList States;
    QStringList PostalCodes;
    QStringList Telephones;
    QStringList Categories;
    QStringList KeyContacts;
};
extern VendorArrays Vendors;
// The supplier chosen for a request for quotation: its record number, 1 for the first.
extern qint16 VendorNumber;

// The business's own identity, as the set-up screen saved it; every document header prints it.
extern QString BusinessName;
extern QString BusinessAddress1;
extern QString BusinessAddress2;
extern QString BusinessCity;
extern QString BusinessState;
extern QString BusinessZip;
extern QString BusinessPhone;
extern QString BusinessFax;
extern QString BusinessTaxId;

// The address style the set-up screen shows: USA (city, state and ZIP on one line) or
// international (each on its own line).
extern bool BusinessUsaStyle;

// Print settings: the document font as the set-up screen shows it, the border colour as
// 0x00BBGGRR, colour printing, and copies.
extern QString PrintFontName;
extern quint32 BorderColor;
extern bool PrintInColor;
extern quint8 PrintCopies;

// Phone settings: the modem's COM port (1 to 16) and whether a telephone hangs behind it.
extern qint16 ModemPort;
extern bool PhoneEnabled;

void ResetVariables();
