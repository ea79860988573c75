#include "common/Currency.h"
#include "common/NumberText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCurrency : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("tenThousandths");
        QTest::newRow("screen format") << "$1,234.50" << true << 12345000LL;
        QTest::newRow("screen zero") << "$0.00" << true << 0LL;
        QTest::newRow("plain") << "12.5" << true << 125000LL;
        QTest::newRow("spaces around") << "  7 " << true << 70000LL;
        QTest::newRow("parentheses") << "($1.00)" << true << -10000LL;
        QTest::newRow("leading minus") << "-$3" << true << -30000LL;
        QTest::newRow("minus after symbol") << "$-3.25" << true << -32500LL;
        QTest::newRow("trailing minus") << "4-" << true << -40000LL;
        QTest::newRow("fifth decimal half to even, down") << "1.23445" << true << 12344LL;
        QTest::newRow("fifth decimal half to even, up") << "1.23455" << true << 12346LL;
        QTest::newRow("more than half") << "1.234451" << true << 12345LL;
        QTest::newRow("largest") << "922337203685477.5807" << true << 9223372036854775807LL;
        QTest::newRow("one too large") << "922337203685477.5808" << false << 0LL;
        QTest::newRow("empty") << "" << false << 0LL;
        QTest::newRow("letters") << "abc" << false << 0LL;
        QTest::newRow("two points") << "1.2.3" << false << 0LL;
        QTest::newRow("symbol only") << "$" << false << 0LL;
        QTest::newRow("two signs") << "(-5)" << false << 0LL;
        // A separator only counts between whole groups of three.
        QTest::newRow("grouped amount") << "1,500.00" << true << 15000000LL;
        QTest::newRow("ungrouped") << "1500" << true << 15000000LL;
        QTest::newRow("millions") << "12,345,678" << true << 123456780000LL;
        QTest::newRow("comma for a point") << "1,50" << false << 0LL;
        QTest::newRow("group too long") << "1,5000" << false << 0LL;
        QTest::newRow("middle group short") << "1,23,456" << false << 0LL;
        QTest::newRow("leading separator") << ",500" << false << 0LL;
        QTest::newRow("separator before the point") << "1,.50" << false << 0LL;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, tenThousandths);
        const std::optional<Currency> amount = Currency::parse(text);
        QCOMPARE(amount.has_value(), valid);
        if (valid)
            QCOMPARE(amount->tenThousandths(), tenThousandths);
    }

    void format_data() {
        QTest::addColumn<qint64>("tenThousandths");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("plain");
        QTest::newRow("zero") << 0LL << u"$0.00"_s << u"0"_s;
        QTest::newRow("grouping") << 12345000LL << u"$1,234.50"_s << u"1234.5"_s;
        QTest::newRow("four decimals") << 12345678LL << u"$1,234.57"_s << u"1234.5678"_s;
        QTest::newRow("half a cent up") << 10050LL << u"$1.01"_s << u"1.005"_s;
        QTest::newRow("negative") << -10000LL << u"($1.00)"_s << u"-1"_s;
        QTest::newRow("tiny negative shows no sign") << -40LL << u"$0.00"_s << u"-0.004"_s;
        QTest::newRow("largest, exact")
            << 9223372036854775807LL << u"$922,337,203,685,477.58"_s << u"922337203685477.5807"_s;
    }
    void format() {
        QFETCH(qint64, tenThousandths);
        QFETCH(QString, money);
        QFETCH(QString, plain);
        const Currency amount = Currency::fromTenThousandths(tenThousandths);
        QCOMPARE(amount.toString(), money);
        QCOMPARE(amount.toPlainString(), plain);
    }

    void otherLocale() {
        const QLocale german(QLocale::German, QLocale::Germany);
        const Currency amount = Currency::fromTenThousandths(12345000);
        const QString text = amount.toString(german);
        QVERIFY2(text.contains(QStringLiteral("1.234,50")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("€")));
        QCOMPARE(Currency::parse(text, german), amount);
        QCOMPARE(amount.toPlainString(german), QStringLiteral("1234,5"));
        // Lakh grouping where the locale has it.
        const QLocale india(QLocale::English, QLocale::India);
        QCOMPARE(ScaledNumber(india.toString(qlonglong(1234567)), 0, india), 1234567LL);
    }

    void integers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        QTest::addColumn<qint64>("value");
        const int ok = int(IntegerError::None), range = int(IntegerError::OutOfRange),
                  nan = int(IntegerError::NotANumber);
        QTest::newRow("whole") << "42" << ok << 42LL;
        QTest::newRow("half down to even") << "12.5" << ok << 12LL;
        QTest::newRow("half up to even") << "13.5" << ok << 14LL;
        QTest::newRow("negative half") << "-2.5" << ok << -2LL;
        QTest::newRow("above half") << "2.51" << ok << 3LL;
        QTest::newRow("grouped") << "1,000" << ok << 1000LL;
        QTest::newRow("top") << "32767" << ok << 32767LL;
        QTest::newRow("bottom") << "-32768" << ok << -32768LL;
        QTest::newRow("rounds out of range") << "32767.5" << range << 0LL;
        QTest::newRow("above") << "32768" << range << 0LL;
        QTest::newRow("huge") << "99999999999999999999999" << range << 0LL;
        QTest::newRow("letters") << "abc" << nan << 0LL;
        QTest::newRow("empty") << "" << nan << 0LL;
    }
    void integers() {
        QFETCH(QString, text);
        QFETCH(int, error);
        QFETCH(qint64, value);
        IntegerError got = IntegerError::None;
        const std::optional<qint64> n = TextToInt16(text, &got);
        QCOMPARE(int(got), error);
        QCOMPARE(n.has_value(), error == int(IntegerError::None));
        if (n)
            QCOMPARE(*n, value);
    }

    void int32Range() {
        const qint64 min = -2147483647LL - 1, max = 2147483647LL;
        QCOMPARE(TextToInteger(QStringLiteral("2147483647"), min, max).value_or(0), max);
        QVERIFY(!TextToInteger(QStringLiteral("2147483648"), min, max));
        QVERIFY(!TextToInteger(QStringLiteral("-2147483649"), min, max));
    }
};

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
