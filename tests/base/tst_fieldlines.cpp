#include "base/FieldLines.h"
#include "common/StorableText.h"
#include "inventory/Locations.h"
#include "pricebook/RFQText.h"
#include "support/AwkwardText.h"
#include "support/DataFolder.h"
#include "telephony/SpeedDial.h"

class TestFieldLines : public QObject {
    Q_OBJECT
private slots:
    void writerBytes() {
        FieldLineWriter w;
        w.String("Suite 5, Floor 2").Integer(-5).Boolean(true).Boolean(false).EndLine();
        w.String("").Byte(255).Double(1.5).EndLine();
        w.Integer(1440).EndLine();
        QCOMPARE(w.bytes(),
                 QByteArray("\"Suite 5, Floor 2\",-5,#TRUE#,#FALSE#\r\n\"\",255,1.5\r\n1440\r\n"));
    }

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
            QCOMPARE(bytes.count('\n'), 1);
            QVERIFY(bytes.endsWith("\r\n") && bytes.count('\r') == 1);
            FieldLineReader reader(bytes);
            for (const QString &text : nine)
                QCOMPARE(reader.String(), StorableText(text, StoredAs::QuotedField));
            QVERIFY(reader.atEnd());

            for (int k = 0; k < LocationCount; ++k)
                five << AwkwardText(random);
            const QByteArray locations = LocationsText(five);
            QCOMPARE(locations.count("\r\n"), LocationCount);
            QCOMPARE(locations.count('\n'), LocationCount);
            const QStringList names = ParseLocations(locations);
            for (int k = 0; k < LocationCount; ++k)
                QCOMPARE(names[k], StorableText(five[k], StoredAs::Location));

            SpeedEntries entries;
            int filled = 0;
            for (SpeedEntry &entry : entries) {
                entry = {random.bounded(3) ? AwkwardText(random) : QString(), AwkwardText(random)};
                filled += entry.Name.isEmpty() ? 0 : 1;
            }
            const QByteArray speed = SpeedNumbersText(entries);
            QCOMPARE(speed.count('\n'), 2 * filled);
            const SpeedEntries again = ParseSpeedNumbers(speed);
            int k = 0;
            for (const SpeedEntry &entry : entries) {
                if (entry.Name.isEmpty())
                    continue;
                QCOMPARE(again[size_t(k)].Name, StorableText(entry.Name, StoredAs::PlainLine));
                QCOMPARE(again[size_t(k++)].Number,
                         StorableText(entry.Number, StoredAs::PlainLine));
            }

            const QString request = AwkwardText(random);
            QVERIFY(WriteRFQFile(request));
            QCOMPARE(ReadRFQFile(), StorableText(request, StoredAs::PlainLines));
        }
    }

    void readerTakesFieldsAcrossLines() {
        FieldLineReader r("\"A, B\",  42,#TRUE#\r\n  \"two\r\nlines\"\r\n-7\r\n#FALSE#\r\n"
                          "12.75\r\n255\r\nplain text \r\n");
        QCOMPARE(r.String(), QString("A, B"));
        QCOMPARE(r.Int16(), qint16(42));
        QVERIFY(r.Boolean());
        QCOMPARE(r.String(), QString("two\r\nlines"));
        QCOMPARE(r.Int32(), -7);
        QVERIFY(!r.Boolean());
        QCOMPARE(r.Double(), 12.75);
        QCOMPARE(r.Byte(), quint8(255));
        QCOMPARE(r.String(), QString("plain text"));
        QVERIFY(r.atEnd());
    }

    void malformedFieldsReadAsDefaults_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("file cut short") << QByteArray("");
        QTest::newRow("only spaces") << QByteArray("   ");
        QTest::newRow("garbage number") << QByteArray("x1y,zz,\"q\",maybe,abc\r\n");
        QTest::newRow("unterminated quote") << QByteArray("\"never closed");
    }
    void malformedFieldsReadAsDefaults() {
        QFETCH(QByteArray, bytes);
        FieldLineReader r(bytes);
        r.String();
        QCOMPARE(r.Int16(), qint16(0));
        QCOMPARE(r.Int32(), 0);
        QCOMPARE(r.Double(), 0.0);
        QVERIFY(!r.Boolean());
        QCOMPARE(r.Byte(), quint8(0));
        QVERIFY(r.atEnd());
        QCOMPARE(r.String(), QString());
    }

    void numbersRoundAndRefuseOutOfRange() {
        // A bare LF or CR ends a field as CR LF does.
        FieldLineReader r("12.5\n13.5\r70000,-1,300,#TRUE#");
        QCOMPARE(r.Int16(), qint16(12));
        QCOMPARE(r.Int16(), qint16(14));
        QCOMPARE(r.Int16(), qint16(0)); // does not fit: never wrapped
        QCOMPARE(r.Byte(), quint8(0));
        QCOMPARE(r.Byte(), quint8(0));
        QCOMPARE(r.Int16(), qint16(-1));
    }

    void writeFile() {
        TestDataFolder data;
        data.write("/PrintColors.txt", "old");
        data.write("/Backup/PrintColors.txt", "old");
        data.write("/Backup/MyBusinessData.txt", "kept");
        FieldLineWriter w;
        w.Integer(0).EndLine().Integer(255).EndLine().String("Arial").EndLine();
        w.Boolean(true).EndLine().Byte(3).EndLine();
        QVERIFY(WriteFieldLineFile("/PrintColors.txt", w, true));
        QCOMPARE(data.read("/PrintColors.txt"),
                 QByteArray("0\r\n255\r\n\"Arial\"\r\n#TRUE#\r\n3\r\n"));
        QVERIFY(!data.exists("/Backup/PrintColors.txt"));

        FieldLineWriter business;
        business.String("A").String("").EndLine();
        QVERIFY(WriteFieldLineFile("\\MyBusinessData.txt", business, false));
        QVERIFY(data.exists("/Backup/MyBusinessData.txt"));

        std::optional<FieldLineReader> r = ReadFieldLineFile("/PrintColors.txt");
        QVERIFY(r);
        QCOMPARE(r->Int32(), 0);
        QCOMPARE(r->Int32(), 255);
        QCOMPARE(r->String(), QString("Arial"));
        QVERIFY(r->Boolean());
        QCOMPARE(r->Byte(), quint8(3));
        QVERIFY(!ReadFieldLineFile("/Phone.txt"));
    }

    void refusedValueWritesNothing() {
        TestDataFolder data;
        data.write("/PrintColors.txt", "good old file");
        FieldLineWriter w;
        w.Byte(-1).EndLine();
        QString error;
        QVERIFY(!w.ok());
        QVERIFY(!WriteFieldLineFile("/PrintColors.txt", w, true, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(data.read("/PrintColors.txt"), QByteArray("good old file"));
    }
};

QTEST_GUILESS_MAIN(TestFieldLines)
#include "tst_fieldlines.moc"
