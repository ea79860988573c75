#include "common/Variables.h"
#include "contacts/ContactReport.h"
#include "contacts/VendorFile.h"
#include "contacts/frmContacts.h"
#include "inventory/InventoryReport.h"
#include "inventory/frmServices.h"
#include "printing/InventoryForm.h"
#include "printing/InventoryPrintRoutines.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"
#include "purchasing/POPrint.h"
#include "purchasing/frmPO.h"
#include "setup/frmSetup.h"
#include "stock/PicklistPrint.h"
#include "support/Gui.h"
#include "support/Items.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <optional>

// Every document printed with the longest texts its fields hold, on US Letter and on A4: each
// text lies inside the printable area, clear of every other text and of every column rule.

namespace {

// Realistic texts at the full width of their fields: 50-character descriptions and business
// lines, 20-character categories, 30-character vendor fields.
const QString Description = QStringLiteral("HEAVY DUTY GALVANIZED MALLEABLE IRON FLOOR FLANGES");
const QString Category = QStringLiteral("PLUMBING FITTINGS MW");
const QString Vendor = QStringLiteral("Allied Heating Source Wholesal");
const QString Location = QStringLiteral("Main Shop Shelves and Back Room Overflow Bins");

// The longest header: every line filled, the international style (city and region apart), and a
// web line after the tax number.
const QByteArray LongBusiness =
    "\"Allied Heating Source Incorporated of Greater Tampa\",\"Suite 1400, "
    "Westshore Corporate Center Tower B\",\"Attn: Purchasing Department, Mail Stop 22-B "
    "North\",\"Saint Petersburg Clearwater Metropolitan Area\",\"Hillsborough County, "
    "Florida, United States of America\",\"\",\"813-555-0100\",\"Fax 813-555-0199 "
    "orders@alliedheatingsource.com\",\"FEIN 59-1234567 VAT GB123456789 ABN 51 824 753 556\"\r\n";
const QByteArray LongWebSite = "\"https://www.alliedheatingsourceincorporated.com/orders\"\r\n";

ItemRecord LongItem(int k) {
    ItemRecord item;
    item.Description = Description.left(47) + QStringLiteral("%1").arg(k, 3, 10, QLatin1Char('0'));
    item.Category = Category;
    item.Cost = Currency::fromCents(9999999);
    item.Price = Currency::fromCents(12345678);
    item.DiscountPrice = Currency::fromCents(11111111);
    item.OnHand = 32767;
    item.DiscountQty = 2147483647;
    item.ReorderAmount = 32767;
    item.ReorderAt = 32767;
    return item;
}

struct Box {
    double left, top, right, bottom;
};

QString Where(const PrintedText &t) {
    return QStringLiteral("\"%1\" on page %2 at (%3, %4) size %5 x %6")
        .arg(t.text)
        .arg(t.page)
        .arg(t.x)
        .arg(t.y)
        .arg(t.width)
        .arg(t.height);
}

Box BoxOf(const PrintedText &t) {
    return {t.x, t.y, t.x + t.width, t.y + t.height};
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
    std::optional<TestDataFolder> data;
    std::vector<PrintedText> texts;
    std::vector<PrintedShape> shapes;

    // Prints the document into a PDF on that paper, recording what it drew.
    bool Print(QPageSize::PageSizeId paper, const std::function<bool()> &draw) {
        Printer &printer = Printer::Current();
        printer.ResetChoices();
        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName(data->path("/bounds.pdf"));
        printer.device().setPageSize(QPageSize(paper));
        texts.clear();
        shapes.clear();
        printer.SetTextRecorder(&texts);
        printer.SetRecorder(&shapes);
        const bool printed = draw();
        printer.SetTextRecorder(nullptr);
        printer.SetRecorder(nullptr);
        return printed;
    }

    // Every text inside the printable area, apart from the others, and not crossed by a rule.
    void CheckTexts() {
        const Printer &printer = Printer::Current();
        const double width = printer.ScaleWidth(), height = printer.ScaleHeight();
        QVERIFY(!texts.empty());
        for (size_t i = 0; i < texts.size(); ++i) {
            const Box a = BoxOf(texts[i]);
            QVERIFY2(a.left >= -Slack && a.right <= width + Slack && a.top >= -Slack &&
                         a.bottom <= height + Slack,
                     qPrintable(Where(texts[i]) + QStringLiteral(" leaves the page")));
            for (size_t j = i + 1; j < texts.size(); ++j) {
                if (texts[j].page != texts[i].page)
                    continue;
                const Box b = BoxOf(texts[j]);
                QVERIFY2(
                    Overlap(a.left, a.right, b.left, b.right) <= Slack ||
                        Overlap(a.top, a.bottom, b.top, b.bottom) <= Slack,
                    qPrintable(Where(texts[i]) + QStringLiteral(" overlaps ") + Where(texts[j])));
            }
            for (const PrintedShape &rule : shapes) {
                if (rule.kind != PrintedShape::Line || rule.x1 != rule.x2 ||
                    rule.page != texts[i].page)
                    continue;
                QVERIFY2(rule.x1 <= a.left + Slack || rule.x1 >= a.right - Slack ||
                             Overlap(a.top, a.bottom, std::min(rule.y1, rule.y2),
                                     std::max(rule.y1, rule.y2)) <= Slack,
                         qPrintable(Where(texts[i]) +
                                    QStringLiteral(" crosses the rule at %1").arg(rule.x1)));
            }
        }
    }

    PriceBookContent LongPriceBook() {
        PriceBookContent content;
        for (int k = 0; k < 60; ++k) {
            const ItemRecord item = LongItem(k);
            content.Items.push_back({item.Description, item.Category, "$99,999.99", "$123,456.78",
                                     "$111,111.11", "2147483647"});
        }
        content.Order = QStringList{Category};
        content.ShowCost = content.ShowPrice = content.ShowDiscount = true;
        content.VendorBlock =
            QStringList{Vendor, Vendor, Vendor, Vendor + u',' + "FL", "33601-1234"};
        content.Request = QStringList{QString(30, u'W') + QStringLiteral(" please quote")};
        return content;
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        data.emplace();
        data->write("/MyBusinessData.txt", LongBusiness);
        data->write("/MyWebSite.txt", LongWebSite);
        std::vector<ItemRecord> items;
        for (int k = 0; k < 60; ++k)
            items.push_back(LongItem(k));
        WriteItems(items);
        VendorRecord vendor;
        for (int field : {VendorName, VendorAddress1, VendorAddress2, VendorCity})
            vendor[field] = Vendor;
        vendor[VendorState] = "FL";
        vendor[VendorPostalCode] = "33601-1234";
        vendor[VendorTelephone] = "813-555-0100";
        for (int n = 1; n <= 4; ++n)
            SaveVendor(n, vendor);
        LoadForm<frmSetup>();
        QCOMPARE(LoadForm<frmSetup>()->cmdAddress->text(),
                 QStringLiteral("International Style Address"));
    }
    void cleanup() {
        data.reset();
        QVERIFY(EndScreenTest());
    }

    void textsStayInPlace_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("document");
        for (auto [paper, name] : {std::pair{QPageSize::Letter, "Letter"}, {QPageSize::A4, "A4"}}) {
            for (const char *document : {"report", "tally", "picklist", "po", "po delivery",
                                         "blank po", "price book", "rfq", "contacts", "sample"})
                QTest::addRow("%s %s", document, name) << int(paper) << QString(document);
        }
    }
    void textsStayInPlace() {
        QFETCH(int, paper);
        QFETCH(QString, document);
        const auto portrait = [] { SetUpPrinter(QStringLiteral("Portrait"), 2); };
        std::function<bool()> draw;
        if (document == "report" || document == "tally") {
            const QString title = document == "report" ? InventoryReportTitle : TallySheetTitle;
            draw = [title] {
                return PrintInventoryPages(title, *LoadForm<frmServices>()->fgItems,
                                           {Location, QString(), Location.left(20)});
            };
        } else if (document == "picklist") {
            draw = [&] {
                portrait();
                std::vector<PicklistLine> lines(30, {"32767", Description});
                return PrintPicklistPages(lines, QString(40, u'x') + u' ' + Description);
            };
        } else if (document.contains("po")) {
            frmPO *po = LoadForm<frmPO>();
            LoadForm<frmContacts>();
            po->cboVendors->setCurrentIndex(0);
            po->optPO[document == "blank po" ? 1 : 0]->setChecked(true);
            const PODelivery delivery{
                document == "po delivery" ? Description + "\n" + Description : QString(), false};
            draw = [&, delivery, blank = document == "blank po"] {
                portrait();
                std::vector<POLine> lines(20,
                                          {"32767", Description, "$99,999.99", "$999,999,999.99"});
                return PrintPOPages(blank, lines, delivery);
            };
        } else if (document == "price book" || document == "rfq") {
            draw = [this, book = document == "price book"] {
                SetUpPrinter(QStringLiteral("Landscape"), 2);
                if (book)
                    PrintPriceBookPages(QString(40, u'P'), BusinessName, LongPriceBook());
                else
                    PrintRFQPages(LongPriceBook());
                return Printer::Current().EndDoc();
            };
        } else if (document == "contacts") {
            draw = [&] {
                portrait();
                return PrintContactPages();
            };
        } else {
            draw = [&] {
                portrait();
                PrintDocumentFrame(QStringLiteral("Purchase Order"), 1.0, 0.6, false);
                return Printer::Current().EndDoc();
            };
        }
        QVERIFY(Print(QPageSize::PageSizeId(paper), draw));
        CheckTexts();
    }
};

QTEST_MAIN(TestPageBounds)
#include "tst_pagebounds.moc"
