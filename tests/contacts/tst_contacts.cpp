#include "support/Screens.h"

namespace {

VendorRecord Vendor(const QString &name, const QString &phone = QString(),
                    const QString &city = QStringLiteral("Tampa")) {
    VendorRecord v;
    v[VendorName] = name;
    v[VendorAddress1] = QStringLiteral("1 Dock St");
    v[VendorCity] = city;
    v[VendorState] = city.isEmpty() ? QStringLiteral("  ") : QStringLiteral("FL");
    v[VendorTelephone] = phone;
    return v;
}

QStringList StoredNames() {
    QStringList names;
    for (int n = 1; n <= VendorCount(); ++n)
        names << ReadVendorRecord(n)->at(VendorName);
    return names;
}

} // namespace

class TestContacts : public QObject {
    Q_OBJECT
    frmContacts *screen = nullptr;
    std::optional<TestDataFolder> data; // each test's own, made fresh as it opens the screen

    void Open(const QList<VendorRecord> &vendors) {
        data.emplace();
        for (int n = 1; n <= vendors.size(); ++n)
            QVERIFY2(SaveVendor(n, vendors[n - 1]), "vendor written");
        LoadForm<frmPO>();
        screen = LoadForm<frmContacts>();
        screen->show();
        QApplication::setActiveWindow(screen);
    }

    QString NameShown() const { return screen->txtContact[1]->text(); }

    void Search(int criterion, const QString &text) {
        screen->Command1[0]->click();
        screen->optSearch[size_t(criterion)]->click();
        Type(screen->txtSearchfor, text);
        screen->cmdStartSearch->click();
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QVERIFY(EndScreenTest()); }

    void firstContactOfAnEmptyBook() {
        const auto greeting = AnswerMessageBox(QMessageBox::Ok);
        Open({});
        QCOMPARE(greeting->text, QString("Your Contact File is Empty\r\nCreate your First "
                                         "Contact Now"));
        QCOMPARE(greeting->title, QString("Create Contacts"));
        QVERIFY(screen->Command1[1]->isEnabled());
        screen->cmdExit->click(); // nothing typed: no blank record
        QVERIFY(!data->exists("/VendorData.txt") || VendorCount() == 0);

        AnswerMessageBox(QMessageBox::Ok);
        LoadForm<frmStartup>()->optMainMenuSub_DblClick(1);
        Type(screen->txtContact[1], "Gulf Supply");
        screen->cmdExit->click();
        QCOMPARE(StoredNames(), QStringList{"Gulf Supply"});

        // The close box keeps what was typed too.
        LoadForm<frmStartup>()->optMainMenuSub_DblClick(1);
        screen->mnuAdd->trigger();
        Type(screen->txtContact[1], "Bay Hardware");
        screen->close();
        QCOMPARE(StoredNames(), QStringList({"Gulf Supply", "Bay Hardware"}));
    }

    void navigationSavesAndWraps() {
        Open({Vendor("Ace"), Vendor("Bolt Co"), Vendor("Cable Inc")});
        QCOMPARE(NameShown(), QString("Ace"));
        screen->cmdNav[1]->click(); // previous on the first stays there
        QCOMPARE(NameShown(), QString("Ace"));
        screen->cmdNav[3]->click();
        QCOMPARE(NameShown(), QString("Cable Inc"));
        Type(screen->txtContact[1], "Cables Inc");
        screen->cmdNav[2]->click(); // next on the last wraps, saving first
        QCOMPARE(NameShown(), QString("Ace"));
        QCOMPARE(StoredNames(), QStringList({"Ace", "Bolt Co", "Cables Inc"}));
        // The purchase-order vendor box follows the file.
        QCOMPARE(LoadForm<frmPO>()->cboVendors->itemText(2), QString("Cables Inc"));
    }

    void newEntriesNeedAName() {
        Open({Vendor("Ace"), Vendor("Bolt Co")});
        screen->mnuAdd->trigger();
        QVERIFY(NameShown().isEmpty());
        QVERIFY(screen->Command1[1]->isEnabled());
        screen->txtContact[1]->setFocus();
        Type(screen->txtContact[1], "X");
        const auto warning = AnswerMessageBox(QMessageBox::Ok);
        screen->txtContact[0]->setFocus(); // leaving the name field with one character
        QCOMPARE(warning->title, QString("No Name Entered"));
        screen->cmdNav[0]->click();
        QCOMPARE(StoredNames(), QStringList({"Ace", "Bolt Co"})); // not stored

        screen->mnuAdd->trigger();
        screen->Command1[1]->click(); // Cancel Add New: back to the last stored record
        QCOMPARE(NameShown(), QString("Bolt Co"));
        screen->cmdNav[0]->click();
        screen->cmdNav[3]->click();
        QCOMPARE(NameShown(), QString("Bolt Co"));

        screen->mnuAdd->trigger();
        screen->txtContact[1]->setText(QString::fromUtf8("Cable \u0150\u00f6zsi \U0001F600"));
        screen->cmdNav[0]->click();
        QCOMPARE(data->read("/VendorData.txt").mid(2 * 235 + 20, 30),
                 QByteArray("Cable O\xf6zsi ?").leftJustified(30));
    }

    void searchByField_data() {
        QTest::addColumn<int>("criterion");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("found"); // -1: refused with a beep
        QTest::newRow("name in lower case") << 0 << "supply" << 2;
        QTest::newRow("one city") << 3 << "ocala" << 1;
        QTest::newRow("telephone of 11") << 6 << "813-555-010" << -1;
        QTest::newRow("telephone of 12") << 6 << "813-555-0100" << 1;
    }
    void searchByField() {
        QFETCH(int, criterion);
        QFETCH(QString, text);
        QFETCH(int, found);
        Open({Vendor("Gulf Supply", "813-555-0100"), Vendor("Bolt Co", "", "Ocala"),
              Vendor("Ace SUPPLY House")});
        const int beeps = BeepsSounded();
        Search(criterion, text);
        if (found < 0) {
            QCOMPARE(BeepsSounded(), beeps + 1);
            QVERIFY(screen->fraSearch->isVisible());
        } else if (found == 1) {
            QVERIFY(screen->fraContact->isVisible());
            QVERIFY(!NameShown().isEmpty());
        } else {
            QVERIFY(screen->fraContactsFound->isVisible());
            QCOMPARE(screen->fgContactsFound->Rows() - 1, found);
            screen->fgContactsFound->SetRow(2);
            screen->mnuSelect->trigger();
            QCOMPARE(NameShown(), QString("Ace SUPPLY House"));
        }
    }

    void notFoundOffersANewContact() {
        Open({Vendor("Ace")});
        const auto asked = AnswerMessageBox(QMessageBox::No);
        Search(0, "zinc");
        QCOMPARE(asked->title, QString("Contact not Found"));
        QVERIFY(screen->fraContact->isVisible());
        QCOMPARE(NameShown(), QString("Ace"));
        AnswerMessageBox(QMessageBox::Yes);
        Search(0, "zinc");
        QVERIFY(screen->fraContact->isVisible());
        QVERIFY(NameShown().isEmpty());
        QCOMPARE(screen->CurrentRecord, 2);
    }

    void deleteAndTheVendorList() {
        Open({Vendor("Ace"), Vendor("Bolt Co"), Vendor("Cable Inc")});
        screen->cmdNav[2]->click();
        AnswerMessageBox(QMessageBox::Yes);
        screen->mnuDelete->trigger();
        QCOMPARE(StoredNames(), QStringList({"Ace", "Cable Inc"}));
        QCOMPARE(NameShown(), QString("Cable Inc"));

        screen->mnuView->trigger();
        QVERIFY(screen->fraSuppliers->isVisible());
        QCOMPARE(screen->fgVendors->Rows(), 3);
        screen->fgVendors->SetRow(0);
        const int beeps = BeepsSounded();
        screen->cmdVendorList[0]->click(); // nothing chosen
        QCOMPARE(BeepsSounded(), beeps + 1);
        screen->fgVendors->SetRow(1);
        screen->cmdVendorList[0]->click();
        QCOMPARE(NameShown(), QString("Ace"));
        QVERIFY(!screen->fraSuppliers->isVisible());
    }

    void contactReport() {
        Open({Vendor("Ace", "813-1"), Vendor("Bolt Co"), Vendor("Cable Inc"),
              Vendor("Drill Depot", "", "")});
        screen->mnuPrint->trigger();
        QVERIFY(screen->fraContactsFound->isVisible());
        QCOMPARE(screen->fraContactsFound->title(), QString("Contact List"));
        const QString path = data->path("/contacts.pdf");
        AnswerMessageBox(QMessageBox::Yes);
        PrintToPdf(path);
        screen->cmdPrintContacts->click();
        KeepForReview(path, "contact-report.pdf");
        const QList<PdfWord> words = ReadPdfWords(path);
        QVERIFY(FindWord(words, "Account").xMin > 0);
        const PdfWord ace = FindWord(words, "Ace"), bolt = FindWord(words, "Bolt");
        const PdfWord cable = FindWord(words, "Cable"), drill = FindWord(words, "Drill");
        QVERIFY(std::abs(ace.xMin - PointsX(1440)) < 1.5);
        QCOMPARE(ace.yMin, cable.yMin);
        QVERIFY(ace.xMin < bolt.xMin && bolt.xMin < cable.xMin);
        QVERIFY(std::abs(drill.xMin - ace.xMin) < 1 && drill.yMin > ace.yMin);
        QVERIFY(FindWord(words, ",").xMin > 0); // a vendor without city and state
        for (const PdfWord &word : words)
            QVERIFY2(word.xMax <= 8.25 * 72 + 0.5, qPrintable(word.text)); // on the page
    }
};

QTEST_MAIN(TestContacts)
#include "tst_contacts.moc"
