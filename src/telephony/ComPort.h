#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <functional>

// COM port n (1 to 16) is /dev/ttyS<n-1> on Linux and COMn on Windows. The pattern replaces
// that mapping ("%1" stands for n), so that tests can put a pseudo-terminal that answers like a
// modem behind a COM number.
void SetComPortDevicePattern(const QString &pattern);
QString ComPortDevice(int n);

// The modem's port as the dialer drives it.
class ComPort : public QObject {
    Q_OBJECT
public:
    ComPort();
    // False at once when the port is absent or in use.
    bool Open(int n);
    void Close();
    bool IsOpen() const { return m_port.isOpen(); }
    bool Send(const QByteArray &text);
    // Everything that has arrived since the last call.
    QByteArray TakeInput();
    void ClearInput();

signals:
    void InputArrived();
    // The port stopped working (a cable pulled, a device gone).
    void Failed();

private:
    QSerialPort m_port;
};

// The one modem port of the program.
ComPort &Modem();

// Finds the modem without holding up start-up: every COM port that opens is sent "AT" CR, and
// the lowest one that answers within about 200 ms is the modem. done runs once from the event
// loop with its number, or 0 when none answered; the modem's port is then left open with
// caller identification switched on ("AT#CID=1"). Nothing runs once context is gone.
void DetectModem(QObject *context, const std::function<void(int port)> &done);
