#include "support/Screens.h"
#include "telephony/ComPort.h"

#include <QDesktopServices>
#include <QUrl>

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <pty.h>
#include <unistd.h>
#include <utility>

namespace {

// A modem on a pseudo-terminal behind COM port 3: it answers "AT" with "OK" and keeps
// everything the program sends it. It answers whenever the event loop runs, so the program has
// to wait for it without blocking. Without one present, no COM port opens at all.
class PtyModem {
public:
    explicit PtyModem(bool present = true) {
        SetComPortDevicePattern(m_dir.filePath("com%1"));
        if (!present)
            return;
        char name[256] = {};
        QVERIFY(openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0);
        QVERIFY(QFile::link(QString::fromLocal8Bit(name), m_dir.filePath("com3")));
        m_notifier.emplace(m_master, QSocketNotifier::Read);
        QObject::connect(&*m_notifier, &QSocketNotifier::activated, [this] { Answer(); });
    }
    ~PtyModem() {
        m_notifier.reset();
        Modem().Close();
        if (m_master >= 0)
            ::close(m_master);
        ::close(m_slave);
        SetComPortDevicePattern(QString());
    }
    // The reply to the dial command: the echo and "OK" in one read, one after the other, or
    // none, the modem's line going dead instead.
    enum DialOutcome { Whole, Split, Dead, Silent } DialReply = Whole;
    QByteArray Received;

private:
    void Answer() {
        char bytes[256];
        const ssize_t n = read(m_master, bytes, sizeof bytes);
        if (n <= 0)
            return;
        Received.append(bytes, int(n));
        if (!m_answered && Received.contains("AT\r")) {
            m_answered = true;
            Reply("AT\r\r\nOK\r\n");
        }
        if (Received.endsWith(";\r") && DialReply == Dead) {
            // As a modem pulled out: the program's end of the line fails its next read.
            QTimer::singleShot(0, [this] {
                m_notifier.reset();
                ::close(std::exchange(m_master, -1));
            });
        } else if (Received.endsWith(";\r") && DialReply != Silent) { // a number dialled
            const QByteArray echo = Received.mid(Received.lastIndexOf("ATDT"));
            Reply(DialReply == Split ? echo : echo + "\r\nOK\r\n");
            if (DialReply == Split)
                QTimer::singleShot(40, &*m_notifier, [this] { Reply("\r\nOK\r\n"); });
        }
    }
    void Reply(const QByteArray &bytes) {
        (void)!write(m_master, bytes.constData(), size_t(bytes.size()));
    }
    QTemporaryDir m_dir;
    int m_master = -1, m_slave = -1;
    bool m_answered = false;
    std::optional<QSocketNotifier> m_notifier;
};

// Takes the tel: links the program hands to the desktop.
class PhoneProgram : public QObject {
    Q_OBJECT
public:
    QList<QUrl> calls;
public slots:
    void call(const QUrl &url) { calls << url; }
};

} // namespace

class TestTelephony : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        QVERIFY(EndScreenTest());
        // A search that ended while the run was ending may have opened a port; the process
        // would end there, the next test must not inherit it.
        Modem().Close();
    }

    // The stored port stays in force and in its file; the port box shows the modem that
    // answered, or else the stored port, so that a save never stores 1 for a modem switched off.
    void storedPortStaysInForce_data() {
        QTest::addColumn<bool>("modemOn");
        QTest::addColumn<QString>("shown");
        QTest::newRow("modem answers on 3") << true << "3";
        QTest::newRow("modem switched off") << false << "5";
    }
    void storedPortStaysInForce() {
        QFETCH(bool, modemOn);
        QFETCH(QString, shown);
        TestDataFolder data;
        data.write("/Phone.txt", "#TRUE#\r\n5\r\n");
        data.write("/InventoryInfo.txt", "0\r\n#TRUE#\r\n5\r\n");
        PtyModem modem(modemOn);
        frmSetup *setup = LoadForm<frmSetup>();
        QTRY_VERIFY_WITH_TIMEOUT(LoadForm<frmDialer>()->Text1->text() != QString(), 2000);
        QCOMPARE(setup->DetectedModemPort, modemOn ? 3 : 0);
        QCOMPARE(setup->txtModemPort->text(), shown);
        QCOMPARE(data.read("/Phone.txt"), QByteArray("#TRUE#\r\n5\r\n"));
    }

    // Start-up finds the modem, and the dialer calls through it.
    void dialAndHangUp_data() {
        QTest::addColumn<int>("reply");
        QTest::newRow("OK with the echo") << int(PtyModem::Whole);
        QTest::newRow("OK after the echo") << int(PtyModem::Split);
        QTest::newRow("modem gone mid-dial") << int(PtyModem::Dead);
        QTest::newRow("no answer to the dial") << int(PtyModem::Silent);
    }
    void dialAndHangUp() {
        QFETCH(int, reply);
        TestDataFolder data;
        PtyModem modem;
        modem.DialReply = PtyModem::DialOutcome(reply);
        // Only a modem that stays silent should ever meet the time limit, however busy the machine.
        SetModemAnswerTimeout(modem.DialReply == PtyModem::Silent ? 300 : 15000);
        frmSetup *setup = LoadForm<frmSetup>();
        QTRY_COMPARE_WITH_TIMEOUT(setup->DetectedModemPort, 3, 2000);
        QCOMPARE(setup->txtModemPort->text(), QString("3"));
        QCOMPARE(data.read("/Phone.txt"), QByteArray("#FALSE#\r\n3\r\n"));
        QTRY_VERIFY(modem.Received.endsWith("AT#CID=1\r")); // caller identification
        QVERIFY(Modem().IsOpen());                          // left open for the dialer

        frmDialer *dialer = LoadForm<frmDialer>();
        QCOMPARE(dialer->Text1->text(), QString("Your Modem Comm Port Is 3."));
        QCOMPARE(dialer->Label2[3]->text(), QString("COM Port # 3"));
        dialer->lblNumber->setText("555-1234");
        dialer->show();
        QCOMPARE(dialer->lblStatus->text(), QString("Ready to Dial......"));
        dialer->ckDial1->click();
        QCOMPARE(dialer->lblNumber->text(), QString("1-555-1234"));
        dialer->ckDial1->click();
        QCOMPARE(dialer->lblNumber->text(), QString("555-1234"));
        dialer->cmdNewDial->click();
        QCOMPARE(dialer->lblStatus->text(), QString("Dialing..... 555-1234"));
        if (modem.DialReply >= PtyModem::Dead) {
            // The wait ends: the user may dial again. Without a phone program to take the
            // call either, the user is told to dial by hand.
            QTRY_COMPARE_WITH_TIMEOUT(
                dialer->lblStatus->text(),
                QString(modem.DialReply == PtyModem::Dead
                            ? "The modem stopped answering."
                            : "The modem did not answer and no phone program: dial 555-1234 by "
                              "hand."),
                2000);
            QVERIFY(dialer->cmdNewDial->isVisible());
            QVERIFY(!Modem().IsOpen());
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(dialer->lblStatus->text(),
                                  QString("Pickup Receiver - Then Click Hangup"), 2000);
        QVERIFY(modem.Received.contains("ATDT555-1234;\r"));
        QVERIFY(dialer->cmdCancel->isVisible());
        Screenshot(dialer, "dialer-connected");
        dialer->cmdHangup->click();
        QTRY_VERIFY(modem.Received.endsWith("ATH\r"));
        QVERIFY(!dialer->isVisible());
        QVERIFY(!Modem().IsOpen());
    }

    void speedDial() {
        TestDataFolder data;
        frmDialer *dialer = LoadForm<frmDialer>();
        dialer->show();
        for (int slot : {0, 5}) {
            dialer->cmdDialer[size_t(slot)]->click(); // an empty slot opens the entry frame
            QVERIFY(dialer->fraSpeedDial->isVisible());
            dialer->txtDialer[0]->setText(QStringLiteral("Slot %1").arg(slot));
            dialer->txtDialer[1]->setText(QStringLiteral("555-000%1").arg(slot));
            dialer->cmdSpeedDialer[0]->click();
        }
        QCOMPARE(data.read("/SpeedNumbers.txt"),
                 QByteArray("Slot 0\r\n555-0000\r\nSlot 5\r\n555-0005\r\n"));
        dialer->hide();
        dialer->show(); // the gap closes
        QCOMPARE(dialer->cmdDialer[1]->text(), QString("Slot 5"));
        dialer->cmdDialer[1]->click();
        QCOMPARE(dialer->lblNumber->text(), QString("555-0005"));
        QVERIFY(dialer->cmdSpeedDialer[2]->isEnabled());
        const auto asked = AnswerMessageBox(QMessageBox::No);
        dialer->cmdSpeedDialer[2]->click();
        QCOMPARE(asked->text, QString("This will delete SpeedDial entry  Slot 5\r\nAre you Sure"));
        QVERIFY(!dialer->cmdSpeedDialer[2]->isEnabled());
        QCOMPARE(dialer->cmdDialer[1]->text(), QString("Slot 5"));
        dialer->cmdSpeedDialer[3]->click(); // back to the recipient shown before the slot
        QCOMPARE(dialer->lblNumber->text(), QString());
        dialer->lblName->setText("Gulf Supply");
        dialer->cmdDialer[2]->click(); // an empty slot takes the current recipient
        dialer->cmdSpeedDialer[4]->click();
        QCOMPARE(dialer->cmdDialer[2]->text(), QString("Gulf Supply"));
        dialer->cmdHelp->click();
        QVERIFY(dialer->fraHelp->isVisible());
        QCOMPARE(dialer->cmdHelp->text(), QString("Hide Help"));
    }

    // Without a modem start-up is not held up, and the desktop's phone program makes the call.
    void withoutAModemTheDesktopCalls() {
        TestDataFolder data;
        PtyModem none(false);
        QElapsedTimer timer;
        timer.start();
        frmSetup *setup = LoadForm<frmSetup>();
        QVERIFY2(timer.elapsed() < 100, "the search waits for nothing");
        QTest::qWait(50);
        QCOMPARE(setup->DetectedModemPort, 0);
        QCOMPARE(setup->txtModemPort->text(), QString("1"));
        QCOMPARE(data.read("/Phone.txt"), QByteArray("#FALSE#\r\n1\r\n"));

        PhoneProgram phone;
        QDesktopServices::setUrlHandler("tel", &phone, "call");
        frmDialer *dialer = LoadForm<frmDialer>();
        QCOMPARE(dialer->Text1->text(), QString("Modem Not Detected Or In Use."));
        dialer->lblNumber->setText("555-1234");
        dialer->show();
        dialer->cmdNewDial->click();
        QVERIFY2(phone.calls == QList<QUrl>{QUrl("tel:555-1234")},
                 qPrintable(dialer->lblStatus->text()));
        QVERIFY(dialer->lblStatus->text().contains("handed"));
        QDesktopServices::unsetUrlHandler("tel");
    }
};

QTEST_MAIN(TestTelephony)
#include "tst_telephony.moc"
