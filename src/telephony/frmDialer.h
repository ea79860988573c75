#pragma once

#include "base/Forms.h"
#include "telephony/SpeedDial.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QTimer;
class QLineEdit;
class QPushButton;

// Dials one number through the modem, so that the user picks up the telephone daisy-chained
// behind it, and keeps ten speed-dial entries.
// How long a dial waits for the modem's "OK" before the call goes to the phone program instead:
// 15 seconds, unless a test wants it sooner.
void SetModemAnswerTimeout(int milliseconds);

class frmDialer : public Form {
    Q_OBJECT
public:
    frmDialer();
    void Form_Activate() override;

    QLabel *lblName;
    QLabel *lblNumber;
    QCheckBox *ckDial1;
    QPushButton *cmdNewDial;
    QPushButton *cmdHangup;
    QPushButton *cmdCancel;
    QLabel *lblStatus;
    QLabel *Text1;
    std::array<QLabel *, 4> Label2{}; // element 3: the COM port line
    std::array<QPushButton *, SpeedSlots> cmdDialer{};
    QGroupBox *fraSpeedDial;
    std::array<QLineEdit *, 2> txtDialer{};
    std::array<QPushButton *, 5> cmdSpeedDialer{};
    QPushButton *cmdHelp;
    QGroupBox *fraHelp;
    QLabel *Image2;

    SpeedEntries Speed;
    int SelectedSlot = 0;
    QString SavedName;
    QString SavedNumber;
    QString ModemReply;
    // Waiting for the modem's "OK" after the number was sent.
    bool Dialing = false;
    QTimer *DialWait;

    void LoadSpeedDial();
    void SaveSpeedDial();
    void ResetDialer();
    void Dial();
    // The desktop's phone program takes the call; the status line says what became of it.
    void CallWithoutModem(const QString &number, bool modemSilent);
    void HangUp();
    void cmdDialer_Click(int Index);
    void cmdSpeedDialer_Click(int Index);
    // The port lines after the modem search: the port found, or none.
    void ShowModemPort(int port);

protected:
    QAbstractButton *EnterButton() const override;
    QString LayoutKey() const override { return QStringLiteral("VelborProposal"); }

private:
    void ModemAnswered();
};
