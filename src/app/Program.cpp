#include "app/Program.h"

#include "app/frmSplash.h"
#include "app/frmStartup.h"
#include "base/BasicDiskRoutines.h"
#include "base/Controls.h"
#include "base/Forms.h"
#include "base/Rev11Common.h"
#include "common/Cp1252.h"
#include "common/Memory.h"
#include "common/Variables.h"
#include "contacts/frmContacts.h"
#include "inventory/StockMoves.h"
#include "purchasing/frmPO.h"
#include "setup/frmSetup.h"
#include "stock/frmInventory.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QIcon>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>

namespace {

bool Running = false;
bool Exiting = false;

// Every save would fail in a folder the program cannot write; better to say so at once.
bool DataFolderWritable() {
    QTemporaryFile probe(AppPath() + QStringLiteral("/.velbor-write-check-XXXXXX"));
    return probe.open();
}

} // namespace

void Main() {
    // Every screen and dialog shows the program's own icon.
    QApplication::setWindowIcon(QIcon(VelborLogo(256)));
    KeepFreedMemoryForReuse();
    ResetVariables();
    Exiting = false;
    if (!DataFolderWritable()) {
        MsgBox(QStringLiteral("Velbor Inventory keeps its data in the folder\n%1\nbut cannot "
                              "write there, so nothing could be saved.\n\nMove the program to a "
                              "folder you may write to, or ask for permission to write in this "
                              "one, and start it again.")
                   .arg(QDir::toNativeSeparators(AppPath())),
               QMessageBox::Ok, QStringLiteral("Data Folder"));
        Running = false;
        return;
    }
    Running = true;
    RemoveUnfinishedSaves();
    ReconcileHistory();
    LoadForm<frmInventory>();
    LoadForm<frmSetup>();
    LoadForm<frmSplash>();
    LoadForm<frmPO>();
    LoadForm<frmStartup>();
    LoadForm<frmContacts>();
    LoadForm<frmSplash>()->show();
}

void ExitProgram() {
    if (Exiting)
        return;
    Exiting = true;
    const QList<Form *> forms = LoadedForms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        UnloadForm(*it);
    BackupAllFiles();
    StockHistory::Close();
    Running = false;
    Exiting = false;
    // Asking to leave an event loop when none runs would make the next one (a later run's
    // first dialog) end at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

bool ProgramRunning() {
    return Running;
}

bool BusinessFilesPresent() {
    return FileExistsOrRestore(QStringLiteral("/MyBusinessData.txt")) &&
           FileExistsOrRestore(QStringLiteral("/PrintColors.txt"));
}

void OpenUrl(const QString &address) {
    const QString shortcut = QStringLiteral("[InternetShortcut]\r\nURL = %1\r\n").arg(address);
    WriteWholeFile(QStringLiteral("\\Temp.url"), ToCp1252(shortcut));
    // Without a browser the click would do nothing at all; the address lets the user go there
    // some other way.
    if (!QDesktopServices::openUrl(QUrl(address)))
        MsgBox(QStringLiteral("This computer could not open the web page in a browser.\n\nTo "
                              "visit it, type this address into a web browser:\n%1")
                   .arg(address),
               QMessageBox::Ok, QStringLiteral("Web Page"));
}
