#pragma once

#include "printing/PrintJob.h"

#include <QString>

// Page snapshots: every text, line and box a document draws, one a line, compared with the
// expected file tests/data/pages/<name>.txt. VELBOR_UPDATE_PAGES=1 writes the files afresh
// instead, to be read by eye before they are committed.

// Draws the document on the current printer (a PDF, on the paper it is set to) and gives back
// what it drew; today's dates read as {today} and {today+14}.
QString PageDump(const DrawDocument &draw);
// Compares the dump with the expected file of that name, saying where they first differ.
void ComparePages(const QString &name, const QString &dump);
