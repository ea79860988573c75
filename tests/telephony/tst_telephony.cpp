#include "support/Screens.h"
#include "telephony/ComPort.h"

#include <QDesktopServices>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <pty.h>
#include <unistd.h>
#include <utility>

namespace {

// How a modem on COM port 3 replies to the dial command: the echo and "OK" in one read or one
// after the other, its line going dead, or nothing. None: there is no modem, no COM port opens.
enum DialReply { Whole, Split, Dead, Silent, None };

// A modem on a pseudo-terminal: it answers "AT" with "OK" and keeps all it is sent. It answers
// only while the event loop runs, so the program has to wait for it without blocking.
class PtyModem {
public:
    explicit PtyModem(DialReply reply) : m_reply(reply) {
        SetComPortDevicePattern(m_dir.filePath("com%1"));
        if (reply == None)
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
        if (!Received.endsWith(";\r") || m_reply == Silent) // not a number dialled
            return;
        if (m_reply == Dead) { // as a modem pulled out: the program's next read fails
            QTimer::singleShot(0, [this] {
                m_notifier.reset();
                ::close(std::exchange(m_master, -1));
            });
            return;
        }
        const QByteArray echo = Received.mid(Received.lastIndexOf("ATDT"));
        Reply(m_reply == Split ? echo : echo + "\r\nOK\r\n");
        if (m_reply == Split)
            QTimer::singleShot(40, &*m_notifier, [this] { Reply("\r\nOK\r\n"); });
    }
    void Reply(const QByteArray &bytes) {
        (void)!write(m_master, bytes.constData(), size_t(bytes.size()));
    }
    QTemporaryDir m_dir;
    DialReply m_reply;
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

const QString Connected = "Pickup Receiver - Then Click Hangup";
const QString Handed = "No modem: 555-1234 was handed to the phone program.";

} // namespace

class TestTelephony : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        QVERIFY(EndScreenTest());
        QDesktopServices::unsetUrlHandler("tel");
        // A search that ended while the run was ending may have opened a port.
        Modem().Close();
    }

    // Start-up finds the modem, which answers only once start-up is over, and the dialer calls
    // 555-1234. A stored port stays in force; the port box shows the modem that answered, or
    // else the stored port, so that a save never stores 1 for a modem switched off.
    void startUpAndDial_data() {
        QTest::addColumn<int>("reply");
        QTest::addColumn<bool>("stored");    // Phone.txt and InventoryInfo.txt hold port 5
        QTest::addColumn<QString>("port");   // the port box after the search
        QTest::addColumn<QString>("status"); // once the call has come to an end
        QTest::newRow("OK with the echo") << int(Whole) << false << "3" << Connected;
        QTest::newRow("OK after the echo") << int(Split) << false << "3" << Connected;
        QTest::newRow("modem gone mid-dial") << int(Dead) << false << "3"
                                             << "The modem stopped answering.";
        QTest::newRow("no answer, no phone program")
            << int(Silent) << false << "3"
            << "The modem did not answer and no phone program: dial 555-1234 by hand.";
        QTest::newRow("no modem") << int(None) << false << "1" << Handed;
        QTest::newRow("stored port, modem on 3") << int(Whole) << true << "3" << Connected;
        QTest::newRow("stored port, modem off") << int(None) << true << "5" << Handed;
    }
    void startUpAndDial() {
        QFETCH(int, reply);
        QFETCH(bool, stored);
        QFETCH(QString, port);
        QFETCH(QString, status);
        TestDataFolder data;
        const QByteArray phoneFile =
            stored ? "#TRUE#\r\n5\r\n" : "#FALSE#\r\n" + port.toLatin1() + "\r\n";
        if (stored) {
            data.write("/Phone.txt", phoneFile);
            data.write("/InventoryInfo.txt", "0\r\n" + phoneFile);
        }
        PtyModem modem{DialReply(reply)};
        const bool modemOn = reply != None;
        PhoneProgram phone;
        if (!modemOn)
            QDesktopServices::setUrlHandler("tel", &phone, "call");
        // Only a modem that stays silent should ever meet the time limit, however busy the machine.
        SetModemAnswerTimeout(reply == Silent ? 300 : 15000);
        frmSetup *setup = LoadForm<frmSetup>();
        frmDialer *dialer = LoadForm<frmDialer>();
        QTRY_VERIFY_WITH_TIMEOUT(!dialer->Text1->text().isEmpty(), 2000); // the search is over
        QCOMPARE(dialer->Text1->text(),
                 QString(modemOn ? "Your Modem Comm Port Is 3." : "Modem Not Detected Or In Use."));
        QCOMPARE(dialer->Label2[3]->text(), QStringLiteral("COM Port # %1").arg(modemOn ? 3 : 1));
        QCOMPARE(setup->DetectedModemPort, modemOn ? 3 : 0);
        QCOMPARE(setup->txtModemPort->text(), port);
        QCOMPARE(data.read("/Phone.txt"), phoneFile);
        if (modemOn)
            QTRY_VERIFY(modem.Received.endsWith("AT#CID=1\r")); // caller identification
        QCOMPARE(Modem().IsOpen(), modemOn);                    // left open for the dialer

        dialer->lblNumber->setText("555-1234");
        dialer->show();
        QCOMPARE(dialer->lblStatus->text(), QString("Ready to Dial......"));
        dialer->ckDial1->click();
        QCOMPARE(dialer->lblNumber->text(), QString("1-555-1234"));
        dialer->ckDial1->click();
        QCOMPARE(dialer->lblNumber->text(), QString("555-1234"));
        dialer->cmdNewDial->click();
        QCOMPARE(dialer->lblStatus->text(), modemOn ? "Dialing..... 555-1234" : status);
        QTRY_COMPARE_WITH_TIMEOUT(dialer->lblStatus->text(), status, 2000);
        QCOMPARE(phone.calls, modemOn ? QList<QUrl>() : QList<QUrl>{QUrl("tel:555-1234")});
        if (status != Connected) { // the user may dial again
            QVERIFY(dialer->cmdNewDial->isVisible());
            QVERIFY(!Modem().IsOpen());
            return;
        }
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
        dialer->cmdDialer[1]->click();
        QCOMPARE(dialer->lblNumber->text(), QString("555-0005"));
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
    }
};

QTEST_MAIN(TestTelephony)
#include "tst_telephony.moc"
