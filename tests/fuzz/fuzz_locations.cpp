#include "FuzzSupport.h"

#include "inventory/Locations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/Locations.txt"), data, size);
    const std::optional<QStringList> names = LoadLocationsFile();
    Check(names && names->size() == LocationCount, "the five names");
    Check(SaveLocationsFile(*names), "the save");
    QStringList expected = *names; // a text box holds no line ends
    expected.replaceInStrings(QStringLiteral("\r"), QString());
    expected.replaceInStrings(QStringLiteral("\n"), QString());
    Check(LoadLocationsFile() == expected, "the names");
    return 0;
}
