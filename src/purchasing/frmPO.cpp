#include "purchasing/frmPO.h"

#include "shell/Controls.h"
#include "shell/frmStartup.h"

#include <QPushButton>
#include <QVBoxLayout>

frmPO::frmPO() : Form(QStringLiteral("frmPO")) {
    setWindowTitle(QStringLiteral("Purchase Order Creation"));
    cmdPO[0] = CommandButton(QStringLiteral("cmdPO_0"), QStringLiteral("&Menu"), QString(), this);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdPO[0], 0, Qt::AlignRight);
    resize(900, 600);
    connect(cmdPO[0], &QPushButton::clicked, this, [this] { cmdPO_Click(0); });
}

void frmPO::cmdPO_Click(int Index) {
    if (Index == 0)
        ReturnToMainMenu(this);
}
