#include "pricebook/frmPriceBook.h"

#include "shell/Controls.h"
#include "shell/frmStartup.h"

#include <QPushButton>
#include <QVBoxLayout>

frmPriceBook::frmPriceBook() : Form(QStringLiteral("frmPriceBook")) {
    setWindowTitle(QStringLiteral("Create and Print a Price Book"));
    cmdPB[0] = CommandButton(QStringLiteral("cmdPB_0"), QStringLiteral("&Menu"), QString(), this);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdPB[0], 0, Qt::AlignRight);
    resize(1000, 680);
    connect(cmdPB[0], &QPushButton::clicked, this, [this] { cmdPB_Click(0); });
}

void frmPriceBook::cmdPB_Click(int Index) {
    if (Index != 0)
        return;
    // Leaving the price book unloads it: the next visit starts a fresh composition.
    LoadForm<frmStartup>()->show();
    UnloadForm(this);
}
