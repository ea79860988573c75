#include "contacts/VendorFile.h"
#include "contacts/frmContacts.h"
#include "inventory/ItemFile.h"
#include "inventory/frmServices.h"
#include "pricebook/frmPriceBook.h"
#include "printing/FlexGrid.h"
#include "purchasing/frmPO.h"
#include "setup/frmSetup.h"
#include "shell/frmSplash.h"
#include "shell/frmStartup.h"
#include "stock/frmInventory.h"
#include "support/Gui.h"
#include "support/Items.h"
#include "telephony/ComPort.h"
#include "telephony/frmDialer.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>
#include <optional>

// Working a screen with the keyboard alone, as a desktop user does.

namespace {

const std::vector<std::pair<const char *, std::function<Form *()>>> &Screens() {
    static const std::vector<std::pair<const char *, std::function<Form *()>>> screens = {
        {"frmStartup", [] { return LoadForm<frmStartup>(); }},
        {"frmSplash", [] { return LoadForm<frmSplash>(); }},
        {"frmSetup", [] { return LoadForm<frmSetup>(); }},
        {"frmServices", [] { return LoadForm<frmServices>(); }},
        {"frmInventory", [] { return LoadForm<frmInventory>(); }},
        {"frmPO", [] { return LoadForm<frmPO>(); }},
        {"frmContacts", [] { return LoadForm<frmContacts>(); }},
        {"frmPriceBook", [] { return LoadForm<frmPriceBook>(); }},
        {"frmDialer", [] { return LoadForm<frmDialer>(); }},
    };
    return screens;
}

bool IsButton(const QWidget *w) {
    return qobject_cast<const QAbstractButton *>(w) && !qobject_cast<const QCheckBox *>(w) &&
           !qobject_cast<const QRadioButton *>(w);
}

// The frame a control sits in: its group box, else the screen.
const QWidget *FrameOf(const QWidget *w, const QWidget *screen) {
    for (const QWidget *p = w->parentWidget(); p && p != screen; p = p->parentWidget()) {
        if (qobject_cast<const QGroupBox *>(p))
            return p;
    }
    return screen;
}

// The controls that Tab, pressed again and again, takes the user to, from the screen's start
// until it comes round again.
QList<QWidget *> TabChain(QWidget *screen) {
    QApplication::setActiveWindow(screen);
    screen->setFocus();
    QList<QWidget *> chain;
    for (int presses = 0; presses < 200; ++presses) {
        QWidget *at = QApplication::focusWidget();
        QTest::keyClick(at ? at : screen, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        // The line of an editable list is part of the list.
        if (now && now->parentWidget() && now->parentWidget()->focusProxy() == nullptr &&
            now->focusProxy())
            now = now->focusProxy();
        if (!now || chain.contains(now))
            break;
        chain << now;
    }
    return chain;
}

QString Name(const QWidget *w) {
    return w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
    std::optional<TestDataFolder> data;

private slots:
    void init() {
        // No modem, whatever serial ports this machine has.
        SetComPortDevicePattern(QStringLiteral("/nonexistent/com%1"));
        data.emplace();
        data->write("/MyBusinessData.txt", AceBusinessData);
        ItemRecord item;
        item.Description = "Copper elbow";
        item.Category = "Pipe";
        item.OnHand = 5;
        WriteItems({item});
        VendorRecord vendor;
        vendor[VendorName] = "Gulf Supply";
        SaveVendor(1, vendor);
    }
    void cleanup() {
        QVERIFY(EndScreenTest());
        data.reset();
        SetComPortDevicePattern(QString());
    }

    // Tab goes through the entry fields as they read, frame by frame, then the buttons.
    void tabFollowsTheScreen_data() {
        QTest::addColumn<int>("screen");
        for (size_t k = 0; k < Screens().size(); ++k)
            QTest::newRow(Screens()[k].first) << int(k);
    }
    void tabFollowsTheScreen() {
        QFETCH(int, screen);
        Form *form = Screens()[size_t(screen)].second();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QList<QWidget *> chain = TabChain(form);
        QVERIFY(!chain.isEmpty());
        bool buttons = false;
        for (int i = 0; i < chain.size(); ++i) {
            const QWidget *w = chain.at(i);
            QVERIFY2(!buttons || IsButton(w), qPrintable(Name(w) + " comes after the buttons"));
            buttons = IsButton(w);
            if (i == 0 || IsButton(w) || IsButton(chain.at(i - 1)) ||
                FrameOf(w, form) != FrameOf(chain.at(i - 1), form))
                continue;
            const QWidget *before = chain.at(i - 1);
            const QRect a(before->mapTo(form, QPoint()), before->size());
            const QRect b(w->mapTo(form, QPoint()), w->size());
            const bool sameRow = qAbs(a.center().y() - b.center().y()) < a.height() / 2;
            QVERIFY2(sameRow ? b.left() > a.left() : b.top() > a.top(),
                     qPrintable(Name(before) + " comes before " + Name(w)));
        }
    }

    // Enter does the main action where the user is, Esc the screen's Cancel, and neither does
    // anything where there is none.
    void enterAndEscape_data() {
        QTest::addColumn<int>("scenario");
        const char *names[] = {"main menu Enter",
                               "main menu Esc",
                               "new item Enter",
                               "new item Esc",
                               "browsing items Enter",
                               "picklist units Enter",
                               "picklist no units Enter",
                               "contact search Enter",
                               "contact add new Esc",
                               "dialer Enter",
                               "item Alt+A"};
        for (int k = 0; k < int(std::size(names)); ++k)
            QTest::newRow(names[k]) << k;
    }
    void enterAndEscape() {
        QFETCH(int, scenario);
        const auto press = [](QWidget *in, Qt::Key key) {
            QApplication::setActiveWindow(in->window());
            in->setFocus();
            QTest::keyClick(in, key);
        };
        switch (scenario) {
        case 0:
        case 1: {
            frmStartup *menu = LoadForm<frmStartup>();
            menu->show();
            menu->optMainMenuSub[4]->setChecked(true);
            press(menu->optMainMenuSub[4], scenario == 0 ? Qt::Key_Return : Qt::Key_Escape);
            QCOMPARE(ScreenVisible("frmServices"), scenario == 0);
            QCOMPARE(menu->isVisible(), scenario == 1);
            break;
        }
        case 2:
        case 3:
        case 4: {
            auto *items = static_cast<frmServices *>(OpenRoutine(4));
            if (scenario != 4) {
                items->cmdServices[8]->click(); // Add New
                Type(items->txtDescription[1], "Brass tee");
                Type(items->txtCharge[1], "3.50");
                Type(items->txtCharge[2], "3.00");
                Type(items->txtOnHand, "4");
            }
            press(scenario == 4 ? static_cast<QWidget *>(items->fgItems) : items->txtOnHand,
                  scenario == 3 ? Qt::Key_Escape : Qt::Key_Return);
            QCOMPARE(int(ItemCount()), scenario == 2 ? 2 : 1);
            QVERIFY(!items->cmdServices[13]->isEnabled()); // no item being edited
            QVERIFY(items->isVisible());
            break;
        }
        case 5:
        case 6: {
            auto *pick = static_cast<frmInventory *>(OpenRoutine(3));
            ClickRow(pick->fgItems, 1);
            if (scenario == 5)
                Type(pick->txtUnits, "2");
            press(pick->txtUnits, Qt::Key_Return);
            QCOMPARE(pick->fgPicklist->Rows(), scenario == 5 ? 3 : 2);
            break;
        }
        case 7: {
            auto *contacts = static_cast<frmContacts *>(OpenRoutine(1));
            contacts->Command1[0]->click();
            contacts->optSearch[0]->click(); // by name
            Type(contacts->txtSearchfor, "Gulf");
            press(contacts->txtSearchfor, Qt::Key_Return);
            // The one vendor found is shown.
            QVERIFY(!contacts->txtSearchfor->isVisible());
            QCOMPARE(contacts->txtContact[1]->text(), QString("Gulf Supply"));
            break;
        }
        case 8: {
            auto *contacts = static_cast<frmContacts *>(OpenRoutine(1));
            contacts->mnuAdd->trigger();
            QVERIFY(contacts->Command1[1]->isEnabled());
            press(contacts->txtContact[1], Qt::Key_Escape);
            QVERIFY(!contacts->Command1[1]->isEnabled());
            QCOMPARE(contacts->txtContact[1]->text(), QString("Gulf Supply"));
            break;
        }
        default: {
            frmDialer *dialer = LoadForm<frmDialer>();
            dialer->lblNumber->setText("555-0100");
            dialer->show();
            press(dialer->ckDial1, Qt::Key_Return);
            QVERIFY(dialer->lblStatus->text().contains("555-0100"));
            QVERIFY(dialer->cmdNewDial->isVisible()); // ready again
        }
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
