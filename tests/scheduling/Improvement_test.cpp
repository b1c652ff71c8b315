// Improving a schedule after the automatic scheduler: more matches placed,
// every placement within the rules, nothing moved that must stay, the same
// seed giving the same file, and Cancel keeping what was found.

#include "SchedulingTestSupport.h"
#include "model/Strings.h"
#include "model/cReferee.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/CheckPlacements.h"
#include "scheduling/Improvement.h"
#include "scheduling/Placement.h"
#include "scheduling/Replanning.h"
#include "support/SaveOpenSave.h"
#include "support/cSeasonInvariants.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <gtest/gtest.h>
#include <map>
#include <tuple>
#include <vector>

namespace {

using cKey = std::tuple<int, int, int, int>; // league, home, guest, round

cKey KeyOf(const cMatch& match)
{
    return {match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound};
}

// Everything of a scheduled match but its place; the result record by identity.
struct cKept
{
    int number = 0;
    int byHand = 0;
    std::array<int, cMatch::kOfficialPositions> officials{};
    const cResult* result = nullptr;
    int court = 0;
    TimePoint start = 0;
    TimePoint end = 0;
};

std::map<cKey, cKept> Kept(const cDatabase& db)
{
    std::map<cKey, cKept> out;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff()) {
            out[KeyOf(match)] = {match.m_nNumber, match.m_bByHand, match.m_nOfficial, match.GetResult(),
                                 match.m_nCourt,  match.m_tStart,  match.m_tEnd};
        }
    }
    return out;
}

// Many teams for few weeks: a team can play only once a week, so the
// scheduler leaves matches behind that other arrangements would place.
cSeasonShape Tight(int weeks)
{
    cSeasonShape shape;
    shape.leagues = 3;
    shape.teamsPerLeague = 10;
    shape.courts = 3;
    shape.weeks = weeks;
    shape.constraints = false;
    return shape;
}

struct cRun
{
    int before = 0; // scheduled after the automatic scheduler
    cImprovement improvement;
};

cRun ScheduleAndImprove(cTestSeason& season, const cSeasonShape& shape, std::uint32_t seed, int effort)
{
    season.db.m_random.Seed(seed);
    GenerateSeason(season.db, shape);
    cRun run;
    run.before = ScheduleAutomatically(season.db).scheduled;
    run.improvement = ImproveSchedule(season.db, effort, seed);
    return run;
}

TEST(ImproveSchedule, PlacesMoreThanTheSchedulerWithAnySeedAndBreaksNoRule)
{
    struct cCase
    {
        const char* name;
        int weeks;
    };
    for (const cCase& c : {cCase{"ten weeks", 10}, cCase{"thirteen weeks", 13}}) {
        SCOPED_TRACE(c.name);
        int bestOfScheduler = 0;
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            cTestSeason season;
            season.db.m_random.Seed(seed);
            GenerateSeason(season.db, Tight(c.weeks));
            bestOfScheduler = std::max(bestOfScheduler, ScheduleAutomatically(season.db).scheduled);
        }
        for (const std::uint32_t seed : {1u, 2u}) {
            SCOPED_TRACE(seed);
            cTestSeason season;
            const cRun run = ScheduleAndImprove(season, Tight(c.weeks), seed, 2);
            const cDatabase& db = season.db;
            EXPECT_GT(run.improvement.scheduled, bestOfScheduler);
            EXPECT_GE(run.improvement.placed, 5) << "clearly more than the scheduler with the same seed";
            EXPECT_EQ(run.improvement.scheduled, run.before + run.improvement.placed);
            EXPECT_EQ(run.improvement.scheduled, db.Scheduled().GetCount());
            EXPECT_GT(run.improvement.moved, 0);
            EXPECT_FALSE(run.improvement.cancelled);
            EXPECT_EQ(run.improvement.message,
                      FormatString(IDS_IMPROVE_DONE, {std::to_string(run.improvement.placed),
                                                      std::to_string(run.improvement.moved),
                                                      std::to_string(run.improvement.scheduled),
                                                      std::to_string(run.improvement.total)}));
            // Every match passes the rules against all the others, by the walk and by the index alike.
            EXPECT_TRUE(CheckPlacements(db, true).empty());
            EXPECT_TRUE(CheckPlacements(db, false).empty());
            EXPECT_EQ(CheckInvariants(db), std::vector<std::string>{});
        }
    }
}

TEST(ImproveSchedule, WhatMustStayStaysAndMovedMatchesKeepAllButTheirPlace)
{
    cTestSeason season;
    cDatabase& db = season.db;
    db.m_random.Seed(5);
    GenerateSeason(db, Tight(10));
    ScheduleAutomatically(db);
    auto official = std::make_unique<cReferee>();
    official->SetNewOfficialDefaults();
    official->m_strName = "Referee";
    const int referee = db.Officials().AddIndexedItem(std::move(official), true, -1).m_nIndex;

    // Every fifth match placed by hand, every seventh played, every eleventh with an official.
    int i = 0;
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        ++i;
        if (i % 5 == 0) {
            match.m_bByHand = 1;
        } else if (i % 7 == 0) {
            match.GetResult()->m_bPlayed = 1;
            match.GetResult()->m_nHomeScore[0] = i % 4;
            match.GetResult()->m_nGuestScore[0] = 2;
        } else if (i % 11 == 0) {
            match.SetOfficial(db, referee, 0);
        }
    }
    cUnusedTime* free = nullptr;
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (period.m_tEnd - period.m_tStart >= 3600) {
            free = &period;
            break;
        }
    }
    ASSERT_NE(free, nullptr);
    const TimePoint playoffStart = free->m_tStart;
    const int playoffCourt = free->m_nCourt;
    TakeCourtTime(db, *free, playoffStart, playoffStart + 3600);
    season.Playoff(*db.GetCourt(playoffCourt), playoffStart);

    const std::map<cKey, cKept> before = Kept(db);
    const auto results = PlayedResults(db);
    const cImprovement improvement = ImproveSchedule(db, 2, 3);
    ASSERT_GT(improvement.placed, 0);
    ASSERT_GT(improvement.moved, 0);

    const std::map<cKey, cKept> after = Kept(db);
    int moved = 0;
    i = 0;
    for (const auto& [key, was] : before) {
        const auto found = after.find(key);
        ASSERT_NE(found, after.end()) << "a scheduled match left the schedule";
        const cKept& now = found->second;
        EXPECT_EQ(now.number, was.number);
        EXPECT_EQ(now.byHand, was.byHand);
        EXPECT_EQ(now.officials, was.officials);
        EXPECT_EQ(now.result, was.result) << "the result record goes with the match";
        EXPECT_EQ(now.end - now.start, was.end - was.start);
        const bool mustStay = was.byHand != 0 || was.result->IsPlayed() || was.officials[0] != -1;
        const bool stayed = now.court == was.court && now.start == was.start;
        EXPECT_TRUE(stayed || !mustStay);
        moved += stayed ? 0 : 1;
    }
    EXPECT_EQ(moved, improvement.moved);
    int playoffs = 0;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (match.IsPlayoff()) {
            ++playoffs;
            EXPECT_EQ(match.m_nCourt, playoffCourt);
            EXPECT_EQ(match.m_tStart, playoffStart);
        } else if (before.find(KeyOf(match)) == before.end()) {
            EXPECT_EQ(match.m_bByHand, 0) << "newly placed as the scheduler places";
            ASSERT_NE(match.GetResult(), nullptr);
            EXPECT_FALSE(match.GetResult()->IsPlayed());
        }
    }
    EXPECT_EQ(playoffs, 1);
    EXPECT_EQ(ResultChanges(results, PlayedResults(db)), std::vector<std::string>{});
    EXPECT_EQ(CheckInvariants(db), std::vector<std::string>{});
    EXPECT_TRUE(CheckPlacements(db).empty());
}

TEST(ImproveSchedule, TheSameSeedAndEffortGiveTheSameFile)
{
    std::vector<std::string> files;
    for (int run = 0; run < 2; ++run) {
        cTestSeason season;
        ScheduleAndImprove(season, Tight(10), 9, 2);
        // The file keeps when it was made, which is the only thing allowed to differ.
        season.db.m_tCreated = season.db.m_tModified = 0;
        files.push_back(SaveToBytes(season.db));
    }
    EXPECT_TRUE(files[0] == files[1]);
}

TEST(ImproveSchedule, CancelKeepsTheBestScheduleFoundSoFar)
{
    // Cancelled after more and more attempts, each answered Yes; the run is
    // the same up to there, so what it keeps never shrinks.
    int lastPlaced = -1;
    for (const int polls : {1, 8, 30, 100000}) {
        SCOPED_TRACE(polls);
        cTestSeason season;
        season.db.m_random.Seed(4);
        GenerateSeason(season.db, Tight(10));
        const int before = ScheduleAutomatically(season.db).scheduled;
        season.prompt.m_shown.clear();
        season.prompt.m_progressOpened = 0;
        season.prompt.m_progressClosed = 0;
        for (int poll = 1; poll < polls; ++poll) {
            season.prompt.Cancel(false);
        }
        season.prompt.Cancel(polls < 100000);
        if (polls < 100000) {
            season.prompt.Answer(true);
        }
        const cImprovement improvement = ImproveSchedule(season.db, 2, 4);
        EXPECT_EQ(improvement.cancelled, polls < 100000);
        EXPECT_EQ(season.db.Scheduled().GetCount(), before + improvement.placed);
        EXPECT_GE(improvement.placed, lastPlaced);
        lastPlaced = improvement.placed;
        EXPECT_TRUE(season.prompt.AllAnswered());
        EXPECT_EQ(season.prompt.m_progressOpened, 1);
        EXPECT_EQ(season.prompt.m_progressClosed, 1);
        EXPECT_EQ(season.prompt.m_shown.back().id, IDS_IMPROVE_DONE);
        EXPECT_TRUE(CheckPlacements(season.db).empty());
        EXPECT_EQ(CheckInvariants(season.db), std::vector<std::string>{});
    }
    EXPECT_GT(lastPlaced, 0);
}

TEST(ImproveSchedule, CancelAnsweredNoGoesOn)
{
    cTestSeason season;
    season.db.m_random.Seed(4);
    GenerateSeason(season.db, Tight(10));
    ScheduleAutomatically(season.db);
    season.prompt.Cancel(false);
    season.prompt.Cancel(true);
    season.prompt.Answer(false);
    const cImprovement improvement = ImproveSchedule(season.db, 1, 4);
    EXPECT_FALSE(improvement.cancelled);
    EXPECT_TRUE(season.prompt.AllAnswered());
}

// Where a match stands within its preferred playing time now.
bool InPreferredTime(const cDatabase& db, const cMatch& match)
{
    const cUnscheduledMatch pairing(match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound,
                                    match.m_nNumber);
    const cUnusedTime here(match.m_nCourt, match.m_tStart, match.m_tEnd);
    return CheckPlacement(db, pairing, here, match.m_tStart, match.m_tEnd, ePass::kWithPreferredTime,
                          &match) != IDS_NOT_PREFERRED_TIME;
}

TEST(ImproveSchedule, OnEveryKindOfSeasonTheCourtTimeStaysWholeAndNoRuleBreaks)
{
    struct cCase
    {
        const char* name;
        cSeasonShape shape;
    };
    std::vector<cCase> cases;
    cSeasonShape constrained = cSeasonShape::Small();
    constrained.leagues = 3;
    constrained.teamsPerLeague = 8;
    constrained.weeks = 12;
    cases.push_back({"constraints", constrained});
    cSeasonShape late = constrained;
    late.lateSessions = true;
    cases.push_back({"sessions past midnight", late});
    cSeasonShape bare = late;
    bare.constraints = false;
    cases.push_back({"no constraints, past midnight", bare});
    cases.push_back({"across both clock changes", cSeasonShape::AcrossClockChanges()});
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        cDatabase& db = season.db;
        db.m_random.Seed(2);
        GenerateSeason(db, c.shape);
        ScheduleAutomatically(db);
        ASSERT_TRUE(CheckPlacements(db).empty());
        const auto occupied = OccupiedCourtTime(db);
        const auto minutes = CourtMinutes(db);
        std::map<cKey, bool> preferred;
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            preferred[KeyOf(match)] = InPreferredTime(db, match);
        }
        const cImprovement improvement = ImproveSchedule(db, 2, 6);
        EXPECT_GT(improvement.moved, 0);
        // Time only went from free to taken and back: none lost, none made.
        EXPECT_TRUE(OccupiedCourtTime(db) == occupied);
        EXPECT_TRUE(CourtMinutes(db) == minutes);
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            if (const auto found = preferred.find(KeyOf(match)); found != preferred.end() && found->second) {
                EXPECT_TRUE(InPreferredTime(db, match)) << MatchLine(match);
            }
        }
        EXPECT_TRUE(CheckPlacements(db, true).empty());
        EXPECT_EQ(CheckInvariants(db), std::vector<std::string>{});
    }
}

TEST(ImproveSchedule, WithNothingWaitingTheSpreadOfStartHoursImproves)
{
    cTestSeason season;
    cDatabase& db = season.db;
    cSeasonShape shape = Tight(30);
    shape.leagues = 2;
    db.m_random.Seed(3);
    GenerateSeason(db, shape);
    ScheduleAutomatically(db);
    ASSERT_EQ(db.Unscheduled().GetCount(), 0);
    const cFairness before = MeasureFairness(db);
    const cImprovement improvement = ImproveSchedule(db, 2, 3);
    const cFairness after = MeasureFairness(db);
    EXPECT_EQ(improvement.placed, 0);
    EXPECT_GT(improvement.moved, 0);
    EXPECT_EQ(after.teams, before.teams);
    EXPECT_LT(after.meanTopHourShare, before.meanTopHourShare - 0.1);
    EXPECT_LE(after.longestRun, before.longestRun);
    EXPECT_TRUE(CheckPlacements(db).empty());
}

TEST(MeasureFairness, RunsAndHoursOfATeam)
{
    cTestSeason season;
    cLeague& league = season.League("L", 4);
    const cCourt& court = season.Court("A");
    // Team 0: home, home, away, home, home, home; at 18:00 four times and 20:00 twice.
    season.Scheduled(league, 0, 1, 1, court, At(0, 1800));
    season.Scheduled(league, 0, 2, 1, court, At(7, 1800));
    season.Scheduled(league, 3, 0, 1, court, At(14, 2000));
    season.Scheduled(league, 0, 1, 2, court, At(21, 1800));
    season.Scheduled(league, 0, 2, 2, court, At(28, 2000));
    season.Scheduled(league, 0, 3, 2, court, At(35, 1800));
    const cFairness fairness = MeasureFairness(season.db);
    EXPECT_EQ(fairness.teams, 4);
    EXPECT_EQ(fairness.longestRun, 3);
    // Team 0: 3, team 1 (away twice): 2, team 2: 2, team 3 (home then away): 1.
    EXPECT_DOUBLE_EQ(fairness.meanLongestRun, (3 + 2 + 2 + 1) / 4.0);
    // Team 0: 4 of 6 at 18:00; team 1: 2 of 2; team 2: 1 of 2; team 3: 1 of 2.
    EXPECT_DOUBLE_EQ(fairness.meanTopHourShare, (4.0 / 6 + 1 + 0.5 + 0.5) / 4);
}

} // namespace
