#pragma once

#include <QDate>
#include <QString>

#include <vector>

// The printed picklist: the page frame titled "Picklist" with the date it is needed by, the
// column headings, the special instructions and the lines to pick.

struct PicklistLine {
    QString quantity;
    QString description;
};

// The pages on the printer SetUpPrinter has prepared. Instructions too long for the room above
// the headings go on to pages of their own after the lines. False when the printing failed.
bool PrintPicklistPages(const std::vector<PicklistLine> &lines, const QString &instructions,
                        const QDate &needBy);
