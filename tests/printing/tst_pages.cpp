#include "support/Pages.h"
#include "support/Screens.h"

// Every printed document, page by page as it draws it, against its expected snapshot: a small
// business's documents, those of the longest texts the files hold (long pages, page breaks,
// texts made to fit their columns), and the variants a user chooses.

namespace {

struct Variant {
    const char *name;
    DocumentText text;
    bool longest;     // with the business of the longest header
    QString document; // the one document the variant changes; empty for all
};

std::vector<Variant> Variants() {
    DocumentText small;
    small.Rows = 3;
    DocumentText pickup = small;
    pickup.Pickup = true;
    DocumentText pricesOnly = small;
    pricesOnly.AllColumns = false;
    DocumentText noDiscount = small; // a discount for no quantity is not one
    noDiscount.Item.DiscountQty = 0;
    DocumentText continued = small;
    for (int k = 1; k <= 40; ++k)
        continued.Instructions += QStringLiteral("\nStep %1: check the bin label twice").arg(k);
    return {{"small", small, false, {}},
            {"longest", LongestTexts(), true, {}},
            {"pickup", pickup, false, "Purchase Order 1001"},
            {"prices-only", pricesOnly, false, "Price Book"},
            {"no-discount", noDiscount, false, "Price Book"},
            {"continued", continued, false, "Picklist"}};
}

QString FileName(const QString &variant, const QString &document) {
    return variant + u'-' + document.toLower().replace(u' ', u'-');
}

} // namespace

class TestPages : public QObject {
    Q_OBJECT

private slots:
    void snapshots_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("document");
        const std::vector<Variant> variants = Variants();
        const std::vector<Document> documents = EveryDocument({});
        for (size_t v = 0; v < variants.size(); ++v) {
            for (size_t d = 0; d < documents.size(); ++d) {
                const QString &only = variants[v].document;
                if (only.isEmpty() || only == documents[d].name)
                    QTest::newRow(qPrintable(FileName(variants[v].name, documents[d].name)))
                        << int(v) << int(d);
            }
        }
    }
    void snapshots() {
        QFETCH(int, variant);
        QFETCH(int, document);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const Variant v = Variants()[size_t(variant)];
        TestDataFolder data;
        if (v.longest)
            WriteLongestBusiness(data);
        else
            WriteSmallBusiness(data);
        LoadForm<frmSetup>();
        Printer &printer = Printer::Current();
        printer.ResetChoices();
        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName(data.path("/page.pdf"));
        const Document doc = EveryDocument(v.text)[size_t(document)];
        ComparePages(FileName(v.name, doc.name), PageDump(doc.draw));
        QVERIFY(EndScreenTest());
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
