// Closing court time on generated and hand-built seasons: what leaves the
// closed time, what stays, and that nothing else in the season moves.

#include "SchedulingTestSupport.h"
#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/cCloseCourtsValues.h"
#include "model/cReferee.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/CourtClosure.h"
#include "scheduling/Placement.h"
#include "scheduling/Replanning.h"
#include "support/TestBuilders.h"
#include "support/cSeasonInvariants.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {

using cKey = std::tuple<int, int, int, int>; // league, home, guest, round

cKey KeyOf(const cMatch& match)
{
    return {match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound};
}

cKey KeyOf(const cUnscheduledMatch& match)
{
    return {match.GetLeague(), match.GetHomeTeam(), match.GetGuestTeam(), match.GetRound()};
}

struct cPlace
{
    int court = 0;
    TimePoint start = 0;
    TimePoint end = 0;
    int number = 0;
    int byHand = 0;
    std::array<int, cMatch::kOfficialPositions> officials{};
    bool played = false;

    bool operator==(const cPlace&) const = default;
};

std::map<cKey, cPlace> LeagueMatches(const cDatabase& db)
{
    std::map<cKey, cPlace> out;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff()) {
            out[KeyOf(match)] = {match.m_nCourt,
                                 match.m_tStart,
                                 match.m_tEnd,
                                 match.m_nNumber,
                                 match.m_bByHand,
                                 match.m_nOfficial,
                                 match.GetResult() != nullptr && match.GetResult()->IsPlayed()};
        }
    }
    return out;
}

// The local date `days` after the date of t, at noon so that a clock change
// between them does not matter.
cLocalTime DateAfter(TimePoint t, int days)
{
    const cLocalTime date = LocalTime(t);
    return LocalTime(MakeTimePoint(date.year, date.month, date.day, 12) + 86400LL * days);
}

void SetFrom(cCloseCourtsValues& values, const cLocalTime& date, ClockTime hhmm)
{
    values.fromDay = date.day;
    values.fromMonth = date.month;
    values.fromYear = date.year;
    values.fromTime = hhmm;
}

void SetTo(cCloseCourtsValues& values, const cLocalTime& date, ClockTime hhmm)
{
    values.toDay = date.day;
    values.toMonth = date.month;
    values.toYear = date.year;
    values.toTime = hhmm;
}

bool Overlaps(const cPlace& place, const cCloseCourtsValues& values)
{
    return values.Closes(place.court) && place.start < values.To() && place.end > values.From();
}

// Whether the rules allow the match where it stands, as if placing it there now.
int RuleBrokenWhereItStands(cDatabase& db, cMatch& match)
{
    match.m_bHidden = 1;
    const cUnscheduledMatch pairing(match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound,
                                    match.m_nNumber);
    const cUnusedTime place(match.m_nCourt, match.m_tStart, match.m_tEnd);
    const int broken = CheckPlacement(db, pairing, place, match.m_tStart, match.m_tEnd, ePass::kAnyTime);
    match.m_bHidden = 0;
    return broken;
}

struct cClosureCase
{
    const char* name;
    cSeasonShape shape;
    int court;        // a court index, or kAllCourts
    int fromDayShift; // the closed time begins this many days after the median match's date
    ClockTime fromTime;
    int days; // and ends this many days later
    ClockTime toTime;
    bool replan;
};

cSeasonShape Shape()
{
    cSeasonShape shape;
    shape.leagues = 4;
    shape.teamsPerLeague = 6;
    shape.courts = 4;
    shape.weeks = 8;
    return shape;
}

// Sessions that run to 04:00 on the night the clocks go back.
cSeasonShape LateSessionsAcrossClockChanges()
{
    cSeasonShape shape = cSeasonShape::AcrossClockChanges();
    shape.lateSessions = true;
    return shape;
}

TEST(CloseCourts, OnlyTheUnplayedMatchesOfTheClosedTimeMove)
{
    const std::vector<cClosureCase> cases = {
        {"one court for a week, re-planned", Shape(), 1, 0, 0, 7, 0, true},
        {"every court for a week, re-planned", Shape(), cCloseCourtsValues::kAllCourts, 0, 0, 7, 0, true},
        {"every court for a week, not re-planned", Shape(), cCloseCourtsValues::kAllCourts, 0, 0, 7, 0,
         false},
        {"every court from an evening to an evening three days later", Shape(),
         cCloseCourtsValues::kAllCourts, 0, 1900, 3, 2030, true},
        {"every court over the night the clocks go back", LateSessionsAcrossClockChanges(),
         cCloseCourtsValues::kAllCourts, 0, 930, 1, 330, true},
    };
    for (const cClosureCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        cDatabase& db = season.db;
        GenerateSeason(db, c.shape);
        ScheduleAutomatically(db);
        season.prompt.m_shown.clear();

        cCloseCourtsValues values;
        values.court = c.court;
        values.replan = c.replan;
        std::vector<const cMatch*> byStart;
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            byStart.push_back(&match);
        }
        ASSERT_FALSE(byStart.empty());
        std::ranges::sort(byStart, {}, &cMatch::m_tStart);
        TimePoint anchor = byStart[byStart.size() / 2]->m_tStart;
        if (c.shape.startMonth == 10) {
            anchor = MakeTimePoint(2027, 10, 30, 12); // the Saturday before the clocks go back
        }
        SetFrom(values, DateAfter(anchor, c.fromDayShift), c.fromTime);
        SetTo(values, DateAfter(anchor, c.fromDayShift + c.days), c.toTime);
        ASSERT_FALSE(Validate(values, db).has_value());

        // A result for one match of the closed time, officials for another
        // and for one outside it.
        const cReferee& official = BuildOfficial(db, "Official");
        int played = 0;
        int withOfficials = 0;
        for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            const bool inside =
                values.Closes(match.m_nCourt) && match.m_tStart < values.To() && match.m_tEnd > values.From();
            if (inside && played < 1) {
                match.GetResult()->m_bPlayed = 1;
                match.GetResult()->m_nHomeScore[0] = 3;
                match.GetResult()->m_nGuestScore[0] = played;
                match.SetOfficial(db, official.m_nIndex, 1);
                ++played;
            } else if (inside && withOfficials < 1) {
                match.SetOfficial(db, official.m_nIndex, 0);
                ++withOfficials;
            } else if (!inside && withOfficials == 1) {
                match.SetOfficial(db, official.m_nIndex, 0);
                ++withOfficials;
            }
        }
        ASSERT_EQ(played, 1);
        ASSERT_EQ(withOfficials, 2);

        const std::map<cKey, cPlace> before = LeagueMatches(db);
        const auto resultsBefore = PlayedResults(db);
        std::set<cKey> leaving;
        for (const auto& [key, place] : before) {
            if (Overlaps(place, values) && !place.played) {
                leaving.insert(key);
            }
        }
        ASSERT_FALSE(leaving.empty());

        const cCourtClosure closure = CloseCourts(db, values);

        EXPECT_EQ(CheckInvariants(db), std::vector<std::string>{});
        EXPECT_EQ(ResultChanges(resultsBefore, PlayedResults(db)), std::vector<std::string>{});
        EXPECT_EQ(closure.returned, static_cast<int>(leaving.size()));
        EXPECT_EQ(closure.played.size(), 1u);
        EXPECT_EQ(closure.placed + closure.notPlaced, closure.returned);
        ASSERT_FALSE(season.prompt.m_shown.empty());
        EXPECT_EQ(season.prompt.m_shown.back().text, closure.message);
        EXPECT_NE(closure.message.find(GetString(IDS_CLOSE_PLAYED_STAY)), std::string::npos);

        const std::map<cKey, cPlace> after = LeagueMatches(db);
        int placedAgain = 0;
        for (const auto& [key, place] : before) {
            const auto now = after.find(key);
            if (!leaving.contains(key)) {
                ASSERT_NE(now, after.end());
                EXPECT_EQ(now->second, place) << "a match outside the closed time moved";
                continue;
            }
            if (now == after.end()) {
                continue; // waits among the unscheduled matches, checked below
            }
            ++placedAgain;
            EXPECT_TRUE(c.replan);
            EXPECT_FALSE(Overlaps(now->second, values)) << "placed again in the closed time";
            EXPECT_EQ(now->second.number, place.number);
            EXPECT_EQ(now->second.byHand, 0);
            EXPECT_EQ(now->second.officials, (std::array<int, 5>{-1, -1, -1, -1, -1}));
        }
        EXPECT_EQ(placedAgain, closure.placed);
        int waiting = 0;
        for (const cUnscheduledMatch& match : db.Unscheduled().AllItems<cUnscheduledMatch>()) {
            if (leaving.contains(KeyOf(match))) {
                ++waiting;
                EXPECT_EQ(match.GetNumber(), before.at(KeyOf(match)).number);
            }
        }
        EXPECT_EQ(waiting, closure.notPlaced);
        if (c.replan) {
            EXPECT_GT(closure.placed, 0);
        }

        // The placement rules hold for every match placed again.
        for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            if (!match.IsPlayoff() && leaving.contains(KeyOf(match))) {
                EXPECT_EQ(RuleBrokenWhereItStands(db, match), 0) << match.GetLabel();
            }
        }
        // No free minute is left in the closed time.
        for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
            EXPECT_FALSE(values.Closes(period.m_nCourt) && period.m_tStart < values.To() &&
                         period.m_tEnd > values.From())
                << period.GetColumnText(1) << ' ' << period.GetColumnText(3);
        }
    }
}

// Free time 1800-2200 on A and B on two days, a match on A at 1900 on the
// first day and a played one at 1900 on the second: A closed from 1830 on the
// first day to 2000 on the second.
struct cSmallSeason
{
    cSmallSeason()
    {
        a = &season.Court("A");
        b = &season.Court("B");
        league = &season.League("L", 4);
        league->m_nGameDuration = 90;
        for (int day = 0; day < 2; ++day) {
            season.Time(*a, day, 1800, 2200);
            season.Time(*b, day, 1800, 2200);
        }
        std::vector<cUnscheduledMatch*> pairings = season.Unscheduled();
        first = ScheduleMatch(season.db, Period(*a, 0), At(0, 1900), At(0, 2030), *pairings[0], false);
        second = ScheduleMatch(season.db, Period(*a, 1), At(1, 1900), At(1, 2030), *pairings[1], false);
        second->GetResult()->m_bPlayed = 1;
    }

    cUnusedTime& Period(const cCourt& court, int day)
    {
        for (cUnusedTime& period : season.db.CourtTime().AllItems<cUnusedTime>()) {
            if (period.m_nCourt == court.m_nIndex && period.m_tStart == At(day, 1800)) {
                return period;
            }
        }
        throw std::logic_error("no such period");
    }

    cCloseCourtsValues Values(bool replan) const
    {
        cCloseCourtsValues values;
        values.court = a->m_nIndex;
        SetFrom(values, LocalTime(At(0, 1200)), 1830);
        SetTo(values, LocalTime(At(1, 1200)), 2000);
        values.replan = replan;
        return values;
    }

    std::vector<std::tuple<int, ClockTime, ClockTime>> FreeTime() const
    {
        std::vector<std::tuple<int, ClockTime, ClockTime>> out;
        for (const cUnusedTime& period : season.db.CourtTime().AllItems<cUnusedTime>()) {
            out.emplace_back(period.m_nCourt, TimeOfDay(period.m_tStart), TimeOfDay(period.m_tEnd));
        }
        return out;
    }

    cTestSeason season;
    cCourt* a = nullptr;
    cCourt* b = nullptr;
    cLeague* league = nullptr;
    cMatch* first = nullptr;
    cMatch* second = nullptr;
};

TEST(CloseCourts, PeriodsAreCutAtTheBoundsAndThePlayedMatchIsNamed)
{
    cSmallSeason small;
    const int number = small.first->m_nNumber;
    const std::string playedLine = MatchLine(*small.second);
    const cCourtClosure closure = CloseCourts(small.season.db, small.Values(false));

    EXPECT_EQ(closure.returned, 1);
    EXPECT_EQ(closure.notPlaced, 1);
    EXPECT_EQ(closure.closedMinutes, 210 + 60);
    const int a = small.a->m_nIndex;
    const int b = small.b->m_nIndex;
    // A keeps 1800-1830 and, on the second day, what lies after the played match.
    EXPECT_EQ(small.FreeTime(), (std::vector<std::tuple<int, ClockTime, ClockTime>>{
                                    {a, 1800, 1830}, {b, 1800, 2200}, {b, 1800, 2200}, {a, 2030, 2200}}));
    ASSERT_EQ(small.season.db.Unscheduled().GetCount(), 5);
    const auto& back = static_cast<const cUnscheduledMatch&>(*small.season.db.Unscheduled().GetTail());
    EXPECT_EQ(back.GetNumber(), number);
    EXPECT_EQ(small.season.db.Scheduled().GetCount(), 1);
    EXPECT_EQ(closure.message, "The court time of A from " + small.season.db.FormatDate(At(0, 0)) +
                                   " 1830 to " + small.season.db.FormatDate(At(1, 0)) +
                                   " 2000 is closed.\n1 matches went back to the unscheduled matches.\n\n"
                                   "These played matches stay in the closed time:\n     " +
                                   playedLine);
    EXPECT_EQ(CheckInvariants(small.season.db), std::vector<std::string>{});
}

TEST(CloseCourts, ReplannedMatchGoesToTheFirstAllowedPlaceOutsideTheClosedTime)
{
    cSmallSeason small;
    const int number = small.first->m_nNumber;
    const cCourtClosure closure = CloseCourts(small.season.db, small.Values(true), 5);

    EXPECT_EQ(closure.placed, 1);
    EXPECT_EQ(closure.notPlaced, 0);
    // A's first free minute is 1800 on the first day, but only 30 of them; B is free from 1800.
    const cMatch* placed = nullptr;
    for (const cMatch& match : small.season.db.Scheduled().AllItems<cMatch>()) {
        if (&match != small.second) {
            placed = &match;
        }
    }
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->m_nCourt, small.b->m_nIndex);
    EXPECT_EQ(placed->m_tStart, At(0, 1800));
    EXPECT_EQ(placed->m_nNumber, number);
    EXPECT_EQ(placed->m_bByHand, 0);
    EXPECT_EQ(small.season.db.Unscheduled().GetCount(), 4);
    EXPECT_EQ(CheckInvariants(small.season.db), std::vector<std::string>{});
}

TEST(CloseCourts, AMatchWithNoRoomLeftWaitsWithItsNumber)
{
    cSmallSeason small;
    const int number = small.first->m_nNumber;
    cCloseCourtsValues values = small.Values(true);
    values.court = cCloseCourtsValues::kAllCourts;
    SetFrom(values, LocalTime(At(0, 1200)), 0);
    SetTo(values, LocalTime(At(2, 1200)), 0);
    const cCourtClosure closure = CloseCourts(small.season.db, values);

    EXPECT_EQ(closure.returned, 1);
    EXPECT_EQ(closure.placed, 0);
    EXPECT_EQ(closure.notPlaced, 1);
    EXPECT_EQ(small.season.db.CourtTime().GetCount(), 0);
    const auto& back = static_cast<const cUnscheduledMatch&>(*small.season.db.Unscheduled().GetTail());
    EXPECT_EQ(back.GetNumber(), number);
    EXPECT_NE(closure.message.find("1 matches went back to the unscheduled matches: 0 were re-planned, 1 "
                                   "could not be placed"),
              std::string::npos);
}

TEST(CloseCourts, PlayoffMatchesStayAndAreNamed)
{
    cSmallSeason small;
    cUnusedTime& period = small.Period(*small.b, 0);
    TakeCourtTime(small.season.db, period, At(0, 1800), At(0, 1900));
    cPlayoffMatch& playoff = small.season.Playoff(*small.b, At(0, 1800));
    playoff.m_strNumber = "F1";
    cCloseCourtsValues values = small.Values(false);
    values.court = cCloseCourtsValues::kAllCourts;
    const cCourtClosure closure = CloseCourts(small.season.db, values);

    ASSERT_EQ(closure.playoff.size(), 1u);
    EXPECT_EQ(closure.playoff.front().substr(0, 2), "F1");
    EXPECT_EQ(playoff.m_tStart, At(0, 1800));
    EXPECT_NE(closure.message.find(GetString(IDS_CLOSE_PLAYOFF_STAY)), std::string::npos);
}

} // namespace
