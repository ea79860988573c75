#include "setup/frmSetup.h"
#include "support/Gui.h"
#include "telephony/ComPort.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <atomic>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <thread>
#include <unistd.h>

namespace {

// A modem on a pseudo-terminal behind COM port 3: it answers "AT" with "OK" and keeps
// everything the program sends it.
class PtyModem {
public:
    PtyModem() {
        char name[256] = {};
        QVERIFY(openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0);
        QVERIFY(QFile::link(QString::fromLocal8Bit(name), m_dir.filePath("com3")));
        SetComPortDevicePattern(m_dir.filePath("com%1"));
        m_thread = std::thread([this] { Answer(); });
    }
    ~PtyModem() {
        m_stop = true;
        m_thread.join();
        Modem().Close();
        ::close(m_master);
        ::close(m_slave);
        SetComPortDevicePattern(QString());
    }
    QByteArray Received() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_received;
    }

private:
    void Answer() {
        bool answered = false;
        while (!m_stop) {
            pollfd ready = {m_master, POLLIN, 0};
            if (poll(&ready, 1, 20) <= 0)
                continue;
            char bytes[256];
            const ssize_t n = read(m_master, bytes, sizeof bytes);
            if (n <= 0)
                continue;
            std::lock_guard<std::mutex> lock(m_mutex);
            m_received.append(bytes, int(n));
            if (!answered && m_received.contains("AT\r")) {
                answered = true;
                const char reply[] = "AT\r\r\nOK\r\n";
                (void)!write(m_master, reply, sizeof reply - 1);
            }
        }
    }
    QTemporaryDir m_dir;
    int m_master = -1, m_slave = -1;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    QByteArray m_received;
};

} // namespace

class TestTelephony : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(EndScreenTest()); }

    void detectionFindsTheModem() {
        TestDataFolder data;
        PtyModem modem;
        frmSetup *setup = LoadForm<frmSetup>();
        QTRY_COMPARE_WITH_TIMEOUT(setup->DetectedModemPort, 3, 2000);
        QCOMPARE(setup->txtModemPort->text(), QString("3"));
        QCOMPARE(data.read("/Phone.txt"), QByteArray("#FALSE#\r\n3\r\n"));
        QTRY_VERIFY(modem.Received().endsWith("AT#CID=1\r")); // caller identification
        QVERIFY(Modem().IsOpen());                            // left open for the dialer
    }

    void storedPortStaysInForce() {
        TestDataFolder data;
        data.write("/Phone.txt", "#TRUE#\r\n5\r\n");
        PtyModem modem;
        frmSetup *setup = LoadForm<frmSetup>();
        QTRY_COMPARE_WITH_TIMEOUT(setup->DetectedModemPort, 3, 2000);
        QCOMPARE(setup->txtModemPort->text(), QString("1")); // no InventoryInfo.txt: port 1
        QCOMPARE(data.read("/Phone.txt"), QByteArray("#TRUE#\r\n5\r\n"));
    }

    void noModemHoldsNothingUp() {
        TestDataFolder data;
        QTemporaryDir empty;
        SetComPortDevicePattern(empty.filePath("com%1"));
        QElapsedTimer timer;
        timer.start();
        frmSetup *setup = LoadForm<frmSetup>();
        QVERIFY2(timer.elapsed() < 100, "the search waits for nothing");
        QTest::qWait(50);
        QCOMPARE(setup->DetectedModemPort, 0);
        QCOMPARE(setup->txtModemPort->text(), QString("1"));
        QCOMPARE(data.read("/Phone.txt"), QByteArray("#FALSE#\r\n1\r\n"));
        SetComPortDevicePattern(QString());
    }
};

QTEST_MAIN(TestTelephony)
#include "tst_telephony.moc"
