#include "contacts/VendorFile.h"
#include "printing/FlexGrid.h"
#include "setup/frmSetup.h"
#include "shell/Controls.h"
#include "shell/Rev11Common.h"
#include "support/Gui.h"
#include "support/Items.h"
#include "telephony/ComPort.h"
#include "telephony/frmDialer.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include <optional>

// Every screen, in the states the user can bring about, on the smallest screen the program is
// meant for: the window fits, and no caption or grid heading is cut short.

namespace {

const QSize SmallScreen(1024, 768);
// What a 768-pixel screen leaves a window once the title bar and the desktop's panel are drawn.
const QSize WindowRoom(1024, 740);

const QByteArray Colors = "0\r\n0\r\n\"Arial\"\r\n#TRUE#\r\n3\r\n";

ItemRecord Item(const QString &description, const QString &category) {
    ItemRecord item;
    item.Description = description;
    item.Category = category;
    item.Cost = Currency::fromCents(123456);
    item.Price = Currency::fromCents(234567);
    item.DiscountPrice = Currency::fromCents(199999);
    item.OnHand = 1200;
    item.DiscountQty = 50;
    item.ReorderAmount = 400;
    item.ReorderAt = 1500; // every item is low, so that a restock PO lists them all
    return item;
}

// The files of a business that has used the program for a while, with the longest names the
// files hold.
void WriteBusinessFiles(const TestDataFolder &data) {
    data.write("/MyBusinessData.txt", AceBusinessData);
    data.write("/PrintColors.txt", Colors);
    WriteItems({Item(QString(DescriptionWidth, u'W'), QString(CategoryWidth, u'W')),
                Item("Copper elbow 3/4 in sweat x sweat", "Pipe & Fittings"),
                Item("Ball valve 1/2 in full port", "Valves")});
    for (int n = 1; n <= 2; ++n) {
        VendorRecord vendor;
        vendor[VendorAccountNumber] = QString(20, u'W');
        vendor[VendorName] = n == 1 ? QString(30, u'W') : QStringLiteral("Gulf Supply");
        vendor[VendorAddress1] = QStringLiteral("77 Bay Blvd");
        vendor[VendorCity] = QStringLiteral("Tampa");
        vendor[VendorState] = QStringLiteral("FL");
        vendor[VendorPostalCode] = QStringLiteral("33605");
        vendor[VendorTelephone] = QStringLiteral("813-555-0199");
        QVERIFY(SaveVendor(n, vendor));
    }
}

void Click(const QString &form, const QString &control) {
    auto *button = Control<QAbstractButton>(form, control);
    QVERIFY2(button, qPrintable(form + "." + control));
    QTest::mouseClick(button, Qt::LeftButton);
}

// The part of the widget the user can see in its window: its rectangle, cut by every widget
// that holds it.
QRect SeenPart(const QWidget *widget) {
    const QWidget *window = widget->window();
    QRect seen(widget->mapTo(window, QPoint()), widget->size());
    for (const QWidget *holder = widget->parentWidget(); holder && holder != window;
         holder = holder->parentWidget())
        seen &= QRect(holder->mapTo(window, QPoint()), holder->size());
    return seen & window->rect();
}

// The width of a plain push button that just fits the caption: at that width the caption's
// first and last letters sit on the button's edges, and some fonts draw them past. A short
// caption gets the style's least width instead, which leaves it room (0).
int EdgeToEdge(const QPushButton *button) {
    const auto fit = [button](const QString &caption) {
        QPushButton plain(caption);
        plain.setFont(button->font());
        return plain.sizeHint().width();
    };
    const int width = fit(button->text());
    return width > fit(QStringLiteral("x")) ? width : 0;
}

// Buttons, boxes and options whose caption does not fit the room they are shown in.
QStringList CutCaptions(const QWidget *window) {
    QStringList cut;
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        const QRect seen = SeenPart(button);
        const auto *push = qobject_cast<const QPushButton *>(button);
        const int needed = std::max(button->sizeHint().width(), push ? EdgeToEdge(push) + 1 : 0);
        if (seen.width() < needed || seen.height() < button->minimumSizeHint().height())
            cut << QStringLiteral("%1 \"%2\": %3 of %4 pixels")
                       .arg(button->objectName(), button->text())
                       .arg(seen.width())
                       .arg(needed);
    }
    return cut;
}

// Panels made smaller than what they hold needs: their contents spill over their edges.
QStringList SqueezedPanels(const QWidget *window) {
    QStringList squeezed;
    for (const QWidget *panel : window->findChildren<QWidget *>()) {
        if (!panel->isVisible() || !panel->layout())
            continue;
        const QSize needed = panel->layout()->totalMinimumSize();
        if (panel->width() < needed.width() || panel->height() < needed.height() ||
            SeenPart(panel).size() != panel->size())
            squeezed << QStringLiteral("%1 (%2): %3x%4 for %5x%6 at %7,%8")
                            .arg(panel->objectName(), panel->metaObject()->className())
                            .arg(panel->width())
                            .arg(panel->height())
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(panel->mapTo(window, QPoint()).x())
                            .arg(panel->mapTo(window, QPoint()).y());
    }
    return squeezed;
}

} // namespace

class TestScreenSizes : public QObject {
    Q_OBJECT
    std::optional<TestDataFolder> data;
    QTemporaryDir noModems; // the dialer finds no modem behind any COM port

    // The screen opened as the user opens it, then brought into the state.
    QWidget *Reach(const QString &form, const QString &state) {
        if (form == "frmSplash") {
            Main();
            if (state == "welcome")
                Click("frmSplash", "cmdContinue");
            return Screen(form);
        }
        WriteBusinessFiles(*data);
        Main();
        Click("frmSplash", "cmdContinue");
        if (form == "frmStartup")
            return Screen(form);
        if (form == "frmSetup") {
            Screen("frmStartup")->findChild<QAction *>("mnuCreate")->trigger();
            Control<QTabWidget>(form, "tabInfo")->setCurrentIndex(state.toInt());
            return Screen(form);
        }
        if (form == "frmDialer") {
            frmDialer *dialer = LoadForm<frmDialer>();
            dialer->show();
            if (state == "speed dial entry")
                Click(form, "cmdDialer_0"); // an empty slot asks for its name and number
            return dialer;
        }
        // The main menu's routines; the stock screen opens for returns (2) or a picklist (3).
        const QStringList routines = {"frmPO", "frmContacts", "",
                                      "",      "frmServices", "frmPriceBook"};
        const int picklist = 3, returns = 2;
        QWidget *screen = OpenRoutine(form != "frmInventory" ? int(routines.indexOf(form))
                                      : state == "returns"   ? returns
                                                             : picklist);
        if (state == "vendor grid")
            Screen(form)->findChild<QAction *>("mnuView")->trigger();
        else if (state == "restock lines") {
            Control<QRadioButton>(form, "optPO_2")->click();
            Control<QComboBox>(form, "cboVendors")->setCurrentIndex(0);
            Click(form, "cmdPO_2");
        } else if (state.startsWith("fra"))
            ShowFloating(Control<QWidget>(form, state));
        return screen;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SetComPortDevicePattern(noModems.filePath("com%1"));
    }
    void init() { data.emplace(); }
    void cleanup() { QVERIFY(EndScreenTest()); }

    void everyScreenFitsASmallScreen_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("state");
        const auto row = [](const char *form, const char *state = "") {
            QTest::addRow("%s %s", form, state) << QString(form) << QString(state);
        };
        row("frmSplash");
        row("frmSplash", "welcome");
        row("frmStartup");
        for (const char *tab : {"0", "1", "2", "3", "4"}) // by the tab's place
            row("frmSetup", tab);
        row("frmServices");
        row("frmServices", "fraTallySheets");
        row("frmInventory", "returns");
        row("frmInventory", "picklist");
        row("frmInventory", "fraPicklist");
        row("frmPO");
        row("frmPO", "restock lines");
        row("frmPO", "fraAddItems");
        row("frmPO", "fraDelivery");
        row("frmPO", "fraPrintReady");
        row("frmContacts");
        row("frmContacts", "vendor grid");
        row("frmPriceBook");
        row("frmPriceBook", "fraRFQ");
        row("frmDialer");
        row("frmDialer", "speed dial entry");
    }
    void everyScreenFitsASmallScreen() {
        QFETCH(QString, form);
        QFETCH(QString, state);
        QWidget *screen = Reach(form, state);
        QVERIFY(screen && screen->isVisible());
        QCOMPARE(screen->screen()->size(), SmallScreen);
        Settle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        Screenshot(screen, QStringLiteral("small-%1-%2").arg(form, state));

        const QSize smallest = screen->minimumSize().expandedTo(screen->minimumSizeHint());
        QVERIFY2(smallest.boundedTo(WindowRoom) == smallest,
                 qPrintable(QDebug::toString(smallest)));
        QVERIFY2(QRect(QPoint(), SmallScreen).contains(screen->frameGeometry()),
                 qPrintable(QDebug::toString(screen->frameGeometry())));
        const QStringList captions = CutCaptions(screen);
        QVERIFY2(captions.isEmpty(), qPrintable(captions.join("; ")));
        const QStringList headings = CutHeadings(screen);
        QVERIFY2(headings.isEmpty(), qPrintable(headings.join("; ")));
        const QStringList panels = SqueezedPanels(screen);
        QVERIFY2(panels.isEmpty(), qPrintable(panels.join("; ")));
    }
};

QTEST_MAIN(TestScreenSizes)
#include "tst_screensizes.moc"
