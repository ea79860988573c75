#include "setup/frmSetup.h"

#include "base/BasicDiskRoutines.h"
#include "base/CommonDialog.h"
#include "base/Controls.h"
#include "base/FieldLines.h"
#include "base/Rev11Common.h"
#include "base/ScreenLayout.h"
#include "base/VerifyDataRoutines.h"
#include "common/NumberText.h"
#include "common/StorableText.h"
#include "common/Variables.h"
#include "printing/InventoryForm.h"
#include "printing/PrintJob.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"
#include "telephony/ComPort.h"
#include "telephony/PhoneSettings.h"
#include "telephony/frmDialer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>

namespace {

const QString UsaStyle = QStringLiteral("USA Style Address");
const QString InternationalStyle = QStringLiteral("International Style Address");
const QString BusinessFile = QStringLiteral("\\MyBusinessData.txt");
const QString InventoryInfoFile = QStringLiteral("/InventoryInfo.txt");
const QString PrintColorsFile = QStringLiteral("/PrintColors.txt");
const QString LogoFile = QStringLiteral("/CompanyLogo.txt");
const QString LogoSettingsFile = QStringLiteral("/LogoSettings.txt");
const QString DefaultFont = QStringLiteral("Arial");
constexpr int DefaultLogoTwips = 1440;

QLineEdit *TextBox(const QString &name, QWidget *parent) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QLabel *Label(const QString &text, QWidget *parent, const QString &name = QString()) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel *Notice(const QString &text, QWidget *parent) {
    QLabel *label = WrappedLabel(text, parent);
    QFont italic = label->font();
    italic.setItalic(true);
    label->setFont(italic);
    return label;
}

// A width in twips for a box that must still show its few characters in full.
int BoxWidth(const QLineEdit *box, int twips, int characters) {
    return std::max(TwipsToPixels(twips),
                    box->fontMetrics().horizontalAdvance(QString(characters, u'W')) + 14);
}

} // namespace

int GrowLogoSize(int twips) {
    return twips < 1800 ? twips + 50 : 360;
}

int ShrinkLogoSize(int twips) {
    return twips <= 360 ? 1800 : twips - 50;
}

frmSetup::frmSetup() : Form(QStringLiteral("frmSetup")) {
    setWindowTitle(QStringLiteral("Velbor Invoicer Setup"));
    tabInfo = new QTabWidget(this);
    tabInfo->setObjectName(QStringLiteral("tabInfo"));
    tabInfo->addTab(BusinessTab(), QStringLiteral("Business Info"));
    tabInfo->addTab(HelpTab(), QStringLiteral("Setup Help"));
    tabInfo->addTab(PrintingTab(), QStringLiteral("Printing"));
    tabInfo->addTab(LogoTab(), QStringLiteral("Logo"));
    tabInfo->addTab(PhoneTab(), QStringLiteral("Phone and Modem"));

    Orange = new ClickableImage(QStringLiteral("Orange"), this);
    Orange->setPixmap(OrangeToggle(28));
    Orange->setToolTip(QStringLiteral("Toggles Tabs  >"));
    cmdQuit =
        CommandButton(QStringLiteral("cmdQuit"), QStringLiteral("&Save Settings / Return to Menu"),
                      QStringLiteral("Returns to Main Menu"), this);

    auto *layout = new QGridLayout(this);
    layout->addWidget(tabInfo, 0, 0, 1, 3);
    layout->addWidget(Orange, 1, 0);
    layout->addWidget(cmdQuit, 1, 2);
    layout->setColumnStretch(1, 1);
    resize(760, 560);

    connect(Orange, &ClickableImage::clicked, this, &frmSetup::Orange_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmSetup::cmdQuit_Click);
}

QWidget *frmSetup::BusinessTab() {
    auto *page = new QWidget;
    txtName = TextBox(QStringLiteral("txtName"), page);
    txtAddress = TextBox(QStringLiteral("txtAddress"), page);
    txtPOBox = TextBox(QStringLiteral("txtPOBox"), page);
    txtCity = TextBox(QStringLiteral("txtCity"), page);
    txtSt = TextBox(QStringLiteral("txtSt"), page);
    txtZip = TextBox(QStringLiteral("txtZip"), page);
    txtTel = TextBox(QStringLiteral("txtTel"), page);
    txtFax = TextBox(QStringLiteral("txtFax"), page);
    txtFein = TextBox(QStringLiteral("txtFein"), page);
    txtZip->setMaxLength(10);
    txtTel->setMaxLength(12);
    txtSt->setMaxLength(2);
    txtFein->setToolTip(QStringLiteral("Enter your FEIN or VAT if desired"));
    txtFein->setPlaceholderText(QStringLiteral("Example : ABN - 123456789"));

    const char *captions[] = {"*Company Name", "*Address 1",      "Address 2", "*City",
                              "State",         "Postal Zip Code", "*Telephone"};
    for (int i = 0; i < 7; ++i)
        lblAddress[i] =
            Label(QString::fromLatin1(captions[i]), page, QStringLiteral("lblAddress_%1").arg(i));
    cmdAddress = CommandButton(QStringLiteral("cmdAddress"), UsaStyle, QString(), page);
    lblPostal =
        Label(QStringLiteral("Postal Code is Mandatory"), page, QStringLiteral("lblPostal"));
    Image4 = new ClickableImage(QStringLiteral("Image4"), page);
    Image4->setPixmap(style()->standardIcon(QStyle::SP_DialogResetButton).pixmap(32));
    Image4->setToolTip(QStringLiteral("Clear All business Data"));
    Image5 = new ClickableImage(QStringLiteral("Image5"), page);
    Image5->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(32));
    Image5->setToolTip(QStringLiteral("Reload Business Data"));

    auto *grid = new QGridLayout(page);
    grid->addWidget(
        Notice(QStringLiteral("*This data MUST be exactly the same as when ordering!"), page), 0, 0,
        1, 3);
    grid->addWidget(cmdAddress, 0, 3);
    QWidget *boxes[] = {txtName, txtAddress, txtPOBox, txtCity, txtSt, txtZip, txtTel};
    for (int i = 0; i < 7; ++i) {
        grid->addWidget(lblAddress[i], i + 1, 0);
        auto *row = new QHBoxLayout;
        row->addWidget(boxes[i]);
        if (boxes[i] == txtZip)
            row->addWidget(lblPostal);
        row->addStretch();
        grid->addLayout(row, i + 1, 1, 1, 2);
    }
    grid->addWidget(Notice(QStringLiteral("Use these Fields to enter additional Information about "
                                          "your Company"),
                           page),
                    8, 0, 1, 3);
    grid->addWidget(Label(QStringLiteral("Fax No,email or Web"), page), 9, 0);
    grid->addWidget(txtFax, 9, 1, 1, 2);
    grid->addWidget(Label(QStringLiteral("FEIN, VAT, ABN"), page), 10, 0);
    grid->addWidget(txtFein, 10, 1, 1, 2);
    auto *tools = new QHBoxLayout;
    tools->addWidget(Image4);
    tools->addWidget(Image5);
    grid->addLayout(tools, 10, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(11, 1);
    for (QLineEdit *box : {txtName, txtAddress, txtPOBox, txtFax, txtFein})
        box->setMinimumWidth(TwipsToPixels(5385));
    for (QLineEdit *box :
         {txtName, txtAddress, txtPOBox, txtCity, txtSt, txtZip, txtTel, txtFax, txtFein})
        KeepStorable(box, StoredAs::QuotedField);
    txtZip->setFixedWidth(BoxWidth(txtZip, 1500, 10));
    txtTel->setFixedWidth(BoxWidth(txtTel, 1800, 12));

    connect(cmdAddress, &QPushButton::clicked, this, &frmSetup::cmdAddress_Click);
    connect(Image4, &ClickableImage::clicked, this, &frmSetup::Image4_Click);
    connect(Image5, &ClickableImage::clicked, this, &frmSetup::Image5_Click);
    return page;
}

QWidget *frmSetup::HelpTab() {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    for (const char *text :
         {"Enter the information needed on each tab, then click \"Save Settings / Return to "
          "Menu\".",
          "Information that the other programs of the suite share with this one may already be "
          "filled in from their files.",
          "Your business information heads your invoices, reports and other printed documents.",
          "The address style button chooses between USA and International style addresses. The "
          "same style applies to your customers' addresses."})
        layout->addWidget(WrappedLabel(QString::fromUtf8(text), page));
    layout->addStretch();
    return page;
}

QWidget *frmSetup::PrintingTab() {
    auto *page = new QWidget;
    txtBorders = TextBox(QStringLiteral("txtBorders"), page);
    txtData = TextBox(QStringLiteral("txtData"), page);
    for (QLineEdit *box : {txtBorders, txtData}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setFixedWidth(80);
    }
    for (int i = 0; i < 3; ++i)
        cmdChange[i] = CommandButton(QStringLiteral("cmdChange_%1").arg(i),
                                     QStringLiteral("Change"), QString(), page);
    lblFont = Label(QStringLiteral("Font shows Here"), page, QStringLiteral("lblFont"));
    lblFont->setToolTip(QStringLiteral("Select a print FONT, not size"));
    lblFont->setFrameShape(QFrame::StyledPanel);
    lblFont->setMinimumWidth(180);
    ckColor = new QCheckBox(QStringLiteral("Print"), page);
    ckColor->setObjectName(QStringLiteral("ckColor"));
    ckColor->setToolTip(QStringLiteral("Headings, totals etc are printed in highlighting colors"));
    ckPreview = new QCheckBox(QStringLiteral("Preview documents before printing"), page);
    ckPreview->setObjectName(QStringLiteral("ckPreview"));
    ckPreview->setToolTip(QStringLiteral("Every document shows its pages before it prints"));
    ckPreview->setChecked(PreviewDocuments());
    cboCopies = new QComboBox(page);
    cboCopies->setObjectName(QStringLiteral("cboCopies"));
    for (int copies = 1; copies <= 9; ++copies)
        cboCopies->addItem(QString::number(copies));
    SetCopies(3);

    auto *grid = new QGridLayout(page);
    grid->addWidget(Notice(QStringLiteral("Print settings apply to all types of documents"), page),
                    0, 0, 1, 3);
    grid->addWidget(Label(QStringLiteral("Border / Frame Color"), page), 1, 0);
    grid->addWidget(txtBorders, 1, 1);
    grid->addWidget(cmdChange[0], 1, 2, Qt::AlignLeft);
    grid->addWidget(Label(QStringLiteral("Text Color"), page), 2, 0);
    grid->addWidget(txtData, 2, 1);
    grid->addWidget(cmdChange[1], 2, 2, Qt::AlignLeft);
    grid->addWidget(Label(QStringLiteral("Document Font"), page), 3, 0);
    grid->addWidget(lblFont, 3, 1);
    grid->addWidget(cmdChange[2], 3, 2, Qt::AlignLeft);
    grid->addWidget(Label(QStringLiteral("Headings and totals in color"), page), 4, 0);
    grid->addWidget(ckColor, 4, 1);
    grid->addWidget(Label(QStringLiteral("Print Copies"), page), 5, 0);
    grid->addWidget(cboCopies, 5, 1, Qt::AlignLeft);
    grid->addWidget(ckPreview, 6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(7, 1);

    for (int i = 0; i < 3; ++i)
        connect(cmdChange[i], &QPushButton::clicked, this, [this, i] { cmdChange_Click(i); });
    // The user's own choice, kept at once: no data file holds it, so no save is needed.
    connect(ckPreview, &QCheckBox::toggled, this, &SetPreviewDocuments);
    return page;
}

QWidget *frmSetup::LogoTab() {
    auto *page = new QWidget;
    Image2 = Label(QString(), page, QStringLiteral("Image2"));
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *view = new QScrollArea(page);
    view->setWidget(Image2);
    view->setMinimumSize(220, 160);
    Frame3 = new QGroupBox(QStringLiteral("Upper Left Corner of Invoice"), page);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Image3 = Label(QString(), Frame3, QStringLiteral("Image3"));
    Image3->setScaledContents(true);
    auto *frame = new QVBoxLayout(Frame3);
    frame->addWidget(Image3, 0, Qt::AlignLeft | Qt::AlignTop);
    frame->addStretch();
    Frame3->setMinimumSize(TwipsToPixels(1850) + 24, TwipsToPixels(1850) + 36);
    UpDown2 = new UpDownArrows(QStringLiteral("UpDown2"), Qt::Horizontal, page);
    UpDown1 = new UpDownArrows(QStringLiteral("UpDown1"), Qt::Vertical, page);

    const char *captions[] = {"Find", "&Store", "&Clear"};
    const char *tips[] = {"Opens up your disk files for locating a Logo File (Image)",
                          "Saves your Logo (no need to Click our logo)",
                          "Clears your current Logo"};
    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        cmdLogo[i] =
            CommandButton(QStringLiteral("cmdLogo_%1").arg(i), QString::fromLatin1(captions[i]),
                          QString::fromLatin1(tips[i]), page);
        buttons->addWidget(cmdLogo[i]);
        connect(cmdLogo[i], &QPushButton::clicked, this, [this, i] { cmdLogo_Click(i); });
    }
    buttons->addStretch();
    cmdLogo[5] = CommandButton(QStringLiteral("cmdLogo_5"), QStringLiteral("Print Sample Document"),
                               QString(), page);
    buttons->addWidget(cmdLogo[5]);
    connect(cmdLogo[5], &QPushButton::clicked, this, [this] { cmdLogo_Click(5); });
    cmdLogo[1]->setEnabled(false);

    auto *grid = new QGridLayout(page);
    grid->addWidget(Label(QStringLiteral("Displays your Selected Logo"), page), 0, 0);
    grid->addWidget(view, 1, 0, 3, 1);
    grid->addWidget(Notice(QStringLiteral("The selected file may overflow in the view Window, "
                                          "thats OK"),
                           page),
                    4, 0);
    grid->addWidget(Frame3, 0, 1, 3, 1);
    grid->addWidget(UpDown1, 0, 2, 3, 1, Qt::AlignVCenter);
    grid->addWidget(UpDown2, 3, 1, Qt::AlignHCenter);
    grid->addWidget(WrappedLabel(QStringLiteral("Adjust the Height and Width until a suitable LOGO "
                                                "Image is displayed"),
                                 page),
                    4, 1, 1, 2);
    grid->addLayout(buttons, 5, 0, 1, 3);
    grid->addWidget(
        Notice(QStringLiteral("Do not select your LOGO from a Network Device or a removable "
                              "device.   An error will occur if the network device or removable "
                              "device is unavailable."),
               page),
        6, 0, 1, 3);
    grid->addWidget(Notice(QStringLiteral("Your LOGO is not Saved when clicking Save Changes and "
                                          "Return to Menu. It must be STORED while diplaying the "
                                          "Logo Screen. "),
                           page),
                    7, 0, 1, 3);
    grid->addWidget(Notice(QStringLiteral("Tip: copy your logo file into the program's folder "
                                          "first, then Find and Store it from there."),
                           page),
                    8, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(9, 1);

    connect(UpDown2, &UpDownArrows::upClicked, this, [this] { UpDown2_Click(true); });
    connect(UpDown2, &UpDownArrows::downClicked, this, [this] { UpDown2_Click(false); });
    connect(UpDown1, &UpDownArrows::upClicked, this, [this] { UpDown1_Click(true); });
    connect(UpDown1, &UpDownArrows::downClicked, this, [this] { UpDown1_Click(false); });
    SizeImage2();
    SizeImage3();
    return page;
}

QWidget *frmSetup::PhoneTab() {
    auto *page = new QWidget;
    txtModemPort = TextBox(QStringLiteral("txtModemPort"), page);
    txtModemPort->setValidator(new QIntValidator(1, 16, txtModemPort));
    txtModemPort->setFixedWidth(BoxWidth(txtModemPort, 600, 2));
    ckPhone = new QCheckBox(
        QStringLiteral("A Phone is Daisy-Chained  downstream from the Computer"), page);
    ckPhone->setObjectName(QStringLiteral("ckPhone"));
    ckPhone->setToolTip(QStringLiteral("Check if a phone is Daisy-chained to your computer"));
    lblCallid = Label(QStringLiteral("Modem Supports Caller ID  Check with your Phone Co for "
                                     "support for this feature"),
                      page, QStringLiteral("lblCallid"));
    lblCallid->setWordWrap(true);
    lblCallid->hide();

    auto *grid = new QGridLayout(page);
    grid->addWidget(
        Notice(QStringLiteral("This Information is used to place calls to vendors ,etc."), page), 0,
        0, 1, 3);
    grid->addWidget(Label(QStringLiteral("Modem is connected to"), page), 1, 0);
    grid->addWidget(txtModemPort, 1, 1);
    grid->addWidget(Label(QStringLiteral("(Used to auto-dial Customers, Vendors, etc)"), page), 1,
                    2);
    grid->addWidget(ckPhone, 2, 0, 1, 3);
    grid->addWidget(lblCallid, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    return page;
}

void frmSetup::Form_Load() {
    Form::Form_Load();
    LoadBusiness();
    LoadPhoneSettings();
    SetAddressStyle();
    LoadPrintColors();
    if (FileExistsOrRestore(LogoFile))
        LoadLogo();
    if (FileExistsOrRestore(LogoSettingsFile))
        LoadLogoSettings();
    LoadInventoryInfo();
}

void frmSetup::Form_Activate() {
    SetAddressStyle();
    // The address-style switch focuses the postal code; the screen opens at its first box.
    txtName->setFocus();
}

// ---- Business data ----

void frmSetup::LoadBusiness() {
    std::optional<FieldLineReader> file = ReadFieldLineFile(BusinessFile);
    if (!file)
        return;
    for (QString *field :
         {&BusinessName, &BusinessAddress1, &BusinessAddress2, &BusinessCity, &BusinessState,
          &BusinessZip, &BusinessPhone, &BusinessFax, &BusinessTaxId})
        *field = file->String();
    ShowBusinessFields();
}

void frmSetup::ShowBusinessFields() {
    txtName->setText(BusinessName);
    txtAddress->setText(BusinessAddress1);
    txtPOBox->setText(BusinessAddress2);
    txtCity->setText(BusinessCity);
    txtSt->setText(BusinessState);
    txtZip->setText(BusinessZip);
    txtTel->setText(BusinessPhone);
    txtFax->setText(BusinessFax);
    txtFein->setText(BusinessTaxId);
}

bool frmSetup::SaveBusiness(QString *error) {
    // What the file gives back, so that the documents print what the suite's programs read.
    const auto stored = [](const QLineEdit *box) {
        return StorableText(box->text(), StoredAs::QuotedField);
    };
    BusinessName = stored(txtName);
    BusinessAddress1 = stored(txtAddress);
    BusinessAddress2 = stored(txtPOBox);
    BusinessCity = stored(txtCity);
    BusinessState = stored(txtSt);
    BusinessZip = stored(txtZip);
    BusinessPhone = stored(txtTel);
    BusinessFax = stored(txtFax);
    BusinessTaxId = stored(txtFein);
    ShowBusinessFields();
    FieldLineWriter line;
    for (const QString *field :
         {&BusinessName, &BusinessAddress1, &BusinessAddress2, &BusinessCity, &BusinessState,
          &BusinessZip, &BusinessPhone, &BusinessFax, &BusinessTaxId})
        line.String(*field);
    line.EndLine();
    return WriteFieldLineFile(BusinessFile, line, false, error);
}

void frmSetup::SetAddressStyle() {
    HiddenZip = BusinessZip;
    if (BusinessZip.isEmpty() && BusinessName.isEmpty())
        cmdAddress->setText(InternationalStyle);
    if (IsNumeric(BusinessZip))
        cmdAddress->setText(InternationalStyle);
    if (!BusinessName.isEmpty())
        cmdAddress->setText(BusinessZip.isEmpty() ? UsaStyle : InternationalStyle);
    cmdAddress_Click();
}

void frmSetup::cmdAddress_Click() {
    if (cmdAddress->text() == UsaStyle) {
        cmdAddress->setText(InternationalStyle);
        BusinessUsaStyle = false;
        lblPostal->hide();
        lblAddress[3]->setText(QStringLiteral("Address 3"));
        lblAddress[4]->setText(QStringLiteral("Address 4"));
        lblAddress[5]->hide();
        HiddenZip = txtZip->text(); // given back when the user switches back
        txtZip->clear();
        txtZip->hide();
        txtSt->setFixedWidth(TwipsToPixels(5385));
        txtSt->setMaxLength(55);
        txtCity->setFixedWidth(TwipsToPixels(5385));
        return;
    }
    lblPostal->show();
    cmdAddress->setText(UsaStyle);
    BusinessUsaStyle = true;
    lblAddress[3]->setText(QStringLiteral("City"));
    lblAddress[4]->setText(QStringLiteral("State"));
    lblAddress[5]->show();
    txtZip->setText(HiddenZip);
    txtZip->show();
    txtZip->setFocus();
    txtSt->setFixedWidth(BoxWidth(txtSt, 390, 2));
    txtSt->setMaxLength(2);
    txtCity->setFixedWidth(TwipsToPixels(3150));
}

void frmSetup::Image4_Click() {
    if (MsgBox(QStringLiteral("Do you want to reset (clear)all Business Data?"),
               QMessageBox::Yes | QMessageBox::No,
               QStringLiteral("Reset Business Data")) == QMessageBox::No)
        return;
    for (QLineEdit *box :
         {txtName, txtAddress, txtPOBox, txtCity, txtSt, txtZip, txtTel, txtFax, txtFein})
        box->clear();
    txtName->setFocus();
}

void frmSetup::Image5_Click() {
    LoadBusiness();
}

void frmSetup::Orange_Click() {
    tabInfo->setCurrentIndex((tabInfo->currentIndex() + 1) % 5);
}

void frmSetup::cmdQuit_Click() {
    if (txtName->text().trimmed().isEmpty() || txtTel->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Name and Telephone are Required"), QMessageBox::Ok,
               QStringLiteral("Missing Name or Telphone"));
        return;
    }
    QString error;
    bool saved = SaveBusiness(&error) && SaveVIVInfo(&error) && SavePrintColors(&error) &&
                 SaveLogoSettings(&error);
    // A new data folder has no items file, and the menu offers item maintenance only when
    // there is one: start the business with an empty list, as an installation would.
    const QString items = QStringLiteral("/VIInventoriedItems.txt");
    if (saved && !FileExistsOrRestore(items) && !WriteWholeFile(items, QByteArray())) {
        error = QStringLiteral("The file %1 could not be written.").arg(DataFilePath(items));
        saved = false;
    }
    if (!saved) {
        MsgBox(error + QStringLiteral("\n\nYour settings have not all been saved."),
               QMessageBox::Ok, QStringLiteral("Save Settings"));
        return;
    }
    hide();
    LoadFormNamed(QStringLiteral("frmSplash"))->show();
}

bool frmSetup::SaveVIVInfo(QString *error) {
    ModemPort = qint16(TextToInteger(txtModemPort->text(), 1, 16).value_or(1));
    PhoneEnabled = ckPhone->isChecked();
    FieldLineWriter lines;
    lines.Integer(ckColor->isChecked() ? 1 : 0).EndLine();
    lines.Boolean(PhoneEnabled).EndLine();
    lines.Integer(ModemPort).EndLine();
    if (!WriteFieldLineFile(InventoryInfoFile, lines, true, error))
        return false;
    LoadInventoryInfo();
    return true;
}

void frmSetup::LoadPhoneSettings() {
    m_portStored = false;
    txtModemPort->setText(QStringLiteral("1")); // until a modem answers
    // Start-up goes on while the ports are tried; what is found comes in afterwards.
    DetectModem(this, [this](int port) {
        DetectedModemPort = port;
        LoadForm<frmDialer>()->ShowModemPort(port);
        const qint16 found = qint16(port > 0 ? port : 1);
        // A port stored in "Phone.txt" or "InventoryInfo.txt" stays the one in force.
        if (!m_portStored) {
            ModemPort = found;
            SavePhoneSettings();
        }
        // The box shows the modem that answered, or else the port in force, so that saving
        // this screen never stores 1 for a modem that was only switched off at start-up.
        txtModemPort->setText(QString::number(port > 0 ? port : ModemPort));
    });
    const std::optional<PhoneSettings> stored = ReadPhoneSettings();
    PhoneEnabled = stored && stored->PhoneEnabled;
    ckPhone->setChecked(PhoneEnabled);
    if (stored) {
        m_portStored = true;
        ModemPort =
            qint16(stored->ModemPort >= 1 && stored->ModemPort <= 16 ? stored->ModemPort : 1);
        txtModemPort->setText(QString::number(ModemPort));
    }
    SavePhoneSettings();
}

bool frmSetup::SavePhoneSettings(QString *error) {
    PhoneEnabled = ckPhone->isChecked();
    return WritePhoneSettings({PhoneEnabled, ModemPort}, error);
}

void frmSetup::LoadInventoryInfo() {
    if (std::optional<FieldLineReader> file = ReadFieldLineFile(InventoryInfoFile)) {
        m_portStored = true;
        ckColor->setChecked(file->Int16() != 0);
        PhoneEnabled = file->Boolean();
        const qint16 port = file->Int16();
        ModemPort = port >= 1 && port <= 16 ? port : 1;
    } else {
        ckColor->setChecked(false);
        PhoneEnabled = false;
        ModemPort = 1;
    }
    ckPhone->setChecked(PhoneEnabled);
    txtModemPort->setText(QString::number(ModemPort));
}

// ---- Print settings ----

QColor frmSetup::BackColor(const QLineEdit *box) const {
    return box->palette().color(QPalette::Base);
}

void frmSetup::SetBackColor(QLineEdit *box, const QColor &color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color);
    box->setPalette(palette);
}

void frmSetup::SetCopies(int copies) {
    const QString text = QString::number(copies);
    if (cboCopies->findText(text) < 0)
        cboCopies->addItem(text);
    cboCopies->setCurrentText(text);
}

void frmSetup::LoadPrintColors() {
    if (std::optional<FieldLineReader> file = ReadFieldLineFile(PrintColorsFile)) {
        BorderColor = quint32(file->Int32()) & 0xFFFFFF;
        SetBackColor(txtBorders, ColorFromValue(BorderColor));
        SetBackColor(txtData, ColorFromValue(quint32(file->Int32()) & 0xFFFFFF));
        const QString font = file->String();
        ShowFontName(font.isEmpty() ? DefaultFont : font);
        PrintInColor = file->Boolean();
        PrintCopies = file->Byte();
        ckColor->setChecked(PrintInColor);
        SetCopies(PrintCopies);
        return;
    }
    SetBackColor(txtBorders, ColorFromValue(0));
    SetBackColor(txtData, ColorFromValue(0));
    BorderColor = 0;
    ShowFontName(DefaultFont);
    PrintInColor = true;
    PrintCopies = 3;
}

// The documents print in the font the screen shows, saved or not.
void frmSetup::ShowFontName(const QString &name) {
    lblFont->setText(name);
    PrintFontName = name;
}

bool frmSetup::SavePrintColors(QString *error) {
    BorderColor = ValueOfColor(BackColor(txtBorders));
    PrintInColor = ckColor->isChecked();
    PrintCopies = quint8(cboCopies->currentText().toInt());
    FieldLineWriter lines;
    lines.Integer(BorderColor).EndLine();
    lines.Integer(ValueOfColor(BackColor(txtData))).EndLine();
    ShowFontName(StorableText(lblFont->text(), StoredAs::QuotedField));
    lines.String(lblFont->text()).EndLine();
    lines.Boolean(PrintInColor).EndLine();
    lines.Byte(PrintCopies).EndLine();
    return WriteFieldLineFile(PrintColorsFile, lines, true, error);
}

void frmSetup::cmdChange_Click(int Index) {
    CommonDialog *dialog = MenuDialogs();
    if (Index == 2) {
        if (const std::optional<QString> family = dialog->ShowFont(lblFont->text()))
            ShowFontName(*family);
        return;
    }
    QLineEdit *box = Index == 0 ? txtBorders : txtData;
    if (const std::optional<QColor> color = dialog->ShowColor(BackColor(box)))
        SetBackColor(box, *color);
}

// ---- Logo ----

void frmSetup::ShowLogo(const QPixmap &picture) {
    m_logo = picture;
    Image2->setPixmap(picture);
    Image3->setPixmap(picture);
    SizeImage2();
}

void frmSetup::SizeImage2() {
    if (m_logo.isNull())
        Image2->setFixedSize(TwipsToPixels(DefaultLogoTwips), TwipsToPixels(DefaultLogoTwips));
    else
        Image2->setFixedSize(m_logo.size());
}

void frmSetup::SizeImage3() {
    Image3->setFixedSize(TwipsToPixels(Image3Width), TwipsToPixels(Image3Height));
}

void frmSetup::cmdLogo_Click(int Index) {
    CommonDialog *dialog = MenuDialogs();
    switch (Index) {
    case 0: {
        const std::optional<QString> file =
            dialog->ShowOpen(QStringLiteral("Pictures (*.bmp *.BMP *.ico *.ICO *.cur *.CUR *jpg "
                                            "*JPG *.EMF);;All (*)"));
        if (!file)
            return;
        const QPixmap picture(*file);
        if (picture.isNull()) {
            MsgBox(QStringLiteral("%1\nis not a picture that can be shown.")
                       .arg(QDir::toNativeSeparators(*file)));
            return;
        }
        if (const QString refusal = UnkeptLogoPath(*file); !refusal.isEmpty()) {
            MsgBox(refusal);
            return;
        }
        ShowLogo(picture);
        cmdLogo[1]->setEnabled(true);
        return;
    }
    case 1: {
        if (dialog->FileName().isEmpty())
            return;
        QString error;
        if (!SaveCompanyLogo(&error) || !SaveLogoSettings(&error)) {
            MsgBox(error);
            return;
        }
        MsgBox(QStringLiteral("Your Logo has been Stored"));
        LoadLogo();
        LoadLogoSettings();
        cmdLogo[1]->setEnabled(false);
        return;
    }
    case 2:
        if (MsgBox(QStringLiteral("This will Delete your Company Logo"),
                   QMessageBox::Yes | QMessageBox::No,
                   QStringLiteral("Delete Logo")) == QMessageBox::No)
            return;
        m_logo = QPixmap();
        Image2->clear();
        Image3->clear();
        DeleteWithBackup(LogoFile);
        SizeImage2();
        return;
    case 5:
        PrintSampleDocument();
        return;
    default:
        return;
    }
}

void frmSetup::PrintSampleDocument() {
    PrintWithDialog(QStringLiteral("Sample Document"), QString(), [] {
        SetUpPrinter(QStringLiteral("Portrait"), 2);
        // The picklist's frame under a purchase order's title, dated today.
        DocumentFrame frame;
        frame.Title = QStringLiteral("Purchase Order");
        frame.NeedBy = QDate::currentDate();
        PrintDocumentFrame(frame, 1.0, 0.6);
        return Printer::Current().EndDoc();
    });
}

void frmSetup::LoadLogo() {
    std::optional<FieldLineReader> file = ReadFieldLineFile(LogoFile);
    if (!file)
        return;
    const QString path = file->String();
    if (!path.isEmpty() && QFileInfo(path).isFile())
        ShowLogo(QPixmap(path));
}

// The logo's file is kept by its path in a quoted field: a path that field cannot give back
// would lose the logo at the next start, without a word.
QString frmSetup::UnkeptLogoPath(const QString &path) {
    if (StorableText(path, StoredAs::QuotedField) == path)
        return QString();
    return QStringLiteral("%1\ncannot be kept as the logo: its name or folder holds a double "
                          "quote or a letter the settings file cannot keep. Copy the picture to "
                          "a plainly named folder and choose it there.")
        .arg(QDir::toNativeSeparators(path));
}

bool frmSetup::SaveCompanyLogo(QString *error) {
    const QString path = MenuDialogs()->FileName();
    if (path.isEmpty())
        return true;
    if (const QString refusal = UnkeptLogoPath(path); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    FieldLineWriter line;
    line.String(path).EndLine();
    return WriteFieldLineFile(LogoFile, line, true, error) && SaveLogoSettings(error);
}

void frmSetup::LoadLogoSettings() {
    if (std::optional<FieldLineReader> file = ReadFieldLineFile(LogoSettingsFile)) {
        // A size no one could have set (a damaged file) falls back to the inch square.
        const auto sane = [](qint32 twips) { return twips > 0 && twips <= 14400 ? twips : 1440; };
        Image3Width = sane(file->Int32());
        Image3Height = sane(file->Int32());
        SizeImage3();
        return;
    }
    Image3Width = DefaultLogoTwips;
    Image3Height = DefaultLogoTwips;
    SizeImage3();
    SaveLogoSettings(nullptr);
}

bool frmSetup::SaveLogoSettings(QString *error) {
    if (m_logo.isNull())
        return true;
    FieldLineWriter line;
    line.Integer(Image3Width).Integer(Image3Height).EndLine();
    return WriteFieldLineFile(LogoSettingsFile, line, false, error);
}

void frmSetup::UpDown1_Click(bool grow) {
    Image3Height = grow ? GrowLogoSize(Image3Height) : ShrinkLogoSize(Image3Height);
    SizeImage3();
}

void frmSetup::UpDown2_Click(bool grow) {
    Image3Width = grow ? GrowLogoSize(Image3Width) : ShrinkLogoSize(Image3Width);
    SizeImage3();
}
