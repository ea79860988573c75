#include "support/ScreenSteps.h"

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

// Sets the next colour, font or file dialog to the value and accepts it.
void Pick(const QVariant &value) {
    OnNextModal([value](QWidget *modal) {
        if (auto *colors = qobject_cast<QColorDialog *>(modal))
            colors->setCurrentColor(value.value<QColor>());
        else if (auto *fonts = qobject_cast<QFontDialog *>(modal))
            fonts->setCurrentFont(value.value<QFont>());
        else if (auto *name = modal->findChild<QLineEdit *>("fileNameEdit"))
            // Typed, as a user would: selectFile() needs the folder read, done in the background.
            name->setText(value.toString());
        else
            QFAIL("not a colour, font or file dialog");
        static_cast<QDialog *>(modal)->accept();
    });
}

// The print, logo and phone settings, as the screen shows them and the program holds them.
QString Settings(const frmSetup *setup) {
    return QStringList{setup->lblFont->text(),
                       setup->BackColor(setup->txtBorders).name(),
                       setup->BackColor(setup->txtData).name(),
                       setup->ckColor->isChecked() ? "colour" : "plain",
                       "copies " + setup->cboCopies->currentText() + "/" +
                           QString::number(PrintCopies),
                       setup->ckPhone->isChecked() ? "phone" : "no phone",
                       "port " + setup->txtModemPort->text() + "/" + QString::number(ModemPort),
                       "logo " + QString::number(setup->Image3Width) +
                           (setup->Image3->pixmap().isNull() ? " none" : " shown")}
        .join(", ");
}

} // namespace

class TestSetup : public QObject {
    Q_OBJECT
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
        frmSetup *setup = Shown<frmSetup>();
        const bool usa = style.startsWith("USA");
        QCOMPARE(setup->cmdAddress->text(), style);
        QCOMPARE(setup->txtZip->isVisible(), usa);
        QCOMPARE(setup->lblPostal->isVisible(), usa);
        QCOMPARE(setup->txtSt->maxLength(), usa ? 2 : 55);
        QCOMPARE(setup->lblAddress[3]->text() + "," + setup->lblAddress[4]->text(),
                 QString(usa ? "City,State" : "Address 3,Address 4"));
        // The button switches, and switching back gives the postal code box what it held: the
        // code just typed, not the one saved.
        if (usa) {
            QCOMPARE(setup->txtZip->text(), zip);
            Type(setup->txtZip, "60614");
        }
        QTest::mouseClick(setup->cmdAddress, Qt::LeftButton);
        QCOMPARE(setup->txtZip->isVisible(), !usa);
        QTest::mouseClick(setup->cmdAddress, Qt::LeftButton);
        QCOMPARE(setup->cmdAddress->text(), style);
        QCOMPARE(setup->txtZip->text(), usa ? QString("60614") : zip);
    }

    void businessDataSavedClearedAndReloaded() {
        WriteBusiness(*data, "A", ""); // an international address
        frmSetup *setup = Shown<frmSetup>();
        setup->txtAddress->setText("Suite 5, Floor 2");
        setup->txtFein->setText("ABN - 123456789");
        QVERIFY(setup->SaveBusiness(nullptr));
        QCOMPARE(data->read("/MyBusinessData.txt"),
                 QByteArray("\"A\",\"Suite 5, Floor 2\",\"\",\"Tampa\",\"FL\",\"\","
                            "\"555-0100\",\"\",\"ABN - 123456789\"\r\n"));
        QCOMPARE(BusinessAddress1, QString("Suite 5, Floor 2"));

        // Clearing asks first, and nothing is lost until the user saves.
        auto keep = AnswerMessageBox(QMessageBox::No);
        QTest::mouseClick(setup->Image4, Qt::LeftButton);
        QCOMPARE(Said(keep), QString("Reset Business Data | Do you want to reset (clear)all "
                                     "Business Data? | Yes,No"));
        QCOMPARE(setup->txtName->text(), QString("A"));
        AnswerMessageBox(QMessageBox::Yes);
        QTest::mouseClick(setup->Image4, Qt::LeftButton);
        for (QLineEdit *box :
             {setup->txtName, setup->txtAddress, setup->txtCity, setup->txtFein, setup->txtTel})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(BusinessName, QString("A"));
        QTest::mouseClick(setup->Image5, Qt::LeftButton);
        QCOMPARE(setup->txtAddress->text(), QString("Suite 5, Floor 2"));

        EndRun();
        ResetVariables();
        QCOMPARE(LoadForm<frmSetup>()->txtAddress->text(), QString("Suite 5, Floor 2"));
        QCOMPARE(BusinessTaxId, QString("ABN - 123456789"));
    }

    // The empty item list a first save starts cannot be written: the user is told, and stays.
    void unwrittenItemListIsReported() {
        QVERIFY(QDir().mkpath(data->path("/VIInventoriedItems.txt")));
        frmSetup *setup = Shown<frmSetup>();
        Type(setup->txtName, "Ace");
        Type(setup->txtTel, "555-0100");
        auto told = AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(setup->cmdQuit, Qt::LeftButton);
        QCOMPARE(told->text,
                 "The file " + data->path("/VIInventoriedItems.txt") +
                     " could not be written.\n\nYour settings have not all been saved.");
        QVERIFY(setup->isVisible());
    }

    // Without settings files the defaults stand, and cancelled dialogs leave them standing.
    void defaultsWithoutFilesOutlastCancelledDialogs() {
        frmSetup *setup = Shown<frmSetup>();
        for (QPushButton *button :
             {setup->cmdChange[0], setup->cmdChange[1], setup->cmdChange[2], setup->cmdLogo[0]}) {
            OnNextModal([](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(Settings(setup),
                 QString("Arial, #000000, #000000, plain, copies 3/3, no phone, port 1/1, logo "
                         "1440 none"));
        QVERIFY(PrintInColor);
        QVERIFY(!setup->cmdLogo[1]->isEnabled());
        // Store without a picked picture writes nothing, even if it were reached.
        setup->cmdLogo_Click(1);
        QVERIFY(!data->exists("/CompanyLogo.txt"));
        QVERIFY(!data->exists("/LogoSettings.txt"));
    }

    void settingsFilesByteForByte() {
        WriteBusiness(*data, "Ace", "33601");
        const QString picture = MakePicture(*data);
        const QString family = QFontDatabase::families().value(0);
        frmSetup *setup = Shown<frmSetup>();
        const QVariant picks[] = {QColor(255, 0, 0), QColor(0, 0, 255), QFont(family)};
        for (size_t k = 0; k < std::size(picks); ++k) {
            Pick(picks[k]);
            QTest::mouseClick(setup->cmdChange[k], Qt::LeftButton);
        }
        QCOMPARE(setup->lblFont->text(), family);
        setup->ckColor->setChecked(true);
        setup->cboCopies->setCurrentText("2");
        setup->ckPhone->setChecked(true);
        setup->txtModemPort->setText("3");

        Pick(picture);
        QTest::mouseClick(setup->cmdLogo[0], Qt::LeftButton);
        QVERIFY(setup->cmdLogo[1]->isEnabled());
        QTest::mouseClick(setup->UpDown2->up(), Qt::LeftButton);
        auto stored = AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(setup->cmdLogo[1], Qt::LeftButton);
        QCOMPARE(Said(stored), QString("Velbor Inventory | Your Logo has been Stored | OK"));
        QVERIFY(!setup->cmdLogo[1]->isEnabled());
        QCOMPARE(data->read("/CompanyLogo.txt"), "\"" + picture.toLocal8Bit() + "\"\r\n");
        // Its path is all the logo file keeps: one that would not read back is refused.
        QVERIFY(frmSetup::UnkeptLogoPath(picture).isEmpty());
        QVERIFY(!frmSetup::UnkeptLogoPath(data->path("/our \"best\" logo.bmp")).isEmpty());
        QCOMPARE(data->read("/LogoSettings.txt"), QByteArray("1490,1440\r\n"));

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
        QCOMPARE(Settings(setup),
                 family +
                     ", #ff0000, #0000ff, colour, copies 2/2, phone, port 3/3, logo 1490 shown");
        QCOMPARE(BorderColor, 255u);
    }

    void clearLogoAsksFirst() {
        data->write("/CompanyLogo.txt", "\"" + MakePicture(*data).toLocal8Bit() + "\"\r\n");
        frmSetup *setup = Shown<frmSetup>();
        QVERIFY(!setup->Image2->pixmap().isNull());
        auto asked = AnswerMessageBox(QMessageBox::No);
        QTest::mouseClick(setup->cmdLogo[2], Qt::LeftButton);
        QCOMPARE(Said(asked), QString("Delete Logo | This will Delete your Company Logo | Yes,No"));
        QVERIFY(!setup->Image2->pixmap().isNull());
        QVERIFY(data->exists("/CompanyLogo.txt"));

        AnswerMessageBox(QMessageBox::Yes);
        QTest::mouseClick(setup->cmdLogo[2], Qt::LeftButton);
        QVERIFY(setup->Image2->pixmap().isNull());
        QVERIFY(!data->exists("/CompanyLogo.txt"));
        QCOMPARE(setup->Image2->size(), QSize(96, 96));
    }

    // The right and up arrows grow the logo, the left and down arrows shrink it.
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
        QToolButton *widthArrow = grow ? setup->UpDown2->up() : setup->UpDown2->down();
        QToolButton *heightArrow = grow ? setup->UpDown1->up() : setup->UpDown1->down();
        QCOMPARE(widthArrow->arrowType(), grow ? Qt::RightArrow : Qt::LeftArrow);
        QCOMPARE(heightArrow->arrowType(), grow ? Qt::UpArrow : Qt::DownArrow);
        setup->Image3Width = size;
        setup->Image3Height = size;
        QTest::mouseClick(widthArrow, Qt::LeftButton);
        QTest::mouseClick(heightArrow, Qt::LeftButton);
        QCOMPARE(setup->Image3Width, after);
        QCOMPARE(setup->Image3Height, after);
        QCOMPARE(setup->Image3->width(), TwipsToPixels(after));
    }

    void orangeTogglesTabs() {
        frmSetup *setup = Shown<frmSetup>();
        for (int expected : {1, 2, 3, 4, 0}) {
            QTest::mouseClick(setup->Orange, Qt::LeftButton);
            QCOMPARE(setup->tabInfo->currentIndex(), expected);
        }
    }
};

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"
