#pragma once

#include "shell/Forms.h"

#include <array>

class QPushButton;

// Composing and printing a price book, and requests for quotation.
class frmPriceBook : public Form {
    Q_OBJECT
public:
    frmPriceBook();

    std::array<QPushButton *, 1> cmdPB;

    void cmdPB_Click(int Index);

protected:
    // The screen opens at its designed size each time; only its last size is kept.
    bool RestoresLayout() const override { return false; }
};
