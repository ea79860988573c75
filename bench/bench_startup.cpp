// Times a start of the program, from Main() until the first screen is showing, over a data
// folder that holds every data file (the items file at its full 32,767 records).
#include "app/Program.h"
#include "base/BasicDiskRoutines.h"
#include "base/Forms.h"
#include "base/Rev11Common.h"
#include "inventory/ItemFile.h"
#include "telephony/ComPort.h"

#include "BenchTimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SetAppPath(dir.path());

    std::vector<NumberedItem> items;
    for (int k = 1; k <= MaxItemRecords; ++k)
        items.push_back({k, ItemRecord{QStringLiteral("Item %1").arg(k), QStringLiteral("Parts"),
                                       Currency::fromCents(k), Currency::fromCents(2 * k), 5,
                                       Currency(), 0, 1, 2}});
    RewriteItemsFile(items);
    const char *files[][2] = {{"/MyBusinessData.txt",
                               "\"Ace\",\"1 Main\",\"\",\"Tampa\",\"FL\",\"33601\",\"555\",\"\","
                               "\"\"\r\n"},
                              {"/PrintColors.txt", "0\r\n0\r\n\"Arial\"\r\n#TRUE#\r\n3\r\n"},
                              {"/InventoryInfo.txt", "1\r\n#FALSE#\r\n1\r\n"},
                              {"/LogoSettings.txt", "1440,1440\r\n"},
                              {"/Phone.txt", "#FALSE#\r\n1\r\n"},
                              {"/VendorData.txt", ""},
                              {"/Locations.txt", ""},
                              {"/PONumber.txt", "1000\r\n"}};
    for (const auto &file : files)
        WriteWholeFile(QString::fromLatin1(file[0]), QByteArray(file[1]));

    std::vector<double> times;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        timer.start();
        Main();
        Form *splash = LoadedForm(QStringLiteral("frmSplash"));
        while (!splash || !splash->isVisible())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
        ExitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(times.begin(), times.end());
    std::printf("start-up to the first screen: median %.1f ms (min %.1f, max %.1f)\n",
                times[times.size() / 2], times.front(), times.back());
    // What the modem search costs start-up itself: trying every COM port of this machine; the
    // replies are waited for afterwards, while the program runs.
    Report("modem search at start-up, no modem", MedianMs([] {
               QObject context;
               DetectModem(&context, [](int) {});
           }),
           20);
    return 0;
}
