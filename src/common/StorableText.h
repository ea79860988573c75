#pragma once

#include <QString>

// What the suite's text files can give back of a typed text. Each kind of field has its limits:
// a character there would end the field early, start another or end the line, so that every
// field after it shifts, for this program and for the suite's others.
enum class StoredAs {
    QuotedField, // a string of a field-line file: between double quotes, on one line
    Location,    // a line of the locations file, read as a delimited field
    PlainLine,   // a line of a file of plain lines
    PlainLines,  // a text of several lines
};

// The text as its file holds it and gives it back. Every writer of such a field passes its text
// through here, whatever road the text took (a box, a file read in, a spreadsheet):
// - a character Windows-1252 lacks is folded as the file's encoding folds it;
// - in a quoted field a double quote becomes a typographic one, opening or closing as it stands;
// - in a one-line field a line break becomes a space, in a text of lines an LF.
// A text with none of these characters comes back unchanged.
QString StorableText(const QString &text, StoredAs kind);

// Why a box feeding such a field refuses the character c typed or pasted after the text before
// it ("A double quote cannot be kept here"), or an empty string when the field can hold it.
QString RefusalOf(QChar c, const QString &before, StoredAs kind);
