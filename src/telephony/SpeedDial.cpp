#include "telephony/SpeedDial.h"

#include "base/BasicDiskRoutines.h"
#include "common/Cp1252.h"
#include "common/StorableText.h"

#include <QStringList>

namespace {

const QString FileName = QStringLiteral("/SpeedNumbers.txt");

} // namespace

SpeedEntries ParseSpeedNumbers(const QByteArray &bytes) {
    QString text = FromCp1252(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // what follows the last line end
    SpeedEntries entries;
    for (int slot = 0; slot < SpeedSlots && 2 * slot < lines.size(); ++slot) {
        entries[size_t(slot)].Name = lines.at(2 * slot);
        entries[size_t(slot)].Number = lines.value(2 * slot + 1);
    }
    return entries;
}

QByteArray SpeedNumbersText(const SpeedEntries &entries) {
    QByteArray bytes;
    for (const SpeedEntry &entry : entries) {
        if (entry.Name.isEmpty())
            continue;
        // A line end inside a name or number would shift every entry after it.
        for (const QString &field : {entry.Name, entry.Number})
            bytes += ToCp1252(StorableText(field, StoredAs::PlainLine)) + "\r\n";
    }
    return bytes;
}

SpeedEntries ReadSpeedNumbers() {
    const std::optional<QByteArray> bytes = ReadDataFile(FileName);
    return bytes ? ParseSpeedNumbers(*bytes) : SpeedEntries();
}

bool WriteSpeedNumbers(const SpeedEntries &entries) {
    DeleteDataFile(FileName);
    return WriteWholeFile(FileName, SpeedNumbersText(entries));
}
