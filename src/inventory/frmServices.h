#pragma once

#include "base/Forms.h"

#include <array>

class FlexGrid;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;
struct WholeRule;
class QListWidget;
class QPushButton;

// Item maintenance: the item grid, the entry fields of one item, adding, changing and deleting
// items, the grid's reload, sort and category filter, the inventory report and tally sheets.
class frmServices : public Form {
    Q_OBJECT
public:
    frmServices();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int unloadMode) override;
    void Form_Unload() override;

    FlexGrid *fgItems;
    std::array<QLineEdit *, 2> txtDescription{}; // element 1 is the description box
    QComboBox *cboCategory;
    QLineEdit *txtCost;
    std::array<QLineEdit *, 3> txtCharge{}; // 1: sell price, 2: quantity discount price
    QLineEdit *txtOnHand;
    QLineEdit *txtDiscountQty;
    QLineEdit *txtReorderAmount;
    QLineEdit *txtReorderAt;
    QCheckBox *ckClearItem;
    std::array<QPushButton *, 25> cmdServices{};
    QPushButton *cmdHistory;
    QListWidget *lstSortBy;
    QCheckBox *ckByCategory;
    QCheckBox *ckCategory;
    QGroupBox *fraTallySheets;
    std::array<QLineEdit *, 5> txtTally{};

    bool ModifyMode = false;
    qint32 NewRecordNumber = 0;
    bool SortBySelection = false;
    // Something was typed into the item being added or changed since it was loaded.
    bool ItemChanged = false;
    // A money box was emptied for holding something that is not an amount, and nothing has
    // been typed since.
    bool RefusedAmount = false;

    void cmdServices_Click(int Index);
    void fgItems_Click();
    // The chosen item's stock history.
    void ShowHistory();
    void EnableItemEdit();
    void DisableItemEdit();
    void ClearItemFields();
    void FillSortList();
    void LoadSalesItems();
    bool SaveItemRow(int recordNumber, int gridRow);
    void SortGridInPlace();
    void ClearLocations();
    void LoadLocations();

protected:
    QAbstractButton *EnterButton() const override;
    QAbstractButton *EscapeButton() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AddNew();
    void Modify();
    void SaveItem();
    void DeleteItem();
    void ReloadOrSort();
    void SaveLocations();
    void AddCategoryName(const QString &name);
    // Save Item and the three boxes that only an add or a change may fill.
    void SetItemEdit(bool enabled);
    void PrintTallySheets();
    bool WholeNumberIn(QLineEdit *box, const WholeRule &rule);
    QWidget *EntryFields();
    QWidget *Routines();
    QWidget *TallySheetsFrame();
    QLayout *HowTo();
    QPushButton *MakeButton(int index, const char *caption, const char *tip, QWidget *parent);
};
