#include "support/Screens.h"
#include "telephony/ComPort.h"

#include <QAbstractButton>
#include <QHash>
#include <QLayout>
#include <QRegularExpression>
#include <QScreen>

// Every screen, in the states the user can bring about, on the smallest screen the program is
// meant for: the window fits, no caption or grid heading is cut short, and the keyboard works it
// as a desktop user expects.

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

// Buttons, boxes and options whose caption does not fit the room they are shown in.
QStringList CutCaptions(const QWidget *window) {
    QStringList cut;
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        // A command button asks for a little room around its caption: it must have it.
        const QRect seen = SeenPart(button);
        const int needed = button->sizeHint().width();
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

bool IsButton(const QWidget *w) {
    return qobject_cast<const QAbstractButton *>(w) && !qobject_cast<const QCheckBox *>(w) &&
           !qobject_cast<const QRadioButton *>(w);
}

// The frame a control sits in: its group box, else the screen.
const QWidget *FrameOf(const QWidget *w) {
    for (const QWidget *p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget()) {
        if (qobject_cast<const QGroupBox *>(p))
            return p;
    }
    return w->window();
}

// The controls that Tab, pressed again and again, takes the user to, from the screen's start
// until it comes round again.
QList<QWidget *> TabChain(QWidget *screen) {
    QApplication::setActiveWindow(screen); // the focus where the screen puts it when shown
    QList<QWidget *> chain;
    for (int presses = 0; presses < 200; ++presses) {
        QWidget *at = QApplication::focusWidget();
        QTest::keyClick(at ? at : screen, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (now && now->focusProxy())
            now = now->focusProxy(); // the line of an editable list is part of the list
        if (!now || chain.contains(now))
            break;
        chain << now;
    }
    // Read from the first field after the buttons, wherever the screen put the focus.
    for (int k = 0; k < chain.size(); ++k) {
        if (IsButton(chain.at((k + chain.size() - 1) % chain.size())) && !IsButton(chain.at(k)))
            return chain.mid(k) + chain.mid(0, k);
    }
    return chain;
}

// Gives the control the focus, as a click would, and presses the key.
void Press(QWidget *in, Qt::Key key) {
    QApplication::setActiveWindow(in->window());
    in->setFocus();
    QTest::keyClick(in, key);
}

} // namespace

class TestScreens : public QObject {
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
            // Chosen and created with the keyboard, the choice keeping the focus.
            auto *choice = Control<QRadioButton>(form, "optPO_2");
            Press(choice, Qt::Key_Space);
            Control<QComboBox>(form, "cboVendors")->setCurrentIndex(0);
            auto *create = Control<QPushButton>(form, "cmdPO_2");
            create->setFocus(Qt::ShortcutFocusReason); // as Alt+C does
            create->click();
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

    // Every screen in the states the user can bring about.
    void screens_data() {
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
    void everyScreenFitsASmallScreen_data() { screens_data(); }
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

    // Tab goes through the entry fields as they read, frame by frame, then the buttons.
    void tabFollowsTheScreen_data() { screens_data(); }
    void tabFollowsTheScreen() {
        QFETCH(QString, form);
        QFETCH(QString, state);
        QWidget *screen = Reach(form, state);
        QCoreApplication::processEvents();
        const QWidget *focus = screen->focusWidget();
        QVERIFY2(!focus || focus->isVisible(), qPrintable(focus->objectName() + " is hidden"));
        if (state.startsWith("fra")) { // a frame called up takes the keyboard with it
            const QWidget *frame = screen->findChild<QWidget *>(state);
            QVERIFY2(frame->isAncestorOf(screen->focusWidget()),
                     qPrintable(screen->focusWidget()->objectName()));
        }
        // Alt and a letter reach one control only, but for two pairs of captions the suite's
        // users have always known (Alt then moves between the two).
        const QStringList known = {"&Store", "Ca&ncel"};
        QHash<QChar, QString> keys;
        for (const QAbstractButton *b : screen->findChildren<QAbstractButton *>()) {
            const int amp = b->text().indexOf(QRegularExpression("&[^&]"));
            if (!b->isVisible() || amp < 0)
                continue;
            const QChar key = b->text().at(amp + 1).toLower();
            QVERIFY2(!keys.contains(key) || known.contains(b->text()) || known.contains(keys[key]),
                     qPrintable(keys[key] + " and " + b->text()));
            keys[key] = b->text();
        }
        const QList<QWidget *> chain = TabChain(screen);
        QVERIFY(!chain.isEmpty());
        // Every control the user can work reaches the chain; of a group of choices, the one
        // checked.
        for (QWidget *w : screen->findChildren<QWidget *>()) {
            const auto *choice = qobject_cast<QRadioButton *>(w);
            if (w->isVisible() && w->isEnabled() && !w->focusProxy() &&
                (choice ? choice->isChecked() : bool(w->focusPolicy() & Qt::TabFocus)))
                QVERIFY2(chain.contains(w), qPrintable(w->objectName() + " is out of the chain"));
        }
        for (int i = 1; i < chain.size(); ++i) {
            const QWidget *before = chain.at(i - 1), *w = chain.at(i);
            QVERIFY2(!IsButton(before) || IsButton(w),
                     qPrintable(w->objectName() + " comes after the buttons"));
            if (IsButton(w) || FrameOf(w) != FrameOf(before))
                continue;
            const QRect a(before->mapTo(screen, QPoint()), before->size());
            const QRect b(w->mapTo(screen, QPoint()), w->size());
            const bool sameRow = qAbs(a.center().y() - b.center().y()) < a.height() / 2;
            QVERIFY2(sameRow ? b.left() > a.left() : b.top() > a.top(),
                     qPrintable(before->objectName() + " comes before " + w->objectName()));
        }
    }

    // Enter does the main action where the user is, Esc the screen's Cancel, and neither does
    // anything where there is none.
    void enterAndEscape_data() {
        QTest::addColumn<int>("scenario");
        const char *names[] = {"main menu Enter",         "main menu Esc",
                               "new item Enter",          "new item Esc",
                               "browsing items Enter",    "picklist units Enter",
                               "picklist no units Enter", "contact search Enter",
                               "contact add new Esc",     "dialer Enter",
                               "welcome logo Space",      "splash Enter"};
        for (int k = 0; k < int(std::size(names)); ++k)
            QTest::newRow(names[k]) << k;
    }
    void enterAndEscape() {
        QFETCH(int, scenario);
        switch (scenario) {
        case 0:
        case 1: {
            auto *menu = static_cast<frmStartup *>(Reach("frmStartup", ""));
            menu->optMainMenuSub[4]->setChecked(true);
            Press(menu->optMainMenuSub[4], scenario == 0 ? Qt::Key_Return : Qt::Key_Escape);
            QCOMPARE(ScreenVisible("frmServices"), scenario == 0);
            QCOMPARE(menu->isVisible(), scenario == 1);
            break;
        }
        case 2:
        case 3:
        case 4: {
            auto *items = static_cast<frmServices *>(Reach("frmServices", ""));
            const int count = ItemCount();
            if (scenario != 4) {
                items->cmdServices[8]->click(); // Add New
                for (QLineEdit *box : {items->txtDescription[1], items->txtCharge[1],
                                       items->txtCharge[2], items->txtOnHand})
                    Type(box, "4");
            }
            Press(scenario == 4 ? static_cast<QWidget *>(items->fgItems) : items->txtOnHand,
                  scenario == 3 ? Qt::Key_Escape : Qt::Key_Return);
            QCOMPARE(int(ItemCount()), count + (scenario == 2 ? 1 : 0));
            QVERIFY(!items->cmdServices[13]->isEnabled()); // no item being edited
            break;
        }
        case 5:
        case 6: {
            auto *pick = static_cast<frmInventory *>(Reach("frmInventory", "picklist"));
            if (scenario == 5) { // the item chosen with the keyboard too
                pick->fgItems->SetRow(1);
                Press(pick->fgItems, Qt::Key_Return);
                QVERIFY(pick->txtUnits->hasFocus());
                QCOMPARE(pick->lblName->text(), pick->fgItems->TextMatrix(1, 0));
                Type(pick->txtUnits, "2");
            } else {
                ClickRow(pick->fgItems, 1);
            }
            Press(pick->txtUnits, Qt::Key_Return);
            QCOMPARE(pick->fgPicklist->Rows(), scenario == 5 ? 3 : 2);
            if (scenario == 5)
                QVERIFY(pick->fgItems->hasFocus()); // for the next item
            break;
        }
        case 7:
        case 8: {
            auto *contacts = static_cast<frmContacts *>(Reach("frmContacts", ""));
            if (scenario == 7) {
                contacts->Command1[0]->click();
                contacts->optSearch[0]->click(); // by name
                Type(contacts->txtSearchfor, "Gulf");
                Press(contacts->txtSearchfor, Qt::Key_Return);
                QCOMPARE(contacts->txtContact[1]->text(), QString("Gulf Supply")); // found
            } else {
                contacts->mnuAdd->trigger();
                Press(contacts->txtContact[1], Qt::Key_Escape);
                QVERIFY(!contacts->Command1[1]->isEnabled());
                QVERIFY(!contacts->txtContact[1]->text().isEmpty()); // a vendor shows again
            }
            break;
        }
        case 10: // the first run's way to the set-up screen, without the mouse
        case 11: {
            if (scenario == 11)
                WriteBusinessFiles(*data);
            QWidget *splash = Reach("frmSplash", scenario == 10 ? "welcome" : "");
            Press(splash->focusWidget(), scenario == 10 ? Qt::Key_Space : Qt::Key_Return);
            QVERIFY(ScreenVisible(scenario == 10 ? "frmSetup" : "frmStartup"));
            break;
        }
        default: {
            QCOMPARE(scenario, 9);
            auto *dialer = static_cast<frmDialer *>(Reach("frmDialer", ""));
            dialer->lblNumber->setText("555-0100");
            Press(dialer->ckDial1, Qt::Key_Return);
            QVERIFY(dialer->lblStatus->text().contains("555-0100"));
            QVERIFY(dialer->cmdNewDial->isVisible()); // ready again
        }
        }
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
