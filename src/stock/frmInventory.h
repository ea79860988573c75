#pragma once

#include "shell/Forms.h"

#include <array>

class QDateEdit;
class QLabel;
class QPushButton;

// Picklists and returns to inventory: which of the two follows the main menu's choice.
class frmInventory : public Form {
    Q_OBJECT
public:
    frmInventory();
    void Form_Activate() override;

    QLabel *lblRoutine;
    QDateEdit *DTPicker1; // the date by which the picklist is needed
    std::array<QPushButton *, 1> cmdServices;
    bool PicklistMode = false;

    void cmdServices_Click(int Index);
};
