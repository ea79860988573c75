#include "base/StockHistory.h"
#include "support/DataFolder.h"
#include "support/SaveKinds.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Older than a save still under way could be, as at the next start after a crash.
void Age(const QString &folder) {
    const timespec past[2] = {{time(nullptr) - 600, 0}, {time(nullptr) - 600, 0}};
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        utimensat(AT_FDCWD, QFile::encodeName(it.next()).constData(), past, 0);
}

// The Backup folder holds one set whole; any other file is one version of itself (or missing
// where a version has none): a new file beside an old copy is what any save keeping it leaves.
bool OneVersion(const FolderSnapshot &after, const QList<FolderSnapshot> &versions,
                const SaveKind &kind, const QSet<QString> &names) {
    if (!kind.checked.isEmpty())
        return versions.contains(Checked(after, kind));
    for (const QString &name : names) {
        const std::optional<QByteArray> now =
            after.contains(name) ? std::optional(after[name]) : std::nullopt;
        if (std::none_of(versions.begin(), versions.end(), [&](const FolderSnapshot &version) {
                return now ==
                       (version.contains(name) ? std::optional(version[name]) : std::nullopt);
            }))
            return false;
    }
    return true;
}

} // namespace

// Each save killed at random moments: after the next start every file is the version before or
// after, and nothing is left beside them.
class TestKill : public QObject {
    Q_OBJECT
    int Kills = 0;
private slots:
    void killedSavesLeaveOneVersion_data() { AddSaveKindRows(); }
    void killedSavesLeaveOneVersion() {
        QFETCH(QString, kind);
        const SaveKind &save = FindSaveKind(kind);
        QList<FolderSnapshot> versions;
        QSet<QString> names;
        {
            TestDataFolder data;
            save.prepare();
            for (int version : {-1, 1, 0}) {
                QVERIFY(version < 0 || save.save(version));
                const FolderSnapshot all = Snapshot(AppPath());
                versions << Checked(all, save);
                for (const QString &name : all.keys())
                    names << name;
            }
        }
        bool set = false;
        const int kills = qEnvironmentVariableIntValue("VELBOR_KILLS", &set);
        for (int n = 0; n < (set ? kills : 20); ++n, ++Kills) {
            TestDataFolder data;
            save.prepare();
            QProcess worker;
            worker.start(QStringLiteral(SAVE_WORKER), {kind, AppPath()});
            QVERIFY(worker.waitForReadyRead(10000));
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            worker.kill();
            QVERIFY(worker.waitForFinished(10000));

            Age(AppPath());
            SetAppPath(AppPath());
            RemoveUnfinishedSaves();
            if (save.restart) {
                const QString disagrees = save.restart();
                QVERIFY2(disagrees.isEmpty(), qPrintable(disagrees));
            }
            const FolderSnapshot after = Snapshot(AppPath());
            QVERIFY2(OneVersion(after, versions, save, names),
                     qPrintable(QStringLiteral("kill %1 left a mix").arg(n)));
            // A journal whose header is zeroed belongs to a transaction that had committed: it
            // is not hot, and the database's next write takes it over.
            const QString journal = StockHistory::FileName().mid(1) + QStringLiteral("-journal");
            for (const QString &name : after.keys())
                QVERIFY2(names.contains(name) ||
                             (name == journal &&
                              after[name].left(8).count('\0') == after[name].left(8).size()),
                         qPrintable(name + QStringLiteral(" was left")));
        }
    }
    void cleanupTestCase() { qInfo("%d saves killed", Kills); }
};

QTEST_MAIN(TestKill)
#include "tst_kill.moc"
