#pragma once

// Spreadsheet files: comma-separated values as RFC 4180 has them, UTF-8,
// CR LF line ends, one header row of column headings. Dates are written
// YYYY-MM-DD and clock times HH:MM, whatever the document shows, so that a
// spreadsheet reads them as dates and times and the import reads them back.

#include "model/Calendar.h"

#include <string>
#include <string_view>
#include <vector>

class cDatabase;
class cDbItem;
class cTournelDb;
struct cScheduleExport;
struct cTablesExport;

// True when the file name part of `path` ends in ".csv" (letter case ignored).
bool IsCsvPath(std::string_view path);

// One cell as written: quoted when it holds a comma, a semicolon, a tab, a
// quote, a line break or blanks at either end. A text a spreadsheet would
// take for a formula (starting with = + - @ and not a number) gets an
// apostrophe in front, as does a text of apostrophes followed by such a
// character; CsvCellText takes exactly one apostrophe off such a cell again.
std::string CsvField(std::string_view text);
std::string CsvCellText(std::string_view cell);

// The cells joined by commas, ending in "\n" (the file writers make it CR LF).
std::string CsvLine(const std::vector<std::string>& cells);

std::string CsvDate(TimePoint t);
// HH:MM; `end` true writes an end at midnight as 24:00.
std::string CsvClock(TimePoint t, bool end = false);
std::string CsvClock(ClockTime hhmm);

// An item's column as the CSV file holds it: the directory's column text with
// dates and clock times in the forms above, "<None>" as an empty cell and
// the padding of numbers and scores taken off.
std::string CsvColumnText(const cDbItem& item, int column);

// A directory with its column headings as the header row and the rows its
// list shows (hidden items and those the view filter leaves out skipped).
std::string DirectoryCsv(const cTournelDb& directory);

// The selected matches of the schedule, each once, in the order of the chosen
// sorting: league, match number, date, time, court, home and guest team, and
// the document's number of officials.
std::string ScheduleCsv(const cDatabase& db, const cScheduleExport& what);

// Every selected league's table under one header row: the league, the rank
// and team, and the chosen columns. The results list has no place in it.
std::string TablesCsv(cDatabase& db, const cTablesExport& what);
