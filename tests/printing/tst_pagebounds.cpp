#include "support/Screens.h"

// Every document printed with the longest texts its fields hold, on US Letter and on A4: each
// text lies inside the printable area, clear of every other text and of every column rule.

namespace {

QString Where(const PrintedText &t) {
    return QString::asprintf("\"%s\" on page %d at (%g, %g) size %g x %g", qPrintable(t.text),
                             t.page, t.x, t.y, t.width, t.height);
}

// How far two spans overlap; negative when they are apart.
double Overlap(double a1, double a2, double b1, double b2) {
    return std::min(a2, b2) - std::max(a1, b1);
}

// A twentieth of a point: texts printed line under line just touch.
constexpr double Slack = 1;

} // namespace

class TestPageBounds : public QObject {
    Q_OBJECT

private slots:
    void textsStayInPlace_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("document");
        const std::vector<Document> documents = EveryDocument({});
        for (auto [paper, name] : {std::pair{QPageSize::Letter, "Letter"}, {QPageSize::A4, "A4"}}) {
            for (size_t k = 0; k < documents.size(); ++k)
                QTest::addRow("%s %s", qPrintable(documents[k].name), name) << int(paper) << int(k);
        }
    }
    void textsStayInPlace() {
        QFETCH(int, paper);
        QFETCH(int, document);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TestDataFolder data;
        WriteLongestBusiness(data);
        LoadForm<frmSetup>();
        Printer &printer = Printer::Current();
        printer.ResetChoices();
        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName(data.path("/bounds.pdf"));
        printer.device().setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        std::vector<PrintedText> texts;
        std::vector<PrintedShape> shapes;
        printer.SetTextRecorder(&texts);
        printer.SetRecorder(&shapes);
        const bool printed = EveryDocument(LongestTexts())[size_t(document)].draw();
        printer.SetTextRecorder(nullptr);
        printer.SetRecorder(nullptr);
        QVERIFY(printed && !texts.empty());

        const double width = printer.ScaleWidth(), height = printer.ScaleHeight();
        for (size_t i = 0; i < texts.size(); ++i) {
            const PrintedText &a = texts[i];
            QVERIFY2(a.x >= -Slack && a.x + a.width <= width + Slack && a.y >= -Slack &&
                         a.y + a.height <= height + Slack,
                     qPrintable(Where(a) + " leaves the page"));
            for (size_t j = i + 1; j < texts.size(); ++j) {
                const PrintedText &b = texts[j];
                QVERIFY2(b.page != a.page ||
                             Overlap(a.x, a.x + a.width, b.x, b.x + b.width) <= Slack ||
                             Overlap(a.y, a.y + a.height, b.y, b.y + b.height) <= Slack,
                         qPrintable(Where(a) + " overlaps " + Where(b)));
            }
            for (const PrintedShape &rule : shapes) {
                QVERIFY2(rule.kind != PrintedShape::Line || rule.x1 != rule.x2 ||
                             rule.page != a.page || rule.x1 <= a.x + Slack ||
                             rule.x1 >= a.x + a.width - Slack ||
                             Overlap(a.y, a.y + a.height, std::min(rule.y1, rule.y2),
                                     std::max(rule.y1, rule.y2)) <= Slack,
                         qPrintable(Where(a) + QString(" crosses the rule at %1").arg(rule.x1)));
            }
        }
        QVERIFY(EndScreenTest());
    }
};

QTEST_MAIN(TestPageBounds)
#include "tst_pagebounds.moc"
