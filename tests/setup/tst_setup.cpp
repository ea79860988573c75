#include "support/Screens.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QImage>
#include <QToolButton>

namespace {

void WriteBusiness(const TestDataFolder &data, const QString &name, const QString &zip) {
    data.write(
        "/MyBusinessData.txt",
        QString("\"%1\",\"1 Main St\",\"\",\"Tampa\",\"FL\",\"%2\",\"555-0100\",\"\",\"\"\r\n")
            .arg(name, zip)
            .toLatin1());
}

// A picture file the logo dialog can pick.
QString MakePicture(const TestDataFolder &data) {
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(data.path("/logo.bmp"));
    return data.path("/logo.bmp");
}

void PickFile(const QString &path) {
    OnNextModal([path](QWidget *modal) {
        // Typed, as a user would: selectFile() needs the dialog to have read the folder, which
        // it does in the background.
        auto *name = modal->findChild<QLineEdit *>("fileNameEdit");
        QVERIFY(qobject_cast<QFileDialog *>(modal) && name);
        name->setText(path);
        static_cast<QDialog *>(modal)->accept();
    });
}

// Sets the next colour or font dialog to the value and accepts it.
template <class Dialog, class Value> void Pick(void (Dialog::*set)(const Value &), Value value) {
    OnNextModal([set, value](QWidget *modal) {
        auto *dialog = qobject_cast<Dialog *>(modal);
        QVERIFY(dialog);
        (dialog->*set)(value);
        dialog->accept();
    });
}

void CancelDialog() {
    OnNextModal([](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
}

} // namespace

class TestSetup : public QObject {
    Q_OBJECT
    // Every test starts in a fresh data folder of its own.
    std::optional<TestDataFolder> data;

private slots:
    void init() { data.emplace(); }
    void cleanup() { QVERIFY(EndScreenTest()); }

    void addressStyle_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("zip");
        QTest::addColumn<QString>("style");
        const auto row = [](const char *tag, const char *name, const char *zip, const char *style) {
            QTest::newRow(tag) << QString(name) << QString(zip) << QString(style);
        };
        row("name and zip", "A", "12345", "USA Style Address");
        row("name without zip", "A", "", "International Style Address");
        row("new business", "", "", "USA Style Address");
        row("numeric zip alone", "", "33601", "USA Style Address");
    }
    void addressStyle() {
        QFETCH(QString, name);
        QFETCH(QString, zip);
        QFETCH(QString, style);
        WriteBusiness(*data, name, zip);
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();
        QCOMPARE(setup->cmdAddress->text(), style);
        const bool usa = style.startsWith("USA");
        QCOMPARE(setup->txtZip->isVisible(), usa);
        QCOMPARE(setup->lblPostal->isVisible(), usa);
        QCOMPARE(setup->txtSt->maxLength(), usa ? 2 : 55);
        QCOMPARE(setup->lblAddress[3]->text(), QString(usa ? "City" : "Address 3"));
        QCOMPARE(setup->lblAddress[4]->text(), QString(usa ? "State" : "Address 4"));
        if (usa)
            QCOMPARE(setup->txtZip->text(), zip);

        // The button switches, and switching back gives the postal code box what it held: the
        // code just typed, not the one saved.
        if (usa)
            Type(setup->txtZip, "60614");
        QTest::mouseClick(setup->cmdAddress, Qt::LeftButton);
        QCOMPARE(setup->txtZip->isVisible(), !usa);
        QTest::mouseClick(setup->cmdAddress, Qt::LeftButton);
        QCOMPARE(setup->cmdAddress->text(), style);
        QCOMPARE(setup->txtZip->text(), usa ? QString("60614") : zip);
    }

    void businessFileBothWays() {
        WriteBusiness(*data, "A", ""); // an international address
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();
        setup->txtAddress->setText("Suite 5, Floor 2");
        setup->txtFein->setText("ABN - 123456789");
        QString error;
        QVERIFY(setup->SaveBusiness(&error));
        const QByteArray expected = "\"A\",\"Suite 5, Floor 2\",\"\",\"Tampa\",\"FL\",\"\","
                                    "\"555-0100\",\"\",\"ABN - 123456789\"\r\n";
        QCOMPARE(data->read("/MyBusinessData.txt"), expected);
        QCOMPARE(BusinessAddress1, QString("Suite 5, Floor 2"));

        EndRun();
        ResetVariables();
        setup = LoadForm<frmSetup>();
        QCOMPARE(setup->txtAddress->text(), QString("Suite 5, Floor 2"));
        QCOMPARE(BusinessTaxId, QString("ABN - 123456789"));
    }

    void clearAndReload() {
        WriteBusiness(*data, "Ace", "33601");
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();

        auto keep = AnswerMessageBox(QMessageBox::No);
        QTest::mouseClick(setup->Image4, Qt::LeftButton);
        QCOMPARE(keep->text, QString("Do you want to reset (clear)all Business Data?"));
        QCOMPARE(keep->title, QString("Reset Business Data"));
        QCOMPARE(setup->txtName->text(), QString("Ace"));

        AnswerMessageBox(QMessageBox::Yes);
        QTest::mouseClick(setup->Image4, Qt::LeftButton);
        for (QLineEdit *box :
             {setup->txtName, setup->txtAddress, setup->txtCity, setup->txtZip, setup->txtTel})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(BusinessName, QString("Ace")); // nothing is lost until the user saves

        QTest::mouseClick(setup->Image5, Qt::LeftButton);
        QCOMPARE(setup->txtName->text(), QString("Ace"));
        QCOMPARE(setup->txtZip->text(), QString("33601"));
    }

    // Without settings files the defaults stand, and cancelled dialogs leave them standing.
    void defaultsWithoutFilesOutlastCancelledDialogs() {
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();
        for (QPushButton *change : setup->cmdChange) {
            CancelDialog();
            QTest::mouseClick(change, Qt::LeftButton);
        }
        CancelDialog();
        QTest::mouseClick(setup->cmdLogo[0], Qt::LeftButton);
        QCOMPARE(setup->lblFont->text(), QString("Arial"));
        QCOMPARE(setup->BackColor(setup->txtBorders), QColor(Qt::black));
        QCOMPARE(setup->BackColor(setup->txtData), QColor(Qt::black));
        QVERIFY(PrintInColor);
        QCOMPARE(int(PrintCopies), 3);
        QCOMPARE(setup->cboCopies->currentText(), QString("3"));
        QVERIFY(!setup->ckColor->isChecked());
        QVERIFY(!setup->ckPhone->isChecked());
        QCOMPARE(int(ModemPort), 1);
        QVERIFY(setup->Image3->pixmap().isNull());
        QVERIFY(!setup->cmdLogo[1]->isEnabled());
        // Store without a picked picture writes nothing, even if it were reached.
        setup->cmdLogo_Click(1);
        QVERIFY(!data->exists("/CompanyLogo.txt"));
        QVERIFY(!data->exists("/LogoSettings.txt"));
    }

    void settingsFilesByteForByte() {
        WriteBusiness(*data, "Ace", "33601");
        const QString picture = MakePicture(*data);
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();

        Pick(&QColorDialog::setCurrentColor, QColor(255, 0, 0));
        QTest::mouseClick(setup->cmdChange[0], Qt::LeftButton);
        Pick(&QColorDialog::setCurrentColor, QColor(0, 0, 255));
        QTest::mouseClick(setup->cmdChange[1], Qt::LeftButton);
        const QString family = QFontDatabase::families().value(0);
        Pick(&QFontDialog::setCurrentFont, QFont(family));
        QTest::mouseClick(setup->cmdChange[2], Qt::LeftButton);
        QCOMPARE(setup->lblFont->text(), family);
        setup->ckColor->setChecked(true);
        setup->cboCopies->setCurrentText("2");
        setup->ckPhone->setChecked(true);
        setup->txtModemPort->setText("3");

        PickFile(picture);
        QTest::mouseClick(setup->cmdLogo[0], Qt::LeftButton);
        QVERIFY(setup->cmdLogo[1]->isEnabled());
        QTest::mouseClick(setup->UpDown2->up(), Qt::LeftButton);
        auto stored = AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(setup->cmdLogo[1], Qt::LeftButton);
        QCOMPARE(stored->text, QString("Your Logo has been Stored"));
        QCOMPARE(stored->title, QString("Velbor Inventory"));
        QVERIFY(!setup->cmdLogo[1]->isEnabled());
        QCOMPARE(data->read("/CompanyLogo.txt"), "\"" + picture.toLocal8Bit() + "\"\r\n");
        // Its path is all the logo file keeps: one that would not read back is refused.
        QVERIFY(frmSetup::UnkeptLogoPath(picture).isEmpty());
        QVERIFY(!frmSetup::UnkeptLogoPath(data->path("/our \"best\" logo.bmp")).isEmpty());
        QCOMPARE(data->read("/LogoSettings.txt"), QByteArray("1490,1440\r\n"));
        setup->tabInfo->setCurrentIndex(3);
        Screenshot(setup, "setup-logo");

        data->write("/Backup/PrintColors.txt", "stale");
        QTest::mouseClick(setup->cmdQuit, Qt::LeftButton);
        QVERIFY(!setup->isVisible());
        QCOMPARE(data->read("/PrintColors.txt"),
                 "255\r\n16711680\r\n\"" + family.toLatin1() + "\"\r\n#TRUE#\r\n2\r\n");
        QVERIFY(!data->exists("/Backup/PrintColors.txt"));
        QCOMPARE(data->read("/InventoryInfo.txt"), QByteArray("1\r\n#TRUE#\r\n3\r\n"));

        // Everything reads back into a fresh screen.
        EndRun();
        ResetVariables();
        setup = LoadForm<frmSetup>();
        QCOMPARE(setup->BackColor(setup->txtBorders), QColor(255, 0, 0));
        QCOMPARE(setup->BackColor(setup->txtData), QColor(0, 0, 255));
        QCOMPARE(BorderColor, 255u);
        QCOMPARE(setup->lblFont->text(), family);
        QVERIFY(setup->ckColor->isChecked());
        QCOMPARE(setup->cboCopies->currentText(), QString("2"));
        QVERIFY(setup->ckPhone->isChecked());
        QCOMPARE(int(ModemPort), 3);
        QCOMPARE(setup->txtModemPort->text(), QString("3"));
        QCOMPARE(setup->Image3Width, 1490);
        QVERIFY(!setup->Image3->pixmap().isNull());
    }

    void clearLogoAnsweredNoKeepsIt() {
        data->write("/CompanyLogo.txt", "\"" + MakePicture(*data).toLocal8Bit() + "\"\r\n");
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();
        QVERIFY(!setup->Image2->pixmap().isNull());

        auto asked = AnswerMessageBox(QMessageBox::No);
        QTest::mouseClick(setup->cmdLogo[2], Qt::LeftButton);
        QCOMPARE(asked->text, QString("This will Delete your Company Logo"));
        QCOMPARE(asked->title, QString("Delete Logo"));
        QVERIFY(!setup->Image2->pixmap().isNull());
        QVERIFY(data->exists("/CompanyLogo.txt"));

        AnswerMessageBox(QMessageBox::Yes);
        QTest::mouseClick(setup->cmdLogo[2], Qt::LeftButton);
        QVERIFY(setup->Image2->pixmap().isNull());
        QVERIFY(!data->exists("/CompanyLogo.txt"));
        QCOMPARE(setup->Image2->size(), QSize(96, 96));
    }

    void logoSizeWrapsAround_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("grow");
        QTest::addColumn<int>("after");
        QTest::newRow("grow") << 1440 << true << 1490;
        QTest::newRow("grow at the top wraps") << 1800 << true << 360;
        QTest::newRow("shrink") << 1440 << false << 1390;
        QTest::newRow("shrink at the bottom wraps") << 360 << false << 1800;
    }
    void logoSizeWrapsAround() {
        QFETCH(int, size);
        QFETCH(bool, grow);
        QFETCH(int, after);
        frmSetup *setup = LoadForm<frmSetup>();
        setup->Image3Width = size;
        setup->Image3Height = size;
        QTest::mouseClick(grow ? setup->UpDown2->up() : setup->UpDown2->down(), Qt::LeftButton);
        QTest::mouseClick(grow ? setup->UpDown1->up() : setup->UpDown1->down(), Qt::LeftButton);
        QCOMPARE(setup->Image3Width, after);
        QCOMPARE(setup->Image3Height, after);
        QCOMPARE(setup->Image3->width(), TwipsToPixels(after));
    }

    void orangeTogglesTabs() {
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();
        for (int expected : {1, 2, 3, 4, 0}) {
            Screenshot(setup, QString("setup-tab-%1").arg(setup->tabInfo->currentIndex()));
            QTest::mouseClick(setup->Orange, Qt::LeftButton);
            QCOMPARE(setup->tabInfo->currentIndex(), expected);
        }
    }
};

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"
