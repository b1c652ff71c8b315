#pragma once

// Printed pages as data: what each page of a print holds, line by line, with
// positions in average character widths of the print font. The window draws
// them (ui/print/PrintPages.h); nothing here knows a printer. The window hands in
// how the printer measures the print font (cTextMetrics) and how large its
// page is (cPrintArea); FitPrint chooses the orientation and the font size
// that keep every column on the page, and the lines per page follow from the
// page height and that size (cPageFrame).
//
// A "#" in a page heading stands for what the page is about: a court, league
// or official name, or "league, team" (the first "#" only, as in the files).

#include "model/cTournelDb.h"
#include "output/Export.h"

#include <functional>
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
    // Texts that start left of this (in average character widths) are the
    // key of a row (a match's number or date, a team's rank and name): when
    // the columns are split into bands, they stand at the left of every band.
    int keyWidth = 0;
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

// The smallest size, in points, that a print shrinks its font to before it
// splits its columns into bands; a smaller print font is never enlarged.
inline constexpr double kMinPrintPoints = 6;

// How the printer measures the print font at a size in points, in device
// units: the window hands this in, the layout asks it at the sizes it tries.
class cTextMetrics
{
public:
    virtual ~cTextMetrics() = default;
    virtual int LineHeight(double points) const = 0;
    virtual int CharWidth(double points) const = 0; // the average character width
    virtual int TextWidth(std::string_view text, double points) const = 0;
};

// The printable area of the page as the printer is set up, and of the same
// page turned a quarter, in device units; and the print font's size.
struct cPrintArea
{
    int width = 0;
    int height = 0;
    int turnedWidth = 0;
    int turnedHeight = 0;
    double points = 10;
};

// What the pages of a print are laid out for: the body lines a page holds
// and how wide a text is, in average character widths rounded up.
class cPrintSizing
{
public:
    using cMeasure = std::function<int(std::string_view)>;

    // Without a measure a text is as wide as its number of characters.
    explicit cPrintSizing(int linesPerPage, cMeasure chars = {});

    int LinesPerPage() const { return m_nLinesPerPage; }
    int Chars(std::string_view text) const;

private:
    int m_nLinesPerPage;
    cMeasure m_fnChars;
};

// A print laid out for a printer: its pages, the page's orientation and the
// size of the font they were laid out for, with the frame and character
// width the window draws them with.
struct cPrintout
{
    bool turned = false; // printed on the page turned a quarter from the printer's set-up
    double points = 10;  // the print font's size, at most the document's
    int charWidth = 1;   // average character width at that size, device units
    int pageWidth = 0;   // printable width in the chosen orientation, device units
    cPageFrame frame;
    cPrintPages pages;
};

using cPrintBuilder = std::function<cPrintPages(const cPrintSizing&)>;

// Lays a print out so that no column is dropped or cut: in the printer's
// orientation when the widest line fits, else on the turned page when it
// fits there; else the font shrinks (in the roomier orientation) until the
// widest line fits, down to kMinPrintPoints; a print still too wide is split
// into bands of columns, each page printed once per band with the page's key
// texts at the left of every band.
cPrintout FitPrint(const cTextMetrics& metrics, const cPrintArea& area, const cPrintBuilder& build);

// How far right the texts of the pages reach, in average character widths.
int PrintExtent(const cPrintPages& pages, const cPrintSizing& sizing);

// Each page as one page per band of columns, every band at most `room`
// characters wide (a single column wider than that makes a band of its
// own). Bands are cut only between texts, the same for every page, and
// every band starts with the page's key texts.
cPrintPages SplitIntoBands(const cPrintPages& pages, int room, const cPrintSizing& sizing);

// Print widths of a list's columns: the widest text of each column over the
// items, plus 2, in characters.
std::vector<int> PrintWidths(const std::vector<const cDbItem*>& items, int columns,
                             const cPrintSizing& sizing);

// "&Print..." of the shown directory: 0, or why it cannot be printed
// (IDS_NO_DIRECTORY_TO_PRINT without a directory, IDS_NOTHING_TO_PRINT
// when its list shows no item).
int DirectoryPrintRefusal(const cTournelDb* directory);
// The directory's heading (DirectoryHeading), its column headings, and the
// rows its list shows. Each column is as wide as the directory defines it,
// or one character wider than its widest text, heading included.
cPrintPages DirectoryPages(const cTournelDb& directory, const cPrintSizing& sizing);

// "Special schedule print": 0, or IDS_NOTHING_TO_PRINT when there is no
// scheduled match (sorted by officials: no official either).
int SchedulePrintRefusal(const cDatabase& db, const cScheduleExport& job);
// Sorted by date: the matches of the period in list order, with group lines
// for the grouped layouts. Sorted by court, league, team or official: one
// page group each (or for the selected one), starting on a new page.
// Both match number boxes may be ticked: the number then stands twice.
cPrintPages SchedulePages(const cDatabase& db, const cScheduleExport& job, const cPrintSizing& sizing);

// "Special table print": 0, or IDS_NOTHING_TO_PRINT without a result (the
// command is offered only with one) or without a league to print.
int TablePrintRefusal(const cDatabase& db, const cTablesExport& job);
// League by league: the league's played results from the results date (when
// asked for), then its table, on the same page when it fits or is longer than
// a page. Brings each printed league's table up to date.
cPrintPages TablePages(cDatabase& db, const cTablesExport& job, const cPrintSizing& sizing);

// "Print database content": the summary on page 1, then the court overview
// (a page group per court with its free court time) and the league overview.
cPrintPages ContentPages(const cDatabase& db, std::string_view title, bool courts, bool leagues,
                         const cPrintSizing& sizing);
