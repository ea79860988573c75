#include "common/Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F differ from Latin-1; the five unassigned bytes map to the C1 control of the
// same value, as Windows itself does, so every byte survives a read and a write.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char EncodeOne(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QString FromCp1252(const char *bytes, int length) {
    // Latin-1 is right for every byte but 0x80 to 0x9F, which are rare: convert fast, then mend.
    QString text = QString::fromLatin1(bytes, length);
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80 && b < 0xA0)
            text[i] = QChar(HighControls[b - 0x80]);
    }
    return text;
}

QByteArray ToCp1252(const QString &text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            bytes += '?'; // one character outside the code page, one byte
            ++i;
            continue;
        }
        char byte = EncodeOne(c.unicode());
        // A letter the code page lacks is written as its base letter where it has one:
        // "ő" as "o" rather than "?".
        if (byte == '?' && c != u'?' && !c.decomposition().isEmpty())
            byte = EncodeOne(c.decomposition().at(0).unicode());
        bytes += byte;
    }
    return bytes;
}

namespace {

bool IsPadding(QChar c) {
    return c == u' ' || c == u'\0';
}

} // namespace

QString TrimPadding(const QString &text) {
    int begin = 0;
    while (begin < text.size() && IsPadding(text.at(begin)))
        ++begin;
    return TrimPaddingRight(text.mid(begin));
}

QString TrimPaddingRight(const QString &text) {
    int end = text.size();
    while (end > 0 && IsPadding(text.at(end - 1)))
        --end;
    return text.left(end);
}
