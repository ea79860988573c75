#pragma once

#include "shell/Forms.h"

#include <array>

class QPushButton;

// Item maintenance: the item grid and the entry fields of one item.
class frmServices : public Form {
    Q_OBJECT
public:
    frmServices();

    std::array<QPushButton *, 1> cmdServices;

    void cmdServices_Click(int Index);
};
