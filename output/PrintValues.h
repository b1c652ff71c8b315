#pragma once

// The values of the print dialogs: "Special schedule print", "Special table
// print", "Print database content" and "Web document templates". Each dialog
// copies them in with FromDatabase, checks them with Validate on OK, and
// stores what the document keeps with ApplyTo; what a print job uses alone
// (selections, period, language, results date, "Write to file...") goes to
// the print or the file writer through Export().

#include "model/Calendar.h"
#include "model/cValidation.h"
#include "output/CalendarExport.h"
#include "output/Export.h"

#include <string>

class cDatabase;

// Headings of the schedule and the tables are limited to this many characters.
inline constexpr int kPrintHeadingLimit = 160;
// Template paths are limited to this many characters.
inline constexpr int kTemplatePathLimit = 240;

// A date of the print dialogs: day, month and year fields as typed.
struct cPrintDate
{
    static constexpr int kMinYear = kFirstYear;
    static constexpr int kMaxYear = kLastYear;

    int day = 1;
    int month = 1;
    int year = 2000;

    static cPrintDate Of(TimePoint t);
    // 00:00 of the date (hour and minute given: that time of the day); only for valid dates.
    TimePoint At(int hour = 0, int minute = 0) const;
};

struct cSchedulePrintValues
{
    enum eField : int
    {
        kFieldSorting = 0,
        kFieldCourt,
        kFieldLeague,
        kFieldTeam,
        kFieldOfficial,
        kFieldLayout,
        kFieldStartDay,
        kFieldStartMonth,
        kFieldStartYear,
        kFieldFinalDay,
        kFieldFinalMonth,
        kFieldFinalYear,
        kFieldNumberBefore,
        kFieldNumberAfter,
        kFieldLanguage,
        kFieldWriteToFile,
        kFieldHeading,
    };
    static constexpr int kSortings = 5;
    static constexpr int kLayouts = 3;

    int sorting = cScheduleExport::kByDate;
    int layout = cScheduleExport::kUngrouped;
    int court = -1; // index of the selected court (league, team of `league`, official), -1 "<All>"
    int league = -1;
    int team = -1;
    int official = -1;
    cPrintDate start;
    cPrintDate final;
    bool numberBefore = false; // both may be ticked: the print then shows the number twice
    bool numberAfter = false;
    int language = kDefaultLanguage;
    bool writeToFile = false;
    std::string heading = "Schedule for #";

    // The document's sort mode, layout, match number choice, heading and
    // weekday language, everything selected, and the initial period: from
    // today (or, when today lies after the last scheduled match, from the
    // first match's date) to the date of the last scheduled match. Dates
    // start at today's without scheduled matches.
    static cSchedulePrintValues FromDatabase(const cDatabase& db);

    // The sort mode's rules: only its own selector stays (mode 3 keeps league
    // and team), the others go back to "<All>"; modes other than 0 force
    // "Ungrouped".
    void ChooseSorting(int mode);
    // A different league empties the team selection: the teams are the league's.
    void ChooseLeague(int index);
    // Whether the dialog offers a field under the current sort mode (the
    // selectors and the layout buttons).
    bool IsEnabled(int field) const;

    // The job to print or write; only for values that passed Validate.
    cScheduleExport Export() const;
    // Stores sort mode, layout, match number choice and heading in the
    // document and marks it modified.
    void ApplyTo(cDatabase& db) const;
};

// Refuses, in this order: a date field outside its range (start day, month,
// year, then the final date's), a heading of more than 160 characters, a
// start date that does not exist (IDS_START_DATE_ILLEGAL), a final date that
// does not exist (IDS_FINAL_DATE_ILLEGAL), and a start after the final date
// (IDS_START_AFTER_FINAL, on the start day).
cValidation Validate(const cSchedulePrintValues& values);

struct cTablePrintValues
{
    enum eField : int
    {
        kFieldLeague = 0,
        kFieldResults,
        kFieldDay,
        kFieldMonth,
        kFieldYear,
        kFieldRank,
        kFieldPlayed,
        kFieldWon,
        kFieldDrawn,
        kFieldLost,
        kFieldDisqualified,
        kFieldScoreDiff,
        kFieldBallDiff,
        kFieldRatio,
        kFieldPoints,
        kFieldWriteToFile,
        kFieldHeading,
    };
    static constexpr int kColumnFields = kFieldPoints - kFieldRank + 1;

    int league = -1;      // index of the one league to print, -1 "<All>"
    bool results = false; // "Include results from date (d,m,y):"
    cPrintDate resultsFrom;
    // The ten column boxes, in the order of the fields kFieldRank ... kFieldPoints.
    bool columns[kColumnFields] = {true, true, true, true, true, false, true, false, false, true};
    bool writeToFile = false;
    std::string heading = "Tables and results for #";

    // The document's column choices, results switch and heading, every
    // league, and results from seven days before today.
    static cTablePrintValues FromDatabase(const cDatabase& db);

    bool& Column(int field) { return columns[field - kFieldRank]; }
    bool Column(int field) const { return columns[field - kFieldRank]; }

    // The job to print or write; only for values that passed Validate.
    cTablesExport Export() const;
    // Stores the column choices, the results switch and the heading, marks
    // the document modified and brings every league's table up to date.
    void ApplyTo(cDatabase& db) const;
};

// With results included: a date field outside its range, then a date that
// does not exist (IDS_ILLEGAL_DATE, on the day). Then a heading of more than
// 160 characters. The date of a print without results is not looked at: its
// fields are disabled.
cValidation Validate(const cTablePrintValues& values);

struct cContentPrintValues
{
    bool courts = true;  // "Court overview"
    bool leagues = true; // "League overview"
    bool writeToFile = false;
};

struct cWebTemplateValues
{
    enum eField : int
    {
        kFieldSchedule = 0,
        kFieldTable,
    };

    std::string scheduleTemplate;
    std::string tableTemplate;

    static cWebTemplateValues FromDatabase(const cDatabase& db);
    // Stores both paths and marks the document modified; whether the files
    // exist is found out when a web page is written.
    void ApplyTo(cDatabase& db) const;
};

// A path of more than 240 characters.
cValidation Validate(const cWebTemplateValues& values);

// "Export calendar": the matches of everybody or of one court, league, team
// or official, within a period.
struct cCalendarExportValues
{
    // Each date's day is followed by its month and year.
    enum eField : int
    {
        kFieldMatchesOf = 0,
        kFieldStartDay,
        kFieldFinalDay = kFieldStartDay + 3,
    };

    cCalendarExport matchesOf; // the selection; its period is the dates below
    cPrintDate start;
    cPrintDate final;

    // Every match, from the first scheduled match's date to the last one's
    // (today's without scheduled matches).
    static cCalendarExportValues FromDatabase(const cDatabase& db);
    // The calendar to write; only for values that passed Validate.
    cCalendarExport Export() const;
};

// As the period of "Special schedule print": a date field outside its range,
// a start or final date that does not exist, a start after the final date.
cValidation Validate(const cCalendarExportValues& values);

// Sample lines for the dialogs' preview boxes, laid out as the choices would
// print them (match number, layout, columns), with made-up names.
std::string SchedulePreviewText(const cSchedulePrintValues& values, const cDatabase& db);
std::string TablePreviewText(const cTablePrintValues& values);
