#pragma once

// Reading spreadsheet files (CSV) into the season: teams into a league,
// officials, free court time and results. The columns are found by the
// headings of the header row, as the CSV export writes them; other columns
// are ignored. Every row goes through the checks of the item's own dialog and
// is imported or refused on its own, in file order, so a row can be refused
// for clashing with one above it. Nothing here asks the user: the window
// and the command-line tool run an import on a copy first to show what it
// would do, and on the season itself once the user confirms.

#include "model/cValidation.h"

#include <string>
#include <string_view>
#include <vector>

class cDatabase;

// The rows of a CSV file, parsed by libcsv. Blank lines are skipped; a row
// keeps the number of the line it starts on. The field separator is the
// comma, or the semicolon or tab when the header row holds one of those and
// no comma (as spreadsheets set to some languages write). A UTF-8 byte order
// mark in front is skipped.
struct cCsvTable
{
    struct cRow
    {
        int line = 0;
        std::vector<std::string> cells;
    };
    std::vector<std::string> header;
    std::vector<cRow> rows;
    // Not empty when the file is no valid CSV: the whole message, with the line.
    std::string error;
};
cCsvTable ReadCsv(std::string_view text);

// "Line N: text", as a refusal of a whole row or an unreadable file is told.
std::string LineMessage(int line, std::string_view text);

enum class eImportKind : int
{
    kTeams,
    kOfficials,
    kCourtTime,
    kResults,
};
inline constexpr int kImportKinds = 4;

// The values of the dialog "Import from spreadsheet".
struct cImportValues
{
    enum Field : int
    {
        kKind,
        kLeague,
        kFile,
    };
    eImportKind kind = eImportKind::kTeams;
    int league = -1; // index of the league the teams go into
    std::string path;
};
cValidation Validate(const cImportValues& values, const cDatabase& db);

struct cImportRow
{
    enum eStatus : int
    {
        kImported,
        kRefused,
        kSkipped,   // a result row without a result
        kUnchanged, // a result row that reads as the result stored: left alone
    };
    int line = 0;
    eStatus status = kImported;
    std::string item;    // what the row holds, as one line
    std::string message; // why it was refused or skipped
    int messageId = 0;   // the string id the message came from
    std::string column;  // the heading of the column it concerns, empty for the whole row
};

struct cImportReport
{
    // Not empty when the file cannot be taken at all (no valid CSV, a
    // required column missing, no league): then no row is imported.
    std::string error;
    std::vector<cImportRow> rows;

    int Count(cImportRow::eStatus status) const;
    // "Line 4, Rating: Please enter an integer." for each refused row, one per
    // line (without the column when the refusal concerns the whole row).
    std::string RefusedText() const;
    // "3 rows to import, 1 refused, 2 without a result." as it stands, with
    // ", 4 unchanged" before the full stop when rows are unchanged.
    std::string Summary() const;
};

// Imports the rows of `text` into `db` (teams into the league with index
// `league`). The document is marked modified when anything was imported.
cImportReport ImportCsv(cDatabase& db, eImportKind kind, int league, std::string_view text);

// What ImportCsv would do, run on a copy of `db` (the season is not changed).
cImportReport PreviewImport(const cDatabase& db, eImportKind kind, int league, std::string_view text);
