#include "telephony/frmDialer.h"

#include "base/Controls.h"
#include "base/Rev11Common.h"
#include "base/VerifyDataRoutines.h"
#include "setup/frmSetup.h"
#include "telephony/ComPort.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace {

// A modem answers a dial within a few seconds.
int ModemAnswerTimeoutMs = 15000;

QLabel *Named(const QString &name, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

void SetModemAnswerTimeout(int milliseconds) {
    ModemAnswerTimeoutMs = milliseconds;
}

frmDialer::frmDialer() : Form(QStringLiteral("frmDialer")) {
    setWindowTitle(QStringLiteral("Call ..............."));
    lblName = Named(QStringLiteral("lblName"), QString(), this);
    lblNumber = Named(QStringLiteral("lblNumber"), QString(), this);
    QFont large = lblName->font();
    large.setPointSize(large.pointSize() + 3);
    large.setBold(true);
    lblName->setFont(large);
    lblNumber->setFont(large);
    ckDial1 = new QCheckBox(QStringLiteral("Dial a Prefix  1-"), this);
    ckDial1->setObjectName(QStringLiteral("ckDial1"));
    ckDial1->setToolTip(QStringLiteral("Click for Long Distance Calls"));
    cmdNewDial =
        CommandButton(QStringLiteral("cmdNewDial"), QStringLiteral("&Dial"), QString(), this);
    cmdHangup = CommandButton(QStringLiteral("cmdHangup"), QStringLiteral("D&isconnect/Cancel"),
                              QStringLiteral("Return to previous Screen"), this);
    cmdCancel = CommandButton(QStringLiteral("cmdCancel"),
                              QStringLiteral("Pick up the receiver then &Click to Talk"),
                              QStringLiteral("Disconnect the Call"), this);
    lblStatus = Named(QStringLiteral("lblStatus"), QString(), this);
    Text1 = Named(QStringLiteral("Text1"), QString(), this);
    Label2[3] = Named(QStringLiteral("Label2_3"), QString(), this);
    Image2 = Named(QStringLiteral("Image2"), QStringLiteral("Pick up the Receiver!"), this);
    Image2->setFont(large);

    auto *speed = new QGridLayout;
    auto *speedHeading = new QLabel(QStringLiteral("Speed Dial"), this);
    speedHeading->setFont(large);
    speed->addWidget(speedHeading, 0, 0, 1, 2);
    for (int i = 0; i < SpeedSlots; ++i) {
        cmdDialer[size_t(i)] =
            CommandButton(QStringLiteral("cmdDialer_%1").arg(i), QString(), QString(), this);
        speed->addWidget(cmdDialer[size_t(i)], 1 + i / 2, i % 2);
        connect(cmdDialer[size_t(i)], &QPushButton::clicked, this,
                [this, i] { cmdDialer_Click(i); });
    }
    fraSpeedDial = new QGroupBox(QStringLiteral("Add Speed Dial Name and No."), this);
    fraSpeedDial->setObjectName(QStringLiteral("fraSpeedDial"));
    auto *entry = new QGridLayout(fraSpeedDial);
    for (int i = 0; i < 2; ++i) {
        txtDialer[size_t(i)] = new QLineEdit(fraSpeedDial);
        txtDialer[size_t(i)]->setObjectName(QStringLiteral("txtDialer_%1").arg(i));
        KeepStorable(txtDialer[size_t(i)], StoredAs::PlainLine);
        entry->addWidget(txtDialer[size_t(i)], 0, i);
    }
    const std::pair<const char *, const char *> commands[] = {
        {"&Save", "Saves this Data to the selected Speed dial"},
        {"Ca&ncel", ""},
        {"Delete Selected Speed Dial &No", ""},
        {"&Restore Original Call Recipient", ""},
        {"&Load Current Player", "Load Current Player to Above"}};
    for (int i = 0; i < 5; ++i) {
        cmdSpeedDialer[size_t(i)] = CommandButton(
            QStringLiteral("cmdSpeedDialer_%1").arg(i), QString::fromLatin1(commands[i].first),
            QString::fromLatin1(commands[i].second),
            i == 2 || i == 3 ? static_cast<QWidget *>(this) : fraSpeedDial);
        connect(cmdSpeedDialer[size_t(i)], &QPushButton::clicked, this,
                [this, i] { cmdSpeedDialer_Click(i); });
    }
    entry->addWidget(cmdSpeedDialer[0], 1, 0);
    entry->addWidget(cmdSpeedDialer[1], 1, 1);
    entry->addWidget(cmdSpeedDialer[4], 2, 0, 1, 2);
    fraSpeedDial->hide();

    cmdHelp =
        CommandButton(QStringLiteral("cmdHelp"), QStringLiteral("Show Help"), QString(), this);
    fraHelp = new QGroupBox(QStringLiteral("Help!"), this);
    fraHelp->setObjectName(QStringLiteral("fraHelp"));
    auto *hints = new QVBoxLayout(fraHelp);
    for (const char *hint :
         {"Connect Your Computers Modem to the Telephone Wall Outlet",
          "Daisy-Chain a Telephone downstream from your Computers Modem",
          "Customers Name and Number were loaded Automatically", "Click the Dial Button",
          "Or Select from Speed Dial", "Click the Pick up the receiver Button",
          "Talk -------------", "You can add anyone to the Speed Dial names and numbers",
          "Not all MODEMS can perform dialing operations. Some UPS Units may use the same port as "
          "your modem and a dialing error may occur."})
        hints->addWidget(WrappedLabel(QString::fromLatin1(hint), fraHelp));
    fraHelp->hide();

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblName, 0, 0, 1, 2);
    layout->addWidget(lblNumber, 1, 0);
    layout->addWidget(ckDial1, 1, 1);
    layout->addWidget(lblStatus, 2, 0, 1, 2);
    layout->addWidget(Image2, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {cmdNewDial, cmdCancel, cmdHangup})
        buttons->addWidget(button);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->addLayout(speed, 5, 0, 1, 2);
    layout->addWidget(fraSpeedDial, 6, 0, 1, 2);
    auto *more = new QHBoxLayout;
    more->addWidget(cmdSpeedDialer[2]);
    more->addWidget(cmdSpeedDialer[3]);
    more->addWidget(cmdHelp);
    layout->addLayout(more, 7, 0, 1, 2);
    layout->addWidget(fraHelp, 8, 0, 1, 2);
    layout->addWidget(Text1, 9, 0);
    layout->addWidget(Label2[3], 9, 1);
    resize(560, 520);

    connect(ckDial1, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked)
            lblNumber->setText(QStringLiteral("1-") + lblNumber->text());
        else if (lblNumber->text().startsWith(QLatin1String("1-")))
            lblNumber->setText(lblNumber->text().mid(2));
    });
    connect(cmdNewDial, &QPushButton::clicked, this, &frmDialer::Dial);
    connect(cmdHangup, &QPushButton::clicked, this, &frmDialer::HangUp);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        ResetDialer();
        HangUp(); // the user talks on the telephone; the modem lets the line go
    });
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        fraHelp->setVisible(!fraHelp->isVisible());
        cmdHelp->setText(fraHelp->isVisible() ? QStringLiteral("Hide Help")
                                              : QStringLiteral("Show Help"));
    });
    connect(&Modem(), &ComPort::InputArrived, this, &frmDialer::ModemAnswered);
    // A port that opens but has no modem behind it never answers: the call goes on without it.
    DialWait = new QTimer(this);
    DialWait->setSingleShot(true);
    connect(DialWait, &QTimer::timeout, this, [this] {
        if (!Dialing)
            return;
        Modem().Close();
        CallWithoutModem(lblNumber->text(), true);
    });
    connect(&Modem(), &ComPort::Failed, this, [this] {
        if (!Dialing)
            return;
        // No "OK" can come any more: the wait ends and the user may dial again.
        ResetDialer();
        lblStatus->setText(QStringLiteral("The modem stopped answering."));
        Modem().Close();
    });
}

void frmDialer::Form_Activate() {
    Image2->hide();
    ResetDialer();
    if (!Modem().IsOpen())
        Modem().Open(LoadForm<frmSetup>()->txtModemPort->text().toInt());
    LoadSpeedDial();
}

void frmDialer::ShowModemPort(int port) {
    Text1->setText(port > 0 ? QStringLiteral("Your Modem Comm Port Is %1.").arg(port)
                            : QStringLiteral("Modem Not Detected Or In Use."));
    Label2[3]->setText(QStringLiteral("COM Port # %1").arg(port > 0 ? port : 1));
}

void frmDialer::ResetDialer() {
    cmdSpeedDialer[2]->setEnabled(false);
    cmdNewDial->show();
    cmdCancel->hide();
    lblStatus->setText(QStringLiteral("Ready to Dial......"));
    Dialing = false;
}

void frmDialer::LoadSpeedDial() {
    Speed = ReadSpeedNumbers();
    for (int i = 0; i < SpeedSlots; ++i)
        cmdDialer[size_t(i)]->setText(Speed[size_t(i)].Name);
}

void frmDialer::SaveSpeedDial() {
    if (!WriteSpeedNumbers(Speed))
        MsgBox(QStringLiteral("The speed-dial list could not be saved."));
}

void frmDialer::CallWithoutModem(const QString &number, bool modemSilent) {
    ResetDialer();
    const bool handed = QDesktopServices::openUrl(QUrl(QStringLiteral("tel:") + number));
    const QString modem =
        modemSilent ? QStringLiteral("The modem did not answer") : QStringLiteral("No modem");
    lblStatus->setText(
        handed ? QStringLiteral("%1: %2 was handed to the phone program.").arg(modem, number)
               : QStringLiteral("%1 and no phone program: dial %2 by hand.").arg(modem, number));
}

void frmDialer::Dial() {
    const QString number = lblNumber->text();
    if (!Modem().IsOpen()) {
        CallWithoutModem(number, false);
        return;
    }
    cmdNewDial->hide();
    lblStatus->setText(QStringLiteral("Dialing..... ") + number);
    Modem().ClearInput();
    ModemReply.clear();
    Dialing = true;
    DialWait->start(ModemAnswerTimeoutMs);
    Modem().Send("ATDT" + number.toLatin1() + ";\r");
}

void frmDialer::ModemAnswered() {
    if (!Dialing)
        return;
    // Kept across reads: the echo and "OK" may come in one piece or in several.
    ModemReply += QString::fromLatin1(Modem().TakeInput());
    if (!ModemReply.contains(QLatin1String("OK")))
        return;
    Dialing = false;
    DialWait->stop();
    lblStatus->setText(QStringLiteral("Pickup Receiver - Then Click Hangup"));
    Image2->show();
    cmdCancel->show();
    cmdCancel->setFocus();
}

void frmDialer::HangUp() {
    // Also ends a wait for "OK": nothing is waited for once the screen is gone.
    Dialing = false;
    Modem().Send("ATH\r");
    Modem().Close();
    Image2->hide();
    hide();
}

void frmDialer::cmdDialer_Click(int Index) {
    SelectedSlot = Index;
    SavedName = lblName->text();
    SavedNumber = lblNumber->text();
    cmdSpeedDialer[2]->setEnabled(false);
    if (cmdDialer[size_t(Index)]->text().isEmpty()) {
        fraSpeedDial->show();
        txtDialer[0]->setFocus();
        return;
    }
    lblName->setText(Speed[size_t(Index)].Name);
    lblNumber->setText(Speed[size_t(Index)].Number);
    cmdSpeedDialer[2]->setEnabled(true);
}

void frmDialer::cmdSpeedDialer_Click(int Index) {
    SpeedEntry &slot = Speed[size_t(SelectedSlot)];
    switch (Index) {
    case 4:
        txtDialer[0]->setText(lblName->text());
        txtDialer[1]->setText(lblNumber->text());
        [[fallthrough]];
    case 0:
        slot = {StorableText(txtDialer[0]->text(), StoredAs::PlainLine),
                StorableText(txtDialer[1]->text(), StoredAs::PlainLine)};
        cmdDialer[size_t(SelectedSlot)]->setText(slot.Name);
        SaveSpeedDial();
        [[fallthrough]];
    case 1:
        txtDialer[0]->clear();
        txtDialer[1]->clear();
        fraSpeedDial->hide();
        break;
    case 2:
        if (MsgBox(QStringLiteral("This will delete SpeedDial entry  ") +
                       cmdDialer[size_t(SelectedSlot)]->text() + QStringLiteral("\r\nAre you Sure"),
                   QMessageBox::Yes | QMessageBox::No,
                   QStringLiteral("Delete Speed Dial")) == QMessageBox::Yes) {
            slot = SpeedEntry();
            SaveSpeedDial();
            LoadSpeedDial();
        } else {
            cmdSpeedDialer[2]->setEnabled(false);
        }
        break;
    case 3:
        lblName->setText(SavedName);
        lblNumber->setText(SavedNumber);
        break;
    default:
        break;
    }
}

QAbstractButton *frmDialer::EnterButton() const {
    return cmdNewDial;
}
