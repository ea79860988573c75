#include "support/Pages.h"

#include "printing/Printer.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTest>

namespace {

QString Number(double value) {
    return QString::number(qRound(value));
}

} // namespace

QString PageDump(const DrawDocument &draw) {
    Printer &printer = Printer::Current();
    std::vector<PrintedText> texts;
    std::vector<PrintedShape> shapes;
    printer.SetTextRecorder(&texts);
    printer.SetRecorder(&shapes);
    const bool printed = draw();
    printer.SetTextRecorder(nullptr);
    printer.SetRecorder(nullptr);
    QString dump = printed ? QString() : QStringLiteral("not printed\n");
    for (const PrintedText &t : texts) {
        dump += QStringLiteral("%1 text %2,%3 %4 %5%6%7 #%8 %9\n")
                    .arg(t.page)
                    .arg(Number(t.x), Number(t.y), t.font, QString::number(t.size),
                         t.bold ? QStringLiteral(" bold") : QString(),
                         t.underline ? QStringLiteral(" underline") : QString())
                    .arg(t.color, 6, 16, QLatin1Char('0'))
                    .arg(t.text);
    }
    for (const PrintedShape &s : shapes) {
        dump +=
            QStringLiteral("%1 %2 %3,%4 %5,%6 width %7\n")
                .arg(s.page)
                .arg(s.kind == PrintedShape::Line ? QStringLiteral("line") : QStringLiteral("box"))
                .arg(Number(s.x1), Number(s.y1), Number(s.x2), Number(s.y2))
                .arg(s.drawWidth);
    }
    // The dates a document prints change every day; what they stand for does not.
    const QDate today = QDate::currentDate();
    const QLocale locale;
    dump.replace(locale.toString(today.addDays(14), QLocale::ShortFormat),
                 QStringLiteral("{today+14}"));
    dump.replace(locale.toString(today, QLocale::ShortFormat), QStringLiteral("{today}"));
    return dump;
}

void ComparePages(const QString &name, const QString &dump) {
    QFile file(QStringLiteral(VELBOR_PAGES_DIR "/%1.txt").arg(name));
    if (qEnvironmentVariableIsSet("VELBOR_UPDATE_PAGES")) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(dump.toUtf8());
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly),
             qPrintable(file.fileName() + " is missing: VELBOR_UPDATE_PAGES=1 writes it"));
    const QStringList expected = QString::fromUtf8(file.readAll()).split(u'\n');
    const QStringList drawn = dump.split(u'\n');
    for (int i = 0; i < std::max(expected.size(), drawn.size()); ++i) {
        QVERIFY2(expected.value(i) == drawn.value(i),
                 qPrintable(QStringLiteral("%1 line %2: expected \"%3\", drawn \"%4\"")
                                .arg(name)
                                .arg(i + 1)
                                .arg(expected.value(i), drawn.value(i))));
    }
}
