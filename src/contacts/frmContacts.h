#pragma once

#include "shell/Forms.h"

class QPushButton;

// The vendor and supplier book.
class frmContacts : public Form {
    Q_OBJECT
public:
    frmContacts();
    void Form_Load() override;

    QPushButton *cmdExit;

    void cmdExit_Click();
    // Reads the vendor file into the vendor list and the purchase-order screen's vendor box.
    void LoadVendors();
};
