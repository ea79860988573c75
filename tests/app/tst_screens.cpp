#include "support/ScreenSteps.h"
#include "telephony/ComPort.h"

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

// The part of the widget the user can see: its rectangle, cut by every widget that holds it.
QRect SeenPart(const QWidget *widget) {
    const QWidget *window = widget->window();
    QRect seen(widget->mapTo(window, QPoint()), widget->size());
    for (const QWidget *holder = widget->parentWidget(); holder && holder != window;
         holder = holder->parentWidget())
        seen &= QRect(holder->mapTo(window, QPoint()), holder->size());
    return seen & window->rect();
}

// What does not fit: cut grid headings, captions without the room their button asks for, and
// panels smaller than what they hold (their contents spill over their edges).
QStringList Misfits(const QWidget *window) {
    QStringList misfits = CutHeadings(window);
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        const QRect seen = SeenPart(w);
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        if (button && !button->text().isEmpty() &&
            (seen.width() < button->sizeHint().width() ||
             seen.height() < button->minimumSizeHint().height()))
            misfits << "cut " + button->text() + " " + QDebug::toString(seen);
        if (w->layout() && (w->size() != w->size().expandedTo(w->layout()->totalMinimumSize()) ||
                            seen.size() != w->size()))
            misfits << "squeezed " + w->objectName() + " " + QDebug::toString(seen);
    }
    return misfits;
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

// The controls Tab takes the user to, pressed until it comes round again, read from the first
// field after the buttons.
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

    // The screen opened as the user opens it, then brought into the state, over files that hold
    // the longest texts there are.
    QWidget *Reach(const QString &form, const QString &state) {
        if (form != "frmSplash" || state == "later run") {
            WriteLongestBusiness(*data);
            data->write("/PrintColors.txt", AcePrintColors);
            WriteItems({LongestTexts().Item, ElbowItem()});
        }
        Main();
        if (form != "frmSplash" || state == "welcome")
            Click("frmSplash", "cmdContinue");
        if (form == "frmSplash" || form == "frmStartup")
            return Screen(form);
        if (form == "frmSetup") {
            Screen("frmStartup")->findChild<QAction *>("mnuCreate")->trigger();
            Control<QTabWidget>(form, "tabInfo")->setCurrentIndex(state.toInt());
            return Screen(form);
        }
        if (form == "frmDialer") {
            LoadForm<frmDialer>()->show();
            if (state == "speed dial entry")
                Click(form, "cmdDialer_0"); // an empty slot asks for its name and number
            return Screen(form);
        }
        // The main menu's routines; the stock screen opens for returns (2) or a picklist (3).
        const QStringList routines = {"frmPO", "frmContacts", "",
                                      "",      "frmServices", "frmPriceBook"};
        QWidget *screen = OpenRoutine(form != "frmInventory" ? int(routines.indexOf(form))
                                      : state == "returns"   ? 2
                                                             : 3);
        if (state == "vendor grid")
            Screen(form)->findChild<QAction *>("mnuView")->trigger();
        else if (state == "restock lines") {
            // Chosen and created with the keyboard, the choice keeping the focus.
            Press(Control<QRadioButton>(form, "optPO_2"), Qt::Key_Space);
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
    void everyScreenFitsAndTabsOnASmallScreen_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("state");
        const std::pair<const char *, QStringList> screens[] = {
            {"frmSplash", {"", "welcome", "later run"}},
            {"frmStartup", {""}},
            {"frmSetup", {"0", "1", "2", "3", "4"}}, // by the tab's place
            {"frmServices", {"", "fraTallySheets"}},
            {"frmInventory", {"returns", "picklist", "fraPicklist"}},
            {"frmPO", {"", "restock lines", "fraAddItems", "fraDelivery", "fraPrintReady"}},
            {"frmContacts", {"", "vendor grid"}},
            {"frmPriceBook", {"", "fraRFQ"}},
            {"frmDialer", {"", "speed dial entry"}}};
        for (const auto &[form, states] : screens) {
            for (const QString &state : states)
                QTest::addRow("%s %s", form, qPrintable(state)) << QString(form) << state;
        }
    }
    void everyScreenFitsAndTabsOnASmallScreen() {
        QFETCH(QString, form);
        QFETCH(QString, state);
        QWidget *screen = Reach(form, state);
        QVERIFY(screen && screen->isVisible());
        QCOMPARE(screen->objectName(), form);
        QCOMPARE(screen->screen()->size(), SmallScreen);
        Settle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        Screenshot(screen, QStringLiteral("small-%1-%2").arg(form, state));

        const QSize smallest = screen->minimumSize().expandedTo(screen->minimumSizeHint());
        QVERIFY2(smallest.boundedTo(WindowRoom) == smallest,
                 qPrintable(QDebug::toString(smallest)));
        QVERIFY2(QRect(QPoint(), SmallScreen).contains(screen->frameGeometry()),
                 qPrintable(QDebug::toString(screen->frameGeometry())));
        const QStringList misfits = Misfits(screen);
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join("; ")));

        // Tab goes through the entry fields as they read, frame by frame, then the buttons.
        const QWidget *focus = screen->focusWidget();
        QVERIFY2(!focus || focus->isVisible(), qPrintable(focus->objectName() + " is hidden"));
        if (state.startsWith("fra")) // a frame called up takes the keyboard with it
            QVERIFY2(screen->findChild<QWidget *>(state)->isAncestorOf(screen->focusWidget()),
                     qPrintable(screen->focusWidget()->objectName()));
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
        // Every control the user can work is in the chain; of a group of choices, the checked.
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
    // anything where there is none. Each scenario is named "screen what key".
    void enterAndEscape_data() {
        QTest::addColumn<QString>("scenario");
        for (const char *name :
             {"menu Enter", "menu Esc", "items new Enter", "items new Esc", "items browsing Enter",
              "picklist units Enter", "picklist no units Enter", "contacts search Enter",
              "contacts add new Esc", "dialer Enter", "splash welcome logo Space", "splash Enter"})
            QTest::newRow(name) << QString(name);
    }
    void enterAndEscape() {
        QFETCH(QString, scenario);
        const Qt::Key key = scenario.endsWith("Enter") ? Qt::Key_Return
                            : scenario.endsWith("Esc") ? Qt::Key_Escape
                                                       : Qt::Key_Space;
        if (scenario.startsWith("menu")) {
            auto *menu = static_cast<frmStartup *>(Reach("frmStartup", ""));
            menu->optMainMenuSub[4]->setChecked(true);
            Press(menu->optMainMenuSub[4], key);
            QCOMPARE(ScreenVisible("frmServices"), key == Qt::Key_Return);
            QCOMPARE(menu->isVisible(), key == Qt::Key_Escape);
        } else if (scenario.startsWith("items")) {
            auto *items = static_cast<frmServices *>(Reach("frmServices", ""));
            const int count = ItemCount();
            const bool adding = scenario.startsWith("items new");
            if (adding) {
                items->cmdServices[8]->click(); // Add New
                for (QLineEdit *box : {items->txtDescription[1], items->txtCharge[1],
                                       items->txtCharge[2], items->txtOnHand})
                    Type(box, "4");
            }
            Press(adding ? static_cast<QWidget *>(items->txtOnHand) : items->fgItems, key);
            QCOMPARE(int(ItemCount()), count + (scenario == "items new Enter" ? 1 : 0));
            QVERIFY(!items->cmdServices[13]->isEnabled()); // no item being edited
        } else if (scenario.startsWith("picklist")) {
            auto *pick = static_cast<frmInventory *>(Reach("frmInventory", "picklist"));
            const bool units = scenario == "picklist units Enter";
            if (units) { // the item chosen with the keyboard too
                pick->fgItems->SetRow(1);
                Press(pick->fgItems, Qt::Key_Return);
                QVERIFY(pick->txtUnits->hasFocus());
                QCOMPARE(pick->lblName->text(), pick->fgItems->TextMatrix(1, 0));
                Type(pick->txtUnits, "2");
            } else {
                ClickRow(pick->fgItems, 1);
            }
            Press(pick->txtUnits, key);
            QCOMPARE(pick->fgPicklist->Rows(), units ? 3 : 2);
            QCOMPARE(pick->fgItems->hasFocus(), units); // for the next item
        } else if (scenario.startsWith("contacts")) {
            auto *contacts = static_cast<frmContacts *>(Reach("frmContacts", ""));
            if (key == Qt::Key_Return) {
                contacts->Command1[0]->click();
                contacts->optSearch[0]->click(); // by name
                Type(contacts->txtSearchfor, "Allied");
                Press(contacts->txtSearchfor, key);
                QCOMPARE(contacts->txtContact[1]->text(), LongestTexts().Vendor); // found
            } else {
                contacts->mnuAdd->trigger();
                Press(contacts->txtContact[1], key);
                QVERIFY(!contacts->Command1[1]->isEnabled());
                QVERIFY(!contacts->txtContact[1]->text().isEmpty()); // a vendor shows again
            }
        } else if (scenario.startsWith("dialer")) {
            auto *dialer = static_cast<frmDialer *>(Reach("frmDialer", ""));
            dialer->lblNumber->setText("555-0100");
            Press(dialer->ckDial1, key);
            QVERIFY(dialer->lblStatus->text().contains("555-0100"));
            QVERIFY(dialer->cmdNewDial->isVisible()); // ready again
        } else { // the first run's way to set-up without the mouse, and a later run's to the menu
            const bool welcome = key == Qt::Key_Space;
            QWidget *splash = Reach("frmSplash", welcome ? "welcome" : "later run");
            Press(splash->focusWidget(), key);
            QVERIFY(ScreenVisible(welcome ? "frmSetup" : "frmStartup"));
        }
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
