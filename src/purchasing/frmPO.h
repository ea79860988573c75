#pragma once

#include "shell/Forms.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Purchase orders: type, vendor, lines, printing and the stock update.
class frmPO : public Form {
    Q_OBJECT
public:
    frmPO();

    std::array<QRadioButton *, 4> optPO;
    QComboBox *cboVendors;
    QLabel *lblNextPO;
    std::array<QPushButton *, 1> cmdPO;

    void cmdPO_Click(int Index);
};
