#include "support/Screens.h"

namespace {

VendorRecord Vendor(const QString &name, const QString &phone = QString(),
                    const QString &city = QStringLiteral("Tampa")) {
    VendorRecord v;
    v[VendorName] = name;
    v[VendorCity] = city;
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
            QVERIFY(SaveVendor(n, vendors[n - 1]));
        LoadForm<frmPO>();
        screen = LoadForm<frmContacts>();
        screen->show();
        QApplication::setActiveWindow(screen);
    }

    QString NameShown() const { return screen->txtContact[1]->text(); }

private slots:
    void cleanup() { QVERIFY(EndScreenTest()); }

    void firstContactOfAnEmptyBook() {
        const auto greeting = AnswerMessageBox(QMessageBox::Ok);
        Open({});
        QCOMPARE(greeting->text,
                 QString("Your Contact File is Empty\r\nCreate your First Contact Now"));
        screen->cmdExit->click(); // nothing typed: no blank record
        QCOMPARE(VendorCount(), 0);

        AnswerMessageBox(QMessageBox::Ok);
        LoadForm<frmStartup>()->optMainMenuSub_DblClick(1);
        Type(screen->txtContact[1], "Gulf Supply");
        // The category list starts with nothing chosen: two steps down is its second entry.
        QTest::keyClick(screen->cboCategory, Qt::Key_Down);
        QTest::keyClick(screen->cboCategory, Qt::Key_Down);
        screen->cmdExit->click();
        QCOMPARE(StoredNames(), QStringList{"Gulf Supply"});
        QCOMPARE(ReadVendorRecord(1)->at(VendorCategory), QString("Supplier"));

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
        QCOMPARE(LoadForm<frmPO>()->cboVendors->itemText(2), QString("Cables Inc"));

        AnswerMessageBox(QMessageBox::Yes);
        screen->cmdNav[2]->click();
        screen->mnuDelete->trigger();
        QCOMPARE(StoredNames(), QStringList({"Ace", "Cables Inc"}));
        QCOMPARE(NameShown(), QString("Cables Inc"));
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

    void newEntriesNeedAName() {
        Open({Vendor("Ace"), Vendor("Bolt Co")});
        screen->mnuAdd->trigger();
        QVERIFY(NameShown().isEmpty());
        screen->txtContact[1]->setFocus();
        Type(screen->txtContact[1], "X");
        const auto warning = AnswerMessageBox(QMessageBox::Ok);
        screen->txtContact[0]->setFocus(); // leaving the name field with one character
        QCOMPARE(warning->title, QString("No Name Entered"));
        screen->cmdNav[0]->click();
        QCOMPARE(StoredNames(), QStringList({"Ace", "Bolt Co"}));

        screen->mnuAdd->trigger();
        screen->Command1[1]->click(); // Cancel Add New: back to the last stored record
        QCOMPARE(NameShown(), QString("Bolt Co"));
        screen->mnuAdd->trigger();
        screen->txtContact[1]->setText(QString::fromUtf8("Cable \u0150\u00f6zsi \U0001F600"));
        screen->cmdNav[0]->click();
        QCOMPARE(data->read("/VendorData.txt").mid(2 * 235 + 20, 30),
                 QByteArray("Cable O\xf6zsi ?").leftJustified(30));
    }

    void search_data() {
        QTest::addColumn<int>("criterion");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QMessageBox::StandardButton>("notFound"); // the answer when none is
        QTest::addColumn<QString>("frame");                        // the one showing after
        QTest::addColumn<QString>("shown");                        // the name shown in the end
        const auto none = QMessageBox::NoButton;
        QTest::newRow("name, two found") << 0 << "supply" << none << "fraContactsFound"
                                         << "Ace SUPPLY House";
        QTest::newRow("one city") << 3 << "ocala" << none << "fraContact"
                                  << "Bolt Co";
        QTest::newRow("telephone of 11") << 6 << "813-555-010" << none << "fraSearch"
                                         << "";
        QTest::newRow("telephone of 12") << 6 << "813-555-0100" << none << "fraContact"
                                         << "Gulf Supply";
        QTest::newRow("none, not added") << 0 << "zinc" << QMessageBox::No << "fraContact"
                                         << "Gulf Supply";
        QTest::newRow("none, added") << 0 << "zinc" << QMessageBox::Yes << "fraContact"
                                     << "";
    }
    void search() {
        QFETCH(int, criterion);
        QFETCH(QString, text);
        QFETCH(QMessageBox::StandardButton, notFound);
        QFETCH(QString, frame);
        QFETCH(QString, shown);
        Open({Vendor("Gulf Supply", "813-555-0100"), Vendor("Bolt Co", "", "Ocala"),
              Vendor("Ace SUPPLY House")});
        if (notFound != QMessageBox::NoButton)
            AnswerMessageBox(notFound);
        const int beeps = BeepsSounded();
        screen->Command1[0]->click();
        screen->optSearch[size_t(criterion)]->click();
        Type(screen->txtSearchfor, text);
        screen->cmdStartSearch->click();
        QVERIFY(screen->findChild<QWidget *>(frame)->isVisible());
        QCOMPARE(BeepsSounded(), beeps + int(frame == "fraSearch")); // a refused search beeps
        if (frame == "fraContactsFound") {
            QCOMPARE(screen->fgContactsFound->Rows(), 3);
            screen->fgContactsFound->SetRow(2);
            screen->mnuSelect->trigger();
        }
        if (frame != "fraSearch")
            QCOMPARE(NameShown(), shown);
        if (notFound == QMessageBox::Yes)
            QCOMPARE(screen->CurrentRecord, 4);
    }

    // The report's layout is the page snapshots'; here, that the screen prints every vendor.
    void contactReport() {
        Open({Vendor("Ace", "813-1"), Vendor("Bolt Co"), Vendor("Cable Inc"), Vendor("Drill")});
        screen->mnuPrint->trigger();
        QVERIFY(screen->fraContactsFound->isVisible());
        const QString path = data->path("/contacts.pdf");
        AnswerMessageBox(QMessageBox::Yes);
        PrintToPdf(path);
        screen->cmdPrintContacts->click();
        KeepForReview(path, "contact-report.pdf");
        QCOMPARE(PdfPageCount(path), 1);
        const QStringList words = WordTexts(ReadPdfWords(path));
        for (const char *word : {"Ace", "Bolt", "Cable", "Drill", "813-1"})
            QVERIFY2(words.contains(word), qPrintable(word));
    }
};

QTEST_MAIN(TestContacts)
#include "tst_contacts.moc"
