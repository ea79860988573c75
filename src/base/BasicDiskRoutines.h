#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>
#include <optional>

// The data folder and the files in it. Every file is named relative to the data folder by a
// name that begins with "/" or "\" ("/VendorData.txt", "\Backup\Phone.txt"); both separators
// name the same file.

void SetAppPath(const QString &folder);
QString AppPath();

// Full native path of a relative data-file name.
QString DataFilePath(const QString &name);

// True when the file is in the data folder, after silently bringing a lost one back from
// the Backup folder.
bool FileExistsOrRestore(const QString &name);

// Whole records in a fixed-length record file: length / record length, to the nearest whole
// number with halves to even; 0 for a file that is missing and has no Backup copy. At most
// 32,767, the most a record number can address.
qint16 RecordCount(const QString &name, int recordLength);

// The whole content of a data file (restored from Backup when lost), or nothing when it is
// missing or cannot be read.
std::optional<QByteArray> ReadDataFile(const QString &name);

// Sequential reading; null when the file cannot be opened.
std::unique_ptr<QFile> OpenForInput(const QString &name);

// Record n (1-based) of a fixed-length record file: its bytes (fewer at a cut-short end), or
// nothing when the file cannot be read there.
std::optional<QByteArray> ReadRecord(const QString &name, int recordLength, int recordNumber);
// Stores the bytes as record n in place (one past the end appends), creating the file. A
// failed write leaves the file as it was.
bool WriteRecord(const QString &name, int recordLength, int recordNumber, const QByteArray &bytes);

// Writes the bytes as the whole new content of the file, replacing it only once complete.
// Every save reports success only once the new content and its folder entry are on the disk.
bool WriteWholeFile(const QString &name, const QByteArray &bytes);

void DeleteDataFile(const QString &name);
// Deletes only the Backup copy of the file: a writer does so once its new file is in place, so
// that a stale copy cannot be restored over the newer file during the same run, while a save
// that fails keeps the copy.
void DeleteBackupCopy(const QString &name);
// The Backup copy goes first, then the file itself, so a stale copy can never come back.
void DeleteWithBackup(const QString &name);

// Removes record n (1-based) of a fixed-length record file by copying every other record, in
// order, into the scratch file and then putting the scratch file in the original's place.
// count is the number of records the caller reads in the file; a record cut short at the end
// is completed with zero bytes. The original stays whole until the copy is complete.
bool DeleteRecordThrough(const QString &name, const QString &scratchName, int recordLength,
                         int count, int recordNumber);

// Copies every catalogue file present in the data folder into the Backup folder, as one set:
// the folder then holds the previous set or the new one, never a mix. False when the new set
// could not be made (the previous set stays).
bool BackupAllFiles();
// Removes what saves cut short by a crash or a power cut left beside the data files and their
// Backup copies ("VIInventoriedItems.txt.a1B2c3"): nothing else would ever remove them. Files
// changed in the last minute are left, in case another program of the suite is saving now.
void RemoveUnfinishedSaves();

// The fault seam of the save path, for tests: from this call every write, flush, sync to disk
// and rename a save makes is counted, and the one numbered failAt (from 1) fails as a failing
// disk would; 0 only counts.
void FailDiskOperation(int failAt);
int DiskOperationsCounted();
