#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The suite's field-line text format: comma-separated fields, strings in double quotes,
// numbers in plain decimal with "." as the point, Booleans #TRUE# and #FALSE#, CR LF after
// every line. Readers take the fields in order, whatever line they are on.

class FieldLineWriter {
public:
    // The text as the field can hold it (StorableText): a double quote inside it would end the
    // field early and shift every field after it, for us and for the suite's other programs.
    FieldLineWriter &String(const QString &text);
    FieldLineWriter &Integer(qint64 value);
    // 0 to 255; anything else makes the whole file refused (see error()).
    FieldLineWriter &Byte(int value);
    FieldLineWriter &Double(double value);
    FieldLineWriter &Boolean(bool value);
    FieldLineWriter &EndLine();

    const QByteArray &bytes() const { return m_bytes; }
    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

private:
    void BeginField();
    QByteArray m_bytes;
    bool m_lineStarted = false;
    QString m_error;
};

// Writes the lines as the file's whole new content; the old file stays until the new one is
// complete. With deleteBackupCopy the file's Backup copy goes once the new file is in place. False
// (with the reason in *error when given) when the writer holds a refused value or the disk fails.
bool WriteFieldLineFile(const QString &name, const FieldLineWriter &writer, bool deleteBackupCopy,
                        QString *error = nullptr);

class FieldLineReader {
public:
    explicit FieldLineReader(QByteArray bytes);

    // Each read takes the next field. A missing field (file cut short), a number that is not
    // a number or does not fit its type reads as empty, 0 or false.
    QString String();
    qint64 Integer(qint64 min, qint64 max);
    qint16 Int16() { return qint16(Integer(-32768, 32767)); }
    qint32 Int32() { return qint32(Integer(-2147483647LL - 1, 2147483647LL)); }
    quint8 Byte() { return quint8(Integer(0, 255)); }
    double Double();
    bool Boolean();

    bool atEnd() const;

private:
    std::optional<QByteArray> NextField(bool *quoted = nullptr);
    QByteArray m_bytes;
    int m_pos = 0;
};

// The reader of a field-line file in the data folder (restored from Backup when lost), or
// nothing when the file is missing or cannot be read.
std::optional<FieldLineReader> ReadFieldLineFile(const QString &name);
