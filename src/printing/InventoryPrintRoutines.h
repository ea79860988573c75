#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The two landscape documents of the price-book screen: the price book (a cover page, then the
// ticked items grouped by category in the chosen order) and the request for quotation (a letter
// to one vendor, then ruled pages on which the vendor writes costs and multi-unit prices).

// A ticked row of the price-book grid, each cell as the grid shows it.
struct PriceBookItem {
    QString Description;
    QString Category;
    QString Cost;
    QString Price;
    QString DiscountPrice;
    QString DiscountQty;
};

// Everything both documents print, gathered from the screen before printing.
struct PriceBookContent {
    std::vector<PriceBookItem> Items; // in grid order
    QStringList Order;                // the categories, in print order
    bool ShowCost = false;
    bool ShowPrice = false;
    bool ShowDiscount = false;
    // The request for quotation: the vendor's name, address, "City,ST" and postal code, and
    // the request text's lines.
    QStringList VendorBlock;
    QStringList Request;
};

// Centres the text across the page in the current font, at the current y.
void PrintCentered(const QString &text, int divisor = 2);
// Prints the text at x, y inches; ending the line or staying on it.
void PrintAt(double x, double y, const QString &text, bool endLine = true);

// The pages alone, on the landscape printer SetUpPrinter has prepared.
void PrintPriceBookPages(const QString &title, const QString &owner,
                         const PriceBookContent &content);
void PrintRFQPages(const PriceBookContent &content);

// Asks for the printer and prints the document of that kind ("Pricebook" or "RFQ"), telling
// the user when it was cancelled or failed; true when it printed.
bool PrintPriceBookDocument(const QString &kind, const QString &title, const QString &owner,
                            const PriceBookContent &content);
