#include "common/StorableText.h"

#include "common/Cp1252.h"

namespace {

bool IsLineBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == QChar(0x2028) || c == QChar(0x2029);
}

// The character as the file's code page writes it: a full-width quotation mark becomes a plain
// one, and so ends a quoted field as surely.
QChar Folded(QChar c) {
    return FromCp1252(ToCp1252(QString(c))).at(0);
}

// A quotation mark opens where a word would start, else it closes.
bool Opens(const QString &before) {
    if (before.isEmpty())
        return true;
    const QChar last = before.back();
    return last.isSpace() || QStringLiteral("([{-/").contains(last);
}

} // namespace

QString StorableText(const QString &text, StoredAs kind) {
    const QString folded = FromCp1252(ToCp1252(text));
    QString stored;
    stored.reserve(folded.size());
    for (int i = 0; i < folded.size(); ++i) {
        const QChar c = folded.at(i);
        if (IsLineBreak(c)) {
            // CR LF is one break, whatever the kind.
            if (c == u'\r' && i + 1 < folded.size() && folded.at(i + 1) == u'\n')
                ++i;
            stored += kind == StoredAs::PlainLines ? u'\n' : u' ';
        } else if (c == u'"' && kind == StoredAs::QuotedField) {
            stored += Opens(stored) ? QChar(0x201C) : QChar(0x201D);
        } else {
            stored += c;
        }
    }
    return stored;
}

QString RefusalOf(QChar c, const QString &before, StoredAs kind) {
    if (IsLineBreak(c) && kind != StoredAs::PlainLines)
        return QStringLiteral("A line break cannot be kept here");
    const QChar folded = Folded(c);
    if (kind == StoredAs::QuotedField && folded == u'"')
        return QStringLiteral("A double quote cannot be kept here");
    if (kind == StoredAs::Location && folded == u',')
        return QStringLiteral("A comma cannot be kept in a location name");
    if (kind == StoredAs::Location && folded == u'"' && before.isEmpty())
        return QStringLiteral("A location name cannot begin with a double quote");
    return QString();
}
