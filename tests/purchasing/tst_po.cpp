#include "purchasing/CustomerFile.h"
#include "purchasing/PONumber.h"
#include "support/CupsScheduler.h"
#include "support/StockSteps.h"

#include <QMenu>

namespace {

// A customer record as the invoicing program writes it: space-padded fields at their offsets,
// in turn name, street, street 2, city, state, last line, title, first and last name, kind.
QByteArray Customer(const QList<QByteArray> &fields) {
    const int at[] = {20, 65, 100, 125, 170, 182, 263, 273, 289, 314};
    QByteArray record(CustomerRecordLength, ' ');
    for (int k = 0; k < fields.size(); ++k)
        record.replace(at[k], fields[k].size(), fields[k]);
    return record;
}

const QByteArray Acme =
    Customer({"Acme Builders", "4 Dock St", "", "Tampa", "FL", "33602", "", "", "", "Business"});
const QByteArray Jones = Customer({"Jones acct", "9 Elm Rd", "Unit 2", "Ocala", "FL", "34470",
                                   "Mr.", "Sam", "Jones", "Personal"});
using Answers = QList<QMessageBox::StandardButton>;

} // namespace

class TestPO : public QObject {
    Q_OBJECT
    frmPO *screen = nullptr;
    QList<std::shared_ptr<SeenMessage>> seen; // the questions after the last print

    // Vendors and items in place, the screen opened from the main menu.
    void Open(const TestDataFolder &data, const std::vector<ItemRecord> &items) {
        WriteSmallBusiness(data);
        WriteItems(items);
        LoadForm<frmSetup>(); // the business data, as start-up loads it
        LoadForm<frmPO>();
        LoadForm<frmContacts>();
        screen = static_cast<frmPO *>(OpenRoutine(0));
    }

    // Back to the main menu and into the screen again, as the user goes.
    void Reopen() {
        if (screen->isVisible())
            screen->cmdPO_Click(0); // Menu, from whichever frame shows
        LoadForm<frmStartup>()->optMainMenuSub_DblClick(0);
    }

    void Create(int type, bool vendor = true) {
        screen->optPO[size_t(type)]->click();
        if (vendor)
            screen->cboVendors->setCurrentIndex(0);
        QTest::mouseClick(screen->cmdPO[2], Qt::LeftButton);
    }

    QStringList Column(int col) const {
        QStringList cells;
        for (int r = 1; r < screen->fgItems->Rows(); ++r)
            cells << screen->fgItems->TextMatrix(r, col);
        return cells;
    }

    void TypeQuantity(int row, const QString &keys) {
        screen->fgItems->setFocus();
        screen->fgItems->setCurrentIndex(screen->fgItems->Model()->index(row - 1, 0));
        QTest::keyClick(screen->fgItems, Qt::Key_Backspace);
        QTest::keyClicks(screen->fgItems, keys);
    }

    // A line typed in by hand, for what is not an inventoried item.
    void AddLine(const QString &quantity, const QString &description, const QString &cost) {
        QTest::mouseClick(screen->cmdPO[6], Qt::LeftButton);
        Type(screen->txtAddto[0], quantity);
        Type(screen->txtAddto[1], description);
        Type(screen->txtAddto[2], cost);
        QTest::mouseClick(screen->cmdPO[8], Qt::LeftButton);
    }

    // Print PO (from the grid, or the blank PO's print panel) into a PDF, answering the
    // questions after it in turn.
    QList<PdfWord> Print(const TestDataFolder &data, bool fromGrid, const Answers &answers = {}) {
        if (fromGrid)
            QTest::mouseClick(screen->cmdPO[5], Qt::LeftButton);
        PrintToPdf(data.path("/po.pdf"));
        seen.clear();
        for (QMessageBox::StandardButton answer : answers)
            seen << AnswerMessageBox(answer);
        QTest::mouseClick(screen->cmdInvoiceContinue, Qt::LeftButton);
        return ReadPdfWords(data.path("/po.pdf"));
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QVERIFY(EndScreenTest()); }

    void numberKeptOnlyByPrintedOrders() {
        TestDataFolder data;
        Open(data, {StockItem("Elbow", 1)});
        const auto noVendor = AnswerMessageBox(QMessageBox::Ok);
        Create(2, false);
        QCOMPARE(noVendor->text, QString("Select a Vendor before continuing"));
        QVERIFY(screen->fraMain->isVisible());
        Create(2);
        QTest::mouseClick(screen->cmdPO[1], Qt::LeftButton); // added without printing
        QVERIFY(!data.exists("/PONumber.txt"));
        QCOMPARE(OnHandInFile(), Counts{7});

        Reopen();
        QCOMPARE(screen->lblNextPO->text(), QString("1000"));
        Create(1, false);          // the blank PO needs no vendor
        SetPreviewDocuments(true); // a preview closed prints nothing and takes no number
        PrintToPdf(data.path("/po.pdf"));
        AnswerPreview(false);
        const auto notPrinted = AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(screen->cmdInvoiceContinue, Qt::LeftButton);
        QCOMPARE(notPrinted->text, QString("The Document will not be Printed"));
        QVERIFY(!data.exists("/PONumber.txt") && !data.exists("/po.pdf"));
        SetPreviewDocuments(false);
        // Nothing of the order before is on the blank PO: no vendor, no lines, no stock added.
        const QStringList blank = WordTexts(Print(data, false));
        QVERIFY(!blank.contains("Elbow") && !blank.contains("Submitted"));
        QCOMPARE(OnHandInFile(), Counts{7});
        QCOMPARE(data.read("/PONumber.txt"), QByteArray(" 1000 \r\n"));
        QVERIFY(ScreenVisible("frmStartup"));
        Reopen();
        QCOMPARE(screen->lblNextPO->text(), QString("1001"));

        data.write("/PONumber.txt", " 32767 \r\n"); // the last number there is
        Reopen();
        const auto usedUp = AnswerMessageBox(QMessageBox::Ok);
        Create(2);
        QVERIFY(usedUp->text.contains("32767"));
        QVERIFY(screen->fraMain->isVisible());
    }

    // On a real CUPS queue the job carries the copies and paper chosen in the dialog. A queue
    // that refuses jobs, or a scheduler gone, is a print error: no PO number, no stock.
    void printedOnACupsQueue() {
        CupsScheduler cups;
        if (!cups.SkipReason().isEmpty())
            QSKIP(qPrintable(cups.SkipReason()));
        TestDataFolder data;
        Open(data, {StockItem("Elbow", 1)});
        for (const QString error : {"", "Destination \"VelborPDF\" is not accepting jobs.",
                                    "The print service (CUPS) could not be reached: No such "
                                    "file or directory"}) {
            QVERIFY(error.contains("CUPS") || cups.AcceptJobs());
            Reopen();
            Create(2);
            QTest::mouseClick(screen->cmdPO[5], Qt::LeftButton);
            PrintToQueue(cups.Queue(), error.isEmpty() ? 2 : 1, error.isEmpty() ? "A4" : "Letter",
                         [&] {
                             if (error.contains("CUPS"))
                                 cups.Stop();
                             else if (!error.isEmpty())
                                 QVERIFY(cups.RejectJobs());
                         });
            const auto said = error.isEmpty() ? nullptr : AnswerMessageBox(QMessageBox::Ok);
            QTest::mouseClick(screen->cmdInvoiceContinue, Qt::LeftButton);
            QCOMPARE(data.read("/PONumber.txt"), QByteArray(" 1000 \r\n"));
            QCOMPARE(OnHandInFile(), Counts{7});
            if (said) {
                QCOMPARE(said->text, "A Print Error has occurred\n\n" + error);
                QVERIFY(screen->fraPrintReady->isVisible()); // the user may try again
                continue;
            }
            QVERIFY(cups.WaitForOutput(1));
            const QMap<QString, QString> job = cups.LastJobAttributes();
            QCOMPARE(job.value("job-name"), QString("Purchase Order 1000"));
            QCOMPARE(job.value("copies"), QString("2"));
            QCOMPARE(job.value("media"), QString("A4"));
            KeepForReview(cups.OutputPdfs().constLast(), "po-cups.pdf");
            QCOMPARE(PdfPageCount(cups.OutputPdfs().constLast()), 2); // one page, twice
        }
        QCOMPARE(cups.OutputPdfs().size(), 1);
    }

    void gridFilledByType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("descriptions");
        QTest::addColumn<QStringList>("quantities");
        QTest::newRow("low stock") << 0 << QStringList{"Low"} << QStringList{"6"};
        QTest::newRow("all items") << 2 << QStringList{"Low", "Full"} << QStringList{"6", "6"};
        QTest::newRow("job site") << 3 << QStringList{"Low", "Full"} << QStringList{"0", "0"};
    }
    void gridFilledByType() {
        QFETCH(int, type);
        QFETCH(QStringList, descriptions);
        QFETCH(QStringList, quantities);
        TestDataFolder data;
        // Whole numbers compared, not text: "9" <= "10" and "10" > "9".
        Open(data, {StockItem("Low", 9, 6, 10), StockItem("Full", 10, 6, 9)});
        Create(type);
        QCOMPARE(Column(1), descriptions);
        QCOMPARE(Column(0), quantities);
        QCOMPARE(Column(3).first(), QString("$15.00")); // the reorder amount times the cost
        QCOMPARE(screen->Label3[22]->isVisible(), type == 3);
        QCOMPARE(screen->cmdPO[1]->isEnabled(), type != 3);
        QCOMPARE(screen->cmdPO[5]->text(),
                 QString(type == 3 ? "&Print PO" : "&Print PO and Add to Inventory"));
    }

    void editingLines() {
        TestDataFolder data;
        Open(data, {StockItem("Elbow", 1), StockItem("Tee", 1)});
        Create(2);
        TypeQuantity(1, QString());
        QCOMPARE(Column(3).first(), QString("$0.00"));
        QTest::keyClicks(screen->fgItems, "1x2");
        QCOMPARE(Column(0).first(), QString("12"));
        QCOMPARE(Column(3).first(), QString("$30.00"));
        const int beeps = BeepsSounded();
        QTest::keyClicks(screen->fgItems, "9999"); // 12999 is fine, 129999 is not
        QCOMPARE(Column(0).first(), QString("12999"));
        QCOMPARE(BeepsSounded(), beeps + 1);

        AddLine("", "", ""); // nothing typed
        QCOMPARE(BeepsSounded(), beeps + 2);
        QCOMPARE(QApplication::focusWidget(), screen->txtAddto[0]);
        screen->txtAddto[2]->setFocus();
        Type(screen->txtAddto[2], "4.5");
        screen->txtAddto[0]->setFocus(); // leaving the cost box shows it as money
        QCOMPARE(screen->txtAddto[2]->text(), QString("$4.50"));
        AddLine("3a", "Shop rags", "4.5");
        QCOMPARE(Column(1), QStringList({"Elbow", "Tee", "Shop rags"}));
        QCOMPARE(Column(0).last(), QString("3"));
        QCOMPARE(Column(3).last(), QString("$13.50"));
        QVERIFY(screen->txtAddto[1]->text().isEmpty());
        AddLine("40000", "Too many", "1");
        QCOMPARE(NoteShown(screen), WantedWholeNumber(0, 32767));
        QCOMPARE(screen->fgItems->Rows(), 4);

        // Right-click removal, answered No then Yes.
        ClickRow(screen->fgItems, 2);
        const QRect cell = screen->fgItems->visualRect(screen->fgItems->Model()->index(1, 1));
        QTest::mouseClick(screen->fgItems->viewport(), Qt::RightButton, {}, cell.center());
        QVERIFY(screen->mnuPopUp->isVisible());
        screen->mnuPopUp->hide();
        const auto asked = AnswerMessageBox(QMessageBox::No);
        screen->mnuDelete->trigger();
        QCOMPARE(asked->text, QString("Delete item Tee?"));
        QCOMPARE(Column(1), QStringList({"Elbow", "Tee", "Shop rags"}));
        for (int k = 0; k < 3; ++k) {
            AnswerMessageBox(QMessageBox::Yes);
            screen->fgItems->SetRow(1);
            screen->mnuDelete->trigger();
        }
        QCOMPARE(screen->fgItems->Rows(), 1); // the only line can go too
        screen->cmdPO[4]->click();            // Oops, Reload Grid: the lines as filled
        QCOMPARE(Column(0), QStringList({"6", "6"}));
    }

    void deliveryToCustomers() {
        TestDataFolder data;
        data.write("/CustomerData.txt", Acme + Jones);
        Open(data, {StockItem("Elbow", 1)});
        QCOMPARE(screen->lstAccounts->item(0)->text(), QString("Acme Builders"));
        QCOMPARE(screen->lstAccounts->item(1)->text(), QString("Mr. Sam Jones"));
        Create(3); // a job site: the delivery frame opens on "Deliver to Selected Customer"
        QVERIFY(screen->fraDelivery->isVisible());
        QVERIFY(screen->optDelivery[2]->isChecked());
        QVERIFY(screen->Image1->isVisible());
        const int beeps = BeepsSounded();
        QTest::mouseClick(screen->cmdServices[1], Qt::LeftButton); // no customer yet
        QCOMPARE(BeepsSounded(), beeps + 1);
        const auto click = [this](int row, int rowsBelow = 0) {
            const QRect at = screen->lstAccounts->visualItemRect(screen->lstAccounts->item(row));
            QTest::mouseClick(screen->lstAccounts->viewport(), Qt::LeftButton, {},
                              at.center() + QPoint(0, rowsBelow * at.height()));
        };
        click(0);
        QCOMPARE(screen->txtDelivery->toPlainText(),
                 QString("Deliver To:\nAcme Builders\n4 Dock St\nTampa, FL 33602\n"));
        QCOMPARE(screen->txtDelivery->textCursor().position(),
                 screen->txtDelivery->toPlainText().size());
        click(1);
        click(1, 5); // below the last entry there is nothing to choose
        QCOMPARE(screen->txtDelivery->toPlainText(),
                 QString("Deliver To:\nJones acct\n9 Elm Rd\nUnit 2\nOcala, FL 34470\n"));
        QTest::mouseClick(screen->cmdServices[0], Qt::LeftButton); // Clear
        QVERIFY(screen->optDelivery[1]->isChecked());
        QVERIFY(screen->txtDelivery->toPlainText().isEmpty());
        QTest::mouseClick(screen->cmdServices[1], Qt::LeftButton);
        QVERIFY(!screen->fraDelivery->isVisible());
    }

    // What printing the order adds to stock. The grid is filled from the file as it is now, and
    // two items share a description: each line raises the item it came from only.
    void stockRaisedByWhatIsOrdered_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("quantity"); // typed into the first line, or nothing
        QTest::addColumn<QString>("byHand");   // a line of 2 typed in by hand, or nothing
        QTest::addColumn<Answers>("answers");  // to the job-site question, to a refusal
        QTest::addColumn<Counts>("counts");
        const auto yes = QMessageBox::Yes;
        QTest::newRow("as filled") << 2 << ""
                                   << "" << Answers{} << Counts{7, 7, 16};
        QTest::newRow("changed to 12") << 2 << "12"
                                       << "" << Answers{} << Counts{13, 7, 16};
        QTest::newRow("item by hand") << 2 << ""
                                      << "Tee" << Answers{} << Counts{7, 7, 18};
        QTest::newRow("other by hand") << 2 << ""
                                       << "Rags" << Answers{} << Counts{7, 7, 16};
        QTest::newRow("job site, Yes") << 3 << "4"
                                       << "" << Answers{yes} << Counts{5, 1, 10};
        QTest::newRow("job site, No") << 3 << "4"
                                      << "" << Answers{QMessageBox::No} << Counts{1, 1, 10};
        QTest::newRow("past 32767: nothing") << 2 << "32767"
                                             << "" << Answers{QMessageBox::Ok} << Counts{1, 1, 10};
    }
    void stockRaisedByWhatIsOrdered() {
        QFETCH(int, type);
        QFETCH(QString, quantity);
        QFETCH(QString, byHand);
        QFETCH(Answers, answers);
        QFETCH(Counts, counts);
        TestDataFolder data;
        Open(data, {StockItem("Elbow", 1), StockItem("Elbow", 1)});
        QVERIFY(WriteItemRecord(3, StockItem("Tee", 10))); // added on the maintenance screen
        Create(type);
        if (!quantity.isEmpty())
            TypeQuantity(1, quantity);
        if (!byHand.isEmpty())
            AddLine("2", byHand, "1");
        Print(data, true, answers);
        QCOMPARE(OnHandInFile(), counts);
        // The stock history holds what the order added, an item's two records counted together.
        const auto received = [](int before, int after) {
            return after == before
                       ? QString()
                       : QStringLiteral("received %1 %2 PO 1000").arg(after - before).arg(after);
        };
        QCOMPARE(HistoryOf("Elbow", "Pipe").value(0), received(2, counts[0] + counts[1]));
        QCOMPARE(HistoryOf("Tee", "Pipe").value(0), received(10, counts[2]));
        QCOMPARE(data.read("/PONumber.txt"), QByteArray(" 1000 \r\n")); // printed: kept
        if (answers.value(0) == QMessageBox::Ok)
            QVERIFY(seen[0]->text.startsWith("Elbow has 1 on hand"));
    }

    // The lines as the screen hands them to the printer: a line of 0 is left out, a long order
    // goes on to a second page, which alone has the delivery block; the page is the snapshots'.
    void printedOrder() {
        TestDataFolder data;
        std::vector<ItemRecord> items;
        for (int k = 1; k <= 20; ++k)
            items.push_back(
                StockItem(QStringLiteral("Part%1").arg(k, 2, 10, QLatin1Char('0')), 1, 6, 2, 1250));
        Open(data, items);
        Create(2);
        TypeQuantity(2, "0");
        TypeQuantity(3, "120");
        QCOMPARE(screen->fgItems->TextMatrix(3, 3), QString("$1,500.00"));
        screen->optDelivery[0]->setChecked(true);
        const QList<PdfWord> words = Print(data, true);
        KeepForReview(data.path("/po.pdf"), "purchase-order.pdf");
        QCOMPARE(PdfPageCount(data.path("/po.pdf")), 2);
        QVERIFY(FindWord(words, "Part02").text.isEmpty());
        QCOMPARE(FindWord(words, "Part20").page, 2);
        QVERIFY(FindWord(words, "Hold", 1).text.isEmpty() && FindWord(words, "Hold", 2).page == 2);
    }

    // Delivery instructions are kept in their file; printed, they are cut off at the foot of
    // the page, and what follows is black again.
    void deliveryInstructions() {
        TestDataFolder data;
        Open(data, {StockItem("Elbow", 1)});
        Create(1, false);
        screen->mnuDelivery->trigger();
        screen->optDelivery[1]->click();
        QStringList lines = {"Gate code 4411"};
        for (int k = 2; k <= 30; ++k)
            lines << QStringLiteral("Line%1").arg(k);
        screen->txtDelivery->setPlainText(lines.join('\n'));
        const QStringList words = WordTexts(Print(data, false));
        QVERIFY(words.contains("4411") && words.contains("Line2") && !words.contains("Line30"));
        QCOMPARE(Printer::Current().ForeColor, quint32(0));
        QCOMPARE(data.read("/Delivery.txt"), lines.join("\r\n").toLatin1() + "\r\n");
    }

    void readersOfTheSuitesFiles() {
        QCOMPARE(ParsePONumber(" 1000 \r\n"), std::optional<qint16>(1000));
        QCOMPARE(ParsePONumber("  42"), std::optional<qint16>(42));
        QCOMPARE(ParsePONumber("99999999999999999999"), std::optional<qint16>(32767));
        QCOMPARE(ParsePONumber("none"), std::nullopt);
        QCOMPARE(PONumberText(-5), QByteArray("-5 \r\n"));
        const CustomerAccount cut = DecodeCustomerRecord(Jones.constData(), 280);
        QCOMPARE(cut.ListText, QString("Mr. Sam ")); // the last name is past the end
        QCOMPARE(cut.City, QString("Ocala"));
    }
};

QTEST_MAIN(TestPO)
#include "tst_po.moc"
