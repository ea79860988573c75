#include "common/Variables.h"
#include "inventory/ItemFile.h"
#include "inventory/Locations.h"
#include "inventory/frmServices.h"
#include "printing/FlexGrid.h"
#include "printing/PrintJob.h"
#include "support/Gui.h"
#include "support/Pdf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>

namespace {

void WriteItems(int count) {
    std::vector<NumberedItem> items;
    for (int k = 1; k <= count; ++k) {
        ItemRecord item;
        item.Description = QStringLiteral("Item %1").arg(k, 3, 10, QLatin1Char('0'));
        item.Category = k % 2 ? QStringLiteral("Odd") : QStringLiteral("Even");
        item.Cost = Currency::fromCents(k * 125);
        item.Price = Currency::fromCents(k * 250 + 100000);
        item.OnHand = qint16(k);
        item.DiscountPrice = Currency::fromCents(k * 200);
        item.DiscountQty = 10 + k;
        item.ReorderAmount = 6;
        item.ReorderAt = qint16(k % 7);
        items.push_back({k, item});
    }
    QVERIFY(RewriteItemsFile(items));
}

QList<PdfWord> OnPage(const QList<PdfWord> &words, int page) {
    QList<PdfWord> on;
    for (const PdfWord &word : words) {
        if (word.page == page)
            on << word;
    }
    return on;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
    frmServices *screen = nullptr;

    frmServices *Open(const TestDataFolder &data, int items) {
        data.write("/MyBusinessData.txt", AceBusinessData);
        WriteItems(items);
        screen = LoadForm<frmServices>();
        screen->show();
        QApplication::setActiveWindow(screen);
        return screen;
    }

    // Prints the inventory report from the screen's button into a PDF and reads it back.
    QList<PdfWord> PrintReport(const TestDataFolder &data, const QString &name) {
        const QString path = data.path("/" + name);
        PrintToPdf(path);
        QTest::mouseClick(screen->cmdServices[1], Qt::LeftButton);
        return ReadPdfWords(path);
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QVERIFY(EndScreenTest()); }

    void reportLayout() {
        TestDataFolder data;
        Open(data, 6);
        const QString path = data.path("/report.pdf");
        const QList<PdfWord> words = PrintReport(data, "report.pdf");
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

        // Right-aligned cells end at their edges.
        const PdfWord description = FindWord(words, "003");
        QVERIFY(qAbs(FindWord(words, "Item").xMin - PointsX(1440)) < 1);
        QStringList cells;
        QList<double> ends;
        for (const PdfWord &word : words) {
            if (qAbs(word.yMin - description.yMin) < 1 && word.xMin > description.xMax) {
                cells << word.text;
                ends << word.xMax;
            }
        }
        QCOMPARE(cells, QStringList({"$3.75", "$1,007.50", "3", "$6.00", "13", "6", "3"}));
        const double edges[] = {5760, 7200, 8496, 10080, 11664, 12960, 14400};
        for (int i = 0; i < 7; ++i)
            QVERIFY2(qAbs(ends[i] - PointsX(edges[i])) < 1.5, qPrintable(cells[i]));
    }

    void filteredGridPrintsOnlyItsRows() {
        TestDataFolder data;
        Open(data, 6);
        screen->cboCategory->setEditText("Even");
        screen->ckCategory->setChecked(true);
        QTest::mouseClick(screen->cmdServices[2], Qt::LeftButton);
        QStringList printed;
        for (const PdfWord &word : PrintReport(data, "even.pdf")) {
            if (word.text.startsWith("00"))
                printed << word.text;
        }
        QCOMPARE(printed, QStringList({"002", "004", "006"}));
    }

    void newPageWithFullHeader() {
        TestDataFolder data;
        Open(data, 60);
        const QString path = data.path("/long.pdf");
        const QList<PdfWord> words = PrintReport(data, "long.pdf");
        const int pages = PdfPageCount(path);
        QVERIFY(pages >= 2);
        QStringList printed;
        for (const PdfWord &word : words) {
            if (word.text.size() == 3 && word.text.at(0).isDigit())
                printed << word.text;
        }
        QCOMPARE(printed.size(), 60); // every row once, none lost at the break
        for (int page = 1; page <= pages; ++page) {
            const QList<PdfWord> on = OnPage(words, page);
            QVERIFY(!FindWord(on, "Ace").text.isEmpty());
            QVERIFY(!FindWord(on, "Report").text.isEmpty());
            QVERIFY(!FindWord(on, "Description").text.isEmpty());
            double lowest = 0;
            for (const PdfWord &word : on)
                lowest = std::max(lowest, word.yMax);
            // Five more lines would still have fitted above the printable bottom.
            QVERIFY(lowest < 594 - 4 * 11);
        }
        // The rows go on right under the headings of the new page.
        const PdfWord first = FindWord(OnPage(words, 2), "Item");
        QVERIFY(first.yMin > PointsY(2 * 1440) && first.yMin < PointsY(2 * 1440) + 40);
    }

    void emptyGridPrintsTheHeadingsOnly() {
        TestDataFolder data;
        Open(data, 0);
        data.write("/VIInventoriedItems.txt", "");
        screen->cmdServices[1]->setEnabled(true);
        const QList<PdfWord> words = PrintReport(data, "empty.pdf");
        QVERIFY(!FindWord(words, "Description").text.isEmpty());
        QVERIFY(FindWord(words, "Item").text.isEmpty());
    }

    void cancelledReport() {
        TestDataFolder data;
        Open(data, 3);
        CancelPrintDialog();
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(screen->cmdServices[1], Qt::LeftButton);
        QCOMPARE(seen->text, QString("The Inventory will not be Printed"));
        QCOMPARE(seen->title, QString("Velbor Inventory"));
    }

    void cancelledLongReport() {
        TestDataFolder data;
        Open(data, 2000);
        SetProgressDelay(0); // whatever this machine's speed, the progress shows at once
        const QByteArray items = data.read("/VIInventoriedItems.txt");
        const QString path = data.path("/report.pdf");
        PrintToPdf(path);
        // The progress shows, and its Cancel stops the job.
        OnNextModal([](QWidget *modal) {
            auto *progress = qobject_cast<QProgressDialog *>(modal);
            QVERIFY2(progress, "expected the print progress");
            Screenshot(progress, "print-progress");
            progress->cancel();
        });
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(screen->cmdServices[1], Qt::LeftButton);
        QCOMPARE(seen->text, QString("The Inventory will not be Printed"));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(data.read("/VIInventoriedItems.txt"), items);
        SetProgressDelay(1000);
    }

    void tallySheetsForFilledLocations() {
        TestDataFolder data;
        Open(data, 4);
        QTest::mouseClick(screen->cmdServices[3], Qt::LeftButton);
        QVERIFY(screen->fraTallySheets->isVisible());
        Screenshot(screen, "services-tally");
        screen->txtTally[0]->setText("Warehouse");
        screen->txtTally[2]->setText("Truck 2");
        const QString path = data.path("/tally.pdf");
        PrintToPdf(path);
        QTest::mouseClick(screen->cmdServices[4], Qt::LeftButton);
        QVERIFY(!screen->fraTallySheets->isVisible()); // the task is done
        const QList<PdfWord> words = ReadPdfWords(path);
        KeepForReview(path, "tally-sheets.pdf");
        QCOMPARE(PdfPageCount(path), 2);
        const QString names[] = {"Warehouse", "Truck"};
        for (int page : {1, 2}) {
            const QList<PdfWord> on = OnPage(words, page);
            const PdfWord location = FindWord(on, "Location:");
            QVERIFY(qAbs(location.xMin - PointsX(5.75 * 1440)) < 1);
            QCOMPARE(FindWord(on, names[page - 1]).xMin > location.xMax, true);
            QVERIFY(!FindWord(on, "Count").text.isEmpty());
            QVERIFY(qAbs(FindWord(on, "Reorder").xMin - PointsX(6 * 1440)) < 1);
            const PdfWord blank = FindWord(on, "_______________");
            QVERIFY(qAbs(blank.xMin - PointsX(5760)) < 1);
            // "When At" of item 3 (3 % 7 = 3) right-aligned at 6.5 inches.
            const PdfWord item = FindWord(on, "003");
            for (const PdfWord &word : on) {
                if (qAbs(word.yMin - item.yMin) < 1 && word.xMin > blank.xMax)
                    QVERIFY(qAbs(word.xMax - PointsX(9360)) < 1.5);
            }
            // The date stays on the portrait sheet.
            const PdfWord date = FindWord(on, "Date");
            QVERIFY(date.xMin > 0 && date.xMin < 612 - 18);
        }
    }

    void tallySheetsWithoutLocationsSaySoFirst() {
        TestDataFolder data;
        Open(data, 4);
        QTest::mouseClick(screen->cmdServices[3], Qt::LeftButton);
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(screen->cmdServices[4], Qt::LeftButton);
        QVERIFY(seen->text.startsWith("Enter at least one location"));
        QVERIFY(screen->fraTallySheets->isVisible());
        QCOMPARE(screen->focusWidget(), screen->txtTally[0]);
    }

    void locationsFile() {
        TestDataFolder data;
        Open(data, 1);
        QTest::mouseClick(screen->cmdServices[3], Qt::LeftButton);
        screen->txtTally[0]->setText("Bin A");
        screen->txtTally[1]->setText("Shed, back");
        screen->txtTally[3]->setText("  Van \"Blue\"");
        data.write("/Backup/Locations.txt", "old");
        QTest::mouseClick(screen->cmdServices[7], Qt::LeftButton);
        QCOMPARE(data.read("/Locations.txt"),
                 QByteArray("Bin A\r\n\"Shed, back\"\r\n\r\n\"  Van \"\"Blue\"\"\"\r\n\r\n"));
        QVERIFY(!data.exists("/Backup/Locations.txt"));

        QTest::mouseClick(screen->cmdServices[6], Qt::LeftButton);
        QVERIFY(screen->txtTally[0]->text().isEmpty());
        QVERIFY(data.exists("/Locations.txt")); // clearing does not touch the file

        EndRun();
        screen = LoadForm<frmServices>();
        QCOMPARE(screen->txtTally[0]->text(), QString("Bin A"));
        QCOMPARE(screen->txtTally[1]->text(), QString("Shed, back"));
        QCOMPARE(screen->txtTally[2]->text(), QString());
        QCOMPARE(screen->txtTally[3]->text(), QString("  Van \"Blue\""));
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
