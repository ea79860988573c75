#include "FuzzSupport.h"

#include "common/StorableText.h"
#include "telephony/SpeedDial.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PutDataFile(QStringLiteral("/SpeedNumbers.txt"), data, size);
    SpeedEntries entries = ReadSpeedNumbers();
    Check(WriteSpeedNumbers(entries), "the write");
    // Empty slots close up when read back.
    SpeedEntries expected;
    int filled = 0;
    for (const SpeedEntry &entry : entries) {
        if (!entry.Name.isEmpty())
            expected[size_t(filled++)] = entry;
    }
    const SpeedEntries again = ReadSpeedNumbers();
    for (int k = 0; k < SpeedSlots; ++k)
        Check(again[size_t(k)].Name == StorableText(expected[size_t(k)].Name, StoredAs::PlainLine) &&
                  again[size_t(k)].Number ==
                      StorableText(expected[size_t(k)].Number, StoredAs::PlainLine),
              "the entries");
    Check(SpeedNumbersText(again) == SpeedNumbersText(entries), "the bytes written again");
    return 0;
}
