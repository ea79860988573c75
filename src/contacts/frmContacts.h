#pragma once

#include "base/Forms.h"

#include <array>
#include <vector>

class ClickableImage;
class FlexGrid;
class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// The vendor and supplier book: one record at a time to view, change and enter, browsing,
// search by one field, the list of every vendor, deletion, the printed contact report and the
// call to a vendor's number.
class frmContacts : public Form {
    Q_OBJECT
public:
    frmContacts();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int unloadMode) override;
    void Form_Unload() override;

    QGroupBox *fraContact;
    std::array<QLineEdit *, 9> txtContact{};
    QComboBox *cboCity;
    QComboBox *cboCategory;
    std::array<QPushButton *, 4> cmdNav{};
    std::array<QPushButton *, 2> Command1{};
    ClickableImage *imgPhone;
    QGroupBox *fraSearch;
    std::array<QRadioButton *, 8> optSearch{};
    QLineEdit *txtSearchfor;
    QPushButton *cmdStartSearch;
    QPushButton *cmdClearSearch;
    QPushButton *cmdHideSearch;
    QGroupBox *fraContactsFound;
    FlexGrid *fgContactsFound;
    QPushButton *cmdPrintContacts;
    QPushButton *cmdRetry;
    QGroupBox *fraSuppliers;
    FlexGrid *fgVendors;
    std::array<QPushButton *, 2> cmdVendorList{};
    QPushButton *cmdExit;
    QAction *mnuAdd;
    QAction *mnuDelete;
    QAction *mnuPrint;
    QAction *mnuView;
    QMenu *mnuPopUp;
    QAction *mnuSelect;

    int CurrentRecord = 0;
    int RecordCount = 0;
    int SearchCriterion = 6;

    // Reads the vendor file into the vendor list, the vendor grid, the city list and the
    // vendor boxes of the purchase-order and price-book screens.
    void LoadVendors();
    void ShowVendor();
    void SaveVendor();
    void cmdNav_Click(int Index);
    void NewEntry();
    void CancelAddNew();
    void DeleteVendor();
    void StartSearch();
    void ListAllForPrinting();
    void PrintContacts();
    void Dial();
    void cmdExit_Click();

protected:
    QAbstractButton *EnterButton() const override;
    QAbstractButton *EscapeButton() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ClearFields();
    void AddCity(const QString &city);
    void ShowOnly(QWidget *frame);
    void Retry();
    // The results grid, one row for each record number.
    void FillFound(const std::vector<int> &recordNumbers);
    QWidget *RecordFrame();
    QWidget *SearchFrame();
    QWidget *ResultsFrame();
    QWidget *VendorListFrame();
};
