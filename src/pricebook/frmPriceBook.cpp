#include "pricebook/frmPriceBook.h"

#include "base/BasicDiskRoutines.h"
#include "base/Controls.h"
#include "base/Rev11Common.h"
#include "base/VerifyDataRoutines.h"
#include "common/Cp1252.h"
#include "common/Variables.h"
#include "inventory/ItemFile.h"
#include "pricebook/PriceBookSources.h"
#include "pricebook/RFQText.h"
#include "printing/FlexGrid.h"
#include "printing/InventoryPrintRoutines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTextDocument>

namespace {

const QString Service = QStringLiteral("Service");
const QString CustomItem = QStringLiteral("Custom Item");

// Every entry of the list with exactly that text goes.
void RemoveEntries(QListWidget *list, const QString &text) {
    for (int i = list->count() - 1; i >= 0; --i) {
        if (list->item(i)->text() == text)
            delete list->takeItem(i);
    }
}

bool HasEntry(const QListWidget *list, const QString &text) {
    return !list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty();
}

QStringList Entries(const QListWidget *list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}

QGroupBox *Group(const QString &title, const QString &instruction, QWidget *parent) {
    auto *group = new QGroupBox(title, parent);
    auto *column = new QVBoxLayout(group);
    if (!instruction.isEmpty())
        column->addWidget(WrappedLabel(instruction, group));
    return group;
}

QListWidget *List(const QString &name, QWidget *parent) {
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumHeight(120);
    return list;
}

} // namespace

QString TickMark() {
    return QStringLiteral("  ") + QChar(0xAB);
}

frmPriceBook::frmPriceBook() : Form(QStringLiteral("frmPriceBook")) {
    setWindowTitle(QStringLiteral("Create and Print a Price Book"));
    auto *bar = new QMenuBar(this);
    mnuRFQ = bar->addAction(QStringLiteral("Create RFQ"));
    mnuRFQ->setObjectName(QStringLiteral("mnuRFQ"));

    struct Button {
        const char *caption;
        const char *tip;
    };
    const Button buttons[] = {{"&Menu", ""},
                              {"&Clear/Redo", ""},
                              {"Select &All", ""},
                              {"&Print Price Book", ""},
                              {"Copy Category Order", "Copies Category Order"},
                              {"Tick All", ""},
                              {"Reset All", ""},
                              {"Prepare RF&Q", ""}};
    for (int i = 0; i < 8; ++i)
        cmdPB[i] = CommandButton(QStringLiteral("cmdPB_%1").arg(i),
                                 QString::fromLatin1(buttons[i].caption),
                                 QString::fromLatin1(buttons[i].tip), this);
    cmdPB[7]->setEnabled(false);

    fgItems = new FlexGrid(QStringLiteral("fgItems"), this);
    fgItems->setToolTip(QStringLiteral("Displays Inventoried items"));
    // The headings and widths of the grid's format string, a heading's trailing spaces
    // widening its column.
    const QString headings[] = {QStringLiteral("^Selected"),
                                QStringLiteral("<Description") + QString(35, u' '),
                                QStringLiteral("<Category") + QString(30, u' '),
                                QStringLiteral("^Cost (Unit)"),
                                QStringLiteral("^Price") + QString(9, u' '),
                                QStringLiteral("^Disc Price"),
                                QStringLiteral("^Disc Qty")};
    fgItems->SetCols(7);
    for (int c = 0; c < 7; ++c) {
        fgItems->SetTextMatrix(0, c, headings[c].mid(1).trimmed());
        fgItems->SetColWidthChars(c, int(headings[c].size()));
        fgItems->SetColAlignment(c,
                                 headings[c].startsWith(u'<') ? Qt::AlignLeft : Qt::AlignHCenter);
    }
    Label1[7] = new QLabel(QStringLiteral("Grid contains Inventoried Items"), this);
    Label1[7]->setObjectName(QStringLiteral("Label1_7"));

    auto *top = new QHBoxLayout;
    top->addWidget(CategoriesFrame(), 3);
    top->addWidget(OptionsFrame(), 1);
    auto *gridTitle = new QHBoxLayout;
    gridTitle->addWidget(Label1[7]);
    gridTitle->addStretch();
    gridTitle->addWidget(new QLabel(QStringLiteral("Click to Select or Deselect"), this));
    auto *commands = new QHBoxLayout;
    for (int i : {1, 2, 5, 6, 7})
        commands->addWidget(cmdPB[i]);
    commands->addStretch();
    commands->addWidget(cmdPB[3]);
    commands->addWidget(cmdPB[0]);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(top);
    layout->addLayout(gridTitle);
    layout->addWidget(fgItems, 1);
    layout->addLayout(commands);
    fraRFQ = RFQFrame();
    resize(1100, 760);

    for (int i = 0; i < 8; ++i)
        connect(cmdPB[i], &QPushButton::clicked, this, [this, i] { cmdPB_Click(i); });
    for (int i : {3, 4})
        connect(ckPB[i], &QCheckBox::toggled, this, [this, i] { ckPB_Click(i); });
    connect(lstCategories, &QListWidget::itemChanged, this, &frmPriceBook::lstCategories_Click);
    for (auto signal : {&QListWidget::itemClicked, &QListWidget::itemActivated})
        connect(lstCategoriesSelected, signal, this, &frmPriceBook::lstCategoriesSelected_Click);
    connect(UpDown1, &UpDownArrows::upClicked, this,
            [this] { MoveListItem(true, lstSort, lstSort->currentRow()); });
    connect(UpDown1, &UpDownArrows::downClicked, this,
            [this] { MoveListItem(false, lstSort, lstSort->currentRow()); });
    connect(fgItems, &FlexGrid::Click, this, &frmPriceBook::fgItems_Click);
    fgItems->installEventFilter(this);
    connect(fgItems, &FlexGrid::Click, this, UnhookGridWheel);
    connect(mnuRFQ, &QAction::triggered, this, &frmPriceBook::mnuRFQ_Click);
    connect(lstVendors, &QListWidget::currentRowChanged, this, [](int row) {
        if (row >= 0)
            VendorNumber = qint16(row + 1);
    });
    for (int i = 0; i < 5; ++i)
        connect(cmdRFQ[i], &QPushButton::clicked, this, [this, i] { cmdRFQ_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(cmdPrintRFQ[i], &QPushButton::clicked, this, [this, i] { cmdPrintRFQ_Click(i); });
}

QWidget *frmPriceBook::CategoriesFrame() {
    auto *frame = new QWidget(this);
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);

    QGroupBox *categories =
        Group(QStringLiteral("Categories"),
              QStringLiteral("Tick the Categories to include in the Price Book"), frame);
    lstCategories = List(QStringLiteral("lstCategories"), categories);
    categories->layout()->addWidget(lstCategories);

    QGroupBox *selected = Group(
        QStringLiteral("Display in Price Book"),
        QStringLiteral("Click Categories in the order you wish them to appear in the Price Book"),
        frame);
    lstCategoriesSelected = List(QStringLiteral("lstCategoriesSelected"), selected);
    selected->layout()->addWidget(lstCategoriesSelected);
    selected->layout()->addWidget(cmdPB[4]);

    QGroupBox *order =
        Group(QStringLiteral("Category Order"), QStringLiteral("Will Appear in this Order"), frame);
    lstSort = List(QStringLiteral("lstSort"), order);
    UpDown1 = new UpDownArrows(QStringLiteral("UpDown1"), Qt::Vertical, order);
    UpDown1->setToolTip(QStringLiteral("Select an Item to Move"));
    auto *sortRow = new QHBoxLayout;
    sortRow->addWidget(lstSort, 1);
    sortRow->addWidget(UpDown1, 0, Qt::AlignVCenter);
    static_cast<QVBoxLayout *>(order->layout())->addLayout(sortRow);

    for (QGroupBox *group : {categories, selected, order})
        row->addWidget(group, 1);
    return frame;
}

QWidget *frmPriceBook::OptionsFrame() {
    auto *frame = new QWidget(this);
    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    QGroupBox *add = Group(QStringLiteral("Add to Price Book"), QString(), frame);
    const char *captions[] = {"ITEM COST", "PRICE", "DISCOUNT PRICING", "SERVICES", "CUSTOM ITEMS"};
    for (int i = 0; i < 5; ++i) {
        ckPB[i] = new QCheckBox(QString::fromLatin1(captions[i]), add);
        ckPB[i]->setObjectName(QStringLiteral("ckPB_%1").arg(i));
        add->layout()->addWidget(ckPB[i]);
    }
    // The sources' boxes wait for their files.
    ckPB[3]->setEnabled(false);
    ckPB[4]->setEnabled(false);
    add->layout()->addWidget(new QLabel(QStringLiteral("(tick Items in Grid individually)"), add));
    column->addWidget(add);

    cboBookType = new QComboBox(frame);
    cboBookType->setObjectName(QStringLiteral("cboBookType"));
    cboOwner = new QComboBox(frame);
    cboOwner->setObjectName(QStringLiteral("cboOwner"));
    for (QComboBox *box : {cboBookType, cboOwner}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    column->addWidget(new QLabel(QStringLiteral("Select Book Type"), frame));
    column->addWidget(cboBookType);
    column->addWidget(new QLabel(QStringLiteral("Create Book For:"), frame));
    column->addWidget(cboOwner);
    column->addStretch();
    return frame;
}

QGroupBox *frmPriceBook::RFQFrame() {
    QGroupBox *frame =
        FloatingFrame(QStringLiteral("fraRFQ"), QStringLiteral("Request for Quotation"), this);
    auto *label = new QLabel(QStringLiteral("Select Supplier"), frame);
    label->setObjectName(QStringLiteral("Label7"));
    lstVendors = List(QStringLiteral("lstVendors"), frame);
    lstVendors->setToolTip(QStringLiteral("A PO can only be submitted to 1 Supplier"));
    txtRFQ = new QPlainTextEdit(frame);
    txtRFQ->setTabChangesFocus(true);
    txtRFQ->setObjectName(QStringLiteral("txtRFQ"));

    struct Button {
        const char *caption;
        const char *tip;
    };
    const Button rfq[] = {{"Clear", "Clear and Redo"},
                          {"Load", "Load Previously Stored RFQ"},
                          {"Save", "Save for later Use"},
                          {"Load Default", "Load the Default RFQ"},
                          {"Cancel w/o Printing", "Load the Default RFQ"}};
    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        cmdRFQ[i] =
            CommandButton(QStringLiteral("cmdRFQ_%1").arg(i), QString::fromLatin1(rfq[i].caption),
                          QString::fromLatin1(rfq[i].tip), frame);
        buttons->addWidget(cmdRFQ[i]);
    }
    const char *printCaptions[] = {"Print RFQ", "Add Selected Items"};
    for (int i = 0; i < 2; ++i)
        cmdPrintRFQ[i] = CommandButton(QStringLiteral("cmdPrintRFQ_%1").arg(i),
                                       QString::fromLatin1(printCaptions[i]),
                                       QStringLiteral("Prints the RFQ"), frame);
    auto *print = new QHBoxLayout;
    print->addWidget(cmdPrintRFQ[1]);
    print->addStretch();
    print->addWidget(cmdPrintRFQ[0]);

    auto *layout = new QGridLayout(frame);
    layout->addWidget(label, 0, 0);
    layout->addWidget(lstVendors, 1, 0);
    layout->addWidget(txtRFQ, 0, 1, 2, 1);
    layout->setColumnStretch(1, 2);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->addLayout(print, 3, 0, 1, 2);
    frame->resize(760, 380);
    return frame;
}

void frmPriceBook::Form_Load() {
    Form::Form_Load();
    cboBookType->addItems({QStringLiteral("Sales Items Pricebook"),
                           QStringLiteral("Service Items Pricebook"),
                           QStringLiteral("Repair Items Pricebook")});
    cboBookType->setCurrentIndex(0);
    cboOwner->addItems({BusinessName, QStringLiteral("Sales Rep "), QStringLiteral("Service Rep"),
                        QStringLiteral("Vendor")});
    cboOwner->setCurrentIndex(0);
    if (FileExistsOrRestore(ItemsFileName()))
        LoadItems();
    if (FileExistsOrRestore(QStringLiteral("/Services.txt")))
        LoadServices();
    if (FileExistsOrRestore(QStringLiteral("/CustomItems.txt")))
        LoadCustomItems();
    // The screen comes after the contact book has read the vendor file.
    FillVendors();
}

void frmPriceBook::LoadItems() {
    const std::vector<ItemRecord> items = ReadAllItems();
    std::vector<GridCell> cells;
    cells.reserve(items.size() * 7);
    QSet<QString> categories;
    QStringList firstMet;
    const GridCell tick(TickMark());
    for (const ItemRecord &item : items) {
        cells.push_back(tick);
        cells.emplace_back(item.Description);
        cells.emplace_back(item.Category);
        cells.push_back(GridCell::Number(item.Cost.tenThousandths(), GridCell::Money));
        cells.push_back(GridCell::Number(item.Price.tenThousandths(), GridCell::Money));
        cells.push_back(GridCell::Number(item.DiscountPrice.tenThousandths(), GridCell::Money));
        cells.push_back(GridCell::Number(item.DiscountQty, GridCell::Integer));
        if (!item.Category.isEmpty() && !categories.contains(item.Category)) {
            categories.insert(item.Category);
            firstMet << item.Category;
        }
    }
    fgItems->Model()->SetBody(std::move(cells));
    for (const QString &category : firstMet) {
        auto *entry = new QListWidgetItem(category);
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(Qt::Unchecked);
        lstCategories->addItem(entry);
    }
    fgItems->Sort(2, FlexGrid::GenericAscending);
    fgItems->SetColAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    fgItems->SetColAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
}

void frmPriceBook::LoadServices() {
    ckPB[3]->setEnabled(true);
    Label1[7]->setText(QStringLiteral("Grid contains Inventoried Items and Services"));
    std::vector<GridCell> cells;
    for (const ServiceRecord &service : ReadServices()) {
        cells.insert(cells.end(), {GridCell(), service.Description, Service, GridCell(),
                                   service.Price, GridCell(), GridCell()});
    }
    fgItems->Model()->AppendRows(cells);
}

void frmPriceBook::LoadCustomItems() {
    ckPB[4]->setEnabled(true);
    Label1[7]->setText(
        QStringLiteral("Grid contains Inventoried Items, Services and Custom Items"));
    std::vector<GridCell> cells;
    for (const CustomItemRecord &item : ReadCustomItems()) {
        cells.insert(cells.end(),
                     {GridCell(), item.Description, CustomItem, GridCell(),
                      GridCell::Number(item.Price.tenThousandths(), GridCell::Money),
                      GridCell::Number(item.DiscountPrice.tenThousandths(), GridCell::Money),
                      GridCell::Number(item.DiscountQty, GridCell::Integer)});
    }
    cells.resize(cells.size() + 7); // the row that stays empty
    fgItems->Model()->AppendRows(cells);
}

void frmPriceBook::FillVendors() {
    lstVendors->clear();
    lstVendors->addItems(Vendors.Names);
}

void frmPriceBook::Form_Activate() {
    HookGridWheel(this, fgItems);
    lstCategoriesSelected->clear();
    lstSort->clear();
    mnuRFQ->setEnabled(lstVendors->count() > 0);
    if (lstVendors->count() > 0)
        lstVendors->setCurrentRow(0);
}

void frmPriceBook::Form_QueryUnload(int unloadMode) {
    UnhookGridWheel();
    Form::Form_QueryUnload(unloadMode);
}

void frmPriceBook::Form_Unload() {
    UnhookGridWheel();
    Form::Form_Unload();
}

void frmPriceBook::cmdPB_Click(int Index) {
    switch (Index) {
    case 0:
        // Leaving unloads the screen (the wheel hook goes with it): the next visit starts from
        // freshly read files.
        LoadFormNamed(QStringLiteral("frmStartup"))->show();
        UnloadForm(this);
        break;
    case 1:
        for (int i = 0; i < lstCategories->count(); ++i)
            lstCategories->item(i)->setCheckState(Qt::Unchecked);
        lstCategoriesSelected->clear();
        lstSort->clear();
        ckPB[3]->setChecked(false);
        ckPB[4]->setChecked(false);
        break;
    case 2:
        lstCategoriesSelected->clear();
        for (int i = 0; i < lstCategories->count(); ++i) {
            QListWidgetItem *entry = lstCategories->item(i);
            // A tick already there is made again, so that the selection ends in list order.
            if (entry->checkState() == Qt::Checked)
                lstCategories_Click(entry);
            else
                entry->setCheckState(Qt::Checked);
        }
        break;
    case 3:
        PrintPriceBook();
        break;
    case 4:
        lstSort->addItems(Entries(lstCategoriesSelected));
        break;
    case 5:
        SetTicks([](int) { return true; }, true);
        break;
    case 6:
        SetTicks([](int) { return true; }, false);
        break;
    case 7:
        ShowFloating(fraRFQ);
        break;
    default:
        break;
    }
}

template <class Wanted> void frmPriceBook::SetTicks(Wanted wanted, bool ticked) {
    const GridCell mark = ticked ? GridCell(TickMark()) : GridCell();
    FlexGridModel *model = fgItems->Model();
    for (int r = 1; r < model->Rows(); ++r) {
        if (wanted(r))
            model->SetCell(r, 0, mark);
    }
}

void frmPriceBook::lstCategories_Click(QListWidgetItem *item) {
    const QString c = item->text();
    if (item->checkState() != Qt::Checked) {
        RemoveEntries(lstCategoriesSelected, c);
        RemoveEntries(lstSort, c);
    } else if (!HasEntry(lstCategoriesSelected, c)) {
        lstCategoriesSelected->addItem(c);
    }
}

void frmPriceBook::lstCategoriesSelected_Click(QListWidgetItem *item) {
    if (!HasEntry(lstSort, item->text()))
        lstSort->addItem(item->text());
}

void frmPriceBook::ckPB_Click(int Index) {
    const QString name = Index == 3 ? Service : CustomItem;
    const bool ticked = ckPB[Index]->isChecked();
    if (HasEntry(lstSort, name)) {
        if (!ticked)
            RemoveEntries(lstSort, name);
    } else if (ticked) {
        lstSort->addItem(name);
    }
    if (Index != 3)
        return;
    const FlexGridModel *model = fgItems->Model();
    SetTicks([model](int r) { return model->Text(r, 2) == Service; }, ticked);
    MsgBox(QStringLiteral("All Service Items have been") +
           (ticked ? QStringLiteral(" Checked") : QStringLiteral(" Unchecked")));
}

void frmPriceBook::fgItems_Click() {
    const int r = fgItems->Row();
    if (r < 1)
        return;
    const bool ticked = fgItems->TextMatrix(r, 0) == TickMark();
    fgItems->Model()->SetCell(r, 0, ticked ? GridCell() : GridCell(TickMark()));
}

void frmPriceBook::PrintPriceBook() {
    if (lstCategoriesSelected->count() == 0 && !ckPB[3]->isChecked() && !ckPB[4]->isChecked()) {
        MsgBox(QStringLiteral("You have not Selected any Categories"));
        return;
    }
    QStringList expected = Entries(lstCategoriesSelected);
    if (ckPB[3]->isChecked())
        expected << Service;
    if (ckPB[4]->isChecked())
        expected << CustomItem;
    // The order must hold each of them: a category there twice would print twice while another
    // selected one would not print at all.
    const QStringList order = Entries(lstSort);
    const bool ordered = order.size() == expected.size() &&
                         std::all_of(expected.begin(), expected.end(),
                                     [&](const QString &c) { return order.contains(c); });
    if (!ordered) {
        MsgBox(QStringLiteral("You have not Ordered All Selected Categories"));
        return;
    }
    const int last = fgItems->Rows() - 1;
    if (last >= 1 && fgItems->TextMatrix(last, 1).isEmpty())
        fgItems->RemoveItem(last);
    PrintPriceBookDocument(QStringLiteral("Pricebook"), cboBookType->currentText(),
                           cboOwner->currentText(), Content());
}

PriceBookContent frmPriceBook::Content() const {
    PriceBookContent content;
    const FlexGridModel *model = fgItems->Model();
    for (int r = 1; r < model->Rows(); ++r) {
        if (model->Text(r, 0).isEmpty())
            continue;
        content.Items.push_back({model->Text(r, 1), model->Text(r, 2), model->Text(r, 3),
                                 model->Text(r, 4), model->Text(r, 5), model->Text(r, 6)});
    }
    content.Order = Entries(lstSort);
    content.ShowCost = ckPB[0]->isChecked();
    content.ShowPrice = ckPB[1]->isChecked();
    content.ShowDiscount = ckPB[2]->isChecked();
    const int k = VendorNumber - 1;
    if (k >= 0 && k < Vendors.Names.size()) {
        content.VendorBlock = {TrimPadding(Vendors.Names.at(k)),
                               TrimPadding(Vendors.Addresses1.at(k))};
        // The second address line is part of where the letter goes, when there is one.
        if (!TrimPadding(Vendors.Addresses2.at(k)).isEmpty())
            content.VendorBlock << TrimPadding(Vendors.Addresses2.at(k));
        content.VendorBlock << TrimPadding(Vendors.Cities.at(k)) + u',' +
                                   TrimPadding(Vendors.States.at(k))
                            << TrimPadding(Vendors.PostalCodes.at(k));
    }
    content.Request = RequestText().split(u'\n');
    return content;
}

bool frmPriceBook::eventFilter(QObject *watched, QEvent *event) {
    // The space bar ticks the current row, for those who go down the grid by keyboard.
    if (watched == fgItems && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        fgItems_Click();
        return true;
    }
    return Form::eventFilter(watched, event);
}

QString frmPriceBook::RequestText() const {
    // The box's own characters: its plain text would turn no-break spaces into spaces.
    QString text = txtRFQ->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

void frmPriceBook::mnuRFQ_Click() {
    MsgBox(QStringLiteral("Click all Items in the Grid you") + QStringLiteral("\r\n") +
           QStringLiteral("wish to Add to the Request for Quote"));
    cmdPB[7]->setEnabled(true);
}

void frmPriceBook::cmdRFQ_Click(int Index) {
    switch (Index) {
    case 0:
        txtRFQ->clear();
        break;
    case 1:
        LoadRFQText();
        break;
    case 2:
        SaveRFQText();
        break;
    case 3:
        LoadDefaultRFQText();
        break;
    case 4:
        CancelRFQ();
        break;
    default:
        break;
    }
}

void frmPriceBook::CancelRFQ() {
    txtRFQ->clear();
    cmdPB[7]->setEnabled(false);
    fraRFQ->hide();
}

void frmPriceBook::cmdPrintRFQ_Click(int Index) {
    if (Index == 1) {
        QString added = QStringLiteral("\n");
        const FlexGridModel *model = fgItems->Model();
        for (int r = 1; r < model->Rows(); ++r) {
            if (!model->Text(r, 0).isEmpty())
                added += model->Text(r, 1) + u'\n';
        }
        txtRFQ->moveCursor(QTextCursor::End);
        txtRFQ->insertPlainText(added);
        return;
    }
    SaveRFQText();
    PrintPriceBookDocument(QStringLiteral("RFQ"), QStringLiteral("Request for Qoutation"),
                           cboOwner->currentText(), Content());
    CancelRFQ();
}

void frmPriceBook::LoadDefaultRFQText() {
    txtRFQ->setPlainText(DefaultRFQText());
}

void frmPriceBook::LoadRFQText() {
    if (std::optional<QString> text = ReadRFQFile()) {
        txtRFQ->setPlainText(*text);
        return;
    }
    LoadDefaultRFQText();
    SaveRFQText();
}

void frmPriceBook::SaveRFQText() {
    const QString stored = StorableText(RequestText(), StoredAs::PlainLines);
    if (stored != RequestText())
        txtRFQ->setPlainText(stored); // what the file gives back
    if (!WriteRFQFile(stored))
        MsgBox(QStringLiteral("The request could not be saved in the file %1.")
                   .arg(DataFilePath(QStringLiteral("/RFQ.txt"))));
}

// The request for quotation's frame is the one place with a Cancel.
QAbstractButton *frmPriceBook::EscapeButton() const {
    return cmdRFQ[4];
}
