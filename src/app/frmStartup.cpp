#include "app/frmStartup.h"

#include "app/Program.h"
#include "base/BasicDiskRoutines.h"
#include "base/CommonDialog.h"
#include "base/Controls.h"
#include "base/Rev11Common.h"
#include "contacts/frmContacts.h"
#include "inventory/ItemExchange.h"
#include "inventory/dlgStockOnDate.h"
#include "inventory/frmServices.h"
#include "pricebook/frmPriceBook.h"
#include "purchasing/frmPO.h"
#include "setup/frmSetup.h"
#include "stock/frmInventory.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QAction *MenuAction(QMenu *menu, const QString &name, const QString &caption) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

// A supplier link: the question first where there is one; any answer but No opens the page.
void AskAndOpen(const QString &question, const QString &title, const QString &address) {
    if (!question.isEmpty() &&
        MsgBox(question, QMessageBox::Yes | QMessageBox::No, title) == QMessageBox::No)
        return;
    OpenUrl(address);
}

} // namespace

frmStartup::frmStartup() : Form(QStringLiteral("frmStartup")) {
    setWindowTitle(QStringLiteral("Velbor Invoicer Main Menu"));
    dlgPrint = new CommonDialog(this);

    auto *bar = new QMenuBar(this);
    mnuFiles = bar->addMenu(QStringLiteral(" Files"));
    mnuFiles->setObjectName(QStringLiteral("mnuFiles"));
    mnuCreate = MenuAction(mnuFiles, QStringLiteral("mnuCreate"), QStringLiteral("Create/Modify"));
    mnuFiles->addSeparator();
    mnuExportItems = MenuAction(mnuFiles, QStringLiteral("mnuExportItems"),
                                QStringLiteral("Export Items (CSV)..."));
    mnuImportItems = MenuAction(mnuFiles, QStringLiteral("mnuImportItems"),
                                QStringLiteral("Import Items (CSV)..."));
    mnuStockOnDate = MenuAction(mnuFiles, QStringLiteral("mnuStockOnDate"),
                                QStringLiteral("Stock on a Date..."));
    mnuFiles->addSeparator();
    mnuExit = MenuAction(mnuFiles, QStringLiteral("mnuExit"), QStringLiteral("Exit"));
    mnuOrder = bar->addMenu(QStringLiteral("Order Forms"));
    mnuOrder->setObjectName(QStringLiteral("mnuOrder"));
    mnuDeluxeForms = mnuOrder->addMenu(QStringLiteral("Deluxe Business Forms"));
    mnuDeluxeForms->setObjectName(QStringLiteral("mnuDeluxeForms"));
    mnuDeluxe =
        MenuAction(mnuDeluxeForms, QStringLiteral("mnuDeluxe"), QStringLiteral("Checks/Envelopes"));
    mnuDepositSlips = MenuAction(mnuDeluxeForms, QStringLiteral("mnuDepositSlips"),
                                 QStringLiteral("Deposit Slips"));
    mnuPPaper = MenuAction(mnuOrder, QStringLiteral("mnuPPaper"), QStringLiteral("PlainPaper"));
    mnuPPPaper =
        MenuAction(mnuOrder, QStringLiteral("mnuPPPaper"), QStringLiteral("Perforated Paper"));
    mnuGraytex =
        MenuAction(mnuOrder, QStringLiteral("mnuGraytex"), QStringLiteral("Proposal Sets"));
    mnuAddress =
        MenuAction(mnuOrder, QStringLiteral("mnuAddress"), QStringLiteral("Address Labels"));
    mnuLabels =
        MenuAction(mnuOrder, QStringLiteral("mnuLabels"), QStringLiteral("Shipping Labels"));
    mnuHelp = bar->addAction(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    Label1_0 = new QLabel(QStringLiteral("Velbor Inventory Routines"), this);
    Label1_0->setObjectName(QStringLiteral("Label1_0"));
    QFont heading = Label1_0->font();
    heading.setPointSize(heading.pointSize() + 6);
    heading.setBold(true);
    Label1_0->setFont(heading);
    Label1_1 = new QLabel(QStringLiteral("Select a Routine Below"), this);
    Label1_1->setObjectName(QStringLiteral("Label1_1"));

    const char *captions[] = {
        "Create a Purchase Order",    "Create and Manage Vendor/Supplier Information",
        "&Return Items to Inventory", "Create a Pick List",
        "Manage Inventory Items",     "Create a Price Book"};
    const char *tips[] = {"Restock inventory via a Purchase Order",
                          "Sources of your Inventoried Items",
                          "Return previously picked items to inventory",
                          "Create a list such as truck stocking ",
                          "View/Add/Delete Inventory Items",
                          "Create a list of items in Price Book form"};
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(Label1_0, 0, Qt::AlignHCenter);
    layout->addWidget(Label1_1, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    for (int i = 0; i < 6; ++i) {
        optMainMenuSub[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        optMainMenuSub[i]->setObjectName(QStringLiteral("optMainMenuSub_%1").arg(i));
        optMainMenuSub[i]->setToolTip(QString::fromLatin1(tips[i]));
        optMainMenuSub[i]->installEventFilter(this);
        layout->addWidget(optMainMenuSub[i]);
    }
    cmdGoto = CommandButton(QStringLiteral("cmdGoto"), QStringLiteral("Goto the Selected Routine"),
                            QStringLiteral("Starts the Selected Routine"), this);
    cmdGoto->setDefault(true);
    layout->addSpacing(8);
    layout->addWidget(cmdGoto);
    layout->setContentsMargins(24, 12, 24, 18);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdGoto, &QPushButton::clicked, this, &frmStartup::cmdGoto_Click);
    connect(mnuCreate, &QAction::triggered, this, &frmStartup::mnuCreate_Click);
    connect(mnuExit, &QAction::triggered, this, [] { ExitProgram(); });
    connect(mnuExportItems, &QAction::triggered, this, &ExportItems);
    connect(mnuImportItems, &QAction::triggered, this, &ImportItems);
    connect(mnuStockOnDate, &QAction::triggered, this, [this] { dlgStockOnDate(this).exec(); });
    connect(mnuDeluxe, &QAction::triggered, this,
            [] { AskAndOpen(QString(), QString(), SupplierPages::LaserChecks); });
    connect(mnuDepositSlips, &QAction::triggered, this,
            [] { AskAndOpen(QString(), QString(), SupplierPages::DepositTickets); });
    connect(mnuPPaper, &QAction::triggered, this, [] {
        AskAndOpen(QStringLiteral("Use Plain Paper for Reports (etc)\r\n"
                                  "Click Yes to connect to a Supplier"),
                   QStringLiteral("Order Paper"), SupplierPages::PlainPaper);
    });
    connect(mnuPPPaper, &QAction::triggered, this, [] {
        AskAndOpen(QStringLiteral("Perforated Response Paper is used to create\r\n"
                                  "Invoices with a remittance Slip\r\n"
                                  "Click Yes to connect to a Supplier"),
                   QStringLiteral("Order Paper"), SupplierPages::PerforatedPaper);
    });
    connect(mnuGraytex, &QAction::triggered, this, [] {
        AskAndOpen(QStringLiteral("Graytex offers 2 and 3 part carbonless paper\r\n"
                                  "Suitable for creating a Proposal Form on which\r\n"
                                  "information can be hand written as well as printed\r\n"
                                  "Connect to Graytex Now"),
                   QStringLiteral("Order Graytex Forms"), SupplierPages::CarbonlessSets);
    });
    connect(mnuAddress, &QAction::triggered, this, [] {
        AskAndOpen(QStringLiteral("30 to a Page Mailing Labels\r\n"
                                  "Click Yes to connect to a Supplier"),
                   QStringLiteral("Order Labels"), SupplierPages::AddressLabels);
    });
    connect(mnuLabels, &QAction::triggered, this, [] {
        AskAndOpen(QStringLiteral("Click YES to Connect to a Supplier"),
                   QStringLiteral("Order Labels"), SupplierPages::ShippingLabels);
    });
    connect(mnuHelp, &QAction::triggered, this, [] { OpenUrl(SupplierPages::Manual); });
}

namespace {
const bool Known =
    RegisterScreen(QStringLiteral("frmStartup"), []() -> Form * { return LoadForm<frmStartup>(); });
} // namespace

void frmStartup::Form_Activate() {
    for (QRadioButton *option : optMainMenuSub)
        option->setEnabled(false);
    optMainMenuSub[1]->setEnabled(true);
    if (!FileExistsOrRestore(QStringLiteral("/VendorData.txt")))
        optMainMenuSub[1]->setChecked(true);
    if (FileExistsOrRestore(QStringLiteral("/VIInventoriedItems.txt"))) {
        for (QRadioButton *option : optMainMenuSub)
            option->setEnabled(true);
        optMainMenuSub[4]->setChecked(true);
    }
    // The keyboard starts on the routine chosen, where the arrows move the choice.
    for (QRadioButton *option : optMainMenuSub) {
        if (option->isChecked() && option->isEnabled())
            option->setFocus();
    }
}

bool frmStartup::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 6; ++i) {
            if (watched == optMainMenuSub[i] && optMainMenuSub[i]->isEnabled()) {
                optMainMenuSub[i]->setChecked(true);
                optMainMenuSub_DblClick(i);
                return true;
            }
        }
    }
    return Form::eventFilter(watched, event);
}

void frmStartup::optMainMenuSub_DblClick(int Index) {
    switch (Index) {
    case 0:
        LoadForm<frmPO>()->show();
        break;
    case 1:
        LoadForm<frmContacts>()->show();
        break;
    case 2:
    case 3:
        LoadForm<frmInventory>()->show();
        break;
    case 4:
        LoadForm<frmServices>()->show();
        break;
    case 5:
        LoadForm<frmPriceBook>()->show();
        break;
    default:
        return;
    }
    hide();
}

void frmStartup::cmdGoto_Click() {
    // A selected option that the menu has disabled since is not a choice the user can make.
    for (int i = 0; i < 6; ++i) {
        if (optMainMenuSub[i]->isChecked() && optMainMenuSub[i]->isEnabled()) {
            optMainMenuSub_DblClick(i);
            return;
        }
    }
}

void frmStartup::mnuCreate_Click() {
    frmSetup *setup = LoadForm<frmSetup>();
    setup->tabInfo->setCurrentIndex(0);
    setup->show();
    hide();
}

// "Goto the Selected Routine", on the main menu.
QAbstractButton *frmStartup::EnterButton() const {
    return cmdGoto;
}
