#include "telephony/ComPort.h"

#include <QTimer>

#include <array>
#include <memory>

namespace {

QString DevicePattern() {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1");
#else
    return QStringLiteral("/dev/ttyS%1");
#endif
}

QString Pattern;
constexpr int Ports = 16;
constexpr int AnswerWaitMs = 200;

bool OpenPort(QSerialPort &port, int n) {
    port.setPortName(ComPortDevice(n));
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.setBaudRate(QSerialPort::Baud9600);
    return true;
}

// One search: the ports that opened, each waiting for its reply.
class ModemSearch : public QObject {
public:
    ModemSearch(QObject *context, std::function<void(int)> done)
        : QObject(context), m_done(std::move(done)) {
        for (int n = 1; n <= Ports; ++n) {
            auto port = std::make_unique<QSerialPort>();
            if (!OpenPort(*port, n))
                continue;
            port->write("AT\r");
            connect(port.get(), &QSerialPort::readyRead, this, [this] { Answered(); });
            m_ports[size_t(n - 1)] = std::move(port);
        }
        // Ports that answer nothing are given up together, after one short wait.
        QTimer::singleShot(
            std::none_of(m_ports.begin(), m_ports.end(), [](const auto &p) { return bool(p); })
                ? 0
                : AnswerWaitMs,
            this, [this] { Finish(); });
    }

private:
    void Answered() {
        // The lowest port that opened and answered ends the search at once.
        for (const auto &port : m_ports) {
            if (!port)
                continue;
            if (port->bytesAvailable() >= 2)
                Finish();
            return;
        }
    }
    void Finish() {
        if (m_finished)
            return;
        m_finished = true;
        int found = 0;
        for (int n = 1; n <= Ports && found == 0; ++n) {
            if (m_ports[size_t(n - 1)] && m_ports[size_t(n - 1)]->bytesAvailable() >= 2)
                found = n;
        }
        for (auto &port : m_ports)
            port.reset();
        if (found > 0 && Modem().Open(found)) {
            Modem().ClearInput();
            Modem().Send("AT#CID=1\r");
        }
        m_done(found);
        deleteLater();
    }

    std::array<std::unique_ptr<QSerialPort>, Ports> m_ports;
    std::function<void(int)> m_done;
    bool m_finished = false;
};

} // namespace

void SetComPortDevicePattern(const QString &pattern) {
    Pattern = pattern;
}

QString ComPortDevice(int n) {
    if (!Pattern.isEmpty())
        return QString(Pattern).replace(QLatin1String("%1"), QString::number(n));
#ifdef Q_OS_WIN
    return DevicePattern().arg(n);
#else
    return DevicePattern().arg(n - 1);
#endif
}

ComPort::ComPort() {
    // Once for the port's lifetime: it is opened and closed many times.
    connect(&m_port, &QSerialPort::readyRead, this, &ComPort::InputArrived);
    connect(&m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // A device that is gone reads as an error or as the end of the input, again and again:
        // nothing more can come from it.
        if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
            return;
        QMetaObject::invokeMethod(this, &ComPort::Close, Qt::QueuedConnection);
        emit Failed();
    });
}

bool ComPort::Open(int n) {
    Close();
    return OpenPort(m_port, n);
}

void ComPort::Close() {
    if (m_port.isOpen())
        m_port.close();
}

bool ComPort::Send(const QByteArray &text) {
    // Written at once: a hang-up is followed by closing the port, which would drop it.
    return m_port.isOpen() && m_port.write(text) == text.size() && m_port.flush();
}

QByteArray ComPort::TakeInput() {
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}

void ComPort::ClearInput() {
    if (m_port.isOpen())
        m_port.clear(QSerialPort::Input);
}

ComPort &Modem() {
    static ComPort port;
    return port;
}

void DetectModem(QObject *context, const std::function<void(int port)> &done) {
    new ModemSearch(context, done);
}
