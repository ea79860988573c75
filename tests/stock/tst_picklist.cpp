#include "support/Screens.h"

#include <QDateEdit>

namespace {

ItemRecord Item(const QString &description, qint16 onHand, const QString &category = "Pipe") {
    ItemRecord item;
    item.Description = description;
    item.Category = category;
    item.OnHand = onHand;
    item.Cost = Currency::fromCents(250);
    return item;
}

qint16 OnHandInFile(const QString &description) {
    for (const ItemRecord &item : ReadAllItems()) {
        if (item.Description == description)
            return item.OnHand;
    }
    return -1;
}

enum Mode { Return = 2, Picklist = 3 };

} // namespace

class TestPicklist : public QObject {
    Q_OBJECT
    frmInventory *screen = nullptr;
    QList<std::shared_ptr<SeenMessage>> answered; // by the last Print

    // Opens the screen from the main menu as the user does.
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

    // Prints the picklist into a PDF, answering the questions after it in turn.
    QList<PdfWord> Print(const TestDataFolder &data,
                         const QList<QMessageBox::StandardButton> &answers = {QMessageBox::Yes}) {
        const QString path = data.path("/picklist.pdf");
        PrintToPdf(path);
        answered.clear();
        for (QMessageBox::StandardButton answer : answers)
            answered << AnswerMessageBox(answer);
        PressPrint();
        return ReadPdfWords(path);
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
        WriteItems({Item("Elbow", 5)});
        Open(Picklist);
        QCOMPARE(screen->lblRoutine->text(), QString("Creating a Picklist"));
        int lines = 0;
        for (int k = 0; k < adds.size(); ++k) {
            QCOMPARE(Enter("Elbow", adds[k]), taken[k]);
            lines += taken[k];
        }
        Screenshot(screen, "picklist-" + QString(QTest::currentDataTag()).replace(' ', '-'));
        QCOMPARE(screen->fgPicklist->Rows(), lines + 2); // heading, lines, the empty row
        QCOMPARE(screen->fgPicklist->TextMatrix(lines + 1, 0), QString());
        QCOMPARE(screen->cmdServices[2]->isEnabled(), lines > 0);
    }

    void itemAtZeroCannotBePicked() {
        TestDataFolder data;
        WriteItems({Item("Elbow", 0)});
        Open(Picklist);
        const auto seen = AnswerMessageBox(QMessageBox::Ok);
        ClickRow(screen->fgItems, 1);
        QCOMPARE(seen->title, QString("No Items in Stock"));
        QCOMPARE(seen->text, QString("The item count for Elbow is at zero\r\nThis item cannot be "
                                     "added to the Picklist\r\nTo add to the item count, return to "
                                     "the menu,\r\nSelect Manage Inventory and add to the item "
                                     "count"));
        QVERIFY(!screen->txtUnits->isEnabled());
    }

    // What each answer after the print does to the stock (3 of 10 picked).
    void confirmingTakesStockOnce_data() {
        QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("prints");
        QTest::addColumn<bool>("atMenu");
        using B = QList<QMessageBox::StandardButton>;
        QTest::newRow("printed correctly") << B{QMessageBox::Yes} << 7 << 1 << false;
        QTest::newRow("reprinted")
            << B{QMessageBox::No, QMessageBox::Yes, QMessageBox::Yes} << 7 << 2 << false;
        QTest::newRow("not reprinted") << B{QMessageBox::No, QMessageBox::No} << 10 << 1 << true;
    }
    void confirmingTakesStockOnce() {
        QFETCH(QList<QMessageBox::StandardButton>, answers);
        QFETCH(int, left);
        QFETCH(int, prints);
        QFETCH(bool, atMenu);
        TestDataFolder data;
        WriteItems({Item("Elbow", 10), Item("Tee", 4)});
        data.write("/Backup/VIInventoriedItems.txt", data.read("/VIInventoriedItems.txt"));
        Open(Picklist);
        QVERIFY(Enter("Elbow", 3));
        Print(data, answers); // one print dialog; each print asks whether it came out right
        const auto asked = [](const auto &m) {
            return m->text == "Was the Picklist printed Correctly?" &&
                   m->title == "Print Confirmation";
        };
        QCOMPARE(std::count_if(answered.begin(), answered.end(), asked), prints);
        if (answers.size() > 1)
            QCOMPARE(answered[1]->title, QString("Reprint Confirmation"));
        QCOMPARE(OnHandInFile("Elbow"), qint16(left));
        QCOMPARE(OnHandInFile("Tee"), qint16(4));
        QCOMPARE(ScreenVisible("frmStartup"), atMenu);
        // Nothing changed: the file, and its Backup copy, stay as they were.
        QCOMPARE(data.exists("/Backup/VIInventoriedItems.txt"), left == 10);
        if (!atMenu) {
            QCOMPARE(OnHandShown("Elbow"), QString::number(left));
            QCOMPARE(screen->fgPicklist->Rows(), 2); // ready for the next picklist
        }
    }

    void cancelledPrintOrPicklistTakesNothing_data() {
        QTest::addColumn<bool>("preview");
        QTest::newRow("print dialog") << false;
        QTest::newRow("preview closed") << true;
    }
    void cancelledPrintOrPicklistTakesNothing() {
        QFETCH(bool, preview);
        TestDataFolder data;
        WriteItems({Item("Elbow", 10)});
        Open(Picklist);
        QVERIFY(Enter("Elbow", 3));
        screen->txtPick->setPlainText("Load the van");
        SetPreviewDocuments(preview);
        if (preview) {
            PrintToPdf(data.path("/picklist.pdf"));
            AnswerPreview(false);
        } else {
            CancelPrintDialog();
        }
        const auto seen = AnswerMessageBox(QMessageBox::Ok);
        PressPrint();
        QCOMPARE(seen->text, QString("The Pick List will not be Printed"));
        QCOMPARE(OnHandShown("Elbow"), QString("10"));
        QVERIFY(!data.exists("/PicklistInstructions.txt") && !data.exists("/picklist.pdf"));
        SetPreviewDocuments(false);

        QTest::mouseClick(screen->cmdServices[3], Qt::LeftButton); // Cancel Picklist
        QVERIFY(Enter("Elbow", 2));
        Print(data);
        QCOMPARE(OnHandInFile("Elbow"), qint16(8));
    }

    void manyItemsLoadAndPick() {
        TestDataFolder data;
        std::vector<ItemRecord> items;
        for (int k = 1; k <= 300; ++k)
            items.push_back(Item(QStringLiteral("Part %1").arg(k, 3, 10, QLatin1Char('0')), 20));
        WriteItems(items);
        Open(Picklist);
        QCOMPARE(screen->fgItems->Rows(), 301);
        QVERIFY(Enter("Part 300", 20));
        Print(data);
        QCOMPARE(OnHandInFile("Part 300"), qint16(0));
        QCOMPARE(OnHandInFile("Part 299"), qint16(20));
    }

    // What the screen hands to the printer: its lines (a line of 0 left out), the date it is
    // needed by and the instructions, kept in their file; the pages are the snapshots'.
    void printedPage() {
        TestDataFolder data;
        data.write("/MyBusinessData.txt", AceBusinessData);
        WriteItems({Item("Copper elbow", 500), Item("Brass tee", 9)});
        Open(Picklist);
        QVERIFY(Enter("Copper elbow", 12));
        QVERIFY(Enter("Brass tee", 0));
        for (int k = 0; k < 38; ++k)
            QVERIFY(Enter("Copper elbow", 1));
        screen->mnuPicklist->trigger(); // the set-up, shown from the menu to fill in
        QVERIFY(screen->fraPicklist->isVisible());
        screen->txtPick->setPlainText("Load the van by seven");
        screen->DTPicker1->setDate(QDate(2026, 12, 24));
        Screenshot(screen, "picklist");
        screen->mnuPicklist->trigger();
        QVERIFY(!screen->fraPicklist->isVisible());
        const QList<PdfWord> words = Print(data);
        KeepForReview(data.path("/picklist.pdf"), "picklist.pdf");
        QCOMPARE(PdfPageCount(data.path("/picklist.pdf")), 2);
        QVERIFY(FindWord(words, "12/24/26", 1).xMin > 0);
        QVERIFY(FindWord(words, "Load", 1).xMin > 0);
        QVERIFY(!WordTexts(words).contains("Brass"));
        QCOMPARE(data.read("/PicklistInstructions.txt"), QByteArray("Load the van by seven\r\n"));
    }

    void returnsAddToStock() {
        TestDataFolder data;
        WriteItems({Item("Elbow", 0), Item("Tee", 7), Item("Cap", 32760)});
        Open(Return);
        QCOMPARE(screen->lblRoutine->text(), QString("Returning items to Stock"));
        QCOMPARE(screen->cmdServices[1]->text(), QString("&Save New Item Count"));
        QVERIFY(!screen->mnuPicklist->isEnabled());
        QVERIFY(Enter("Elbow", 4)); // an item at zero can be restocked
        QVERIFY(Enter("Tee", 3));
        QCOMPARE(OnHandShown("Elbow"), QString("4"));
        QCOMPARE(OnHandShown("Tee"), QString("10"));
        Screenshot(screen, "returns");
        QCOMPARE(OnHandInFile("Tee"), qint16(7)); // not saved until Menu
        const int beeps = BeepsSounded();
        QTest::mouseClick(screen->cmdServices[1], Qt::LeftButton); // nothing to save
        QCOMPARE(BeepsSounded(), beeps + 1);

        const auto refused = AnswerMessageBox(QMessageBox::Ok);
        QVERIFY(Enter("Cap", 8)); // past 32,767: said, nothing changes
        QVERIFY(refused->text.contains("32767"));
        QCOMPARE(OnHandShown("Cap"), QString("32760"));

        QTest::mouseClick(screen->cmdServices[0], Qt::LeftButton);
        QVERIFY(ScreenVisible("frmStartup"));
        QCOMPARE(OnHandInFile("Elbow"), qint16(4));
        QCOMPARE(OnHandInFile("Tee"), qint16(10));
        QCOMPARE(OnHandInFile("Cap"), qint16(32760));
    }

    void tableFollowsTheFile() {
        TestDataFolder data;
        WriteItems({Item("Elbow", 2), Item("Tee", 1)});
        Open(Return);
        QTest::mouseClick(screen->cmdServices[0], Qt::LeftButton);
        // Meanwhile the maintenance screen changes an item and adds one.
        ItemRecord tee = Item("Tee", 6);
        tee.Price = Currency::fromCents(1999);
        QVERIFY(WriteItemRecord(2, tee));
        QVERIFY(WriteItemRecord(3, Item("Cap", 9)));
        Open(Return);
        QVERIFY(Enter("Elbow", 1));
        screen->close(); // the close box keeps the returns as Menu does
        QVERIFY(!ProgramRunning());
        QCOMPARE(OnHandInFile("Elbow"), qint16(3));
        QCOMPARE(OnHandInFile("Tee"), qint16(6));
        QCOMPARE(ReadItemRecord(2)->Price, Currency::fromCents(1999));
        QCOMPARE(OnHandInFile("Cap"), qint16(9));
    }
};

QTEST_MAIN(TestPicklist)
#include "tst_picklist.moc"
