#pragma once

#include "base/Forms.h"

#include <array>

class FlexGrid;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class UpDownArrows;
struct PriceBookContent;

// The tick of a grid row that goes into the price book or the request for quotation.
QString TickMark();

// Composing and printing a price book: the items, services and custom items in one grid, the
// categories ticked and put in order, the columns and the book's title and owner; and the
// request for quotation to one supplier about the ticked items.
class frmPriceBook : public Form {
    Q_OBJECT
public:
    frmPriceBook();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int unloadMode) override;
    void Form_Unload() override;

    FlexGrid *fgItems;
    QListWidget *lstCategories;
    QListWidget *lstCategoriesSelected;
    QListWidget *lstSort;
    UpDownArrows *UpDown1;
    std::array<QCheckBox *, 5> ckPB{};
    QComboBox *cboBookType;
    QComboBox *cboOwner;
    std::array<QPushButton *, 8> cmdPB{};
    std::array<QLabel *, 8> Label1{}; // only element 7, which names the grid's sources
    QAction *mnuRFQ;
    QGroupBox *fraRFQ;
    QListWidget *lstVendors;
    QPlainTextEdit *txtRFQ;
    std::array<QPushButton *, 5> cmdRFQ{};
    std::array<QPushButton *, 2> cmdPrintRFQ{};

    void cmdPB_Click(int Index);
    void ckPB_Click(int Index);
    void lstCategories_Click(QListWidgetItem *item);
    void lstCategoriesSelected_Click(QListWidgetItem *item);
    void fgItems_Click();
    void mnuRFQ_Click();
    void cmdRFQ_Click(int Index);
    void cmdPrintRFQ_Click(int Index);
    void LoadDefaultRFQText();
    void LoadRFQText();
    void SaveRFQText();
    // Refills the supplier list from the vendor list the contact book read.
    void FillVendors();
    // What the two documents print: the ticked rows, the order, the columns, the supplier and
    // the request.
    PriceBookContent Content() const;
    // The request text as typed, its lines separated by "\n".
    QString RequestText() const;

protected:
    QAbstractButton *EscapeButton() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The screen opens at its designed size each time; only its last size is kept.
    bool RestoresLayout() const override { return false; }

private:
    void LoadItems();
    void LoadServices();
    void LoadCustomItems();
    void PrintPriceBook();
    void CancelRFQ();
    // Puts the tick in or takes it out of every body row for which wanted says so.
    template <class Wanted> void SetTicks(Wanted wanted, bool ticked);
    QWidget *CategoriesFrame();
    QWidget *OptionsFrame();
    QGroupBox *RFQFrame();
};
