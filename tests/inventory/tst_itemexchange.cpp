#include "inventory/ItemCsv.h"
#include "support/Screens.h"

namespace {

constexpr auto Cents = &Currency::fromCents;

} // namespace

// Every item to a spreadsheet's file from the main menu, the file edited there, and back.
class TestItemExchange : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(EndScreenTest()); }

    void exportEditAndImport() {
        TestDataFolder data;
        WriteItems({{"Elbow", "Pipe", {}, Cents(250), 0, {}, 0, 0, 0},
                    {"Tee", "Pipe", {}, Cents(199), 0, {}, 0, 0, 0}});
        frmServices *services = LoadForm<frmServices>();
        frmStartup *menu = LoadForm<frmStartup>();
        menu->show();
        const QString path = data.path("/items.csv");
        ChooseFile(path);
        auto written = AnswerMessageBox(QMessageBox::Ok);
        menu->mnuExportItems->trigger();
        QCOMPARE(written->text, "2 items written to " + path + ".");
        QByteArray csv = data.read("/items.csv");
        QCOMPARE(csv, ItemsToCsv(ReadAllItems()));

        // In the spreadsheet: a price changed, a row added, one mistyped.
        csv.replace(",1.99,", ",2.49,");
        data.write("/items.csv", csv + "\"Cap, 1/2\",Pipe,0.5,0.99,4,0,0,0,0\r\n"
                                       "Plug,Pipe,x,1,1,0,0,0,0\r\n");
        const QByteArray items = data.read("/VIInventoriedItems.txt");
        // Shown first; Cancel writes nothing.
        for (bool import : {false, true}) {
            ChooseFile(path, QFileInfo(path).absolutePath()); // where the export went
            OnNextModal([import](QWidget *modal) {
                QVERIFY(modal->objectName() == "importItems");
                QVERIFY(modal->findChild<QLabel *>("summary")->text().endsWith(
                    "The file adds 1 item and updates 1 item (1 unchanged).\n1 row not taken:"));
                QCOMPARE(modal->findChild<QPlainTextEdit *>("refused")->toPlainText(),
                         QString("Line 5: the cost \"x\" is not an amount"));
                modal->findChild<QPushButton *>(import ? "import" : "cancel")->click();
            });
            auto done = import ? AnswerMessageBox(QMessageBox::Ok) : nullptr;
            menu->mnuImportItems->trigger();
            if (!import)
                QCOMPARE(data.read("/VIInventoriedItems.txt"), items);
            else
                QCOMPARE(done->text, QString("1 item added and 1 item updated."));
        }
        const std::vector<ItemRecord> now = {
            {"Elbow", "Pipe", {}, Cents(250), 0, {}, 0, 0, 0},
            {"Tee", "Pipe", {}, Cents(249), 0, {}, 0, 0, 0},
            {"Cap, 1/2", "Pipe", Cents(50), Cents(99), 4, {}, 0, 0, 0}};
        QVERIFY(ReadAllItems() == now);
        // Only counts make stock history: the new item's, by the file it came from.
        QCOMPARE(HistoryOf("Cap, 1/2", "Pipe"), QStringList({"imported 4 4 items.csv"}));
        QCOMPARE(HistoryOf("Tee", "Pipe"), QStringList());
        QCOMPARE(services->fgItems->Rows(), 4); // the maintenance grid shows the new file
    }
};

QTEST_MAIN(TestItemExchange)
#include "tst_itemexchange.moc"
