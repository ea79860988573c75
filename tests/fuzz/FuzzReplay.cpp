// Runs a fuzz target over the inputs of its corpus folders, without libFuzzer: the replay the
// normal build runs in ctest.
#include "FuzzSupport.h"

#include <QDirIterator>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv) {
    int inputs = 0;
    for (int a = 1; a < argc; ++a) {
        QDirIterator it(QString::fromLocal8Bit(argv[a]), QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                return 1;
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                   size_t(bytes.size()));
            ++inputs;
        }
    }
    std::printf("%d inputs read and written back\n", inputs);
    return inputs > 0 ? 0 : 1;
}
