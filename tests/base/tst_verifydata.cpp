#include "base/VerifyDataRoutines.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace Qt::StringLiterals;

class TestVerifyData : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Typing into real boxes: what the user ends up seeing.
    void typing_data() {
        QTest::addColumn<bool>("digitsOnly");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed"); // \b is the Backspace key
        QTest::addColumn<QString>("shown");
        QTest::newRow("no leading zero") << false << u""_s << u"0"_s << u""_s;
        QTest::newRow("1.50 and no more") << false << u""_s << u"01.509"_s << u"1.50"_s;
        QTest::newRow("second point") << false << u""_s << u"1..5.."_s << u"1.5"_s;
        QTest::newRow("third decimal refused") << false << u"12.5"_s << u"3x4"_s << u"12.53"_s;
        QTest::newRow("letters and signs") << false << u""_s << u"-$7a"_s << u"7"_s;
        QTest::newRow("zero after a digit") << false << u""_s << u"10"_s << u"10"_s;
        QTest::newRow("money backspace") << false << u""_s << u"1.25\b9"_s << u"1.29"_s;
        QTest::newRow("digits only") << true << u""_s << u"0-2.3a 9"_s << u"0239"_s;
        QTest::newRow("digits backspace") << true << u""_s << u"1-2.3a4\b"_s << u"123"_s;
    }
    void typing() {
        QFETCH(bool, digitsOnly);
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit box;
        box.setText(start);
        if (digitsOnly)
            InstallDigitKeyFilter(&box);
        else
            InstallCurrencyKeyFilter(&box);
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.text(), shown);
    }

    void formatCurrencyField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<QString>("shown");
        QTest::newRow("us amount") << "1234.5" << true << "$1,234.50";
        QTest::newRow("already money") << "$9.50" << true << "$9.50";
        QTest::newRow("letters") << "abc" << false << "";
        QTest::newRow("empty") << "" << false << "";
    }
    void formatCurrencyField() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(QString, shown);
        QWidget window;
        auto *box = new QLineEdit(&window);
        auto *other = new QLineEdit(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        box->setText(text);
        QCOMPARE(FormatCurrencyField(box), numeric);
        QCOMPARE(box->text(), shown);
        QCOMPARE(box->hasFocus(), !numeric);
    }

    void moveListItem_data() {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("selected");
        QTest::newRow("up from 2") << true << 2 << QStringList{"A", "C", "B"} << 1;
        QTest::newRow("down from 0") << false << 0 << QStringList{"B", "A", "C"} << 1;
        QTest::newRow("up from the top stays") << true << 0 << QStringList{"A", "B", "C"} << -1;
        QTest::newRow("down from the bottom stays")
            << false << 2 << QStringList{"A", "B", "C"} << -1;
    }
    void moveListItem() {
        QFETCH(bool, up);
        QFETCH(int, index);
        QFETCH(QStringList, after);
        QFETCH(int, selected);
        QListWidget list;
        list.addItems({"A", "B", "C"});
        MoveListItem(up, &list, index);
        QStringList texts;
        for (int i = 0; i < list.count(); ++i)
            texts << list.item(i)->text();
        QCOMPARE(texts, after);
        QCOMPARE(list.currentRow(), selected);
    }
};

QTEST_MAIN(TestVerifyData)
#include "tst_verifydata.moc"
