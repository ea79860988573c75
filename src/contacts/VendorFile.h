#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The vendor book: fixed-length records of eleven text fields in "VendorData.txt".

enum VendorField {
    VendorAccountNumber,
    VendorName,
    VendorAddress1,
    VendorAddress2,
    VendorCity,
    VendorState,
    VendorPostalCode,
    VendorTelephone,
    VendorFaxCell,
    VendorCategory,
    VendorKeyContact,
    VendorFieldCount
};

using VendorRecord = std::array<QString, VendorFieldCount>;

constexpr int VendorRecordLength = 235;
QString VendorFileName(); // "/VendorData.txt"
// The categories the contact book offers, in list order.
QStringList VendorCategoryNames();

QByteArray EncodeVendorRecord(const VendorRecord &record);
// Fields with their trailing spaces removed, as the contact book shows them.
VendorRecord DecodeVendorRecord(const char *bytes, int length);

// Whole records only: a remainder at the end of the file is ignored.
int VendorCount();
std::optional<VendorRecord> ReadVendorRecord(int recordNumber);

// Reads every record into the program-wide vendor arrays (Vendors); returns the count.
int LoadVendorArrays();

// Writes the fields as record n (count + 1 appends), the way the contact book saves: an empty
// category becomes "Vendor", an empty state "Fl"; every field but the city, fax/cell and key
// contact loses its leading and trailing spaces; each is padded or cut to its width.
// Returns the record as stored; nothing is written for a number outside 1 to count + 1.
std::optional<VendorRecord> SaveVendor(int recordNumber, VendorRecord fields);

// Removes record n through "Contact.TMP"; the records after it move down one place.
bool DeleteVendor(int recordNumber);
