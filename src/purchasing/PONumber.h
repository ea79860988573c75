#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// "PONumber.txt": the number of the last purchase order printed, one line as the runtime's list
// print writes a 16-bit integer: the sign position (a space, or "-"), the digits, a space and
// CR LF, for example " 1000 " CR LF.

QByteArray PONumberText(qint16 number);
// The first number of the text, ignoring the spaces around it; nothing when it holds none.
// A number past the 16-bit range reads as the nearest end of it.
std::optional<qint16> ParsePONumber(const QByteArray &bytes);
// The number stored (restored from Backup when lost), or nothing when there is none.
std::optional<qint16> ReadPONumber();
bool WritePONumber(qint16 number, QString *error = nullptr);
