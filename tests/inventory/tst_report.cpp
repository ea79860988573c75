#include "common/Variables.h"
#include "inventory/ItemFile.h"
#include "inventory/Locations.h"
#include "inventory/frmServices.h"
#include "printing/FlexGrid.h"
#include "printing/PrintJob.h"
#include "printing/Printer.h"
#include "support/CupsScheduler.h"
#include "support/Gui.h"
#include "support/Pdf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>

#include <optional>

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

    void reportLayout() {
        Open(6);
        const QString path = data->path("/report.pdf");
        const QList<PdfWord> words = PrintReport(path);
        KeepForReview(path, "inventory-report.pdf");
        QCOMPARE(PdfPageCount(path), 1);

        // Landscape: the title centred across 10.5 printable inches.
        const PdfWord title = FindWord(words, "Inventory");
        const PdfWord report = FindWord(words, "Report");
        QVERIFY(qAbs((title.xMin + report.xMax) / 2 - 396) < 2);
        QVERIFY(qAbs(title.yMin - PointsY(576)) < 3);
        QVERIFY(qAbs(FindWord(words, "Date").xMin - PointsX(9 * 1440)) < 1);

        const struct {
            const char *word;
            double inches;
        } headings[] = {{"Description", 1.0}, {"Unit", 3.5},    {"Sell", 4.5}, {"On-Hand", 5.5},
                        {"Disc", 6.5},        {"Reorder", 8.5}, {"When", 9.75}};
        for (const auto &h : headings) {
            const PdfWord word = FindWord(words, h.word);
            QVERIFY2(qAbs(word.xMin - PointsX(h.inches * 1440)) < 1, h.word);
            QVERIFY2(qAbs(word.yMin - PointsY(2 * 1440)) < 3, h.word);
        }
        QVERIFY(!FindWord(words, "Ace").text.isEmpty()); // the business header

        // The description at an inch, the right-aligned cells ending at their edges.
        const QList<PdfWord> line = LineOf(words, FindWord(words, "003"));
        QCOMPARE(WordTexts(line),
                 QStringList({"Item", "003", "$3.75", "$1,007.50", "3", "$6.00", "13", "6", "3"}));
        QVERIFY(qAbs(line[0].xMin - PointsX(1440)) < 1);
        const double edges[] = {5760, 7200, 8496, 10080, 11664, 12960, 14400};
        for (int i = 0; i < 7; ++i)
            QVERIFY2(qAbs(line[i + 2].xMax - PointsX(edges[i])) < 1.5,
                     qPrintable(line[i + 2].text));
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
        for (int page = 1; page <= pages; ++page) {
            for (const char *heading : {"Ace", "Report", "Description"})
                QVERIFY2(!FindWord(words, heading, page).text.isEmpty(), heading);
            double lowest = 0;
            for (const PdfWord &word : words)
                lowest = word.page == page ? std::max(lowest, word.yMax) : lowest;
            // Five more lines would still have fitted above the printable bottom.
            QVERIFY(lowest < 594 - 4 * 11);
        }
        // The rows go on right under the headings of the new page.
        const PdfWord first = FindWord(words, "Item", 2);
        QVERIFY(first.yMin > PointsY(2 * 1440) && first.yMin < PointsY(2 * 1440) + 40);
    }

    // On a real CUPS queue the report arrives whole, on the paper chosen, as often as asked.
    void printedOnACupsQueue() {
        CupsScheduler cups;
        if (!cups.SkipReason().isEmpty())
            QSKIP(qPrintable(cups.SkipReason()));
        Open(60);
        PrintReport(data->path("/long.pdf"));
        const int pages = PdfPageCount(data->path("/long.pdf"));
        PrintToQueue(cups.Queue(), 3, "Legal");
        Press(1);
        QVERIFY(cups.WaitForOutput(1));
        // The same margins as on the PDF, where the printer can print that close to the edge.
        QPageLayout layout = Printer::Current().device().pageLayout();
        layout.setUnits(QPageLayout::Inch);
        const QMarginsF least = layout.minimumMargins();
        QVERIFY(std::max({least.left(), least.top(), least.right(), least.bottom()}) <= 0.25);
        QCOMPARE(layout.margins(), QMarginsF(0.25, 0.25, 0.25, 0.25));
        const QMap<QString, QString> job = cups.LastJobAttributes();
        QCOMPARE(job.value("job-name"), QString("Inventory Report"));
        QCOMPARE(job.value("copies"), QString("3"));
        QCOMPARE(job.value("media"), QString("Legal"));
        KeepForReview(cups.OutputPdfs().constLast(), "report-cups.pdf");
        // Legal paper is longer: the landscape pages hold no more rows than on Letter.
        QCOMPARE(PdfPageCount(cups.OutputPdfs().constLast()), 3 * pages);
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
        const QString names[] = {"Warehouse", "Truck"};
        for (int page : {1, 2}) {
            const PdfWord location = FindWord(words, "Location:", page);
            QVERIFY(qAbs(location.xMin - PointsX(5.75 * 1440)) < 1);
            QVERIFY(FindWord(words, names[page - 1], page).xMin > location.xMax);
            QVERIFY(!FindWord(words, "Count", page).text.isEmpty());
            QVERIFY(qAbs(FindWord(words, "Reorder", page).xMin - PointsX(6 * 1440)) < 1);
            const PdfWord blank = FindWord(words, "_______________", page);
            QVERIFY(qAbs(blank.xMin - PointsX(5760)) < 1);
            // "When At" of item 3 (3 % 7 = 3) after the blank, right-aligned at 6.5 inches.
            const PdfWord whenAt = LineOf(words, FindWord(words, "003", page)).last();
            QCOMPARE(whenAt.text, QString("3"));
            QVERIFY(whenAt.xMin > blank.xMax && qAbs(whenAt.xMax - PointsX(9360)) < 1.5);
            // The date stays on the portrait sheet.
            const PdfWord date = FindWord(words, "Date", page);
            QVERIFY(date.xMin > 0 && date.xMin < 612 - 18);
        }
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
