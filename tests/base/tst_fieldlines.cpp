#include "base/FieldLines.h"
#include "common/StorableText.h"
#include "inventory/Locations.h"
#include "pricebook/RFQText.h"
#include "support/AwkwardText.h"
#include "support/DataFolder.h"
#include "telephony/SpeedDial.h"

namespace {

// Reads the fields in the order the steps give, "kind:expected" with "|" between: s String,
// h Int16, i Int32, y Byte, d Double, b Boolean, e atEnd.
void Play(FieldLineReader &r, const QString &steps) {
    const QHash<QString, std::function<QString()>> reads = {
        {"s", [&] { return r.String(); }},
        {"h", [&] { return QString::number(r.Int16()); }},
        {"i", [&] { return QString::number(r.Int32()); }},
        {"y", [&] { return QString::number(r.Byte()); }},
        {"d", [&] { return QString::number(r.Double()); }},
        {"b", [&] { return QVariant(r.Boolean()).toString(); }},
        {"e", [&] { return QVariant(r.atEnd()).toString(); }}};
    for (const QString &step : steps.split('|')) {
        const QString read = reads.value(step.section(':', 0, 0))();
        QVERIFY2(read == step.section(':', 1), qPrintable(step + " read " + read));
    }
}

} // namespace

class TestFieldLines : public QObject {
    Q_OBJECT
private slots:
    void storableText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("stored");
        const int quoted = int(StoredAs::QuotedField), location = int(StoredAs::Location),
                  line = int(StoredAs::PlainLine), lines = int(StoredAs::PlainLines);
        QTest::newRow("plain text") << "Suite 5, Floor 2" << quoted << "Suite 5, Floor 2";
        QTest::newRow("quoted word") << "\"Tokyo\" Ltd" << quoted << u8"\u201CTokyo\u201D Ltd";
        QTest::newRow("inch mark") << "12\" pipe" << quoted << u8"12\u201D pipe";
        QTest::newRow("full-width quote") << u8"\uFF02A\uFF02" << quoted << u8"\u201CA\u201D";
        QTest::newRow("typographic kept") << u8"\u201Cx\u201D" << quoted << u8"\u201Cx\u201D";
        QTest::newRow("line break in a field") << "a\r\nb\nc" << quoted << "a b c";
        QTest::newRow("letters folded")
            << u8"Caf\u00E9 \u0151 \u65E5 \U0001F600" << quoted << u8"Caf\u00E9 o ? ?";
        QTest::newRow("beyond 16 bits, one mark each")
            << u8"\U0001F600\U0001F600x" << quoted << "??x";
        QTest::newRow("half a pair at the end") << QString("ab") + QChar(0xD83D) << quoted << "ab?";
        QTest::newRow("location keeps quotes") << "\"A\", 2" << location << "\"A\", 2";
        QTest::newRow("location on one line") << "Shelf\r\n3" << location << "Shelf 3";
        QTest::newRow("speed dial name") << "Jo\nAnn \"Q\"" << line << "Jo Ann \"Q\"";
        QTest::newRow("lines of a text") << "a\r\nb\rc\n" << lines << "a\nb\nc\n";
    }
    void storableText() {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, stored);
        QCOMPARE(StorableText(typed, StoredAs(kind)), stored);
    }

    // Whatever a writer is given, its file has the shape its readers expect and reads back as the
    // text stored, for the suite's other programs as for this one.
    void everyWriterReadsBackWhatItStores() {
        TestDataFolder data;
        QRandomGenerator random(20261208);
        for (int round = 0; round < 300; ++round) {
            QStringList nine, five;
            for (int k = 0; k < 9; ++k)
                nine << AwkwardText(random);
            FieldLineWriter business;
            for (const QString &text : nine)
                business.String(text);
            const QByteArray bytes = business.EndLine().bytes();
            QCOMPARE(bytes.count('"'), 18);
            QVERIFY(bytes.endsWith("\r\n") && bytes.count('\r') == 1 && bytes.count('\n') == 1);
            FieldLineReader reader(bytes);
            for (const QString &text : nine)
                QCOMPARE(reader.String(), StorableText(text, StoredAs::QuotedField));
            QVERIFY(reader.atEnd());

            for (int k = 0; k < LocationCount; ++k)
                five << AwkwardText(random);
            const QByteArray locations = LocationsText(five);
            QVERIFY(locations.count("\r\n") == LocationCount &&
                    locations.count('\n') == LocationCount);
            const QStringList names = ParseLocations(locations);
            for (int k = 0; k < LocationCount; ++k)
                QCOMPARE(names[k], StorableText(five[k], StoredAs::Location));

            SpeedEntries entries;
            QList<SpeedEntry> filled;
            for (SpeedEntry &entry : entries) {
                entry = {random.bounded(3) ? AwkwardText(random) : QString(), AwkwardText(random)};
                if (!entry.Name.isEmpty())
                    filled << entry;
            }
            const QByteArray speed = SpeedNumbersText(entries);
            QCOMPARE(speed.count('\n'), 2 * filled.size());
            const SpeedEntries again = ParseSpeedNumbers(speed);
            for (int k = 0; k < filled.size(); ++k) {
                QCOMPARE(again[size_t(k)].Name, StorableText(filled[k].Name, StoredAs::PlainLine));
                QCOMPARE(again[size_t(k)].Number,
                         StorableText(filled[k].Number, StoredAs::PlainLine));
            }

            const QString request = AwkwardText(random);
            QVERIFY(WriteRFQFile(request));
            QCOMPARE(ReadRFQFile(), StorableText(request, StoredAs::PlainLines));
        }
    }

    void reader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("steps");
        QTest::newRow("fields across lines")
            << QByteArray("\"A, B\",  42,#TRUE#\r\n  \"two\r\nlines\"\r\n-7\r\n#FALSE#\r\n"
                          "12.75\r\n255\r\nplain text \r\n")
            << "s:A, B|h:42|b:true|s:two\r\nlines|i:-7|b:false|d:12.75|y:255|s:plain text|e:true";
        // A bare LF or CR ends a field as CR LF does; a number that does not fit is never wrapped.
        QTest::newRow("rounded and refused numbers")
            << QByteArray("12.5\n13.5\r70000,-1,300,#TRUE#") << "h:12|h:14|h:0|y:0|y:0|h:-1";
        const QString defaults = "h:0|i:0|d:0|b:false|y:0|e:true|s:";
        QTest::newRow("file cut short") << QByteArray("") << "s:|" + defaults;
        QTest::newRow("only spaces") << QByteArray("   ") << "s:|" + defaults;
        QTest::newRow("garbage number")
            << QByteArray("x1y,zz,\"q\",maybe,abc\r\n") << "s:x1y|" + defaults;
        QTest::newRow("unterminated quote")
            << QByteArray("\"never closed") << "s:never closed|" + defaults;
    }
    void reader() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, steps);
        FieldLineReader r(bytes);
        Play(r, steps);
    }

    void writtenFileReadsBack() {
        TestDataFolder data;
        data.write("/PrintColors.txt", "old");
        data.write("/Backup/PrintColors.txt", "old");
        data.write("/Backup/MyBusinessData.txt", "kept");
        FieldLineWriter w;
        w.String("Suite 5, Floor 2").Integer(-5).Boolean(true).Boolean(false).EndLine();
        w.String("").Byte(255).Double(1.5).EndLine();
        w.Integer(1440).EndLine();
        const QByteArray bytes(
            "\"Suite 5, Floor 2\",-5,#TRUE#,#FALSE#\r\n\"\",255,1.5\r\n1440\r\n");
        QVERIFY(WriteFieldLineFile("/PrintColors.txt", w, true));
        QCOMPARE(data.read("/PrintColors.txt"), bytes);
        QVERIFY(!data.exists("/Backup/PrintColors.txt"));
        std::optional<FieldLineReader> r = ReadFieldLineFile("/PrintColors.txt");
        QVERIFY(r);
        Play(*r, "s:Suite 5, Floor 2|i:-5|b:true|b:false|s:|y:255|d:1.5|i:1440|e:true");
        QVERIFY(!ReadFieldLineFile("/Phone.txt"));
        QVERIFY(WriteFieldLineFile("\\MyBusinessData.txt", w, false));
        QVERIFY(data.exists("/Backup/MyBusinessData.txt"));

        // A value out of range refuses the whole file: the old one stays as it was.
        w.Byte(-1).EndLine();
        QString error;
        QVERIFY(!w.ok());
        QVERIFY(!WriteFieldLineFile("/PrintColors.txt", w, true, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(data.read("/PrintColors.txt"), bytes);
    }
};

QTEST_GUILESS_MAIN(TestFieldLines)
#include "tst_fieldlines.moc"
