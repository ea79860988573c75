#include "inventory/Locations.h"
#include "support/Screens.h"

#include <QProgressDialog>

class TestReport : public QObject {
    Q_OBJECT
    std::optional<TestDataFolder> data;
    frmServices *screen = nullptr;

    // The screen over items 1 to count: item k ("Item 00k", Odd or Even) at record k, its
    // amounts and counts growing with k.
    void Open(int count) {
        data->write("/MyBusinessData.txt", AceBusinessData);
        const auto cents = &Currency::fromCents;
        std::vector<NumberedItem> items;
        for (int k = 1; k <= count; ++k)
            items.push_back({k,
                             {QStringLiteral("Item %1").arg(k, 3, 10, QLatin1Char('0')),
                              k % 2 ? "Odd" : "Even", cents(k * 125), cents(k * 250 + 100000),
                              qint16(k), cents(k * 200), 10 + k, 6, qint16(k % 7)}});
        QVERIFY(RewriteItemsFile(items));
        screen = LoadForm<frmServices>();
        screen->show();
        QApplication::setActiveWindow(screen);
    }
    void Press(int button) {
        QTest::mouseClick(screen->cmdServices[size_t(button)], Qt::LeftButton);
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

    // The grid's rows as the screen shows them, on as many pages as they need; the pages
    // themselves are the snapshots' business.
    void reportPrintsTheGridRows_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("category"); // the grid showing only that category
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("numbers"); // the printed item numbers, in order
        QTest::addColumn<QString>("line");        // an item's line
        QStringList even, odd;                    // the grid sorted by category
        for (int k = 1; k <= 60; ++k)
            (k % 2 ? odd : even) << QString("%1").arg(k, 3, 10, QChar('0'));
        QTest::newRow("one page") << 6 << "" << 1 << even.mid(0, 3) + odd.mid(0, 3)
                                  << "Item 003 $3.75 $1,007.50 3 $6.00 13 6 3";
        QTest::newRow("filtered grid") << 6 << "Even" << 1 << QStringList({"002", "004", "006"})
                                       << "Item 002 $2.50 $1,005.00 2 $4.00 12 6 2";
        QTest::newRow("new pages, no row lost") << 60 << "" << 3 << even + odd << "";
        QTest::newRow("empty grid, the headings only") << 0 << "" << 1 << QStringList() << "";
    }
    void reportPrintsTheGridRows() {
        QFETCH(int, items);
        QFETCH(QString, category);
        QFETCH(int, pages);
        QFETCH(QStringList, numbers);
        QFETCH(QString, line);
        Open(items);
        if (!category.isEmpty()) {
            screen->cboCategory->setEditText(category);
            screen->ckCategory->setChecked(true);
            Press(2);
        }
        if (items == 0) {
            data->write("/VIInventoriedItems.txt", "");
            screen->cmdServices[1]->setEnabled(true);
        }
        const QString path = data->path("/report.pdf");
        PrintToPdf(path);
        Press(1);
        KeepForReview(path, "inventory-report.pdf");
        const QList<PdfWord> words = ReadPdfWords(path);
        QCOMPARE(PdfPageCount(path), pages);
        QVERIFY(!FindWord(words, "Description").text.isEmpty());
        QStringList printed; // the words that are three digits
        for (const PdfWord &word : words) {
            if (word.text.size() == 3 && word.text.at(0).isDigit())
                printed << word.text;
        }
        QCOMPARE(printed, numbers);
        if (!line.isEmpty())
            QCOMPARE(WordTexts(LineOf(words, FindWord(words, line.section(' ', 1, 1)))).join(' '),
                     line);
    }

    // Cancelled in the print dialog, or on the progress of a long report: said, nothing printed.
    void cancelledReport_data() {
        QTest::addColumn<int>("items");
        QTest::newRow("print dialog") << 3;
        // Long enough that the progress takes the Cancel before the last page, however fast.
        QTest::newRow("progress") << 20000;
    }
    void cancelledReport() {
        QFETCH(int, items);
        Open(items);
        const QByteArray before = data->read("/VIInventoriedItems.txt");
        const QString path = data->path("/report.pdf");
        if (items < 1000) {
            CancelPrintDialog();
        } else {
            SetProgressDelay(0); // whatever this machine's speed, the progress shows at once
            PrintToPdf(path);
            OnNextModal([](QWidget *modal) {
                auto *progress = qobject_cast<QProgressDialog *>(modal);
                QVERIFY2(progress, "expected the print progress");
                Screenshot(progress, "print-progress");
                progress->cancel();
            });
        }
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        Press(1);
        SetProgressDelay(1000);
        QCOMPARE(seen->text, QString("The Inventory will not be Printed"));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(data->read("/VIInventoriedItems.txt"), before);
    }

    // A sheet for each location filled in, in their order; none filled: said first.
    void tallySheets() {
        Open(4);
        Press(3);
        QVERIFY(screen->fraTallySheets->isVisible());
        Screenshot(screen, "services-tally");
        auto seen = AnswerMessageBox(QMessageBox::Ok);
        Press(4);
        QVERIFY(seen->text.startsWith("Enter at least one location"));
        QVERIFY(screen->fraTallySheets->isVisible());
        QCOMPARE(screen->focusWidget(), screen->txtTally[0]);

        screen->txtTally[0]->setText("Warehouse");
        screen->txtTally[2]->setText("Truck 2");
        const QString path = data->path("/tally.pdf");
        PrintToPdf(path);
        Press(4);
        QVERIFY(!screen->fraTallySheets->isVisible()); // the task is done
        const QList<PdfWord> words = ReadPdfWords(path);
        KeepForReview(path, "tally-sheets.pdf");
        QCOMPARE(PdfPageCount(path), 2);
        QCOMPARE(FindWord(words, "Warehouse").page, 1);
        QCOMPARE(FindWord(words, "Truck").page, 2);
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
        // A file written by hand or by an older copy: plain fields, quoted fields, short file.
        QCOMPARE(ParseLocations("North\r\n\"South, yard\"\r\n  East\r\n"),
                 QStringList({"North", "South, yard", "East", "", ""}));
        QCOMPARE(ParseLocations(""), QStringList({"", "", "", "", ""}));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
