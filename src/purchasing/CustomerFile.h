#pragma once

#include <QString>

#include <vector>

// The customer accounts the suite's invoicing program keeps in "CustomerData.txt": records of
// 328 bytes, Windows-1252 text padded with spaces. This program only reads the name and the
// delivery address of each.

constexpr int CustomerRecordLength = 328;

struct CustomerAccount {
    QString ListText; // the account name of a business, the person's name otherwise
    QString Name;     // the account name, first line of a delivery address
    QString Street;
    QString Street2;
    QString City;
    QString State;
    QString LastLine; // the last address field, ending the city line
};

// A record's fields, each trimmed of its padding; bytes missing at a short end read as empty.
CustomerAccount DecodeCustomerRecord(const char *bytes, int length);
// Every account in file order; none when the file is missing and has no Backup copy.
std::vector<CustomerAccount> ReadCustomerAccounts();
