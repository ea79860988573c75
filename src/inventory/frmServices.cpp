#include "inventory/frmServices.h"

#include "base/BasicDiskRoutines.h"
#include "base/Controls.h"
#include "base/Rev11Common.h"
#include "base/VerifyDataRoutines.h"
#include "common/Currency.h"
#include "common/NumberText.h"
#include "inventory/InventoryReport.h"
#include "inventory/ItemFile.h"
#include "inventory/ItemGrid.h"
#include "inventory/ItemRules.h"
#include "inventory/Locations.h"
#include "inventory/StockMoves.h"
#include "inventory/dlgStockHistory.h"
#include "printing/FlexGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>

#include <utility>

namespace {

const QString Items = QStringLiteral("/VIInventoriedItems.txt");

QString ZeroMoney() {
    return Currency().toString();
}

QLineEdit *Box(const QString &name, const QString &tip, QWidget *parent) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    return box;
}

QLabel *Heading(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

struct Column {
    const char *heading;
    int width;
    Qt::Alignment alignment;
};
struct Action {
    int index;
    const char *caption, *tip;
};

const Column Columns[] = {
    {"Description", 40, Qt::AlignLeft},    {"Category", 32, Qt::AlignLeft},
    {"Cost (Unit)", 12, Qt::AlignHCenter}, {"Price", 12, Qt::AlignHCenter},
    {"On-Hand", 8, Qt::AlignHCenter},      {"Disc Price", 11, Qt::AlignHCenter},
    {"Disc Qty", 9, Qt::AlignHCenter},     {"Reorder", 8, Qt::AlignHCenter},
    {"When At", 8, Qt::AlignHCenter},      {"Rec #", 6, Qt::AlignLeft}};

} // namespace

frmServices::frmServices() : Form(QStringLiteral("frmServices")) {
    setWindowTitle(QStringLiteral("Inventoried Items"));

    fgItems = new FlexGrid(QStringLiteral("fgItems"), this);
    fgItems->setToolTip(QStringLiteral("Displays Inventoried Items"));
    fgItems->SetCols(10);
    for (int c = 0; c < 10; ++c) {
        fgItems->SetTextMatrix(0, c, QString::fromLatin1(Columns[c].heading));
        fgItems->SetColWidthChars(c, Columns[c].width);
        fgItems->SetColAlignment(c, Columns[c].alignment);
    }

    auto *top = new QHBoxLayout;
    top->addWidget(EntryFields(), 3);
    top->addWidget(Routines(), 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(HowTo());
    layout->addWidget(fgItems, 1);
    fraTallySheets = static_cast<QGroupBox *>(TallySheetsFrame());
    resize(1120, 780);

    connect(fgItems, &FlexGrid::Click, this, &frmServices::fgItems_Click);
    // Alt and a double-click on a row: its history, without reaching for the button.
    connect(fgItems, &QAbstractItemView::doubleClicked, this, [this] {
        if (QGuiApplication::keyboardModifiers() & Qt::AltModifier) {
            fgItems_Click();
            ShowHistory();
        }
    });
    connect(ckByCategory, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            SortBySelection = true;
    });
    connect(ckCategory, &QCheckBox::toggled, this, [this](bool on) { SortBySelection = on; });
    for (int i = 0; i < int(cmdServices.size()); ++i) {
        if (cmdServices[i])
            connect(cmdServices[i], &QPushButton::clicked, this,
                    [this, i] { cmdServices_Click(i); });
    }
    for (QLineEdit *box : {txtCharge[1], txtCharge[2], txtCost, txtOnHand, txtDiscountQty,
                           txtReorderAmount, txtReorderAt})
        box->installEventFilter(this);
    for (QLineEdit *box : {txtDescription[1], cboCategory->lineEdit(), txtCost, txtCharge[1],
                           txtCharge[2], txtOnHand, txtDiscountQty, txtReorderAmount, txtReorderAt})
        connect(box, &QLineEdit::textEdited, this, [this] {
            ItemChanged = true;
            RefusedAmount = false;
        });
    connect(cboCategory, &QComboBox::activated, this, [this] { ItemChanged = true; });
}

QWidget *frmServices::EntryFields() {
    auto *frame = new QGroupBox(QStringLiteral("Item Actions"), this);
    txtDescription[1] =
        Box(QStringLiteral("txtDescription_1"), QStringLiteral("enter description"), frame);
    txtDescription[1]->setMaxLength(DescriptionWidth);
    cboCategory = new QComboBox(frame);
    cboCategory->setObjectName(QStringLiteral("cboCategory"));
    cboCategory->setToolTip(QStringLiteral("assign item to a category"));
    cboCategory->setEditable(true);
    cboCategory->setInsertPolicy(QComboBox::NoInsert);
    cboCategory->lineEdit()->setMaxLength(CategoryWidth);
    cboCategory->setMinimumContentsLength(CategoryWidth);
    txtCost = Box(QStringLiteral("txtCost"),
                  QStringLiteral("What you pay for each unit of this item"), frame);
    txtCharge[1] =
        Box(QStringLiteral("txtCharge_1"), QStringLiteral("single unit sell price"), frame);
    txtOnHand = Box(QStringLiteral("txtOnHand"),
                    QStringLiteral("in inventory now (decrements when sold)"), frame);
    txtCharge[2] = Box(QStringLiteral("txtCharge_2"),
                       QStringLiteral("Price applied when qty => Discount Qty"), frame);
    txtDiscountQty =
        Box(QStringLiteral("txtDiscountQty"),
            QStringLiteral("Discount price will be applied when qty => than this"), frame);
    txtReorderAmount = Box(QStringLiteral("txtReorderAmount"),
                           QStringLiteral("how many will be reordered"), frame);
    txtReorderAt = Box(QStringLiteral("txtReorderAt"),
                       QStringLiteral("reorder units above when item falls to this level"), frame);
    ckClearItem = new QCheckBox(QStringLiteral("Retain Current Category between Items"), frame);
    ckClearItem->setObjectName(QStringLiteral("ckClearItem"));
    ckClearItem->setToolTip(QStringLiteral("Use to create additional items within a category"));

    // The frequent actions have access keys, clear of those of the other buttons here.
    const Action actions[] = {{8, "&Add New", "Allows addition of an item"},
                              {9, "&Modify", "Allows changes to the current selected item"},
                              {13, "&Save Item", "Save the currently selected item"},
                              {14, "&Cancel Add New or Modify", "cancels the current action"},
                              {10, "&Delete Item", "Deletes the current item from File"},
                              {11, "Clear Item", "clears data for this item"},
                              {24, "Clear Prices", "clears the sell and discount prices"}};
    auto *buttons = new QGridLayout;
    int slot = 0;
    for (const Action &a : actions) {
        buttons->addWidget(MakeButton(a.index, a.caption, a.tip, frame), slot / 4, slot % 4);
        ++slot;
    }
    cmdHistory = new QPushButton(QStringLiteral("History..."), frame);
    cmdHistory->setObjectName(QStringLiteral("cmdHistory"));
    cmdHistory->setToolTip(QStringLiteral("Every change of the selected item's count"));
    connect(cmdHistory, &QPushButton::clicked, this, &frmServices::ShowHistory);
    buttons->addWidget(cmdHistory, slot / 4, slot % 4);

    // Two label-and-box pairs a row, the long sentences on rows of their own: the screen has
    // to fit beside the routines on a screen 1,024 pixels wide.
    auto *grid = new QGridLayout(frame);
    auto row = [&](int at, const QString &label, QWidget *field, int span = 1) {
        grid->addWidget(new QLabel(label, frame), at, 0);
        grid->addWidget(field, at, 1, 1, span);
    };
    auto sentence = [&](int at, const QList<QWidget *> &words) {
        auto *line = new QHBoxLayout;
        for (QWidget *word : words)
            line->addWidget(word);
        line->addStretch();
        grid->addLayout(line, at, 0, 1, 4);
    };
    row(0, QStringLiteral("Description"), txtDescription[1], 3);
    row(1, QStringLiteral("Current Category"), cboCategory, 2);
    grid->addWidget(ckClearItem, 2, 1, 1, 3);
    row(3, QStringLiteral("Cost per Unit (what you pay)"), txtCost);
    grid->addWidget(new QLabel(QStringLiteral("Sell Price"), frame), 3, 2);
    grid->addWidget(txtCharge[1], 3, 3);
    row(4, QStringLiteral("Currently On Hand (Units)"), txtOnHand);
    grid->addWidget(new QLabel(QStringLiteral("Quantity Discount Price"), frame), 4, 2);
    grid->addWidget(txtCharge[2], 4, 3);
    sentence(5, {new QLabel(QStringLiteral("Apply Quantity Discount when"), frame), txtDiscountQty,
                 new QLabel(QStringLiteral("or more Units Sold"), frame),
                 new QLabel(QStringLiteral("(Set to 0 to Disable)"), frame)});
    sentence(6,
             {new QLabel(QStringLiteral("Reorder (Units)"), frame), txtReorderAmount,
              new QLabel(QStringLiteral("when On Hand (Units) falls to:"), frame), txtReorderAt});
    grid->addLayout(buttons, 7, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // Every figure box shows a large amount or count whole, however narrow the screen.
    const int figure = fontMetrics().horizontalAdvance(QStringLiteral("$999,999.99")) + 12;
    for (QLineEdit *box : {txtCost, txtCharge[1], txtCharge[2], txtOnHand})
        box->setMinimumWidth(figure);
    for (QLineEdit *box : {txtDiscountQty, txtReorderAmount, txtReorderAt})
        box->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    return frame;
}

QWidget *frmServices::Routines() {
    auto *frame = new QGroupBox(QStringLiteral("Routines"), this);
    const Action actions[] = {
        {1, "&Print Inventory Report", "Print the Grid in Report form"},
        {3, "Print Inventory &Tally Sheets", "Sheets used to Count Inventory"},
        {2, "&Reload or Sort Grid", "Reload the Grid and sort"},
        {0, "Men&u", "Returns to the main menu"}};
    auto *grid = new QGridLayout(frame);
    int at = 0;
    for (const Action &a : actions)
        grid->addWidget(MakeButton(a.index, a.caption, a.tip, frame), at++, 0);
    ckByCategory = new QCheckBox(QStringLiteral("Sort Items in grid by"), frame);
    ckByCategory->setObjectName(QStringLiteral("ckByCategory"));
    ckByCategory->setToolTip(QStringLiteral("reload and sort based on selection below"));
    lstSortBy = new QListWidget(frame);
    lstSortBy->setObjectName(QStringLiteral("lstSortBy"));
    lstSortBy->setToolTip(QStringLiteral("reload the grid and sort by this field"));
    lstSortBy->setFixedHeight(lstSortBy->fontMetrics().height() * 5 + 4 * lstSortBy->frameWidth() +
                              6);
    ckCategory =
        new QCheckBox(QStringLiteral("Load only Current Category when re-loading grid"), frame);
    ckCategory->setObjectName(QStringLiteral("ckCategory"));
    ckCategory->setToolTip(
        QStringLiteral("reload the grid with only items from the current category"));
    grid->addWidget(ckByCategory, 0, 1);
    grid->addWidget(lstSortBy, 1, 1, 3, 1);
    // Under both columns: its caption alone is nearly as wide as the two.
    grid->addWidget(ckCategory, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

QLayout *frmServices::HowTo() {
    // The steps of the two common tasks, in a band above the grid.
    auto *band = new QGridLayout;
    band->addWidget(Heading(QStringLiteral("How To:"), this), 0, 0);
    band->addWidget(Heading(QStringLiteral("Create a NEW ITEM"), this), 0, 1);
    band->addWidget(new QLabel(QStringLiteral("Click Add New"), this), 1, 1);
    band->addWidget(new QLabel(QStringLiteral("Click Save Item"), this), 2, 1);
    band->addWidget(Heading(QStringLiteral("MODIFY an ITEM"), this), 0, 2);
    band->addWidget(new QLabel(QStringLiteral("Click Item in Grid Click Modify"), this), 1, 2);
    band->addWidget(Heading(QStringLiteral("Clear / Delete"), this), 0, 3);
    band->setHorizontalSpacing(40);
    band->setColumnStretch(4, 1);
    return band;
}

QWidget *frmServices::TallySheetsFrame() {
    QGroupBox *frame = FloatingFrame(QStringLiteral("fraTallySheets"),
                                     QStringLiteral("Print Inventory Tally Sheets"), this);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(
        WrappedLabel(QStringLiteral("Enter the name of up to five locations where Inventory is "
                                    "located. Tally Sheets will be printed with these locations "
                                    "as headings. These can be anything; a warehouse, storage "
                                    "bins or work vehicles. You can create additional Tally "
                                    "Sheets by Clearing the Locations and re-entering new "
                                    "locations and printing again."),
                     frame),
        0, 0, 1, 4);
    for (int i = 0; i < 5; ++i) {
        txtTally[i] = Box(QStringLiteral("txtTally_%1").arg(i), QString(), frame);
        KeepStorable(txtTally[i], StoredAs::Location);
        grid->addWidget(new QLabel(QStringLiteral("Search Location #%1").arg(i + 1), frame), i + 1,
                        0);
        grid->addWidget(txtTally[i], i + 1, 1, 1, 3);
    }
    const Action actions[] = {{4, "Print Tally Sheets", "Prints Sheets used to Count Inventory"},
                              {5, "Cancel / Hide", "Cancels printing tally sheets"},
                              {6, "Clear Locations", "Clears locations 1-5"},
                              {7, "Save Locations to File", "Save locations 1-5 to disc file"}};
    int at = 0;
    for (const Action &a : actions)
        grid->addWidget(MakeButton(a.index, a.caption, a.tip, frame), 6, at++);
    frame->setFixedWidth(640);
    frame->adjustSize();
    return frame;
}

QPushButton *frmServices::MakeButton(int index, const char *caption, const char *tip,
                                     QWidget *parent) {
    cmdServices[size_t(index)] =
        CommandButton(QStringLiteral("cmdServices_%1").arg(index), QString::fromLatin1(caption),
                      QString::fromLatin1(tip), parent);
    return cmdServices[size_t(index)];
}

void frmServices::Form_Load() {
    Form::Form_Load();
    cboCategory->clear();
    ClearLocations();
    if (FileExistsOrRestore(QStringLiteral("/Locations.txt")))
        LoadLocations();
    FillSortList();
    cmdServices[9]->setEnabled(false);
    cmdServices[10]->setEnabled(false);
    cmdHistory->setEnabled(false);
    if (!FileExistsOrRestore(Items))
        cmdServices[1]->setEnabled(false);
    else
        LoadSalesItems();
}

void frmServices::Form_Activate() {
    HookGridWheel(this, fgItems);
    SortBySelection = false;
    DisableItemEdit();
}

void frmServices::Form_QueryUnload(int unloadMode) {
    // The close box would end the program with the item being typed in lost.
    if (unloadMode == 0 && cmdServices[13]->isEnabled() && ItemChanged &&
        MsgBox(QStringLiteral("The item you are editing has not been saved. Close the program "
                              "anyway?"),
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::No)
        return;
    UnhookGridWheel();
    Form::Form_QueryUnload(unloadMode);
}

void frmServices::Form_Unload() {
    UnhookGridWheel();
    Form::Form_Unload();
}

bool frmServices::eventFilter(QObject *watched, QEvent *event) {
    auto *box = qobject_cast<QLineEdit *>(watched);
    const bool money = box == txtCharge[1] || box == txtCharge[2] || box == txtCost;
    if (box && event->type() == QEvent::KeyPress) {
        // A zero placeholder goes as soon as the user starts typing over it.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool typing = !key->text().isEmpty() &&
                            (key->text().at(0).isPrint() || key->key() == Qt::Key_Backspace);
        if (typing && box->text() == (money ? ZeroMoney() : QStringLiteral("0")))
            box->clear();
    } else if (box && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Switching to another window or opening a menu is not leaving the box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (money && !box->text().isEmpty() && !FormatCurrencyField(box)) {
                RefusedAmount = true;
            } else if (money && !box->text().isEmpty() &&
                       !AmountAllowed(*Currency::parse(box->text()))) {
                RefuseEntry(box, AmountOfZeroOrMore);
                RefusedAmount = true;
            } else if (box == txtDiscountQty && box->text().isEmpty())
                box->setText(QStringLiteral("0"));
        }
    }
    return Form::eventFilter(watched, event);
}

void frmServices::SetItemEdit(bool enabled) {
    ItemChanged = false;
    RefusedAmount = false;
    const std::array<QWidget *, 4> controls = {cmdServices[13], txtCharge[1], txtCharge[2],
                                               txtDescription[1]};
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

void frmServices::EnableItemEdit() {
    SetItemEdit(true);
}

void frmServices::DisableItemEdit() {
    SetItemEdit(false);
}

void frmServices::ClearItemFields() {
    txtCharge[1]->clear();
    txtDescription[1]->clear();
    if (!ckClearItem->isChecked())
        cboCategory->setEditText(QString());
    txtCharge[2]->clear();
    txtOnHand->clear();
    txtCost->clear();
    txtDiscountQty->clear();
    txtReorderAmount->clear();
    txtReorderAt->clear();
}

void frmServices::FillSortList() {
    lstSortBy->clear();
    lstSortBy->addItems({QStringLiteral("Description"), QStringLiteral("Category"),
                         QStringLiteral("Cost"), QStringLiteral("Price"),
                         QStringLiteral("On-Hand")});
    lstSortBy->setCurrentRow(0);
}

void frmServices::AddCategoryName(const QString &name) {
    if (name.isEmpty() ||
        cboCategory->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0)
        return;
    const QString typed = cboCategory->currentText();
    cboCategory->addItem(name);
    cboCategory->setEditText(typed);
}

void frmServices::LoadSalesItems() {
    cmdServices[9]->setEnabled(true);
    // The grid is filled afresh: a row must be clicked again before it can be deleted.
    cmdServices[10]->setEnabled(false);
    cmdHistory->setEnabled(false);
    const std::vector<ItemRecord> items = ReadAllItems();
    const bool onlyCurrent = ckCategory->isChecked();
    const QString current = cboCategory->currentText();
    if (!items.empty())
        cmdServices[8]->setEnabled(!onlyCurrent);

    QSet<QString> known;
    for (int i = 0; i < cboCategory->count(); ++i)
        known.insert(cboCategory->itemText(i));
    QStringList newCategories;
    std::vector<GridCell> cells = fgItems->Model()->TakeBody();
    cells.reserve(items.size() * 10);
    for (size_t k = 0; k < items.size(); ++k) {
        const ItemRecord &item = items[k];
        if (onlyCurrent && item.Category != current)
            continue;
        AppendItemCells(cells, item, int(k) + 1);
        if (!item.Category.isEmpty() && !known.contains(item.Category)) {
            known.insert(item.Category);
            newCategories << item.Category;
        }
    }
    fgItems->Model()->SetBody(std::move(cells));
    fgItems->setEnabled(true);
    if (!newCategories.isEmpty()) {
        cboCategory->addItems(newCategories);
        cboCategory->setEditText(current);
    }

    fgItems->Sort(1, FlexGrid::GenericAscending);
    // Sorting by category a second time would change nothing: the sorts keep equal rows in order.
    const int column = SortBySelection ? std::max(0, lstSortBy->currentRow()) : 1;
    if (column != 1)
        fgItems->Sort(column, column >= 2 && column <= 4 ? FlexGrid::NumericAscending
                                                         : FlexGrid::GenericAscending);
    // Amounts were plain numbers for the numeric sort; from now on they show as money.
    fgItems->Model()->SetColumnKind(2, GridCell::Money);
    fgItems->Model()->SetColumnKind(3, GridCell::Money);
}

void frmServices::cmdServices_Click(int Index) {
    switch (Index) {
    case 0:
        ReturnToMainMenu(this);
        break;
    case 1:
        PrintInventoryDocument(InventoryReportTitle, *fgItems, {});
        break;
    case 2:
        ReloadOrSort();
        break;
    case 3:
        ShowFloating(fraTallySheets);
        fraTallySheets->raise();
        txtTally[0]->setFocus();
        break;
    case 4:
        PrintTallySheets();
        break;
    case 5:
        fraTallySheets->hide();
        break;
    case 6:
        ClearLocations();
        break;
    case 7:
        SaveLocations();
        break;
    case 8:
        AddNew();
        break;
    case 9:
        Modify();
        break;
    case 10:
        DeleteItem();
        break;
    case 11:
        ClearItemFields();
        break;
    case 13:
        SaveItem();
        break;
    case 14:
        DisableItemEdit();
        ClearItemFields();
        fgItems->setEnabled(true);
        break;
    case 24:
        txtCharge[1]->setText(ZeroMoney());
        txtCharge[2]->setText(ZeroMoney());
        ItemChanged = true;
        break;
    default:
        break;
    }
}

void frmServices::PrintTallySheets() {
    QStringList locations;
    for (QLineEdit *box : txtTally)
        locations << box->text();
    // Without a location there would be no sheet to print, after the printer had been chosen.
    if (locations.join(QString()).isEmpty()) {
        MsgBox(QStringLiteral("Enter at least one location: a tally sheet is printed for each "
                              "location filled in."),
               QMessageBox::Ok, QStringLiteral("Print Inventory Tally Sheets"));
        txtTally[0]->setFocus();
        return;
    }
    if (PrintInventoryDocument(TallySheetTitle, *fgItems, locations))
        fraTallySheets->hide();
}

void frmServices::fgItems_Click() {
    if (fgItems->Row() >= 1) {
        cmdServices[10]->setEnabled(true);
        cmdServices[9]->setEnabled(true);
        cmdHistory->setEnabled(true);
    }
}

void frmServices::ShowHistory() {
    const int r = fgItems->Row();
    if (r < 1)
        return;
    dlgStockHistory history(fgItems->TextMatrix(r, 0), fgItems->TextMatrix(r, 1), this);
    history.exec();
}

void frmServices::AddNew() {
    ModifyMode = false;
    EnableItemEdit();
    ClearItemFields();
    txtDescription[1]->setFocus();
}

void frmServices::Modify() {
    const int r = fgItems->Row();
    // With no item chosen there is nothing to change (the heading row is no item).
    if (r < 1) {
        RefuseEntry(cmdServices[9], QStringLiteral("Click an item in the grid first"));
        return;
    }
    EnableItemEdit();
    ModifyMode = true;
    txtDescription[1]->setText(fgItems->TextMatrix(r, 0));
    if (!ckClearItem->isChecked())
        cboCategory->setEditText(fgItems->TextMatrix(r, 1));
    txtCost->setText(fgItems->TextMatrix(r, 2));
    txtCharge[1]->setText(fgItems->TextMatrix(r, 3));
    txtOnHand->setText(fgItems->TextMatrix(r, 4));
    txtCharge[2]->setText(fgItems->TextMatrix(r, 5));
    txtDiscountQty->setText(fgItems->TextMatrix(r, 6));
    txtReorderAmount->setText(fgItems->TextMatrix(r, 7));
    txtReorderAt->setText(fgItems->TextMatrix(r, 8));
    fgItems->setEnabled(false);
    txtDescription[1]->setFocus();
}

bool frmServices::WholeNumberIn(QLineEdit *box, const WholeRule &rule) {
    if (AllowedWhole(box->text(), rule))
        return true;
    RefuseEntry(box, WantedWholeNumber(0, rule.Max));
    return false;
}

void frmServices::SaveItem() {
    // An amount refused on the way to this button has been emptied: saving now would store
    // 0 where the user typed a figure.
    if (std::exchange(RefusedAmount, false))
        return;
    AddCategoryName(cboCategory->currentText());
    if (txtDescription[1]->text().isEmpty()) {
        RefuseEntry(txtDescription[1], QStringLiteral("Enter a description of the item"), Beep::No);
        return;
    }
    for (int i : {1, 2}) {
        if (txtCharge[i]->text().isEmpty()) {
            RefuseEntry(txtCharge[i], WantedAmount() + QStringLiteral(" (Clear Prices sets 0)"),
                        Beep::No);
            return;
        }
    }
    if (!IsNumeric(txtOnHand->text())) {
        txtOnHand->setText(QStringLiteral("0"));
        RefuseEntry(txtOnHand, WantedWholeNumber(0, OnHandRule.Max));
        return;
    }
    if (txtCost->text().isEmpty())
        txtCost->setText(ZeroMoney());
    if (txtReorderAmount->text().isEmpty())
        txtReorderAmount->setText(QStringLiteral("0"));
    if (txtReorderAt->text().isEmpty())
        txtReorderAt->setText(QStringLiteral("0"));
    // Nothing that would not fit its field reaches the file.
    for (QLineEdit *box : {txtCost, txtCharge[1], txtCharge[2]}) {
        const std::optional<Currency> amount = Currency::parse(box->text());
        if (!amount || !AmountAllowed(*amount)) {
            RefuseEntry(box, amount ? AmountOfZeroOrMore : WantedAmount());
            return;
        }
    }
    if (!WholeNumberIn(txtOnHand, OnHandRule) ||
        (!txtDiscountQty->text().isEmpty() && !WholeNumberIn(txtDiscountQty, DiscountQtyRule)) ||
        !WholeNumberIn(txtReorderAmount, ReorderAmountRule) ||
        !WholeNumberIn(txtReorderAt, ReorderAtRule))
        return;
    if (!ModifyMode && ItemCount() >= MaxItemRecords) {
        MsgBox(QStringLiteral("The items file is full: it holds %1 items, the most it can hold.")
                   .arg(MaxItemRecords));
        return;
    }

    fgItems->setEnabled(true);
    if (!ModifyMode) {
        fgItems->SetRows(fgItems->Rows() + 1);
        fgItems->SetRow(fgItems->Rows() - 1);
        NewRecordNumber = ItemCount() + 1;
    }
    const int r = fgItems->Row();
    if (r < 1)
        return;
    fgItems->SetTextMatrix(r, 0, txtDescription[1]->text());
    fgItems->SetTextMatrix(r, 1, cboCategory->currentText());
    fgItems->SetTextMatrix(r, 2, txtCost->text());
    fgItems->SetTextMatrix(r, 3, Currency::parse(txtCharge[1]->text())->toString());
    fgItems->SetTextMatrix(r, 4, QString::number(*TextToInt16(txtOnHand->text())));
    fgItems->SetTextMatrix(r, 5, Currency::parse(txtCharge[2]->text())->toString());
    fgItems->SetTextMatrix(r, 6, txtDiscountQty->text());
    fgItems->SetTextMatrix(r, 7, txtReorderAmount->text());
    fgItems->SetTextMatrix(r, 8, txtReorderAt->text());
    if (!ModifyMode)
        fgItems->SetTextMatrix(r, 9, QString::number(NewRecordNumber));
    if (!SaveItemRow(fgItems->TextMatrix(r, 9).toInt(), r)) {
        LoadSalesItems(); // the grid shows the file as it is, without a row that was not saved
        return;
    }
    ClearItemFields();
    DisableItemEdit();
    LoadSalesItems();
}

bool frmServices::SaveItemRow(int recordNumber, int gridRow) {
    QStringList cells;
    for (int c = 0; c <= 8; ++c) {
        QString cell = fgItems->TextMatrix(gridRow, c);
        if (c >= 2 && cell.isEmpty())
            cell = c <= 4 ? ZeroMoney() : QStringLiteral("0");
        cells << cell;
    }
    QString error;
    const std::optional<ItemRecord> item = ItemFromCells(cells, &error);
    if (!item) {
        MsgBox(error);
        return false;
    }
    const std::vector<ItemRecord> before = ReadAllItems();
    std::vector<NumberedItem> after = Numbered(before);
    if (size_t(recordNumber) <= before.size())
        after[size_t(recordNumber) - 1].Item = *item;
    else
        after.push_back({recordNumber, *item});
    const MovementKind kind =
        size_t(recordNumber) <= before.size() ? MovementKind::Edited : MovementKind::Added;
    if (!SaveWithHistory(CountChanges(before, after, kind),
                         [&] { return WriteItemRecord(recordNumber, *item); })) {
        MsgBox(QStringLiteral("The item could not be saved in the file %1.")
                   .arg(QDir::toNativeSeparators(DataFilePath(Items))));
        return false;
    }
    ckByCategory->setChecked(false);
    ckCategory->setChecked(false);
    LoadSalesItems();
    return true;
}

void frmServices::DeleteItem() {
    if (fgItems->Row() < 1) {
        cmdServices[10]->setEnabled(false);
        return;
    }
    if (MsgBox(QStringLiteral("This will DELETE the Selected Sales Item"),
               QMessageBox::Yes | QMessageBox::No,
               QStringLiteral("Delete Sales Item")) == QMessageBox::No)
        return;
    const int r = fgItems->Row();
    if (r < 1)
        return;
    const std::vector<ItemRecord> before = ReadAllItems();
    std::vector<NumberedItem> after = Numbered(before);
    const int deleted = fgItems->TextMatrix(r, 9).toInt();
    if (deleted >= 1 && size_t(deleted) <= after.size())
        after.erase(after.begin() + deleted - 1);
    const std::vector<Movement> movements = CountChanges(before, after, MovementKind::Deleted);
    if (ItemCount() == 1) {
        SaveWithHistory(movements, [] {
            DeleteWithBackup(Items);
            return !QFileInfo::exists(DataFilePath(Items)); // gone, not restored from Backup
        });
        fgItems->SetTextMatrix(1, 0, QString());
        fgItems->SetTextMatrix(1, 1, QString());
        fgItems->SetRows(1);
        fgItems->SetRow(0);
    } else {
        if (!SaveWithHistory(movements, [deleted] { return DeleteItemRecord(deleted); })) {
            MsgBox(QStringLiteral("The item could not be deleted from the file %1.")
                       .arg(QDir::toNativeSeparators(DataFilePath(Items))));
            return;
        }
        fgItems->RemoveItem(r);
        // Every later record moved down one place in the file; the rows follow it.
        for (int row = 1; row < fgItems->Rows(); ++row) {
            const GridCell &cell = fgItems->Model()->Cell(row, 9);
            if (cell.number() > deleted)
                fgItems->Model()->SetCell(row, 9,
                                          GridCell::Number(cell.number() - 1, GridCell::Integer));
        }
    }
    cmdServices[10]->setEnabled(false);
}

void frmServices::SortGridInPlace() {
    fgItems->Sort(std::max(0, lstSortBy->currentRow()), FlexGrid::GenericAscending);
    cmdServices[10]->setEnabled(false); // the chosen row has moved
    ckByCategory->setChecked(false);
}

void frmServices::ReloadOrSort() {
    if (ckByCategory->isChecked()) {
        SortGridInPlace();
        return;
    }
    if (ckCategory->isChecked() && cboCategory->currentText().isEmpty()) {
        MsgBox(QStringLiteral("Select a Category"));
        cboCategory->setFocus();
        return;
    }
    if (FileExistsOrRestore(Items))
        LoadSalesItems();
}

void frmServices::ClearLocations() {
    for (QLineEdit *box : txtTally)
        box->clear();
}

void frmServices::LoadLocations() {
    if (const std::optional<QStringList> names = LoadLocationsFile()) {
        for (int i = 0; i < LocationCount; ++i)
            txtTally[size_t(i)]->setText(names->value(i));
    }
}

void frmServices::SaveLocations() {
    QStringList names;
    for (QLineEdit *box : txtTally) {
        box->setText(StorableText(box->text(), StoredAs::Location)); // as it will read back
        names << box->text();
    }
    QString error;
    if (!SaveLocationsFile(names, &error))
        MsgBox(error);
}

// Save Item and Cancel Add New or Modify, enabled only while an item is being edited.
QAbstractButton *frmServices::EnterButton() const {
    return cmdServices[13];
}

QAbstractButton *frmServices::EscapeButton() const {
    return cmdServices[14];
}
