#include "inventory/frmServices.h"
#include "shell/Controls.h"
#include "shell/Rev11Common.h"
#include "support/Gui.h"

#include <QApplication>
#include <QScreen>

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QUrl>

// Stands in for the web browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

namespace {

void Click(const QString &form, const QString &control) {
    auto *button = Control<QAbstractButton>(form, control);
    QVERIFY2(button, qPrintable(form + "." + control));
    QVERIFY2(button->isEnabled(), qPrintable(form + "." + control + " is disabled"));
    QTest::mouseClick(button, Qt::LeftButton);
}

void ClickImage(const QString &form, const QString &image) {
    auto *label = Control<QLabel>(form, image);
    QVERIFY2(label, qPrintable(image));
    QTest::mouseClick(label, Qt::LeftButton);
}

QList<int> EnabledOptions() {
    QList<int> enabled;
    for (int i = 0; i < 6; ++i) {
        if (Control<QRadioButton>("frmStartup", QString("optMainMenuSub_%1").arg(i))->isEnabled())
            enabled << i;
    }
    return enabled;
}

int SelectedOption() {
    for (int i = 0; i < 6; ++i) {
        if (Control<QRadioButton>("frmStartup", QString("optMainMenuSub_%1").arg(i))->isChecked())
            return i;
    }
    return -1;
}

const QByteArray Business = "\"Ace Plumbing\",\"1 Main St\",\"\",\"Tampa\",\"FL\",\"33601\","
                            "\"813-555-0100\",\"\",\"\"\r\n";
const QByteArray Colors = "0\r\n0\r\n\"Arial\"\r\n#TRUE#\r\n3\r\n";

// Starts a run whose business files are in place and goes on to the main menu.
void StartAtMenu(const TestDataFolder &data) {
    data.write("/MyBusinessData.txt", Business);
    data.write("/PrintColors.txt", Colors);
    Main();
    Click("frmSplash", "cmdContinue");
    QVERIFY(ScreenVisible("frmStartup"));
    // The program's icon on its windows.
    QCOMPARE(Screen("frmStartup")->windowIcon().pixmap(32).toImage(),
             QIcon(VelborLogo(256)).pixmap(32).toImage());
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(EndScreenTest()); }

    void firstRunGoesThroughSetUp() {
        TestDataFolder data;
        Main();
        QVERIFY(ScreenVisible("frmSplash"));
        QCOMPARE(Control<QLabel>("frmSplash", "lblVersion")->text(), QString("Version 2.0.0"));
        QCOMPARE(Control<QGroupBox>("frmSplash", "fraWelcome")->title(),
                 QString("Welcome to Velbor Inventory"));
        Click("frmSplash", "cmdContinue");
        QVERIFY(Control<QGroupBox>("frmSplash", "fraWelcome")->isVisible());
        Screenshot(Screen("frmSplash"), "splash-welcome");
        QVERIFY(!ScreenVisible("frmStartup"));

        ClickImage("frmSplash", "Image1_1");
        Settle();
        QVERIFY(!Screen("frmSplash"));
        QVERIFY(ScreenVisible("frmSetup"));

        auto missing = AnswerMessageBox(QMessageBox::Ok);
        Click("frmSetup", "cmdQuit");
        QVERIFY(missing->seen);
        QCOMPARE(missing->text, QString("Name and Telephone are Required"));
        QCOMPARE(missing->title, QString("Missing Name or Telphone"));
        QCOMPARE(missing->buttons, QStringList{"OK"});
        QVERIFY(ScreenVisible("frmSetup"));
        QVERIFY(!data.exists("/MyBusinessData.txt"));

        QTest::keyClicks(Control<QLineEdit>("frmSetup", "txtName"), "Ace Plumbing");
        QTest::keyClicks(Control<QLineEdit>("frmSetup", "txtTel"), "813-555-0100");
        Click("frmSetup", "cmdQuit");
        QVERIFY(!ScreenVisible("frmSetup"));
        QVERIFY(ScreenVisible("frmSplash"));
        for (const char *file : {"/MyBusinessData.txt", "/PrintColors.txt", "/InventoryInfo.txt"})
            QVERIFY2(data.exists(file), file);
        // The first save also starts an empty item list, so the menu offers every routine.
        QCOMPARE(data.read("/VIInventoriedItems.txt"), QByteArray());

        Click("frmSplash", "cmdContinue");
        QVERIFY(ScreenVisible("frmStartup"));
        QCOMPARE(EnabledOptions(), QList<int>({0, 1, 2, 3, 4, 5}));
        QCOMPARE(SelectedOption(), 4);
        Screenshot(Screen("frmStartup"), "main-menu");
    }

    void theLogoOnTheFirstScreenOpensSetUp() {
        TestDataFolder data;
        Main();
        ClickImage("frmSplash", "Image1_0");
        Settle();
        QVERIFY(!Screen("frmSplash"));
        QVERIFY(ScreenVisible("frmSetup"));
    }

    void lostBusinessFileComesBackFromBackup() {
        TestDataFolder data;
        data.write("/Backup/MyBusinessData.txt", Business);
        data.write("/PrintColors.txt", Colors);
        Main();
        Click("frmSplash", "cmdContinue");
        QVERIFY(ScreenVisible("frmStartup"));
        QCOMPARE(data.read("/MyBusinessData.txt"), Business);
    }

    void menuFollowsTheDataFiles_data() {
        QTest::addColumn<bool>("items");
        QTest::addColumn<bool>("vendors");
        QTest::addColumn<QList<int>>("enabled");
        QTest::addColumn<int>("selected");
        QTest::newRow("neither") << false << false << QList<int>{1} << 1;
        QTest::newRow("vendors only") << false << true << QList<int>{1} << -1;
        QTest::newRow("items only") << true << false << QList<int>{0, 1, 2, 3, 4, 5} << 4;
        QTest::newRow("both") << true << true << QList<int>{0, 1, 2, 3, 4, 5} << 4;
    }
    void menuFollowsTheDataFiles() {
        QFETCH(bool, items);
        QFETCH(bool, vendors);
        QFETCH(QList<int>, enabled);
        QFETCH(int, selected);
        TestDataFolder data;
        if (items)
            data.write("/VIInventoriedItems.txt", "");
        if (vendors)
            data.write("/VendorData.txt", "");
        StartAtMenu(data);
        QCOMPARE(EnabledOptions(), enabled);
        QCOMPARE(SelectedOption(), selected);

        // Every return to the menu looks at the files again. (The contact book greets an empty
        // vendor file.)
        Click("frmStartup", "optMainMenuSub_1");
        AnswerMessageBox(QMessageBox::Ok);
        Click("frmStartup", "cmdGoto");
        QVERIFY(ScreenVisible("frmContacts"));
        QVERIFY(!ScreenVisible("frmStartup"));
        DeleteWithBackup("/VIInventoriedItems.txt");
        Click("frmContacts", "cmdExit");
        QVERIFY(!ScreenVisible("frmContacts"));
        QCOMPARE(EnabledOptions(), QList<int>{1});
        data.write("/VIInventoriedItems.txt", "");
        AnswerMessageBox(QMessageBox::Ok);
        Click("frmStartup", "cmdGoto");
        Click("frmContacts", "cmdExit");
        QCOMPARE(EnabledOptions(), QList<int>({0, 1, 2, 3, 4, 5}));
        QCOMPARE(SelectedOption(), 4);
    }

    void routinesOpenTheirScreens_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("back");
        QTest::newRow("purchase order") << 0 << "frmPO"
                                        << "Purchase Order Creation"
                                        << "cmdPO_0";
        QTest::newRow("vendors") << 1 << "frmContacts"
                                 << "Payto Selection"
                                 << "cmdExit";
        QTest::newRow("returns") << 2 << "frmInventory"
                                 << "Inventoried Items"
                                 << "cmdServices_0";
        QTest::newRow("picklist") << 3 << "frmInventory"
                                  << "Inventoried Items"
                                  << "cmdServices_0";
        QTest::newRow("items") << 4 << "frmServices"
                               << "Inventoried Items"
                               << "cmdServices_0";
        QTest::newRow("price book") << 5 << "frmPriceBook"
                                    << "Create and Print a Price Book"
                                    << "cmdPB_0";
    }
    void routinesOpenTheirScreens() {
        QFETCH(int, option);
        QFETCH(QString, form);
        QFETCH(QString, title);
        QFETCH(QString, back);
        TestDataFolder data;
        data.write("/VIInventoriedItems.txt", "");
        StartAtMenu(data);
        auto *choice =
            Control<QRadioButton>("frmStartup", QString("optMainMenuSub_%1").arg(option));
        if (form == "frmContacts") // the greeting of an empty vendor file
            AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseDClick(choice, Qt::LeftButton);
        QVERIFY(ScreenVisible(form));
        QVERIFY(!ScreenVisible("frmStartup"));
        QCOMPARE(Screen(form)->windowTitle(), title);
        if (form == "frmInventory")
            QCOMPARE(Control<QLabel>(form, "lblRoutine")->text(),
                     QString(option == 3 ? "Creating a Picklist" : "Returning items to Stock"));
        Click(form, back);
        Settle();
        QVERIFY(!ScreenVisible(form));
        QVERIFY(ScreenVisible("frmStartup"));
        // The price book starts afresh on every visit; the other screens stay loaded.
        QCOMPARE(Screen(form) == nullptr, form == "frmPriceBook");
    }

    void gotoWithReturnOptionOpensReturnMode() {
        TestDataFolder data;
        data.write("/VIInventoriedItems.txt", "");
        StartAtMenu(data);
        Click("frmStartup", "optMainMenuSub_2");
        Click("frmStartup", "cmdGoto");
        QVERIFY(ScreenVisible("frmInventory"));
        QCOMPARE(Control<QLabel>("frmInventory", "lblRoutine")->text(),
                 QString("Returning items to Stock"));
    }

    void createModifyOpensTheFirstTab() {
        TestDataFolder data;
        StartAtMenu(data);
        Control<QTabWidget>("frmSetup", "tabInfo")->setCurrentIndex(3);
        Screen("frmStartup")->findChild<QAction *>("mnuCreate")->trigger();
        QVERIFY(ScreenVisible("frmSetup"));
        QVERIFY(!ScreenVisible("frmStartup"));
        QCOMPARE(Control<QTabWidget>("frmSetup", "tabInfo")->currentIndex(), 0);
    }

    void supplierLinks() {
        TestDataFolder data;
        Browser browser;
        QDesktopServices::setUrlHandler("https", &browser, "open");
        StartAtMenu(data);
        QAction *labels = Screen("frmStartup")->findChild<QAction *>("mnuAddress");

        auto no = AnswerMessageBox(QMessageBox::No);
        labels->trigger();
        QVERIFY(no->seen);
        QCOMPARE(no->title, QString("Order Labels"));
        QCOMPARE(no->text,
                 QString("30 to a Page Mailing Labels\r\nClick Yes to connect to a Supplier"));
        QCOMPARE(no->buttons, QStringList({"Yes", "No"}));
        QVERIFY(!data.exists("/Temp.url"));
        QVERIFY(browser.opened.isEmpty());

        AnswerMessageBox(QMessageBox::Yes);
        labels->trigger();
        const QByteArray address =
            "https://www.staples.com/avery-5160-easy-peel-address-labels/product_135566";
        QCOMPARE(data.read("/Temp.url"), "[InternetShortcut]\r\nURL = " + address + "\r\n");
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(QString::fromLatin1(address))});

        // Links without a question open at once.
        Screen("frmStartup")->findChild<QAction *>("mnuDepositSlips")->trigger();
        QCOMPARE(browser.opened.size(), 2);
        QVERIFY(data.read("/Temp.url").contains("deposit"));
        // Help opens the manual, without a question.
        Screen("frmStartup")->findChild<QAction *>("mnuHelp")->trigger();
        QCOMPARE(browser.opened.last(), QUrl("https://www.velbor.com/inventory/manual"));
        QDesktopServices::unsetUrlHandler("https");
    }

    void closingTheMenuEndsTheProgram() {
        TestDataFolder data;
        data.write("/VendorData.txt", QByteArray(235, 'v'));
        StartAtMenu(data);
        Click("frmStartup", "optMainMenuSub_1");
        Click("frmStartup", "cmdGoto");
        Screen("frmContacts")->setGeometry(120, 90, 700, 480);
        Click("frmContacts", "cmdExit");

        const QList<Form *> forms = LoadedForms();
        QStringList names;
        int destroyed = 0;
        for (Form *form : forms) {
            names << form->objectName();
            connect(form, &QObject::destroyed, this, [&destroyed] { ++destroyed; });
        }
        Screen("frmStartup")->close();
        QVERIFY(!ProgramRunning());
        QVERIFY(LoadedForms().isEmpty());
        Settle();
        QCOMPARE(destroyed, forms.size());
        QCOMPARE(data.read("/Backup/VendorData.txt"), QByteArray(235, 'v'));
        QCOMPARE(data.read("/Backup/MyBusinessData.txt"), Business);
        const QSettings layouts(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                "/Velbor/VelborInventory.ini",
            QSettings::IniFormat);
        for (const QString &name : names) {
            if (name != "frmSplash")
                QVERIFY2(layouts.contains(name + "/geometry"), qPrintable(name));
        }

        // A second run over the same folder finds everything, restoring what was lost.
        DeleteDataFile("/VendorData.txt");
        Main();
        QVERIFY(ProgramRunning());
        Click("frmSplash", "cmdContinue");
        QVERIFY(ScreenVisible("frmStartup"));
        QCOMPARE(data.read("/VendorData.txt"), QByteArray(235, 'v'));
        // ... and puts each screen back where the user left it.
        QCOMPARE(Screen("frmContacts")->size(), QSize(700, 480));
    }

    void exitFromTheMenu() {
        TestDataFolder data;
        StartAtMenu(data);
        Screen("frmStartup")->findChild<QAction *>("mnuExit")->trigger();
        QVERIFY(!ProgramRunning());
        QVERIFY(LoadedForms().isEmpty());
        QCOMPARE(data.read("/Backup/PrintColors.txt"), Colors);
    }

    void screensStayWhereTheUserLeftThem_data() {
        QTest::addColumn<QString>("form");
        for (const char *form :
             {"frmStartup", "frmSetup", "frmServices", "frmInventory", "frmPO", "frmContacts"})
            QTest::newRow(form) << form;
    }
    void screensStayWhereTheUserLeftThem() {
        QFETCH(QString, form);
        TestDataFolder data;
        data.write("/VendorData.txt", QByteArray(235, 'v')); // no greeting of an empty book
        StartAtMenu(data);
        // The item screen is loaded on first use, the others at start.
        const auto show = [&form] {
            Form *screen = form == "frmServices" ? LoadForm<frmServices>() : Screen(form);
            screen->show();
            return screen;
        };
        Form *screen = show();
        const QRect free = screen->screen()->availableGeometry();
        const QRect first = screen->frameGeometry();
        QVERIFY2(free.contains(first), qPrintable(QString("%1 x %2 at %3, %4")
                                                      .arg(first.width())
                                                      .arg(first.height())
                                                      .arg(first.x())
                                                      .arg(first.y())));
        for (int i = 0; i < 10; ++i) {
            screen->hide();
            screen->show();
            Settle();
            QCOMPARE(screen->frameGeometry(), first);
        }
        // A place kept from a larger monitor comes back into view, at a size that fits.
        screen->setGeometry(2400, 1500, 1900, 1200);
        EndRun();
        Main();
        Screen("frmSplash")->hide();
        QVERIFY(free.contains(show()->frameGeometry()));
    }

    void setUpOpensAtTheCompanyName() {
        TestDataFolder data;
        StartAtMenu(data);
        Screen("frmStartup")->findChild<QAction *>("mnuCreate")->trigger();
        QApplication::setActiveWindow(Screen("frmSetup"));
        QCOMPARE(QApplication::focusWidget(), Control<QWidget>("frmSetup", "txtName"));
    }

    void unopenablePageGivesItsAddress() {
        TestDataFolder data;
        StartAtMenu(data);
        // No handler and no browser behind the headless desktop: the page cannot be opened.
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        Screen("frmStartup")->findChild<QAction *>("mnuHelp")->trigger();
        QVERIFY(seen->seen);
        QCOMPARE(seen->title, QString("Web Page"));
        QVERIFY(seen->text.endsWith("\nhttps://www.velbor.com/inventory/manual"));
        QVERIFY(data.read("/Temp.url").contains("velbor.com"));
    }

    void unwritableDataFolderIsReported() {
        TestDataFolder data;
        // A folder that cannot be written: its path runs through a plain file.
        data.write("/plain", "x");
        const QString folder = data.path("/plain") + "/Velbor";
        SetAppPath(folder);
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        Main();
        QVERIFY(seen->seen);
        QVERIFY(seen->text.contains(QDir::toNativeSeparators(folder)));
        QVERIFY(!ProgramRunning());
        QVERIFY(LoadedForms().isEmpty());
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
