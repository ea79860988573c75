#include "base/Rev11Common.h"

#include <QApplication>

QMessageBox::StandardButton MsgBox(const QString &prompt, QMessageBox::StandardButtons buttons,
                                   const QString &title) {
    QMessageBox box(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Question
                                                       : QMessageBox::NoIcon,
                    title.isEmpty() ? ProductName : title, prompt, buttons, DialogParent());
    box.setTextFormat(Qt::PlainText);
    return QMessageBox::StandardButton(box.exec());
}

QWidget *DialogParent() {
    // A screen just unloaded may still be the active window; a dialog over it would go
    // with it when it is deleted.
    QWidget *active = QApplication::activeWindow();
    return active && active->isVisible() ? active : nullptr;
}

void ShowMessage(const QString &prompt, const QString &title) {
    MsgBox(prompt, QMessageBox::Ok, title);
}
