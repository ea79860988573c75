#include "shell/BasicDiskRoutines.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>

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

void EnsureBackupFolder() {
    if (!DataFolderPath.isEmpty())
        QDir().mkpath(BackupFolderPath());
}

// The last of a small file sits in the device's buffer until the commit, whose own flush
// error goes unnoticed there: on a full disk the commit would put an empty or cut file in place
// of a good one. A flush that fails keeps the old file.
bool CommitWhole(QSaveFile &file) {
    if (!file.flush())
        return false; // the unfinished file goes with the QSaveFile
    return file.commit();
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
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
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

std::unique_ptr<QSaveFile> OpenForOutput(const QString &name) {
    auto file = std::make_unique<QSaveFile>(DataFilePath(name));
    if (!file->open(QIODevice::WriteOnly))
        return nullptr;
    return file;
}

std::unique_ptr<QFile> OpenForRandom(const QString &name) {
    auto file = std::make_unique<QFile>(DataFilePath(name));
    if (!file->open(QIODevice::ReadWrite))
        return nullptr;
    return file;
}

std::optional<QByteArray> ReadRecord(const QString &name, int recordLength, int recordNumber) {
    const std::unique_ptr<QFile> file = OpenForInput(name);
    if (!file || recordNumber < 1 || !file->seek(qint64(recordNumber - 1) * recordLength))
        return std::nullopt;
    return file->read(recordLength);
}

bool WriteRecord(const QString &name, int recordLength, int recordNumber, const QByteArray &bytes) {
    const std::unique_ptr<QFile> file = OpenForRandom(name);
    if (!file || recordNumber < 1)
        return false;
    const qint64 oldSize = file->size();
    if (file->seek(qint64(recordNumber - 1) * recordLength) && file->write(bytes) == bytes.size() &&
        file->flush())
        return true;
    // Half a record appended would be counted as one more record; the file goes back to the
    // records it held.
    file->close();
    if (QFileInfo(file->fileName()).size() > oldSize)
        QFile::resize(file->fileName(), oldSize);
    return false;
}

bool WriteWholeFile(const QString &name, const QByteArray &bytes) {
    const std::unique_ptr<QSaveFile> file = OpenForOutput(name);
    return file && file->write(bytes) == bytes.size() && CommitWhole(*file);
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
    if (!scratch.open(QIODevice::WriteOnly) || scratch.write(records) != records.size() ||
        !scratch.flush()) {
        scratch.remove();
        return false;
    }
    scratch.close();
    // rename() puts the new file in place in one step where the system allows it; elsewhere
    // the old file has to go first.
    const QString target = DataFilePath(name);
    if (std::rename(QFile::encodeName(scratch.fileName()).constData(),
                    QFile::encodeName(target).constData()) == 0)
        return true;
    QFile::remove(target);
    return QFile::rename(scratch.fileName(), target);
}

void BackupAllFiles() {
    EnsureBackupFolder();
    auto backUp = [](const char *baseName) {
        const QString name = QStringLiteral("/%1.txt").arg(QLatin1String(baseName));
        const QString path = DataFilePath(name);
        if (QFileInfo(path).isFile())
            CopyReplacing(path, BackupFolderPath() + name); // a failure keeps the old copy
    };
    for (const char *baseName : SharedGroup)
        backUp(baseName);
    for (const char *baseName : InventoryGroup)
        backUp(baseName);
}

void RemoveUnfinishedSaves() {
    // The name of the file being saved, a dot and six letters or digits.
    static const QRegularExpression unfinished(
        QStringLiteral("^.+\\.(txt|tmp|url)\\.[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (const QString &folder : {DataFolderPath, BackupFolderPath()}) {
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo &file : files) {
            if (unfinished.match(file.fileName()).hasMatch() && file.lastModified() < settled)
                QFile::remove(file.filePath());
        }
    }
}
