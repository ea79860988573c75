#include "inventory/ItemCsv.h"
#include "support/Screens.h"

#include <QFileDialog>

namespace {

ItemRecord Item(const QString &description, qint64 priceCents) {
    ItemRecord item;
    item.Description = description;
    item.Category = QStringLiteral("Pipe");
    item.Price = Currency::fromCents(priceCents);
    return item;
}

void ChooseFile(const QString &path) {
    OnNextModal([path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY2(dialog, "expected a file dialog");
        // The name typed in full, as a user may; the dialog lists folders as they load.
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

// Every item to a spreadsheet's file from the main menu, the file edited there, and back.
class TestItemExchange : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(EndScreenTest()); }

    void exportEditAndImport() {
        TestDataFolder data;
        WriteItems({Item("Elbow", 250), Item("Tee", 199)});
        frmServices *services = LoadForm<frmServices>();
        frmStartup *menu = LoadForm<frmStartup>();
        menu->show();
        QTemporaryDir out;
        const QString path = out.filePath("items.csv");

        ChooseFile(path);
        auto written = AnswerMessageBox(QMessageBox::Ok);
        menu->mnuExportItems->trigger();
        QCOMPARE(written->text, "2 items written to " + path + ".");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray csv = file.readAll();
        file.close();
        QCOMPARE(csv, ItemsToCsv(ReadAllItems()));

        // In the spreadsheet: a price changed, a row added, one mistyped.
        csv.replace(",1.99,", ",2.49,");
        csv += "\"Cap, 1/2\",Pipe,0.5,0.99,4,0,0,0,0\r\nPlug,Pipe,x,1,1,0,0,0,0\r\n";
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        const QByteArray items = data.read("/VIInventoriedItems.txt");

        // Shown first; Cancel writes nothing.
        for (bool import : {false, true}) {
            ChooseFile(path);
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
        const std::vector<ItemRecord> now = ReadAllItems();
        QCOMPARE(int(now.size()), 3);
        QCOMPARE(now[1].Price, Currency::fromCents(249));
        QCOMPARE(now[2].Description, QString("Cap, 1/2"));
        QCOMPARE(services->fgItems->Rows(), 4); // the maintenance grid shows the new file
    }
};

QTEST_MAIN(TestItemExchange)
#include "tst_itemexchange.moc"
