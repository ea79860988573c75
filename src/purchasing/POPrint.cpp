#include "purchasing/POPrint.h"

#include "printing/InventoryForm.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"

namespace {

constexpr double Inch = 1440;
constexpr double LinesBottom = 12240; // 8.5 in, where the delivery block begins
constexpr double DeliveryBottom = 13536;
constexpr double Gap = 72; // between a text and the frame's column rule

void PrintPOHeadings() {
    Printer &printer = Printer::Current();
    MoveToInches(0, 4.05);
    const std::pair<const char *, double> headings[] = {
        {"ORDERED", 0.4}, {"FILLED", 1.5}, {"DESCRIPTION", 3.2}, {"COST", 6.1}, {"EXTENSION", 7.2}};
    for (const auto &[text, x] : headings) {
        printer.CurrentX = x * Inch;
        printer.Print(QString::fromLatin1(text), QLatin1String(text) == "EXTENSION");
    }
    printer.ForeColor = 0;
    SetPrintFont(10, false, false);
}

void StartPage(const DocumentFrame &frame) {
    PrintDocumentFrame(frame, 1.0, 0.6);
    PrintPOHeadings();
}

void StartLines() {
    Printer::Current().Print();
    MoveToInches(0.75, 4.3);
}

void PrintPOLines(const DocumentFrame &frame, const std::vector<POLine> &lines) {
    Printer &printer = Printer::Current();
    StartLines();
    for (const POLine &line : lines) {
        if (printer.Cancelled())
            break;
        if (line.Quantity == QLatin1String("0"))
            continue;
        if (printer.CurrentY + printer.TextHeight(line.Quantity) >= LinesBottom) {
            printer.NewPage();
            StartPage(frame);
            StartLines();
        }
        // Each text keeps within the frame's column rules at 1800, 7920, 10080 and 11880.
        PrintRight(1296, 1296 - 360 - Gap, line.Quantity);
        PrintFitted(2.4 * Inch, 7920 - 2.4 * Inch - Gap, line.Description);
        PrintRight(9360, 9360 - 7920 - Gap, line.Cost);
        PrintRight(11376, 11376 - 10080 - Gap, line.Extension, true);
        printer.CurrentY += 100;
        printer.Line(360, printer.CurrentY, 11880, printer.CurrentY);
        printer.CurrentY += 100;
    }
}

void PrintDeliveryText(const QString &text) {
    Printer &printer = Printer::Current();
    const QStringList lines = InstructionLines(text);
    printer.ForeColor = 0x0000FF; // red
    MoveToInches(1.3, 8.5);
    for (const QString &line : lines) {
        if (printer.CurrentY > DeliveryBottom)
            break; // the room above the frame's foot is full
        PrintWrapped(1872, int(printer.CurrentY), 7632, 720, line);
    }
    // Even when the text was cut off there: nothing after it is meant to be red.
    printer.ForeColor = 0;
}

} // namespace

bool PrintPOPages(const DocumentFrame &frame, const std::vector<POLine> &lines,
                  const PODelivery &delivery) {
    Printer &printer = Printer::Current();
    StartPage(frame);
    if (!frame.SubmittedTo) {
        DrawBlankOrderLines();
    } else {
        PrintPOLines(frame, lines);
        SetPrintFont(12, true, false);
        MoveToInches(0.3, 8.5);
        printer.Print(QStringLiteral("Deliver to:"));
    }
    if (!delivery.Text.isEmpty()) {
        PrintDeliveryText(delivery.Text);
    } else if (delivery.HoldForPickup) {
        MoveToInches(1.3, 8.6);
        printer.Print(QStringLiteral("Hold for Pickup at Counter"));
    } else {
        PrintBusinessHeader(1.3, 8.5, 12, 10080 - 1.3 * Inch - Gap);
    }
    return printer.EndDoc();
}
