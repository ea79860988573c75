#include "shell/VerifyDataRoutines.h"

#include "common/Currency.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

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

bool FormatCurrencyField(QLineEdit *box) {
    if (const std::optional<Currency> amount = Currency::parse(box->text())) {
        box->setText(amount->toString());
        return true;
    }
    QApplication::beep();
    box->clear();
    box->setFocus();
    return false;
}

void MoveListItem(bool up, QListWidget *list, int i) {
    const int to = up ? i - 1 : i + 1;
    if (i < 0 || i >= list->count() || to < 0 || to >= list->count())
        return;
    QListWidgetItem *item = list->takeItem(i);
    list->insertItem(to, item);
    list->setCurrentRow(to);
}
