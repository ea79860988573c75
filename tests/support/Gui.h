#pragma once

#include "support/DataFolder.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <memory>

class Form;

// What a message box said, once it has been answered.
struct SeenMessage {
    bool seen = false;
    QString text;
    QString title;
    QStringList buttons;
};

// Queues an action for the next modal dialog to open (message box, colour, font, file or
// print dialog). Actions run in order, one per dialog, each once that dialog is showing.
void OnNextModal(std::function<void(QWidget *)> act);
// Answers the next message box with the given button and records what it showed.
std::shared_ptr<SeenMessage> AnswerMessageBox(QMessageBox::StandardButton press);
// Fails the test when a queued action never found its dialog; clears the queue.
bool AllModalsHandled();

// The control of that name on a loaded screen, or null.
template <class T = QWidget> T *Control(const QString &formName, const QString &name);
Form *Screen(const QString &formName);
bool ScreenVisible(const QString &formName);

class FlexGrid;
class QAbstractItemModel;
class QLineEdit;
// The first grid row showing the text in the column, or -1.
int RowOf(const FlexGrid *grid, const QString &text, int col = 0);
// The headings of the window's visible grids that are wider than their column, each with the
// grid's name and the room it has and needs; empty when every heading can be read whole.
QStringList CutHeadings(const QWidget *window);
// Clicks the row (scrolled into view) as the user would.
void ClickRow(FlexGrid *grid, int row);
// Chooses the main menu's routine option and presses Go, as the user does; the screen it
// opened, made the active window.
QWidget *OpenRoutine(int option);
// A table's rows, each the cells of those columns joined by spaces.
QStringList RowTexts(const QAbstractItemModel *rows, std::initializer_list<int> columns);

// Answers the next file dialog with the file's name typed in full; checks that it opened in
// the folder given, when one is.
void ChooseFile(const QString &path, const QString &opensIn = {});
// Empties the box and types the text into it key by key.
void Type(QLineEdit *box, const QString &text);

// The note a screen shows beside a refused entry, or empty when none is showing.
QString NoteShown(const QWidget *screen);

// Ends whatever run is going and lets the unloaded screens go away.
void EndRun();
// The end of every screen test: the run ended, the program-wide state fresh again; false when
// a dialog the test waited for never came.
bool EndScreenTest();
// Lets deferred deletions and queued events happen.
void Settle();

// Writes the widget's picture to $VELBOR_SCREENSHOTS/<name>.png when that is set, so that a
// developer can look at the screens a test has driven.
void Screenshot(QWidget *widget, const QString &name);
// Copies a printed file there too, for the same reason.
void KeepForReview(const QString &path, const QString &name);

#include "base/Forms.h"

template <class T> T *Control(const QString &formName, const QString &name) {
    Form *form = LoadedForm(formName);
    return form ? form->findChild<T *>(name) : nullptr;
}
