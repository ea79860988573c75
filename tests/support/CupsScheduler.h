#pragma once

#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own, in a temporary folder, with one cups-pdf queue: printing
// goes through libcups, the scheduler, the filters and a real backend, and what arrived can be
// read back. The machine's own CUPS set-up and scheduler are never touched or relied on.
// cups-pdf only runs as root, so as any other user the scheduler is skipped.
class CupsScheduler {
public:
    // Points this process's libcups (and Qt through it) at the scheduler until destruction.
    CupsScheduler();
    ~CupsScheduler();
    CupsScheduler(const CupsScheduler &) = delete;
    CupsScheduler &operator=(const CupsScheduler &) = delete;

    // Empty while the scheduler runs; otherwise why a test should be skipped.
    QString SkipReason() const { return m_skipReason; }
    QString Queue() const { return QStringLiteral("VelborPDF"); }

    // The PDFs written so far, oldest job first.
    QStringList OutputPdfs() const;
    // True once that many PDFs exist and no job is left to run, so each of them is complete.
    bool WaitForOutput(int count, int timeoutMs = 20000);
    // The newest job as the scheduler kept it, each attribute as text: "copies" "2",
    // "media" "A4", "Collate" "true", "job-name", "job-impressions-completed" "4" ...
    // The filters make copies into the PDF only when they are to be collated (Qt always asks
    // so); other copies are left to the printer, which cups-pdf ignores.
    QMap<QString, QString> LastJobAttributes() const;

    bool RejectJobs();
    bool AcceptJobs();
    // Printing then fails as on a machine whose CUPS is down: CUPS_SERVER still points here.
    void Stop();

private:
    // Empty when the program succeeded, else what it said.
    static QString Run(const QString &program, const QStringList &arguments);

    // Not under TMPDIR: the path of a socket may be no longer than 107 bytes.
    QTemporaryDir m_dir{QStringLiteral("/tmp/velbor-cups-XXXXXX")};
    QProcess m_cupsd;
    QString m_skipReason;
    QByteArray m_oldServer;
    bool m_hadServer = false;
};
