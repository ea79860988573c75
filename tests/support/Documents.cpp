#include "support/Documents.h"

#include "contacts/ContactReport.h"
#include "contacts/VendorFile.h"
#include "contacts/frmContacts.h"
#include "inventory/InventoryReport.h"
#include "inventory/ItemGrid.h"
#include "printing/FlexGrid.h"
#include "printing/InventoryForm.h"
#include "printing/InventoryPrintRoutines.h"
#include "printing/Printer.h"
#include "printing/PrinterRoutines.h"
#include "purchasing/POPrint.h"
#include "purchasing/frmPO.h"
#include "stock/PicklistPrint.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <memory>

namespace {

std::shared_ptr<FlexGrid> ItemGrid(const DocumentText &text) {
    auto grid = std::make_shared<FlexGrid>(QStringLiteral("fgItems"), nullptr);
    grid->SetCols(10);
    std::vector<GridCell> cells;
    for (int k = 1; k <= text.Rows; ++k)
        AppendItemCells(cells, text.Item, k);
    grid->Model()->SetBody(cells);
    // As the item screen shows them once sorted.
    grid->Model()->SetColumnKind(2, GridCell::Money);
    grid->Model()->SetColumnKind(3, GridCell::Money);
    return grid;
}

PriceBookContent Content(const DocumentText &text) {
    const ItemRecord &item = text.Item;
    PriceBookContent content;
    content.Items.assign(size_t(text.Rows), {item.Description, item.Category, item.Cost.toString(),
                                             item.Price.toString(), item.DiscountPrice.toString(),
                                             QString::number(item.DiscountQty)});
    content.Order = QStringList{item.Category};
    content.ShowPrice = true;
    content.ShowCost = content.ShowDiscount = text.AllColumns;
    content.VendorBlock = {text.Vendor, text.Vendor, text.Vendor, text.Vendor + ",FL", "33605"};
    content.Request = {text.Instructions};
    return content;
}

DrawDocument Portrait(std::function<bool()> pages) {
    return [pages] {
        SetUpPrinter(QStringLiteral("Portrait"), 2);
        return pages();
    };
}

DrawDocument Landscape(std::function<void()> pages) {
    return [pages] {
        SetUpPrinter(QStringLiteral("Landscape"), 2);
        pages();
        return Printer::Current().EndDoc();
    };
}

DrawDocument PurchaseOrder(const DocumentText &text, bool blank, const QString &delivery) {
    const ItemRecord &item = text.Item;
    const std::vector<POLine> lines(size_t(text.Rows),
                                    {QString::number(item.ReorderAmount), item.Description,
                                     item.Cost.toString(), item.Price.toString()});
    return Portrait([=] {
        LoadForm<frmContacts>(); // the vendor lists
        DocumentFrame frame{QStringLiteral("Purchase Order"), true, QStringLiteral("1001"), {}, {}};
        if (!blank)
            frame.SubmittedTo = VendorAddressLines(0);
        return PrintPOPages(frame, lines, {delivery, text.Pickup});
    });
}

} // namespace

ItemRecord ElbowItem() {
    ItemRecord item;
    item.Description = QStringLiteral("Copper elbow 3/4 in");
    item.Category = QStringLiteral("Pipe");
    item.Cost = Currency::fromCents(250);
    item.Price = Currency::fromCents(400);
    item.DiscountPrice = Currency::fromCents(350);
    item.DiscountQty = 10;
    item.OnHand = 12;
    item.ReorderAmount = 6;
    item.ReorderAt = 2;
    return item;
}

std::vector<Document> EveryDocument(const DocumentText &text) {
    const std::shared_ptr<FlexGrid> grid = ItemGrid(text);
    const QStringList locations = {text.Location, QString(), text.Location.left(20)};
    const std::vector<PicklistLine> picks(
        size_t(text.Rows), {QString::number(text.Item.OnHand), text.Item.Description});
    const PriceBookContent content = Content(text);
    return {
        {"Inventory Report",
         [=] { return PrintInventoryPages(InventoryReportTitle, *grid, locations); }},
        {"Inventory Tally Sheet",
         [=] { return PrintInventoryPages(TallySheetTitle, *grid, locations); }},
        {"Picklist", Portrait([=] {
             return PrintPicklistPages(picks, text.Instructions, QDate::currentDate());
         })},
        {"Purchase Order 1001", PurchaseOrder(text, false, QString())},
        {"Purchase Order with Delivery", PurchaseOrder(text, false, text.Instructions)},
        {"Blank Purchase Order", PurchaseOrder(text, true, QString())},
        {"Price Book",
         Landscape([=] { PrintPriceBookPages("Sales Items Pricebook", text.Vendor, content); })},
        {"Request for Quotation", Landscape([=] { PrintRFQPages(content); })},
        {"Contact Report", Portrait(PrintContactPages)},
        {"Sample Document", Portrait([] {
             DocumentFrame frame;
             frame.Title = QStringLiteral("Purchase Order");
             frame.NeedBy = QDate::currentDate();
             PrintDocumentFrame(frame, 1.0, 0.6);
             return Printer::Current().EndDoc();
         })},
    };
}

DocumentText LongestTexts() {
    DocumentText text;
    ItemRecord &item = text.Item;
    item.Description = QStringLiteral("HEAVY DUTY GALVANIZED MALLEABLE IRON FLOOR FLANGES");
    item.Category = QStringLiteral("PLUMBING FITTINGS MW");
    item.Cost = Currency::fromCents(9999999);
    item.Price = Currency::fromCents(99999999999);
    item.DiscountPrice = Currency::fromCents(11111111);
    item.OnHand = item.ReorderAmount = item.ReorderAt = 32767;
    item.DiscountQty = 2147483647;
    text.Rows = 60;
    text.Vendor = QStringLiteral("Allied Heating Source Wholesal");
    text.Location = QStringLiteral("Main Shop Shelves and Back Room Overflow Bins");
    text.Instructions = QString(40, u'x') + u' ' + item.Description + u'\n' + item.Description;
    return text;
}

void WriteSmallBusiness(const TestDataFolder &data) {
    data.write("/MyBusinessData.txt", AceBusinessData);
    VendorRecord vendor;
    vendor[VendorName] = "Gulf Supply";
    vendor[VendorAddress1] = "77 Bay Blvd";
    vendor[VendorCity] = "Tampa";
    vendor[VendorState] = "FL";
    vendor[VendorPostalCode] = "33605";
    vendor[VendorTelephone] = "813-555-0199";
    QVERIFY(SaveVendor(1, vendor));
}

void WriteLongestBusiness(const TestDataFolder &data) {
    data.write("/MyBusinessData.txt",
               "\"Allied Heating Source Incorporated of Greater Tampa\",\"Suite 1400, "
               "Westshore Corporate Center Tower B\",\"Attn: Purchasing Department, Mail Stop "
               "22-B North\",\"Saint Petersburg Clearwater Metropolitan Area\",\"Hillsborough "
               "County, Florida, United States of America\",\"\",\"813-555-0100\",\"Fax "
               "813-555-0199 orders@alliedheatingsource.com\",\"FEIN 59-1234567 VAT "
               "GB123456789 ABN 51 824 753 556\"\r\n");
    data.write("/MyWebSite.txt", "\"https://www.alliedheatingsourceincorporated.com/orders\"\r\n");
    const QString vendor = LongestTexts().Vendor;
    VendorRecord record;
    for (int field : {VendorAccountNumber, VendorName, VendorAddress1, VendorAddress2, VendorCity})
        record[field] = vendor; // cut to each field's width as it is saved
    record[VendorState] = "FL";
    record[VendorPostalCode] = "33601-1234";
    record[VendorTelephone] = "813-555-0100";
    for (int n = 1; n <= 4; ++n)
        QVERIFY(SaveVendor(n, record));
}
