#include "contacts/frmContacts.h"

#include "shell/Controls.h"
#include "shell/frmStartup.h"

#include <QPushButton>
#include <QVBoxLayout>

frmContacts::frmContacts() : Form(QStringLiteral("frmContacts")) {
    setWindowTitle(QStringLiteral("Payto Selection"));
    cmdExit = CommandButton(QStringLiteral("cmdExit"), QStringLiteral("&Menu"), QString(), this);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdExit, 0, Qt::AlignRight);
    resize(800, 560);
    connect(cmdExit, &QPushButton::clicked, this, &frmContacts::cmdExit_Click);
}

void frmContacts::cmdExit_Click() {
    ReturnToMainMenu(this);
}
