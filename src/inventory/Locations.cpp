#include "inventory/Locations.h"

#include "base/BasicDiskRoutines.h"
#include "common/Cp1252.h"
#include "common/StorableText.h"

namespace {

const QString FileName = QStringLiteral("/Locations.txt");

bool NeedsQuotes(const QString &name) {
    return name.contains(u',') || name.contains(u'"') || name.startsWith(u' ') ||
           name.endsWith(u' ') || name.startsWith(u'\t');
}

} // namespace

QByteArray LocationsText(const QStringList &names) {
    QByteArray bytes;
    for (int i = 0; i < LocationCount; ++i) {
        QString name = StorableText(names.value(i), StoredAs::Location);
        if (NeedsQuotes(name))
            name = u'"' + QString(name).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
        bytes += ToCp1252(name) + "\r\n";
    }
    return bytes;
}

QStringList ParseLocations(const QByteArray &bytes) {
    const QString text = FromCp1252(bytes);
    QStringList names;
    int pos = 0;
    const int size = text.size();
    while (names.size() < LocationCount) {
        while (pos < size && (text.at(pos) == u' ' || text.at(pos) == u'\t'))
            ++pos;
        if (pos >= size) {
            names << QString();
            continue;
        }
        QString field;
        if (text.at(pos) == u'"') {
            // Runs to the closing quote; a doubled quote stands for one quote of the name.
            for (++pos; pos < size; ++pos) {
                if (text.at(pos) == u'"') {
                    if (pos + 1 < size && text.at(pos + 1) == u'"') {
                        field += u'"';
                        ++pos;
                        continue;
                    }
                    ++pos;
                    break;
                }
                field += text.at(pos);
            }
            while (pos < size && text.at(pos) != u',' && text.at(pos) != u'\r' &&
                   text.at(pos) != u'\n')
                ++pos;
        } else {
            const int start = pos;
            while (pos < size && text.at(pos) != u',' && text.at(pos) != u'\r' &&
                   text.at(pos) != u'\n')
                ++pos;
            // Only spaces end a plain name; a tab or a no-break space there is the user's.
            int end = pos;
            while (end > start && text.at(end - 1) == u' ')
                --end;
            field = text.mid(start, end - start);
        }
        if (pos < size) {
            if (text.at(pos) == u'\r' && pos + 1 < size && text.at(pos + 1) == u'\n')
                ++pos;
            ++pos;
        }
        names << field;
    }
    return names;
}

std::optional<QStringList> LoadLocationsFile() {
    const std::optional<QByteArray> bytes = ReadDataFile(FileName);
    if (!bytes)
        return std::nullopt;
    return ParseLocations(*bytes);
}

bool SaveLocationsFile(const QStringList &names, QString *error) {
    if (WriteWholeFile(FileName, LocationsText(names))) {
        DeleteBackupCopy(FileName); // only now: a failed save keeps the copy
        return true;
    }
    if (error)
        *error = QStringLiteral("The file %1 could not be written.").arg(DataFilePath(FileName));
    return false;
}
