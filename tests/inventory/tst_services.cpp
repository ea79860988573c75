#include "base/StockHistory.h"
#include "inventory/ItemCsv.h"
#include "support/Screens.h"

#include <QDateEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>

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

// A row's cells from its description to its reorder level.
QStringList Row(const FlexGrid *grid, int row) {
    QStringList cells;
    for (int col = 0; col <= 8; ++col)
        cells << grid->TextMatrix(row, col);
    return cells;
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
    // The scenarios' names of the buttons and the item's boxes.
    int Button(const QString &name) const {
        return QStringList({"menu", "print", "sort", "-", "-", "-", "-", "-", "add", "modify",
                            "delete", "clear", "-", "save", "cancel"})
            .indexOf(name);
    }
    QWidget *Widget(const QString &name) const {
        const QStringList names = {"description", "category", "cost",    "price", "onhand",
                                   "discount",    "qty",      "reorder", "at",    "grid"};
        QWidget *const widgets[] = {screen->txtDescription[1], screen->cboCategory,
                                    screen->txtCost,           screen->txtCharge[1],
                                    screen->txtOnHand,         screen->txtCharge[2],
                                    screen->txtDiscountQty,    screen->txtReorderAmount,
                                    screen->txtReorderAt,      grid};
        const int button = Button(name);
        return button >= 0 ? screen->cmdServices[size_t(button)] : widgets[names.indexOf(name)];
    }
    QLineEdit *Box(const QString &name) const {
        return name == "category" ? screen->cboCategory->lineEdit()
                                  : static_cast<QLineEdit *>(Widget(name));
    }
    QByteArray ItemsFile() const { return data->read("/VIInventoriedItems.txt"); }

    // One step of a scenario. Steps of the user's: a button ("add", "save", "clear prices"...),
    // "click X" or "edit X" (X's row, then Modify), "delete X" or "keep X" (X's row, Delete,
    // answered Yes or No), "only C" (category C only), "retain C" (Retain Current Category, C),
    // "go BOX", "BOX=text" (typed afresh), "BOX+text" (typed on), "ok TEXT" (the next message
    // box says TEXT, answered Ok), "backup" (a backup of the items file), "shot NAME".
    // What they leave: "BOX?text", "focus BOX", "note TEXT", "on X"/"off X" (enabled or not),
    // "rows N", "row CELLS", "column N CELLS", "categories LIST" (cells and lists "|"-separated),
    // "file LIST" (the items file's descriptions; empty: no file), "count N", "record N CELLS",
    // "same" (the items file as it was), "no backup", "history ITEM|CATEGORY|MOVEMENTS" (the
    // item's stock history, newest first).
    void Do(const QString &step) {
        static const QRegularExpression typed("^(\\w+)([=+?])(.*)$");
        const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
        const QStringList list = arg.split('|');
        if (const auto m = typed.match(step); m.hasMatch()) {
            QLineEdit *box = Box(m.captured(1));
            if (m.captured(2) == "?")
                QCOMPARE(box->text(), m.captured(3));
            else if (m.captured(2) == "+")
                QTest::keyClicks(box, m.captured(3));
            else if (box == screen->cboCategory->lineEdit())
                screen->cboCategory->setEditText(m.captured(3));
            else
                Type(box, m.captured(3));
        } else if (Button(step) >= 0 || step == "clear prices") {
            Press(step == "clear prices" ? 24 : Button(step));
        } else if (verb == "click" || verb == "edit" || verb == "delete" || verb == "keep") {
            ClickRow(grid, RowOf(grid, arg));
            if (verb == "edit")
                Press(Button("modify"));
            if (verb == "delete" || verb == "keep") {
                auto ask = AnswerMessageBox(verb == "delete" ? QMessageBox::Yes : QMessageBox::No);
                Press(Button("delete"));
                QCOMPARE(ask->text, QString("This will DELETE the Selected Sales Item"));
            }
        } else if (verb == "only" || verb == "retain") {
            (verb == "only" ? screen->ckCategory : screen->ckClearItem)->setChecked(true);
            screen->cboCategory->setEditText(arg);
            if (verb == "only")
                Press(Button("sort"));
        } else if (verb == "go") {
            Widget(arg)->setFocus();
        } else if (verb == "ok") {
            said.push_back({AnswerMessageBox(QMessageBox::Ok), arg});
        } else if (verb == "backup") {
            data->write("/Backup/VIInventoriedItems.txt", ItemsFile());
        } else if (verb == "shot") {
            Screenshot(screen, arg);
        } else if (verb == "focus") {
            QVERIFY(Widget(arg)->hasFocus());
        } else if (verb == "note") {
            QCOMPARE(NoteShown(screen), arg);
        } else if (verb == "on" || verb == "off") {
            QCOMPARE(Widget(arg)->isEnabled(), verb == "on");
        } else if (verb == "rows" || verb == "count") {
            QCOMPARE(verb == "rows" ? grid->Rows() : int(ItemCount()), arg.toInt());
        } else if (verb == "row") {
            QCOMPARE(Row(grid, RowOf(grid, list[0])), list);
        } else if (verb == "column") {
            QCOMPARE(Column(grid, list[0].toInt()), list.mid(1));
        } else if (verb == "categories") {
            QStringList items;
            for (int i = 0; i < screen->cboCategory->count(); ++i)
                items << screen->cboCategory->itemText(i);
            QCOMPARE(items, list);
        } else if (verb == "file") {
            QCOMPARE(Descriptions(), arg.isEmpty() ? QStringList() : list);
            QCOMPARE(data->exists("/VIInventoriedItems.txt"), !arg.isEmpty());
        } else if (verb == "record") {
            QCOMPARE(ReadItemRecord(arg.section(' ', 0, 0).toInt()),
                     ItemFromCells(arg.section(' ', 1).split('|')));
        } else if (verb == "history") {
            QCOMPARE(HistoryOf(list[0], list[1]), list.mid(2));
        } else if (step == "same") {
            QCOMPARE(ItemsFile(), before);
        } else if (step == "no backup") {
            QVERIFY(!data->exists("/Backup/VIInventoriedItems.txt"));
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
    std::vector<std::pair<std::shared_ptr<SeenMessage>, QString>> said;
    QByteArray before;
    // Every row's record number is the place in the file of the item it shows.
    void CheckRecordNumbers() {
        const QStringList names = Descriptions();
        for (int r = 1; r < grid->Rows(); ++r)
            QCOMPARE(names.value(grid->TextMatrix(r, 9).toInt() - 1), grid->TextMatrix(r, 0));
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        data.emplace();
        said.clear();
    }
    void cleanup() {
        data.reset();
        QVERIFY(EndScreenTest());
    }

    void scenarios_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("steps");
        // Sorted by category; categories in the order first met, the empty one left out.
        QTest::newRow("browse")
            << 5
            << "column 1||Electrical|Electrical|Plumbing|Plumbing; "
               "row Copper elbow|Plumbing|$100.00|$150.00|5|$135.00|10|12|2; "
               "categories Plumbing|Electrical; on modify; off delete; off description; "
               "shot services-browse";
        QTest::newRow("no items file") << 0 << "rows 1; off print; off modify";
        QTest::newRow("category filter, exact")
            << 5
            << "ok Select a Category; only; only plumbing; rows 1; only Plumbing; "
               "column 0|Copper elbow|PVC tee; off add";
        // Each missing entry in its turn takes the focus; then appended as record 6, the empty
        // boxes stored as 0.
        QTest::newRow("save checks in order")
            << 5
            << "add; save; focus description; description=Hose clamp; save; focus price; "
               "price=3.25; save; focus discount; discount=3; shot services-adding; onhand=abc; "
               "save; onhand?0; same; category=Plumbing; save; "
               "record 6 Hose clamp|Plumbing|0|3.25|0|3|0|0|0; description?; off description; "
               "history Hose clamp|Plumbing|added 0 0";
        // Typing into a box that shows only its zero replaces the zero; leaving a money box
        // formats it; a discount quantity left empty becomes 0.
        QTest::newRow("zero placeholders")
            << 0
            << "add; clear prices; price?$0.00; price+4; price?4; onhand=0; onhand+4; onhand?4; "
               "qty=0; qty+4; qty?4; reorder=0; reorder+4; reorder?4; at=0; at+4; at?4; "
               "cost=$0.00; cost+4; cost?4; go cost; cost=1234.5; qty=; go qty; cost?$1,234.50; "
               "go onhand; qty?0";
        QTest::newRow("modify, category retained")
            << 5
            << "retain Plumbing; edit Wire nut; off grid; price?$15.00; category?Plumbing; "
               "shot services-modify; onhand=33; cost=$1,500.00; save; on grid; "
               "record 2 Wire nut|Plumbing|$1,500.00|$15.00|33|$13.50|10|12|2; count 5; "
               "category?Plumbing; history Wire nut|Electrical|edited -5 0; "
               "history Wire nut|Plumbing|edited 33 33";
        // The rows after it renumbered: saving the row that showed record 5 writes record 4.
        // The grid filled afresh forgets the row chosen: Delete waits for another click.
        QTest::newRow("delete renumbers")
            << 5
            << "backup; keep PVC tee; count 5; delete PVC tee; "
               "file Copper elbow|Wire nut|Breaker 20A|Duct tape; no backup; rows 5; off delete; "
               "edit Duct tape; description=Duct tape, silver; save; "
               "file Copper elbow|Wire nut|Breaker 20A|Duct tape, silver; "
               "off delete; click Wire nut; on delete; sort; off delete; "
               "history PVC tee|Plumbing|deleted -40 0; history Duct tape||edited -5 0; "
               "history Duct tape, silver||edited 5 5";
        QTest::newRow("delete the only item")
            << 1
            << "backup; delete Copper elbow; file; no backup; rows 1; off delete; modify; "
               "note Click an item in the grid first; off description; "
               "history Copper elbow|Plumbing|deleted -5 0";
        // The only row of the grid, not the only item of the file.
        QTest::newRow("delete in a filtered grid")
            << 2 << "only Electrical; rows 2; delete Wire nut; file Copper elbow";
        // Clear Item empties the fields but keeps a retained category and the edit state.
        QTest::newRow("clear and cancel")
            << 5
            << "edit Wire nut; description=changed; retain Electrical; clear; description?; "
               "price?; category?Electrical; on description; cancel; on grid; off description; "
               "same";
    }
    void scenarios() {
        QFETCH(int, items);
        QFETCH(QString, steps);
        Open(items);
        before = ItemsFile();
        for (const QString &step : steps.split(';')) {
            Do(step.trimmed());
            CheckRecordNumbers();
            QVERIFY2(!QTest::currentTestFailed(), qPrintable("at " + step));
        }
        for (const auto &[seen, text] : said)
            QCOMPARE(seen->text, text);
    }

    // A history that cannot be kept never stops the stock change; the user hears why.
    void historyThatCannotBeKept_data() {
        QTest::addColumn<bool>("full");
        QTest::newRow("a folder in its place") << false;
        QTest::newRow("no room left for it") << true;
    }
    void historyThatCannotBeKept() {
        QFETCH(bool, full);
        Open(5);
        if (full) { // the database may not grow a page, and its pages are filled up
            StockHistory::ItemHistory("Wire nut", "", QDate::currentDate(), QDate::currentDate());
            QSqlQuery fill(QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst()));
            QVERIFY(fill.exec("PRAGMA page_count") && fill.next());
            QVERIFY(fill.exec("PRAGMA max_page_count = " + fill.value(0).toString()));
            while (fill.exec("INSERT INTO movements (at, time, description, category, record, "
                             "change, on_hand, kind, reference, state, batch) VALUES "
                             "('', 0, '', '', 0, 0, 0, '', '', '', 0)")) {
            }
        } else {
            QVERIFY(QDir().mkpath(data->path("/StockHistory.db")));
        }
        const auto said = AnswerMessageBox(QMessageBox::Ok);
        for (const QString step : {"edit Wire nut", "onhand=33", "save"})
            Do(step);
        QCOMPARE(ReadItemRecord(2)->OnHand, 33);
        QVERIFY2(said->text.startsWith("The stock change has been saved, but the stock history "
                                       "could not be kept.\n\n"),
                 qPrintable(said->text));
        if (!full)
            return;
        QVERIFY2(said->text.contains("full"), qPrintable(said->text));
        // With room again, the next change is kept: the failed one left nothing half done.
        QSqlQuery room(QSqlDatabase::database(QSqlDatabase::connectionNames().constFirst()));
        QVERIFY(room.exec("PRAGMA max_page_count = 100000"));
        for (const QString step : {"edit Wire nut", "onhand=34", "save"})
            Do(step);
        QCOMPARE(HistoryOf("Wire nut", "Electrical"), QStringList({"edited 1 34"}));
    }

    // The chosen item's movements, newest first, printed and exported as they show.
    void historyOfAnItem() {
        Open(5);
        for (const QString step :
             {"edit Wire nut", "onhand=33", "save", "edit Wire nut", "onhand=30", "save"})
            Do(step);
        QVERIFY(!screen->cmdHistory->isEnabled());
        ClickRow(grid, RowOf(grid, "Wire nut"));
        const QString pdf = data->path("/history.pdf");
        const QString csv = data->path("/history.csv");
        OnNextModal([&](QWidget *modal) {
            QCOMPARE(modal->objectName(), QString("dlgStockHistory"));
            auto *print = modal->findChild<QPushButton *>("cmdPrintHistory");
            const QAbstractItemModel *rows = modal->findChild<QTableView *>("tblHistory")->model();
            QCOMPARE(RowTexts(rows, {1, 2, 3}), QStringList({"Edited on the item screen -3 30",
                                                             "Edited on the item screen 28 33"}));
            PrintToPdf(pdf);
            print->click();
            ChooseFile(csv);
            modal->findChild<QPushButton *>("cmdExportHistory")->click();
            modal->findChild<QDateEdit *>("dtTo")->setDate(QDate::currentDate().addDays(-1));
            QCOMPARE(rows->rowCount(), 0);
            QVERIFY(!print->isEnabled());
            QVERIFY(modal->findChild<QDateEdit *>("dtFrom"));
            static_cast<QDialog *>(modal)->reject();
        });
        QTest::mouseClick(screen->cmdHistory, Qt::LeftButton);
        // Alt and a double-click on a row open it too; a plain double-click does not.
        const QRect cell = grid->visualRect(grid->Model()->index(RowOf(grid, "Duct tape") - 1, 0));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        bool opened = false;
        OnNextModal([&](QWidget *modal) {
            opened = modal->windowTitle() == "Stock History - Duct tape";
            static_cast<QDialog *>(modal)->reject();
        });
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::AltModifier, cell.center());
        QVERIFY(opened);
        KeepForReview(pdf, "stock-history.pdf");
        const QList<PdfWord> words = ReadPdfWords(pdf);
        QCOMPARE(WordTexts(LineOf(words, FindWord(words, "Stock"))),
                 QStringList({"Stock", "History", "-", "Wire", "nut"}));
        QCOMPARE(LineOf(words, FindWord(words, "-3")).size(), 10); // date, time, what, -3, 30
        // Numbers stand right-aligned under their heading.
        for (const char *other : {"28", "Change"})
            QVERIFY(qAbs(FindWord(words, other).xMax - FindWord(words, "-3").xMax) < 0.5);
        const QList<QByteArray> lines = data->read("/history.csv").split('\n');
        QCOMPARE(lines.value(0), QByteArray("\xEF\xBB\xBF\"Date\",\"What happened\",\"Change\","
                                            "\"On hand after\",\"Reference\"\r"));
        QVERIFY2(lines.value(1).endsWith(",\"Edited on the item screen\",-3,30,\"\"\r"),
                 lines.value(1));
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
        screen->ckByCategory->setChecked(true);      // asks for the chosen sort, in place...
        screen->ckByCategory->setChecked(inPlace);   // ...or, unticked again, at the reload
        for (int reload = 0; reload < 2; ++reload) { // the reload after keeps the chosen sort
            Do("sort");
            QVERIFY(!screen->ckByCategory->isChecked());
            QCOMPARE(Column(grid, sortBy), cells);
            CheckRecordNumbers();
        }
    }

    void refusedEntriesSayWhatIsWanted_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("column"); // of a spreadsheet's row
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("imported"); // whether a spreadsheet row with that cell is taken
        const QString count = "Enter a whole number from 0 to 32,767";
        const QString bigCount = "Enter a whole number from 0 to 2,147,483,647";
        const QString amount = "Enter an amount, such as 12.50";
        const QString zeroOrMore = "Enter an amount of 0 or more";
        const auto row = [](const char *name, const char *box, int column, const char *text,
                            QString note, bool imported = false) {
            QTest::newRow(name) << QString(box) << column << QString(text) << note << imported;
        };
        row("no description", "description", 0, "", "Enter a description of the item");
        // An empty cell of a spreadsheet is 0; on the screen the price has to be typed.
        row("no sell price", "price", 3, "", amount + " (Clear Prices sets 0)", true);
        row("on-hand not a number", "onhand", 4, "abc", count);
        row("on-hand too big", "onhand", 4, "40000", count);
        row("on-hand fraction", "onhand", 4, "2.5", count);
        row("on-hand negative", "onhand", 4, "-3", count);
        row("discount qty too big", "qty", 6, "2147483648", bigCount);
        row("discount qty negative", "qty", 6, "-1", bigCount);
        row("reorder not a number", "reorder", 7, "lots", count);
        row("reorder negative", "reorder", 7, "-2", count);
        row("reorder at too small", "at", 8, "-40000", count);
        row("cost with a comma for a point", "cost", 2, "1,50", amount);
        row("cost negative", "cost", 2, "-1", zeroOrMore);
        row("price negative", "price", 3, "(5.00)", zeroOrMore);
        row("discount price negative", "discount", 5, "-0.01", zeroOrMore);
    }
    // The same figures through the item screen and through Import Items (CSV): one rule.
    void refusedEntriesSayWhatIsWanted() {
        QFETCH(QString, box);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, note);
        QFETCH(bool, imported);
        QStringList cells = {"Elbow", "Pipe", "1", "1", "1", "1", "0", "0", "0"};
        cells[column] = '"' + text + '"';
        QString error;
        const std::optional<ItemImport> plan =
            PlanItemImport(ItemsToCsv({}) + cells.join(u',').toUtf8(), {}, &error);
        QVERIFY2(plan, qPrintable(error));
        QCOMPARE(plan->Added, imported ? 1 : 0);

        Open();
        before = ItemsFile();
        for (const QString &step :
             QStringList{"add", "description=1", "price=1", "discount=1", "onhand=1", "go " + box,
                         box + "=" + text, "save", "focus " + box, "note " + note})
            Do(step);
        Screenshot(screen, "services-refusal");
        QTest::keyClick(Box(box), Qt::Key_End); // typing again puts the note away
        Do("note ");
        Do("same");
    }

    void closeBoxAsksBeforeLosingTyping() {
        Open();
        Do("add"); // nothing typed yet: nothing to ask
        AnswerMessageBox(QMessageBox::No);
        screen->close();
        QVERIFY(LoadedForms().isEmpty());
        QVERIFY(!AllModalsHandled()); // the answer queued above was never needed

        Open();
        Do("edit Copper elbow");
        Do("description+ (old)");
        auto no = AnswerMessageBox(QMessageBox::No);
        screen->close();
        QCOMPARE(no->text, QString("The item you are editing has not been saved. Close the "
                                   "program anyway?"));
        QVERIFY(screen->isVisible());
        Do("description?Copper elbow (old)");
        AnswerMessageBox(QMessageBox::Yes);
        screen->close();
        QVERIFY(LoadedForms().isEmpty());
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
