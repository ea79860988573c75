#include "base/FieldLines.h"
#include "support/AwkwardText.h"
#include "support/Screens.h"
#include "telephony/ComPort.h"

#include <QClipboard>

#include <functional>

namespace {

// A screen whose boxes feed one file: how it is opened, the boxes, the save the user presses,
// what the screen shows of the saved text, and the shape the file must keep.
struct TypedScreen {
    std::function<QList<QWidget *>()> open;
    std::function<void()> save;
    std::function<QStringList()> shown;
    std::function<void(const TestDataFolder &)> checkFile;
};

// The text pasted into the box, as the user pastes it: what the box refuses is left out.
void Paste(QWidget *box, const QString &text) {
    QApplication::clipboard()->setText(text);
    box->setFocus();
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        line->clear();
        line->paste();
    } else {
        auto *lines = static_cast<QPlainTextEdit *>(box);
        lines->clear();
        lines->paste();
    }
}

QStringList Texts(const QList<QWidget *> &boxes) {
    QStringList texts;
    for (const QWidget *box : boxes) {
        const auto *line = qobject_cast<const QLineEdit *>(box);
        texts << (line ? line->text() : static_cast<const QPlainTextEdit *>(box)->toPlainText());
    }
    return texts;
}

QList<QWidget *> BusinessBoxes() {
    frmSetup *setup = LoadForm<frmSetup>();
    return {setup->txtName, setup->txtAddress, setup->txtPOBox, setup->txtCity, setup->txtSt,
            setup->txtZip,  setup->txtTel,     setup->txtFax,   setup->txtFein};
}

TypedScreen Business() {
    return {[] {
                LoadForm<frmSetup>()->show();
                return BusinessBoxes();
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
            [] { return Texts(BusinessBoxes()); },
            [](const TestDataFolder &data) {
                // One line of nine quoted fields, for the suite's other programs as for us.
                const QByteArray bytes = data.read("/MyBusinessData.txt");
                QCOMPARE(bytes.count('"'), 18);
                QVERIFY(bytes.endsWith("\r\n") && bytes.count('\n') == 1);
                FieldLineReader reader(bytes);
                for (const QString *field :
                     {&BusinessName, &BusinessAddress1, &BusinessAddress2, &BusinessCity,
                      &BusinessState, &BusinessZip, &BusinessPhone, &BusinessFax, &BusinessTaxId})
                    QCOMPARE(reader.String(), *field);
                QVERIFY(reader.atEnd());
            }};
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
            for (QWidget *box : screen.open())
                Paste(box, AwkwardText(random));
            screen.save();
            const QStringList saved = screen.shown();
            screen.checkFile(*data);
            EndRun(); // the exit backup copies the files as they are
            ResetVariables();
            screen.open();
            QCOMPARE(screen.shown(), saved);
            screen.checkFile(*data);
            QVERIFY(EndScreenTest());
        }
    }

private slots:
    void initTestCase() { SetComPortDevicePattern(noModems.filePath("com%1")); }

    void businessData() { SurvivesRestart(Business(), 1); }

    void tallyLocations() {
        SurvivesRestart({[] {
                             frmServices *items = LoadForm<frmServices>();
                             items->show();
                             return QList<QWidget *>(items->txtTally.begin(),
                                                     items->txtTally.end());
                         },
                         [] { LoadForm<frmServices>()->cmdServices[7]->click(); },
                         [] {
                             const auto &boxes = LoadForm<frmServices>()->txtTally;
                             return Texts(QList<QWidget *>(boxes.begin(), boxes.end()));
                         },
                         [](const TestDataFolder &data) {
                             const QByteArray bytes = data.read("/Locations.txt");
                             QCOMPARE(bytes.count("\r\n"), 5);
                             QCOMPARE(bytes.count('\n'), 5);
                             QCOMPARE(data.read("/Backup/Locations.txt").size() % 1, 0);
                         }},
                        2);
    }

    void speedDial() {
        SurvivesRestart({[] {
                             frmDialer *dialer = LoadForm<frmDialer>();
                             dialer->show();
                             if (!dialer->cmdDialer[0]->text().isEmpty())
                                 return QList<QWidget *>();
                             dialer->cmdDialer[0]->click(); // an empty slot asks for an entry
                             return QList<QWidget *>{dialer->txtDialer[0], dialer->txtDialer[1]};
                         },
                         [] { LoadForm<frmDialer>()->cmdSpeedDialer[0]->click(); },
                         [] {
                             frmDialer *dialer = LoadForm<frmDialer>();
                             if (!dialer->cmdDialer[0]->text().isEmpty())
                                 dialer->cmdDialer[0]->click();
                             return QStringList{dialer->cmdDialer[0]->text(),
                                                dialer->lblName->text(), dialer->lblNumber->text()};
                         },
                         [](const TestDataFolder &data) {
                             // A name line and a number line, or nothing for an empty name.
                             QVERIFY(data.read("/SpeedNumbers.txt").count('\n') % 2 == 0);
                             QVERIFY(data.read("/SpeedNumbers.txt").count('\n') <= 2);
                         }},
                        3);
    }

    void requestForQuotation() {
        SurvivesRestart(
            {[] {
                 frmPriceBook *book = LoadForm<frmPriceBook>();
                 book->show();
                 book->cmdRFQ[1]->click(); // the request as last saved
                 return QList<QWidget *>{book->txtRFQ};
             },
             [] { LoadForm<frmPriceBook>()->cmdRFQ[2]->click(); },
             [] { return Texts({LoadForm<frmPriceBook>()->txtRFQ}); },
             [](const TestDataFolder &data) { QVERIFY(data.read("/RFQ.txt").endsWith("\r\n")); }},
            4);
    }
};

QTEST_MAIN(TestTypedText)
#include "tst_typedtext.moc"
