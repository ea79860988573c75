#pragma once

#include "base/Forms.h"

class ClickableImage;
class QGroupBox;
class QLabel;
class QPushButton;

// The first screen: the product, its version and Continue; on a first run (or when a
// business file is lost for good) the welcome frame that leads to the set-up screen.
class frmSplash : public Form {
    Q_OBJECT
public:
    frmSplash();
    void Form_Load() override;
    void Form_Activate() override;

    QLabel *lblProductName;
    QLabel *lblVersion;
    QPushButton *cmdContinue;
    QGroupBox *fraWelcome;
    ClickableImage *Image1_0;
    ClickableImage *Image1_1;

    void cmdContinue_Click();
    void Image1_Click(int Index);

protected:
    QString LayoutKey() const override { return QStringLiteral("VelborInventorySplash"); }
};
