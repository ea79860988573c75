#pragma once

#include "base/Forms.h"

#include <array>

class CommonDialog;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

// The main menu: the six routines, Go, the set-up screen, the stationery suppliers and help.
class frmStartup : public Form {
    Q_OBJECT
public:
    frmStartup();
    void Form_Activate() override;

    QLabel *Label1_0;
    QLabel *Label1_1;
    std::array<QRadioButton *, 6> optMainMenuSub;
    QPushButton *cmdGoto;
    CommonDialog *dlgPrint;

    QMenu *mnuFiles;
    QAction *mnuCreate;
    QAction *mnuExportItems;
    QAction *mnuImportItems;
    QAction *mnuStockOnDate;
    QAction *mnuExit;
    QMenu *mnuOrder;
    QMenu *mnuDeluxeForms;
    QAction *mnuDeluxe;
    QAction *mnuDepositSlips;
    QAction *mnuPPaper;
    QAction *mnuPPPaper;
    QAction *mnuGraytex;
    QAction *mnuAddress;
    QAction *mnuLabels;
    QAction *mnuHelp;

    void optMainMenuSub_DblClick(int Index);
    void cmdGoto_Click();
    void mnuCreate_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    QAbstractButton *EnterButton() const override;
};

// Where the supplier links and Help lead.
namespace SupplierPages {
inline const QString LaserChecks =
    QStringLiteral("https://www.deluxe.com/shopdeluxe/pd/laser-business-checks");
inline const QString DepositTickets =
    QStringLiteral("https://www.deluxe.com/shopdeluxe/pd/laser-deposit-tickets");
inline const QString PlainPaper =
    QStringLiteral("https://www.staples.com/staples-copy-paper-8-5-x-11-inches/product_135848");
inline const QString PerforatedPaper =
    QStringLiteral("https://www.staples.com/perforated-paper/cat_CL140411");
inline const QString CarbonlessSets =
    QStringLiteral("https://www.graytex.com/carbonless-invoice-sets");
inline const QString AddressLabels =
    QStringLiteral("https://www.staples.com/avery-5160-easy-peel-address-labels/product_135566");
inline const QString ShippingLabels =
    QStringLiteral("https://www.staples.com/avery-8163-inkjet-shipping-labels/product_272831");
inline const QString Manual = QStringLiteral("https://www.velbor.com/inventory/manual");
} // namespace SupplierPages
