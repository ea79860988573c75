#include "contacts/frmContacts.h"

#include "common/Variables.h"
#include "contacts/VendorFile.h"
#include "purchasing/frmPO.h"
#include "shell/Controls.h"
#include "shell/frmStartup.h"

#include <QComboBox>
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

void frmContacts::Form_Load() {
    Form::Form_Load();
    LoadVendors();
}

void frmContacts::LoadVendors() {
    LoadVendorArrays();
    if (auto *po = static_cast<frmPO *>(LoadedForm(QStringLiteral("frmPO")))) {
        po->cboVendors->clear();
        po->cboVendors->addItems(Vendors.Names);
        po->cboVendors->setCurrentIndex(-1);
    }
}

void frmContacts::cmdExit_Click() {
    ReturnToMainMenu(this);
}
