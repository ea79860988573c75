#include "support/StockSteps.h"

#include <QDateEdit>

namespace {

enum Mode { Return = 2, Picklist = 3 };
enum PrintEnd { Printed, DialogCancelled, PreviewClosed };

} // namespace

class TestPicklist : public QObject {
    Q_OBJECT
    frmInventory *screen = nullptr;

    frmInventory *Open(Mode mode) {
        return screen = static_cast<frmInventory *>(OpenRoutine(mode));
    }

    // Selects the item and enters the units; true when the screen took them.
    bool Enter(const QString &description, int units) {
        ClickRow(screen->fgItems, RowOf(screen->fgItems, description));
        Type(screen->txtUnits, QString::number(units));
        const int beeps = BeepsSounded();
        QTest::mouseClick(screen->cmdServices[1], Qt::LeftButton);
        return BeepsSounded() == beeps;
    }

    QString OnHandShown(const QString &description) const {
        return screen->fgItems->TextMatrix(RowOf(screen->fgItems, description), 4);
    }

    // Items Complete, then Print Pick List in the set-up frame it shows.
    void PressPrint() {
        QTest::mouseClick(screen->cmdServices[4], Qt::LeftButton);
        QVERIFY(screen->fraPicklist->isVisible());
        QTest::mouseClick(screen->cmdServices[2], Qt::LeftButton);
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QVERIFY(EndScreenTest()); }

    void pickingStaysWithinStock_data() {
        QTest::addColumn<QList<int>>("adds");
        QTest::addColumn<QList<bool>>("taken");
        QTest::newRow("all on hand") << QList<int>{5} << QList<bool>{true};
        QTest::newRow("one more") << QList<int>{6} << QList<bool>{false};
        // The second line of the same item counts what the first one takes.
        QTest::newRow("twice, too many") << QList<int>{3, 3} << QList<bool>{true, false};
        QTest::newRow("twice, all") << QList<int>{3, 2} << QList<bool>{true, true};
    }
    void pickingStaysWithinStock() {
        QFETCH(QList<int>, adds);
        QFETCH(QList<bool>, taken);
        TestDataFolder data;
        std::vector<ItemRecord> items;
        for (int k = 1; k < 300; ++k)
            items.push_back(
                StockItem(QStringLiteral("Part %1").arg(k, 3, 10, QLatin1Char('0')), 20));
        items.push_back(StockItem("Elbow", 5)); // the last of many, scrolled to
        WriteItems(items);
        Open(Picklist);
        QCOMPARE(screen->fgItems->Rows(), 301);
        int lines = 0;
        for (int k = 0; k < adds.size(); ++k) {
            QCOMPARE(Enter("Elbow", adds[k]), taken[k]);
            lines += taken[k];
        }
        QCOMPARE(screen->fgPicklist->Rows(), lines + 2); // heading, lines, the empty row
        QCOMPARE(screen->fgPicklist->TextMatrix(lines + 1, 0), QString());
        QCOMPARE(screen->cmdServices[2]->isEnabled(), lines > 0);
    }

    void itemAtZeroCannotBePicked() {
        TestDataFolder data;
        WriteItems({StockItem("Elbow", 0)});
        Open(Picklist);
        const auto seen = AnswerMessageBox(QMessageBox::Ok);
        ClickRow(screen->fgItems, 1);
        QCOMPARE(seen->text, QString("The item count for Elbow is at zero\r\nThis item cannot be "
                                     "added to the Picklist\r\nTo add to the item count, return to "
                                     "the menu,\r\nSelect Manage Inventory and add to the item "
                                     "count"));
        QVERIFY(!screen->txtUnits->isEnabled());
    }

    // How the print ends and what each answer after it does to the stock (3 of 10 picked).
    void printing_data() {
        QTest::addColumn<int>("end");
        QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
        QTest::addColumn<QStringList>("asked"); // the messages that come, in turn
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("atMenu");
        using B = QList<QMessageBox::StandardButton>;
        const QMessageBox::StandardButton yes = QMessageBox::Yes, no = QMessageBox::No;
        const QString right = "Was the Picklist printed Correctly?";
        const QString again = "Would you like to reprint it?";
        const QStringList notPrinted = {"The Pick List will not be Printed"};
        QTest::newRow("printed correctly")
            << int(Printed) << B{yes} << QStringList{right} << 7 << false;
        QTest::newRow("reprinted")
            << int(Printed) << B{no, yes, yes} << QStringList{right, again, right} << 7 << false;
        QTest::newRow("not reprinted")
            << int(Printed) << B{no, no} << QStringList{right, again} << 10 << true;
        QTest::newRow("print dialog cancelled")
            << int(DialogCancelled) << B{QMessageBox::Ok} << notPrinted << 10 << false;
        QTest::newRow("preview closed")
            << int(PreviewClosed) << B{QMessageBox::Ok} << notPrinted << 10 << false;
    }
    void printing() {
        QFETCH(int, end);
        QFETCH(QList<QMessageBox::StandardButton>, answers);
        QFETCH(QStringList, asked);
        QFETCH(int, left);
        QFETCH(bool, atMenu);
        TestDataFolder data;
        WriteItems({StockItem("Elbow", 10), StockItem("Tee", 4)});
        data.write("/Backup/VIInventoriedItems.txt", data.read("/VIInventoriedItems.txt"));
        Open(Picklist);
        QVERIFY(Enter("Elbow", 3));
        screen->txtPick->setPlainText("Load the van");
        SetPreviewDocuments(end == PreviewClosed);
        if (end == DialogCancelled)
            CancelPrintDialog();
        else
            PrintToPdf(data.path("/picklist.pdf"));
        if (end == PreviewClosed)
            AnswerPreview(false);
        QList<std::shared_ptr<SeenMessage>> seen;
        for (QMessageBox::StandardButton answer : answers)
            seen << AnswerMessageBox(answer);
        PressPrint(); // one print dialog, however often it is printed
        SetPreviewDocuments(false);
        for (int k = 0; k < asked.size(); ++k)
            QCOMPARE(seen[k]->text, asked[k]);
        QCOMPARE(OnHandInFile(), Counts({qint16(left), 4}));
        const QString today = QLocale().toString(QDate::currentDate(), "d MMM yyyy");
        QCOMPARE(HistoryOf("Elbow", "Pipe").value(0),
                 left == 10 ? QString() : "picked -3 7 Picklist of " + today);
        QCOMPARE(ScreenVisible("frmStartup"), atMenu);
        // Nothing changed: the file, and its Backup copy, stay as they were.
        QCOMPARE(data.exists("/Backup/VIInventoriedItems.txt"), left == 10);
        QCOMPARE(data.exists("/picklist.pdf"), end == Printed);
        QCOMPARE(data.exists("/PicklistInstructions.txt"), end == Printed);
        if (atMenu)
            return;
        QCOMPARE(OnHandShown("Elbow"), QString::number(left));
        // Printed: the next picklist starts empty, with no item chosen.
        QCOMPARE(screen->fgPicklist->Rows(), end == Printed ? 2 : 3);
        QCOMPARE(screen->lblName->text().contains("Elbow"), end != Printed);
        QTest::mouseClick(screen->cmdServices[3], Qt::LeftButton); // Cancel Picklist
        QVERIFY(Enter("Elbow", left));
    }

    // What the screen hands to the printer: its lines (a line of 0 left out), the date it is
    // needed by and the instructions, kept in their file; the pages are the snapshots'.
    void printedPage() {
        TestDataFolder data;
        data.write("/MyBusinessData.txt", AceBusinessData);
        WriteItems({StockItem("Copper elbow", 500), StockItem("Brass tee", 9)});
        Open(Picklist);
        QVERIFY(Enter("Copper elbow", 12));
        QVERIFY(Enter("Brass tee", 0));
        for (int k = 0; k < 38; ++k)
            QVERIFY(Enter("Copper elbow", 1));
        screen->mnuPicklist->trigger(); // the set-up, shown from the menu to fill in
        screen->txtPick->setPlainText("Load the van by seven");
        screen->DTPicker1->setDate(QDate(2026, 12, 24));
        Screenshot(screen, "picklist");
        screen->mnuPicklist->trigger();
        QVERIFY(!screen->fraPicklist->isVisible());
        const QString path = data.path("/picklist.pdf");
        PrintToPdf(path);
        AnswerMessageBox(QMessageBox::Yes);
        PressPrint();
        KeepForReview(path, "picklist.pdf");
        const QList<PdfWord> words = ReadPdfWords(path);
        QCOMPARE(PdfPageCount(path), 2);
        QVERIFY(FindWord(words, "12/24/26", 1).xMin > 0);
        QVERIFY(FindWord(words, "Load", 1).xMin > 0);
        QVERIFY(!WordTexts(words).contains("Brass"));
        QCOMPARE(data.read("/PicklistInstructions.txt"), QByteArray("Load the van by seven\r\n"));
        QCOMPARE(OnHandInFile(), Counts({450, 9}));
    }

    void returnsAddToStock() {
        TestDataFolder data;
        WriteItems({StockItem("Elbow", 0), StockItem("Tee", 7), StockItem("Cap", 32760)});
        Open(Return);
        QVERIFY(!screen->mnuPicklist->isEnabled());
        QVERIFY(Enter("Elbow", 4));              // an item at zero can be restocked
        QVERIFY(!screen->txtUnits->isEnabled()); // until the next item is chosen
        QVERIFY(Enter("Tee", 3));
        QCOMPARE(OnHandShown("Elbow"), QString("4"));
        QCOMPARE(OnHandShown("Tee"), QString("10"));
        Screenshot(screen, "returns");
        QCOMPARE(OnHandInFile(), Counts({0, 7, 32760})); // not saved until Menu
        const int beeps = BeepsSounded();
        QTest::mouseClick(screen->cmdServices[1], Qt::LeftButton); // nothing to save
        QCOMPARE(BeepsSounded(), beeps + 1);
        const auto refused = AnswerMessageBox(QMessageBox::Ok);
        QVERIFY(Enter("Cap", 8)); // past 32,767: said, nothing changes
        QVERIFY(refused->text.contains("32767"));
        QCOMPARE(OnHandShown("Cap"), QString("32760"));
        QTest::mouseClick(screen->cmdServices[0], Qt::LeftButton);
        QVERIFY(ScreenVisible("frmStartup"));
        QCOMPARE(OnHandInFile(), Counts({4, 10, 32760}));

        // Meanwhile the maintenance screen changes an item and adds one: the table follows.
        ItemRecord tee = StockItem("Tee", 6);
        tee.Price = Currency::fromCents(1999);
        QVERIFY(WriteItemRecord(2, tee));
        QVERIFY(WriteItemRecord(4, StockItem("Nut", 9)));
        Open(Return);
        QVERIFY(Enter("Nut", 1));
        screen->close(); // the close box keeps the returns as Menu does
        QVERIFY(!ProgramRunning());
        QCOMPARE(OnHandInFile(), Counts({4, 6, 32760, 10}));
        // Each save of returns is one movement an item; the Tee changed elsewhere in between.
        QCOMPARE(HistoryOf("Tee", "Pipe"), QStringList({"returned 3 10"}));
        QCOMPARE(HistoryOf("Nut", "Pipe"), QStringList({"returned 1 10"}));
        QCOMPARE(ReadItemRecord(2)->Price, Currency::fromCents(1999));
    }
};

QTEST_MAIN(TestPicklist)
#include "tst_picklist.moc"
