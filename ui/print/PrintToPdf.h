#pragma once

// One special print into a PDF file without a window, for the command line
// (`tournel --print-pdf OUT.pdf --print schedule|tables|content FILE.tnd`):
// the database is read, the print laid out with the defaults its dialog
// would open with, and drawn as the window prints it. The file read is never
// written back.

#include <QString>

#include <iosfwd>
#include <string>

// Answers the exit status: 0 printed, 1 refused or failed (the database
// cannot be read, nothing to print, the PDF cannot be written), 2 an unknown
// kind of print. Messages go to `err` with their exact text; a question is
// answered No.
int PrintToPdf(const QString& database, const QString& kind, const QString& pdf, std::ostream& err);
