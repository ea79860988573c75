#include "common/Variables.h"
#include "contacts/VendorFile.h"
#include "printing/InventoryForm.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"
#include "purchasing/frmPO.h"
#include "setup/frmSetup.h"
#include "shell/FieldLines.h"
#include "support/Gui.h"
#include "support/Pdf.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

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

// Prints one document through the real print dialog into a PDF and reads its words back.
QList<PdfWord> PrintPdf(const TestDataFolder &data, const std::function<void()> &draw,
                        const QString &name = QStringLiteral("out.pdf")) {
    const QString path = data.path("/" + name);
    PrintToPdf(path);
    if (!ShowPrintDialog(QStringLiteral("Test Page")))
        return {};
    SetUpPrinter(QStringLiteral("Portrait"), 2);
    draw();
    if (!Printer::Current().EndDoc())
        return {};
    return ReadPdfWords(path);
}

// The words of one printed line from the given word on, as far as they run on together.
QString LineFrom(const QList<PdfWord> &words, const PdfWord &first) {
    QStringList line;
    double end = first.xMin;
    for (const PdfWord &word : words) {
        if (word.page == first.page && qAbs(word.yMin - first.yMin) < 1 &&
            word.xMin >= first.xMin && word.xMin - end < 12) {
            line << word.text;
            end = word.xMax;
        }
    }
    return line.join(' ');
}

// The printed lines, top to bottom.
QStringList PrintedLines(const QList<PdfWord> &words) {
    QStringList printed;
    double lastY = -1;
    for (const PdfWord &word : words) {
        if (word.yMin > lastY + 1)
            printed << LineFrom(words, word);
        lastY = word.yMin;
    }
    return printed;
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

    void sampleDocument() {
        TestDataFolder data;
        SetBusiness("Ace Plumbing", "Tampa", "FL", "33601");
        data.write("/MyWebSite.txt", "\"www.aceplumbing.example\"\r\n");
        frmSetup *setup = LoadForm<frmSetup>();
        setup->show();
        const QString path = data.path("/sample.pdf");
        PrintToPdf(path);
        QTest::mouseClick(setup->cmdLogo[5], Qt::LeftButton);
        const QList<PdfWord> words = ReadPdfWords(path);
        QCOMPARE(PdfPageCount(path), 1);

        // The title at 5.0 in, 0.5 in, in 28 point.
        const PdfWord title = FindWord(words, "Purchase");
        QVERIFY2(!title.text.isEmpty(), qPrintable(WordTexts(words).join(' ')));
        QVERIFY(qAbs(title.xMin - FramePointsX(7200)) < 1.5);
        QVERIFY(qAbs(title.yMin - PointsY(720)) < 4);
        QVERIFY2(title.height() > 26 && title.height() < 36,
                 qPrintable(QString::number(title.height())));
        QCOMPARE(LineFrom(words, title), QString("Purchase Order"));

        // Not a purchase order: the pick-by line instead of number, date and total.
        const PdfWord need = FindWord(words, "Need");
        QCOMPARE(LineFrom(words, need),
                 "Need picked by: " +
                     QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(qAbs(need.xMin - FramePointsX(7200)) < 1.5);
        QVERIFY(FindWord(words, "TOTAL_______________").text.isEmpty());
        QVERIFY(FindWord(words, "Number").text.isEmpty());

        // The business header at 1.0 in, 0.6 in, name in 12 point, then 10 point lines.
        const PdfWord name = FindWord(words, "Ace");
        QVERIFY(qAbs(name.xMin - FramePointsX(1440)) < 1.5);
        QVERIFY(qAbs(name.yMin - PointsY(864)) < 4);
        QStringList lines;
        for (const PdfWord &word : words) {
            if (qAbs(word.xMin - name.xMin) < 1)
                lines << LineFrom(words, word);
        }
        QCOMPARE(lines, QStringList({"Ace Plumbing", "12 Harbor Road", "Tampa, FL. 33601",
                                     "Telephone: 813-555-0100", "FEIN 59-1234567",
                                     "www.aceplumbing.example"}));
        KeepForReview(path, "sample-document.pdf");
    }

    void purchaseOrderFrame() {
        TestDataFolder data;
        SetBusiness("Ace Plumbing", "Tampa", "FL", "33601");
        VendorRecord supplier;
        supplier[VendorName] = "Gulf Pipe Supply";
        supplier[VendorAddress1] = "400 Dock St";
        supplier[VendorAddress2] = "Unit 9";
        supplier[VendorCity] = "Mobile";
        supplier[VendorState] = "AL";
        supplier[VendorPostalCode] = "36602";
        VendorRecord other = supplier;
        other[VendorName] = "Other Vendor";
        QVERIFY(SaveVendor(1, other));
        QVERIFY(SaveVendor(2, supplier));
        LoadVendorArrays();
        frmPO *po = LoadForm<frmPO>();
        po->cboVendors->addItems(Vendors.Names);
        po->cboVendors->setCurrentIndex(1);
        po->lblNextPO->setText(" 1001 ");
        po->optPO[0]->setChecked(true);

        const QList<PdfWord> words =
            PrintPdf(data, [] { PrintDocumentFrame("Purchase Order", 1.0, 0.6, true); });
        const QString today = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        QCOMPARE(LineFrom(words, FindWord(words, "Number")), QString("Number 1001"));
        QCOMPARE(LineFrom(words, FindWord(words, "Date:")), "Date: " + today);
        const PdfWord total = FindWord(words, "TOTAL_______________");
        QVERIFY(qAbs(total.xMin - FramePointsX(7200)) < 1.5);
        QVERIFY(FindWord(words, "Need").text.isEmpty());

        const PdfWord submitted = FindWord(words, "Submitted");
        QVERIFY(qAbs(submitted.xMin - FramePointsX(1440)) < 1.5);
        QVERIFY(qAbs(submitted.yMin - PointsY(1.75 * 1440)) < 4);
        const PdfWord vendor = FindWord(words, "Gulf");
        QVERIFY(qAbs(vendor.yMin - PointsY(2.4 * 1440)) < 4);
        QStringList block;
        for (const PdfWord &word : words) {
            if (qAbs(word.xMin - vendor.xMin) < 1 && word.yMin >= vendor.yMin)
                block << LineFrom(words, word);
        }
        QCOMPARE(block,
                 QStringList({"Gulf Pipe Supply", "400 Dock St", "Unit 9", "Mobile, AL. 36602"}));

        const PdfWord from = FindWord(words, "from");
        QCOMPARE(LineFrom(words, from), QString("from Ace Plumbing"));
        QVERIFY(qAbs(from.xMin - FramePointsX(1.3 * 1440)) < 1.5);
        QVERIFY(qAbs(from.yMin - PointsY(10.1 * 1440)) < 4);
    }

    void frameLines() {
        TestDataFolder data;
        std::vector<PrintedShape> shapes;
        Printer::Current().SetRecorder(&shapes);
        PrintPdf(data, [] {
            PrintDocumentFrame("Picklist", 1.0, 0.6, false);
            DrawBlankOrderLines();
        });
        std::vector<PrintedShape> expected = {{PrintedShape::Box, 360, 504, 11880, 5040, 6},
                                              {PrintedShape::Line, 360, 5760, 11880, 5760, 6},
                                              {PrintedShape::Line, 360, 6120, 11880, 6120, 6},
                                              {PrintedShape::Line, 360, 14400, 11880, 14400, 6},
                                              {PrintedShape::Line, 360, 12240, 11880, 12240, 6},
                                              {PrintedShape::Line, 360, 5760, 360, 14400, 6},
                                              {PrintedShape::Line, 1800, 5760, 1800, 14400, 6},
                                              {PrintedShape::Line, 11880, 5760, 11880, 14400, 6},
                                              {PrintedShape::Line, 3240, 5760, 3240, 12240, 6},
                                              {PrintedShape::Line, 7920, 5760, 7920, 12240, 6},
                                              {PrintedShape::Line, 10080, 5760, 10080, 14400, 6}};
        for (int k = 0; k < 12; ++k)
            expected.push_back(
                {PrintedShape::Line, 360, 6595.0 + 475 * k, 11880, 6595.0 + 475 * k, 6});
        const auto same = [](const PrintedShape &s, const PrintedShape &e) {
            return s.kind == e.kind && s.x1 == e.x1 && s.y1 == e.y1 && s.x2 == e.x2 &&
                   s.y2 == e.y2 && s.drawWidth == e.drawWidth;
        };
        QVERIFY(std::equal(shapes.begin(), shapes.end(), expected.begin(), expected.end(), same));
        QCOMPARE(shapes.back().y1, 11820.0);
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
        const QList<PdfWord> words = PrintPdf(data, [] { PrintBusinessHeader(1.0, 0.65, 12); });
        QCOMPARE(PrintedLines(words), lines);
        const PdfWord first = words.value(0);
        QVERIFY(qAbs(first.xMin - PointsX(1440)) < 1.5);
        QVERIFY(qAbs(first.yMin - PointsY(0.65 * 1440)) < 4);
        // Name height tells the size: about 1.15 times the point size.
        QVERIFY2(qAbs(first.height() / 1.15 - nameSize) < 1.2,
                 qPrintable(QString::number(first.height())));
        QVERIFY(FindWord(words, "Telephone:").text.isEmpty());
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
        TestDataFolder data;
        const QList<PdfWord> words = PrintPdf(data, [&] {
            SetPrintFont(10, false, false);
            PrintWrapped(1440, 2880, width, 0, text);
        });
        const QStringList printed = PrintedLines(words);
        QVERIFY(qAbs(words.first().xMin - PointsX(1440)) < 1);
        QCOMPARE(printed.join(' '), text);
        if (!lines.isEmpty())
            QCOMPARE(printed, lines);
        if (text.startsWith("Call")) {
            QVERIFY2(printed.size() >= 3, qPrintable(printed.join('|')));
            for (const PdfWord &word : words)
                QVERIFY(word.xMax <= PointsX(1440 + width));
        }
        QVERIFY(qAbs(words.first().yMin - PointsY(2880)) < 4);
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
