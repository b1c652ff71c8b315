#pragma once

// Publishing the season as files: the schedule and the tables as web pages
// (merged into a template around <TNLX_Content>) or as plain text, a shown
// directory as a column-aligned text file ("Write to File"), and the content
// summary. Every "\n" written is CR LF in the file; files are UTF-8. Nothing
// here shows a window: messages go through db.Prompt(). Only bringing a
// written league's table up to date changes the database.

#include "model/Calendar.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

class cDatabase;
class cDbItem;
class cMatch;
class cResult;
class cTournelDb;

// What a schedule output holds: the choices of "Special schedule print".
struct cScheduleExport
{
    enum Sorting : int
    {
        kByDate,     // "Traditional schedule print, sorted by date, court and time."
        kByCourt,    // "Sort by courts, on separate pages."
        kByLeague,   // "Sort by leagues, on separate pages."
        kByTeam,     // "Sort by teams, on separate pages."
        kByOfficial, // "Sort by officials, on separate pages."
    };
    enum Layout : int
    {
        kUngrouped,
        kGroupedByDate,
        kGroupedByDateAndCourt,
    };

    int sorting = kByDate;
    int layout = kUngrouped;   // only sorting kByDate uses it
    bool numberBefore = false; // the match number in front of date and time
    bool numberAfter = false;  // after them; ignored while numberBefore is set
    int court = -1;            // index of the one court (league, official) to write, -1 all
    int league = -1;
    int team = -1; // with sorting kByTeam: a team of `league`, -1 all
    int official = -1;
    TimePoint from = 0;              // the period: start date 00:00 ...
    TimePoint to = 0;                // ... to final date 23:59
    int language = kDefaultLanguage; // of the weekday names in group headings
    std::string heading = "Schedule for #";

    // The document's stored choices (sorting, layout, number position,
    // heading, weekday language), everything selected, and a period that
    // holds every scheduled match.
    static cScheduleExport FromDocument(const cDatabase& db);
};

// What a tables output holds: the choices of "Special table print".
struct cTablesExport
{
    int league = -1;           // index of the one league to write, -1 all
    TimePoint resultsFrom = 0; // results of matches on or after this date (00:00) are listed
    bool results = false;      // list the league's entered results ahead of its table
    bool rank = true;
    bool played = true;
    bool won = true;
    bool drawn = true;
    bool lost = true;
    bool disqualified = false;
    bool scoreDiff = true;
    bool ballDiff = false;
    bool ratio = false;
    bool points = true;
    std::string heading = "Tables and results for #";

    // The document's stored column choices and heading, every league, every result.
    static cTablesExport FromDocument(const cDatabase& db);
};

// The columns of a league's table (cTableItem column numbers) that `job`
// shows, in column order: the rank (0) when chosen, the team's name (1)
// always, then the counts 2-10 as chosen. The print, the files and the
// website choose their columns here.
std::vector<int> TableColumns(const cTablesExport& job);

// The heading of one section: the first "#" of `text` replaced by `name`;
// in a web page wrapped in the table caption markup, with `name` escaped for
// HTML (the heading itself is the user's and may hold markup).
std::string MakeSectionHeading(std::string_view text, std::string_view name, bool web, bool border,
                               bool fullWidth);

// The generated content of a schedule or tables output, with "\n" line ends
// (the file writers turn them into CR LF). `web` switches the markup on; in
// web pages the names are escaped for HTML, headings are not.
std::string ScheduleContent(const cDatabase& db, const cScheduleExport& what, bool web);
std::string TablesContent(cDatabase& db, const cTablesExport& what, bool web);

// The matches a schedule output lists, each once, in its order: sorted by
// date every match of the period, else section by section (a match in two
// sections comes with the first).
std::vector<const cMatch*> ScheduleMatches(const cDatabase& db, const cScheduleExport& what);

// One line of a schedule: the cells of the match (date, court and time as
// `layout` keeps them, the number before or after them or an empty cell,
// the teams) and `officials` official cells (0-5), every line of an output
// with the same number of cells. A web line is a table row.
std::string MatchLine(const cMatch& match, int officials, bool numberBefore, bool numberAfter, int layout,
                      bool web);
// One line of the results list: the teams, the final result and, with
// `sets` above 1, the set results in brackets.
std::string ResultLine(const cResult& result, int sets, bool web);

// One file type a save dialog offers: its description ("Text file"), the
// pattern of its names ("*.txt") and the extension a name typed without one
// gets ("txt").
struct cFileType
{
    std::string_view description;
    std::string_view pattern;
    std::string_view suffix;
};
// The file types of the save dialog of `kind`, the default one first: -1 web
// or text, 0 web only, 1 text only. None for another kind.
std::span<const cFileType> OutputFileTypes(int kind);
// True unless the extension is "htm" or "html" (letter case ignored).
bool IsTextFileExtension(std::string_view extension);
// `path` as the save dialog of `kind` gives it: a file name without extension
// gets the dialog's default extension.
std::string WithDefaultExtension(const std::string& path, int kind);

// Writes the schedule or the tables to `path` (a name without extension
// gets ".htm"): a web page merged into the document's template when the
// extension says so, plain text otherwise.
// Answers 0, or the id of the message shown through db.Prompt():
// IDS_UNABLE_TO_OPEN_FILE the file cannot be created, IDS_NO_TEMPLATE the
// template cannot be opened, IDS_NO_CONTENT_TAG it holds no tag.
int WriteScheduleFile(cDatabase& db, const cScheduleExport& what, const std::string& path);
int WriteTablesFile(cDatabase& db, const cTablesExport& what, const std::string& path);

// The name a print or a written file of a directory goes under: its title,
// and for a list that belongs to a league, team or official " - " and whose
// it is ("Table - Men's Division 1"; a team's: "league, team").
std::string DirectoryHeading(const cTournelDb& directory);

// The texts of an item's first `columns` columns, as its list shows them.
std::vector<std::string> ColumnTexts(const cDbItem& item, std::size_t columns);

// "Write to File" of a directory: its heading, a blank line, the column
// headings and one line per row of its list (hidden items and those the view
// filter leaves out skipped). Each column is as wide as the directory defines
// it or one more than its longest text, heading included, whichever is more,
// on every line alike. Answers 0 or the id of the message shown:
// IDS_NOTHING_TO_PRINT nothing listed in the directory, IDS_UNABLE_TO_OPEN_FILE
// the file cannot be created. A name without
// extension gets ".txt".
std::string DirectoryText(const cTournelDb& directory);
// The top-level directory that scripts call `name` ("courts", "court-time",
// "leagues", "officials", "unscheduled", "scheduled", "results"), or nullptr.
cTournelDb* NamedDirectory(cDatabase& db, std::string_view name);
bool IsDirectoryName(std::string_view name);
// Those names in a sentence, for a usage message.
inline constexpr std::string_view kDirectoryNames =
    "courts, court-time, leagues, officials, unscheduled, scheduled and results";
int WriteDirectoryFile(const cDatabase& db, const cTournelDb& directory, const std::string& path);

// The content summary ("The content of <title>:" ...), with the court and the
// league overview when asked for; the file is plain text (a name without
// extension gets ".txt").
std::string ContentSummary(const cDatabase& db, std::string_view title, bool courts, bool leagues);
int WriteContentFile(const cDatabase& db, std::string_view title, bool courts, bool leagues,
                     const std::string& path);
