#include "FuzzSupport.h"

#include "common/StorableText.h"
#include "inventory/Locations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/Locations.txt"), data, size);
    const std::optional<QStringList> names = LoadLocationsFile();
    Check(names && names->size() == LocationCount, "the five names");
    Check(SaveLocationsFile(*names), "the save");
    QStringList expected;
    for (const QString &name : *names)
        expected << StorableText(name, StoredAs::Location);
    Check(LoadLocationsFile() == expected, "the names");
    Check(LocationsText(expected) == LocationsText(*names), "the bytes written again");
    return 0;
}
