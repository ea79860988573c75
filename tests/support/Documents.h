#pragma once

#include "inventory/ItemFile.h"
#include "printing/PrintJob.h"
#include "support/DataFolder.h"

#include <QString>

#include <vector>

// Every kind of document the program prints, drawn from plain data as its screen hands it over,
// for the tests of the print path and of the printed pages.

struct DocumentText {
    ItemRecord Item; // on every line
    int Rows = 1;
    QString Vendor = QStringLiteral("Gulf Supply");
    QString Location = QStringLiteral("Van");
    QString Instructions = QStringLiteral("Call first");
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
// A business with the longest header there is (every line filled, the international style, a
// web line), and vendors whose every field is full.
void WriteLongestBusiness(const TestDataFolder &data);
