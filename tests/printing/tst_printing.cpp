#include "printing/InventoryForm.h"
#include "printing/PrinterRoutines.h"
#include "support/Screens.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

void SetBusiness(const QString &name, const QString &city, const QString &state,
                 const QString &zip) {
    BusinessName = name;
    BusinessAddress1 = QStringLiteral("12 Harbor Road");
    BusinessAddress2 = QString();
    BusinessCity = city;
    BusinessState = state;
    BusinessZip = zip;
    BusinessPhone = QStringLiteral("813-555-0100");
    BusinessFax = QString();
    BusinessTaxId = QStringLiteral("FEIN 59-1234567");
    frmSetup *setup = LoadForm<frmSetup>();
    setup->ShowBusinessFields();
    setup->SetAddressStyle();
}

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
        SetBusiness("Ace Plumbing", "Tampa", "FL", "33601");
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

    void businessHeader_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address"); // city|state|zip
        QTest::addColumn<bool>("usa");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("nameSize");
        const QString street = "12 Harbor Road";
        QTest::newRow("usa") << "Ace"
                             << "Tampa|FL|33601" << true
                             << QStringList{"Ace", street, "Tampa, FL. 33601"} << 12;
        QTest::newRow("usa, state without city")
            << "Ace"
            << "|FL|33601" << true << QStringList{"Ace", street, "FL. 33601"} << 12;
        QTest::newRow("usa, city without state")
            << "Ace"
            << "Tampa||33601" << true << QStringList{"Ace", street, "Tampa,"} << 12;
        QTest::newRow("international")
            << "Ace"
            << "Leeds|West Yorkshire|LS1" << false
            << QStringList{"Ace", street, "Leeds", "West Yorkshire"} << 12;
        QTest::newRow("25 characters")
            << "Twenty Five Characters Co"
            << "Tampa|FL|33601" << true
            << QStringList{"Twenty Five Characters Co", street, "Tampa, FL. 33601"} << 12;
        QTest::newRow("26 characters")
            << "Twenty Six Characters Inc."
            << "Tampa|FL|33601" << true
            << QStringList{"Twenty Six Characters Inc.", street, "Tampa, FL. 33601"} << 10;
    }
    void businessHeader() {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(bool, usa);
        QFETCH(QStringList, lines);
        QFETCH(int, nameSize);
        TestDataFolder data;
        const QStringList parts = address.split('|');
        SetBusiness(name, parts[0], parts[1], parts[2]);
        BusinessPhone.clear();
        BusinessTaxId.clear();
        frmSetup *setup = LoadForm<frmSetup>();
        if (UsaAddressStyle() != usa)
            setup->cmdAddress_Click();
        double size = 0;
        QCOMPARE(Drawn([] { PrintBusinessHeader(1.0, 0.65, 12); }, &size), lines);
        QCOMPARE(size, double(nameSize));
    }

    void printWrapped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no space") << "Unbroken" << 2880 << QStringList{"Unbroken"};
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
        const QStringList printed = Drawn([&] {
            SetPrintFont(10, false, false);
            PrintWrapped(1440, 2880, width, 0, text);
        });
        QCOMPARE(printed.join(' '), text);
        if (!lines.isEmpty())
            QCOMPARE(printed, lines);
        SetPrintFont(10, false, false);
        for (const QString &line : printed) // a word too wide goes alone
            QVERIFY2(!line.trimmed().contains(' ') ||
                         Printer::Current().TextWidth(line.trimmed()) <= width - 20,
                     qPrintable(line));
    }

    void printWrappedEmptyTextTakesOneLine() {
        Printer &printer = Printer::Current();
        SetPrintFont(10, false, false);
        PrintWrapped(1440, 2880, 2880, 0, QString());
        QCOMPARE(printer.CurrentY, 2880 + printer.TextHeight());
        QCOMPARE(printer.CurrentX, 0.0);
        printer.EndDoc();
    }

    void positionsAndFonts() {
        Printer &printer = Printer::Current();
        printer.StartDocument();
        printer.CurrentX = 100;
        printer.CurrentY = 200;
        MoveToInches(0, 0);
        QCOMPARE(printer.CurrentX, 100.0);
        QCOMPARE(printer.CurrentY, 200.0);
        MoveToInches(1.5, 0);
        QCOMPARE(printer.CurrentX, 2160.0);
        QCOMPARE(printer.CurrentY, 200.0);
        SetPrintFont(14, true, true);
        SetPrintFont(0, false, true);
        QCOMPARE(printer.FontSize(), 14.0);
        QVERIFY(!printer.FontBold());
        QVERIFY(printer.FontUnderline());
        SetUpPrinter("portrait", 2);
        QCOMPARE(printer.Orientation(), 2);
        SetUpPrinter("Portrait", 2);
        QCOMPARE(printer.Orientation(), 1);
        QVERIFY(!printer.FontUnderline());
        QCOMPARE(printer.FontName(), QString("Arial"));
        printer.EndDoc();
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
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
