#pragma once

#include <QString>

#include <optional>

// The request text of a quotation request, kept between uses in "RFQ.txt": the text with its
// lines ended by CR LF, then one more CR LF, Windows-1252. Reading gives back exactly the text
// that was written, so that saving and loading again never adds a line.

// "Please provide per Unit Cost and two levels of Multi-Unit packaging ..." on one line.
QString DefaultRFQText();

// The text the file holds (lines separated by "\n"), or nothing when there is no file.
std::optional<QString> ReadRFQFile();
// Replaces the file with the text; false when it could not be written (the old file stays).
bool WriteRFQFile(const QString &text);
