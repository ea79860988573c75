#include "printing/CupsJob.h"

#ifdef VELBOR_HAVE_CUPS
#include <cups/cups.h>

#include <QFile>

#include <algorithm>

bool CupsAvailable() {
    return true;
}

QString SubmitCupsJob(const QString &queue, const QString &pdfFile, const QString &title,
                      const CupsJobOptions &options) {
    cups_option_t *list = nullptr;
    int count = 0;
    const QByteArray copies = QByteArray::number(std::max(1, options.Copies));
    count = cupsAddOption("copies", copies.constData(), count, &list);
    if (options.Copies > 1)
        count = cupsAddOption("collate", options.Collate ? "true" : "false", count, &list);
    const QByteArray media = options.Media.toUtf8();
    if (!media.isEmpty())
        count = cupsAddOption("media", media.constData(), count, &list);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(),
                                   QFile::encodeName(pdfFile).constData(),
                                   title.toUtf8().constData(), count, list);
    cupsFreeOptions(count, list);
    if (job > 0)
        return QString();
    const QString reason = QString::fromUtf8(cupsLastErrorString());
    // Without a scheduler to answer, libcups only knows why its connection failed ("No such file
    // or directory"), which tells a user nothing.
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_ERROR_INTERNAL || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return QStringLiteral("The print service (CUPS) could not be reached: ") + reason;
    return reason.isEmpty() ? QStringLiteral("The printer did not take the document.") : reason;
}

#else

bool CupsAvailable() {
    return false;
}

QString SubmitCupsJob(const QString &, const QString &, const QString &, const CupsJobOptions &) {
    return QStringLiteral("This program was built without CUPS.");
}

#endif
