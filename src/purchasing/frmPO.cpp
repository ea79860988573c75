#include "purchasing/frmPO.h"

#include "shell/Controls.h"
#include "shell/frmStartup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

frmPO::frmPO() : Form(QStringLiteral("frmPO")) {
    setWindowTitle(QStringLiteral("Purchase Order Creation"));
    const char *captions[] = {
        "Restock items at or below the preset reorder level",
        "Create a Blank PO (lined off body) enter items manually",
        "Restock All items (individual items can be removed from PO if desired)",
        "Create a PO for Direct Shipment to a Job Site"};
    const char *tips[] = {"only low items will be added to the grid", "Keep on work vehicle, etc",
                          "allitems will be added to the grid",
                          "only low items will be added to the grid"};
    auto *types = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        optPO[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        optPO[i]->setObjectName(QStringLiteral("optPO_%1").arg(i));
        optPO[i]->setToolTip(QString::fromLatin1(tips[i]));
        types->addWidget(optPO[i]);
    }
    auto *fraVendor = new QGroupBox(this);
    fraVendor->setObjectName(QStringLiteral("fraVendor"));
    cboVendors = new QComboBox(fraVendor);
    cboVendors->setObjectName(QStringLiteral("cboVendors"));
    auto *vendor = new QVBoxLayout(fraVendor);
    vendor->addWidget(new QLabel(
        QStringLiteral("Click the Vendor Name to whom this PO will be submitted"), fraVendor));
    vendor->addWidget(cboVendors);
    lblNextPO = new QLabel(this);
    lblNextPO->setObjectName(QStringLiteral("lblNextPO"));
    cmdPO[0] = CommandButton(QStringLiteral("cmdPO_0"), QStringLiteral("&Menu"), QString(), this);

    auto *layout = new QGridLayout(this);
    layout->addLayout(types, 0, 0, 1, 3);
    layout->addWidget(fraVendor, 1, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Next PO Number"), this), 2, 0);
    layout->addWidget(lblNextPO, 2, 1);
    layout->setRowStretch(3, 1);
    layout->addWidget(cmdPO[0], 4, 2, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    resize(900, 600);
    connect(cmdPO[0], &QPushButton::clicked, this, [this] { cmdPO_Click(0); });
}

void frmPO::cmdPO_Click(int Index) {
    if (Index == 0)
        ReturnToMainMenu(this);
}
