#include "purchasing/frmPO.h"

#include "base/Controls.h"
#include "base/Rev11Common.h"
#include "base/VerifyDataRoutines.h"
#include "common/Currency.h"
#include "printing/FlexGrid.h"
#include "printing/PrintJob.h"
#include "printing/PrinterRoutines.h"
#include "purchasing/CustomerFile.h"
#include "purchasing/PONumber.h"
#include "purchasing/POPrint.h"
#include "purchasing/StockFromPO.h"
#include "stock/frmInventory.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

namespace {

enum Column { Quantity, Description, Cost, Extension, Record };

QLabel *Bold(const QString &text, QWidget *parent, int larger = 0) {
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + larger);
    label->setFont(font);
    return label;
}

// The unit cost of a PO line, as the grid holds it.
Currency LineCost(const FlexGrid &grid, int row) {
    const GridCell &cell = grid.Model()->Cell(row, Cost);
    if (cell.kind() != GridCell::Text)
        return Currency::fromTenThousandths(cell.number());
    return Currency::parse(cell.text()).value_or(Currency());
}

GridCell Money(Currency amount) {
    return GridCell::Number(amount.tenThousandths(), GridCell::Money);
}

// Quantity times unit cost, exactly; an amount too large to hold shows as nothing.
GridCell ExtensionCell(Currency cost, qint64 quantity) {
    const std::optional<Currency> extension = cost.times(quantity);
    return extension ? Money(*extension) : GridCell(QString());
}

} // namespace

frmPO::frmPO() : Form(QStringLiteral("frmPO")) {
    setWindowTitle(QStringLiteral("Purchase Order Creation"));
    auto *bar = new QMenuBar(this);
    mnuPopUp = bar->addMenu(QStringLiteral("Popup"));
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuDelete = mnuPopUp->addAction(QStringLiteral("Delete"));
    mnuDelete->setObjectName(QStringLiteral("mnuDelete"));
    mnuDelivery = mnuPopUp->addAction(QStringLiteral("Toggle Delivery Instructions"));
    mnuDelivery->setObjectName(QStringLiteral("mnuDelivery"));

    fraMain = MainFrame();
    fraPicklist = LinesFrame();
    fraAddItems = AddItemsFrame();
    fraDelivery = DeliveryFrame();
    fraPrintReady = PrintReadyFrame();
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(fraMain);
    layout->addWidget(fraPicklist);
    fraPicklist->hide();
    resize(1000, 760);

    for (int i = 0; i < int(cmdPO.size()); ++i)
        connect(cmdPO[i], &QPushButton::clicked, this, [this, i] { cmdPO_Click(i); });
    for (int i = 0; i < 4; ++i)
        connect(optPO[i], &QRadioButton::clicked, this, [this, i] { optPO_Click(i); });
    for (int i = 0; i < 3; ++i)
        connect(optDelivery[i], &QRadioButton::clicked, this, [this, i] { optDelivery_Click(i); });
    connect(mnuDelete, &QAction::triggered, this, &frmPO::mnuDelete_Click);
    connect(mnuDelivery, &QAction::triggered, this, &frmPO::mnuDelivery_Click);
    connect(lstAccounts, &QListWidget::itemClicked, this, &frmPO::lstAccounts_Click);
    connect(cmdServices[0], &QPushButton::clicked, this, [this] {
        optDelivery[1]->setChecked(true);
        txtDelivery->clear();
    });
    connect(cmdServices[1], &QPushButton::clicked, this, [this] {
        if (optDelivery[2]->isChecked() && txtDelivery->toPlainText().isEmpty())
            SoundBeep();
        else
            fraDelivery->hide(); // behind the other frames
    });
    connect(cmdInvoiceContinue, &QPushButton::clicked, this, &frmPO::cmdInvoiceContinue_Click);
    connect(cmdCancelPrint, &QPushButton::clicked, this, [this] {
        fraPrintReady->hide();
        ReturnFromPrintPanel();
    });
    fgItems->installEventFilter(this);
    fgItems->viewport()->installEventFilter(this);
    txtAddto[2]->installEventFilter(this);
}

frmPO::~frmPO() = default;

QPushButton *frmPO::MakeButton(int index, const QString &caption, const QString &tip,
                               QWidget *parent) {
    cmdPO[size_t(index)] =
        CommandButton(QStringLiteral("cmdPO_%1").arg(index), caption, tip, parent);
    return cmdPO[size_t(index)];
}

QWidget *frmPO::MainFrame() {
    auto *frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("fraMain"));
    const char *captions[] = {
        "Restock items at or below the preset reorder level",
        "Create a Blank PO (lined off body) enter items manually",
        "Restock All items (individual items can be removed from PO if desired)",
        "Create a PO for Direct Shipment to a Job Site"};
    const char *tips[] = {"only low items will be added to the grid", "Keep on work vehicle, etc",
                          "allitems will be added to the grid",
                          "only low items will be added to the grid"};
    auto *column = new QVBoxLayout(frame);
    column->addWidget(Bold(QStringLiteral("Purchase Order Setup"), frame, 4));
    for (const char *text :
         {"You can restock your Inventoried Items by creating a Purchase Order",
          "You can create a Blank PO with lines for Manual Processing.",
          "You can select ALL items or only those at or below the item's restock level",
          "Click a Radio Button to select the PO type"})
        column->addWidget(WrappedLabel(QString::fromLatin1(text), frame));
    for (int i = 0; i < 4; ++i) {
        optPO[i] = new QRadioButton(QString::fromLatin1(captions[i]), frame);
        optPO[i]->setObjectName(QStringLiteral("optPO_%1").arg(i));
        optPO[i]->setToolTip(QString::fromLatin1(tips[i]));
        column->addWidget(optPO[i]);
    }
    fraVendor = new QGroupBox(frame);
    fraVendor->setObjectName(QStringLiteral("fraVendor"));
    cboVendors = new QComboBox(fraVendor);
    cboVendors->setObjectName(QStringLiteral("cboVendors"));
    cboVendors->setMinimumContentsLength(30);
    auto *vendor = new QVBoxLayout(fraVendor);
    vendor->addWidget(new QLabel(
        QStringLiteral("Click the Vendor Name to whom this PO will be submitted"), fraVendor));
    vendor->addWidget(cboVendors, 0, Qt::AlignLeft);
    // The frame keeps its room while a blank PO hides it, so that nothing below it moves.
    QSizePolicy keepRoom = fraVendor->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    fraVendor->setSizePolicy(keepRoom);
    column->addWidget(fraVendor);
    for (const char *text : {"In general, a Purchase Order Increments your current Inventory.",
                             "The exception is a PO with Delivery Instructions going directly to "
                             "a Job Site",
                             "You can set the Delivery Instructions at any time before printing.",
                             "The default is Delivery to your place of business."})
        column->addWidget(WrappedLabel(QString::fromLatin1(text), frame));
    lblNextPO = Bold(QString(), frame);
    lblNextPO->setObjectName(QStringLiteral("lblNextPO"));
    auto *number = new QHBoxLayout;
    number->addWidget(new QLabel(QStringLiteral("Next PO Number"), frame));
    number->addWidget(lblNextPO);
    number->addStretch();
    number->addWidget(MakeButton(2, QStringLiteral("&Create"), QString(), frame));
    number->addWidget(MakeButton(0, QStringLiteral("&Menu"), QString(), frame));
    column->addLayout(number);
    column->addStretch();
    return frame;
}

QGroupBox *frmPO::LinesFrame() {
    auto *frame = new QGroupBox(QStringLiteral("Create a Purchase Order"), this);
    frame->setObjectName(QStringLiteral("fraPicklist"));
    fgItems = new FlexGrid(QStringLiteral("fgItems"), frame);
    fgItems->setToolTip(QStringLiteral("Displays Items that will be added to the PO and updated"));
    fgItems->SetCols(5);
    const std::pair<const char *, int> headings[] = {
        {"Re-order", 8}, {"Description", 57}, {"  Cost", 12}, {"Extension", 9}};
    for (int c = 0; c < 4; ++c) {
        fgItems->SetTextMatrix(0, c, QString::fromLatin1(headings[c].first));
        fgItems->SetColWidthChars(c, headings[c].second);
        fgItems->SetColAlignment(c, c == Description ? Qt::AlignLeft : Qt::AlignHCenter);
    }
    fgItems->setColumnHidden(Record, true); // the item a line was filled from
    Label3[0] = WrappedLabel(
        QStringLiteral("The on-hand count for items in the grid will be updated by adding the "
                       "Re-order column to the current On-hand count after the PO is created. "),
        frame);
    Label3[22] = WrappedLabel(
        QStringLiteral("Change (enter) the quantities needed for each item to deliver by "
                       "following the next two (2) steps below. Zero (0) quantities will not be "
                       "printed."),
        frame);
    for (int i : {0, 22})
        Label3[size_t(i)]->setObjectName(QStringLiteral("Label3_%1").arg(i));
    auto *buttons = new QGridLayout;
    buttons->addWidget(MakeButton(5, QStringLiteral("&Print PO and Add to Inventory"),
                                  QStringLiteral("Print a PO and Update Inventory Count"), frame),
                       0, 0);
    buttons->addWidget(MakeButton(1, QStringLiteral("&Add to Inventory w/o Printing PO"),
                                  QStringLiteral("Update Inventory count w/o printing a PO"),
                                  frame),
                       0, 1);
    buttons->addWidget(
        MakeButton(6, QStringLiteral("MANUALLY Add items to PO which are NOT Inventoried Items"),
                   QStringLiteral("Add additional items to the grid"), frame),
        1, 0, 1, 2);
    buttons->addWidget(MakeButton(4, QStringLiteral("&Oops, Reload Grid"),
                                  QStringLiteral("Reload items to the grid w/o changes"), frame),
                       2, 0);
    buttons->addWidget(MakeButton(3, QStringLiteral("&Return to Option Selection"),
                                  QStringLiteral("Cancel, Return to Main Menu"), frame),
                       2, 1);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(Label3[0]);
    layout->addWidget(Label3[22]);
    layout->addWidget(
        new QLabel(QStringLiteral("To remove an item from the grid, left click on it, then right "
                                  "click."),
                   frame));
    layout->addWidget(new QLabel(QStringLiteral("To CHANGE the count for an item, CLICK its "
                                                "Ro-Order Amount, Hit <Backspace> key, enter a "
                                                "new quantity"),
                                 frame));
    layout->addWidget(fgItems, 1);
    layout->addLayout(buttons);
    return frame;
}

QGroupBox *frmPO::AddItemsFrame() {
    QGroupBox *frame = FloatingFrame(QStringLiteral("fraAddItems"),
                                     QStringLiteral("Add Items to Purchase Order"), this);
    const char *labels[] = {"Enter Quantity", "Enter Description", "Enter Unit Cost"};
    auto *grid = new QGridLayout(frame);
    grid->addWidget(WrappedLabel(QStringLiteral("Use this routine to add items to the Purchase "
                                                "Order that are not Inventoried Items, such as "
                                                "supplies."),
                                 frame),
                    0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("(Such as supplies, tools, etc)"), frame), 1, 0, 1,
                    3);
    for (int i = 0; i < 3; ++i) {
        txtAddto[size_t(i)] = new QLineEdit(frame);
        txtAddto[size_t(i)]->setObjectName(QStringLiteral("txtAddto_%1").arg(i));
        grid->addWidget(new QLabel(QString::fromLatin1(labels[i]), frame), i + 2, 0);
        grid->addWidget(txtAddto[size_t(i)], i + 2, 1, 1, 2);
    }
    txtAddto[0]->setToolTip(QStringLiteral("Enter order quantity"));
    txtAddto[0]->setMaxLength(9);
    txtAddto[1]->setMaxLength(50);
    InstallDigitKeyFilter(txtAddto[0]);
    InstallCurrencyKeyFilter(txtAddto[2]);
    grid->addWidget(MakeButton(8, QStringLiteral("Enter Item to Purchase Order"),
                               QStringLiteral("The item will appear in the grid"), frame),
                    5, 0);
    grid->addWidget(MakeButton(9, QStringLiteral("Clear / Redo "),
                               QStringLiteral("Clear the add items boxes"), frame),
                    5, 1);
    grid->addWidget(MakeButton(7, QStringLiteral("Close Window"),
                               QStringLiteral("Cancel, Return to Main Menu"), frame),
                    5, 2);
    frame->setFixedWidth(620);
    frame->adjustSize();
    return frame;
}

QGroupBox *frmPO::DeliveryFrame() {
    QGroupBox *frame =
        FloatingFrame(QStringLiteral("fraDelivery"), QStringLiteral("Delivery Instructions"), this);
    auto *options = new QGroupBox(QStringLiteral("Delivery Options"), frame);
    options->setObjectName(QStringLiteral("Frame1"));
    options->setToolTip(QStringLiteral("Select where the items will be deliveres"));
    auto *optionColumn = new QVBoxLayout(options);
    const char *captions[] = {"Hold for Pickup", "Deliver to Business Address",
                              "Deliver to Selected Customer"};
    for (int i = 0; i < 3; ++i) {
        optDelivery[size_t(i)] = new QRadioButton(QString::fromLatin1(captions[i]), options);
        optDelivery[size_t(i)]->setObjectName(QStringLiteral("optDelivery_%1").arg(i));
        optionColumn->addWidget(optDelivery[size_t(i)]);
    }
    lstAccounts = new QListWidget(frame);
    lstAccounts->setObjectName(QStringLiteral("lstAccounts"));
    lstAccounts->setToolTip(QStringLiteral("Deliver to this customer"));
    Image1 = new QLabel(QStringLiteral("\u279C"), frame); // points at the account list
    Image1->setObjectName(QStringLiteral("Image1"));
    QFont arrow = Image1->font();
    arrow.setPointSize(arrow.pointSize() * 2);
    Image1->setFont(arrow);
    Image1->hide();
    txtDelivery = new QPlainTextEdit(frame);
    txtDelivery->setObjectName(QStringLiteral("txtDelivery"));
    txtDelivery->setToolTip(QStringLiteral("Add delivery info if desired"));
    txtDelivery->setTabChangesFocus(true);
    cmdServices[0] = CommandButton(QStringLiteral("cmdServices_0"), QStringLiteral("Clear"),
                                   QStringLiteral("Clears the Additional Instructions"), frame);
    cmdServices[1] =
        CommandButton(QStringLiteral("cmdServices_1"), QStringLiteral("Save and Continue"),
                      QStringLiteral("Saves the customer and data for this PO"), frame);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(options, 0, 0, 2, 1);
    grid->addWidget(Image1, 1, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("Select Account"), frame), 0, 2);
    grid->addWidget(lstAccounts, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Additional Delivey Instructions"), frame), 2, 0, 1,
                    3);
    grid->addWidget(txtDelivery, 3, 0, 1, 3);
    grid->addWidget(
        new QLabel(QStringLiteral("Keep the instructions brief, the print area is limited."),
                   frame),
        4, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdServices[0]);
    buttons->addWidget(cmdServices[1]);
    grid->addLayout(buttons, 5, 0, 1, 3);
    frame->setFixedWidth(640);
    frame->adjustSize();
    return frame;
}

QGroupBox *frmPO::PrintReadyFrame() {
    QGroupBox *frame = FloatingFrame(QStringLiteral("fraPrintReady"), QString(), this);
    auto *lblDeposit = new QLabel(QStringLiteral("Feed Direction"), frame);
    lblDeposit->setObjectName(QStringLiteral("lblDeposit"));
    auto *Picture1 = new QLabel(QStringLiteral("\u2B06"), frame); // the top edge goes in first
    Picture1->setObjectName(QStringLiteral("Picture1"));
    QFont arrow = Picture1->font();
    arrow.setPointSize(arrow.pointSize() * 3);
    Picture1->setFont(arrow);
    cmdInvoiceContinue =
        CommandButton(QStringLiteral("cmdInvoiceContinue"), QStringLiteral("&Print PO"),
                      QStringLiteral("Print the PO"), frame);
    cmdCancelPrint = CommandButton(QStringLiteral("cmdCancelPrint"), QStringLiteral("Cancel Print"),
                                   QString(), frame);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(Bold(QStringLiteral("Insert Blank Paper"), frame, 2), 0, 0, 1, 2);
    grid->addWidget(lblDeposit, 1, 0);
    grid->addWidget(Picture1, 1, 1);
    grid->addWidget(cmdInvoiceContinue, 2, 0);
    grid->addWidget(cmdCancelPrint, 2, 1);
    frame->setFixedWidth(360);
    frame->adjustSize();
    return frame;
}

void frmPO::Form_Load() {
    Form::Form_Load();
    DeliveryNames = ReadCustomerAccounts();
    lstAccounts->clear();
    for (const CustomerAccount &account : DeliveryNames)
        lstAccounts->addItem(account.ListText);
}

void frmPO::Form_Activate() {
    HookGridWheel(this, fgItems);
    LoadPONumber();
    fraMain->show();
    ResetPOScreen();
}

void frmPO::Form_QueryUnload(int unloadMode) {
    UnhookGridWheel();
    Form::Form_QueryUnload(unloadMode);
}

void frmPO::Form_Unload() {
    UnhookGridWheel();
    Form::Form_Unload();
}

void frmPO::LoadPONumber() {
    const qint16 last = ReadPONumber().value_or(999);
    // A number past the largest would come back as a negative one, a number already used.
    m_numbersUsedUp = last == 32767;
    PONumber = m_numbersUsedUp ? last : qint16(last + 1);
    lblNextPO->setText(m_numbersUsedUp ? QString() : QString::number(PONumber));
}

bool frmPO::SavePONumber() {
    QString error;
    if (WritePONumber(PONumber, &error))
        return true;
    MsgBox(QStringLiteral("The purchase order number %1 could not be kept. %2")
               .arg(PONumber)
               .arg(error));
    return false;
}

void frmPO::ResetPOScreen() {
    txtDelivery->clear();
    cboVendors->setCurrentIndex(-1);
    fraPicklist->hide();
}

void frmPO::ClearPOGrid() {
    for (int r = 1; r < fgItems->Rows(); ++r) {
        for (int c = Quantity; c <= Record; ++c)
            fgItems->SetTextMatrix(r, c, QString());
    }
}

void frmPO::optPO_Click(int Index) {
    optDelivery[0]->setChecked(true);
    optDelivery_Click(0);
    fraVendor->show();
    if (Index == 1)
        fraVendor->hide();
    if (Index == 3) {
        mnuDelivery_Click();
        optDelivery[2]->setChecked(true);
        optDelivery_Click(2);
    }
}

void frmPO::optDelivery_Click(int Index) {
    txtDelivery->clear();
    Image1->setVisible(Index == 2);
}

void frmPO::cmdPO_Click(int Index) {
    switch (Index) {
    case 0:
        LeaveToMenu();
        break;
    case 1:
        POPrintFlag = false;
        UpdateInventoryFromPO();
        break;
    case 2:
    case 4:
        Create();
        break;
    case 3:
        fraPicklist->hide();
        fraMain->show();
        break;
    case 5:
        PrintReturnFrame = 1;
        fraPicklist->hide();
        ShowFloating(fraPrintReady);
        POPrintFlag = true;
        break;
    case 6:
        ShowFloating(fraAddItems);
        txtAddto[0]->setFocus();
        break;
    case 7:
        fraAddItems->hide();
        break;
    case 8:
        AddManualLine();
        break;
    case 9:
        ClearManualLine();
        break;
    default:
        break;
    }
}

void frmPO::Create() {
    PrintReturnFrame = 0;
    POType = 4;
    for (int i = 3; i >= 0; --i) {
        if (optPO[size_t(i)]->isChecked())
            POType = i;
    }
    if (m_numbersUsedUp && POType != 4) {
        MsgBox(QStringLiteral("The last purchase order printed has the number 32767, the highest "
                              "a purchase order can have: no further purchase order can be "
                              "numbered."));
        return;
    }
    if (POType != 1 && cboVendors->currentIndex() < 0) {
        MsgBox(QStringLiteral("Select a Vendor before continuing"));
        return;
    }
    ClearPOGrid();
    if (POType == 1) {
        ShowFloating(fraPrintReady);
    } else if (POType != 4) {
        fraMain->hide();
        FillPOGrid(POType);
    }
}

void frmPO::FillPOGrid(int type) {
    frmInventory *inventory = LoadForm<frmInventory>();
    inventory->RefreshItemTable(); // what the maintenance screen or a picklist changed since
    const FlexGrid &items = *inventory->fgItems;
    std::vector<GridCell> cells = fgItems->Model()->TakeBody();
    for (int r = 1; r < items.Rows(); ++r) {
        if (type == 0 && CellNumber(items, r, 4) > CellNumber(items, r, 8))
            continue;
        const qint64 reorder = qint16(CellNumber(items, r, 7));
        const Currency cost = LineCost(items, r);
        cells.push_back(GridCell::Number(type == 3 ? 0 : reorder, GridCell::Integer));
        cells.emplace_back(items.TextMatrix(r, 0));
        cells.push_back(Money(cost));
        cells.push_back(ExtensionCell(cost, reorder));
        cells.push_back(GridCell::Number(CellNumber(items, r, 9), GridCell::Integer));
    }
    fgItems->Model()->SetBody(std::move(cells));
    PrintReturnFrame = 0;
    if (fgItems->Rows() == 1) {
        SoundBeep();
        MsgBox(QStringLiteral("No Items meet this Criteria"));
        fraMain->show();
        return;
    }
    fgItems->SetRow(1);
    fraPicklist->show();
    const bool restock = type != 3;
    Label3[0]->setVisible(restock);
    Label3[22]->setVisible(!restock);
    cmdPO[1]->setEnabled(restock);
    cmdPO[5]->setText(restock ? QStringLiteral("&Print PO and Add to Inventory")
                              : QStringLiteral("&Print PO"));
    cmdPO[5]->setToolTip(restock ? QStringLiteral("Print a PO and Update Inventory Count")
                                 : QStringLiteral("Print PO, Count will not update"));
}

bool frmPO::eventFilter(QObject *watched, QEvent *event) {
    if (watched == fgItems && event->type() == QEvent::KeyPress && fgItems->Col() == Quantity &&
        fgItems->Row() >= 1) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Only typed characters change the quantity; the arrow keys still move about the grid
        // and Tab leaves it.
        if (key->key() == Qt::Key_Backspace ||
            (!key->text().isEmpty() && key->text().at(0).isPrint())) {
            GridKey(key->key() == Qt::Key_Backspace ? BackspaceKey : key->text().at(0).unicode());
            return true;
        }
    } else if (watched == fgItems->viewport() && event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        const int r = fgItems->Row();
        if (r >= 1 && !fgItems->TextMatrix(r, Description).isEmpty())
            mnuPopUp->popup(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
    } else if (watched == txtAddto[2] && event->type() == QEvent::FocusOut &&
               !txtAddto[2]->text().isEmpty()) {
        FormatCurrencyField(txtAddto[2]);
    }
    return Form::eventFilter(watched, event);
}

void frmPO::GridKey(int key) {
    const int r = fgItems->Row();
    if (key == BackspaceKey) {
        fgItems->SetTextMatrix(r, Quantity, QString());
        fgItems->Model()->SetCell(r, Extension, Money(Currency()));
        return;
    }
    if (DigitKeyFilter(key) == 0)
        return;
    const QString quantity = fgItems->TextMatrix(r, Quantity) + QChar(key);
    if (quantity.toLongLong() > 32767) { // more than an item can ever hold
        SoundBeep();
        return;
    }
    fgItems->SetTextMatrix(r, Quantity, quantity);
    fgItems->Model()->SetCell(r, Extension,
                              ExtensionCell(LineCost(*fgItems, r), quantity.toLongLong()));
}

void frmPO::mnuDelete_Click() {
    const int r = fgItems->Row();
    if (r < 1 || fgItems->TextMatrix(r, Description).isEmpty())
        return;
    if (MsgBox(QStringLiteral("Delete item ") + fgItems->TextMatrix(r, Description) + u'?',
               QMessageBox::Yes | QMessageBox::No,
               QStringLiteral("Item Deletion")) == QMessageBox::No)
        return;
    fgItems->RemoveItem(r);
}

void frmPO::mnuDelivery_Click() {
    if (fraDelivery->isVisible())
        fraDelivery->hide();
    else
        ShowFloating(fraDelivery);
}

void frmPO::AddManualLine() {
    for (QLineEdit *box : txtAddto) {
        if (box->text().isEmpty()) {
            RefuseEntry(box, box == txtAddto[0]   ? QStringLiteral("Enter the quantity to order")
                             : box == txtAddto[1] ? QStringLiteral("Enter a description")
                                                  : WantedAmount());
            return;
        }
    }
    const qint64 quantity = txtAddto[0]->text().toLongLong();
    if (quantity > 32767) {
        RefuseEntry(txtAddto[0], WantedWholeNumber(0, 32767));
        return;
    }
    const std::optional<Currency> cost = Currency::parse(txtAddto[2]->text());
    if (!cost) {
        RefuseEntry(txtAddto[2], WantedAmount());
        return;
    }
    const int r = fgItems->Rows();
    fgItems->SetRows(r + 1);
    fgItems->SetTextMatrix(r, Quantity, QString::number(quantity));
    fgItems->SetTextMatrix(r, Description, txtAddto[1]->text());
    fgItems->Model()->SetCell(r, Cost, Money(*cost));
    fgItems->Model()->SetCell(r, Extension, ExtensionCell(*cost, quantity));
    fgItems->SetRow(r);
    ClearManualLine();
}

void frmPO::ClearManualLine() {
    for (QLineEdit *box : txtAddto)
        box->clear();
    txtAddto[0]->setFocus();
}

void frmPO::lstAccounts_Click() {
    const int k = lstAccounts->currentRow();
    if (k < 0 || size_t(k) >= DeliveryNames.size())
        return;
    const CustomerAccount &account = DeliveryNames[size_t(k)];
    QStringList lines = {QStringLiteral("Deliver To:"), account.Name, account.Street};
    if (!account.Street2.isEmpty())
        lines << account.Street2;
    lines << account.City + QStringLiteral(", ") + account.State + u' ' + account.LastLine;
    // The caret waits on a new line below the address for further instructions.
    txtDelivery->setPlainText(lines.join(u'\n') + u'\n');
    txtDelivery->setFocus();
    txtDelivery->moveCursor(QTextCursor::End);
}

void frmPO::cmdInvoiceContinue_Click() {
    std::vector<POLine> lines;
    for (int r = 1; r < fgItems->Rows(); ++r)
        lines.push_back({fgItems->TextMatrix(r, Quantity), fgItems->TextMatrix(r, Description),
                         fgItems->TextMatrix(r, Cost), fgItems->TextMatrix(r, Extension)});
    const PODelivery delivery{txtDelivery->toPlainText(), optDelivery[0]->isChecked()};
    DocumentFrame frame{
        QStringLiteral("Purchase Order"), true, lblNextPO->text().trimmed(), {}, {}};
    if (!optPO[1]->isChecked()) // a blank purchase order is addressed by hand
        frame.SubmittedTo = VendorAddressLines(cboVendors->currentIndex());
    if (!PrintWithDialog(QStringLiteral("Purchase Order %1").arg(PONumber),
                         QStringLiteral("The Document will not be Printed"), [&] {
                             SetUpPrinter(QStringLiteral("Portrait"), 2);
                             return PrintPOPages(frame, lines, delivery);
                         }))
        return;
    if (!delivery.Text.isEmpty())
        WriteInstructionsFile(QStringLiteral("/Delivery.txt"), delivery.Text);
    // A number that has been printed is never handed out again, whatever happens to stock.
    SavePONumber();
    UpdateInventoryFromPO();
    fraPrintReady->hide();
    ReturnFromPrintPanel();
}

void frmPO::UpdateInventoryFromPO() {
    if (optDelivery[2]->isChecked() &&
        MsgBox(QStringLiteral("This PO has been created for delivery to a job site\r\nThese items "
                              "are not normally added to your inventory\r\nClick Yes if you would "
                              "you like to add it's\r\ncontents to your inventory"),
               QMessageBox::Yes | QMessageBox::No,
               QStringLiteral("Add to Inventory")) == QMessageBox::No) {
        LeaveToMenu();
        return;
    }
    std::vector<OrderedLine> lines;
    for (int r = 1; r < fgItems->Rows(); ++r)
        lines.push_back({int(CellNumber(*fgItems, r, Record)), fgItems->TextMatrix(r, Description),
                         CellNumber(*fgItems, r, Quantity)});
    frmInventory *inventory = LoadForm<frmInventory>();
    QString error;
    const std::optional<bool> changed = AddOrderToStock(*inventory->fgItems, lines, &error);
    if (!changed)
        MsgBox(error, QMessageBox::Ok, QStringLiteral("Add to Inventory"));
    else if (*changed) {
        inventory->ItemsChanged = true;
        inventory->SaveItems(MovementKind::Received, QStringLiteral("PO %1").arg(PONumber));
    }
    LeaveToMenu();
}

void frmPO::ReturnFromPrintPanel() {
    if (PrintReturnFrame == 0)
        fraMain->show();
    else
        fraPicklist->show();
}

void frmPO::LeaveToMenu() {
    UnhookGridWheel();
    ReturnToMainMenu(this);
}
