#pragma once

#include <QList>
#include <QString>

#include <functional>

// A word of a printed PDF as pdftotext -bbox reads it back: points from the page's top-left.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
    int page;
    double height() const { return yMax - yMin; }
};

// Answers the next print dialog by printing to the PDF file at path; afterAccept runs once the
// dialog has been accepted, before the program goes on to print.
void PrintToPdf(const QString &path, const std::function<void()> &afterAccept = {});
// Answers the next print dialog by printing to the system queue of that name, with the copies
// and the paper ("Letter", "A4") chosen in the dialog as a user does; afterAccept as above.
void PrintToQueue(const QString &queue, int copies, const QString &paper,
                  const std::function<void()> &afterAccept = {});
// Cancels the next print dialog.
void CancelPrintDialog();
// Answers the next print preview: prints from it, or closes it; seen is first told the number of
// pages it shows.
void AnswerPreview(bool print, const std::function<void(int pages)> &seen = {});

QList<PdfWord> ReadPdfWords(const QString &path);
int PdfPageCount(const QString &path);
// The first word with that text (on that page, 1-based, when page > 0); a word with empty text
// when there is none.
PdfWord FindWord(const QList<PdfWord> &words, const QString &text, int page = 0);
// The words printed on the same line as the word, on its page.
QList<PdfWord> LineOf(const QList<PdfWord> &words, const PdfWord &word);
QStringList WordTexts(const QList<PdfWord> &words);

// Where a position of the document lands on a Letter page printed to PDF: the printable area
// starts a quarter inch in, and framed pages spread 12,240 units over its 8-inch width.
inline double PointsX(double twips) {
    return 18 + twips / 20;
}
inline double FramePointsX(double units) {
    return 18 + units * 11520.0 / 12240 / 20;
}
inline double PointsY(double twips) {
    return 18 + twips / 20;
}
