#pragma once

#include "common/Currency.h"

#include <QString>

#include <vector>

// The price book's two sources kept by a sibling program of the suite, read only here:
// "Services.txt" (72-byte records) and "CustomItems.txt" (70-byte records), Windows-1252 text
// padded with spaces, amounts and counts little-endian. A short last record reads what it
// holds; the count is the file length over the record length, rounded to the nearest.

constexpr int ServiceRecordLength = 72;
constexpr int CustomItemRecordLength = 70;

struct ServiceRecord {
    QString Description;
    QString Price; // as the sibling program stored it
};

struct CustomItemRecord {
    QString Description;
    Currency Price;
    Currency DiscountPrice;
    qint32 DiscountQty = 0;
};

ServiceRecord DecodeServiceRecord(const char *bytes, int length);
CustomItemRecord DecodeCustomItemRecord(const char *bytes, int length);
// Every record in file order; none when the file is missing and has no Backup copy.
std::vector<ServiceRecord> ReadServices();
std::vector<CustomItemRecord> ReadCustomItems();
