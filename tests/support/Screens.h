#pragma once

// What the tests that drive the screens have in common: every screen of the program, the
// controls they are made of, and the steps that drive and print them.

#include "app/Program.h"
#include "app/frmStartup.h"
#include "base/Controls.h"
#include "base/Rev11Common.h"
#include "base/ScreenLayout.h"
#include "base/VerifyDataRoutines.h"
#include "common/Variables.h"
#include "contacts/VendorFile.h"
#include "contacts/frmContacts.h"
#include "inventory/ItemFile.h"
#include "inventory/frmServices.h"
#include "pricebook/frmPriceBook.h"
#include "printing/FlexGrid.h"
#include "printing/PrintJob.h"
#include "printing/Printer.h"
#include "purchasing/frmPO.h"
#include "setup/frmSetup.h"
#include "stock/frmInventory.h"
#include "support/Documents.h"
#include "support/Gui.h"
#include "support/Items.h"
#include "support/Pdf.h"
#include "telephony/frmDialer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <optional>
