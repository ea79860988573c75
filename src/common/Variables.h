#pragma once

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

void ResetVariables();
