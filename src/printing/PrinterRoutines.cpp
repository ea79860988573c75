#include "printing/PrinterRoutines.h"

#include "base/BasicDiskRoutines.h"
#include "base/CommonDialog.h"
#include "base/Rev11Common.h"
#include "common/Cp1252.h"
#include "common/StorableText.h"
#include "common/Variables.h"
#include "printing/Printer.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QRegularExpression>

#include <cmath>

namespace {

// Below this a printed text is hard to read: a text that does not fit even so is cut short.
constexpr double SmallestFittedPoints = 7;

} // namespace

void SetUpPrinter(const QString &orientation, int colourFlag) {
    Printer &printer = Printer::Current();
    printer.StartDocument();
    printer.SetColorMode(colourFlag != 0 ? 2 : 1);
    printer.SetOrientation(orientation == QLatin1String("Portrait") ? 1 : 2);
    printer.SetScaleWidth(0);
    printer.SetFontName(PrintFontName);
    printer.ForeColor = 0;
    SetPrintFont(0, false, false);
}

void PrintFitted(double x, double width, const QString &text, bool endLine, bool alignRight) {
    Printer &printer = Printer::Current();
    const double size = printer.FontSize();
    const double y = printer.CurrentY;
    const double lineHeight = printer.TextHeight();
    const double ascent = printer.TextAscent();
    QString shown = text;
    double wide = printer.TextWidth(text);
    if (wide > width) {
        const double smallest = std::min(size, SmallestFittedPoints);
        // Text widths grow with the point size: start from the size that should just fit.
        double fitted = std::max(smallest, std::floor(size * width / wide * 2) / 2);
        printer.SetFontSize(fitted);
        while (fitted > smallest && printer.TextWidth(text) > width) {
            fitted = std::max(smallest, fitted - 0.5);
            printer.SetFontSize(fitted);
        }
        shown = printer.ElidedText(text, width);
        wide = printer.TextWidth(shown);
        // The smaller text keeps the line's base line.
        printer.CurrentY = y + ascent - printer.TextAscent();
    }
    printer.CurrentX = alignRight ? x + width - wide : x;
    printer.Print(shown, false);
    printer.SetFontSize(size);
    printer.CurrentY = y;
    if (endLine) {
        printer.CurrentX = 0;
        printer.CurrentY = y + lineHeight;
    }
}

void PrintRight(double rightEdge, double width, const QString &text, bool endLine) {
    PrintFitted(rightEdge - width, width, text, endLine, true);
}

void MoveToInches(double x, double y) {
    Printer &printer = Printer::Current();
    if (x > 0)
        printer.CurrentX = x * 1440;
    if (y > 0)
        printer.CurrentY = y * 1440;
}

void SetPrintFont(int size, bool bold, bool underline) {
    Printer &printer = Printer::Current();
    printer.SetFontSize(size);
    printer.SetFontBold(bold);
    printer.SetFontUnderline(underline);
}

QStringList WrapText(const QString &text, int width) {
    const Printer &printer = Printer::Current();
    const double room = width - 20;
    QStringList lines;
    QString rest = text;
    do {
        // Lines break after a space: take the longest run of words that still fits.
        int fitted = 0; // length of the longest fitting candidate, its space included
        int tooWide = -1;
        for (int space = rest.indexOf(u' '); space >= 0; space = rest.indexOf(u' ', space + 1)) {
            if (printer.TextWidth(rest.left(space + 1)) > room) {
                tooWide = space + 1;
                break;
            }
            fitted = space + 1;
        }
        int take = rest.size();
        if (tooWide >= 0)
            take = fitted > 0 ? fitted : tooWide; // a word too wide for the column goes alone
        else if (fitted > 0 && printer.TextWidth(rest) > room)
            take = fitted;
        lines << rest.left(take);
        rest = rest.mid(take);
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
    } while (!rest.isEmpty());
    return lines;
}

void PrintWrapped(int x, int y, int width, int /*spare*/, const QString &text) {
    Printer &printer = Printer::Current();
    printer.CurrentY = y;
    for (const QString &line : WrapText(text, width)) {
        printer.CurrentX = x;
        printer.Print(line);
    }
}

QStringList InstructionLines(const QString &text) {
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(u'\n');
}

void WriteInstructionsFile(const QString &name, const QString &text) {
    DeleteDataFile(name);
    const QString lines = StorableText(text, StoredAs::PlainLines);
    WriteWholeFile(name, ToCp1252(InstructionLines(lines).join(QLatin1String("\r\n"))) + "\r\n");
}

bool ShowPrintDialog(const QString &docName) {
    Printer::Current().ResetChoices();
    QPrinter &device = Printer::Current().device();
    // A print queue and a PDF viewer show what the document is and where it came from.
    device.setDocName(docName);
    device.setCreator(ProductName + u' ' + ProgramVersion.toString());
    QPrintDialog dialog(&device, DialogParent());
    // No page range: every document prints whole. "Print to File (PDF)" stays among the
    // printers: on a desktop without one it is the only way to print.
    dialog.setOptions(QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile |
                      QAbstractPrintDialog::PrintShowPageSize);
    // A PDF goes where the user keeps documents, under the document's name: left to itself
    // the dialog would propose the folder the program was started from, the data folder.
    if (auto *file = dialog.findChild<QLineEdit *>(QStringLiteral("filename"))) {
        QString name = docName;
        name.replace(QRegularExpression(QStringLiteral("[/\\:*?\"<>|]")), QStringLiteral("-"));
        file->setText(DocumentsFolder().filePath(name + QStringLiteral(".pdf")));
    }
    return dialog.exec() == QDialog::Accepted;
}

void ReportPrintError() {
    // The print system's own reason helps the user put the printer right.
    const QString reason = Printer::Current().LastError();
    MsgBox(QStringLiteral("A Print Error has occurred") +
               (reason.isEmpty() ? QString() : QStringLiteral("\n\n") + reason),
           QMessageBox::Ok, QStringLiteral("Print Error"));
}
