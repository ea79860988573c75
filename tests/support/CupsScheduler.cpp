#include "CupsScheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cups/cups.h>
#include <unistd.h>

namespace {

const char CupsPdf[] = "/usr/lib/cups/backend/cups-pdf";
const char CupsPdfConf[] = "/etc/cups/cups-pdf.conf";
const char CupsPdfPpd[] = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

bool Write(const QString &path, const QString &text, QFile::Permissions permissions = {}) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size() &&
           (!permissions || file.setPermissions(permissions));
}

} // namespace

CupsScheduler::CupsScheduler() {
    const QString sbin = QStringLiteral("/usr/sbin/");
    for (const QString &need : {sbin + "cupsd", sbin + "lpadmin", sbin + "cupsreject",
                                QString(CupsPdf), QString(CupsPdfConf), QString(CupsPdfPpd)}) {
        if (!QFile::exists(need))
            m_skipReason = need + " is missing: install cups-daemon, cups-client, cups-filters "
                                  "and printer-driver-cups-pdf";
    }
    if (m_skipReason.isEmpty() && geteuid() != 0)
        m_skipReason = QStringLiteral("cups-pdf prints only for a scheduler running as root");
    if (m_skipReason.isEmpty() && !Run("/usr/bin/unshare", {"-m", "true"}).isEmpty())
        m_skipReason = QStringLiteral("no mount namespace can be made here for cups-pdf");
    if (m_skipReason.isEmpty() && !m_dir.isValid())
        m_skipReason = QStringLiteral("no temporary folder: ") + m_dir.errorString();
    if (!m_skipReason.isEmpty())
        return;

    // The folder sits right under /tmp because a socket path is limited to 107 bytes and because
    // the filters run as user lp, who must be able to reach the spool inside it.
    const QString d = m_dir.path();
    QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                 QFile::ExeGroup | QFile::ExeOther);
    for (const char *sub : {"bin/backend", "spool/tmp", "cache", "state", "ssl", "log", "out"})
        QDir(d).mkpath(sub);
    // Filters and helpers are the machine's own; only the cups-pdf backend is wrapped.
    for (const QString &entry : QDir("/usr/lib/cups").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry != "backend")
            QFile::link("/usr/lib/cups/" + entry, d + "/bin/" + entry);
    // cups-pdf reads its settings from a fixed path only, so the wrapper shows it ours there, in
    // a mount namespace of the job's own. Without arguments CUPS merely asks for devices.
    Write(d + "/bin/backend/cups-pdf",
          QString("#!/bin/sh\n[ $# -eq 0 ] && exec %1\n"
                  "exec unshare -m sh -c 'mount --bind \"$0\" %2 && exec %1 \"$@\"' %3 \"$@\"\n")
              .arg(CupsPdf, CupsPdfConf, d + "/cups-pdf.conf"),
          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Ghostscript would otherwise turn each page by its text, hiding how the filters turned it.
    Write(d + "/cups-pdf.conf",
          QString("Out %1/out\nAnonDirName %1/out\nSpool %1/spool/pdf\nLog %1/log\nLogType 1\n"
                  "GSTmp TMPDIR=%1/spool/tmp\nLabel 2\nGSCall %s -q -dCompatibilityLevel=%s "
                  "-dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile=\"%s\" "
                  "-dAutoRotatePages=/None -dAutoFilterColorImages=false -dColorImageFilter=/FlateEncode "
                  "-dPDFSETTINGS=/prepress -c -f %s\n")
              .arg(d));
    Write(d + "/cupsd.conf", QString("Listen %1/cups.sock\nBrowsing No\nWebInterface No\n"
                                     "DefaultAuthType None\nLogLevel info\n"
                                     "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n"
                                     "</Policy>\n")
                                 .arg(d));
    Write(d + "/cups-files.conf",
          QString("ServerRoot %1\nServerBin %1/bin\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                  "CacheDir %1/cache\nStateDir %1/state\nServerKeychain %1/ssl\n"
                  "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                  "PageLog %1/log/page_log\nPrintcap %1/printcap\n")
              .arg(d));

    m_hadServer = qEnvironmentVariableIsSet("CUPS_SERVER");
    m_oldServer = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QFile::encodeName(d + "/cups.sock"));
    cupsSetServer(nullptr); // forgets a server libcups may have settled on already

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.setStandardOutputFile(d + "/log/cupsd.out");
    m_cupsd.start(sbin + "cupsd", {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
    QDeadlineTimer deadline(10000);
    while (m_cupsd.state() != QProcess::NotRunning && !QFile::exists(d + "/cups.sock") &&
           !deadline.hasExpired())
        QThread::msleep(20);
    if (!QFile::exists(d + "/cups.sock")) {
        QFile log(d + "/log/error_log");
        log.open(QIODevice::ReadOnly);
        m_skipReason = "cupsd did not start: " + QString::fromUtf8(log.readAll()).trimmed();
    } else if (const QString error = Run(sbin + "lpadmin", {"-p", Queue(), "-E", "-v",
                                                          "cups-pdf:/", "-P", CupsPdfPpd});
               !error.isEmpty()) {
        m_skipReason = "lpadmin could not add the cups-pdf queue: " + error;
    }
    if (!m_skipReason.isEmpty())
        Stop();
}

CupsScheduler::~CupsScheduler() {
    Stop();
    if (m_hadServer)
        qputenv("CUPS_SERVER", m_oldServer);
    else
        qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
}

QStringList CupsScheduler::OutputPdfs() const {
    QStringList paths;
    const QDir out(m_dir.path() + "/out");
    // cups-pdf ends each name with "job_<id>.pdf"; ordering by time keeps job 10 after job 9.
    for (const QString &name : out.entryList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed))
        paths << out.filePath(name);
    return paths;
}

bool CupsScheduler::WaitForOutput(int count, int timeoutMs) {
    cups_job_t *jobs = nullptr;
    for (QDeadlineTimer deadline(timeoutMs);; QThread::msleep(50)) {
        // The backend exits only after Ghostscript has finished the PDF.
        const int active =
            cupsGetJobs(&jobs, Queue().toUtf8().constData(), 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(active, jobs);
        if (active == 0 && OutputPdfs().size() >= count)
            return true;
        if (deadline.hasExpired() || m_cupsd.state() == QProcess::NotRunning)
            return false;
    }
}

QMap<QString, QString> CupsScheduler::LastJobAttributes() const {
    cups_job_t *jobs = nullptr;
    const int n = cupsGetJobs(&jobs, Queue().toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    int last = 0;
    for (int i = 0; i < n; ++i)
        last = qMax(last, jobs[i].id);
    cupsFreeJobs(n, jobs);
    QMap<QString, QString> attributes;
    if (last == 0)
        return attributes;
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 ("ipp://localhost/printers/" + Queue()).toUtf8().constData());
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", last);
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    for (ipp_attribute_t *a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        char value[1024];
        if (ippGetName(a) && ippGetGroupTag(a) == IPP_TAG_JOB) {
            ippAttributeString(a, value, sizeof value);
            attributes.insert(ippGetName(a), QString::fromUtf8(value));
        }
    }
    ippDelete(response);
    return attributes;
}

bool CupsScheduler::RejectJobs() {
    return m_skipReason.isEmpty() && Run("/usr/sbin/cupsreject", {Queue()}).isEmpty();
}

void CupsScheduler::Stop() {
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(5000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

QString CupsScheduler::Run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished(5000);
        return program + " did not finish";
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return {};
    const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
    return output.isEmpty() ? program + " failed" : output;
}
