#include "base/VerifyDataRoutines.h"

#include "common/Currency.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

#include <algorithm>

namespace {

bool IsDigit(int key) {
    return key >= '0' && key <= '9';
}

class KeyPressFilter : public QObject {
public:
    using Filter = int (*)(int key, const QLineEdit *box);
    KeyPressFilter(QLineEdit *box, Filter filter) : QObject(box), m_filter(filter) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *press = static_cast<QKeyEvent *>(event);
        const QString text = press->text();
        // Keys without a character (arrows, Tab, Delete, shortcuts) are not typing.
        if (text.size() != 1 || (!text.at(0).isPrint() && press->key() != Qt::Key_Backspace))
            return false;
        const int key = press->key() == Qt::Key_Backspace ? BackspaceKey : text.at(0).unicode();
        return m_filter(key, static_cast<QLineEdit *>(watched)) == 0;
    }

private:
    Filter m_filter;
};

// The note beside a refused box, one per window. It lives in the window itself rather than
// in a tool-tip, which the release of the mouse button that caused a refusal would close.
class RefusalNote : public QLabel {
public:
    explicit RefusalNote(QWidget *window) : QLabel(window) {
        setObjectName(QStringLiteral("refusalNote"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setStyleSheet(QStringLiteral("QLabel { background: palette(tooltip-base); color: "
                                     "palette(tooltip-text); border: 1px solid palette(dark); "
                                     "padding: 2px 6px; }"));
    }

    void ShowBeside(QWidget *box, const QString &wanted) {
        if (m_box)
            m_box->removeEventFilter(this);
        m_box = box;
        box->installEventFilter(this);
        setText(wanted);
        adjustSize();
        QWidget *window = parentWidget();
        QPoint at = box->mapTo(window, QPoint(0, box->height() + 2));
        at.setX(std::max(0, std::min(at.x(), window->width() - width())));
        if (at.y() + height() > window->height())
            at.setY(box->mapTo(window, QPoint(0, 0)).y() - height() - 2);
        move(at);
        raise();
        show();
    }

protected:
    // The note goes once the user types in the box or moves on.
    bool eventFilter(QObject *, QEvent *event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::FocusOut || type == QEvent::Hide)
            hide();
        return false;
    }

private:
    QPointer<QWidget> m_box;
};

} // namespace

int DigitKeyFilter(int key) {
    return key == BackspaceKey || IsDigit(key) ? key : 0;
}

int CurrencyKeyFilter(int key, const QString &text) {
    if (key == '0' && text.isEmpty())
        return 0;
    if (text.size() >= 3 && text.contains(u'.') && text.at(text.size() - 3) == u'.')
        return 0;
    if (key == '.' && text.contains(u'.'))
        return 0;
    return IsDigit(key) || key == '.' ? key : 0;
}

int CurrencyKeyFilter(int key, const QLineEdit *box) {
    return CurrencyKeyFilter(key, box->text());
}

void InstallDigitKeyFilter(QLineEdit *box) {
    box->installEventFilter(
        new KeyPressFilter(box, [](int key, const QLineEdit *) { return DigitKeyFilter(key); }));
}

void InstallCurrencyKeyFilter(QLineEdit *box) {
    box->installEventFilter(new KeyPressFilter(box, [](int key, const QLineEdit *b) {
        return key == BackspaceKey ? key : CurrencyKeyFilter(key, b);
    }));
}

void KeepStorable(QLineEdit *box, StoredAs kind) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box, kind](const QString &text) {
        QString kept, refusal;
        int cursor = box->cursorPosition();
        for (int i = 0; i < text.size(); ++i) {
            const QString why = RefusalOf(text.at(i), kept, kind);
            if (why.isEmpty()) {
                kept += text.at(i);
                continue;
            }
            if (refusal.isEmpty())
                refusal = why;
            if (i < box->cursorPosition())
                --cursor;
        }
        if (refusal.isEmpty())
            return;
        box->setText(kept);
        RefuseEntry(box, refusal);
        box->setCursorPosition(cursor); // typing goes on where it was, nothing selected
    });
}

bool FormatCurrencyField(QLineEdit *box) {
    if (const std::optional<Currency> amount = Currency::parse(box->text())) {
        box->setText(amount->toString());
        return true;
    }
    box->clear();
    RefuseEntry(box, WantedAmount());
    return false;
}

namespace {
int Beeps = 0;
} // namespace

void SoundBeep() {
    ++Beeps;
    QApplication::beep();
}

int BeepsSounded() {
    return Beeps;
}

void RefuseEntry(QWidget *box, const QString &wanted, Beep beep) {
    if (beep == Beep::Yes)
        SoundBeep();
    box->setFocus();
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->selectAll();
    QWidget *window = box->window();
    auto *note = dynamic_cast<RefusalNote *>(
        window->findChild<QLabel *>(QStringLiteral("refusalNote"), Qt::FindDirectChildrenOnly));
    if (!note)
        note = new RefusalNote(window);
    note->ShowBeside(box, wanted);
}

QString WantedAmount() {
    return QStringLiteral("Enter an amount, such as %1").arg(QLocale().toString(12.5, 'f', 2));
}

QString WantedWholeNumber(qint64 min, qint64 max) {
    const QLocale locale;
    return QStringLiteral("Enter a whole number from %1 to %2")
        .arg(locale.toString(min), locale.toString(max));
}

void MoveListItem(bool up, QListWidget *list, int i) {
    const int to = up ? i - 1 : i + 1;
    if (i < 0 || i >= list->count() || to < 0 || to >= list->count())
        return;
    QListWidgetItem *item = list->takeItem(i);
    list->insertItem(to, item);
    list->setCurrentRow(to);
}
