#include "contacts/VendorFile.h"
#include "contacts/frmContacts.h"
#include "inventory/frmServices.h"
#include "pricebook/frmPriceBook.h"
#include "purchasing/frmPO.h"
#include "setup/frmSetup.h"
#include "shell/frmSplash.h"
#include "shell/frmStartup.h"
#include "stock/frmInventory.h"
#include "support/Gui.h"
#include "support/Items.h"
#include "telephony/frmDialer.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
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
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
