#include "CupsScheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <csignal>
#include <cups/cups.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString CupsPdf = "/usr/lib/cups/backend/cups-pdf";
const QString CupsPdfConf = "/etc/cups/cups-pdf.conf";
const QString CupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

// Nobody signs in, so everything is open to everyone, job names included. A job that fails is
// dropped instead of stopping the queue for the jobs after it.
const char CupsdConf[] = R"(Listen %1/cups.sock
Browsing No
ErrorPolicy abort-job
<Policy default>
JobPrivateAccess all
JobPrivateValues none
<Limit All>
Order deny,allow
</Limit>
</Policy>
)";
// Every path is set: one left out would be the machine's own, in /etc/cups, /run/cups, /var/...
const char CupsFilesConf[] = R"(ServerRoot %1
ServerBin %1/bin
RequestRoot %1/spool
TempDir %1/spool/tmp
CacheDir %1/cache
StateDir %1/state
ServerKeychain %1/ssl
ErrorLog %1/log/error_log
AccessLog %1/log/access_log
PageLog %1/log/page_log
Printcap %1/printcap
)";
// Ghostscript's turning of each page by the direction of its text is off: it would hide how the
// filters turned the page. "Label 2" ends every file name with "-job_<id>".
const char CupsPdfSettings[] = R"(Out %1/out
AnonDirName %1/out
Spool %1/spool/pdf
GSTmp %1/spool/tmp
Log %1/log
LogType 1
Label 2
GSCall %s -q -dCompatibilityLevel=%s -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile="%s" -dAutoRotatePages=/None -dAutoFilterColorImages=false -dColorImageFilter=/FlateEncode -dPDFSETTINGS=/prepress -c -f %s
)";
// cups-pdf reads its settings from one fixed path only, so the backend is wrapped to show it ours
// there, in a mount namespace of the job's own. Without arguments CUPS merely asks for devices.
const char Backend[] = R"(#!/bin/sh
[ $# -eq 0 ] && exec %2
exec unshare -m sh -c 'mount --bind "$0" %3 && exec %2 "$@"' %1/cups-pdf.conf "$@"
)";

bool Write(const QString &dir, const char *name, const char *text) {
    QFile file(dir + "/" + name);
    const QByteArray bytes =
        QString(text).replace("%1", dir).replace("%2", CupsPdf).replace("%3", CupsPdfConf).toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

CupsScheduler::CupsScheduler()
    : m_oldServer(qgetenv("CUPS_SERVER")), m_hadServer(qEnvironmentVariableIsSet("CUPS_SERVER")) {
    for (const QString &need : {QString("/usr/sbin/cupsd"), QString("/usr/sbin/lpadmin"),
                                QString("/usr/sbin/cupsreject"), CupsPdf, CupsPdfConf, CupsPdfPpd})
        if (!QFile::exists(need))
            m_skipReason = need + " is missing: install cups and printer-driver-cups-pdf";
    if (m_skipReason.isEmpty() && geteuid() != 0)
        m_skipReason = "cups-pdf prints only for a scheduler running as root";
    else if (m_skipReason.isEmpty() && !Run("unshare", {"-m", "true"}).isEmpty())
        m_skipReason = "no mount namespace can be made here for cups-pdf";
    else if (m_skipReason.isEmpty() && !m_dir.isValid())
        m_skipReason = "no temporary folder: " + m_dir.errorString();
    if (!m_skipReason.isEmpty())
        return;

    // The filters run as user lp, who must be able to pass through to the spool folder.
    const QString d = m_dir.path();
    QFile::setPermissions(d, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                 QFile::ExeGroup | QFile::ExeOther);
    for (const char *sub : {"bin/backend", "spool/tmp", "cache", "state", "ssl", "log", "out"})
        QDir(d).mkpath(sub);
    for (const QString &entry : QDir("/usr/lib/cups").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry != "backend")
            QFile::link("/usr/lib/cups/" + entry, d + "/bin/" + entry);
    if (!Write(d, "cupsd.conf", CupsdConf) || !Write(d, "cups-files.conf", CupsFilesConf) ||
        !Write(d, "cups-pdf.conf", CupsPdfSettings) || !Write(d, "bin/backend/cups-pdf", Backend)) {
        m_skipReason = "could not write the scheduler's settings in " + d;
        return;
    }
    // CUPS runs a backend as root only when nobody else may read or run it.
    QFile::setPermissions(d + "/bin/backend/cups-pdf",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    qputenv("CUPS_SERVER", QFile::encodeName(d + "/cups.sock"));
    cupsSetServer(nullptr); // forgets a server libcups may have settled on already
    // A test that crashes or is killed takes the scheduler with it.
    m_cupsd.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.setStandardOutputFile(d + "/log/cupsd.out");
    m_cupsd.start("/usr/sbin/cupsd", {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
    for (QDeadlineTimer deadline(10000); m_cupsd.state() != QProcess::NotRunning &&
                                         !QFile::exists(d + "/cups.sock") &&
                                         !deadline.hasExpired();)
        QThread::msleep(20);
    if (!QFile::exists(d + "/cups.sock")) {
        QFile log(d + "/log/error_log");
        m_skipReason = "cupsd did not start: " +
                       (log.open(QIODevice::ReadOnly) ? log.readAll().right(500) : QByteArray());
    } else if (const QString error = Run("/usr/sbin/lpadmin", {"-p", Queue(), "-E", "-v",
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
    // By time rather than by name, which would put job 10 before job 9.
    for (const QString &name : out.entryList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed))
        paths << out.filePath(name);
    return paths;
}

bool CupsScheduler::WaitForOutput(int count, int timeoutMs) {
    for (QDeadlineTimer deadline(timeoutMs);; QThread::msleep(50)) {
        // The backend exits only after Ghostscript has finished the PDF.
        cups_job_t *jobs = nullptr;
        const int active = cupsGetJobs(&jobs, "VelborPDF", 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(active, jobs);
        if (active == 0 && OutputPdfs().size() >= count)
            return true;
        if (deadline.hasExpired() || m_cupsd.state() == QProcess::NotRunning)
            return false;
    }
}

QMap<QString, QString> CupsScheduler::LastJobAttributes() const {
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs(&jobs, "VelborPDF", 0, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = qMax(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    // Asked for one by one, because Get-Jobs answers with a summary only for a finished job that
    // the scheduler has already put away.
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 "ipp://localhost/printers/VelborPDF");
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", newest);
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QMap<QString, QString> job;
    for (ipp_attribute_t *a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        char value[2048];
        if (ippGetName(a) && ippGetGroupTag(a) == IPP_TAG_JOB) {
            ippAttributeString(a, value, sizeof value);
            job.insert(ippGetName(a), QString::fromUtf8(value));
        }
    }
    ippDelete(response);
    return job;
}

bool CupsScheduler::RejectJobs() {
    return m_skipReason.isEmpty() && Run("/usr/sbin/cupsreject", {Queue()}).isEmpty();
}

bool CupsScheduler::AcceptJobs() {
    return m_skipReason.isEmpty() && Run("/usr/sbin/cupsaccept", {Queue()}).isEmpty();
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
    return program + " failed: " + QString::fromLocal8Bit(process.readAll()).trimmed();
}
