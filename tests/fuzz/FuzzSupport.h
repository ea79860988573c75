#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// Each fuzz target reads one input as a data file, the way the program reads it, writes what it
// read back through the program's own writer and reads that again: both readings must agree.

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Makes the input the file's whole content in a data folder of the run's own.
void PutDataFile(const QString &name, const uint8_t *data, size_t size);
// Ends the run with the reason when a round trip changed what was read.
void Check(bool agrees, const char *what);

// For a file only read here: every record read through the file agrees with its bytes decoded
// alone (a short last record included).
template <class Record, class Same>
void CheckRecordsAgree(const std::vector<Record> &read, const uint8_t *data, size_t size,
                       int length, Record (*decode)(const char *, int), Same same) {
    for (size_t k = 0; k < read.size(); ++k) {
        const size_t at = std::min(size, k * size_t(length));
        const Record alone = decode(reinterpret_cast<const char *>(data) + at,
                                    int(std::min(size_t(length), size - at)));
        Check(same(alone, read[k]), "a record");
    }
}
