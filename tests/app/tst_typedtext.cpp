#include "base/FieldLines.h"
#include "support/AwkwardText.h"
#include "support/ScreenSteps.h"
#include "telephony/ComPort.h"

#include <QClipboard>

#include <functional>

namespace {

// A screen whose boxes feed one file: opening it (giving the boxes), the save the user presses,
// the shape the file must keep, and what the screen shows of the saved text when that is more
// than the boxes' texts.
struct TypedScreen {
    std::function<QList<QWidget *>()> open;
    std::function<void()> save;
    std::function<void(const TestDataFolder &)> checkFile;
    std::function<QStringList()> shown = nullptr;
};

// The text pasted into the box, as the user pastes it: what the box refuses is left out. Boxes
// of one line and of many have the same slots.
void Paste(QWidget *box, const QString &text) {
    QApplication::clipboard()->setText(text);
    box->setFocus();
    QVERIFY(QMetaObject::invokeMethod(box, "clear") && QMetaObject::invokeMethod(box, "paste"));
}

QStringList Texts(const QList<QWidget *> &boxes) {
    QStringList texts;
    for (const QWidget *box : boxes)
        texts << box->property(qobject_cast<const QLineEdit *>(box) ? "text" : "plainText")
                     .toString();
    return texts;
}

} // namespace

class TestTypedText : public QObject {
    Q_OBJECT
    std::optional<TestDataFolder> data;
    QTemporaryDir noModems;

    // Awkward texts pasted into every box of the screen survive a save, an exit and a restart
    // exactly as the screen showed them after the save, and the file keeps its shape.
    void SurvivesRestart(const TypedScreen &screen, quint32 seed) {
        QRandomGenerator random(seed);
        for (int round = 0; round < 12; ++round) {
            data.emplace();
            WriteSmallBusiness(*data);
            QList<QWidget *> boxes = screen.open();
            for (QWidget *box : boxes)
                Paste(box, AwkwardText(random));
            screen.save();
            const QStringList saved = screen.shown ? screen.shown() : Texts(boxes);
            screen.checkFile(*data);
            EndRun(); // the exit backup copies the files as they are
            ResetVariables();
            boxes = screen.open();
            QCOMPARE(screen.shown ? screen.shown() : Texts(boxes), saved);
            screen.checkFile(*data);
            QVERIFY(EndScreenTest());
        }
    }

private slots:
    void initTestCase() { SetComPortDevicePattern(noModems.filePath("com%1")); }

    void businessData() {
        SurvivesRestart(
            {[] {
                 frmSetup *setup = Shown<frmSetup>();
                 return QList<QWidget *>{setup->txtName, setup->txtAddress, setup->txtPOBox,
                                         setup->txtCity, setup->txtSt,      setup->txtZip,
                                         setup->txtTel,  setup->txtFax,     setup->txtFein};
             },
             [] {
                 // The save button needs a name and a telephone.
                 frmSetup *setup = LoadForm<frmSetup>();
                 for (QLineEdit *box : {setup->txtName, setup->txtTel}) {
                     if (box->text().trimmed().isEmpty())
                         Type(box, "A");
                 }
                 setup->cmdQuit->click();
             },
             [](const TestDataFolder &data) {
                 // One line of nine quoted fields, for the suite's other programs.
                 const QByteArray bytes = data.read("/MyBusinessData.txt");
                 QCOMPARE(bytes.count('"'), 18);
                 QVERIFY(bytes.endsWith("\r\n") && bytes.count('\n') == 1);
                 FieldLineReader reader(bytes);
                 for (const QString *field :
                      {&BusinessName, &BusinessAddress1, &BusinessAddress2, &BusinessCity,
                       &BusinessState, &BusinessZip, &BusinessPhone, &BusinessFax, &BusinessTaxId})
                     QCOMPARE(reader.String(), *field);
                 QVERIFY(reader.atEnd());
             }},
            1);
    }

    void tallyLocations() {
        SurvivesRestart({[] {
                             frmServices *items = Shown<frmServices>();
                             return QList<QWidget *>(items->txtTally.begin(),
                                                     items->txtTally.end());
                         },
                         [] { LoadForm<frmServices>()->cmdServices[7]->click(); },
                         [](const TestDataFolder &data) {
                             QCOMPARE(data.read("/Locations.txt").count("\r\n"), 5);
                             QCOMPARE(data.read("/Locations.txt").count('\n'), 5);
                         }},
                        2);
    }

    void speedDial() {
        SurvivesRestart({[] {
                             frmDialer *dialer = Shown<frmDialer>();
                             if (!dialer->cmdDialer[0]->text().isEmpty())
                                 return QList<QWidget *>();
                             dialer->cmdDialer[0]->click(); // an empty slot asks for an entry
                             return QList<QWidget *>{dialer->txtDialer[0], dialer->txtDialer[1]};
                         },
                         [] { LoadForm<frmDialer>()->cmdSpeedDialer[0]->click(); },
                         [](const TestDataFolder &data) {
                             // A name line and a number line, or nothing for an empty name.
                             const qsizetype lines = data.read("/SpeedNumbers.txt").count('\n');
                             QVERIFY(lines == 0 || lines == 2);
                         },
                         [] {
                             frmDialer *dialer = LoadForm<frmDialer>();
                             if (!dialer->cmdDialer[0]->text().isEmpty())
                                 dialer->cmdDialer[0]->click();
                             return QStringList{dialer->cmdDialer[0]->text(),
                                                dialer->lblName->text(), dialer->lblNumber->text()};
                         }},
                        3);
    }

    void requestForQuotation() {
        SurvivesRestart(
            {[] {
                 frmPriceBook *book = Shown<frmPriceBook>();
                 book->cmdRFQ[1]->click(); // the request as last saved
                 return QList<QWidget *>{book->txtRFQ};
             },
             [] { LoadForm<frmPriceBook>()->cmdRFQ[2]->click(); },
             [](const TestDataFolder &data) { QVERIFY(data.read("/RFQ.txt").endsWith("\r\n")); }},
            4);
    }

    // The note beside a refused entry lets a click through to the box it covers.
    void refusalNoteLetsClicksThrough() {
        data.emplace();
        frmSetup *setup = Shown<frmSetup>();
        QApplication::setActiveWindow(setup);
        Paste(setup->txtName, "Ace \"Best\" Plumbing");
        QVERIFY(!NoteShown(setup).isEmpty());
        const QPoint at = setup->findChild<QLabel *>("refusalNote")->geometry().center();
        auto *under = qobject_cast<QLineEdit *>(setup->childAt(at));
        QVERIFY2(under, qPrintable(QDebug::toString(setup->childAt(at))));
        QTest::mouseClick(setup->windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(QApplication::focusWidget(), under);
        QVERIFY(EndScreenTest());
    }
};

QTEST_MAIN(TestTypedText)
#include "tst_typedtext.moc"
