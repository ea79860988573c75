#include "stock/PicklistPrint.h"

#include "printing/InventoryForm.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

#include <QStringList>

namespace {

constexpr double Inch = 1440;
constexpr double HeaderBoxBottom = 5040; // the frame's header box: the instructions stay in it
constexpr double LinesBottom = 12240;    // 8.5 in, where the ruled body of the frame ends
constexpr double PageBottom = 14400;     // 10 in
constexpr double Gap = 72;               // between a text and the frame's column rule

void PrintHeadings() {
    Printer &printer = Printer::Current();
    MoveToInches(0.6, 4.05);
    printer.Print(QStringLiteral("QTY"), false);
    printer.CurrentX = 1.4 * Inch;
    printer.Print(QStringLiteral("PICKED"), false);
    printer.CurrentX = 2.5 * Inch;
    printer.Print(QStringLiteral("DESCRIPTION"));
    printer.ForeColor = 0;
    SetPrintFont(10, false, false);
}

// Gives back the y below the business header.
double StartPage(const QDate &needBy) {
    DocumentFrame frame;
    frame.Title = QStringLiteral("Picklist");
    frame.NeedBy = needBy;
    const double headerEnd = PrintDocumentFrame(frame, 1.0, 0.6);
    PrintHeadings();
    return headerEnd;
}

void PrintInstructionsHeading(const QString &heading, double y) {
    MoveToInches(1.0, 0);
    Printer::Current().CurrentY = y;
    SetPrintFont(12, true, true);
    Printer::Current().Print(heading);
    Printer::Current().Print();
    SetPrintFont(10, false, false);
}

// Prints the instructions under their heading in the header box, below the business header, as
// far as they fit above the box's bottom edge, and gives back the wrapped lines that did not fit.
QStringList PrintInstructions(const QString &instructions, double headerEnd) {
    if (instructions.isEmpty())
        return {};
    Printer &printer = Printer::Current();
    PrintInstructionsHeading(QStringLiteral("INSTRUCTIONS:"),
                             std::max(1.75 * Inch, headerEnd + 0.05 * Inch));
    QStringList rest;
    for (const QString &line : InstructionLines(instructions)) {
        for (const QString &wrapped : WrapText(line, 10080)) {
            if (!rest.isEmpty() || printer.CurrentY + printer.TextHeight() > HeaderBoxBottom) {
                rest << wrapped;
                continue;
            }
            printer.CurrentX = Inch;
            printer.Print(wrapped);
        }
    }
    printer.ForeColor = 0;
    return rest;
}

// What did not fit in the header box, on pages of its own after the lines.
void PrintMoreInstructions(const QStringList &rest) {
    Printer &printer = Printer::Current();
    const QString heading = QStringLiteral("INSTRUCTIONS (continued):");
    for (int k = 0; k < rest.size(); ++k) {
        if (k == 0 || printer.CurrentY + printer.TextHeight() > PageBottom) {
            printer.NewPage();
            PrintInstructionsHeading(heading, 0.75 * Inch);
        }
        printer.CurrentX = Inch;
        printer.Print(rest.at(k));
    }
}

} // namespace

bool PrintPicklistPages(const std::vector<PicklistLine> &lines, const QString &instructions,
                        const QDate &needBy) {
    Printer &printer = Printer::Current();
    const QStringList rest = PrintInstructions(instructions, StartPage(needBy));
    printer.Print();
    MoveToInches(0.75, 4.3);
    for (const PicklistLine &line : lines) {
        if (printer.Cancelled())
            break;
        if (line.quantity == QLatin1String("0"))
            continue;
        if (printer.CurrentY + printer.TextHeight(line.quantity) >= LinesBottom) {
            printer.NewPage();
            StartPage(needBy);
            printer.Print();
            MoveToInches(0.75, 4.3);
        }
        // Each text keeps within the frame's column rules at 1800 and 7920.
        PrintRight(1296, 1296 - 360 - Gap, line.quantity);
        PrintFitted(2.4 * Inch, 7920 - 2.4 * Inch - Gap, line.description, true);
    }
    PrintMoreInstructions(rest);
    return printer.EndDoc();
}
