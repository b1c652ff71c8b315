// The schedule report counted by hand on a tiny season across the spring
// change of the clocks (every number asserted), its ISO weeks at the turn of
// the year, its sums on a generated season, and its three written forms
// pinned in tests/data/output/report.

#include "OutputTestSupport.h"
#include "model/ModelFixture.h"
#include "model/cPlayoffMatch.h"
#include "output/ScheduleReport.h"
#include "support/UpdateGolden.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <set>

namespace {

const std::string kExpected = std::string(TOURNEL_TEST_DATA) + "/output/report/";

// One league of three teams, two courts and two officials over three weeks
// of March 2027; the clocks go forward in the night to Sunday 28 March.
// Court N has free time entered around its matches, court R none. Five
// league matches are scheduled, C against B waits unscheduled, and a playoff
// final is played on N on the Sunday of the change.
class cTinySeason : public cModelFixture
{
public:
    cTinySeason()
    {
        north = Court("Northgate Hall", "N").m_nIndex;
        river = Court("Riverside", "R").m_nIndex;
        cLeague& league = League("Men's Division 1", "M1");
        m_nLeague = league.m_nIndex;
        a = Team(league, "A").m_nIndex;
        b = Team(league, "B").m_nIndex;
        c = Team(league, "C").m_nIndex;
        anna = Official("Anna").m_nIndex;
        Official("Bo");

        Free(north, At(2027, 3, 20, 9), At(2027, 3, 20, 13));
        Free(north, At(2027, 3, 21, 17), At(2027, 3, 22, 0));
        Free(north, At(2027, 3, 27, 9), At(2027, 3, 27, 12));
        Free(north, At(2027, 3, 27, 22), At(2027, 3, 28, 16)); // 17 elapsed hours
        Free(north, At(2027, 3, 31, 18), At(2027, 3, 31, 22));
        Free(north, At(2027, 4, 4, 20), At(2027, 4, 5, 2)); // into the next week

        const auto match = [&](int home, int guest, int round, int number, int court, TimePoint start) {
            return &Match(league, home, guest, round, number, court, start, start + 90 * 60);
        };
        match(a, b, 1, 1, north, At(2027, 3, 20, 10))->SetOfficial(m_db, anna, 0);
        match(c, a, 1, 2, north, At(2027, 3, 21, 18))->SetOfficial(m_db, anna, 1);
        match(b, c, 1, 3, north, At(2027, 3, 27, 10));
        match(b, a, 2, 4, river, At(2027, 3, 28, 10))->SetOfficial(m_db, anna, 0);
        match(a, c, 2, 5, north, At(2027, 3, 31, 19));
        auto final = std::make_unique<cPlayoffMatch>();
        final->m_strHomeTeam = "A";
        final->m_strGuestTeam = "B";
        final->m_strNumber = "Final";
        Place(std::move(final), north, At(2027, 3, 28, 14), At(2027, 3, 28, 15, 30))
            .SetOfficial(m_db, anna, 0);
        m_db.Unscheduled().AddItem(std::make_unique<cUnscheduledMatch>(m_nLeague, c, b, 2, 6), false);
    }

    int north = -1;
    int river = -1;
    int a = -1;
    int b = -1;
    int c = -1;
    int anna = -1;

private:
    int m_nLeague = -1;
};

struct cTeamCase
{
    const char* team;
    int scheduled, unscheduled, home, away, homeRun, awayRun;
    std::int64_t shortestRest;   // minutes
    double meanRest;             // minutes
    std::map<int, int> weekdays; // Weekday -> matches; the rest 0
    std::map<int, int> hours;    // local hour -> matches; the rest 0
    std::vector<std::pair<std::string, int>> courts;
};

TEST(ScheduleReport, TinySeasonCountedByHand)
{
    cTinySeason season;
    const cScheduleReport report = BuildScheduleReport(season.m_db);

    // Rests are elapsed time: the Saturday 27 March 10:00 to Sunday 10:00 is 23 hours.
    const std::vector<cTeamCase> cases = {
        {"A",
         4,
         0,
         2,
         2,
         1,
         2,
         32 * 60,
         (32 + 159 + 81) * 60 / 3.0,
         {{6, 1}, {0, 2}, {3, 1}},
         {{10, 2}, {18, 1}, {19, 1}},
         {{"N", 3}, {"R", 1}}},
        {"B",
         3,
         1,
         2,
         1,
         2,
         1,
         23 * 60,
         (168 + 23) * 60 / 2.0,
         {{6, 2}, {0, 1}},
         {{10, 3}},
         {{"N", 2}, {"R", 1}}},
        {"C",
         3,
         1,
         1,
         2,
         1,
         2,
         104 * 60,
         (136 + 104) * 60 / 2.0,
         {{0, 1}, {6, 1}, {3, 1}},
         {{18, 1}, {10, 1}, {19, 1}},
         {{"N", 3}}},
    };
    ASSERT_EQ(report.teams.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const cTeamCase& want = cases[i];
        const cTeamReport& got = report.teams[i];
        SCOPED_TRACE(want.team);
        EXPECT_EQ(got.league, "M1");
        EXPECT_EQ(got.team, want.team);
        EXPECT_EQ(got.scheduled, want.scheduled);
        EXPECT_EQ(got.unscheduled, want.unscheduled);
        EXPECT_EQ(got.home, want.home);
        EXPECT_EQ(got.away, want.away);
        EXPECT_EQ(got.longestHomeRun, want.homeRun);
        EXPECT_EQ(got.longestAwayRun, want.awayRun);
        EXPECT_EQ(got.shortestRestMinutes, want.shortestRest);
        ASSERT_TRUE(got.meanRestMinutes.has_value());
        EXPECT_DOUBLE_EQ(*got.meanRestMinutes, want.meanRest);
        for (int day = 0; day < 7; ++day) {
            EXPECT_EQ(got.perWeekday[day], want.weekdays.contains(day) ? want.weekdays.at(day) : 0) << day;
        }
        for (int hour = 0; hour < 24; ++hour) {
            EXPECT_EQ(got.perHour[hour], want.hours.contains(hour) ? want.hours.at(hour) : 0) << hour;
        }
        EXPECT_EQ(got.courts, want.courts);
    }

    ASSERT_EQ(report.leagues.size(), 1u);
    const cLeagueReport& league = report.leagues[0];
    EXPECT_EQ(league.league, "M1");
    EXPECT_EQ(league.scheduled, 5);
    EXPECT_EQ(league.unscheduled, 1);
    EXPECT_EQ(league.first, At(2027, 3, 20, 10));
    EXPECT_EQ(league.last, At(2027, 3, 31, 19));
    EXPECT_EQ(report.playoffMatches, 1);

    // The final counts for Anna: four games on three days (two on the 28th).
    ASSERT_EQ(report.officials.size(), 2u);
    EXPECT_EQ(report.officials[0].name, "Anna");
    EXPECT_EQ(report.officials[0].games, 4);
    EXPECT_EQ(report.officials[0].days, 3);
    EXPECT_EQ(report.officials[1].name, "Bo");
    EXPECT_EQ(report.officials[1].games, 0);
    EXPECT_EQ(report.officials[1].days, 0);

    struct cWeekCase
    {
        const char* week;
        TimePoint monday;
        int northUsed, northFree, riverUsed; // minutes
    };
    // W12 has the short night: 22:00 to 16:00 is 17 hours, less the final.
    // W13 ends on Sunday 24:00: 4 of the 6 hours from 20:00 on 4 April.
    const std::vector<cWeekCase> weeks = {
        {"2027-W11", At(2027, 3, 15), 180, 150 + 330, 0},
        {"2027-W12", At(2027, 3, 22), 180, 90 + 17 * 60 - 90, 90},
        {"2027-W13", At(2027, 3, 29), 90, 150 + 240, 0},
        {"2027-W14", At(2027, 4, 5), 0, 120, 0},
    };
    ASSERT_EQ(report.courts.size(), 2u);
    EXPECT_EQ(report.courts[0].name, "N");
    EXPECT_EQ(report.courts[1].name, "R");
    for (const cCourtReport& court : report.courts) {
        ASSERT_EQ(court.weeks.size(), weeks.size()) << court.name;
    }
    for (std::size_t i = 0; i < weeks.size(); ++i) {
        SCOPED_TRACE(weeks[i].week);
        const cCourtWeek& north = report.courts[0].weeks[i];
        const cCourtWeek& river = report.courts[1].weeks[i];
        EXPECT_EQ(north.week, weeks[i].week);
        EXPECT_EQ(north.monday, weeks[i].monday);
        EXPECT_EQ(river.week, weeks[i].week);
        EXPECT_EQ(north.usedMinutes, weeks[i].northUsed);
        EXPECT_EQ(north.freeMinutes, weeks[i].northFree);
        EXPECT_EQ(river.usedMinutes, weeks[i].riverUsed);
        EXPECT_EQ(river.freeMinutes, 0);
    }
    EXPECT_EQ(report.StartHours(), (std::vector<int>{10, 18, 19}));
}

// A team with one match has no rest; a season without matches or court time has no weeks.
TEST(ScheduleReport, NoRestWithoutTwoMatchesAndNoWeeksWithoutTime)
{
    cModelFixture fixture;
    fixture.Court("Northgate Hall", "N");
    cLeague& league = fixture.League("Men's Division 1", "M1");
    const int a = fixture.Team(league, "A").m_nIndex;
    const int b = fixture.Team(league, "B").m_nIndex;
    cScheduleReport report = BuildScheduleReport(fixture.m_db);
    ASSERT_EQ(report.courts.size(), 1u);
    EXPECT_TRUE(report.courts[0].weeks.empty());
    EXPECT_FALSE(report.leagues[0].first.has_value());
    EXPECT_FALSE(report.teams[0].meanRestMinutes.has_value());

    fixture.Match(league, a, b, 1, 1, 0, At(2027, 3, 20, 10), At(2027, 3, 20, 11));
    report = BuildScheduleReport(fixture.m_db);
    EXPECT_EQ(report.teams[0].scheduled, 1);
    EXPECT_FALSE(report.teams[0].shortestRestMinutes.has_value());
    EXPECT_FALSE(report.teams[0].meanRestMinutes.has_value());
    EXPECT_EQ(report.teams[1].longestAwayRun, 1);
    ASSERT_EQ(report.courts[0].weeks.size(), 1u);
    EXPECT_EQ(report.courts[0].weeks[0].usedMinutes, 60);
}

TEST(ScheduleReport, IsoWeeksAtTheTurnOfTheYear)
{
    struct cCase
    {
        int year, month, day;
        const char* week;
        int mondayYear, mondayMonth, mondayDay;
    };
    const std::vector<cCase> cases = {
        {2026, 12, 31, "2026-W53", 2026, 12, 28}, // a Thursday: 2026 has 53 weeks
        {2027, 1, 1, "2026-W53", 2026, 12, 28},
        {2027, 1, 3, "2026-W53", 2026, 12, 28}, // Sunday ends the week
        {2027, 1, 4, "2027-W01", 2027, 1, 4},
        {2024, 12, 30, "2025-W01", 2024, 12, 30}, // a Monday in December starts the next year's week 1
        {2021, 1, 3, "2020-W53", 2020, 12, 28},
        {2027, 3, 28, "2027-W12", 2027, 3, 22}, // the day the clocks go forward
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.week);
        const cIsoWeek week = IsoWeekOf(DayNumber(c.year, c.month, c.day));
        EXPECT_EQ(week.label, c.week);
        EXPECT_EQ(week.monday, DayNumber(c.mondayYear, c.mondayMonth, c.mondayDay));
    }
}

// On a generated season across both changes of the clocks, with late
// sessions running past midnight into Mondays, the report's numbers add up
// to the schedule's: nothing is counted twice or lost at a week's edge.
TEST(ScheduleReport, GeneratedSeasonAddsUp)
{
    cDatabase db;
    cSeasonShape shape = cSeasonShape::AcrossClockChanges();
    shape.lateSessions = true;
    GenerateSeason(db, shape);
    ASSERT_GT(LayOutPlainly(db), 20);
    AddOfficials(db, db.Scheduled().GetCount());
    int turn = 0;
    const int officials = db.Officials().GetCount();
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        match.SetOfficial(db, turn++ % officials, 0);
    }
    std::int64_t matchMinutes = 0;
    std::map<std::pair<int, int>, std::vector<TimePoint>> starts; // (league, team) -> starts
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        matchMinutes += (match.m_tEnd - match.m_tStart) / 60;
        starts[{match.m_nLeague, match.m_nHomeTeam}].push_back(match.m_tStart);
        starts[{match.m_nLeague, match.m_nGuestTeam}].push_back(match.m_tStart);
    }
    std::int64_t freeMinutes = 0;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        freeMinutes += (period.GetEnd() - period.GetStart()) / 60;
    }

    const cScheduleReport report = BuildScheduleReport(db);
    int leagueMatches = 0;
    for (const cLeagueReport& league : report.leagues) {
        leagueMatches += league.scheduled;
    }
    EXPECT_EQ(leagueMatches, db.Scheduled().GetCount());
    int home = 0;
    int away = 0;
    for (const cTeamReport& team : report.teams) {
        SCOPED_TRACE(team.league + " " + team.team);
        home += team.home;
        away += team.away;
        EXPECT_EQ(team.home + team.away, team.scheduled);
        EXPECT_EQ(std::accumulate(team.perWeekday.begin(), team.perWeekday.end(), 0), team.scheduled);
        EXPECT_EQ(std::accumulate(team.perHour.begin(), team.perHour.end(), 0), team.scheduled);
        int onCourts = 0;
        for (const auto& court : team.courts) {
            onCourts += court.second;
        }
        EXPECT_EQ(onCourts, team.scheduled);
        EXPECT_LE(team.longestHomeRun, team.home);
        EXPECT_LE(team.longestAwayRun, team.away);
        EXPECT_EQ(team.longestHomeRun > 0, team.home > 0);
        if (team.scheduled > 1) {
            // The rests add up to the time from the first start to the last.
            const cLeague* league = nullptr;
            for (const cLeague& candidate : db.Leagues().AllItems<cLeague>()) {
                league = candidate.m_strShortName == team.league ? &candidate : league;
            }
            ASSERT_NE(league, nullptr);
            int index = -1;
            for (const cTeam& candidate : league->Teams().AllItems<cTeam>()) {
                index = candidate.m_strName == team.team ? candidate.m_nIndex : index;
            }
            const auto& times = starts[{league->m_nIndex, index}];
            const auto [first, last] = std::ranges::minmax(times);
            EXPECT_NEAR(*team.meanRestMinutes * (team.scheduled - 1), static_cast<double>(last - first) / 60,
                        1e-6);
            EXPECT_LE(*team.shortestRestMinutes, *team.meanRestMinutes);
        }
    }
    EXPECT_EQ(home, leagueMatches);
    EXPECT_EQ(away, leagueMatches);

    std::int64_t used = 0;
    std::int64_t free = 0;
    for (const cCourtReport& court : report.courts) {
        ASSERT_EQ(court.weeks.size(), report.courts[0].weeks.size());
        std::set<std::string> labels;
        for (std::size_t i = 0; i < court.weeks.size(); ++i) {
            used += court.weeks[i].usedMinutes;
            free += court.weeks[i].freeMinutes;
            EXPECT_EQ(LocalTime(court.weeks[i].monday).weekday, 1);
            EXPECT_EQ(court.weeks[i].week, report.courts[0].weeks[i].week);
            labels.insert(court.weeks[i].week);
            if (i > 0) {
                EXPECT_EQ(DayDistance(court.weeks[i - 1].monday, court.weeks[i].monday), 7);
            }
        }
        EXPECT_EQ(labels.size(), court.weeks.size());
    }
    EXPECT_EQ(used, matchMinutes);
    EXPECT_EQ(free, freeMinutes);

    int games = 0;
    for (const cOfficialReport& official : report.officials) {
        games += official.games;
        EXPECT_LE(official.days, official.games);
        EXPECT_EQ(official.days > 0, official.games > 0);
    }
    EXPECT_EQ(games, db.Scheduled().GetCount());
}

// The text, JSON and spreadsheet forms of the tiny season.
TEST(ScheduleReport, WrittenForms)
{
    cTinySeason season;
    const cScheduleReport report = BuildScheduleReport(season.m_db);
    const std::vector<std::pair<std::string, std::string>> files = {
        {"report.txt", ScheduleReportText(report, season.m_db)},
        {"report.json", ScheduleReportJson(report)},
        {"report.csv", ScheduleReportCsv(report)},
    };
    for (const auto& [file, written] : files) {
        SCOPED_TRACE(file);
        if (UpdateGolden()) {
            WriteWholeFile(kExpected + file, written);
            continue;
        }
        const std::optional<std::string> expected = ReadWholeFile(kExpected + file);
        ASSERT_TRUE(expected.has_value()) << "no expected copy; run with TOURNEL_UPDATE_GOLDEN=1";
        EXPECT_EQ(written, *expected);
    }
}

} // namespace
