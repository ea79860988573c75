#include "stock/frmInventory.h"

#include "base/BasicDiskRoutines.h"
#include "base/Controls.h"
#include "base/Rev11Common.h"
#include "base/VerifyDataRoutines.h"
#include "inventory/ItemFile.h"
#include "inventory/ItemGrid.h"
#include "inventory/StockMoves.h"
#include "printing/FlexGrid.h"
#include "printing/PrintJob.h"
#include "printing/PrinterRoutines.h"
#include "stock/PicklistPrint.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString NoName = QStringLiteral(" [") + QString(51, u' ') + u']';
const QString NoCount = u'[' + QString(10, u' ') + u']';

struct Column {
    const char *heading;
    int width;
};
const Column Columns[] = {
    {"Description", 49}, {"Category", 13}, {"Cost (Unit)", 14}, {"Price", 15},  {"On-Hand", 8},
    {"Disc Price", 11},  {"Disc Qty", 9},  {"Reorder", 8},      {"When At", 8}, {"Rec", 4}};

} // namespace

frmInventory::frmInventory() : Form(QStringLiteral("frmInventory")) {
    setWindowTitle(QStringLiteral("Inventoried Items"));

    auto *bar = new QMenuBar(this);
    mnuPicklist = bar->addAction(QStringLiteral("Toggle Picklist"));
    mnuPicklist->setObjectName(QStringLiteral("mnuPicklist"));

    lblRoutine = new QLabel(QStringLiteral("Creating a Picklist"), this);
    lblRoutine->setObjectName(QStringLiteral("lblRoutine"));
    QFont title = lblRoutine->font();
    title.setPointSize(title.pointSize() + 4);
    title.setBold(true);
    lblRoutine->setFont(title);

    fraPick = Instructions(QStringLiteral("fraPick"),
                           {QStringLiteral("Use this Routine to create a Picklist."),
                            QStringLiteral("Click on the item in the grid to select it."),
                            QStringLiteral("Enter the number of units to pick"),
                            QStringLiteral("Click Add to Picklist"),
                            QStringLiteral("A picklist decrements inventory counts.")});
    fraReturn = Instructions(
        QStringLiteral("fraReturn"),
        {QStringLiteral("Use this Routine to return items previously picked to your inventory."),
         QStringLiteral("Click on the item in the grid to select it."),
         QStringLiteral("Enter the number of units in the Return to Inventory Box."),
         QStringLiteral("Click Save New Item Count")});

    fgItems = new FlexGrid(QStringLiteral("fgItems"), this);
    fgItems->setToolTip(QStringLiteral("Displays Items that can be added during invoice creation"));
    fgItems->SetCols(10);
    for (int c = 0; c < 10; ++c) {
        fgItems->SetTextMatrix(0, c, QString::fromLatin1(Columns[c].heading));
        fgItems->SetColWidthChars(c, Columns[c].width);
        fgItems->SetColAlignment(c, Qt::AlignHCenter);
    }
    fgItems->SetColAlignment(0, Qt::AlignLeft);
    fgItems->SetColAlignment(1, Qt::AlignRight);

    fgPicklist = new FlexGrid(QStringLiteral("fgPicklist"), this);
    fgPicklist->setMinimumHeight(160);
    fgPicklist->SetCols(2);
    fgPicklist->SetTextMatrix(0, 0, QStringLiteral("Pick Qty"));
    fgPicklist->SetTextMatrix(0, 1, QStringLiteral("Item Description"));
    fgPicklist->SetColWidthChars(0, 9);
    fgPicklist->SetColWidthChars(1, 50);
    fgPicklist->SetColAlignment(0, Qt::AlignHCenter);
    fgPicklist->SetColAlignment(1, Qt::AlignLeft);
    cmdServices[4] = CommandButton(QStringLiteral("cmdServices_4"),
                                   QStringLiteral("  &Items Complete  Prepare Picklist"),
                                   QStringLiteral("Prepare to print the picklist"), this);
    m_picklistColumn = new QWidget(this);
    auto *picklist = new QVBoxLayout(m_picklistColumn);
    picklist->setContentsMargins(0, 0, 0, 0);
    picklist->addWidget(new QLabel(QStringLiteral("Items Scheduled to Pick"), this));
    picklist->addWidget(fgPicklist, 1);
    picklist->addWidget(cmdServices[4], 0, Qt::AlignRight);

    cmdServices[0] = CommandButton(QStringLiteral("cmdServices_0"), QStringLiteral("&Menu"),
                                   QStringLiteral("Return to Main Menu"), this);
    auto *top = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(fraPick);
    left->addWidget(fraReturn);
    left->addWidget(SelectionFrame());
    left->addStretch();
    top->addLayout(left, 1);
    top->addWidget(m_picklistColumn, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(lblRoutine);
    layout->addLayout(top);
    layout->addWidget(fgItems, 1);
    layout->addWidget(cmdServices[0], 0, Qt::AlignRight);
    fraPicklist = static_cast<QGroupBox *>(PicklistFrame());
    resize(1000, 760);

    for (int i = 0; i < int(cmdServices.size()); ++i)
        connect(cmdServices[i], &QPushButton::clicked, this, [this, i] { cmdServices_Click(i); });
    connect(fgItems, &FlexGrid::Click, this, &frmInventory::fgItems_Click);
    connect(fgItems, &FlexGrid::Click, this, UnhookGridWheel);
    connect(fgPicklist, &FlexGrid::Click, this, UnhookGridWheel);
    connect(mnuPicklist, &QAction::triggered, this,
            [this] { fraPicklist->isVisible() ? fraPicklist->hide() : ShowFloating(fraPicklist); });
}

QGroupBox *frmInventory::Instructions(const QString &name, const QStringList &lines) {
    auto *frame = new QGroupBox(this);
    frame->setObjectName(name);
    auto *column = new QVBoxLayout(frame);
    for (const QString &line : lines)
        column->addWidget(WrappedLabel(line, frame));
    return frame;
}

QWidget *frmInventory::SelectionFrame() {
    auto *frame = new QWidget(this);
    lblName = new QLabel(NoName, frame);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblOnhand = new QLabel(NoCount, frame);
    lblOnhand->setObjectName(QStringLiteral("lblOnhand"));
    for (QLabel *shown : {lblName, lblOnhand}) {
        shown->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // As wide as its empty brackets, which show how much room there is.
        shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(shown->text()) + 8);
    }
    txtUnits = new QLineEdit(frame);
    txtUnits->setObjectName(QStringLiteral("txtUnits"));
    txtUnits->setMaxLength(9);
    txtUnits->setFixedWidth(txtUnits->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) +
                            16);
    InstallDigitKeyFilter(txtUnits);
    lblAddtoList = new QLabel(QStringLiteral("Add to Picklist"), frame);
    lblAddtoList->setObjectName(QStringLiteral("lblAddtoList"));
    lblReturn = new QLabel(QStringLiteral("Return to Inventory"), frame);
    lblReturn->setObjectName(QStringLiteral("lblReturn"));
    cmdServices[1] =
        CommandButton(QStringLiteral("cmdServices_1"), QStringLiteral("&Add Items to Picklist"),
                      QStringLiteral("Save the currently selected item"), frame);
    lblSelectionAdded = WrappedLabel(
        QStringLiteral("The selected item has been added to the picklist. Select another item "
                       "from the grid or click Items Complete Button."),
        frame);
    lblSelectionAdded->setObjectName(QStringLiteral("lblSelectionAdded"));
    lblSelectionAdded->hide();

    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Currently Selected Item"), frame), 0, 0);
    grid->addWidget(lblName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Currently On Hand (Units)"), frame), 1, 0);
    grid->addWidget(lblOnhand, 1, 1, Qt::AlignLeft);
    grid->addWidget(lblAddtoList, 2, 0);
    grid->addWidget(lblReturn, 2, 0);
    grid->addWidget(txtUnits, 2, 1, Qt::AlignLeft);
    grid->addWidget(cmdServices[1], 2, 2, Qt::AlignLeft);
    grid->addWidget(lblSelectionAdded, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return frame;
}

QWidget *frmInventory::PicklistFrame() {
    QGroupBox *frame =
        FloatingFrame(QStringLiteral("fraPicklist"), QStringLiteral("Picklist Print Set-up"), this);
    DTPicker1 = new QDateEdit(QDate::currentDate(), frame);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    txtPick = new QPlainTextEdit(frame);
    txtPick->setObjectName(QStringLiteral("txtPick"));
    txtPick->setTabChangesFocus(true);
    cmdServices[2] =
        CommandButton(QStringLiteral("cmdServices_2"), QStringLiteral("&Print Pick List"),
                      QStringLiteral("Print the picklist"), frame);
    cmdServices[3] =
        CommandButton(QStringLiteral("cmdServices_3"), QStringLiteral("Cancel Picklist"),
                      QStringLiteral("Cancel Printing"), frame);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("Select the date the list is required"), frame), 0,
                    0);
    grid->addWidget(DTPicker1, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Enter Special Instructions"), frame), 1, 0, 1, 2);
    grid->addWidget(txtPick, 2, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdServices[2]);
    buttons->addWidget(cmdServices[3]);
    grid->addLayout(buttons, 3, 0, 1, 2);
    frame->setFixedWidth(560);
    frame->adjustSize();
    return frame;
}

void frmInventory::Form_Load() {
    Form::Form_Load();
    // The table is read where it is used (each showing, each purchase order): reading it here
    // too would only add the whole items file to every start-up.
    fgItems->SetRows(1);
}

void frmInventory::RefreshItemTable() {
    // The items file may have changed on the maintenance screen since the table was read;
    // saving a stale table would undo those changes.
    if (ItemsChanged)
        return;
    fgItems->SetRows(1);
    PickQty.assign(1, 0);
    if (FileExistsOrRestore(ItemsFileName()))
        LoadAdditionalItems();
}

void frmInventory::Form_Activate() {
    RefreshItemTable();
    ResetPicklist();
    // The menu's "Create a Pick List" chosen: a picklist, else returns.
    const Form *menu = LoadFormNamed(QStringLiteral("frmStartup"));
    const auto *picklist =
        menu ? menu->findChild<QRadioButton *>(QStringLiteral("optMainMenuSub_3")) : nullptr;
    SetMode(picklist && picklist->isChecked());
}

void frmInventory::SetMode(bool picklist) {
    PicklistMode = picklist;
    lblRoutine->setText(picklist ? QStringLiteral("Creating a Picklist")
                                 : QStringLiteral("Returning items to Stock"));
    lblAddtoList->setVisible(picklist);
    fraPick->setVisible(picklist);
    lblReturn->setVisible(!picklist);
    fraReturn->setVisible(!picklist);
    cmdServices[1]->setText(picklist ? QStringLiteral("&Add Items to Picklist")
                                     : QStringLiteral("&Save New Item Count"));
    mnuPicklist->setEnabled(picklist);
    // A return has no lines to schedule.
    m_picklistColumn->setVisible(picklist);
}

void frmInventory::Form_QueryUnload(int unloadMode) {
    UnhookGridWheel();
    // Returned units are a save the user asked for: the close box keeps them as Menu would,
    // and a save that fails keeps the program open with them.
    if (unloadMode == 0 && ItemsChanged && !SaveItems(MovementKind::Returned))
        return;
    Form::Form_QueryUnload(unloadMode);
}

void frmInventory::Form_Unload() {
    UnhookGridWheel();
    Form::Form_Unload();
}

void frmInventory::LoadAdditionalItems() {
    const std::vector<ItemRecord> items = ReadAllItems();
    PickQty.assign(items.size() + 1, 0);
    std::vector<GridCell> cells = fgItems->Model()->TakeBody();
    cells.reserve(items.size() * 10);
    for (size_t k = 0; k < items.size(); ++k)
        AppendItemCells(cells, items[k], int(k) + 1);
    fgItems->Model()->SetBody(std::move(cells));
    fgItems->Model()->SetColumnKind(2, GridCell::Money);
    fgItems->Model()->SetColumnKind(3, GridCell::Money);
    fgItems->Sort(1, FlexGrid::GenericAscending);
    ItemsChanged = false;
}

bool frmInventory::SaveItems(MovementKind kind, const QString &reference) {
    QString error;
    const std::optional<std::vector<NumberedItem>> items = ItemsFromGrid(*fgItems, &error);
    if (!items || !SaveWithHistory(CountChanges(ReadAllItems(), *items, kind, reference),
                                   [&] { return RewriteItemsFile(*items, &error); })) {
        MsgBox(QStringLiteral("The item counts could not be saved. %1").arg(error));
        return false;
    }
    ItemsChanged = false;
    return true;
}

void frmInventory::ResetPicklist() {
    UnhookGridWheel();
    fraPicklist->hide();
    txtPick->clear();
    fgPicklist->SetRows(1);
    fgPicklist->SetRows(2);
    fgPicklist->SetRow(1);
    DTPicker1->setDate(QDate::currentDate());
    txtUnits->clear();
    txtUnits->setEnabled(false);
    lblOnhand->setText(NoCount);
    lblName->setText(NoName);
    cmdServices[4]->setEnabled(false);
    cmdServices[2]->setEnabled(false);
    std::fill(PickQty.begin(), PickQty.end(), qint16(0));
}

std::optional<qint64> frmInventory::UnitsEntered(const QString &wanted) {
    const int r = fgItems->Row();
    const bool selected = txtUnits->isEnabled() && r >= 1 && size_t(r) < PickQty.size();
    bool number = false;
    const qint64 units = txtUnits->text().toLongLong(&number);
    if (selected && number)
        return units;
    txtUnits->clear();
    if (selected)
        RefuseEntry(txtUnits, wanted);
    else
        RefuseEntry(fgItems, QStringLiteral("Click an item in the grid first"));
    return std::nullopt;
}

void frmInventory::fgItems_Click() {
    const int r = fgItems->Row();
    if (r < 1) {
        SoundBeep();
        return;
    }
    if (fgItems->TextMatrix(r, 4).toLongLong() > 0 || !PicklistMode) {
        SelectPickItem();
        return;
    }
    MsgBox(QStringLiteral("The item count for ") + fgItems->TextMatrix(r, 0) +
               QStringLiteral(" is at zero\r\nThis item cannot be added to the Picklist\r\nTo add "
                              "to the item count, return to the menu,\r\nSelect Manage Inventory "
                              "and add to the item count"),
           QMessageBox::Ok, QStringLiteral("No Items in Stock"));
}

void frmInventory::SelectPickItem() {
    const int r = fgItems->Row();
    lblOnhand->setText(fgItems->TextMatrix(r, 4));
    lblName->setText(fgItems->TextMatrix(r, 0));
    txtUnits->setEnabled(true);
    txtUnits->clear();
    txtUnits->setFocus();
    lblSelectionAdded->hide();
    cmdServices[4]->setEnabled(false);
}

void frmInventory::cmdServices_Click(int Index) {
    switch (Index) {
    case 0:
        LeaveToMenu();
        break;
    case 1:
        PicklistMode ? AddToPicklist() : SaveNewItemCount();
        break;
    case 2:
        PicklistPrinted = false;
        PrintPicklist();
        if (PicklistPrinted)
            ApplyPicklist();
        break;
    case 3:
        ResetPicklist();
        break;
    case 4:
        lblSelectionAdded->hide();
        ShowFloating(fraPicklist);
        break;
    default:
        break;
    }
}

void frmInventory::AddToPicklist() {
    const std::optional<qint64> units =
        UnitsEntered(QStringLiteral("Enter the number of units to pick"));
    if (!units)
        return;
    const int r = fgItems->Row();
    txtUnits->setEnabled(false);
    // What the list already takes of the item counts too: two lines of one item must not
    // take out more than is on hand.
    const qint64 onHand = fgItems->TextMatrix(r, 4).toLongLong();
    const qint64 total = PickQty[size_t(r)] + *units;
    if (onHand < total) {
        txtUnits->clear();
        txtUnits->setEnabled(true);
        const qint64 left = std::max<qint64>(0, onHand - PickQty[size_t(r)]);
        RefuseEntry(txtUnits,
                    PickQty[size_t(r)] > 0
                        ? QStringLiteral("Only %1 more on hand: %2 already on the picklist")
                              .arg(left)
                              .arg(PickQty[size_t(r)])
                        : QStringLiteral("Only %1 on hand").arg(onHand));
        return;
    }
    PickQty[size_t(r)] = qint16(total);
    lblSelectionAdded->show();
    cmdServices[2]->setEnabled(true);
    cmdServices[4]->setEnabled(true);
    // Lines go to the empty row at the end, whichever line the user last clicked.
    const int p = fgPicklist->Rows() - 1;
    fgPicklist->SetTextMatrix(p, 0, QString::number(*units));
    fgPicklist->SetTextMatrix(p, 1, lblName->text());
    fgPicklist->SetRows(p + 2);
    fgPicklist->SetRow(p + 1);
    lblOnhand->clear();
    txtUnits->clear();
    fgItems->setFocus(); // where the next item is chosen
}

void frmInventory::SaveNewItemCount() {
    const std::optional<qint64> units =
        UnitsEntered(QStringLiteral("Enter the number of units returned"));
    if (!units)
        return;
    const int r = fgItems->Row();
    const qint64 onHand = lblOnhand->text().toLongLong();
    if (onHand + *units > 32767) {
        MsgBox(QStringLiteral("%1 has %2 on hand, and an item can hold at most 32767 units: "
                              "no more than %3 can be returned.")
                   .arg(lblName->text())
                   .arg(onHand)
                   .arg(std::max<qint64>(0, 32767 - onHand)),
               QMessageBox::Ok, QStringLiteral("Return to Inventory"));
        txtUnits->setFocus();
        txtUnits->selectAll();
        return;
    }
    txtUnits->setEnabled(false);
    fgItems->SetTextMatrix(r, 4, QString::number(onHand + *units));
    ItemsChanged = true;
    lblOnhand->clear();
    txtUnits->clear();
    fgItems->setFocus(); // where the next item is chosen
}

void frmInventory::PrintPicklist() {
    PicklistPrinted = false;
    const QString cancelled = QStringLiteral("The Pick List will not be Printed");
    if (!ShowPrintDialog(QStringLiteral("Picklist"))) {
        MsgBox(cancelled);
        return;
    }
    std::vector<PicklistLine> lines;
    for (int i = 1; i < fgPicklist->Rows(); ++i)
        lines.push_back({fgPicklist->TextMatrix(i, 0), fgPicklist->TextMatrix(i, 1)});
    const QString instructions = txtPick->toPlainText();
    const QDate needBy = DTPicker1->date();
    const DrawDocument draw = [&] {
        SetUpPrinter(QStringLiteral("Portrait"), 2);
        return PrintPicklistPages(lines, instructions, needBy);
    };
    for (bool first = true;; first = false) {
        if (!ReportPrintResult(PrintDocument(draw, first), cancelled))
            return;
        if (!instructions.isEmpty())
            WriteInstructionsFile(QStringLiteral("/PicklistInstructions.txt"), instructions);
        if (MsgBox(QStringLiteral("Was the Picklist printed Correctly?"),
                   QMessageBox::Yes | QMessageBox::No,
                   QStringLiteral("Print Confirmation")) == QMessageBox::Yes) {
            PicklistPrinted = true;
            return;
        }
        if (MsgBox(QStringLiteral("Would you like to reprint it?"),
                   QMessageBox::Yes | QMessageBox::No,
                   QStringLiteral("Reprint Confirmation")) == QMessageBox::No) {
            LeaveToMenu();
            return;
        }
    }
}

void frmInventory::ApplyPicklist() {
    for (int r = 1; r < fgItems->Rows() && size_t(r) < PickQty.size(); ++r) {
        if (PickQty[size_t(r)] > 0) {
            const qint64 onHand = fgItems->TextMatrix(r, 4).toLongLong();
            fgItems->SetTextMatrix(r, 4, QString::number(qint16(onHand - PickQty[size_t(r)])));
            ItemsChanged = true;
        }
    }
    SaveItems(MovementKind::Picked,
              QStringLiteral("Picklist of ") +
                  QLocale().toString(DTPicker1->date(), QStringLiteral("d MMM yyyy")));
    ResetPicklist();
}

void frmInventory::LeaveToMenu() {
    // The table is the file as read when the screen was shown, unless a return or a picklist
    // changed it: rewriting it unchanged would only cost the file its Backup copy.
    if (ItemsChanged && !SaveItems(MovementKind::Returned))
        return;
    ReturnToMainMenu(this);
}

// Add Items to Picklist (Save New Item Count for returns) once units are typed; Cancel Picklist
// on the print set-up.
QAbstractButton *frmInventory::EnterButton() const {
    return txtUnits->text().isEmpty() ? nullptr : cmdServices[1];
}

QAbstractButton *frmInventory::EscapeButton() const {
    return cmdServices[3];
}
