#pragma once

// Steps the tests of start-up, the main menu, set-up and typed text share.

#include "support/Screens.h"

#include <QAbstractButton>

// The print settings of a business that has used the program for a while.
inline const QByteArray AcePrintColors = "0\r\n0\r\n\"Arial\"\r\n#TRUE#\r\n3\r\n";

// Clicks the button as the user does: it must be there and enabled.
inline void Click(const QString &form, const QString &control) {
    auto *button = Control<QAbstractButton>(form, control);
    QVERIFY2(button && button->isEnabled(), qPrintable(form + "." + control));
    QTest::mouseClick(button, Qt::LeftButton);
}

// The screen, loaded and shown.
template <class T> T *Shown() {
    T *screen = LoadForm<T>();
    screen->show();
    return screen;
}

// A run over a data folder that holds the business files, gone on to the main menu.
inline void StartAtMenu(const TestDataFolder &data) {
    data.write("/MyBusinessData.txt", AceBusinessData);
    data.write("/PrintColors.txt", AcePrintColors);
    Main();
    Click("frmSplash", "cmdContinue");
    QVERIFY(ScreenVisible("frmStartup"));
}

// A message box as one line: "title | text | buttons".
inline QString Said(const std::shared_ptr<SeenMessage> &seen) {
    return seen->title + " | " + seen->text + " | " + seen->buttons.join(',');
}
