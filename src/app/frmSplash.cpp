#include "app/frmSplash.h"

#include "app/Program.h"
#include "app/frmStartup.h"
#include "base/Controls.h"
#include "base/Rev11Common.h"
#include "setup/frmSetup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmSplash::frmSplash() : Form(QStringLiteral("frmSplash")) {
    setWindowTitle(ProductName);

    Image1_0 = new ClickableImage(QStringLiteral("Image1_0"), this);
    Image1_0->setPixmap(VelborLogo(96));
    lblProductName = new QLabel(this);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    QFont big = lblProductName->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    lblProductName->setFont(big);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    cmdContinue =
        CommandButton(QStringLiteral("cmdContinue"), QStringLiteral("Continue"), QString(), this);
    cmdContinue->setDefault(true);

    fraWelcome = new QGroupBox(this);
    fraWelcome->setObjectName(QStringLiteral("fraWelcome"));
    fraWelcome->hide();
    Image1_1 = new ClickableImage(QStringLiteral("Image1_1"), fraWelcome);
    Image1_1->setPixmap(VelborLogo(72));
    Image1_1->setToolTip(QStringLiteral("Yes me, I'm the LOGO"));
    auto *welcome = new QGridLayout(fraWelcome);
    int row = 0;
    for (const char *text :
         {"It has a series of File Folders where information the program requires is stored.",
          "Enter the information for each Folder.",
          "When you're completed, click on the Menu Button. That's it!",
          "The program will start.(Unless you forgot something)",
          "You may return to the Setup Screen at any time and make changes by Selecting Files | "
          "Create/Modify from the Main Menu Screen.",
          "If you see this screen after initial Setup, one of your files is missing.",
          "An unsuccessful attempt was made to restore it from the Backup Folder. You need to "
          "recreate it.",
          "The Setup Screen will be displayed when you click our LOGO."})
        welcome->addWidget(WrappedLabel(QString::fromUtf8(text), fraWelcome), row++, 0, 1, 3);
    auto *pointer = new QLabel(QStringLiteral("LOGO >"), fraWelcome);
    QFont bold = pointer->font();
    bold.setBold(true);
    pointer->setFont(bold);
    welcome->addWidget(pointer, row, 1, Qt::AlignRight | Qt::AlignVCenter);
    welcome->addWidget(Image1_1, row, 2, Qt::AlignLeft);
    welcome->setColumnStretch(0, 1);

    auto *top = new QGridLayout;
    top->addWidget(Image1_0, 0, 0, 2, 1);
    top->addWidget(lblProductName, 0, 1, Qt::AlignBottom);
    top->addWidget(lblVersion, 1, 1, Qt::AlignTop);
    top->setColumnStretch(1, 1);
    top->setHorizontalSpacing(16);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(fraWelcome);
    layout->addWidget(cmdContinue, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fraWelcome->setFixedWidth(520);

    connect(cmdContinue, &QPushButton::clicked, this, &frmSplash::cmdContinue_Click);
    connect(Image1_0, &ClickableImage::clicked, this, [this] { Image1_Click(0); });
    connect(Image1_1, &ClickableImage::clicked, this, [this] { Image1_Click(1); });
}

namespace {
const bool Known =
    RegisterScreen(QStringLiteral("frmSplash"), []() -> Form * { return LoadForm<frmSplash>(); });
} // namespace

void frmSplash::Form_Load() {
    Form::Form_Load();
    fraWelcome->setTitle(QStringLiteral("Welcome to ") + ProductName);
    lblProductName->setText(ProductName);
}

void frmSplash::Form_Activate() {
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(ProgramVersion.majorVersion())
                            .arg(ProgramVersion.minorVersion())
                            .arg(ProgramVersion.microVersion()));
    // Enter goes on; the logo above is only the mouse's way to the set-up screen.
    cmdContinue->setFocus();
}

void frmSplash::cmdContinue_Click() {
    if (BusinessFilesPresent()) {
        LoadForm<frmStartup>()->show();
        UnloadForm(this);
        return;
    }
    fraWelcome->show();
    Image1_1->setFocus(); // the welcome's one way on
}

void frmSplash::Image1_Click(int Index) {
    if (Index == 1)
        fraWelcome->hide();
    LoadForm<frmSetup>()->show();
    UnloadForm(this);
}
