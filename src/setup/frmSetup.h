#pragma once

#include "base/Forms.h"

#include <QPixmap>

#include <array>

class ClickableImage;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class UpDownArrows;

// The business set-up screen: the business's own data, print settings, logo and phone.
class frmSetup : public Form {
    Q_OBJECT
public:
    frmSetup();
    void Form_Load() override;
    void Form_Activate() override;

    QTabWidget *tabInfo;
    ClickableImage *Orange;
    QPushButton *cmdQuit;

    // Business Info
    QLineEdit *txtName;
    QLineEdit *txtAddress;
    QLineEdit *txtPOBox;
    QLineEdit *txtCity;
    QLineEdit *txtSt;
    QLineEdit *txtZip;
    QLineEdit *txtTel;
    QLineEdit *txtFax;
    QLineEdit *txtFein;
    std::array<QLabel *, 7> lblAddress;
    QPushButton *cmdAddress;
    QLabel *lblPostal;
    ClickableImage *Image4;
    ClickableImage *Image5;

    // Printing
    QLineEdit *txtBorders;
    QLineEdit *txtData;
    std::array<QPushButton *, 3> cmdChange;
    QLabel *lblFont;
    QCheckBox *ckColor;
    QCheckBox *ckPreview;
    QComboBox *cboCopies;

    // Logo
    QLabel *Image2;
    QGroupBox *Frame3;
    QLabel *Image3;
    UpDownArrows *UpDown1;
    UpDownArrows *UpDown2;
    std::array<QPushButton *, 6> cmdLogo{};

    // Phone and Modem
    QLineEdit *txtModemPort;
    QCheckBox *ckPhone;
    QLabel *lblCallid;

    // The printed size of the logo, in twips.
    int Image3Width = 1440;
    int Image3Height = 1440;

    void LoadBusiness();
    void ShowBusinessFields();
    bool SaveBusiness(QString *error);
    void SetAddressStyle();
    void cmdAddress_Click();
    void Image4_Click();
    void Image5_Click();
    void Orange_Click();
    void cmdQuit_Click();
    bool SaveVIVInfo(QString *error);
    void LoadInventoryInfo();
    // The modem search (which finishes on its own, a moment later) and "Phone.txt".
    void LoadPhoneSettings();
    bool SavePhoneSettings(QString *error = nullptr);
    // What the modem search found once it has finished: 0 before, and when no modem answered.
    int DetectedModemPort = 0;
    // The postal code while the international style hides its box.
    QString HiddenZip;

    void LoadPrintColors();
    void ShowFontName(const QString &name);
    bool SavePrintColors(QString *error);
    void cmdChange_Click(int Index);
    QColor BackColor(const QLineEdit *box) const;

    void cmdLogo_Click(int Index);
    void PrintSampleDocument();
    void LoadLogo();
    bool SaveCompanyLogo(QString *error);
    // Why the picture at the path cannot be kept as the logo, or empty when it can.
    static QString UnkeptLogoPath(const QString &path);
    void LoadLogoSettings();
    bool SaveLogoSettings(QString *error);
    void UpDown1_Click(bool grow);
    void UpDown2_Click(bool grow);

private:
    void SetBackColor(QLineEdit *box, const QColor &color);
    void ShowLogo(const QPixmap &picture);
    void SizeImage2();
    void SizeImage3();
    void SetCopies(int copies);
    QWidget *BusinessTab();
    QWidget *HelpTab();
    QWidget *PrintingTab();
    QWidget *LogoTab();
    QWidget *PhoneTab();

    QPixmap m_logo;
    // "Phone.txt" or "InventoryInfo.txt" named the port in force: what the search finds does
    // not replace it.
    bool m_portStored = false;
};

// The logo's printed size steps by 50 twips between 360 and 1,800 and wraps around.
int GrowLogoSize(int twips);
int ShrinkLogoSize(int twips);
