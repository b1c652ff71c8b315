#pragma once

// Printed pages as data: what each page of a print holds, line by line, with
// positions in average character widths of the print font. The window draws
// them (ui/PrintPages.h); nothing here knows a printer. A print is laid out
// for a number of body lines per page, which the window finds from the page
// height and the font (cPageFrame).
//
// A "#" in a page heading stands for what the page is about: a court, league
// or official name, or "league, team" (the first "#" only, as in the files).

#include "model/cTournelDb.h"
#include "output/Export.h"

#include <string>
#include <string_view>
#include <vector>

class cDatabase;

// One text of a printed line. `x` is where it stands, in average character
// widths from the left margin: its left end (kAlignLeft), its middle
// (kAlignCenter) or its right end (kAlignRight).
struct cPrintText
{
    int x = 0;
    std::string text;
    int alignment = kAlignLeft;

    bool operator==(const cPrintText&) const = default;
};

// The texts of one line; empty is a blank line.
using cPrintLine = std::vector<cPrintText>;

struct cPrintPage
{
    std::string heading;           // centred at the top
    cPrintLine columnHeadings;     // directory prints: the column headings above the rule
    std::vector<cPrintLine> lines; // the body, at most the lines per page it was laid out for
};

using cPrintPages = std::vector<cPrintPage>;

// Where the frame of every page goes, in device units, from the line height
// h of the print font and the page's height b (integer arithmetic): heading
// at the top, a rule below it, the body, a rule and the page number at the
// bottom.
struct cPageFrame
{
    int lineHeight = 0;
    int headingY = 0;       // the heading, centred
    int columnHeadingY = 0; // h * 6 / 5: a directory's column headings
    int ruleY = 0;          // h * 6 / 5 + h * 5 / 4
    int bodyY = 0;          // ruleY + 2h / 5: the first body line
    int bottomRuleY = 0;    // b - h - h * 2 / 5
    int pageNumberY = 0;    // b - h: "%d", right-aligned
    int linesPerPage = 1;   // body lines between bodyY and the bottom rule; at least 1

    static cPageFrame For(int lineHeight, int pageHeight);
    // The top of body line `line` (0 first).
    int LineY(int line) const { return bodyY + line * lineHeight; }
};

// Print widths of a list's columns: the longest text of each column over the
// items, plus 2, in characters.
std::vector<int> PrintWidths(const std::vector<const cDbItem*>& items, int columns);

// "&Print..." of the shown directory: 0, or why it cannot be printed
// (IDS_NO_DIRECTORY_TO_PRINT without a directory, IDS_NOTHING_TO_PRINT
// without an item; hidden items do not count).
int DirectoryPrintRefusal(const cTournelDb* directory);
// The directory's name as heading, its column headings, and its rows at
// the directory's column widths, `linesPerPage` rows a page.
cPrintPages DirectoryPages(const cTournelDb& directory, int linesPerPage);

// "Special schedule print": 0, or IDS_NOTHING_TO_PRINT when there is no
// scheduled match (sorted by officials: no official either).
int SchedulePrintRefusal(const cDatabase& db, const cScheduleExport& job);
// Sorted by date: the matches of the period in list order, with group lines
// for the grouped layouts. Sorted by court, league, team or official: one
// page group each (or for the selected one), starting on a new page.
// Both match number boxes may be ticked: the number then stands twice.
cPrintPages SchedulePages(const cDatabase& db, const cScheduleExport& job, int linesPerPage);

// "Special table print": 0, or IDS_NOTHING_TO_PRINT without a result (the
// command is offered only with one) or without a league to print.
int TablePrintRefusal(const cDatabase& db, const cTablesExport& job);
// League by league: the league's played results from the results date (when
// asked for), then its table, on the same page when it fits or is longer than
// a page. Brings each printed league's table up to date.
cPrintPages TablePages(cDatabase& db, const cTablesExport& job, int linesPerPage);

// "Print database content": the summary on page 1, then the court overview
// (a page group per court with its free court time) and the league overview.
cPrintPages ContentPages(const cDatabase& db, std::string_view title, bool courts, bool leagues,
                         int linesPerPage);
