#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Each fuzz target reads one input as a data file, the way the program reads it, writes what it
// read back through the program's own writer and reads that again: both readings must agree.

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Makes the input the file's whole content in a data folder of the run's own.
void PutDataFile(const QString &name, const uint8_t *data, size_t size);
// Ends the run with the reason when a round trip changed what was read.
void Check(bool agrees, const char *what);
