#pragma once

#include <QByteArray>
#include <QString>

// The suite's data files hold text in the Windows-1252 code page, one byte a character.
// A character the code page cannot hold is written as its base letter when it is an accented
// one it lacks ("\u0151" as "o"), otherwise as "?", one byte for one character.

QString FromCp1252(const char *bytes, int length);
inline QString FromCp1252(const QByteArray &bytes) {
    return FromCp1252(bytes.constData(), bytes.size());
}
QByteArray ToCp1252(const QString &text);

// Fixed-width text fields are padded with spaces, and zero bytes stand where a short or foreign
// record left nothing: only those are padding. Tabs and no-break spaces are part of the text,
// so that what is read and saved again stays as it was.
QString TrimPadding(const QString &text);
QString TrimPaddingRight(const QString &text);
