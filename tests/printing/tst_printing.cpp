#include "printing/InventoryForm.h"
#include "printing/PrinterRoutines.h"
#include "support/Screens.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// The texts a drawing prints, one a line, on a fresh document; the first one's point size.
QStringList Drawn(const std::function<void()> &draw, double *firstSize = nullptr) {
    QTemporaryDir out;
    Printer::Current().device().setOutputFormat(QPrinter::PdfFormat);
    Printer::Current().device().setOutputFileName(out.filePath(QStringLiteral("drawn.pdf")));
    std::vector<PrintedText> texts;
    Printer::Current().SetTextRecorder(&texts);
    SetUpPrinter(QStringLiteral("Portrait"), 2);
    draw();
    Printer::Current().SetTextRecorder(nullptr);
    Printer::Current().EndDoc();
    QStringList lines;
    for (const PrintedText &t : texts)
        lines << t.text.trimmed(); // as a reader sees it: the spaces a line ends in are not seen
    if (firstSize && !texts.empty())
        *firstSize = texts.front().size;
    return lines;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() {
        Printer::Current().SetRecorder(nullptr);
        QVERIFY(EndScreenTest());
    }

    // From the set-up screen's button to a PDF: the framed page spreads 12,240 units over the
    // printable width of the paper; the rest of the page is the snapshots' business.
    void sampleDocument() {
        TestDataFolder data;
        data.write("/MyBusinessData.txt", AceBusinessData);
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();
        const QString path = data.path("/sample.pdf");
        PrintToPdf(path);
        QTest::mouseClick(setup->cmdLogo[5], Qt::LeftButton);
        const QList<PdfWord> words = ReadPdfWords(path);
        QCOMPARE(PdfPageCount(path), 1);
        const PdfWord title = FindWord(words, "Purchase");
        QVERIFY(qAbs(title.xMin - FramePointsX(7200)) < 1.5);
        QVERIFY(qAbs(title.yMin - PointsY(720)) < 4);
        QVERIFY(qAbs(FindWord(words, "Ace").xMin - FramePointsX(1440)) < 1.5);
        KeepForReview(path, "sample-document.pdf");
    }

    void failureIsReported() {
        TestDataFolder data;
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();
        QDir().mkpath(data.path("/gone"));
        // The folder disappears between the dialog and the printing.
        PrintToPdf(data.path("/gone/sample.pdf"),
                   [&data] { QDir(data.path("/gone")).removeRecursively(); });
        auto error = AnswerMessageBox(QMessageBox::Ok);
        QTest::mouseClick(setup->cmdLogo[5], Qt::LeftButton);
        QVERIFY(error->seen);
        QCOMPARE(error->text, QString("A Print Error has occurred"));
        QCOMPARE(error->title, QString("Print Error"));
    }

    // The lines under the name and street; a name over 25 characters prints smaller.
    void businessHeader_data() {
        QTest::addColumn<QString>("business"); // name|city|state|zip
        QTest::addColumn<bool>("usa");
        QTest::addColumn<QString>("address"); // "|" between lines
        QTest::addColumn<int>("nameSize");
        QTest::newRow("usa") << "Ace|Tampa|FL|33601" << true << "Tampa, FL. 33601" << 12;
        QTest::newRow("usa, state without city") << "Ace||FL|33601" << true << "FL. 33601" << 12;
        QTest::newRow("usa, city without state") << "Ace|Tampa||33601" << true << "Tampa," << 12;
        QTest::newRow("international")
            << "Ace|Leeds|West Yorkshire|LS1" << false << "Leeds|West Yorkshire" << 12;
        QTest::newRow("25 characters")
            << "Twenty Five Characters Co|Tampa|FL|33601" << true << "Tampa, FL. 33601" << 12;
        QTest::newRow("26 characters")
            << "Twenty Six Characters Inc.|Tampa|FL|33601" << true << "Tampa, FL. 33601" << 10;
    }
    void businessHeader() {
        QFETCH(QString, business);
        QFETCH(bool, usa);
        QFETCH(QString, address);
        QFETCH(int, nameSize);
        TestDataFolder data;
        const QStringList parts = business.split('|');
        BusinessName = parts[0];
        BusinessAddress1 = QStringLiteral("12 Harbor Road");
        BusinessCity = parts[1];
        BusinessState = parts[2];
        BusinessZip = parts[3];
        BusinessUsaStyle = usa;
        BusinessAddress2 = BusinessPhone = BusinessFax = BusinessTaxId = QString();
        double size = 0;
        QCOMPARE(Drawn([] { PrintBusinessHeader(1.0, 0.65, 12); }, &size),
                 QStringList({parts[0], BusinessAddress1}) + address.split('|'));
        QCOMPARE(size, double(nameSize));
    }

    void printWrapped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no space") << "Unbroken" << 2880 << QStringList{"Unbroken"};
        QTest::newRow("empty text takes a line") << "" << 2880 << QStringList{};
        QTest::newRow("fits") << "Deliver to the side door" << 7200
                              << QStringList{"Deliver to the side door"};
        QTest::newRow("word wider than the column")
            << "Supercalifragilisticexpialidocious is long" << 360
            << QStringList{"Supercalifragilisticexpialidocious", "is", "long"};
        QTest::newRow("paragraph in a narrow column")
            << "Call the office before loading the truck and check every bin twice" << 2160
            << QStringList{};
    }
    void printWrapped() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        double down = 0; // the print position after, in lines below the first, back at the margin
        const QStringList printed = Drawn([&] {
            SetPrintFont(10, false, false);
            PrintWrapped(1440, 2880, width, 0, text);
            QCOMPARE(Printer::Current().CurrentX, 0.0);
            down = (Printer::Current().CurrentY - 2880) / Printer::Current().TextHeight();
        });
        QCOMPARE(down, double(std::max<qsizetype>(1, printed.size())));
        QCOMPARE(printed.join(' '), text);
        if (!lines.isEmpty())
            QCOMPARE(printed, lines);
        SetPrintFont(10, false, false);
        for (const QString &line : printed) // a word too wide goes alone
            QVERIFY2(!line.contains(' ') || Printer::Current().TextWidth(line) <= width - 20,
                     qPrintable(line));
    }

    // Whether a text goes out among the page's gathered glyphs or through the text layout, its
    // words reach the PDF where the document put them.
    void textReachesThePdf_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("underline");
        QTest::newRow("code page") << u8"Café “12\" pipe” €5 ½ – ™" << false;
        QTest::newRow("underlined") << "Pricebook Items" << true;
        QTest::newRow("beyond the code page") << u8"Ωμέγα Кирилл" << false;
    }
    void textReachesThePdf() {
        QFETCH(QString, text);
        QFETCH(bool, underline);
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("text.pdf"));
        Printer &printer = Printer::Current();
        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName(path);
        SetUpPrinter(QStringLiteral("Portrait"), 2);
        SetPrintFont(10, false, underline);
        printer.CurrentX = 1440;
        printer.CurrentY = 1440;
        printer.Print(text, false);
        printer.Print(QStringLiteral(" after"));
        QVERIFY(printer.EndDoc());
        const QList<PdfWord> words = ReadPdfWords(path);
        QCOMPARE(WordTexts(words).join(' '), text + " after");
        QVERIFY(qAbs(words.first().xMin - PointsX(1440)) < 1);
        const double end = PointsX(1440 + printer.TextWidth(text));
        QVERIFY(qAbs(FindWord(words, "after").xMin - end - 2.5) < 1.5); // a space on
    }

    // A text cut short keeps as much of itself as fits with the mark.
    void elidedTextFillsItsRoom() {
        Printer &printer = Printer::Current();
        SetUpPrinter(QStringLiteral("Portrait"), 2);
        SetPrintFont(8, false, false);
        const QString text = QStringLiteral("Copper elbow, sweat, 3/4 in., lead free, WAVY 1/2");
        QCOMPARE(printer.ElidedText(text, 100), QString()); // not even the mark fits
        for (double width = 200; width < printer.TextWidth(text); width += 37) {
            const QString shown = printer.ElidedText(text, width);
            QVERIFY(shown.endsWith(u'…'));
            QVERIFY2(printer.TextWidth(shown) <= width + 0.01, qPrintable(shown));
            const QString longer = text.left(shown.size()) + u'…';
            QVERIFY2(printer.TextWidth(longer) > width - 0.01, qPrintable(longer));
        }
        printer.EndDoc();
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
