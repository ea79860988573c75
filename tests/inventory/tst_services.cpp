#include "inventory/ItemCsv.h"
#include "support/Screens.h"

namespace {

constexpr auto Cents = &Currency::fromCents;

ItemRecord Item(const QString &text, const QString &category, qint64 cost, qint64 price,
                qint16 onHand = 5) {
    return {text, category, Cents(cost), Cents(price), onHand, Cents(price * 9 / 10), 10, 12, 2};
}

QStringList Column(const FlexGrid *grid, int col) {
    QStringList cells;
    for (int r = 1; r < grid->Rows(); ++r)
        cells << grid->TextMatrix(r, col);
    return cells;
}

QStringList Descriptions() {
    QStringList names;
    for (const ItemRecord &item : ReadAllItems())
        names << item.Description;
    return names;
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
    std::optional<TestDataFolder> data;
    frmServices *screen = nullptr;
    FlexGrid *grid = nullptr;

    // The screen over the first of five items in three categories (none: no items file).
    void Open(int items = 5) {
        const ItemRecord five[] = {
            Item("Copper elbow", "Plumbing", 10000, 15000),
            Item("Wire nut", "Electrical", 950, 1500), Item("PVC tee", "Plumbing", 250, 400, 40),
            Item("Breaker 20A", "Electrical", 1899, 2999, 0), Item("Duct tape", "", 500, 899)};
        for (int k = 0; k < items; ++k)
            QVERIFY(WriteItemRecord(k + 1, five[k]));
        screen = LoadForm<frmServices>();
        grid = screen->fgItems;
        screen->show();
        QApplication::setActiveWindow(screen);
    }
    void Press(int button) {
        QTest::mouseClick(screen->cmdServices[size_t(button)], Qt::LeftButton);
    }
    void ShowOnlyCategory(const QString &category) {
        screen->ckCategory->setChecked(true);
        screen->cboCategory->setEditText(category);
        Press(2);
    }
    // Chooses the item's row and presses Modify.
    void Modify(const QString &description) {
        ClickRow(grid, RowOf(grid, description));
        Press(9);
    }
    // Deletes the item's row, answering the question asked first.
    void Delete(const QString &description, QMessageBox::StandardButton answer = QMessageBox::Yes) {
        ClickRow(grid, RowOf(grid, description));
        auto ask = AnswerMessageBox(answer);
        Press(10);
        QCOMPARE(ask->text, QString("This will DELETE the Selected Sales Item"));
        QCOMPARE(ask->title, QString("Delete Sales Item"));
        QCOMPARE(ask->buttons, QStringList({"Yes", "No"}));
    }
    QByteArray ItemsFile() const { return data->read("/VIInventoriedItems.txt"); }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        data.emplace();
    }
    void cleanup() {
        data.reset();
        QVERIFY(EndScreenTest());
    }

    void gridLoadsSortedByCategory() {
        Open();
        QCOMPARE(Column(grid, 1),
                 QStringList({"", "Electrical", "Electrical", "Plumbing", "Plumbing"}));
        QCOMPARE(grid->TextMatrix(0, 2), QString("Cost (Unit)"));
        const int elbow = RowOf(grid, "Copper elbow");
        QCOMPARE(grid->TextMatrix(elbow, 2), QString("$100.00"));
        QCOMPARE(grid->TextMatrix(elbow, 3), QString("$150.00"));
        QCOMPARE(grid->TextMatrix(elbow, 5), QString("$135.00"));
        QCOMPARE(grid->TextMatrix(elbow, 6), QString("10"));
        CheckRecordNumbers(grid);
        // Categories collected in the order first met, the empty one left out.
        QCOMPARE(screen->cboCategory->count(), 2);
        QCOMPARE(screen->cboCategory->itemText(0), QString("Plumbing"));
        QVERIFY(screen->cmdServices[9]->isEnabled());
        QVERIFY(!screen->cmdServices[10]->isEnabled());
        QVERIFY(!screen->txtDescription[1]->isEnabled());
        Screenshot(screen, "services-browse");
    }

    void noItemsFile() {
        Open(0);
        QCOMPARE(grid->Rows(), 1);
        QVERIFY(!screen->cmdServices[1]->isEnabled());
        QVERIFY(!screen->cmdServices[9]->isEnabled());
    }

    void sortChosen_data() {
        QTest::addColumn<int>("sortBy");
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("reload by cost")
            << 2 << false << QStringList({"$2.50", "$5.00", "$9.50", "$18.99", "$100.00"});
        QTest::newRow("in place by price")
            << 3 << true << QStringList({"$4.00", "$8.99", "$15.00", "$29.99", "$150.00"});
    }
    void sortChosen() {
        QFETCH(int, sortBy);
        QFETCH(bool, inPlace);
        QFETCH(QStringList, cells);
        Open();
        screen->lstSortBy->setCurrentRow(sortBy);
        screen->ckByCategory->setChecked(true);    // asks for the chosen sort, in place...
        screen->ckByCategory->setChecked(inPlace); // ...or, unticked again, at the reload
        Press(2);
        QVERIFY(!screen->ckByCategory->isChecked());
        QCOMPARE(Column(grid, sortBy), cells);
        Press(2); // the reload that follows keeps the chosen sort
        QCOMPARE(Column(grid, sortBy), cells);
        CheckRecordNumbers(grid);
    }

    void categoryFilter() {
        Open();
        auto select = AnswerMessageBox(QMessageBox::Ok);
        ShowOnlyCategory("");
        QCOMPARE(select->text, QString("Select a Category"));
        QCOMPARE(select->title, QString("Velbor Inventory"));
        ShowOnlyCategory("plumbing"); // exact, case-sensitive
        QCOMPARE(grid->Rows(), 1);
        ShowOnlyCategory("Plumbing");
        QCOMPARE(Column(grid, 0), QStringList({"Copper elbow", "PVC tee"}));
        QVERIFY(!screen->cmdServices[8]->isEnabled());
        CheckRecordNumbers(grid);
    }

    void saveChecksInOrder() {
        Open();
        Press(8);
        Press(13);
        QVERIFY(screen->txtDescription[1]->hasFocus());
        Type(screen->txtDescription[1], "Hose clamp");
        Press(13);
        QVERIFY(screen->txtCharge[1]->hasFocus());
        Type(screen->txtCharge[1], "3.25");
        Press(13);
        QVERIFY(screen->txtCharge[2]->hasFocus());
        Type(screen->txtCharge[2], "3");
        Screenshot(screen, "services-adding");
        Type(screen->txtOnHand, "abc");
        Press(13);
        QCOMPARE(screen->txtOnHand->text(), QString("0"));
        QCOMPARE(int(ItemCount()), 5);

        // Now it saves: appended as record 6, the empty boxes stored as 0.
        screen->cboCategory->setEditText("Plumbing");
        Press(13);
        QCOMPARE(int(ItemCount()), 6);
        QCOMPARE(*ReadItemRecord(6),
                 ItemRecord({"Hose clamp", "Plumbing", {}, Cents(325), 0, Cents(300), 0, 0, 0}));
        QCOMPARE(grid->TextMatrix(RowOf(grid, "Hose clamp"), 9), QString("6"));
        QVERIFY(!screen->txtDescription[1]->isEnabled());
        QVERIFY(screen->txtDescription[1]->text().isEmpty());
        CheckRecordNumbers(grid);
    }

    void refusedEntriesSayWhatIsWanted_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("imported"); // whether a spreadsheet row with that cell is taken
        const QString count = "Enter a whole number from 0 to 32,767";
        const QString bigCount = "Enter a whole number from 0 to 2,147,483,647";
        const QString amount = "Enter an amount, such as 12.50";
        const QString zeroOrMore = "Enter an amount of 0 or more";
        const auto row = [](const char *name, const char *box, const char *text, QString note,
                            bool imported = false) {
            QTest::newRow(name) << QString(box) << QString(text) << note << imported;
        };
        row("no description", "txtDescription_1", "", "Enter a description of the item");
        // An empty cell of a spreadsheet is 0; on the screen the price has to be typed.
        row("no sell price", "txtCharge_1", "", amount + " (Clear Prices sets 0)", true);
        row("on-hand not a number", "txtOnHand", "abc", count);
        row("on-hand too big", "txtOnHand", "40000", count);
        row("on-hand fraction", "txtOnHand", "2.5", count);
        row("on-hand negative", "txtOnHand", "-3", count);
        row("discount qty too big", "txtDiscountQty", "2147483648", bigCount);
        row("discount qty negative", "txtDiscountQty", "-1", bigCount);
        row("reorder not a number", "txtReorderAmount", "lots", count);
        row("reorder negative", "txtReorderAmount", "-2", count);
        row("reorder at too small", "txtReorderAt", "-40000", count);
        row("cost with a comma for a point", "txtCost", "1,50", amount);
        row("cost negative", "txtCost", "-1", zeroOrMore);
        row("price negative", "txtCharge_1", "(5.00)", zeroOrMore);
        row("discount price negative", "txtCharge_2", "-0.01", zeroOrMore);
    }
    // The same figures through the item screen and through Import Items (CSV): one rule.
    void refusedEntriesSayWhatIsWanted() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, note);
        QFETCH(bool, imported);
        const QStringList columns = {"txtDescription_1", "",
                                     "txtCost",          "txtCharge_1",
                                     "txtOnHand",        "txtCharge_2",
                                     "txtDiscountQty",   "txtReorderAmount",
                                     "txtReorderAt"};
        QStringList cells = {"Elbow", "Pipe", "1", "1", "1", "1", "0", "0", "0"};
        cells[columns.indexOf(box)] = '"' + text + '"';
        QString error;
        const std::optional<ItemImport> plan = PlanItemImport(
            "Description,Category,Cost,Price,On Hand,Discount Price,Discount Quantity,Reorder "
            "Amount,Reorder Level\r\n" +
                cells.join(u',').toUtf8(),
            {}, &error);
        QVERIFY2(plan, qPrintable(error));
        QCOMPARE(plan->Added, imported ? 1 : 0);

        Open();
        const QByteArray before = ItemsFile();
        Press(8);
        for (QLineEdit *valid : {screen->txtDescription[1], screen->txtCharge[1],
                                 screen->txtCharge[2], screen->txtOnHand})
            Type(valid, "1");
        auto *target = screen->findChild<QLineEdit *>(box);
        target->setFocus();
        Type(target, text);
        Press(13);
        QVERIFY(target->hasFocus());
        QCOMPARE(NoteShown(screen), note);
        Screenshot(screen, "services-refusal");
        QTest::keyClick(target, Qt::Key_End); // typing again puts the note away
        QCOMPARE(NoteShown(screen), QString());
        QCOMPARE(ItemsFile(), before);
    }

    void closeBoxAsksBeforeLosingTyping() {
        Open();
        // Nothing typed yet: nothing to ask.
        Press(8);
        AnswerMessageBox(QMessageBox::No);
        screen->close();
        QVERIFY(LoadedForms().isEmpty());
        QVERIFY(!AllModalsHandled()); // the answer queued above was never needed

        Open();
        Modify("Copper elbow");
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
        Open(0);
        Press(8);
        Press(24);
        QCOMPARE(screen->txtCharge[1]->text(), QString("$0.00"));
        QTest::keyClicks(screen->txtCharge[1], "7");
        QCOMPARE(screen->txtCharge[1]->text(), QString("7"));
        for (QLineEdit *box : {screen->txtOnHand, screen->txtDiscountQty, screen->txtReorderAmount,
                               screen->txtReorderAt, screen->txtCost}) {
            box->setText(box == screen->txtCost ? "$0.00" : "0");
            QTest::keyClicks(box, "4");
            QCOMPARE(box->text(), QString("4"));
        }

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
        Open();
        screen->ckClearItem->setChecked(true);
        screen->cboCategory->setEditText("Plumbing");
        Modify("Wire nut");
        QVERIFY(!grid->isEnabled()); // locked while the item is changed
        QCOMPARE(screen->txtCharge[1]->text(), QString("$15.00"));
        QCOMPARE(screen->cboCategory->currentText(), QString("Plumbing"));
        Screenshot(screen, "services-modify");
        Type(screen->txtOnHand, "33");
        Type(screen->txtCost, "$1,500.00"); // groups of three are grouping
        Press(13);
        QVERIFY(grid->isEnabled());
        QCOMPARE(*ReadItemRecord(2), Item("Wire nut", "Plumbing", 150000, 1500, 33));
        QCOMPARE(int(ItemCount()), 5);
        QCOMPARE(screen->cboCategory->currentText(), QString("Plumbing")); // retained
    }

    void deleteRenumbersTheRowsAfterIt() {
        Open();
        data->write("/Backup/VIInventoriedItems.txt", ItemsFile());
        Delete("PVC tee", QMessageBox::No);
        QCOMPARE(int(ItemCount()), 5);
        Delete("PVC tee");
        QCOMPARE(Descriptions(),
                 QStringList({"Copper elbow", "Wire nut", "Breaker 20A", "Duct tape"}));
        QVERIFY(!data->exists("/Backup/VIInventoriedItems.txt"));
        QCOMPARE(grid->Rows(), 5);
        QVERIFY(!screen->cmdServices[10]->isEnabled());
        CheckRecordNumbers(grid);

        // Saving the row that showed record 5 writes record 4.
        Modify("Duct tape");
        Type(screen->txtDescription[1], "Duct tape, silver");
        Press(13);
        QCOMPARE(ReadItemRecord(4)->Description, QString("Duct tape, silver"));
        QCOMPARE(int(ItemCount()), 4);
        CheckRecordNumbers(grid);
        // The grid filled afresh forgets the row chosen: Delete waits for another click.
        QVERIFY(!screen->cmdServices[10]->isEnabled());
        ClickRow(grid, RowOf(grid, "Wire nut"));
        QVERIFY(screen->cmdServices[10]->isEnabled());
        Press(2); // sorted again
        QVERIFY(!screen->cmdServices[10]->isEnabled());
    }

    void deleteTheOnlyItem() {
        Open(1);
        data->write("/Backup/VIInventoriedItems.txt", ItemsFile());
        Delete("Copper elbow");
        QVERIFY(!data->exists("/VIInventoriedItems.txt"));
        QVERIFY(!data->exists("/Backup/VIInventoriedItems.txt"));
        QCOMPARE(grid->Rows(), 1);
        QVERIFY(!screen->cmdServices[10]->isEnabled());
        Press(9); // no item left to change
        QCOMPARE(NoteShown(screen), QString("Click an item in the grid first"));
        QVERIFY(!screen->txtDescription[1]->isEnabled());
    }

    void deleteInFilteredGridKeepsTheOthers() {
        Open(2);
        ShowOnlyCategory("Electrical");
        QCOMPARE(grid->Rows(), 2); // the only row of the grid, not the only item of the file
        Delete("Wire nut");
        QCOMPARE(Descriptions(), QStringList({"Copper elbow"}));
    }

    void cancelLeavesEverythingAsItWas() {
        Open();
        const QByteArray before = ItemsFile();
        Modify("Wire nut");
        Type(screen->txtDescription[1], "changed");
        // Clear Item empties the fields but keeps a retained category and the edit state.
        screen->ckClearItem->setChecked(true);
        screen->cboCategory->setEditText("Electrical");
        Press(11);
        QVERIFY(screen->txtDescription[1]->text().isEmpty());
        QVERIFY(screen->txtCharge[1]->text().isEmpty());
        QCOMPARE(screen->cboCategory->currentText(), QString("Electrical"));
        QVERIFY(screen->txtDescription[1]->isEnabled());
        Press(14);
        QVERIFY(grid->isEnabled());
        QVERIFY(!screen->txtDescription[1]->isEnabled());
        QCOMPARE(ItemsFile(), before);
    }

    void menuReturnsToTheMainMenu() {
        Main();
        LoadForm<frmServices>()->show();
        QTest::mouseClick(LoadForm<frmServices>()->cmdServices[0], Qt::LeftButton);
        QVERIFY(!ScreenVisible("frmServices"));
        QVERIFY(ScreenVisible("frmStartup"));
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
