#include "inventory/frmServices.h"

#include "shell/Controls.h"
#include "shell/frmStartup.h"

#include <QPushButton>
#include <QVBoxLayout>

frmServices::frmServices() : Form(QStringLiteral("frmServices")) {
    setWindowTitle(QStringLiteral("Inventoried Items"));
    cmdServices[0] = CommandButton(QStringLiteral("cmdServices_0"), QStringLiteral("Menu"),
                                   QStringLiteral("Returns to the main menu"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdServices[0], 0, Qt::AlignRight);
    resize(1000, 680);
    connect(cmdServices[0], &QPushButton::clicked, this, [this] { cmdServices_Click(0); });
}

void frmServices::cmdServices_Click(int Index) {
    if (Index == 0)
        ReturnToMainMenu(this);
}
