#pragma once

// How fair a schedule is, in numbers: for every team how many matches it
// plays and where, home and away, how long it rests between matches and on
// which days and hours it plays; for every league its first and last date;
// for every official the games and the days; for every court the hours used
// and left free in each week.
//
// The numbers follow these rules, which the writers and the window share:
// - Rest is the time from the start of one match of a team to the start of
//   its next one, as elapsed time: a week across the spring change of the
//   clocks is 167 hours. It is kept in minutes and shown in hours with one
//   decimal.
// - Weeks are ISO weeks (Monday to Sunday, "2027-W12") of local time. A free
//   period or a match that runs over midnight into a Monday is split there.
//   Hours are elapsed hours, so the night the clocks go forward has one
//   hour less of it. Every court lists the same weeks: from the first week
//   holding a match or free court time on any court to the last.
// - Weekdays and start hours are those of the match's local start.
// - Playoff matches name their teams by free texts, which need not be teams
//   of a league: they are left out of the teams and leagues, and counted on
//   their court and for their officials like any match.
// - Unscheduled matches are those the list of unscheduled matches holds as
//   it stands; the caller brings the list up to date first.

#include "model/Calendar.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class cDatabase;

struct cTeamReport
{
    std::string league; // the league's short name
    std::string team;   // the team's name
    int scheduled = 0;
    int unscheduled = 0;
    int home = 0;
    int away = 0;
    int longestHomeRun = 0; // consecutive home matches in date order
    int longestAwayRun = 0;
    // From start to next start; none with fewer than two scheduled matches.
    std::optional<std::int64_t> shortestRestMinutes;
    std::optional<double> meanRestMinutes;
    std::array<int, 7> perWeekday{}; // by Weekday: 0 Sunday ... 6 Saturday
    std::array<int, 24> perHour{};   // by the local hour of the start
    // (court short name, matches) for each court played on, in the order of the courts' list.
    std::vector<std::pair<std::string, int>> courts;
};

struct cLeagueReport
{
    std::string league; // short name
    std::string name;
    int scheduled = 0;
    int unscheduled = 0;
    std::optional<TimePoint> first; // the start of the first scheduled match; none without any
    std::optional<TimePoint> last;  // the start of the last one
};

struct cOfficialReport
{
    std::string name;
    int games = 0; // scheduled matches holding the official on some position
    int days = 0;  // distinct local dates of those matches
};

struct cCourtWeek
{
    std::string week;             // ISO week, "2027-W12"
    TimePoint monday = 0;         // 00:00 local time of the week's Monday
    std::int64_t usedMinutes = 0; // scheduled matches on the court
    std::int64_t freeMinutes = 0; // free court time left on the court
};

struct cCourtReport
{
    int court = -1;   // index number
    std::string name; // short name
    std::vector<cCourtWeek> weeks;
};

struct cScheduleReport
{
    std::vector<cLeagueReport> leagues; // in the order of the leagues' list
    std::vector<cTeamReport> teams;     // by league, then in the order of the league's teams
    std::vector<cOfficialReport> officials;
    std::vector<cCourtReport> courts;
    int playoffMatches = 0; // scheduled
    // The hours at which some team starts a match, ascending: the columns
    // the start hours are shown in.
    std::vector<int> StartHours() const;
};

cScheduleReport BuildScheduleReport(const cDatabase& db);

// The ISO week of a local date as "YYYY-Www" and the day number (days since
// 1970-01-01) of its Monday.
struct cIsoWeek
{
    std::string label;
    std::int64_t monday = 0;
};
cIsoWeek IsoWeekOf(std::int64_t dayNumber);

// Minutes as hours with one decimal ("167.0").
std::string HoursText(double minutes);

// The report's numbers as tables of texts, as the text shows them and the
// window lists them: leagues, teams, matches per weekday (Monday first),
// matches per start hour (the hours some team starts at), officials and the
// courts' weeks. Dates are in the document's date format.
struct cReportTable
{
    std::string title;
    std::vector<std::string> headings;
    std::vector<bool> numeric; // per column: right-justified
    std::vector<std::vector<std::string>> rows;
};
std::vector<cReportTable> ScheduleReportTables(const cScheduleReport& report, const cDatabase& style);

// A table as aligned columns, two blanks between them, the headings first.
std::string ReportTableText(const cReportTable& table);

// The report as aligned plain text ("\n" line ends): leagues, teams, their
// weekdays, start hours and courts, officials and the courts' weeks. Dates
// are in the document's date format; weekdays are named in English.
std::string ScheduleReportText(const cScheduleReport& report, const cDatabase& style);

// The report as JSON, its keys in a fixed order: "playoff_matches", then the
// arrays "leagues", "teams", "officials" and "courts" (each court with its
// "weeks"); dates YYYY-MM-DD, hours as numbers with one decimal, null where
// there is no value (a team's rest with fewer than two matches).
std::string ScheduleReportJson(const cScheduleReport& report);

// The report as one long spreadsheet table (output/Csv.h) that a pivot
// table or a filter takes apart: the columns section, league, name,
// measure, period and value, one row per number. The period is the weekday,
// the start hour, the court or the week the number is for; empty otherwise.
std::string ScheduleReportCsv(const cScheduleReport& report);
