#include "purchasing/PONumber.h"

#include "base/BasicDiskRoutines.h"

namespace {

const QString FileName = QStringLiteral("/PONumber.txt");

} // namespace

QByteArray PONumberText(qint16 number) {
    return (number < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(number) + " \r\n";
}

std::optional<qint16> ParsePONumber(const QByteArray &bytes) {
    const QByteArray text = bytes.trimmed();
    int end = 0;
    if (end < text.size() && (text[end] == '-' || text[end] == '+'))
        ++end;
    const int digits = end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end == digits)
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.left(std::min(end, digits + 12)).toLongLong(&ok);
    if (!ok) // more digits than any count of purchase orders
        return text[0] == '-' ? qint16(-32768) : qint16(32767);
    return qint16(std::clamp<qint64>(value, -32768, 32767));
}

std::optional<qint16> ReadPONumber() {
    const std::optional<QByteArray> bytes = ReadDataFile(FileName);
    return bytes ? ParsePONumber(*bytes) : std::nullopt;
}

bool WritePONumber(qint16 number, QString *error) {
    DeleteDataFile(FileName);
    if (WriteWholeFile(FileName, PONumberText(number)))
        return true;
    if (error)
        *error = QStringLiteral("The file %1 could not be written.").arg(DataFilePath(FileName));
    return false;
}
