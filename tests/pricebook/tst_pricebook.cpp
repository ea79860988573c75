#include "common/Cp1252.h"
#include "pricebook/RFQText.h"
#include "printing/InventoryPrintRoutines.h"
#include "support/Screens.h"

#include <QToolButton>
#include <QtEndian>

namespace {

ItemRecord Item(const QString &description, const QString &category, qint64 costCents = 250,
                qint64 priceCents = 400) {
    const auto cents = &Currency::fromCents;
    return {description, category, cents(costCents), cents(priceCents), 0, cents(350), 10, 0, 0};
}

QByteArray ServiceBytes(const QString &description, const QString &price) {
    return ToCp1252(description).leftJustified(60, ' ') + ToCp1252(price).leftJustified(10, ' ') +
           QByteArray(2, '\0');
}

QByteArray CustomItemBytes(const QString &description, qint64 priceCents) {
    QByteArray bytes = ToCp1252(description).leftJustified(50, ' ');
    char number[8];
    qToLittleEndian<qint64>(priceCents * 100, number);
    bytes.append(number, 8);
    bytes.append(QByteArray(12, '\0'));
    return bytes;
}

QStringList Entries(const QListWidget *list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}

} // namespace

class TestPriceBook : public QObject {
    Q_OBJECT
    frmPriceBook *screen = nullptr;

    // The files in place, the program's start-up screens loaded, and the price book opened
    // from the main menu.
    void Open(const TestDataFolder &data, const std::vector<ItemRecord> &items,
              const QStringList &vendors = {}) {
        data.write("/MyBusinessData.txt", AceBusinessData);
        for (int n = 1; n <= vendors.size(); ++n)
            QVERIFY(SaveVendor(n, {"", vendors[n - 1], "9 Main St", "", "Akron", "OH", "44301"}));
        WriteItems(items);
        LoadForm<frmSetup>();
        LoadForm<frmContacts>();
        screen = static_cast<frmPriceBook *>(OpenRoutine(5));
        QVERIFY(screen);
    }

    // One step of the user's, as the data tables write them: "tick A", "untick A", "order A"
    // (click A among the selected), "pick A" (in the order), "up", "down", "copy", "services",
    // "select all" or "clear".
    void Do(const QString &step) {
        const QString what = step.section(u' ', 1);
        if (step.startsWith("tick ") || step.startsWith("untick ")) {
            QListWidgetItem *entry = screen->lstCategories->findItems(what, Qt::MatchExactly)[0];
            if ((entry->checkState() == Qt::Checked) != step.startsWith("tick ")) {
                screen->lstCategories->setCurrentItem(entry);
                QTest::keyClick(screen->lstCategories, Qt::Key_Space);
            }
        } else if (step.startsWith("order ")) {
            QListWidget *list = screen->lstCategoriesSelected;
            const QRect at = list->visualItemRect(list->findItems(what, Qt::MatchExactly)[0]);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
        } else if (step == "copy") {
            screen->cmdPB[4]->click();
        } else if (step == "services") {
            AnswerMessageBox(QMessageBox::Ok);
            screen->ckPB[3]->click();
        } else if (step.startsWith("pick ")) {
            screen->lstSort->setCurrentItem(screen->lstSort->findItems(what, Qt::MatchExactly)[0]);
        } else if (step == "up" || step == "down") {
            (step == "up" ? screen->UpDown1->up() : screen->UpDown1->down())->click();
        } else if (step == "select all") {
            screen->cmdPB[2]->click();
        } else if (step == "clear") {
            if (screen->ckPB[3]->isChecked())
                AnswerMessageBox(QMessageBox::Ok); // the services unticked
            screen->cmdPB[1]->click();
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }

    int TickedRows() const {
        int ticked = 0;
        for (int r = 1; r < screen->fgItems->Rows(); ++r)
            ticked += screen->fgItems->TextMatrix(r, 0) == TickMark();
        return ticked;
    }

    // Create RFQ, then Prepare RFQ, as the user unlocks the request.
    void OpenRFQ() {
        AnswerMessageBox(QMessageBox::Ok);
        screen->mnuRFQ->trigger();
        screen->cmdPB[7]->click();
        QVERIFY(screen->fraRFQ->isVisible());
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QVERIFY(EndScreenTest()); }

    // "steps|selected|order": steps separated by ";", list entries by spaces.
    void composing_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("printing"); // what Print Price Book says; empty when it prints
        const QString none = "You have not Selected any Categories";
        const QString unordered = "You have not Ordered All Selected Categories";
        QTest::newRow("nothing") << QString("||") << none;
        QTest::newRow("re-tick goes last")
            << QString("tick A;tick B;untick A;tick A|B A|") << unordered;
        QTest::newRow("order as clicked")
            << QString("tick A;tick B;order B;order A;order B|A B|B A") << QString();
        QTest::newRow("not all ordered") << QString("tick A;tick B;order A|A B|A") << unordered;
        QTest::newRow("untick leaves the order")
            << QString("tick A;tick B;copy;untick A|B|B") << QString();
        QTest::newRow("copy twice") << QString("tick b;tick A;copy;copy|b A|b A b A") << unordered;
        // As many entries as selected, but one of them twice and another not at all.
        QTest::newRow("one twice, one missing")
            << QString("tick A;copy;copy;tick B|A B|A A") << unordered;
        QTest::newRow("select all in list order")
            << QString("tick A;select all|B A b|") << unordered;
        QTest::newRow("moved") << QString("select all;copy;up;pick b;up;up;up;down|B A b|B b A")
                               << QString();
        QTest::newRow("services") << QString("tick A;services;order A|A|Service A") << QString();
        QTest::newRow("clear") << QString("tick A;services;copy;clear||") << none;
    }
    void composing() {
        QFETCH(QString, script);
        QFETCH(QString, printing);
        const QStringList parts = script.split('|');
        TestDataFolder data;
        data.write("/Services.txt", ServiceBytes("Drain cleaning", "$85/hr"));
        // Letter case makes a category of its own.
        Open(data, {Item("Tee", "B"), Item("Cap", "A"), Item("Elbow", "B"), Item("Plug", "b")});
        QCOMPARE(Entries(screen->lstCategories), QStringList({"B", "A", "b"}));
        for (const QString &step : parts[0].split(';', Qt::SkipEmptyParts))
            Do(step);
        const QStringList chosen = parts[1].split(' ', Qt::SkipEmptyParts);
        QCOMPARE(Entries(screen->lstCategoriesSelected), chosen);
        QCOMPARE(Entries(screen->lstSort), parts[2].split(' ', Qt::SkipEmptyParts));
        for (int i = 0; i < screen->lstCategories->count(); ++i) {
            QListWidgetItem *entry = screen->lstCategories->item(i);
            QCOMPARE(entry->checkState() == Qt::Checked, chosen.contains(entry->text()));
        }
        if (printing.isEmpty()) {
            CancelPrintDialog();
            printing = "The Pricebook will not be Printed";
        }
        auto said = AnswerMessageBox(QMessageBox::Ok);
        screen->cmdPB[3]->click();
        QCOMPARE(said->text, printing);
    }

    void sourcesAndTicks() {
        TestDataFolder data;
        data.write("/Services.txt",
                   ServiceBytes("Drain cleaning", "$85/hr") + ServiceBytes("Leak repair", "95.00"));
        data.write("/CustomItems.txt", CustomItemBytes("Custom manifold", 12000));
        Open(data, {Item("Tee", "Fittings"), Item("Cap", "Fittings")});
        FlexGrid *grid = screen->fgItems;
        QCOMPARE(screen->Label1[7]->text(),
                 QString("Grid contains Inventoried Items, Services and Custom Items"));
        QVERIFY(screen->ckPB[3]->isEnabled() && screen->ckPB[4]->isEnabled());
        // Items first (ticked), then the services, the custom item and the empty row.
        QStringList rows;
        for (int r = 1; r < grid->Rows(); ++r)
            rows << grid->TextMatrix(r, 1) + '|' + grid->TextMatrix(r, 2) + '|' +
                        grid->TextMatrix(r, 4);
        QCOMPARE(rows, QStringList({"Tee|Fittings|$4.00", "Cap|Fittings|$4.00",
                                    "Drain cleaning|Service|$85/hr", "Leak repair|Service|95.00",
                                    "Custom manifold|Custom Item|$120.00", "||"}));
        QCOMPARE(TickedRows(), 2);

        auto checked = AnswerMessageBox(QMessageBox::Ok);
        screen->ckPB[3]->click();
        QCOMPARE(checked->text, QString("All Service Items have been Checked"));
        QCOMPARE(TickedRows(), 4);
        QCOMPARE(Entries(screen->lstSort), QStringList({"Service"}));
        Screenshot(screen, "pricebook");
        screen->ckPB[4]->click(); // custom items are ticked in the grid only
        QCOMPARE(TickedRows(), 4);
        auto unchecked = AnswerMessageBox(QMessageBox::Ok);
        screen->ckPB[3]->click();
        QCOMPARE(unchecked->text, QString("All Service Items have been Unchecked"));
        QCOMPARE(Entries(screen->lstSort), QStringList({"Custom Item"}));
        QCOMPARE(TickedRows(), 2);

        ClickRow(grid, RowOf(grid, "Custom manifold", 1));
        QCOMPARE(grid->TextMatrix(5, 0), TickMark());
        ClickRow(grid, RowOf(grid, "Tee", 1));
        QCOMPARE(TickedRows(), 2);
        QTest::keyClick(grid, Qt::Key_Space); // the keyboard's tick, on the current row
        QCOMPARE(grid->TextMatrix(grid->Row(), 0), TickMark());
        screen->cmdPB[5]->click();
        QCOMPARE(TickedRows(), grid->Rows() - 1);
        screen->cmdPB[6]->click();
        QCOMPARE(TickedRows(), 0);

        // Printing goes without the empty row at the end.
        CancelPrintDialog();
        AnswerMessageBox(QMessageBox::Ok);
        screen->cmdPB[3]->click();
        QCOMPARE(grid->Rows(), 6);
        QCOMPARE(grid->TextMatrix(5, 1), QString("Custom manifold"));
    }

    void missingSourcesStayOff() {
        TestDataFolder data;
        Open(data, {Item("Tee", "Fittings")});
        QCOMPARE(screen->Label1[7]->text(), QString("Grid contains Inventoried Items"));
        QVERIFY(!screen->ckPB[3]->isEnabled() && !screen->ckPB[4]->isEnabled());
        QCOMPARE(screen->fgItems->Rows(), 2);
        QVERIFY(!screen->mnuRFQ->isEnabled()); // no supplier to ask
    }

    // What the screen hands to the printer: the ticked items in the chosen order of categories
    // and the chosen columns; the pages themselves are the page snapshots' business.
    void priceBookContent_data() {
        QTest::addColumn<bool>("cost");
        QTest::addColumn<bool>("discount");
        QTest::newRow("price only") << false << false;
        QTest::newRow("every column") << true << true;
    }
    void priceBookContent() {
        QFETCH(bool, cost);
        QFETCH(bool, discount);
        TestDataFolder data;
        Open(data, {Item("Copper elbow", "Pipe"), Item("Brass valve", "Valves", 1200, 1999),
                    Item("Unticked tee", "Pipe")});
        ClickRow(screen->fgItems, RowOf(screen->fgItems, "Unticked tee", 1));
        for (const char *step : {"tick Pipe", "tick Valves", "order Valves", "order Pipe"})
            Do(step);
        screen->ckPB[0]->setChecked(cost);
        screen->ckPB[1]->setChecked(true);
        screen->ckPB[2]->setChecked(discount);
        const PriceBookContent content = screen->Content();
        QStringList items;
        for (const PriceBookItem &item : content.Items)
            items << item.Description + '|' + item.Category + '|' + item.Cost + '|' + item.Price;
        QCOMPARE(items, QStringList(
                            {"Copper elbow|Pipe|$2.50|$4.00", "Brass valve|Valves|$12.00|$19.99"}));
        QCOMPARE(content.Order, QStringList({"Valves", "Pipe"}));
        QVERIFY(content.ShowCost == cost && content.ShowPrice && content.ShowDiscount == discount);
        const QString path = data.path("/document.pdf");
        PrintToPdf(path);
        screen->cmdPB[3]->click();
        QCOMPARE(PdfPageCount(path), 2); // the cover and one page of items
    }

    void requestText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one line") << "Please quote" << QByteArray("Please quote\r\n");
        QTest::newRow("lines") << QString("First\u00a0line\nSecond")
                               << QByteArray("First\xa0line\r\nSecond\r\n");
        QTest::newRow("empty last line") << "Quote\n" << QByteArray("Quote\r\n\r\n");
    }
    void requestText() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        TestDataFolder data;
        Open(data, {Item("Tee", "Fittings")}, {"Gulf Supply"});
        auto note = AnswerMessageBox(QMessageBox::Ok);
        screen->mnuRFQ->trigger();
        QCOMPARE(note->text,
                 QString("Click all Items in the Grid you\r\nwish to Add to the Request "
                         "for Quote"));
        screen->cmdPB[7]->click();

        screen->cmdRFQ[1]->click(); // no file yet: the default, kept for next time
        QCOMPARE(screen->txtRFQ->toPlainText(), DefaultRFQText());
        QCOMPARE(data.read("/RFQ.txt"), ToCp1252(DefaultRFQText()) + "\r\n");
        Screenshot(screen, "pricebook-rfq");

        screen->txtRFQ->setPlainText(text);
        screen->cmdRFQ[2]->click();
        QCOMPARE(data.read("/RFQ.txt"), bytes);
        screen->cmdRFQ[0]->click();
        QVERIFY(screen->txtRFQ->toPlainText().isEmpty());
        screen->cmdRFQ[1]->click();
        QCOMPARE(screen->RequestText(), text);
        screen->cmdRFQ[2]->click();
        QCOMPARE(data.read("/RFQ.txt"), bytes);

        screen->cmdPB[6]->click(); // nothing ticked: only an empty line
        screen->cmdPrintRFQ[1]->click();
        QCOMPARE(screen->RequestText(), text + "\n");
        screen->cmdRFQ[4]->click();
        QVERIFY(screen->txtRFQ->toPlainText().isEmpty());
        QVERIFY(!screen->fraRFQ->isVisible() && !screen->cmdPB[7]->isEnabled());
    }

    // The request goes to the supplier chosen, about the items asked about only.
    void rfqContent() {
        TestDataFolder data;
        std::vector<ItemRecord> items;
        for (int k = 1; k <= 60; ++k)
            items.push_back(Item(QString("Part%1").arg(k, 2, 10, QChar('0')), "Pipe"));
        Open(data, items, {"Gulf Supply", "Bay Parts", "Summit Tools"});
        FlexGrid *grid = screen->fgItems;
        QCOMPARE(VendorNumber, 1);
        screen->lstVendors->setCurrentRow(2);
        QCOMPARE(VendorNumber, 3);
        for (int r = 1; r < grid->Rows(); r += 2)
            ClickRow(grid, r);
        OpenRFQ();
        screen->txtRFQ->setPlainText("Please quote\nby Friday");
        const PriceBookContent content = screen->Content();
        QCOMPARE(int(content.Items.size()), 30);
        QCOMPARE(content.Items[24].Description, QString("Part50"));
        QCOMPARE(content.VendorBlock,
                 QStringList({"Summit Tools", "9 Main St", "Akron,OH", "44301"}));
        QCOMPARE(content.Request, QStringList({"Please quote", "by Friday"}));
        const QString path = data.path("/document.pdf");
        PrintToPdf(path);
        screen->cmdPrintRFQ[0]->click();
        QCOMPARE(PdfPageCount(path), 3); // the letter, then 24 items a page
        QVERIFY(!screen->fraRFQ->isVisible());
    }

    void cancelledAndFailedRfq() {
        TestDataFolder data;
        Open(data, {Item("Tee", "Fittings")}, {"Gulf Supply"});
        OpenRFQ();
        screen->txtRFQ->setPlainText("Quote this");
        CancelPrintDialog();
        auto cancelled = AnswerMessageBox(QMessageBox::Ok);
        screen->cmdPrintRFQ[0]->click();
        QCOMPARE(cancelled->text, QString("The RFQ will not be Printed"));
        QCOMPARE(data.read("/RFQ.txt"), QByteArray("Quote this\r\n"));

        // A save that fails says so, and the text stays for another try.
        OpenRFQ();
        screen->txtRFQ->setPlainText("Quote that");
        auto failed = AnswerMessageBox(QMessageBox::Ok);
        FailDiskOperation(1);
        screen->cmdRFQ[2]->click();
        FailDiskOperation(0);
        QCOMPARE(failed->text,
                 "The request could not be saved in the file " + data.path("/RFQ.txt") + ".");
        QCOMPARE(data.read("/RFQ.txt"), QByteArray("Quote this\r\n"));
        QCOMPARE(screen->RequestText(), QString("Quote that"));
    }
};

QTEST_MAIN(TestPriceBook)
#include "tst_pricebook.moc"
