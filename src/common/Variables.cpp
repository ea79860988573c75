#include "common/Variables.h"

VendorArrays Vendors;
qint16 VendorNumber = 0;

QString BusinessName;
QString BusinessAddress1;
QString BusinessAddress2;
QString BusinessCity;
QString BusinessState;
QString BusinessZip;
QString BusinessPhone;
QString BusinessFax;
QString BusinessTaxId;

bool BusinessUsaStyle = true;
QString PrintFontName = QStringLiteral("Arial");
quint32 BorderColor = 0;
bool PrintInColor = true;
quint8 PrintCopies = 3;

qint16 ModemPort = 1;
bool PhoneEnabled = false;

void ResetVariables() {
    Vendors = VendorArrays();
    VendorNumber = 0;
    for (QString *field :
         {&BusinessName, &BusinessAddress1, &BusinessAddress2, &BusinessCity, &BusinessState,
          &BusinessZip, &BusinessPhone, &BusinessFax, &BusinessTaxId})
        field->clear();
    BusinessUsaStyle = true;
    PrintFontName = QStringLiteral("Arial");
    BorderColor = 0;
    PrintInColor = true;
    PrintCopies = 3;
    ModemPort = 1;
    PhoneEnabled = false;
}
