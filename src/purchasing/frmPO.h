#pragma once

#include "base/Forms.h"

#include <array>
#include <vector>

class ClickableImage;
class FlexGrid;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
struct CustomerAccount;

// Purchase orders: the type and vendor, the PO number, the lines (filled from the item table
// of frmInventory, edited, added by hand), the delivery instructions, printing, and the stock
// update that raises the items ordered.
class frmPO : public Form {
    Q_OBJECT
public:
    frmPO();
    ~frmPO() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int unloadMode) override;
    void Form_Unload() override;

    QWidget *fraMain;
    QGroupBox *fraVendor;
    std::array<QRadioButton *, 4> optPO{};
    QComboBox *cboVendors;
    QLabel *lblNextPO;
    std::array<QPushButton *, 10> cmdPO{};
    QGroupBox *fraPicklist;
    FlexGrid *fgItems;
    std::array<QLabel *, 23> Label3{}; // elements 0 and 22: what the stock update will do
    QGroupBox *fraAddItems;
    std::array<QLineEdit *, 3> txtAddto{};
    QGroupBox *fraDelivery;
    std::array<QRadioButton *, 3> optDelivery{};
    QListWidget *lstAccounts;
    QLabel *Image1;
    QPlainTextEdit *txtDelivery;
    std::array<QPushButton *, 2> cmdServices{};
    QGroupBox *fraPrintReady;
    QPushButton *cmdInvoiceContinue;
    QPushButton *cmdCancelPrint;
    QMenu *mnuPopUp;
    QAction *mnuDelete;
    QAction *mnuDelivery;

    qint16 PONumber = 0;
    int POType = 4;
    bool POPrintFlag = false;
    int PrintReturnFrame = 0;
    std::vector<CustomerAccount> DeliveryNames;

    void LoadPONumber();
    bool SavePONumber();
    void ResetPOScreen();
    void ClearPOGrid();
    void FillPOGrid(int type);
    void cmdPO_Click(int Index);
    void optPO_Click(int Index);
    void optDelivery_Click(int Index);
    void lstAccounts_Click();
    void mnuDelete_Click();
    void mnuDelivery_Click();
    void cmdInvoiceContinue_Click();
    void UpdateInventoryFromPO();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Create();
    void AddManualLine();
    void ClearManualLine();
    void ReturnFromPrintPanel();
    void LeaveToMenu();
    void GridKey(int key);
    QWidget *MainFrame();
    QGroupBox *LinesFrame();
    QGroupBox *AddItemsFrame();
    QGroupBox *DeliveryFrame();
    QGroupBox *PrintReadyFrame();
    QPushButton *MakeButton(int index, const QString &caption, const QString &tip, QWidget *parent);
    // The next number would not fit in a PO number: no PO can be started.
    bool m_numbersUsedUp = false;
};
