#pragma once

#include <QRandomGenerator>
#include <QString>

// Texts a hurried user or another program may hand a field: quotes plain, full-width and
// typographic, commas, line breaks of every kind, tabs, letters outside Windows-1252 and outside
// the 16-bit range, and now and then a very long run.
inline QString AwkwardText(QRandomGenerator &random) {
    static const QString pieces[] = {
        "a",     "Tokyo", " ",           "\"",          ",",           "\r\n",   "\n",
        "\r",    "\t",    u8"\uFF02",     u8"\uFF0C",    u8"\u201C",    u8"é",    u8"€",
        u8"ő",   u8"日本", u8"\U0001F600", u8"\u2028",    "Suite 5",     "12\" pipe"};
    QString text;
    const int count = random.bounded(random.bounded(20) == 0 ? 400 : 8);
    for (int k = 0; k < count; ++k)
        text += pieces[random.bounded(int(std::size(pieces)))];
    return text;
}
