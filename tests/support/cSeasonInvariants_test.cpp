#include "model/CourtTime.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "support/TestBuilders.h"
#include "support/cScriptedPrompt.h"
#include "support/cSeasonInvariants.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// Wednesday 6 March 2024 + `day` days, at hh:mm.
TimePoint At(int day, int hour, int minute = 0)
{
    return MakeTimePoint(2024, 3, 6 + day, hour, minute, 0);
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\n";
    }
    return out;
}

bool Mentions(const std::vector<std::string>& lines, const std::string& text)
{
    for (const std::string& line : lines) {
        if (line.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// A small season made by the program's own steps: two courts with an evening
// each, a league of three teams with one match left to place, an official on a
// match, a home ground and a team conflict.
class cSmallSeason
{
public:
    cSmallSeason()
    {
        db.SetPrompt(&prompt);
        db.m_random.Seed(3);
        BuildCourt(db, "Hall A", "HA");
        BuildCourt(db, "Hall B", "HB");
        league = &BuildLeague(db, "League", "L");
        league->m_nRounds = 1;
        for (const char* name : {"Ants", "Bees", "Cats"}) {
            BuildTeam(*league, name);
        }
        official = &BuildOfficial(db, "Olga");
        AddCourtTime(db, std::make_unique<cUnusedTime>(0, At(0, 18), At(0, 22)));
        AddCourtTime(db, std::make_unique<cUnusedTime>(1, At(0, 18), At(0, 22)));
        first = &Schedule(0, 1, 0, At(0, 18));
        second = &Schedule(1, 2, 1, At(0, 18));
        first->SetOfficial(db, official->m_nIndex, 0);

        cTeam& ants = *league->GetTeam(0);
        auto ground = std::make_unique<cHomeGround>();
        ground->m_nCourt = 0;
        home = &static_cast<cHomeGround&>(ants.HomeGrounds().AddItem(std::move(ground), true));
        auto entry = std::make_unique<cIllTeam>();
        entry->m_nLeague = league->m_nIndex;
        entry->m_nTeam = 2;
        conflict = &static_cast<cIllTeam&>(ants.TeamConflicts().AddItem(std::move(entry), true));
        db.Unscheduled().m_bUpToDate = 0;
        RebuildUnscheduled(db);
    }
    ~cSmallSeason()
    {
        // Some cases leave a link one way; a match or result destroyed later
        // would write through it.
        for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            match.SetResult(nullptr);
        }
        for (cResult& result : db.Results().AllItems<cResult>()) {
            result.SetMatch(nullptr);
        }
        db.SetPrompt(nullptr);
    }

    cMatch& Schedule(int homeTeam, int guestTeam, int court, TimePoint start)
    {
        cUnscheduledMatch pairing(league->m_nIndex, homeTeam, guestTeam, 1, 0);
        for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
            if (period.m_nCourt == court && period.m_tStart <= start && start + 3600 <= period.m_tEnd) {
                return *ScheduleMatch(db, period, start, start + 3600, pairing, true);
            }
        }
        throw std::logic_error("no court time");
    }

    // A period put straight into the list, past the merging of AddCourtTime.
    void RawPeriod(int court, TimePoint start, TimePoint end, bool sorted = true)
    {
        db.CourtTime().AddItem(std::make_unique<cUnusedTime>(court, start, end), sorted);
    }

    cDatabase db;
    cScriptedPrompt prompt;
    cLeague* league = nullptr;
    cReferee* official = nullptr;
    cMatch* first = nullptr;  // L 0-1 on court 0, 18:00-19:00, official Olga
    cMatch* second = nullptr; // L 1-2 on court 1, 18:00-19:00
    cHomeGround* home = nullptr;
    cIllTeam* conflict = nullptr;
};

TEST(CheckInvariants, ASeasonMadeByTheProgramKeepsEveryRule)
{
    cSmallSeason season;
    ASSERT_EQ(season.db.Unscheduled().GetCount(), 1);
    ASSERT_NE(season.db.Unscheduled().m_bUpToDate, 0);
    EXPECT_EQ(Joined(CheckInvariants(season.db)), "");
}

struct cBrokenCase
{
    std::string name;
    std::function<void(cSmallSeason&)> breakIt;
    std::string expected; // part of one reported line
};

TEST(CheckInvariants, EachBrokenRuleIsReported)
{
    const std::vector<cBrokenCase> cases = {
        {"two matches on one court at once", [](cSmallSeason& s) { s.second->m_nCourt = 0; },
         "two scheduled matches overlap: match L-1 on court 0"},
        {"a playoff match on a taken court",
         [](cSmallSeason& s) {
             auto playoff = std::make_unique<cPlayoffMatch>();
             playoff->m_strNumber = "F1";
             playoff->m_nCourt = 0;
             playoff->m_tStart = At(0, 18, 30);
             playoff->m_tEnd = At(0, 19, 30);
             s.db.Scheduled().AddItem(std::move(playoff), true);
         },
         "and playoff match F1"},
        {"free time over a match", [](cSmallSeason& s) { s.RawPeriod(0, At(0, 17), At(0, 18, 30)); },
         "free time on court 0 2024-03-06 17:00-18:30 overlaps match L-1"},
        {"free periods overlapping", [](cSmallSeason& s) { s.RawPeriod(0, At(0, 20), At(0, 23)); },
         "free periods overlap"},
        {"free periods touching on one date", [](cSmallSeason& s) { s.RawPeriod(0, At(0, 22), At(0, 23)); },
         "free periods not merged"},
        {"a period ending before it starts", [](cSmallSeason& s) { s.RawPeriod(1, At(1, 10), At(1, 9)); },
         "ends before it starts"},
        {"court time out of order", [](cSmallSeason& s) { s.RawPeriod(1, At(-1, 10), At(-1, 12), false); },
         "listed after"},
        {"court time of a missing court", [](cSmallSeason& s) { s.RawPeriod(7, At(2, 10), At(2, 12)); },
         "free time on court 7 2024-03-08 10:00-12:00: the court does not exist"},
        {"a match on a missing court", [](cSmallSeason& s) { s.second->m_nCourt = 9; },
         "on court 9 2024-03-06 18:00-19:00: the court does not exist"},
        {"a match of a missing league",
         [](cSmallSeason& s) {
             s.second->m_nLeague = 5;
             s.second->GetResult()->m_nLeague = 5;
         },
         "league 5 does not exist"},
        {"a match of a missing team",
         [](cSmallSeason& s) {
             s.second->m_nGuestTeam = 8;
             s.second->GetResult()->m_nGuestTeam = 8;
         },
         "team 8 of league L does not exist"},
        {"a missing official on a match", [](cSmallSeason& s) { s.first->m_nOfficial[1] = 4; },
         "official 4 on position 2 does not exist"},
        {"one official on two positions of a match",
         [](cSmallSeason& s) { s.first->SetOfficial(s.db, s.official->m_nIndex, 3); },
         "official 0 on positions 1 and 4"},
        {"a wrong game count", [](cSmallSeason& s) { s.official->m_nGames = 5; },
         "official Olga: game count 5 but holds 1 match positions"},
        {"a match without its result",
         [](cSmallSeason& s) {
             std::unique_ptr<cDbItem> gone = s.db.Results().RemoveItem(*s.second->GetResult());
         },
         "match L-2 on court 1 2024-03-06 18:00-19:00: has no result"},
        {"a result linked one way", [](cSmallSeason& s) { s.first->GetResult()->SetMatch(s.second); },
         "its result belongs to another match"},
        {"a second result on a match", [](cSmallSeason& s) { s.first->GetResult()->SetMatch(s.second); },
         "a second result links to match L-2"},
        {"a result with another pairing", [](cSmallSeason& s) { s.first->GetResult()->m_nRound = 2; },
         "its result has the pairing league 0, 0 - 1, round 2"},
        {"a result of no match",
         [](cSmallSeason& s) {
             s.db.Results().AddItem(std::make_unique<cResult>(), false);
             s.db.Results().m_bUpToDate = 1;
         },
         "belongs to no match"},
        {"a match number twice", [](cSmallSeason& s) { s.second->m_nNumber = s.first->m_nNumber; },
         "match number used twice"},
        {"a home ground on a missing court", [](cSmallSeason& s) { s.home->m_nCourt = 6; },
         "team Ants of league L: home ground on court 6, which does not exist"},
        {"a team conflict with a missing team", [](cSmallSeason& s) { s.conflict->m_nTeam = 9; },
         "team Ants of league L: team conflict with team 9 of league 0"},
        {"an official's conflict with a missing league",
         [](cSmallSeason& s) {
             auto entry = std::make_unique<cIllTeam>();
             entry->m_nLeague = 4;
             entry->m_nTeam = 0;
             s.official->TeamConflicts().AddItem(std::move(entry), true);
         },
         "official Olga: team conflict with team 0 of league 4"},
        {"a table row of a missing team",
         [](cSmallSeason& s) { s.league->Table().AddItem(std::make_unique<cTableItem>(7), false); },
         "league L: table row of team 7"},
        {"two table rows of a team",
         [](cSmallSeason& s) { s.league->Table().AddItem(std::make_unique<cTableItem>(0), false); },
         "league L: two table rows of team 0"},
        {"an unscheduled match of a missing team",
         [](cSmallSeason& s) {
             s.db.Unscheduled().AddItem(std::make_unique<cUnscheduledMatch>(0, 0, 9, 1, 0), false);
         },
         "unscheduled match league 0, 0 - 9, round 1: a team does not exist"},
        {"an unscheduled match of a missing league",
         [](cSmallSeason& s) {
             s.db.Unscheduled().AddItem(std::make_unique<cUnscheduledMatch>(3, 0, 1, 1, 0), false);
         },
         "the league does not exist"},
        {"an unscheduled match that is scheduled",
         [](cSmallSeason& s) {
             s.db.Unscheduled().AddItem(std::make_unique<cUnscheduledMatch>(0, 1, 0, 1, 0), false);
         },
         "unscheduled match league 0, 1 - 0, round 1: already scheduled"},
        {"an index number the table does not know",
         [](cSmallSeason& s) { s.league->GetTeam(1)->m_nIndex = 7; },
         "league L teams: \"Bees\" has index 7 but the index table does not hold it there"},
        {"a foreign item in a list",
         [](cSmallSeason& s) { s.db.CourtTime().AddItem(std::make_unique<cCourt>(), false); },
         "unused time: item 2 is a cCourt"},
        {"a league filter on a missing league", [](cSmallSeason& s) { s.db.m_nLeagueFilter = 3; },
         "the view filter shows league 3"},
        {"a court filter on a missing court", [](cSmallSeason& s) { s.db.m_nCourtFilter = 2; },
         "the view filter shows court 2"},
        {"a match ending as it starts", [](cSmallSeason& s) { s.second->m_tEnd = s.second->m_tStart; },
         "match L-2 on court 1 2024-03-06 18:00-18:00: ends before it starts"},
    };
    for (const cBrokenCase& c : cases) {
        SCOPED_TRACE(c.name);
        cSmallSeason season;
        c.breakIt(season);
        const std::vector<std::string> lines = CheckInvariants(season.db);
        EXPECT_TRUE(Mentions(lines, c.expected)) << "expected: " << c.expected << "\nreported:\n"
                                                 << Joined(lines);
    }
}

TEST(CheckInvariants, StatesTheProgramLeavesOnPurposeAreNotReported)
{
    const std::vector<std::pair<std::string, std::function<void(cSmallSeason&)>>> cases = {
        {"free time touching across midnight",
         [](cSmallSeason& s) {
             AddCourtTime(s.db, std::make_unique<cUnusedTime>(1, At(0, 22), At(1, 0)));
             AddCourtTime(s.db, std::make_unique<cUnusedTime>(1, At(1, 0), At(1, 2)));
         }},
        {"free time touching a match",
         [](cSmallSeason& s) { AddCourtTime(s.db, std::make_unique<cUnusedTime>(0, At(0, 17), At(0, 18))); }},
        {"a result left behind while the results wait for their rebuild",
         [](cSmallSeason& s) {
             s.db.Results().AddItem(std::make_unique<cResult>(), false);
             s.db.Results().m_bUpToDate = 0;
         }},
        {"stale unscheduled matches while that list waits for its rebuild",
         [](cSmallSeason& s) {
             s.db.Unscheduled().AddItem(std::make_unique<cUnscheduledMatch>(3, 0, 9, 1, 0), false);
             s.db.Unscheduled().AddItem(std::make_unique<cUnscheduledMatch>(0, 0, 1, 1, 0), false);
             s.db.Unscheduled().m_bUpToDate = 0;
         }},
        {"playoff matches without results share a number",
         [](cSmallSeason& s) {
             for (const int hour : {20, 21}) {
                 auto playoff = std::make_unique<cPlayoffMatch>();
                 playoff->m_nCourt = 1;
                 playoff->m_tStart = At(0, hour);
                 playoff->m_tEnd = At(0, hour + 1);
                 cUnusedTime* period = nullptr;
                 for (cUnusedTime& free : s.db.CourtTime().AllItems<cUnusedTime>()) {
                     if (free.m_nCourt == 1 && free.m_tStart <= At(0, hour) &&
                         At(0, hour + 1) <= free.m_tEnd) {
                         period = &free;
                     }
                 }
                 ASSERT_NE(period, nullptr);
                 TakeCourtTime(s.db, *period, At(0, hour), At(0, hour + 1));
                 s.db.Scheduled().AddItem(std::move(playoff), true);
             }
         }},
        {"the same number in two leagues",
         [](cSmallSeason& s) {
             cLeague& other = BuildLeague(s.db, "Other", "O");
             BuildTeam(other, "Dogs");
             BuildTeam(other, "Eels");
             auto match = std::make_unique<cMatch>();
             match->m_nLeague = other.m_nIndex;
             match->m_nHomeTeam = 0;
             match->m_nGuestTeam = 1;
             match->m_nRound = 1;
             match->m_nNumber = s.first->m_nNumber;
             match->m_nCourt = 1;
             match->m_tStart = At(3, 10);
             match->m_tEnd = At(3, 11);
             auto& placed = static_cast<cMatch&>(s.db.Scheduled().AddItem(std::move(match), true));
             auto result = std::make_unique<cResult>();
             result->CopyPairing(placed);
             cResult::Link(*result, placed);
             s.db.Results().AddItem(std::move(result), true);
             s.db.Unscheduled().m_bUpToDate = 0;
         }},
        {"an emptied indexed list",
         [](cSmallSeason& s) {
             cLeague& other = BuildLeague(s.db, "Other", "O");
             ASSERT_TRUE(other.Teams().DeleteItem(BuildTeam(other, "Dogs"), s.db));
         }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        cSmallSeason season;
        change(season);
        EXPECT_EQ(Joined(CheckInvariants(season.db)), "");
    }
}

TEST(OccupiedCourtTime, JoinsFreeTimeAndMatchesPerCourt)
{
    cSmallSeason season;
    AddCourtTime(season.db, std::make_unique<cUnusedTime>(1, At(2, 9), At(2, 12)));
    const std::map<int, std::vector<cInterval>> expected = {
        {0, {{At(0, 18), At(0, 22)}}},
        {1, {{At(0, 18), At(0, 22)}, {At(2, 9), At(2, 12)}}},
    };
    EXPECT_EQ(OccupiedCourtTime(season.db), expected);

    // A match on time that was never free shows up as more court time.
    auto playoff = std::make_unique<cPlayoffMatch>();
    playoff->m_nCourt = 0;
    playoff->m_tStart = At(0, 22);
    playoff->m_tEnd = At(0, 23);
    season.db.Scheduled().AddItem(std::move(playoff), true);
    EXPECT_EQ(OccupiedCourtTime(season.db).at(0), (std::vector<cInterval>{{At(0, 18), At(0, 23)}}));
}

TEST(OccupiedCourtTime, DeletingAMatchGivesItsTimeBack)
{
    cSmallSeason season;
    const auto before = OccupiedCourtTime(season.db);
    ASSERT_TRUE(season.db.Scheduled().DeleteItem(*season.first, season.db));
    EXPECT_EQ(OccupiedCourtTime(season.db), before);
    EXPECT_EQ(Joined(CheckInvariants(season.db)), "");
    EXPECT_EQ(season.official->m_nGames, 0);
}

// The court time of a generated season: evenings and weekend days, late
// sessions past midnight too, or those from October to April.
enum class eCourtTime
{
    Evenings,
    PastMidnight,
    AcrossClockChanges,
};
TEST(CourtMinutes, CountsFreeTimeAndMatchesWhole)
{
    cSmallSeason season;
    // Two evenings of four hours, each with a match of an hour cut out.
    EXPECT_EQ(CourtMinutes(season.db), (std::map<int, long long>{{0, 240}, {1, 240}}));
    ASSERT_TRUE(season.db.Scheduled().DeleteItem(*season.first, season.db));
    EXPECT_EQ(CourtMinutes(season.db), (std::map<int, long long>{{0, 240}, {1, 240}}));
    // A period that overlaps free time counts twice.
    season.RawPeriod(1, At(0, 18), At(0, 19));
    EXPECT_EQ(CourtMinutes(season.db).at(1), 300);
}

TEST(PlayedResults, KeysPlayedResultsByTheirMatch)
{
    cSmallSeason season;
    EXPECT_TRUE(PlayedResults(season.db).empty()) << "results not played do not count";
    cResult& result = *season.first->GetResult();
    result.m_bPlayed = 1;
    result.m_nHomeScore[0] = 3;
    result.m_nGuestScore[0] = 1;
    const auto before = PlayedResults(season.db);
    ASSERT_EQ(before.size(), 1U);
    EXPECT_EQ(before.begin()->first, "league 0: 0-1 round 1");
    EXPECT_EQ(before.begin()->second, "3-1 0-0 0-0 0-0 0-0 0-0 0-0 0-0 0-0 0-0");

    season.first->m_nNumber = 77;
    EXPECT_EQ(ResultChanges(before, PlayedResults(season.db)), std::vector<std::string>{})
        << "a new match number is no change";
    result.m_nGuestScore[3] = 2;
    result.m_bGuestDisqualified = 1;
    EXPECT_EQ(ResultChanges(before, PlayedResults(season.db)),
              std::vector<std::string>{"the result of league 0: 0-1 round 1 changed from 3-1 0-0 0-0 0-0 0-0 "
                                       "0-0 0-0 0-0 0-0 0-0 to 3-1 0-0 0-0 0-2 0-0 0-0 0-0 0-0 0-0 0-0 "
                                       "guests disqualified"});
    const auto changed = PlayedResults(season.db);
    result.m_bPlayed = 0;
    const auto none = PlayedResults(season.db);
    EXPECT_TRUE(Mentions(ResultChanges(changed, none), "is gone"));
    EXPECT_EQ(ResultChanges(changed, none, true), std::vector<std::string>{}) << "removals allowed";
    EXPECT_TRUE(Mentions(ResultChanges(none, changed, true), "appeared"));
}

// A generated season, scheduled by the engine, then taken apart by the
// cascading deletes: every step leaves the rules intact.
class cGeneratedSeason : public ::testing::TestWithParam<eCourtTime>
{
protected:
    void SetUp() override
    {
        db.SetPrompt(&prompt);
        db.m_random.Seed(11);
        cSeasonShape shape = GetParam() == eCourtTime::AcrossClockChanges ? cSeasonShape::AcrossClockChanges()
                                                                          : cSeasonShape::Small();
        shape.lateSessions = GetParam() != eCourtTime::Evenings;
        GenerateSeason(db, shape);
    }
    void TearDown() override { db.SetPrompt(nullptr); }

    cDatabase db;
    cScriptedPrompt prompt;
};

TEST_P(cGeneratedSeason, TheSchedulerKeepsEveryRuleAndTheCourtTime)
{
    ASSERT_EQ(Joined(CheckInvariants(db)), "");
    const auto before = OccupiedCourtTime(db);
    const cScheduleRun run = ScheduleAutomatically(db);
    ASSERT_GT(run.placed, 40);
    EXPECT_EQ(Joined(CheckInvariants(db)), "");
    EXPECT_EQ(OccupiedCourtTime(db), before);

    // A second run finds nothing new to place and changes nothing.
    ScheduleAutomatically(db);
    EXPECT_EQ(Joined(CheckInvariants(db)), "");
    EXPECT_EQ(OccupiedCourtTime(db), before);
}

TEST_P(cGeneratedSeason, DeletingMatchesReturnsThemAndTheirTime)
{
    ScheduleAutomatically(db);
    const auto before = OccupiedCourtTime(db);
    const int officialIndex = BuildOfficial(db, "Olga").m_nIndex;
    int n = 0;
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (n++ % 4 == 0) {
            match.SetOfficial(db, officialIndex, 1);
        }
    }
    ASSERT_EQ(Joined(CheckInvariants(db)), "");

    const int scheduled = db.Scheduled().GetCount();
    const int waiting = db.Unscheduled().GetCount();
    std::vector<cMatch*> doomed;
    n = 0;
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (n++ % 3 == 0) {
            doomed.push_back(&match);
        }
    }
    for (cMatch* match : doomed) {
        ASSERT_TRUE(db.Scheduled().DeleteItem(*match, db));
        ASSERT_EQ(Joined(CheckInvariants(db)), "");
    }
    EXPECT_EQ(db.Scheduled().GetCount(), scheduled - static_cast<int>(doomed.size()));
    EXPECT_EQ(db.Unscheduled().GetCount(), waiting + static_cast<int>(doomed.size()));
    EXPECT_EQ(OccupiedCourtTime(db), before);

    // Placed again, they take the same court time.
    ScheduleAutomatically(db);
    EXPECT_EQ(Joined(CheckInvariants(db)), "");
    EXPECT_EQ(OccupiedCourtTime(db), before);
}

TEST_P(cGeneratedSeason, CascadingDeletesKeepEveryRule)
{
    ScheduleAutomatically(db);
    cReferee& official = BuildOfficial(db, "Olga");
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        match.SetOfficial(db, official.m_nIndex, 0);
    }
    auto entry = std::make_unique<cIllTeam>();
    entry->m_nLeague = 1;
    entry->m_nTeam = 2;
    official.TeamConflicts().AddItem(std::move(entry), true);
    ASSERT_EQ(Joined(CheckInvariants(db)), "");

    const auto refreshed = [&] {
        db.Results().Refresh();
        RebuildUnscheduled(db);
        return Joined(CheckInvariants(db));
    };

    ASSERT_TRUE(db.Officials().DeleteItem(official, db));
    EXPECT_EQ(Joined(CheckInvariants(db)), "");

    cLeague& first = *db.GetLeague(0);
    ASSERT_TRUE(first.Teams().DeleteItem(*first.GetTeam(2), db));
    EXPECT_EQ(Joined(CheckInvariants(db)), "");
    EXPECT_EQ(refreshed(), "");

    // The court's matches go back to the unscheduled list, its time goes away.
    auto others = OccupiedCourtTime(db);
    others.erase(1);
    ASSERT_TRUE(db.Courts().DeleteItem(*db.GetCourt(1), db));
    EXPECT_EQ(Joined(CheckInvariants(db)), "");
    EXPECT_EQ(OccupiedCourtTime(db), others);
    EXPECT_EQ(refreshed(), "");

    ASSERT_TRUE(db.Leagues().DeleteItem(*db.GetLeague(1), db));
    EXPECT_EQ(Joined(CheckInvariants(db)), "");
    EXPECT_EQ(refreshed(), "");
    EXPECT_EQ(OccupiedCourtTime(db), others);
}

std::string CourtTimeName(const ::testing::TestParamInfo<eCourtTime>& info)
{
    switch (info.param) {
    case eCourtTime::Evenings:
        return "Evenings";
    case eCourtTime::PastMidnight:
        return "PastMidnight";
    case eCourtTime::AcrossClockChanges:
        return "AcrossClockChanges";
    }
    return "";
}

INSTANTIATE_TEST_SUITE_P(CourtTime, cGeneratedSeason,
                         ::testing::Values(eCourtTime::Evenings, eCourtTime::PastMidnight,
                                           eCourtTime::AcrossClockChanges),
                         CourtTimeName);

} // namespace
