#pragma once

#include "shell/Forms.h"

class QPushButton;

// The vendor and supplier book.
class frmContacts : public Form {
    Q_OBJECT
public:
    frmContacts();

    QPushButton *cmdExit;

    void cmdExit_Click();
};
