#pragma once

// The main menu's "Export Items (CSV)..." and "Import Items (CSV)...": every item to a CSV file
// a spreadsheet opens, and such a file back into the items, shown first and confirmed.

void ExportItems();
void ImportItems();
