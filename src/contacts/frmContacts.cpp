#include "contacts/frmContacts.h"

#include "base/BasicDiskRoutines.h"
#include "base/Controls.h"
#include "base/Rev11Common.h"
#include "base/VerifyDataRoutines.h"
#include "common/Cp1252.h"
#include "common/Variables.h"
#include "contacts/ContactReport.h"
#include "contacts/VendorFile.h"
#include "pricebook/frmPriceBook.h"
#include "printing/FlexGrid.h"
#include "printing/PrintJob.h"
#include "printing/PrinterRoutines.h"
#include "purchasing/frmPO.h"
#include "setup/frmSetup.h"
#include "telephony/frmDialer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

namespace {

// The record field each entry box holds, in box order.
constexpr VendorField BoxField[] = {VendorAccountNumber, VendorName,    VendorAddress1,
                                    VendorAddress2,      VendorState,   VendorPostalCode,
                                    VendorTelephone,     VendorFaxCell, VendorKeyContact};
const QString FileName = QStringLiteral("/VendorData.txt");

QPixmap PhonePicture() {
    QPixmap picture(40, 40);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x1f, 0x4e, 0x79));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(6, 4, 28, 10, 4, 4);   // the handset
    painter.drawRoundedRect(10, 14, 20, 22, 3, 3); // the base
    painter.setBrush(Qt::white);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            painter.drawRect(13 + col * 5, 18 + row * 5, 3, 3);
    return picture;
}

FlexGrid *Grid(const QString &name, const QStringList &headings, const QList<int> &widths,
               QWidget *parent) {
    auto *grid = new FlexGrid(name, parent);
    grid->SetCols(int(headings.size()));
    for (int c = 0; c < headings.size(); ++c) {
        grid->SetTextMatrix(0, c, headings[c]);
        grid->SetColWidthChars(c, widths[c]);
        grid->SetColAlignment(c, Qt::AlignLeft);
    }
    return grid;
}

} // namespace

frmContacts::frmContacts() : Form(QStringLiteral("frmContacts")) {
    setWindowTitle(QStringLiteral("Payto Selection"));
    auto *bar = new QMenuBar(this);
    QMenu *mnuCust = bar->addMenu(QStringLiteral("Files"));
    mnuCust->setObjectName(QStringLiteral("mnuCust"));
    mnuAdd = mnuCust->addAction(QStringLiteral("Add a New Recipient"));
    mnuDelete = mnuCust->addAction(QStringLiteral("DELETE This Recipient"));
    mnuPrint = mnuCust->addAction(QStringLiteral("Print  Recipient Records"));
    mnuView = bar->addAction(QStringLiteral("Toggle Vendor Grid"));
    mnuPopUp = new QMenu(this);
    mnuSelect = mnuPopUp->addAction(QStringLiteral("Select Recipient"));
    for (auto [action, name] : {std::pair{mnuAdd, "mnuAdd"},
                                {mnuDelete, "mnuDelete"},
                                {mnuPrint, "mnuPrint"},
                                {mnuView, "mnuView"},
                                {mnuSelect, "mnuSelect"}})
        action->setObjectName(QString::fromLatin1(name));

    cmdExit = CommandButton(QStringLiteral("cmdExit"), QStringLiteral("&Menu"), QString(), this);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(RecordFrame());
    layout->addWidget(SearchFrame());
    layout->addWidget(ResultsFrame());
    layout->addStretch();
    layout->addWidget(cmdExit, 0, Qt::AlignRight);
    VendorListFrame();
    fraSearch->hide();
    fraContactsFound->hide();
    resize(820, 600);

    connect(cmdExit, &QPushButton::clicked, this, &frmContacts::cmdExit_Click);
    connect(mnuAdd, &QAction::triggered, this, [this] {
        NewEntry();
        Command1[1]->setEnabled(true);
        LoadVendors();
    });
    connect(mnuDelete, &QAction::triggered, this, &frmContacts::DeleteVendor);
    connect(mnuPrint, &QAction::triggered, this, &frmContacts::ListAllForPrinting);
    connect(mnuView, &QAction::triggered, this, [this] {
        fraSuppliers->isVisible() ? fraSuppliers->hide() : ShowFloating(fraSuppliers);
    });
    connect(mnuSelect, &QAction::triggered, this, [this] {
        const int r = fgContactsFound->Row();
        if (r < 1)
            return;
        CurrentRecord = fgContactsFound->TextMatrix(r, 6).toInt();
        ShowVendor();
        fraContactsFound->hide();
    });
}

QWidget *frmContacts::RecordFrame() {
    fraContact = new QGroupBox(QStringLiteral("VendorInformation"), this);
    fraContact->setObjectName(QStringLiteral("fraContact"));
    const char *labels[] = {"Account No.", "Name",      "Address 1", "Address 2",  "State",
                            "Postal",      "Telephone", "Fax,Cell",  "Key Contact"};
    auto *grid = new QGridLayout(fraContact);
    for (int i = 0; i < 9; ++i) {
        txtContact[size_t(i)] = new QLineEdit(fraContact);
        txtContact[size_t(i)]->setObjectName(QStringLiteral("txtContact_%1").arg(i));
        txtContact[size_t(i)]->installEventFilter(this);
    }
    cboCity = new QComboBox(fraContact);
    cboCity->setObjectName(QStringLiteral("cboCity"));
    cboCategory = new QComboBox(fraContact);
    cboCategory->setObjectName(QStringLiteral("cboCategory"));
    cboCategory->setToolTip(QStringLiteral("Assign this Payto Recipient to a category"));
    for (QComboBox *box : {cboCity, cboCategory}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setMaxLength(20);
    }
    grid->addWidget(new QLabel(QStringLiteral("Category"), fraContact), 0, 0);
    grid->addWidget(cboCategory, 0, 1);
    int row = 1;
    for (int i : {0, 1, 2, 3}) {
        grid->addWidget(new QLabel(QString::fromLatin1(labels[i]), fraContact), row, 0);
        grid->addWidget(txtContact[size_t(i)], row++, 1, 1, 3);
    }
    grid->addWidget(new QLabel(QStringLiteral("City"), fraContact), row, 0);
    grid->addWidget(cboCity, row, 1);
    auto *place = new QHBoxLayout;
    place->addWidget(txtContact[4]);
    place->addWidget(new QLabel(QString::fromLatin1(labels[5]), fraContact));
    place->addWidget(txtContact[5]);
    grid->addLayout(place, row++, 2, 1, 2);
    for (int i : {6, 7, 8}) {
        grid->addWidget(new QLabel(QString::fromLatin1(labels[i]), fraContact), row, 0);
        grid->addWidget(txtContact[size_t(i)], row++, 1, 1, 3);
    }
    const int widths[] = {20, 30, 35, 25, 2, 10, 13, 30, 30};
    for (int i = 0; i < 9; ++i)
        txtContact[size_t(i)]->setMaxLength(widths[i]);
    txtContact[4]->setFixedWidth(txtContact[4]->fontMetrics().horizontalAdvance("WWW") + 12);

    auto *buttons = new QHBoxLayout;
    const char *captions[] = {"|<<", "<", ">", ">>|"};
    for (int i = 0; i < 4; ++i) {
        cmdNav[size_t(i)] = CommandButton(QStringLiteral("cmdNav_%1").arg(i),
                                          QString::fromLatin1(captions[i]), QString(), fraContact);
        buttons->addWidget(cmdNav[size_t(i)]);
        connect(cmdNav[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdNav_Click(i); });
    }
    Command1[0] = CommandButton(QStringLiteral("Command1_0"), QStringLiteral("&Search"), QString(),
                                fraContact);
    Command1[1] = CommandButton(QStringLiteral("Command1_1"), QStringLiteral("Cancel &Add New"),
                                QString(), fraContact);
    Command1[1]->setEnabled(false);
    imgPhone = new ClickableImage(QStringLiteral("imgPhone"), fraContact);
    imgPhone->setPixmap(PhonePicture());
    imgPhone->setToolTip(QStringLiteral("Call Account Phone or Cell"));
    buttons->addStretch();
    buttons->addWidget(Command1[0]);
    buttons->addWidget(Command1[1]);
    buttons->addWidget(imgPhone);
    grid->addLayout(buttons, row, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    connect(Command1[0], &QPushButton::clicked, this, [this] {
        SaveVendor();
        ShowOnly(fraSearch);
        optSearch[6]->setChecked(true);
        SearchCriterion = 6;
        txtSearchfor->setFocus();
        txtSearchfor->end(false);
    });
    connect(Command1[1], &QPushButton::clicked, this, &frmContacts::CancelAddNew);
    connect(imgPhone, &ClickableImage::clicked, this, &frmContacts::Dial);
    return fraContact;
}

QWidget *frmContacts::SearchFrame() {
    fraSearch = new QGroupBox(QStringLiteral("VendoR Search"), this);
    fraSearch->setObjectName(QStringLiteral("fraSearch"));
    const char *captions[] = {
        "by Name",  "by Street Address", "by Apt/PO Box",       "by City",
        "by State", "by Zip Code",       "by Telephone Number", "by Category"};
    auto *grid = new QGridLayout(fraSearch);
    for (int i = 0; i < 8; ++i) {
        optSearch[size_t(i)] = new QRadioButton(QString::fromLatin1(captions[i]), fraSearch);
        optSearch[size_t(i)]->setObjectName(QStringLiteral("optSearch_%1").arg(i));
        grid->addWidget(optSearch[size_t(i)], i / 2, i % 2);
        connect(optSearch[size_t(i)], &QRadioButton::clicked, this, [this, i] {
            txtSearchfor->clear();
            txtSearchfor->setFocus();
            SearchCriterion = i;
        });
    }
    txtSearchfor = new QLineEdit(fraSearch);
    txtSearchfor->setObjectName(QStringLiteral("txtSearchfor"));
    cmdStartSearch = CommandButton(QStringLiteral("cmdStartSearch"), QStringLiteral("Start Search"),
                                   QString(), fraSearch);
    cmdClearSearch = CommandButton(QStringLiteral("cmdClearSearch"), QStringLiteral("Clear Search"),
                                   QString(), fraSearch);
    cmdHideSearch = CommandButton(QStringLiteral("cmdHideSearch"), QStringLiteral("Return"),
                                  QString(), fraSearch);
    grid->addWidget(txtSearchfor, 4, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {cmdStartSearch, cmdClearSearch, cmdHideSearch})
        buttons->addWidget(button);
    grid->addLayout(buttons, 5, 0, 1, 2);
    connect(cmdStartSearch, &QPushButton::clicked, this, &frmContacts::StartSearch);
    connect(cmdClearSearch, &QPushButton::clicked, this, [this] {
        txtSearchfor->clear();
        txtSearchfor->setFocus();
    });
    connect(cmdHideSearch, &QPushButton::clicked, this, [this] { ShowOnly(fraContact); });
    return fraSearch;
}

QWidget *frmContacts::ResultsFrame() {
    fraContactsFound = new QGroupBox(QStringLiteral("Vendor Search Results"), this);
    fraContactsFound->setObjectName(QStringLiteral("fraContactsFound"));
    fgContactsFound = Grid(QStringLiteral("fgContactsFound"),
                           {"Name", "Phone", "Street Address", "City", "St", "Zip Code", "Rec"},
                           {25, 15, 25, 16, 3, 12, 4}, fraContactsFound);
    fgContactsFound->SetColAlignment(0, Qt::AlignHCenter);
    fgContactsFound->SetColAlignment(1, Qt::AlignHCenter);
    fgContactsFound->setMinimumHeight(260);
    fgContactsFound->viewport()->installEventFilter(this);
    cmdPrintContacts = CommandButton(QStringLiteral("cmdPrintContacts"), QStringLiteral("&Print"),
                                     QString(), fraContactsFound);
    cmdPrintContacts->hide(); // until a list of results or of every vendor shows
    cmdRetry = CommandButton(QStringLiteral("cmdRetry"), QStringLiteral("&Hide"), QString(),
                             fraContactsFound);
    auto *column = new QVBoxLayout(fraContactsFound);
    column->addWidget(fgContactsFound, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrintContacts);
    buttons->addWidget(cmdRetry);
    column->addLayout(buttons);
    connect(cmdPrintContacts, &QPushButton::clicked, this, &frmContacts::PrintContacts);
    connect(cmdRetry, &QPushButton::clicked, this, &frmContacts::Retry);
    connect(fgContactsFound, &FlexGrid::Click, this, [this] {
        UnhookGridWheel();
        HookGridWheel(this, fgContactsFound);
    });
    return fraContactsFound;
}

QWidget *frmContacts::VendorListFrame() {
    fraSuppliers = FloatingFrame(QStringLiteral("fraSuppliers"),
                                 QStringLiteral("Vendors / Suppliers List"), this);
    fgVendors =
        Grid(QStringLiteral("fgVendors"), {"Vendor Name", "Account Number", "Phone", "Vendor Rec"},
             {34, 14, 19, 10}, fraSuppliers);
    fgVendors->SetColAlignment(2, Qt::AlignHCenter);
    fgVendors->SetColAlignment(3, Qt::AlignHCenter);
    cmdVendorList[0] = CommandButton(QStringLiteral("cmdVendorList_0"), QStringLiteral("Load"),
                                     QString(), fraSuppliers);
    cmdVendorList[1] = CommandButton(QStringLiteral("cmdVendorList_1"),
                                     QStringLiteral("Close Window"), QString(), fraSuppliers);
    auto *column = new QVBoxLayout(fraSuppliers);
    column->addWidget(fgVendors, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdVendorList[0]);
    buttons->addWidget(cmdVendorList[1]);
    column->addLayout(buttons);
    fraSuppliers->resize(720, 420);
    connect(cmdVendorList[0], &QPushButton::clicked, this, [this] {
        const int r = fgVendors->Row();
        if (r < 1) {
            SoundBeep();
            return;
        }
        SaveVendor();
        CurrentRecord = fgVendors->TextMatrix(r, 3).toInt();
        ShowVendor();
        fraSuppliers->hide();
    });
    connect(cmdVendorList[1], &QPushButton::clicked, fraSuppliers, &QWidget::hide);
    connect(fgVendors, &FlexGrid::Click, this, [this] {
        UnhookGridWheel();
        HookGridWheel(this, fgVendors);
    });
    return fraSuppliers;
}

void frmContacts::Form_Load() {
    Form::Form_Load();
    cboCategory->clear();
    cboCategory->addItems(VendorCategoryNames());
    cboCategory->setCurrentIndex(-1);
    CurrentRecord = 1;
    if (FileExistsOrRestore(FileName))
        LoadVendors();
}

void frmContacts::Form_Activate() {
    imgPhone->setEnabled(LoadForm<frmSetup>()->ckPhone->isChecked());
    ShowOnly(fraContact);
    ClearFields();
    RecordCount = 0;
    if (FileExistsOrRestore(FileName))
        LoadVendors();
    if (RecordCount == 0) {
        RecordCount = 1;
        CurrentRecord = 1;
        Command1[1]->setEnabled(true);
        txtContact[0]->setFocus();
        MsgBox(QStringLiteral("Your Contact File is Empty\r\nCreate your First Contact Now"),
               QMessageBox::Ok, QStringLiteral("Create Contacts"));
        return;
    }
    CurrentRecord = std::clamp(CurrentRecord, 1, RecordCount);
    ShowVendor();
}

void frmContacts::Form_QueryUnload(int unloadMode) {
    // What the user typed into the record is kept as leaving it any other way would keep it.
    if (unloadMode == 0 && isVisible() && fraContact->isVisible())
        SaveVendor();
    if (FileExistsOrRestore(FileName))
        LoadVendors();
    UnhookGridWheel();
    Form::Form_QueryUnload(unloadMode);
}

void frmContacts::Form_Unload() {
    UnhookGridWheel();
    Form::Form_Unload();
}

bool frmContacts::eventFilter(QObject *watched, QEvent *event) {
    if (watched == fgContactsFound->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        mnuPopUp->popup(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
    } else if (auto *box = qobject_cast<QLineEdit *>(watched)) {
        if (event->type() == QEvent::FocusIn) {
            box->end(false);
        } else if (event->type() == QEvent::FocusOut && box == txtContact[1]) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                CurrentRecord > 0 && box->text().size() < 2) {
                SoundBeep();
                MsgBox(QStringLiteral("The Name Field Must be at least 2 Characters\r\nThis is "
                                      "okay if Cancelling a New Entry\r\nClick Cancel AddNew "
                                      "Again"),
                       QMessageBox::Ok, QStringLiteral("No Name Entered"));
            }
        }
    }
    return Form::eventFilter(watched, event);
}

void frmContacts::LoadVendors() {
    RecordCount = LoadVendorArrays();
    std::vector<GridCell> cells = fgVendors->Model()->TakeBody();
    cells.reserve(size_t(RecordCount) * 4);
    QSet<QString> cities;
    for (int i = 0; i < cboCity->count(); ++i)
        cities.insert(TrimPadding(cboCity->itemText(i)));
    for (int k = 0; k < RecordCount; ++k) {
        cells.emplace_back(Vendors.Names.at(k));
        cells.emplace_back(Vendors.AccountNumbers.at(k));
        cells.emplace_back(Vendors.Telephones.at(k));
        cells.push_back(GridCell::Number(k + 1, GridCell::Integer));
        if (!cities.contains(Vendors.Cities.at(k))) {
            cities.insert(Vendors.Cities.at(k));
            AddCity(Vendors.Cities.at(k));
        }
    }
    fgVendors->Model()->SetBody(std::move(cells));
    fgVendors->Sort(0, FlexGrid::GenericAscending);
    if (auto *po = static_cast<frmPO *>(LoadedForm(QStringLiteral("frmPO")))) {
        po->cboVendors->clear();
        po->cboVendors->addItems(Vendors.Names);
        po->cboVendors->setCurrentIndex(-1);
    }
    if (auto *book = static_cast<frmPriceBook *>(LoadedForm(QStringLiteral("frmPriceBook"))))
        book->FillVendors();
}

void frmContacts::AddCity(const QString &city) {
    const QString trimmed = TrimPadding(city);
    if (trimmed.isEmpty())
        return;
    for (int i = 0; i < cboCity->count(); ++i) {
        if (TrimPadding(cboCity->itemText(i)) == trimmed)
            return;
    }
    const QString typed = cboCity->currentText();
    cboCity->addItem(trimmed);
    cboCity->setEditText(typed);
}

void frmContacts::ClearFields() {
    for (QLineEdit *box : txtContact)
        box->clear();
    cboCity->setEditText(QString());
    cboCategory->setEditText(QString());
}

void frmContacts::ShowOnly(QWidget *frame) {
    for (QWidget *shown : {static_cast<QWidget *>(fraContact), static_cast<QWidget *>(fraSearch),
                           static_cast<QWidget *>(fraContactsFound)})
        shown->setVisible(shown == frame);
}

void frmContacts::ShowVendor() {
    if (CurrentRecord < 1)
        return;
    ShowOnly(fraContact);
    const VendorRecord record = ReadVendorRecord(CurrentRecord).value_or(VendorRecord());
    for (int i = 0; i < 9; ++i)
        txtContact[size_t(i)]->setText(record[BoxField[i]]);
    cboCategory->setEditText(record[VendorCategory]);
    cboCity->setEditText(record[VendorCity]);
    cboCategory->setFocus();
}

void frmContacts::SaveVendor() {
    if (CurrentRecord == 0)
        return;
    // A new entry without a name is no vendor: it is not stored as a blank record.
    if (CurrentRecord > VendorCount() && txtContact[1]->text().trimmed().size() < 2)
        return;
    VendorRecord fields;
    for (int i = 0; i < 9; ++i)
        fields[BoxField[i]] = txtContact[size_t(i)]->text();
    fields[VendorCity] = cboCity->currentText();
    fields[VendorCategory] = cboCategory->currentText();
    if (!::SaveVendor(CurrentRecord, fields)) {
        MsgBox(QStringLiteral("The vendor could not be saved in the file %1.")
                   .arg(QDir::toNativeSeparators(DataFilePath(FileName))));
        return;
    }
    AddCity(fields[VendorCity]);
    LoadVendors();
}

void frmContacts::cmdNav_Click(int Index) {
    SaveVendor();
    const int stored = std::max(1, VendorCount());
    switch (Index) {
    case 0:
        CurrentRecord = 1;
        break;
    case 1:
        CurrentRecord = std::max(1, CurrentRecord - 1);
        break;
    case 2:
        CurrentRecord = CurrentRecord >= stored ? 1 : CurrentRecord + 1;
        break;
    default:
        CurrentRecord = stored;
        break;
    }
    ShowVendor();
}

void frmContacts::NewEntry() {
    if (txtContact[1]->text().size() >= 2)
        SaveVendor();
    RecordCount = VendorCount() + 1;
    CurrentRecord = RecordCount;
    ClearFields();
    txtContact[0]->setFocus();
    LoadVendors();
}

void frmContacts::CancelAddNew() {
    Command1[1]->setEnabled(false);
    RecordCount = VendorCount();
    CurrentRecord = RecordCount;
    if (CurrentRecord > 0)
        ShowVendor();
    else
        ClearFields();
}

void frmContacts::DeleteVendor() {
    if (MsgBox(QStringLiteral("Delete this Contact?"), QMessageBox::Yes | QMessageBox::No) ==
        QMessageBox::Yes) {
        if (CurrentRecord >= 1 && CurrentRecord <= VendorCount() && !::DeleteVendor(CurrentRecord))
            MsgBox(QStringLiteral("The vendor could not be deleted from the file %1.")
                       .arg(QDir::toNativeSeparators(DataFilePath(FileName))));
        // The records after it moved down one place: the screen shows the one now there.
        LoadVendors();
        CurrentRecord = std::min(CurrentRecord, std::max(1, RecordCount));
        if (RecordCount > 0)
            ShowVendor();
        else
            ClearFields();
    }
    txtContact[0]->setFocus();
}

void frmContacts::FillFound(const std::vector<int> &recordNumbers) {
    std::vector<GridCell> cells = fgContactsFound->Model()->TakeBody();
    cells.reserve(recordNumbers.size() * 7);
    for (int n : recordNumbers) {
        const int k = n - 1;
        for (const QStringList *column : {&Vendors.Names, &Vendors.Telephones, &Vendors.Addresses1,
                                          &Vendors.Cities, &Vendors.States, &Vendors.PostalCodes})
            cells.emplace_back(column->at(k));
        cells.push_back(GridCell::Number(n, GridCell::Integer));
    }
    fgContactsFound->Model()->SetBody(std::move(cells));
}

void frmContacts::StartSearch() {
    const int criterion = SearchCriterion;
    if (criterion == 6 && txtSearchfor->text().size() < 12) {
        SoundBeep();
        txtSearchfor->setFocus();
        return;
    }
    const QString wanted = TrimPadding(txtSearchfor->text()).toUpper();
    // The vendor list holds every record's fields as read at the last load or save.
    const QStringList *field[] = {&Vendors.Names,      &Vendors.Addresses1, &Vendors.Addresses2,
                                  &Vendors.Cities,     &Vendors.States,     &Vendors.PostalCodes,
                                  &Vendors.Telephones, &Vendors.Categories};
    std::vector<int> matches;
    for (int k = 0; k < field[criterion]->size(); ++k) {
        if (field[criterion]->at(k).contains(wanted, Qt::CaseInsensitive))
            matches.push_back(k + 1);
    }
    FillFound(matches);
    const int found = fgContactsFound->Rows() - 1;
    if (found == 0) {
        if (MsgBox(QStringLiteral("Would you like to Create a New Contact?"),
                   QMessageBox::Yes | QMessageBox::No,
                   QStringLiteral("Contact not Found")) == QMessageBox::No) {
            Retry();
            return;
        }
        ShowOnly(fraContact);
        SaveVendor();
        ClearFields();
        NewEntry();
        Command1[1]->setEnabled(true);
        return;
    }
    if (found == 1) {
        CurrentRecord = fgContactsFound->TextMatrix(1, 6).toInt();
        ShowVendor();
        return;
    }
    ShowOnly(fraContactsFound);
    fraContactsFound->setTitle(QStringLiteral("Contacts Search Results"));
    cmdPrintContacts->show();
}

void frmContacts::Retry() {
    // Once a result list has shown its Print button, Hide goes back to the search.
    if (!cmdPrintContacts->isHidden()) {
        ShowOnly(fraSearch);
        txtSearchfor->clear();
        txtSearchfor->setFocus();
        return;
    }
    ShowOnly(fraContact);
}

void frmContacts::ListAllForPrinting() {
    if (!FileExistsOrRestore(FileName)) {
        SoundBeep();
        return;
    }
    LoadVendors();
    std::vector<int> every;
    for (int n = 1; n <= RecordCount; ++n)
        every.push_back(n);
    FillFound(every);
    ShowOnly(fraContactsFound);
    fraContactsFound->setTitle(QStringLiteral("Contact List"));
    cmdPrintContacts->show();
}

void frmContacts::PrintContacts() {
    if (MsgBox(QStringLiteral("Click Yes to print a Contact Report"),
               QMessageBox::Yes | QMessageBox::No,
               QStringLiteral("Contact Report")) == QMessageBox::No)
        return;
    PrintWithDialog(QStringLiteral("Contact Report"),
                    QStringLiteral("The Contact List will not be Printed"), [] {
                        SetUpPrinter(QStringLiteral("Portrait"), 2);
                        return PrintContactPages();
                    });
}

void frmContacts::Dial() {
    SaveVendor();
    const QString phone = txtContact[6]->text().trimmed();
    const QString cell = txtContact[7]->text().trimmed();
    QString number = phone.isEmpty() ? cell : phone;
    if (!phone.isEmpty() && !cell.isEmpty() &&
        MsgBox(QStringLiteral("Click YES to dial Phone,\r\nClick NO to dial Cell"),
               QMessageBox::Yes | QMessageBox::No,
               QStringLiteral("Select Phone or Cell")) == QMessageBox::No)
        number = cell;
    frmDialer *dialer = LoadForm<frmDialer>();
    dialer->lblName->setText(txtContact[1]->text());
    if (!number.isEmpty())
        dialer->lblNumber->setText(number);
    dialer->setWindowModality(Qt::ApplicationModal);
    dialer->show();
}

void frmContacts::cmdExit_Click() {
    if (CurrentRecord > 0)
        SaveVendor();
    fraSearch->hide();
    ReturnToMainMenu(this);
}

// Start Search from the search box; Cancel Add New while a new vendor is being entered.
QAbstractButton *frmContacts::EnterButton() const {
    return focusWidget() == txtSearchfor ? cmdStartSearch : nullptr;
}

QAbstractButton *frmContacts::EscapeButton() const {
    return Command1[1];
}
