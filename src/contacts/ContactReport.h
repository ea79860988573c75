#pragma once

// The contact report: every vendor of the file in record order, in blocks of four lines three
// across, under the heading "Account Information" and the date on every page.

// The pages on the printer SetUpPrinter has prepared; false when the printing failed.
bool PrintContactPages();
