// Re-planning the matches the rules now refuse: only those move, each to a
// place the rules allow, and the matches the user placed stay unless asked.

#include "SchedulingTestSupport.h"
#include "model/Strings.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/CheckPlacements.h"
#include "scheduling/ConflictReplanning.h"
#include "support/cSeasonInvariants.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
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

using cPlace = std::tuple<int, TimePoint, int, int>; // court, start, number, by hand

std::map<cKey, cPlace> Places(const cDatabase& db)
{
    std::map<cKey, cPlace> out;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        out[KeyOf(match)] = {match.m_nCourt, match.m_tStart, match.m_nNumber, match.m_bByHand};
    }
    return out;
}

std::set<cKey> ConflictKeys(const cDatabase& db)
{
    std::set<cKey> out;
    for (const cConflict& conflict : CheckPlacements(db)) {
        out.insert(KeyOf(*conflict.match));
    }
    return out;
}

TEST(ReplanConflicts, OnlyTheConflictingMatchesMoveAndTheirConflictsGo)
{
    for (const bool allConflicts : {false, true}) {
        SCOPED_TRACE(allConflicts ? "every conflict" : "only those the scheduler placed");
        cTestSeason season;
        cDatabase& db = season.db;
        cSeasonShape shape;
        shape.leagues = 3;
        shape.weeks = 12;
        GenerateSeason(db, shape);
        ScheduleAutomatically(db);

        // A league holiday over two weeks in the middle of the season puts that
        // week's matches of the league in conflict.
        std::vector<const cMatch*> byStart;
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            byStart.push_back(&match);
        }
        std::ranges::sort(byStart, {}, &cMatch::m_tStart);
        const cMatch& middle = *byStart[byStart.size() / 2];
        cLeague& league = *db.GetLeague(middle.m_nLeague);
        const cLocalTime day = LocalTime(middle.m_tStart);
        const TimePoint first = MakeTimePoint(day.year, day.month, day.day);
        AddHoliday(league.Holidays(), first, first + 13 * 86400LL);
        const std::set<cKey> conflicts = ConflictKeys(db);
        ASSERT_GE(conflicts.size(), 4u);

        // One conflicting match was placed by hand, one moved, one played.
        std::set<cKey> staying;
        int marked = 0;
        for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            if (!conflicts.contains(KeyOf(match)) || marked == 3) {
                continue;
            }
            if (marked++ < 2) {
                match.m_bByHand = 1;
                if (!allConflicts) {
                    staying.insert(KeyOf(match));
                }
            } else {
                match.GetResult()->m_bPlayed = 1;
                staying.insert(KeyOf(match));
            }
        }
        const std::map<cKey, cPlace> before = Places(db);
        const auto results = PlayedResults(db);

        const cConflictReplan replan = ReplanConflicts(db, allConflicts, 11);

        EXPECT_EQ(CheckInvariants(db), std::vector<std::string>{});
        EXPECT_EQ(ResultChanges(results, PlayedResults(db)), std::vector<std::string>{});
        EXPECT_EQ(replan.conflicts, static_cast<int>(conflicts.size()));
        EXPECT_EQ(replan.stayed, static_cast<int>(staying.size()));
        EXPECT_EQ(replan.returned, replan.conflicts - replan.stayed);
        EXPECT_EQ(replan.placed + replan.notPlaced, replan.returned);
        EXPECT_GT(replan.placed, 0);
        EXPECT_EQ(season.prompt.m_shown.back().text, replan.message);

        // What stays in conflict is what was to stay.
        EXPECT_EQ(ConflictKeys(db), staying);
        const std::map<cKey, cPlace> after = Places(db);
        int moved = 0;
        for (const auto& [key, place] : before) {
            const auto now = after.find(key);
            if (!conflicts.contains(key) || staying.contains(key)) {
                ASSERT_NE(now, after.end());
                EXPECT_EQ(now->second, place);
            } else if (now != after.end()) {
                ++moved;
                EXPECT_EQ(std::get<2>(now->second), std::get<2>(place)) << "number kept";
                EXPECT_EQ(std::get<3>(now->second), 0) << "placed by the scheduler";
            }
        }
        EXPECT_EQ(moved, replan.placed);
    }
}

TEST(ReplanConflicts, WithoutConflictsNothingChanges)
{
    cTestSeason season;
    GenerateSeason(season.db, cSeasonShape::Small());
    ScheduleAutomatically(season.db);
    const std::map<cKey, cPlace> before = Places(season.db);
    const cConflictReplan replan = ReplanConflicts(season.db, true);
    EXPECT_EQ(replan.conflicts, 0);
    EXPECT_EQ(replan.message, GetString(IDS_REPLAN_NOTHING));
    EXPECT_EQ(Places(season.db), before);
}

} // namespace
