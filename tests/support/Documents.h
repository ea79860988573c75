#pragma once

#include "inventory/ItemFile.h"
#include "printing/PrintJob.h"
#include "support/DataFolder.h"

#include <QString>

#include <vector>

// Every kind of document the program prints, drawn from plain data as its screen hands it over,
// for the tests of the print path and of the printed pages.

// A copper elbow with every figure filled: costs, prices, a discount, counts.
ItemRecord ElbowItem();

struct DocumentText {
    ItemRecord Item = ElbowItem(); // on every line
    int Rows = 1;
    QString Vendor = QStringLiteral("Gulf Supply");
    QString Location = QStringLiteral("Van");
    QString Instructions = QStringLiteral("Call first");
    bool Pickup = false;    // the purchase order is held for pickup at the counter
    bool AllColumns = true; // the price book shows cost and discounts, not the price alone
};

struct Document {
    QString name;
    DrawDocument draw;
};

// Report, tally sheets, picklist, the three kinds of purchase order, price book, request for
// quotation, contact report and sample. The purchase orders and the contact report take the
// vendor file of the data folder.
std::vector<Document> EveryDocument(const DocumentText &text);

// The longest texts the files hold: 50-character descriptions, 20-character categories, the
// largest amounts and counts, 30-character vendor fields.
DocumentText LongestTexts();
// A small plumbing business with one vendor, Gulf Supply.
void WriteSmallBusiness(const TestDataFolder &data);
// A business with the longest header there is (every line filled, the international style, a
// web line), and vendors whose every field is full.
void WriteLongestBusiness(const TestDataFolder &data);
