#include "base/Forms.h"

#include "base/Rev11Common.h"
#include "base/ScreenLayout.h"
#include "base/TabOrder.h"

#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

QList<QPointer<Form>> Loaded;

} // namespace

Form::Form(const QString &formName) {
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Form::Form_Load() {
    if (RestoresLayout())
        m_placement = SavedLayout(LayoutKey(), objectName());
    if (!m_placement.isEmpty())
        restoreGeometry(m_placement);
}

void Form::ArrangeTabOrder() {
    m_tabStops.clear();
    for (QWidget *stop : ReadingTabOrder(this)) {
        m_tabStops << stop;
        if (qobject_cast<QDateTimeEdit *>(stop))
            stop->installEventFilter(this);
    }
}

bool Form::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QDateTimeEdit *>(watched)) {
        const auto *press = static_cast<QKeyEvent *>(event);
        const bool ctrlOrAlt = press->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!ctrlOrAlt && (press->key() == Qt::Key_Tab || press->key() == Qt::Key_Backtab))
            return focusNextPrevChild(press->key() == Qt::Key_Tab &&
                                      !(press->modifiers() & Qt::ShiftModifier));
    }
    return QWidget::eventFilter(watched, event);
}

QList<QWidget *> Form::TabStops() const {
    QList<QWidget *> stops;
    for (const QPointer<QWidget> &stop : m_tabStops) {
        if (stop)
            stops << stop;
    }
    return stops;
}

bool Form::focusNextPrevChild(bool next) {
    // Qt's own chain follows the order the controls were made in, which is not the screen's.
    if (QWidget *to = NextTabStop(TabStops(), focusWidget(), next)) {
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    if (focusWidget() && !focusWidget()->isVisible()) {
        // The frame holding the focus was hidden before the one that takes its place is
        // shown: the keys must not go on working the hidden controls, so the first stop of
        // what is on screen then takes the focus.
        QTimer::singleShot(0, this, [this] {
            const QWidget *focus = focusWidget();
            if (focus && focus->isVisible())
                return;
            if (QWidget *first = NextTabStop(TabStops(), nullptr, true))
                first->setFocus(Qt::OtherFocusReason);
        });
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void Form::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    if ((enter || escape) && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QAbstractButton *button = nullptr;
        if (enter)
            button = qobject_cast<QPushButton *>(focusWidget());
        if (!button)
            button = enter ? EnterButton() : EscapeButton();
        if (button && button->isVisible() && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void Form::Form_QueryUnload(int unloadMode) {
    if (unloadMode == 0)
        ExitProgram();
}

void Form::Form_Unload() {
    if (isVisible())
        m_placement = saveGeometry();
    else if (m_placement.isEmpty()) { // not shown this run nor the last: its first-open place
        PlaceOnScreen(this, {});
        m_placement = saveGeometry();
    }
    SaveLayout(LayoutKey(), objectName(), m_placement);
}

void Form::setVisible(bool visible) {
    if (visible && !isVisible())
        PlaceOnScreen(this, m_placement);
    else if (!visible && isVisible())
        m_placement = saveGeometry();
    QWidget::setVisible(visible);
}

void Form::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void Form::closeEvent(QCloseEvent *event) {
    // The program unloads its screens itself; a close reaching us comes from the window's
    // close box.
    event->ignore();
    Form_QueryUnload(0);
}

Form *LoadedForm(const QString &formName) {
    for (const QPointer<Form> &form : Loaded) {
        if (form && form->objectName() == formName)
            return form;
    }
    return nullptr;
}

QList<Form *> LoadedForms() {
    QList<Form *> forms;
    for (const QPointer<Form> &form : Loaded) {
        if (form)
            forms << form;
    }
    return forms;
}

namespace {

QHash<QString, Form *(*)()> &KnownScreens() {
    static QHash<QString, Form *(*)()> screens; // filled before main() runs
    return screens;
}

} // namespace

bool RegisterScreen(const QString &formName, Form *(*load)()) {
    KnownScreens().insert(formName, load);
    return true;
}

Form *LoadFormNamed(const QString &formName) {
    if (Form *loaded = LoadedForm(formName))
        return loaded;
    Form *(*load)() = KnownScreens().value(formName);
    return load ? load() : nullptr;
}

void ReturnToMainMenu(QWidget *leaving) {
    leaving->hide();
    if (Form *menu = LoadFormNamed(QStringLiteral("frmStartup")))
        menu->show();
}

void RegisterLoadedForm(Form *form) {
    Loaded << form;
}

void UnloadForm(Form *form) {
    if (!form || !Loaded.removeAll(form))
        return;
    form->Form_QueryUnload(1);
    form->Form_Unload();
    form->hide();
    // The unload may run inside one of the screen's own event handlers.
    form->deleteLater();
}
