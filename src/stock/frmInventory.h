#pragma once

#include "base/Forms.h"
#include "base/StockHistory.h"

#include <array>
#include <optional>
#include <vector>

class FlexGrid;
class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Stock movements: a picklist takes units out of stock once it has printed correctly; a
// return puts unused units back. The main menu's choice sets the mode each time the screen is
// shown. The item table fgItems is the screen's own copy of the items file, which purchasing
// also raises and saves through SaveItems.
class frmInventory : public Form {
    Q_OBJECT
public:
    frmInventory();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int unloadMode) override;
    void Form_Unload() override;

    QLabel *lblRoutine;
    QGroupBox *fraPick;
    QGroupBox *fraReturn;
    QLabel *lblAddtoList;
    QLabel *lblReturn;
    QLabel *lblName;
    QLabel *lblOnhand;
    QLineEdit *txtUnits;
    QLabel *lblSelectionAdded;
    std::array<QPushButton *, 5> cmdServices{};
    FlexGrid *fgItems;
    FlexGrid *fgPicklist;
    QGroupBox *fraPicklist;
    QDateEdit *DTPicker1; // the date by which the picklist is needed
    QPlainTextEdit *txtPick;
    QAction *mnuPicklist;

    bool PicklistMode = false;
    bool PicklistPrinted = false;
    // Units of each fgItems row on the current picklist (index = row).
    std::vector<qint16> PickQty;
    // The item table holds counts the items file does not have yet.
    bool ItemsChanged = false;

    void LoadAdditionalItems();
    // Reads the table afresh from the items file, unless it holds counts not saved yet.
    void RefreshItemTable();
    // Saves the table as the items file, its changes kept in the stock history as of that kind.
    bool SaveItems(MovementKind kind, const QString &reference = QString());
    void ResetPicklist();
    void SelectPickItem();
    void PrintPicklist();
    void ApplyPicklist();
    void cmdServices_Click(int Index);
    void fgItems_Click();

protected:
    QAbstractButton *EnterButton() const override;
    QAbstractButton *EscapeButton() const override;

private:
    void AddToPicklist();
    void SaveNewItemCount();
    void LeaveToMenu();
    void SetMode(bool picklist);
    QWidget *SelectionFrame();
    QWidget *PicklistFrame();
    QGroupBox *Instructions(const QString &name, const QStringList &lines);
    // The units typed for the item selected in fgItems; refused, with the note wanted, when
    // there is no item selected or no number typed.
    std::optional<qint64> UnitsEntered(const QString &wanted);
    QWidget *m_picklistColumn;
};
