#pragma once

#include "printing/InventoryForm.h"

#include <QString>

#include <vector>

// The printed purchase order: the page frame with the PO number, date and vendor, the column
// headings, the lines with their rules, and the delivery block.

struct POLine {
    QString Quantity;
    QString Description;
    QString Cost;
    QString Extension;
};

struct PODelivery {
    QString Text;       // the delivery instructions, printed in red when there are any
    bool HoldForPickup; // without instructions: "Hold for Pickup at Counter", else the business
};

// The pages on the printer SetUpPrinter has prepared, each in the frame given. A blank PO (one
// without a "Submitted To:" block) has ruled writing lines instead of the item lines. False when
// the printing failed.
bool PrintPOPages(const DocumentFrame &frame, const std::vector<POLine> &lines,
                  const PODelivery &delivery);
