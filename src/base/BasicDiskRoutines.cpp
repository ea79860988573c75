#include "base/BasicDiskRoutines.h"

#include "base/StockHistory.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cmath>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

QString DataFolderPath;

const char *const SharedGroup[] = {"CompanyLogo", "CustomerData",   "AuxHeadings", "LogoSettings",
                                   "Phone",       "MyBusinessData", "PrintColors", "SoldItems",
                                   "MyWebSite",   "TaxRecords",     "SpeedNumbers"};
const char *const InventoryGroup[] = {
    "VIVInfo",  "VIInventoriedItems", "VendorData", "PicklistInstructions", "Locations", "PONumber",
    "Delivery", "InventoryInfo",      "Services",   "CustomItems"};

// "\\Phone.txt" and "/Phone.txt" both become "/Phone.txt".
QString RelativeName(const QString &name) {
    QString relative = name;
    relative.replace(u'\\', u'/');
    if (!relative.startsWith(u'/'))
        relative.prepend(u'/');
    return relative;
}

QString BackupName(const QString &name) {
    return QStringLiteral("/Backup") + RelativeName(name);
}

QString BackupFolderPath() {
    return DataFolderPath + QStringLiteral("/Backup");
}

// The exit backup builds its new set here and swaps it with the Backup folder in one step.
QString StagingFolderPath() {
    return DataFolderPath + QStringLiteral("/Backup.new");
}

// Where a system that cannot swap two folders at once moves the old set aside meanwhile.
QString RetiredFolderPath() {
    return DataFolderPath + QStringLiteral("/Backup.old");
}

void EnsureBackupFolder() {
    if (DataFolderPath.isEmpty())
        return;
    // An exit backup cut short between its two renames left the previous set aside.
    if (!QFileInfo(BackupFolderPath()).isDir() && QFileInfo(RetiredFolderPath()).isDir())
        QDir().rename(RetiredFolderPath(), BackupFolderPath());
    QDir().mkpath(BackupFolderPath());
}

// What a save cut short leaves: the file's name, a dot and six letters or digits, or the
// scratch file of a record deletion.
bool IsUnfinishedSave(const QString &fileName) {
    static const QRegularExpression unfinished(
        QStringLiteral("^.+\\.(txt|tmp|url)\\.[A-Za-z0-9]{6}$|^(Inventory|Contact)\\.TMP$"),
        QRegularExpression::CaseInsensitiveOption);
    return unfinished.match(fileName).hasMatch();
}

int DiskOperations = 0;
int FailingOperation = 0;

// Every write, flush, sync and rename of a save passes here first, so that a test can make
// any one of them fail.
bool Faulted() {
    return ++DiskOperations == FailingOperation;
}

bool WriteAll(QIODevice &device, const QByteArray &bytes) {
    return !Faulted() && device.write(bytes) == bytes.size();
}

// Until the system has the bytes on the disk, a power cut can still take them.
bool SyncToDisk(QFileDevice &file) {
    if (Faulted() || !file.flush() || Faulted())
        return false;
#ifdef Q_OS_WIN
    return FlushFileBuffers(HANDLE(_get_osfhandle(file.handle()))) != 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// A new or renamed file is reachable after a power cut only once its folder entry is on the
// disk too.
bool SyncFolder(const QString &folder) {
#ifdef Q_OS_WIN
    Q_UNUSED(folder)
    return true; // the rename is written through
#else
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
#endif
}

// Puts from in to's place in one step: to is the old file or the new one, never neither.
bool ReplaceFile(const QString &from, const QString &to) {
    if (Faulted())
        return false;
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

// Exchanges the contents of two folders, both present, in one step where the system can; the
// other folder then holds what was in the first.
bool SwapFolders(const QString &newSet, const QString &folder) {
    if (Faulted())
        return false;
#ifdef Q_OS_LINUX
    if (renameat2(AT_FDCWD, QFile::encodeName(newSet).constData(), AT_FDCWD,
                  QFile::encodeName(folder).constData(), RENAME_EXCHANGE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    // The old set steps aside for the moment between the renames; a start after a crash just
    // then puts it back (EnsureBackupFolder).
    QDir dir;
    const QString retired = RetiredFolderPath();
    QDir(retired).removeRecursively();
    if (!dir.rename(folder, retired))
        return false;
    if (!dir.rename(newSet, folder)) {
        dir.rename(retired, folder);
        return false;
    }
    return dir.rename(retired, newSet);
}

// The last of a small file sits in the device's buffer until the commit, whose own flush
// error goes unnoticed there: on a full disk the commit would put an empty or cut file in place
// of a good one. The unfinished file goes with the QSaveFile when any step fails.
bool CommitWhole(QSaveFile &file) {
    if (!SyncToDisk(file) || Faulted() || !file.commit()) {
        file.cancelWriting();
        return false;
    }
    return SyncFolder(QFileInfo(file.fileName()).absolutePath());
}

// Replaces the destination only once the whole copy is written, so an interrupted copy never
// leaves a half file where a good one was.
bool CopyReplacing(const QString &from, const QString &to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() || !WriteAll(target, chunk)) {
            target.cancelWriting();
            return false;
        }
    }
    return CommitWhole(target);
}

} // namespace

void SetAppPath(const QString &folder) {
    DataFolderPath = QDir::cleanPath(QDir(folder).absolutePath());
    EnsureBackupFolder();
}

QString AppPath() {
    return DataFolderPath;
}

QString DataFilePath(const QString &name) {
    return DataFolderPath + RelativeName(name);
}

bool FileExistsOrRestore(const QString &name) {
    const QString path = DataFilePath(name);
    if (QFileInfo(path).isFile())
        return true;
    const QString copy = DataFilePath(BackupName(name));
    return QFileInfo(copy).isFile() && CopyReplacing(copy, path);
}

qint16 RecordCount(const QString &name, int recordLength) {
    if (recordLength <= 0 || !FileExistsOrRestore(name))
        return 0;
    const double records = double(QFileInfo(DataFilePath(name)).size()) / recordLength;
    return qint16(std::min(std::nearbyint(records), 32767.0)); // default rounding: half to even
}

std::unique_ptr<QFile> OpenForInput(const QString &name) {
    auto file = std::make_unique<QFile>(DataFilePath(name));
    if (!file->open(QIODevice::ReadOnly))
        return nullptr;
    return file;
}

std::optional<QByteArray> ReadDataFile(const QString &name) {
    if (!FileExistsOrRestore(name))
        return std::nullopt;
    const std::unique_ptr<QFile> file = OpenForInput(name);
    if (!file)
        return std::nullopt;
    return file->readAll();
}

std::optional<QByteArray> ReadRecord(const QString &name, int recordLength, int recordNumber) {
    const std::unique_ptr<QFile> file = OpenForInput(name);
    if (!file || recordNumber < 1 || !file->seek(qint64(recordNumber - 1) * recordLength))
        return std::nullopt;
    return file->read(recordLength);
}

bool WriteRecord(const QString &name, int recordLength, int recordNumber, const QByteArray &bytes) {
    const QString path = DataFilePath(name);
    const bool existed = QFileInfo(path).isFile();
    // Unbuffered, so that what a failed save wrote can be taken back before anything else
    // reaches the file.
    QFile file(path);
    if (recordNumber < 1 || !file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const qint64 at = qint64(recordNumber - 1) * recordLength, oldSize = file.size();
    if (!file.seek(at))
        return false;
    const QByteArray old = file.read(bytes.size());
    if (file.seek(at) && WriteAll(file, bytes) && SyncToDisk(file) &&
        (existed || SyncFolder(QFileInfo(path).absolutePath())))
        return true;
    // The record goes back to what it was, and half a record appended, which would be counted
    // as one more, is cut off again.
    if (file.seek(at))
        file.write(old);
    file.resize(oldSize);
    file.close();
    if (!existed)
        QFile::remove(path);
    return false;
}

bool WriteWholeFile(const QString &name, const QByteArray &bytes) {
    QSaveFile file(DataFilePath(name));
    return file.open(QIODevice::WriteOnly) && WriteAll(file, bytes) && CommitWhole(file);
}

void DeleteDataFile(const QString &name) {
    const QString path = DataFilePath(name);
    if (QFileInfo(path).isFile())
        QFile::remove(path);
}

void DeleteBackupCopy(const QString &name) {
    DeleteDataFile(BackupName(name));
}

void DeleteWithBackup(const QString &name) {
    DeleteBackupCopy(name);
    DeleteDataFile(name);
}

bool DeleteRecordThrough(const QString &name, const QString &scratchName, int recordLength,
                         int count, int recordNumber) {
    DeleteDataFile(scratchName);
    QByteArray records;
    if (const std::unique_ptr<QFile> file = OpenForInput(name))
        records = file->read(qint64(count) * recordLength);
    else if (count > 0)
        return false;
    records.resize(qint64(count) * recordLength, '\0');
    if (recordNumber >= 1 && recordNumber <= count)
        records.remove(qsizetype(recordNumber - 1) * recordLength, recordLength);

    QFile scratch(DataFilePath(scratchName));
    const bool written =
        scratch.open(QIODevice::WriteOnly) && WriteAll(scratch, records) && SyncToDisk(scratch);
    scratch.close();
    const QString target = DataFilePath(name);
    if (written && ReplaceFile(scratch.fileName(), target))
        return SyncFolder(QFileInfo(target).absolutePath());
    scratch.remove();
    return false;
}

bool BackupAllFiles() {
    EnsureBackupFolder();
    const QString staging = StagingFolderPath();
    QDir(staging).removeRecursively();
    if (!QDir().mkpath(staging))
        return false;
    QStringList present;
    auto collect = [&](const char *baseName) {
        const QString fileName = QStringLiteral("%1.txt").arg(QLatin1String(baseName));
        if (QFileInfo(DataFilePath(u'/' + fileName)).isFile())
            present << fileName;
    };
    for (const char *baseName : SharedGroup)
        collect(baseName);
    for (const char *baseName : InventoryGroup)
        collect(baseName);

    // The new set is built whole beside the old one. What the old set holds that this backup
    // does not renew (the copy of a file now missing, files of the suite's other programs)
    // carries over.
    bool complete = true;
    const QFileInfoList oldSet = QDir(BackupFolderPath()).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &copy : oldSet) {
        if (complete && !present.contains(copy.fileName()) && !IsUnfinishedSave(copy.fileName()))
            complete = CopyReplacing(copy.filePath(), staging + u'/' + copy.fileName());
    }
    for (const QString &fileName : present) {
        if (complete)
            complete = CopyReplacing(DataFilePath(u'/' + fileName), staging + u'/' + fileName);
    }
    // The history is a database that may be open: it is copied through the database itself.
    const QString history = StockHistory::FileName();
    if (complete && QFileInfo(DataFilePath(history)).isFile())
        complete = StockHistory::CopyTo(staging + history);
    complete = complete && SyncFolder(staging) && SwapFolders(staging, BackupFolderPath()) &&
               SyncFolder(DataFolderPath);
    QDir(staging).removeRecursively(); // the old set, or the new one that could not be finished
    return complete;
}

void RemoveUnfinishedSaves() {
    const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QString &folder : {DataFolderPath, BackupFolderPath()}) {
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo &file : files) {
            if (IsUnfinishedSave(file.fileName()) && file.lastModified() < settled)
                QFile::remove(file.filePath());
        }
    }
    for (const QString &folder : {StagingFolderPath(), RetiredFolderPath()}) {
        const QFileInfo info(folder);
        if (info.isDir() && info.lastModified() < settled)
            QDir(folder).removeRecursively();
    }
}

void FailDiskOperation(int failAt) {
    DiskOperations = 0;
    FailingOperation = failAt;
}

int DiskOperationsCounted() {
    return DiskOperations;
}
