#include "support/DataFolder.h"
#include "support/SaveKinds.h"

// Every write, flush, sync and rename of every save failed in turn: each time the save reports
// it, and the files are as they were, with nothing left beside them.
class TestSaveFaults : public QObject {
    Q_OBJECT
    int Faults = 0;
private slots:
    void everyFailedStepKeepsTheFiles_data() { AddSaveKindRows(); }
    void everyFailedStepKeepsTheFiles() {
        QFETCH(QString, kind);
        const SaveKind &save = FindSaveKind(kind);
        for (int k = 1;; ++k) {
            TestDataFolder data;
            save.prepare();
            const FolderSnapshot before = Snapshot(AppPath());
            FailDiskOperation(k);
            const bool saved = save.save(1);
            const bool faulted = DiskOperationsCounted() >= k;
            FailDiskOperation(0);
            if (!faulted) { // every step has failed once
                QVERIFY(saved);
                QVERIFY(k > 3);
                break;
            }
            ++Faults;
            const FolderSnapshot after = Snapshot(AppPath());
            QVERIFY2(!saved, qPrintable(QStringLiteral("step %1 failed unreported").arg(k)));
            QCOMPARE(after.keys(), before.keys());
            QVERIFY2(Checked(after, save) == Checked(before, save),
                     qPrintable(QStringLiteral("step %1 changed the files").arg(k)));
        }
    }
    void cleanupTestCase() { qInfo("%d disk faults injected", Faults); }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
