#include "common/Variables.h"
#include "inventory/ItemFile.h"
#include "inventory/frmServices.h"
#include "printing/FlexGrid.h"
#include "shell/Rev11Common.h"
#include "support/Gui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

ItemRecord Item(const QString &description, const QString &category, qint64 costCents,
                qint64 priceCents, qint16 onHand = 5) {
    ItemRecord item;
    item.Description = description;
    item.Category = category;
    item.Cost = Currency::fromCents(costCents);
    item.Price = Currency::fromCents(priceCents);
    item.OnHand = onHand;
    item.DiscountPrice = Currency::fromCents(priceCents * 9 / 10);
    item.DiscountQty = 10;
    item.ReorderAmount = 12;
    item.ReorderAt = 2;
    return item;
}

// Five items over three categories, in file order.
void WriteItems() {
    const ItemRecord items[] = {
        Item("Copper elbow", "Plumbing", 10000, 15000), Item("Wire nut", "Electrical", 950, 1500),
        Item("PVC tee", "Plumbing", 250, 400, 40), Item("Breaker 20A", "Electrical", 1899, 2999, 0),
        Item("Duct tape", "", 500, 899)};
    for (const ItemRecord &item : items)
        QVERIFY(WriteItemRecord(ItemCount() + 1, item));
}

QStringList Column(const FlexGrid *grid, int col) {
    QStringList cells;
    for (int r = 1; r < grid->Rows(); ++r)
        cells << grid->TextMatrix(r, col);
    return cells;
}

// Every row's record number is the place in the file of the item it shows.
void CheckRecordNumbers(const FlexGrid *grid) {
    const std::vector<ItemRecord> items = ReadAllItems();
    for (int r = 1; r < grid->Rows(); ++r) {
        const int record = grid->TextMatrix(r, 9).toInt();
        QVERIFY(record >= 1 && record <= int(items.size()));
        QCOMPARE(items[size_t(record - 1)].Description, grid->TextMatrix(r, 0));
    }
}

} // namespace

class TestServices : public QObject {
    Q_OBJECT
    frmServices *screen = nullptr;

    frmServices *Open() {
        screen = LoadForm<frmServices>();
        screen->show();
        QApplication::setActiveWindow(screen);
        return screen;
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QVERIFY(EndScreenTest()); }

    void gridLoadsSortedByCategory() {
        TestDataFolder data;
        WriteItems();
        Open();
        FlexGrid *grid = screen->fgItems;
        QCOMPARE(grid->Rows(), 6);
        QCOMPARE(Column(grid, 1),
                 QStringList({"", "Electrical", "Electrical", "Plumbing", "Plumbing"}));
        QCOMPARE(grid->TextMatrix(0, 2), QString("Cost (Unit)"));
        const int elbow = RowOf(grid, "Copper elbow");
        QCOMPARE(grid->TextMatrix(elbow, 2), QString("$100.00"));
        QCOMPARE(grid->TextMatrix(elbow, 3), QString("$150.00"));
        QCOMPARE(grid->TextMatrix(elbow, 5), QString("$135.00"));
        QCOMPARE(grid->TextMatrix(elbow, 6), QString("10"));
        QCOMPARE(grid->TextMatrix(elbow, 9), QString("1"));
        CheckRecordNumbers(grid);
        // Categories collected in the order first met, the empty one left out.
        QCOMPARE(screen->cboCategory->count(), 2);
        QCOMPARE(screen->cboCategory->itemText(0), QString("Plumbing"));
        QVERIFY(screen->cmdServices[9]->isEnabled());
        QVERIFY(!screen->cmdServices[10]->isEnabled());
        QVERIFY(!screen->cmdServices[13]->isEnabled());
        QVERIFY(!screen->txtDescription[1]->isEnabled());
        Screenshot(screen, "services-browse");
    }

    void noItemsFile() {
        TestDataFolder data;
        Open();
        QCOMPARE(screen->fgItems->Rows(), 1);
        QVERIFY(!screen->cmdServices[1]->isEnabled());
        QVERIFY(!screen->cmdServices[9]->isEnabled());
    }

    void reloadSortedByCost() {
        TestDataFolder data;
        WriteItems();
        Open();
        screen->lstSortBy->setCurrentRow(2);
        screen->ckByCategory->setChecked(true);  // asks for the chosen sort...
        screen->ckByCategory->setChecked(false); // ...and a reload rather than an in-place sort
        QTest::mouseClick(screen->cmdServices[2], Qt::LeftButton);
        QCOMPARE(Column(screen->fgItems, 2),
                 QStringList({"$2.50", "$5.00", "$9.50", "$18.99", "$100.00"}));
        CheckRecordNumbers(screen->fgItems);
    }

    void sortInPlaceThenReloadByPrice() {
        TestDataFolder data;
        WriteItems();
        Open();
        screen->lstSortBy->setCurrentRow(3);
        screen->ckByCategory->setChecked(true);
        QTest::mouseClick(screen->cmdServices[2], Qt::LeftButton);
        QVERIFY(!screen->ckByCategory->isChecked());
        const QStringList prices = {"$4.00", "$8.99", "$15.00", "$29.99", "$150.00"};
        QCOMPARE(Column(screen->fgItems, 3), prices);
        QTest::mouseClick(screen->cmdServices[2], Qt::LeftButton);
        QCOMPARE(Column(screen->fgItems, 3), prices);
        CheckRecordNumbers(screen->fgItems);
    }

    void categoryFilter() {
        TestDataFolder data;
        WriteItems();
        Open();
        screen->ckCategory->setChecked(true);
        screen->cboCategory->setEditText("");
        auto select = AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(screen->cmdServices[2], Qt::LeftButton);
        QCOMPARE(select->text, QString("Select a Category"));
        QCOMPARE(select->title, QString("Velbor Inventory"));

        screen->cboCategory->setEditText("plumbing"); // exact, case-sensitive
        QTest::mouseClick(screen->cmdServices[2], Qt::LeftButton);
        QCOMPARE(screen->fgItems->Rows(), 1);
        screen->cboCategory->setEditText("Plumbing");
        QTest::mouseClick(screen->cmdServices[2], Qt::LeftButton);
        QCOMPARE(Column(screen->fgItems, 0), QStringList({"Copper elbow", "PVC tee"}));
        QVERIFY(!screen->cmdServices[8]->isEnabled());
        CheckRecordNumbers(screen->fgItems);
    }

    void saveChecksInOrder() {
        TestDataFolder data;
        WriteItems();
        Open();
        QTest::mouseClick(screen->cmdServices[8], Qt::LeftButton);
        QVERIFY(screen->txtDescription[1]->isEnabled());
        QVERIFY(screen->cmdServices[13]->isEnabled());
        QTest::mouseClick(screen->cmdServices[13], Qt::LeftButton);
        QVERIFY(screen->txtDescription[1]->hasFocus());

        Type(screen->txtDescription[1], "Hose clamp");
        QTest::mouseClick(screen->cmdServices[13], Qt::LeftButton);
        QVERIFY(screen->txtCharge[1]->hasFocus());
        Type(screen->txtCharge[1], "3.25");
        QTest::mouseClick(screen->cmdServices[13], Qt::LeftButton);
        QVERIFY(screen->txtCharge[2]->hasFocus());
        Type(screen->txtCharge[2], "3");
        Screenshot(screen, "services-adding");
        Type(screen->txtOnHand, "abc");
        QTest::mouseClick(screen->cmdServices[13], Qt::LeftButton);
        QCOMPARE(screen->txtOnHand->text(), QString("0"));
        QCOMPARE(int(ItemCount()), 5);

        // Now it saves: appended as record 6, an empty cost stored as 0.
        screen->cboCategory->setEditText("Plumbing");
        QTest::mouseClick(screen->cmdServices[13], Qt::LeftButton);
        QCOMPARE(int(ItemCount()), 6);
        const ItemRecord saved = *ReadItemRecord(6);
        QCOMPARE(saved.Description, QString("Hose clamp"));
        QCOMPARE(saved.Cost, Currency());
        QCOMPARE(saved.Price, Currency::fromCents(325));
        QCOMPARE(saved.DiscountPrice, Currency::fromCents(300));
        QCOMPARE(saved.Category, QString("Plumbing"));
        QCOMPARE(RowOf(screen->fgItems, "Hose clamp") > 0, true);
        QCOMPARE(screen->fgItems->TextMatrix(RowOf(screen->fgItems, "Hose clamp"), 9),
                 QString("6"));
        QVERIFY(!screen->txtDescription[1]->isEnabled());
        QVERIFY(screen->txtDescription[1]->text().isEmpty());
        CheckRecordNumbers(screen->fgItems);
    }

    void refusedEntriesSayWhatIsWanted_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("note");
        const QString count = "Enter a whole number from 0 to 32,767";
        const QString bigCount = "Enter a whole number from 0 to 2,147,483,647";
        const QString amount = "Enter an amount, such as 12.50";
        const struct {
            const char *row, *box, *text;
            QString note;
        } rows[] = {{"no description", "txtDescription_1", "", "Enter a description of the item"},
                    {"no sell price", "txtCharge_1", "", amount + " (Clear Prices sets 0)"},
                    {"on-hand not a number", "txtOnHand", "abc", count},
                    {"on-hand too big", "txtOnHand", "40000", count},
                    {"on-hand fraction", "txtOnHand", "2.5", count},
                    {"on-hand negative", "txtOnHand", "-3", count},
                    {"discount qty too big", "txtDiscountQty", "2147483648", bigCount},
                    {"discount qty negative", "txtDiscountQty", "-1", bigCount},
                    {"reorder not a number", "txtReorderAmount", "lots", count},
                    {"reorder negative", "txtReorderAmount", "-2", count},
                    {"reorder at too small", "txtReorderAt", "-40000", count},
                    {"cost with a comma for a point", "txtCost", "1,50", amount},
                    {"cost negative", "txtCost", "-1", amount},
                    {"price negative", "txtCharge_1", "(5.00)", amount},
                    {"discount price negative", "txtCharge_2", "-0.01", amount}};
        for (const auto &r : rows)
            QTest::newRow(r.row) << QString(r.box) << QString(r.text) << r.note;
    }
    void refusedEntriesSayWhatIsWanted() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, note);
        TestDataFolder data;
        WriteItems();
        const QByteArray before = data.read("/VIInventoriedItems.txt");
        Open();
        QTest::mouseClick(screen->cmdServices[8], Qt::LeftButton);
        Type(screen->txtDescription[1], "Valve");
        Type(screen->txtCharge[1], "1");
        Type(screen->txtCharge[2], "1");
        Type(screen->txtOnHand, "1");
        auto *target = screen->findChild<QLineEdit *>(box);
        target->setFocus();
        Type(target, text);
        QTest::mouseClick(screen->cmdServices[13], Qt::LeftButton);
        QVERIFY(target->hasFocus());
        QCOMPARE(NoteShown(screen), note);
        Screenshot(screen, "services-refusal");
        QTest::keyClick(target, Qt::Key_End); // typing again puts the note away
        QCOMPARE(NoteShown(screen), QString());
        QCOMPARE(data.read("/VIInventoriedItems.txt"), before);
    }

    void closeBoxAsksBeforeLosingTyping() {
        TestDataFolder data;
        WriteItems();
        Open();
        // Nothing typed yet: nothing to ask.
        QTest::mouseClick(screen->cmdServices[8], Qt::LeftButton);
        auto unasked = AnswerMessageBox(QMessageBox::No);
        screen->close();
        QVERIFY(!unasked->seen);
        QVERIFY(!ProgramRunning());
        QVERIFY(!AllModalsHandled()); // the answer queued above was never needed

        Open();
        ClickRow(screen->fgItems, 1);
        QTest::mouseClick(screen->cmdServices[9], Qt::LeftButton);
        QTest::keyClicks(screen->txtDescription[1], " (old)");
        auto no = AnswerMessageBox(QMessageBox::No);
        screen->close();
        QCOMPARE(no->text, QString("The item you are editing has not been saved. Close the "
                                   "program anyway?"));
        QCOMPARE(no->buttons, QStringList({"Yes", "No"}));
        QVERIFY(screen->isVisible());
        QVERIFY(screen->txtDescription[1]->text().endsWith(" (old)"));
        AnswerMessageBox(QMessageBox::Yes);
        screen->close();
        QVERIFY(LoadedForms().isEmpty());
    }

    void zeroPlaceholders() {
        TestDataFolder data;
        Open();
        QTest::mouseClick(screen->cmdServices[8], Qt::LeftButton);
        QTest::mouseClick(screen->cmdServices[24], Qt::LeftButton);
        QCOMPARE(screen->txtCharge[1]->text(), QString("$0.00"));
        QTest::keyClicks(screen->txtCharge[1], "7");
        QCOMPARE(screen->txtCharge[1]->text(), QString("7"));
        for (QLineEdit *box : {screen->txtOnHand, screen->txtDiscountQty, screen->txtReorderAmount,
                               screen->txtReorderAt}) {
            box->setText("0");
            QTest::keyClicks(box, "4");
            QCOMPARE(box->text(), QString("4"));
        }
        screen->txtCost->setText("$0.00");
        QTest::keyClicks(screen->txtCost, "2");
        QCOMPARE(screen->txtCost->text(), QString("2"));

        // Leaving a money box formats it; a discount quantity left empty becomes 0.
        screen->txtCost->setFocus();
        Type(screen->txtCost, "1234.5");
        screen->txtDiscountQty->clear();
        screen->txtDiscountQty->setFocus();
        QCOMPARE(screen->txtCost->text(), QString("$1,234.50"));
        screen->txtOnHand->setFocus();
        QCOMPARE(screen->txtDiscountQty->text(), QString("0"));
    }

    void modifyWithRetainedCategoryMovesTheItem() {
        TestDataFolder data;
        WriteItems();
        Open();
        FlexGrid *grid = screen->fgItems;
        ClickRow(grid, RowOf(grid, "Wire nut"));
        screen->ckClearItem->setChecked(true);
        screen->cboCategory->setEditText("Plumbing");
        QTest::mouseClick(screen->cmdServices[9], Qt::LeftButton);
        QVERIFY(!grid->isEnabled()); // locked while the item is changed
        QCOMPARE(screen->txtCharge[1]->text(), QString("$15.00"));
        QCOMPARE(screen->cboCategory->currentText(), QString("Plumbing"));
        Screenshot(screen, "services-modify");
        Type(screen->txtOnHand, "33");
        Type(screen->txtCost, "$1,500.00"); // groups of three are grouping
        QTest::mouseClick(screen->cmdServices[13], Qt::LeftButton);
        QVERIFY(grid->isEnabled());
        const ItemRecord saved = *ReadItemRecord(2);
        QCOMPARE(saved.Cost, Currency::fromCents(150000));
        QCOMPARE(saved.Category, QString("Plumbing"));
        QCOMPARE(saved.OnHand, qint16(33));
        QCOMPARE(saved.Price, Currency::fromCents(1500));
        QCOMPARE(int(ItemCount()), 5);
        QCOMPARE(screen->cboCategory->currentText(), QString("Plumbing")); // retained
    }

    void deleteTheOnlyItem() {
        TestDataFolder data;
        QVERIFY(WriteItemRecord(1, Item("Lonely", "Misc", 100, 200)));
        data.write("/Backup/VIInventoriedItems.txt", data.read("/VIInventoriedItems.txt"));
        Open();
        ClickRow(screen->fgItems, 1);
        auto ask = AnswerMessageBox(QMessageBox::Yes);
        QTest::mouseClick(screen->cmdServices[10], Qt::LeftButton);
        QCOMPARE(ask->text, QString("This will DELETE the Selected Sales Item"));
        QCOMPARE(ask->title, QString("Delete Sales Item"));
        QCOMPARE(ask->buttons, QStringList({"Yes", "No"}));
        QVERIFY(!data.exists("/VIInventoriedItems.txt"));
        QVERIFY(!data.exists("/Backup/VIInventoriedItems.txt"));
        QCOMPARE(screen->fgItems->Rows(), 1);
        QVERIFY(!screen->cmdServices[10]->isEnabled());
        QTest::mouseClick(screen->cmdServices[9], Qt::LeftButton); // no item left to change
        QCOMPARE(NoteShown(screen), QString("Click an item in the grid first"));
        QVERIFY(!screen->txtDescription[1]->isEnabled());
    }

    void deleteRenumbersTheRowsAfterIt() {
        TestDataFolder data;
        WriteItems();
        Open();
        FlexGrid *grid = screen->fgItems;
        AnswerMessageBox(QMessageBox::No);
        ClickRow(grid, RowOf(grid, "PVC tee"));
        QTest::mouseClick(screen->cmdServices[10], Qt::LeftButton);
        QCOMPARE(int(ItemCount()), 5);

        AnswerMessageBox(QMessageBox::Yes);
        ClickRow(grid, RowOf(grid, "PVC tee"));
        QTest::mouseClick(screen->cmdServices[10], Qt::LeftButton);
        QCOMPARE(int(ItemCount()), 4);
        QCOMPARE(RowOf(grid, "PVC tee"), -1);
        QCOMPARE(grid->TextMatrix(RowOf(grid, "Breaker 20A"), 9), QString("3"));
        QCOMPARE(grid->TextMatrix(RowOf(grid, "Duct tape"), 9), QString("4"));
        CheckRecordNumbers(grid);

        // Saving the row that showed record 5 writes record 4.
        ClickRow(grid, RowOf(grid, "Duct tape"));
        QTest::mouseClick(screen->cmdServices[9], Qt::LeftButton);
        Type(screen->txtDescription[1], "Duct tape, silver");
        QTest::mouseClick(screen->cmdServices[13], Qt::LeftButton);
        QCOMPARE(ReadItemRecord(4)->Description, QString("Duct tape, silver"));
        QCOMPARE(ReadItemRecord(3)->Description, QString("Breaker 20A"));
        QCOMPARE(int(ItemCount()), 4);
        CheckRecordNumbers(grid);
    }

    void deleteInFilteredGridKeepsTheOthers() {
        TestDataFolder data;
        QVERIFY(WriteItemRecord(1, Item("Keep me", "A", 100, 200)));
        QVERIFY(WriteItemRecord(2, Item("Only B", "B", 100, 200)));
        Open();
        screen->cboCategory->setEditText("B");
        screen->ckCategory->setChecked(true);
        QTest::mouseClick(screen->cmdServices[2], Qt::LeftButton);
        QCOMPARE(screen->fgItems->Rows(), 2);
        ClickRow(screen->fgItems, 1);
        AnswerMessageBox(QMessageBox::Yes);
        QTest::mouseClick(screen->cmdServices[10], Qt::LeftButton);
        QCOMPARE(int(ItemCount()), 1);
        QCOMPARE(ReadItemRecord(1)->Description, QString("Keep me"));
    }

    void cancelLeavesEverythingAsItWas() {
        TestDataFolder data;
        WriteItems();
        const QByteArray before = data.read("/VIInventoriedItems.txt");
        Open();
        ClickRow(screen->fgItems, 2);
        QTest::mouseClick(screen->cmdServices[9], Qt::LeftButton);
        Type(screen->txtDescription[1], "changed");
        // Clear Item empties the fields but keeps a retained category and the edit state.
        screen->ckClearItem->setChecked(true);
        screen->cboCategory->setEditText("Electrical");
        QTest::mouseClick(screen->cmdServices[11], Qt::LeftButton);
        QVERIFY(screen->txtDescription[1]->text().isEmpty());
        QVERIFY(screen->txtCharge[1]->text().isEmpty());
        QCOMPARE(screen->cboCategory->currentText(), QString("Electrical"));
        QVERIFY(screen->txtDescription[1]->isEnabled());
        QTest::mouseClick(screen->cmdServices[14], Qt::LeftButton);
        QVERIFY(screen->fgItems->isEnabled());
        QVERIFY(!screen->txtDescription[1]->isEnabled());
        QVERIFY(screen->txtDescription[1]->text().isEmpty());
        QCOMPARE(data.read("/VIInventoriedItems.txt"), before);
    }

    void menuReturnsToTheMainMenu() {
        TestDataFolder data;
        Main();
        LoadForm<frmServices>()->show();
        QTest::mouseClick(LoadForm<frmServices>()->cmdServices[0], Qt::LeftButton);
        QVERIFY(!ScreenVisible("frmServices"));
        QVERIFY(ScreenVisible("frmStartup"));
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
