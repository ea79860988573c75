#include "shell/FieldLines.h"
#include "support/DataFolder.h"

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

    void stringsBothWays() {
        // A double quote becomes an apostrophe; the rest of the text goes as Windows-1252.
        FieldLineWriter w;
        w.String("12\" pipe").String(QString::fromUtf8("Café € “x”")).EndLine();
        QCOMPARE(w.bytes(), QByteArray("\"12' pipe\",\"Caf\xE9 \x80 \x93x\x94\"\r\n"));
        FieldLineReader r(w.bytes());
        QCOMPARE(r.String(), QString("12' pipe"));
        QCOMPARE(r.String(), QString::fromUtf8("Café € “x”"));
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
