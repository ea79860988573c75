#include "CupsScheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <cups/cups.h>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString CupsPdf = "/usr/lib/cups/backend/cups-pdf";
const QString CupsPdfConf = "/etc/cups/cups-pdf.conf";
const QString CupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

// Nobody signs in, so everything is open to everyone, job names included.
const char CupsdConf[] = R"(Listen %1/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Policy default>
JobPrivateAccess all
JobPrivateValues none
SubscriptionPrivateAccess all
SubscriptionPrivateValues none
<Limit All>
Order deny,allow
</Limit>
</Policy>
)";
// The printcap and the logs too would otherwise go to the machine's own places.
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

bool Write(const QString &path, const char *text) {
    QFile file(path);
    const QByteArray bytes = QString(text).arg(QFileInfo(path).path(), CupsPdf, CupsPdfConf).toUtf8();
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
    Write(d + "/cupsd.conf", CupsdConf);
    Write(d + "/cups-files.conf", CupsFilesConf);
    Write(d + "/cups-pdf.conf", CupsPdfSettings);
    // Only a backend that the others cannot read or run is run by CUPS as root.
    if (Write(d + "/bin/backend/cups-pdf", Backend.replace...
