#include "app/Program.h"
#include "base/BasicDiskRoutines.h"
#include "base/Rev11Common.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductName);
    QApplication::setApplicationVersion(ProgramVersion.toString());
    // The desktop entry the install puts in the applications menu.
    QGuiApplication::setDesktopFileName(QStringLiteral("velbor-inventory"));
    SetAppPath(QCoreApplication::applicationDirPath());
    Main();
    if (!ProgramRunning())
        return 1;
    return QApplication::exec();
}
