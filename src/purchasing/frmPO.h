#pragma once

#include "shell/Forms.h"

#include <array>

class QPushButton;

// Purchase orders: type, vendor, lines, printing and the stock update.
class frmPO : public Form {
    Q_OBJECT
public:
    frmPO();

    std::array<QPushButton *, 1> cmdPO;

    void cmdPO_Click(int Index);
};
