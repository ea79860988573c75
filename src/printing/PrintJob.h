#pragma once

#include <functional>

// A document on its way to the printer the print dialog chose: shown first in a preview when
// the user asks for previews, and with the pages done and a Cancel button once it has taken
// longer than a second. The same drawing serves the preview and the printer, so the preview
// shows exactly the pages that print, and a preview changes nothing.

enum class PrintResult { Printed, Cancelled, Failed };

// Draws the whole document on Printer::Current(), from SetUpPrinter to EndDoc; false when the
// printing failed.
using DrawDocument = std::function<bool()>;

class QString;

// Cancelled when the user closed the preview or cancelled the progress: nothing reached the
// printer then. A reprint of a document just printed goes without a second preview.
PrintResult PrintDocument(const DrawDocument &draw, bool offerPreview = true);

// How long a document prints before its progress shows: a second, unless a test wants it sooner.
void SetProgressDelay(int milliseconds);

// The whole way of a document: the print dialog for the document of that name, then
// PrintDocument. When it did not print the user is told: the document's own cancel message
// (none when it is empty) or the print error. True when it printed.
bool PrintWithDialog(const QString &docName, const QString &cancelMessage,
                     const DrawDocument &draw);
// What the user is told when a document did not print, as above; true when it printed.
bool ReportPrintResult(PrintResult result, const QString &cancelMessage);
