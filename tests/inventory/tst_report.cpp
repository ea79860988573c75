#include "inventory/Locations.h"
#include "support/CupsScheduler.h"
#include "support/Screens.h"

#include <QProgressDialog>

namespace {

// Item k ("Item 00k", Odd or Even) at record k; its amounts and counts grow with k.
void WriteItems(int count) {
    const auto cents = &Currency::fromCents;
    std::vector<NumberedItem> items;
    for (int k = 1; k <= count; ++k)
        items.push_back({k,
                         {QStringLiteral("Item %1").arg(k, 3, 10, QLatin1Char('0')),
                          k % 2 ? "Odd" : "Even", cents(k * 125), cents(k * 250 + 100000),
                          qint16(k), cents(k * 200), 10 + k, 6, qint16(k % 7)}});
    QVERIFY(RewriteItemsFile(items));
}

// The texts of the words that are three digits: the printed item numbers.
QStringList ItemNumbers(const QList<PdfWord> &words) {
    QStringList numbers;
    for (const PdfWord &word : words) {
        if (word.text.size() == 3 && word.text.at(0).isDigit())
            numbers << word.text;
    }
    return numbers;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
    std::optional<TestDataFolder> data;
    frmServices *screen = nullptr;

    void Open(int items) {
        data->write("/MyBusinessData.txt", AceBusinessData);
        WriteItems(items);
        screen = LoadForm<frmServices>();
        screen->show();
        QApplication::setActiveWindow(screen);
    }
    void Press(int button) {
        QTest::mouseClick(screen->cmdServices[size_t(button)], Qt::LeftButton);
    }
    // Prints the inventory report from the screen's button into a PDF and reads it back.
    QList<PdfWord> PrintReport(const QString &path) {
        PrintToPdf(path);
        Press(1);
        return ReadPdfWords(path);
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        data.emplace();
    }
    void cleanup() {
        data.reset();
        QVERIFY(EndScreenTest());
    }

    // The grid's rows as the screen shows them, on a landscape page; the page itself is the
    // snapshots' business.
    void reportLayout() {
        Open(6);
        const QString path = data->path("/report.pdf");
        const QList<PdfWord> words = PrintReport(path);
        KeepForReview(path, "inventory-report.pdf");
        QCOMPARE(PdfPageCount(path), 1);
        const PdfWord title = FindWord(words, "Inventory");
        QVERIFY(qAbs((title.xMin + FindWord(words, "Report").xMax) / 2 - 396) < 2);
        QCOMPARE(WordTexts(LineOf(words, FindWord(words, "003"))),
                 QStringList({"Item", "003", "$3.75", "$1,007.50", "3", "$6.00", "13", "6", "3"}));
    }

    void filteredGridPrintsOnlyItsRows() {
        Open(6);
        screen->cboCategory->setEditText("Even");
        screen->ckCategory->setChecked(true);
        Press(2);
        QCOMPARE(ItemNumbers(PrintReport(data->path("/even.pdf"))),
                 QStringList({"002", "004", "006"}));
    }

    void newPageWithFullHeader() {
        Open(60);
        const QString path = data->path("/long.pdf");
        const QList<PdfWord> words = PrintReport(path);
        const int pages = PdfPageCount(path);
        QVERIFY(pages >= 2);
        QCOMPARE(ItemNumbers(words).size(), 60); // every row once, none lost at the break
    }

    void emptyGridPrintsTheHeadingsOnly() {
        Open(0);
        data->write("/VIInventoriedItems.txt", "");
        screen->cmdServices[1]->setEnabled(true);
        const QList<PdfWord> words = PrintReport(data->path("/empty.pdf"));
        QVERIFY(!FindWord(words, "Description").text.isEmpty());
        QVERIFY(FindWord(words, "Item").text.isEmpty());
    }

    void cancelledReport() {
        Open(3);
        CancelPrintDialog();
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        Press(1);
        QCOMPARE(seen->text, QString("The Inventory will not be Printed"));
        QCOMPARE(seen->title, QString("Velbor Inventory"));
    }

    void cancelledLongReport() {
        Open(2000);
        SetProgressDelay(0); // whatever this machine's speed, the progress shows at once
        const QByteArray items = data->read("/VIInventoriedItems.txt");
        const QString path = data->path("/report.pdf");
        PrintToPdf(path);
        // The progress shows, and its Cancel stops the job.
        OnNextModal([](QWidget *modal) {
            auto *progress = qobject_cast<QProgressDialog *>(modal);
            QVERIFY2(progress, "expected the print progress");
            Screenshot(progress, "print-progress");
            progress->cancel();
        });
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        Press(1);
        QCOMPARE(seen->text, QString("The Inventory will not be Printed"));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(data->read("/VIInventoriedItems.txt"), items);
        SetProgressDelay(1000);
    }

    void tallySheetsForFilledLocations() {
        Open(4);
        Press(3);
        QVERIFY(screen->fraTallySheets->isVisible());
        Screenshot(screen, "services-tally");
        screen->txtTally[0]->setText("Warehouse");
        screen->txtTally[2]->setText("Truck 2");
        const QString path = data->path("/tally.pdf");
        PrintToPdf(path);
        Press(4);
        QVERIFY(!screen->fraTallySheets->isVisible()); // the task is done
        const QList<PdfWord> words = ReadPdfWords(path);
        KeepForReview(path, "tally-sheets.pdf");
        QCOMPARE(PdfPageCount(path), 2);
        // A sheet for each location filled in, in their order.
        QCOMPARE(FindWord(words, "Warehouse").page, 1);
        QCOMPARE(FindWord(words, "Truck").page, 2);
    }

    void tallySheetsWithoutLocationsSaySoFirst() {
        Open(4);
        Press(3);
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        Press(4);
        QVERIFY(seen->text.startsWith("Enter at least one location"));
        QVERIFY(screen->fraTallySheets->isVisible());
        QCOMPARE(screen->focusWidget(), screen->txtTally[0]);
    }

    void locationsFile() {
        Open(1);
        Press(3);
        screen->txtTally[0]->setText("Bin A");
        screen->txtTally[1]->setText("Shed, back");
        screen->txtTally[3]->setText("  Van \"Blue\"");
        data->write("/Backup/Locations.txt", "old");
        Press(7);
        QCOMPARE(data->read("/Locations.txt"),
                 QByteArray("Bin A\r\n\"Shed, back\"\r\n\r\n\"  Van \"\"Blue\"\"\"\r\n\r\n"));
        QVERIFY(!data->exists("/Backup/Locations.txt"));

        Press(6);
        QVERIFY(screen->txtTally[0]->text().isEmpty());
        QVERIFY(data->exists("/Locations.txt")); // clearing does not touch the file

        EndRun();
        QStringList loaded;
        for (QLineEdit *box : LoadForm<frmServices>()->txtTally)
            loaded << box->text();
        QCOMPARE(loaded, QStringList({"Bin A", "Shed, back", "", "  Van \"Blue\"", ""}));
    }

    void locationsWrittenElsewhere() {
        // A file written by hand or by an older copy: plain fields, quoted fields, short file.
        QCOMPARE(ParseLocations("North\r\n\"South, yard\"\r\n  East\r\n"),
                 QStringList({"North", "South, yard", "East", "", ""}));
        QCOMPARE(ParseLocations(""), QStringList({"", "", "", "", ""}));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
