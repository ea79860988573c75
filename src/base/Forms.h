#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractButton;

// A screen of the program: one instance at a time, loaded on first use, hidden rather than
// destroyed between uses, and unloaded when the program ends (or where a screen says so).
class Form : public QWidget {
    Q_OBJECT
public:
    // The screen's own steps when it is loaded: the base restores its saved size and place.
    virtual void Form_Load();
    // Runs every time the screen is shown.
    virtual void Form_Activate() {}
    // unloadMode 0: the user closed the window, which ends the program; 1: unloaded by code.
    virtual void Form_QueryUnload(int unloadMode);
    // The last steps of an unload: the base saves the screen's size and place.
    virtual void Form_Unload();

    void setVisible(bool visible) override;
    // The tab stops in the screen's reading order, worked out once it is built.
    void ArrangeTabOrder();

protected:
    explicit Form(const QString &formName);
    // The screen-layout key under which the size and place are kept.
    virtual QString LayoutKey() const { return QStringLiteral("VelborInventory"); }
    virtual bool RestoresLayout() const { return true; }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Tab and Shift+Tab go through the screen's tab stops.
    bool focusNextPrevChild(bool next) override;
    // Tab leaves a date for the next stop too; its day, month and year are reached with the
    // arrows, as in a date picker.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Enter presses the button that has the focus, else the screen's main action where the user
    // is; Esc presses the screen's Cancel. Either does nothing when its button is not there.
    void keyPressEvent(QKeyEvent *event) override;
    virtual QAbstractButton *EnterButton() const { return nullptr; }
    virtual QAbstractButton *EscapeButton() const { return nullptr; }

private:
    QList<QWidget *> TabStops() const;
    // Where the screen was when last hidden (or as the last run left it), so that showing it
    // again puts it back exactly there.
    QByteArray m_placement;
    QList<QPointer<QWidget>> m_tabStops;
};

// The loaded screen of that name, or null.
Form *LoadedForm(const QString &formName);
// Loaded screens, first loaded first.
QList<Form *> LoadedForms();
void RegisterLoadedForm(Form *form);
// Unloads a loaded screen: its query-unload (mode 1) and unload steps, then it goes away.
// A screen that is not loaded is left alone, so nothing is unloaded twice.
void UnloadForm(Form *form);

// The screen of that name, loading it first when it is not loaded, for the parts below the
// screens that lead to one they cannot know the class of (the main menu, the first screen);
// null when no screen of that name is known. Such a screen makes itself known with
// RegisterScreen from its own file.
Form *LoadFormNamed(const QString &formName);
bool RegisterScreen(const QString &formName, Form *(*load)());

// Leaves a routine screen for the main menu: the screen hides, the menu shows (and so
// checks again which routines the data files allow).
void ReturnToMainMenu(QWidget *leaving);

// The screen of class T, loading it first when it is not loaded.
template <class T> T *LoadForm() {
    if (Form *loaded = LoadedForm(QString::fromLatin1(T::staticMetaObject.className())))
        return static_cast<T *>(loaded);
    T *form = new T();
    RegisterLoadedForm(form);
    form->Form_Load();
    form->ArrangeTabOrder();
    return form;
}
