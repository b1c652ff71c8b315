#include "output/ScheduleReport.h"

#include "model/Strings.h"
#include "model/Text.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "output/Csv.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

namespace {

// Monday first, as a week is read; indices into the Weekday-ordered arrays.
constexpr std::array<int, 7> kMondayFirst = {1, 2, 3, 4, 5, 6, 0};
constexpr std::array<const char*, 7> kWeekdayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kWeekdayKeys = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};

Weekday WeekdayOfDay(std::int64_t day)
{
    // 1970-01-01 was a Thursday.
    return static_cast<Weekday>(((day + 4) % 7 + 7) % 7);
}

// 00:00 local time of a day number.
TimePoint StartOfDay(std::int64_t day)
{
    const cLocalTime date = CivilTime(day * 86400);
    return MakeTimePoint(date.year, date.month, date.day);
}

// Adds the minutes of [start, end) to the weeks they fall in, split at each
// Monday 00:00 local time; `weeks` is keyed by the day number of the Monday.
void AddByWeek(std::map<std::int64_t, std::int64_t>& weeks, TimePoint start, TimePoint end)
{
    while (start < end) {
        const std::int64_t monday = IsoWeekOf(LocalDayNumber(start)).monday;
        const TimePoint next = StartOfDay(monday + 7);
        // A zone that makes no progress would loop: take the rest at once.
        const TimePoint cut = next > start ? std::min(end, next) : end;
        weeks[monday] += (cut - start) / 60;
        start = cut;
    }
}

std::string IsoDate(TimePoint t)
{
    return CsvDate(t);
}

std::string HourText(int hour)
{
    return StringPrintf("%02d", hour);
}

nlohmann::ordered_json HoursOrNull(const std::optional<double>& minutes)
{
    if (!minutes) {
        return nullptr;
    }
    return std::round(*minutes / 6.0) / 10.0;
}

nlohmann::ordered_json DateOrNull(const std::optional<TimePoint>& t)
{
    if (!t) {
        return nullptr;
    }
    return IsoDate(*t);
}

std::optional<double> AsDouble(const std::optional<std::int64_t>& minutes)
{
    if (!minutes) {
        return std::nullopt;
    }
    return static_cast<double>(*minutes);
}

std::string CourtsText(const cTeamReport& team)
{
    std::string text;
    for (const auto& [court, matches] : team.courts) {
        text += (text.empty() ? "" : ", ") + court + " " + std::to_string(matches);
    }
    return text;
}

std::string OptionalHours(const std::optional<double>& minutes)
{
    return minutes ? HoursText(*minutes) : "-";
}

} // namespace

cIsoWeek IsoWeekOf(std::int64_t dayNumber)
{
    const std::int64_t monday = dayNumber - (WeekdayOfDay(dayNumber) + 6) % 7;
    // The ISO year is the year of the week's Thursday.
    const std::int64_t thursday = monday + 3;
    const int year = CivilTime(thursday * 86400).year;
    const std::int64_t week = (thursday - DayNumber(year, 1, 1)) / 7 + 1;
    return {StringPrintf("%04d-W%02d", year, static_cast<int>(week)), monday};
}

std::string HoursText(double minutes)
{
    return StringPrintf("%.1f", std::round(minutes / 6.0) / 10.0);
}

std::vector<int> cScheduleReport::StartHours() const
{
    std::vector<int> hours;
    for (int hour = 0; hour < 24; ++hour) {
        if (std::ranges::any_of(teams, [hour](const cTeamReport& team) { return team.perHour[hour] > 0; })) {
            hours.push_back(hour);
        }
    }
    return hours;
}

cScheduleReport BuildScheduleReport(const cDatabase& db)
{
    cScheduleReport report;
    std::vector<const cMatch*> matches;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        matches.push_back(&match);
    }
    // Date order; a tie keeps the list's order.
    std::ranges::stable_sort(matches, {}, &cMatch::m_tStart);

    std::vector<int> courtOrder;
    for (const cCourt& court : db.Courts().AllItems<cCourt>()) {
        courtOrder.push_back(court.m_nIndex);
    }

    for (const cLeague& league : db.Leagues().AllItems<cLeague>()) {
        cLeagueReport leagueReport{.league = league.m_strShortName, .name = league.m_strName};
        for (const cMatch* match : matches) {
            if (match->IsPlayoff() || match->m_nLeague != league.m_nIndex) {
                continue;
            }
            ++leagueReport.scheduled;
            leagueReport.first = leagueReport.first.value_or(match->m_tStart);
            leagueReport.last = match->m_tStart;
        }
        for (const cUnscheduledMatch& match : db.Unscheduled().AllItems<cUnscheduledMatch>()) {
            leagueReport.unscheduled += match.GetLeague() == league.m_nIndex ? 1 : 0;
        }
        report.leagues.push_back(leagueReport);

        for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
            cTeamReport teamReport{.league = league.m_strShortName, .team = team.m_strName};
            TimePoint previous = 0; // the start of the team's match before
            std::int64_t restSum = 0;
            int homeRun = 0;
            int awayRun = 0;
            std::map<int, int> perCourt;
            for (const cMatch* match : matches) {
                if (match->IsPlayoff() || match->m_nLeague != league.m_nIndex) {
                    continue;
                }
                const bool home = match->m_nHomeTeam == team.m_nIndex;
                if (!home && match->m_nGuestTeam != team.m_nIndex) {
                    continue;
                }
                if (teamReport.scheduled > 0) {
                    const std::int64_t rest = (match->m_tStart - previous) / 60;
                    restSum += rest;
                    teamReport.shortestRestMinutes =
                        std::min(rest, teamReport.shortestRestMinutes.value_or(rest));
                }
                previous = match->m_tStart;
                ++teamReport.scheduled;
                (home ? teamReport.home : teamReport.away) += 1;
                homeRun = home ? homeRun + 1 : 0;
                awayRun = home ? 0 : awayRun + 1;
                teamReport.longestHomeRun = std::max(teamReport.longestHomeRun, homeRun);
                teamReport.longestAwayRun = std::max(teamReport.longestAwayRun, awayRun);
                const cLocalTime local = LocalTime(match->m_tStart);
                ++teamReport.perWeekday[static_cast<std::size_t>(local.weekday)];
                ++teamReport.perHour[static_cast<std::size_t>(local.hour)];
                ++perCourt[match->m_nCourt];
            }
            if (teamReport.scheduled > 1) {
                teamReport.meanRestMinutes = static_cast<double>(restSum) / (teamReport.scheduled - 1);
            }
            for (const int court : courtOrder) {
                if (const auto found = perCourt.find(court); found != perCourt.end()) {
                    teamReport.courts.emplace_back(db.GetCourt(court)->m_strShortName, found->second);
                }
            }
            for (const cUnscheduledMatch& match : db.Unscheduled().AllItems<cUnscheduledMatch>()) {
                if (match.GetLeague() == league.m_nIndex &&
                    (match.GetHomeTeam() == team.m_nIndex || match.GetGuestTeam() == team.m_nIndex)) {
                    ++teamReport.unscheduled;
                }
            }
            report.teams.push_back(std::move(teamReport));
        }
    }

    for (const cReferee& official : db.Officials().AllItems<cReferee>()) {
        cOfficialReport officialReport{.name = official.m_strName};
        std::set<std::int64_t> days;
        for (const cMatch* match : matches) {
            if (std::ranges::find(match->m_nOfficial, official.m_nIndex) != match->m_nOfficial.end()) {
                ++officialReport.games;
                days.insert(match->LocalDay());
            }
        }
        officialReport.days = static_cast<int>(days.size());
        report.officials.push_back(officialReport);
    }

    // Minutes by court index and Monday.
    std::map<int, std::map<std::int64_t, std::int64_t>> used;
    std::map<int, std::map<std::int64_t, std::int64_t>> free;
    std::optional<std::int64_t> firstMonday;
    std::optional<std::int64_t> lastMonday;
    const auto extend = [&](TimePoint start, TimePoint end) {
        if (end <= start) {
            return;
        }
        const std::int64_t from = IsoWeekOf(LocalDayNumber(start)).monday;
        // The end is exclusive: a period up to Monday 00:00 ends in the week before.
        const std::int64_t to = IsoWeekOf(LocalDayNumber(end - 1)).monday;
        firstMonday = std::min(from, firstMonday.value_or(from));
        lastMonday = std::max(to, lastMonday.value_or(to));
    };
    for (const cMatch* match : matches) {
        report.playoffMatches += match->IsPlayoff() ? 1 : 0;
        if (db.GetCourt(match->m_nCourt) != nullptr) {
            extend(match->m_tStart, match->m_tEnd);
            AddByWeek(used[match->m_nCourt], match->m_tStart, match->m_tEnd);
        }
    }
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (db.GetCourt(period.GetCourt()) != nullptr) {
            extend(period.GetStart(), period.GetEnd());
            AddByWeek(free[period.GetCourt()], period.GetStart(), period.GetEnd());
        }
    }
    for (const cCourt& court : db.Courts().AllItems<cCourt>()) {
        cCourtReport courtReport{.court = court.m_nIndex, .name = court.m_strShortName};
        for (std::int64_t monday = firstMonday.value_or(0); firstMonday && monday <= *lastMonday;
             monday += 7) {
            courtReport.weeks.push_back({.week = IsoWeekOf(monday).label,
                                         .monday = StartOfDay(monday),
                                         .usedMinutes = used[court.m_nIndex][monday],
                                         .freeMinutes = free[court.m_nIndex][monday]});
        }
        report.courts.push_back(std::move(courtReport));
    }
    return report;
}

std::string ReportTableText(const cReportTable& table)
{
    std::vector<std::size_t> widths(table.headings.size(), 0);
    const auto measure = [&widths](const std::vector<std::string>& row) {
        for (std::size_t k = 0; k < row.size() && k < widths.size(); ++k) {
            widths[k] = std::max(widths[k], TextLength(row[k]));
        }
    };
    measure(table.headings);
    std::ranges::for_each(table.rows, measure);
    const auto line = [&](const std::vector<std::string>& row) {
        std::string text;
        for (std::size_t k = 0; k < row.size() && k < widths.size(); ++k) {
            const std::string padding(widths[k] - TextLength(row[k]), ' ');
            text += k > 0 ? "  " : "";
            text += k < table.numeric.size() && table.numeric[k] ? padding + row[k] : row[k] + padding;
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        return text + "\n";
    };
    std::string text = line(table.headings);
    for (const auto& row : table.rows) {
        text += line(row);
    }
    return text;
}

std::vector<cReportTable> ScheduleReportTables(const cScheduleReport& report, const cDatabase& style)
{
    std::vector<cReportTable> tables;

    cReportTable leagues{
        .title = "Leagues",
        .headings = {"League", "Name", "Scheduled", "Unscheduled", "First date", "Last date"},
        .numeric = {false, false, true, true, false, false}};
    for (const cLeagueReport& league : report.leagues) {
        leagues.rows.push_back({league.league, league.name, std::to_string(league.scheduled),
                                std::to_string(league.unscheduled),
                                league.first ? style.FormatDate(*league.first) : "-",
                                league.last ? style.FormatDate(*league.last) : "-"});
    }
    tables.push_back(std::move(leagues));

    cReportTable teams{.title = "Teams",
                       .headings = {"League", "Team", "Scheduled", "Unscheduled", "Home", "Away", "Home run",
                                    "Away run", "Shortest rest", "Mean rest", "Courts"},
                       .numeric = {false, false, true, true, true, true, true, true, true, true, false}};
    for (const cTeamReport& team : report.teams) {
        teams.rows.push_back(
            {team.league, team.team, std::to_string(team.scheduled), std::to_string(team.unscheduled),
             std::to_string(team.home), std::to_string(team.away), std::to_string(team.longestHomeRun),
             std::to_string(team.longestAwayRun), OptionalHours(AsDouble(team.shortestRestMinutes)),
             OptionalHours(team.meanRestMinutes), CourtsText(team)});
    }
    tables.push_back(std::move(teams));

    cReportTable weekdays{
        .title = "Matches per weekday", .headings = {"League", "Team"}, .numeric = {false, false}};
    for (const int day : kMondayFirst) {
        weekdays.headings.emplace_back(kWeekdayNames[static_cast<std::size_t>(day)]);
        weekdays.numeric.push_back(true);
    }
    for (const cTeamReport& team : report.teams) {
        std::vector<std::string> row = {team.league, team.team};
        for (const int day : kMondayFirst) {
            row.push_back(std::to_string(team.perWeekday[static_cast<std::size_t>(day)]));
        }
        weekdays.rows.push_back(std::move(row));
    }
    tables.push_back(std::move(weekdays));

    cReportTable starts{
        .title = "Matches per start hour", .headings = {"League", "Team"}, .numeric = {false, false}};
    const std::vector<int> hours = report.StartHours();
    for (const int hour : hours) {
        starts.headings.push_back(HourText(hour) + ":00");
        starts.numeric.push_back(true);
    }
    for (const cTeamReport& team : report.teams) {
        std::vector<std::string> row = {team.league, team.team};
        for (const int hour : hours) {
            row.push_back(std::to_string(team.perHour[static_cast<std::size_t>(hour)]));
        }
        starts.rows.push_back(std::move(row));
    }
    tables.push_back(std::move(starts));

    cReportTable officials{
        .title = "Officials", .headings = {"Official", "Games", "Days"}, .numeric = {false, true, true}};
    for (const cOfficialReport& official : report.officials) {
        officials.rows.push_back(
            {official.name, std::to_string(official.games), std::to_string(official.days)});
    }
    tables.push_back(std::move(officials));

    cReportTable courts{.title = "Court use per week (hours)",
                        .headings = {"Court", "Week", "Monday", "Used", "Free"},
                        .numeric = {false, false, false, true, true}};
    for (const cCourtReport& court : report.courts) {
        for (const cCourtWeek& week : court.weeks) {
            courts.rows.push_back({court.name, week.week, style.FormatDate(week.monday),
                                   HoursText(static_cast<double>(week.usedMinutes)),
                                   HoursText(static_cast<double>(week.freeMinutes))});
        }
    }
    tables.push_back(std::move(courts));
    return tables;
}

std::string ScheduleReportText(const cScheduleReport& report, const cDatabase& style)
{
    std::string text = "Schedule report\n\n"
                       "Rest is the time from the start of a match to the start of the team's next one, in "
                       "hours.\nWeeks are ISO weeks from Monday; hours of court time are elapsed hours.\n";
    if (report.playoffMatches > 0) {
        text += StringPrintf("Playoff matches: %d, counted for their courts and officials only.\n",
                             report.playoffMatches);
    }
    for (const cReportTable& table : ScheduleReportTables(report, style)) {
        text += "\n" + table.title + "\n" + ReportTableText(table);
    }
    return text;
}

std::string ScheduleReportJson(const cScheduleReport& report)
{
    using json = nlohmann::ordered_json;
    json root;
    root["playoff_matches"] = report.playoffMatches;
    json leagues = json::array();
    for (const cLeagueReport& league : report.leagues) {
        leagues.push_back({{"league", league.league},
                           {"name", league.name},
                           {"scheduled", league.scheduled},
                           {"unscheduled", league.unscheduled},
                           {"first_date", DateOrNull(league.first)},
                           {"last_date", DateOrNull(league.last)}});
    }
    root["leagues"] = std::move(leagues);
    json teams = json::array();
    for (const cTeamReport& team : report.teams) {
        json weekdays = json::object();
        for (const int day : kMondayFirst) {
            weekdays[kWeekdayKeys[static_cast<std::size_t>(day)]] =
                team.perWeekday[static_cast<std::size_t>(day)];
        }
        json hours = json::object();
        for (int hour = 0; hour < 24; ++hour) {
            if (team.perHour[static_cast<std::size_t>(hour)] > 0) {
                hours[HourText(hour)] = team.perHour[static_cast<std::size_t>(hour)];
            }
        }
        // An array: two courts may share a short name.
        json courts = json::array();
        for (const auto& [court, count] : team.courts) {
            courts.push_back({{"court", court}, {"matches", count}});
        }
        teams.push_back({{"league", team.league},
                         {"team", team.team},
                         {"scheduled", team.scheduled},
                         {"unscheduled", team.unscheduled},
                         {"home", team.home},
                         {"away", team.away},
                         {"longest_home_run", team.longestHomeRun},
                         {"longest_away_run", team.longestAwayRun},
                         {"shortest_rest_hours", HoursOrNull(AsDouble(team.shortestRestMinutes))},
                         {"mean_rest_hours", HoursOrNull(team.meanRestMinutes)},
                         {"weekdays", std::move(weekdays)},
                         {"start_hours", std::move(hours)},
                         {"courts", std::move(courts)}});
    }
    root["teams"] = std::move(teams);
    json officials = json::array();
    for (const cOfficialReport& official : report.officials) {
        officials.push_back({{"name", official.name}, {"games", official.games}, {"days", official.days}});
    }
    root["officials"] = std::move(officials);
    json courts = json::array();
    for (const cCourtReport& court : report.courts) {
        json weeks = json::array();
        for (const cCourtWeek& week : court.weeks) {
            weeks.push_back({{"week", week.week},
                             {"monday", IsoDate(week.monday)},
                             {"used_hours", HoursOrNull(static_cast<double>(week.usedMinutes))},
                             {"free_hours", HoursOrNull(static_cast<double>(week.freeMinutes))}});
        }
        courts.push_back({{"court", court.name}, {"weeks", std::move(weeks)}});
    }
    root["courts"] = std::move(courts);
    return root.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

std::string ScheduleReportCsv(const cScheduleReport& report)
{
    std::string csv = CsvLine({"section", "league", "name", "measure", "period", "value"});
    const auto row = [&csv](const char* section, const std::string& league, const std::string& name,
                            const char* measure, const std::string& period, const std::string& value) {
        csv += CsvLine({section, league, name, measure, period, value});
    };
    const auto optionalHours = [](const std::optional<double>& minutes) {
        return minutes ? HoursText(*minutes) : std::string();
    };
    for (const cLeagueReport& league : report.leagues) {
        row("league", league.league, league.name, "scheduled", "", std::to_string(league.scheduled));
        row("league", league.league, league.name, "unscheduled", "", std::to_string(league.unscheduled));
        row("league", league.league, league.name, "first_date", "",
            league.first ? IsoDate(*league.first) : "");
        row("league", league.league, league.name, "last_date", "", league.last ? IsoDate(*league.last) : "");
    }
    for (const cTeamReport& team : report.teams) {
        const auto number = [&](const char* measure, int value) {
            row("team", team.league, team.team, measure, "", std::to_string(value));
        };
        number("scheduled", team.scheduled);
        number("unscheduled", team.unscheduled);
        number("home", team.home);
        number("away", team.away);
        number("longest_home_run", team.longestHomeRun);
        number("longest_away_run", team.longestAwayRun);
        row("team", team.league, team.team, "shortest_rest_hours", "",
            optionalHours(AsDouble(team.shortestRestMinutes)));
        row("team", team.league, team.team, "mean_rest_hours", "", optionalHours(team.meanRestMinutes));
        for (const int day : kMondayFirst) {
            row("team", team.league, team.team, "weekday", kWeekdayNames[static_cast<std::size_t>(day)],
                std::to_string(team.perWeekday[static_cast<std::size_t>(day)]));
        }
        for (int hour = 0; hour < 24; ++hour) {
            if (team.perHour[static_cast<std::size_t>(hour)] > 0) {
                row("team", team.league, team.team, "start_hour", HourText(hour) + ":00",
                    std::to_string(team.perHour[static_cast<std::size_t>(hour)]));
            }
        }
        for (const auto& [court, count] : team.courts) {
            row("team", team.league, team.team, "court", court, std::to_string(count));
        }
    }
    for (const cOfficialReport& official : report.officials) {
        row("official", "", official.name, "games", "", std::to_string(official.games));
        row("official", "", official.name, "days", "", std::to_string(official.days));
    }
    for (const cCourtReport& court : report.courts) {
        for (const cCourtWeek& week : court.weeks) {
            row("court", "", court.name, "used_hours", week.week,
                HoursText(static_cast<double>(week.usedMinutes)));
            row("court", "", court.name, "free_hours", week.week,
                HoursText(static_cast<double>(week.freeMinutes)));
        }
    }
    return csv;
}
