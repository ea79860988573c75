#pragma once

#include <QString>

// Hands a drawn PDF to a CUPS queue ourselves: Qt's CUPS print engine submits its job at the end
// of the document and never looks at CUPS's answer, so a stopped scheduler or a queue that
// refuses jobs would pass for a printed document.

struct CupsJobOptions {
    int Copies = 1;
    bool Collate = false;
    // The page size's name, e.g. "Letter", "A4". The orientation needs no option: the PDF's
    // pages are drawn landscape where the document is, and CUPS turns them onto the sheet.
    QString Media;
};

// True where this build submits through libcups; elsewhere Qt's own print engine prints.
bool CupsAvailable();

// Submits the PDF file as one job named title; empty when CUPS accepted it, else CUPS's reason.
QString SubmitCupsJob(const QString &queue, const QString &pdfFile, const QString &title,
                      const CupsJobOptions &options);
