#include "base/FieldLines.h"

#include "base/BasicDiskRoutines.h"
#include "common/Cp1252.h"
#include "common/NumberText.h"
#include "common/StorableText.h"

#include <cmath>

void FieldLineWriter::BeginField() {
    if (m_lineStarted)
        m_bytes += ',';
    m_lineStarted = true;
}

FieldLineWriter &FieldLineWriter::String(const QString &text) {
    BeginField();
    m_bytes += '"' + ToCp1252(StorableText(text, StoredAs::QuotedField)) + '"';
    return *this;
}

FieldLineWriter &FieldLineWriter::Integer(qint64 value) {
    BeginField();
    m_bytes += QByteArray::number(value);
    return *this;
}

FieldLineWriter &FieldLineWriter::Byte(int value) {
    if (value < 0 || value > 255)
        m_error = QStringLiteral("The value %1 is out of range (0 to 255).").arg(value);
    return Integer(value);
}

FieldLineWriter &FieldLineWriter::Double(double value) {
    BeginField();
    if (!std::isfinite(value)) {
        m_error = QStringLiteral("A number could not be written.");
        value = 0;
    }
    m_bytes += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
    return *this;
}

FieldLineWriter &FieldLineWriter::Boolean(bool value) {
    BeginField();
    m_bytes += value ? "#TRUE#" : "#FALSE#";
    return *this;
}

FieldLineWriter &FieldLineWriter::EndLine() {
    m_bytes += "\r\n";
    m_lineStarted = false;
    return *this;
}

bool WriteFieldLineFile(const QString &name, const FieldLineWriter &writer, bool deleteBackupCopy,
                        QString *error) {
    if (!writer.ok()) {
        if (error)
            *error = writer.error();
        return false;
    }
    if (WriteWholeFile(name, writer.bytes())) {
        // Only once the new file is in place, so that a failed save keeps the copy.
        if (deleteBackupCopy)
            DeleteBackupCopy(name);
        return true;
    }
    if (error)
        *error = QStringLiteral("The file %1 could not be written.").arg(DataFilePath(name));
    return false;
}

FieldLineReader::FieldLineReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}

bool FieldLineReader::atEnd() const {
    int pos = m_pos;
    while (pos < m_bytes.size() && (m_bytes[pos] == ' ' || m_bytes[pos] == '\t'))
        ++pos;
    return pos >= m_bytes.size();
}

std::optional<QByteArray> FieldLineReader::NextField(bool *quoted) {
    const int size = m_bytes.size();
    while (m_pos < size && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t'))
        ++m_pos;
    if (m_pos >= size)
        return std::nullopt;

    QByteArray field;
    const bool isQuoted = m_bytes[m_pos] == '"';
    if (isQuoted) {
        // A quoted field runs to the next quote, line ends included.
        const int close = m_bytes.indexOf('"', m_pos + 1);
        const int end = close < 0 ? size : close;
        field = m_bytes.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? size : close + 1;
    }
    const int start = m_pos;
    while (m_pos < size && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r' &&
           m_bytes[m_pos] != '\n')
        ++m_pos;
    if (!isQuoted)
        field = m_bytes.mid(start, m_pos - start).trimmed();
    if (m_pos < size) {
        if (m_bytes[m_pos] == '\r' && m_pos + 1 < size && m_bytes[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
    }
    if (quoted)
        *quoted = isQuoted;
    return field;
}

QString FieldLineReader::String() {
    const std::optional<QByteArray> field = NextField();
    return field ? FromCp1252(*field) : QString();
}

qint64 FieldLineReader::Integer(qint64 min, qint64 max) {
    bool quoted = false;
    const std::optional<QByteArray> field = NextField(&quoted);
    if (!field)
        return 0;
    const QString text = QString::fromLatin1(*field);
    if (!quoted && text.compare(QLatin1String("#TRUE#"), Qt::CaseInsensitive) == 0)
        return min <= -1 ? -1 : 0;
    return TextToInteger(text, min, max, nullptr, QLocale::c()).value_or(0);
}

double FieldLineReader::Double() {
    const std::optional<QByteArray> field = NextField();
    bool ok = false;
    const double value = field ? field->toDouble(&ok) : 0.0;
    return ok && std::isfinite(value) ? value : 0.0;
}

bool FieldLineReader::Boolean() {
    const std::optional<QByteArray> field = NextField();
    if (!field)
        return false;
    const QByteArray word = field->toUpper();
    if (word == "#TRUE#" || word == "TRUE")
        return true;
    if (word == "#FALSE#" || word == "FALSE")
        return false;
    const std::optional<qint64> number = ScaledNumber(QString::fromLatin1(*field), 0, QLocale::c());
    return number.value_or(0) != 0;
}

std::optional<FieldLineReader> ReadFieldLineFile(const QString &name) {
    std::optional<QByteArray> bytes = ReadDataFile(name);
    if (!bytes)
        return std::nullopt;
    return FieldLineReader(std::move(*bytes));
}
