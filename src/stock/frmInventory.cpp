#include "stock/frmInventory.h"

#include "shell/Controls.h"
#include "shell/frmStartup.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmInventory::frmInventory() : Form(QStringLiteral("frmInventory")) {
    setWindowTitle(QStringLiteral("Inventoried Items"));
    lblRoutine = new QLabel(this);
    lblRoutine->setObjectName(QStringLiteral("lblRoutine"));
    QFont title = lblRoutine->font();
    title.setPointSize(title.pointSize() + 4);
    title.setBold(true);
    lblRoutine->setFont(title);
    cmdServices[0] = CommandButton(QStringLiteral("cmdServices_0"), QStringLiteral("Menu"),
                                   QStringLiteral("Return to Main Menu"), this);
    DTPicker1 = new QDateEdit(QDate::currentDate(), this);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblRoutine);
    layout->addWidget(new QLabel(QStringLiteral("Select the date the list is required"), this));
    layout->addWidget(DTPicker1, 0, Qt::AlignLeft);
    layout->addStretch();
    layout->addWidget(cmdServices[0], 0, Qt::AlignRight);
    resize(900, 600);
    connect(cmdServices[0], &QPushButton::clicked, this, [this] { cmdServices_Click(0); });
}

void frmInventory::Form_Activate() {
    PicklistMode = LoadForm<frmStartup>()->optMainMenuSub[3]->isChecked();
    lblRoutine->setText(PicklistMode ? QStringLiteral("Creating a Picklist")
                                     : QStringLiteral("Returning items to Stock"));
}

void frmInventory::cmdServices_Click(int Index) {
    if (Index == 0)
        ReturnToMainMenu(this);
}
