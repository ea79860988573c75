#include "common/Cp1252.h"
#include "common/Variables.h"
#include "contacts/VendorFile.h"
#include "contacts/frmContacts.h"
#include "pricebook/RFQText.h"
#include "pricebook/frmPriceBook.h"
#include "printing/FlexGrid.h"
#include "printing/Printer.h"
#include "setup/frmSetup.h"
#include "shell/Controls.h"
#include "support/Gui.h"
#include "support/Items.h"
#include "support/Pdf.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QToolButton>
#include <QtEndian>

namespace {

constexpr double Inch = 1440;

ItemRecord Item(const QString &description, const QString &category, qint64 costCents = 250,
                qint64 priceCents = 400, qint64 discountCents = 350, qint32 discountQty = 10) {
    ItemRecord item;
    item.Description = description;
    item.Category = category;
    item.Cost = Currency::fromCents(costCents);
    item.Price = Currency::fromCents(priceCents);
    item.DiscountPrice = Currency::fromCents(discountCents);
    item.DiscountQty = discountQty;
    return item;
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

QString ShortDate(const QDate &date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

// Whether a word of that text starts (or, with ends, ends) at x twips on the page.
bool At(const QList<PdfWord> &words, const QString &text, int page, double x, bool ends = false) {
    return std::any_of(words.begin(), words.end(), [&](const PdfWord &w) {
        return w.page == page && w.text == text &&
               std::abs((ends ? w.xMax : w.xMin) - PointsX(x)) < 1.5;
    });
}

// Whether the printed line is centred across the landscape page.
bool Centred(const QList<PdfWord> &line, double within = 2) {
    return !line.isEmpty() &&
           std::abs((line.first().xMin + line.last().xMax) / 2 - PointsX(15120 / 2)) < within;
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
        for (int n = 1; n <= vendors.size(); ++n) {
            VendorRecord vendor;
            vendor[VendorName] = vendors[n - 1];
            vendor[VendorAddress1] = "9 Main St";
            vendor[VendorCity] = "Akron";
            vendor[VendorState] = "OH";
            vendor[VendorPostalCode] = "44301";
            QVERIFY(SaveVendor(n, vendor));
        }
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

    QList<PdfWord> Print(QPushButton *button, const TestDataFolder &data) {
        const QString path = data.path("/document.pdf");
        PrintToPdf(path);
        button->click();
        KeepForReview(path, QTest::currentTestFunction());
        return ReadPdfWords(path);
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
        screen->cmdPB[0]->click();
        QVERIFY(!Screen("frmPriceBook"));
        QVERIFY(ScreenVisible("frmStartup"));
    }

    void priceBookPages_data() {
        QTest::addColumn<bool>("cost");
        QTest::addColumn<bool>("price");
        QTest::addColumn<bool>("discount");
        QTest::newRow("no amounts") << false << false << false;
        QTest::newRow("cost") << true << false << false;
        QTest::newRow("price") << false << true << false;
        QTest::newRow("discount") << false << false << true;
        QTest::newRow("all") << true << true << true;
    }
    void priceBookPages() {
        QFETCH(bool, cost);
        QFETCH(bool, price);
        QFETCH(bool, discount);
        TestDataFolder data;
        Open(data,
             {Item("Copper elbow", "Pipe"), Item("Brass valve", "Valves", 1200, 1999, 1700, 0),
              Item("Stainless steel compression fitting with two olives", "Pipe"),
              Item("Unticked tee", "Pipe")});
        ClickRow(screen->fgItems, RowOf(screen->fgItems, "Unticked tee", 1));
        for (const char *step : {"tick Pipe", "tick Valves", "order Valves", "order Pipe"})
            Do(step);
        screen->ckPB[0]->setChecked(cost);
        screen->ckPB[1]->setChecked(price);
        screen->ckPB[2]->setChecked(discount);
        const QList<PdfWord> words = Print(screen->cmdPB[3], data);
        QCOMPARE(PdfPageCount(data.path("/document.pdf")), 2);

        // The cover: title, date and owner centred, the business header at 0.5, 6.5 inches.
        QVERIFY(std::abs(PointsY(3.5 * Inch) - FindWord(words, "Sales", 1).yMin) < 6);
        for (const QString &first :
             QStringList{"Sales", "Effective", ShortDate(QDate::currentDate()), "Created"})
            QVERIFY2(Centred(LineOf(words, FindWord(words, first, 1))), qPrintable(first));
        QCOMPARE(WordTexts(LineOf(words, FindWord(words, "Created", 1))),
                 QStringList({"Created", "for", "Ace", "Plumbing"}));
        QVERIFY(At(words, "12", 1, 0.5 * Inch));
        QVERIFY(FindWord(words, "Harbor", 1).yMin > PointsY(6.5 * Inch));

        // The chosen columns' headings at their places, the amounts ending at their edges, and
        // no discount where the quantity is 0.
        struct Placed {
            const char *text;
            double x;
            bool ends, shown;
        };
        const Placed placed[] = {
            {"Description", 720, false, true},   {"Category", 3240, false, true},
            {"Cost", 5760, false, cost},         {"Price", 7200, false, price},
            {"Discount", 8640, false, discount}, {"Units", 10080, false, discount},
            {"Comments", 13320, false, true},    {"$2.50", 6120, true, cost},
            {"$12.00", 6120, true, cost},        {"$4.00", 7560, true, price},
            {"$3.50", 9720, true, discount},     {"10", 11160, true, discount}};
        for (const Placed &p : placed)
            QVERIFY2(At(words, p.text, 2, p.x, p.ends) == p.shown, p.text);
        QVERIFY(FindWord(words, "$17.00").text.isEmpty());
        // Categories in the chosen order, the unticked item left out, a long description cut
        // before the category.
        QVERIFY(FindWord(words, "Brass", 2).yMin < FindWord(words, "Copper", 2).yMin);
        QVERIFY(FindWord(words, "Unticked").text.isEmpty());
        for (const PdfWord &w : LineOf(words, FindWord(words, "Stainless", 2))) {
            if (w.xMin < PointsX(2.25 * Inch))
                QVERIFY2(w.xMax < PointsX(2.25 * Inch) - 1, qPrintable(w.text));
        }
        // The comment line of each item, from 12,600 twips to no further than the printable edge.
        int rules = 0;
        for (const PdfWord &w : words) {
            if (w.page == 2 && w.text.startsWith("____")) {
                ++rules;
                QVERIFY(std::abs(w.xMin - PointsX(12600)) < 1 && w.xMax <= PointsX(15120) + 0.5);
            }
        }
        QCOMPARE(rules, 3);
        const PdfWord footer = FindWord(words, "(2)", 2);
        QVERIFY(Centred({footer}, 8) && footer.yMin > PointsY(11520 - 720) - 2);
    }

    void priceBookBreaksAndFonts() {
        TestDataFolder data;
        std::vector<ItemRecord> items;
        for (int k = 1; k <= 120; ++k)
            items.push_back(Item(QString("Part %1").arg(k, 3, 10, QChar('0')), "Pipe"));
        Open(data, items);
        for (const char *step : {"tick Pipe", "copy"})
            Do(step);
        const QList<PdfWord> words = Print(screen->cmdPB[3], data);
        const int pages = PdfPageCount(data.path("/document.pdf"));
        QVERIFY(pages >= 4);
        for (int page = 2; page <= pages; ++page) {
            QVERIFY(!FindWord(words, "Pricebook", page).text.isEmpty());
            QVERIFY(!FindWord(words, "Description", page).text.isEmpty());
            QVERIFY(!FindWord(words, QString("(%1)").arg(page), page).text.isEmpty());
        }
        for (const PdfWord &w : words) {
            if (w.text == "Part")
                QVERIFY(w.yMax < PointsY(11520 - 1440) + 1);
        }
        QVERIFY(!FindWord(words, "120").text.isEmpty());

        // Without Arial Black the heavy face is an outline sans-serif, never a bitmap one.
        QProcess fonts;
        fonts.start("pdffonts", {data.path("/document.pdf")});
        QVERIFY(fonts.waitForFinished());
        const QString listed = QString::fromUtf8(fonts.readAllStandardOutput());
        QVERIFY2(!listed.contains("Type 3") && listed.contains("Sans"), qPrintable(listed));
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

    void rfqPages() {
        TestDataFolder data;
        std::vector<ItemRecord> items;
        for (int k = 1; k <= 60; ++k)
            items.push_back(Item(QString("Part%1").arg(k, 2, 10, QChar('0')), "Pipe"));
        Open(data, items, {"Gulf Supply", "Bay Parts", "Summit Tools"});
        FlexGrid *grid = screen->fgItems;
        QCOMPARE(VendorNumber, 1);
        screen->lstVendors->setCurrentRow(2);
        QCOMPARE(VendorNumber, 3);
        // Every other item asked about: only those count towards a page.
        for (int r = 1; r < grid->Rows(); r += 2)
            ClickRow(grid, r);
        OpenRFQ();
        screen->txtRFQ->setPlainText(DefaultRFQText() + " " + DefaultRFQText());
        std::vector<PrintedShape> shapes;
        Printer::Current().SetRecorder(&shapes);
        const QList<PdfWord> words = Print(screen->cmdPrintRFQ[0], data);
        Printer::Current().SetRecorder(nullptr);
        QCOMPARE(PdfPageCount(data.path("/document.pdf")), 3);
        QVERIFY(!screen->fraRFQ->isVisible());

        // The letter: title, vendor block, date, the request wrapped, the return-by date.
        const QList<PdfWord> title = LineOf(words, FindWord(words, "Request", 1));
        QCOMPARE(WordTexts(title), QStringList({"Request", "for", "Quotation"}));
        QVERIFY(Centred(title) && std::abs(title.first().yMin - PointsY(720)) < 4);
        for (const char *line : {"Summit", "9", "Akron,OH", "44301"})
            QVERIFY2(At(words, line, 1, Inch), line);
        QVERIFY(FindWord(words, "Summit", 1).yMin > PointsY(2 * Inch) - 1);
        QVERIFY(FindWord(words, "Gulf", 1).text.isEmpty());
        const PdfWord date = FindWord(words, ShortDate(QDate::currentDate()), 1);
        QVERIFY(At(words, date.text, 1, 7 * Inch) && std::abs(date.yMin - PointsY(Inch)) < 4);
        QSet<int> requestLines;
        for (const PdfWord &w : words) {
            if (w.page == 1 && w.yMin > PointsY(3 * Inch) - 1) {
                QVERIFY2(w.xMax < PointsX(Inch + 8640), qPrintable(w.text));
                requestLines.insert(qRound(w.yMin));
            }
        }
        QVERIFY(requestLines.size() >= 4); // the request wrapped, and the return-by line
        const PdfWord returnBy = FindWord(words, ShortDate(QDate::currentDate().addDays(14)), 1);
        QCOMPARE(WordTexts(LineOf(words, returnBy)).join(' '),
                 "Please complete and return by " + returnBy.text);

        // The ruled pages: 24 items each, each in a ruled row, the 25th first on page 3.
        for (int page : {2, 3}) {
            QCOMPARE(WordTexts(LineOf(words, FindWord(words, "Page", page))),
                     QStringList({"Page", QString::number(page)}));
            QVERIFY(At(words, "Item", page, 5.6 * Inch));
        }
        QList<PdfWord> asked;
        for (const PdfWord &w : words) {
            if (w.text.startsWith("Part"))
                asked << w;
        }
        QCOMPARE(asked.size(), 30);
        QCOMPARE(asked[23].page, 2);
        QCOMPARE(asked[24].page, 3);
        QCOMPARE(asked[24].text, QString("Part50"));
        QVERIFY(std::abs(asked[0].xMin - PointsX(5.6 * Inch)) < 1);
        double bottom = 0;
        for (const PrintedShape &s : shapes)
            bottom = std::max(bottom, s.y2);
        QCOMPARE(bottom, 2880.0 + 24 * 360);
        QVERIFY(asked[23].yMin > PointsY(2880 + 23 * 360) && asked[23].yMax < PointsY(bottom));
        QCOMPARE(int(shapes.size()), 2 * (26 + 7));
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
