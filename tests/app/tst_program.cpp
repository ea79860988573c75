#include "inventory/dlgStockOnDate.h"
#include "support/ScreenSteps.h"

#include <QDateEdit>
#include <QDesktopServices>
#include <QScreen>
#include <QSettings>
#include <QTableView>

// Stands in for the web browser.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

namespace {

QRadioButton *Option(int i) {
    return Control<QRadioButton>("frmStartup", QString("optMainMenuSub_%1").arg(i));
}

// The menu as the user sees it: the routines offered, then the one chosen ("-" for none).
QString MenuState() {
    QString offered, chosen = "-";
    for (int i = 0; i < 6; ++i) {
        if (Option(i)->isEnabled())
            offered += QString::number(i);
        if (Option(i)->isChecked())
            chosen = QString::number(i);
    }
    return offered + ":" + chosen;
}

void Trigger(const char *action) {
    Screen("frmStartup")->findChild<QAction *>(action)->trigger();
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
    std::optional<TestDataFolder> data;

private slots:
    void init() { data.emplace(); }
    void cleanup() { QVERIFY(EndScreenTest()); }

    // Either logo opens set-up: the one at the top, and the one the welcome points to.
    void firstRunGoesThroughSetUp_data() {
        QTest::addColumn<QString>("logo");
        QTest::newRow("top logo") << "Image1_0";
        QTest::newRow("welcome logo") << "Image1_1";
    }
    void firstRunGoesThroughSetUp() {
        QFETCH(QString, logo);
        Main();
        Click("frmSplash", "cmdContinue");
        QVERIFY(Control<QGroupBox>("frmSplash", "fraWelcome")->isVisible());
        QVERIFY(!ScreenVisible("frmStartup"));
        QTest::mouseClick(Control<QLabel>("frmSplash", logo), Qt::LeftButton);
        Settle();
        QVERIFY(!Screen("frmSplash"));
        QVERIFY(ScreenVisible("frmSetup"));

        auto missing = AnswerMessageBox(QMessageBox::Ok);
        Click("frmSetup", "cmdQuit");
        QCOMPARE(Said(missing),
                 QString("Missing Name or Telphone | Name and Telephone are Required | OK"));
        QVERIFY(ScreenVisible("frmSetup"));
        QVERIFY(!data->exists("/MyBusinessData.txt"));

        Type(Control<QLineEdit>("frmSetup", "txtName"), "Ace Plumbing");
        Type(Control<QLineEdit>("frmSetup", "txtTel"), "813-555-0100");
        Click("frmSetup", "cmdQuit");
        QVERIFY(!ScreenVisible("frmSetup"));
        QVERIFY(ScreenVisible("frmSplash"));
        for (const char *file : {"/MyBusinessData.txt", "/PrintColors.txt", "/InventoryInfo.txt",
                                 "/VIInventoriedItems.txt"})
            QVERIFY2(data->exists(file), file);
        // The first save starts an empty item list, so the menu offers every routine.
        QCOMPARE(data->read("/VIInventoriedItems.txt"), QByteArray());
        Click("frmSplash", "cmdContinue");
        QCOMPARE(MenuState(), QString("012345:4"));
        QCOMPARE(Screen("frmStartup")->windowIcon().pixmap(32).toImage(),
                 QIcon(VelborLogo(256)).pixmap(32).toImage());
    }

    void menuFollowsTheDataFiles_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("menu");
        const QString items = "/VIInventoriedItems.txt", vendors = "/VendorData.txt";
        QTest::newRow("neither") << QStringList{} << "1:1";
        QTest::newRow("vendors only") << QStringList{vendors} << "1:-";
        QTest::newRow("items only") << QStringList{items} << "012345:4";
        QTest::newRow("both") << QStringList{items, vendors} << "012345:4";
    }
    void menuFollowsTheDataFiles() {
        QFETCH(QStringList, files);
        QFETCH(QString, menu);
        for (const QString &file : files)
            data->write(file, "");
        StartAtMenu(*data);
        QCOMPARE(MenuState(), menu);
        // Every return to the menu looks at the files again: the item list goes while the
        // contact book (which greets an empty vendor file) is open, then comes back.
        for (bool itemsOnReturn : {false, true}) {
            AnswerMessageBox(QMessageBox::Ok);
            QCOMPARE(OpenRoutine(1), Screen("frmContacts"));
            if (itemsOnReturn)
                data->write("/VIInventoriedItems.txt", "");
            else
                DeleteWithBackup("/VIInventoriedItems.txt");
            Click("frmContacts", "cmdExit");
            QCOMPARE(MenuState(), QString(itemsOnReturn ? "012345:4" : "1:1"));
        }
    }

    void routinesOpenTheirScreens_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("routine"); // the stock screen's heading
        const auto row = [](const char *name, int option, const char *form, const char *back,
                            const char *routine = "") {
            QTest::newRow(name) << option << QString(form) << QString(back) << QString(routine);
        };
        row("purchase order", 0, "frmPO", "cmdPO_0");
        row("vendors", 1, "frmContacts", "cmdExit");
        row("returns", 2, "frmInventory", "cmdServices_0", "Returning items to Stock");
        row("picklist", 3, "frmInventory", "cmdServices_0", "Creating a Picklist");
        row("items", 4, "frmServices", "cmdServices_0");
        row("price book", 5, "frmPriceBook", "cmdPB_0");
    }
    void routinesOpenTheirScreens() {
        QFETCH(int, option);
        QFETCH(QString, form);
        QFETCH(QString, back);
        QFETCH(QString, routine);
        data->write("/VIInventoriedItems.txt", "");
        StartAtMenu(*data);
        // In by a double click on the routine, then by choosing it and pressing Go.
        for (bool doubleClick : {true, false}) {
            if (form == "frmContacts") // the greeting of an empty vendor file
                AnswerMessageBox(QMessageBox::Ok);
            if (doubleClick)
                QTest::mouseDClick(Option(option), Qt::LeftButton);
            else
                OpenRoutine(option);
            QVERIFY(ScreenVisible(form));
            QVERIFY(!ScreenVisible("frmStartup"));
            if (!routine.isEmpty())
                QCOMPARE(Control<QLabel>(form, "lblRoutine")->text(), routine);
            Click(form, back);
            Settle();
            QVERIFY(!ScreenVisible(form));
            QVERIFY(ScreenVisible("frmStartup"));
            // The price book starts afresh on every visit; the other screens stay loaded.
            QCOMPARE(Screen(form) == nullptr, form == "frmPriceBook");
        }
    }

    void createModifyOpensTheFirstTabAtTheCompanyName() {
        StartAtMenu(*data);
        Control<QTabWidget>("frmSetup", "tabInfo")->setCurrentIndex(3);
        Trigger("mnuCreate");
        QVERIFY(ScreenVisible("frmSetup"));
        QVERIFY(!ScreenVisible("frmStartup"));
        QCOMPARE(Control<QTabWidget>("frmSetup", "tabInfo")->currentIndex(), 0);
        QApplication::setActiveWindow(Screen("frmSetup"));
        QCOMPARE(QApplication::focusWidget(), Control<QWidget>("frmSetup", "txtName"));
    }

    void supplierLinks() {
        Browser browser;
        QDesktopServices::setUrlHandler("https", &browser, "open");
        StartAtMenu(*data);
        auto no = AnswerMessageBox(QMessageBox::No);
        Trigger("mnuAddress");
        QCOMPARE(Said(no), QString("Order Labels | 30 to a Page Mailing Labels\r\nClick Yes to "
                                   "connect to a Supplier | Yes,No"));
        QVERIFY(!data->exists("/Temp.url"));
        QVERIFY(browser.opened.isEmpty());

        AnswerMessageBox(QMessageBox::Yes);
        Trigger("mnuAddress");
        const QByteArray address =
            "https://www.staples.com/avery-5160-easy-peel-address-labels/product_135566";
        QCOMPARE(data->read("/Temp.url"), "[InternetShortcut]\r\nURL = " + address + "\r\n");
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(QString::fromLatin1(address))});
        // The other links, and Help's manual, open without a question.
        Trigger("mnuDepositSlips");
        QVERIFY(data->read("/Temp.url").contains("deposit"));
        Trigger("mnuHelp");
        QCOMPARE(browser.opened.size(), 3);
        QCOMPARE(browser.opened.last(), QUrl("https://www.velbor.com/inventory/manual"));

        // Without a browser the page cannot be opened, and the message gives its address.
        QDesktopServices::unsetUrlHandler("https");
        DeleteDataFile("/Temp.url");
        auto unopened = AnswerMessageBox(QMessageBox::Ok);
        Trigger("mnuHelp");
        QCOMPARE(unopened->title, QString("Web Page"));
        QVERIFY(unopened->text.endsWith("\nhttps://www.velbor.com/inventory/manual"));
        QVERIFY(data->read("/Temp.url").contains("velbor.com"));
    }

    void endingTheProgram_data() {
        QTest::addColumn<bool>("exit");
        QTest::newRow("closing the menu") << false;
        QTest::newRow("Exit in the menu") << true;
    }
    void endingTheProgram() {
        QFETCH(bool, exit);
        data->write("/VendorData.txt", QByteArray(235, 'v'));
        StartAtMenu(*data);
        OpenRoutine(1);
        Screen("frmContacts")->setGeometry(120, 90, 700, 480);
        Click("frmContacts", "cmdExit");
        QStringList names;
        int alive = 0;
        for (Form *form : LoadedForms()) {
            names << form->objectName();
            ++alive;
            connect(form, &QObject::destroyed, this, [&alive] { --alive; });
        }
        if (exit)
            Trigger("mnuExit");
        else
            Screen("frmStartup")->close();
        QVERIFY(!ProgramRunning());
        QVERIFY(LoadedForms().isEmpty());
        Settle();
        QCOMPARE(alive, 0);
        const QSettings layouts(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                "/Velbor/VelborInventory.ini",
            QSettings::IniFormat);
        for (const QString &name : names)
            QVERIFY2(layouts.contains(name + "/geometry"), qPrintable(name));

        // The end backed the files up: a second run restores what was lost, goes on to the
        // menu rather than to set-up, and puts each screen back where the user left it.
        for (const char *file : {"/VendorData.txt", "/MyBusinessData.txt", "/PrintColors.txt"})
            DeleteDataFile(file);
        Main();
        Click("frmSplash", "cmdContinue");
        QVERIFY(ScreenVisible("frmStartup"));
        QCOMPARE(data->read("/VendorData.txt"), QByteArray(235, 'v'));
        QCOMPARE(data->read("/MyBusinessData.txt"), AceBusinessData);
        QCOMPARE(data->read("/PrintColors.txt"), AcePrintColors);
        QCOMPARE(Screen("frmContacts")->size(), QSize(700, 480));
    }

    void screensStayWhereTheUserLeftThem_data() {
        QTest::addColumn<QString>("form");
        for (const char *form :
             {"frmStartup", "frmSetup", "frmServices", "frmInventory", "frmPO", "frmContacts"})
            QTest::newRow(form) << form;
    }
    void screensStayWhereTheUserLeftThem() {
        QFETCH(QString, form);
        data->write("/VendorData.txt", QByteArray(235, 'v')); // no greeting of an empty book
        StartAtMenu(*data);
        // The item screen is loaded on first use, the others at start.
        const auto show = [&form] {
            Form *screen = form == "frmServices" ? LoadForm<frmServices>() : Screen(form);
            screen->show();
            return screen;
        };
        Form *screen = show();
        const QRect free = screen->screen()->availableGeometry();
        const QRect first = screen->frameGeometry();
        QVERIFY2(free.contains(first), qPrintable(QDebug::toString(first)));
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

    // The history starts from the items file as it stands and follows what other programs do
    // to it; the exit backup holds a copy that brings back a lost history.
    void stockHistoryFollowsTheItemsFile() {
        WriteItems({{"Elbow", "Pipe", {}, {}, 5, {}, 0, 0, 0}});
        StartAtMenu(*data);
        ExitProgram();
        ItemRecord elbow = *ReadItemRecord(1);
        elbow.OnHand = 8;
        QVERIFY(WriteItemRecord(1, elbow));
        StartAtMenu(*data);
        ExitProgram();
        const QStringList history = {"outside 3 8", "outside 5 5"};
        QCOMPARE(HistoryOf("Elbow", "Pipe"), history);
        QCOMPARE(StockHistory::ItemHistory("Elbow", "Pipe", {2000, 1, 1}, {2100, 1, 1})[0].Record,
                 1); // the record the item was found at
        StockHistory::Close();
        QVERIFY(QFile::remove(data->path("/StockHistory.db")));
        QCOMPARE(HistoryOf("Elbow", "Pipe"), history);
    }

    // Files / Stock on a Date: each item's count at the end of the day, at that day's cost.
    void stockOnADate() {
        const QDate monday(2026, 11, 30);
        const auto added = MovementKind::Added;
        Settled({Move("Elbow", 40, 40, added, monday), Move("Tee", 12, 12, added, monday, {}, 9900),
                 Move("Elbow", -5, 35, added, monday.addDays(1), {}, 27500),
                 Move("Cap", 3, 3, added, monday.addDays(2), {}, 5000)});
        StartAtMenu(*data);
        const QString csv = data->path("/stock.csv");
        OnNextModal([&](QWidget *modal) {
            QCOMPARE(modal->objectName(), QString("dlgStockOnDate"));
            auto *date = modal->findChild<QDateEdit *>("dtOnDate");
            auto *total = modal->findChild<QLabel *>("lblTotalValue");
            auto *print = modal->findChild<QPushButton *>("cmdPrintStock");
            auto *exportStock = modal->findChild<QPushButton *>("cmdExportStock");
            const QAbstractItemModel *rows =
                modal->findChild<QTableView *>("tblStockOnDate")->model();
            QCOMPARE(rows->rowCount(), 3); // today's stock as it opens, emptied by the file
            date->setDate(monday.addDays(1));
            QCOMPARE(RowTexts(rows, {0, 2, 4}), QStringList({"Elbow 35 $96.25", "Tee 12 $11.88"}));
            QCOMPARE(total->text(), QString("$108.13"));
            ChooseFile(csv);
            exportStock->click();
            date->setDate(monday.addDays(-1));
            QCOMPARE(rows->rowCount(), 0);
            QVERIFY(!print->isEnabled());
            qobject_cast<QDialog *>(modal)->reject();
        });
        LoadForm<frmStartup>()->mnuStockOnDate->trigger();
        // The spreadsheet gets numbers, not the screen's money texts.
        QCOMPARE(data->read("/stock.csv").split('\n').value(1),
                 QByteArray("\"Elbow\",\"Pipe\",35,2.75,96.25\r"));
    }

    void unwritableDataFolderIsReported() {
        data->write("/plain", "x");
        const QString folder = data->path("/plain") + "/Velbor"; // runs through a plain file
        SetAppPath(folder);
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        Main();
        QVERIFY(seen->text.contains(QDir::toNativeSeparators(folder)));
        QVERIFY(!ProgramRunning());
        QVERIFY(LoadedForms().isEmpty());
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
