#include "StandingsFixture.h"
#include "standings/ResultPoints.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(ResultPoints, PointsForEachSideAndCase)
{
    struct cCase
    {
        const char* name;
        cScore score;
        bool played;
        int league;
        int home;  // points of team A (home)
        int guest; // points of team B (guest)
    };
    // Victory 3, draw 1, lost 0, disqualification -1: every award tells apart.
    const std::vector<cCase> cases = {
        {"home win", {2, 1}, true, 0, 3, 0},
        {"guest win", {0, 4}, true, 0, 0, 3},
        {"draw", {1, 1}, true, 0, 1, 1},
        {"home disqualified loses", {0, 3, {}, true}, true, 0, -1, 3},
        {"disqualification before the score", {5, 0, {}, true}, true, 0, -1, 0},
        {"guest disqualified", {3, 0, {}, false, true}, true, 0, 3, -1},
        {"both disqualified", {0, 0, {}, true, true}, true, 0, -1, -1},
        {"not played", {2, 1, {}, true}, false, 0, 0, 0},
        {"other league", {2, 1}, true, 1, 0, 0},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cStandingsFixture f;
        cTableSettings& settings = f.m_db.m_tableSettings;
        settings.m_nPointsVictory = 3;
        settings.m_nPointsDraw = 1;
        settings.m_nPointsLost = 0;
        settings.m_nPointsDisqualified = -1;
        cResult& result = f.Played(A, B, c.score, c.league);
        result.m_bPlayed = c.played ? 1 : 0;
        EXPECT_EQ(PointsFor(result, settings, 0, A), c.home);
        EXPECT_EQ(PointsFor(result, settings, 0, B), c.guest);
        EXPECT_EQ(PointsFor(result, settings, 0, C), 0);
        EXPECT_EQ(ScoreFor(result, 0, A), c.played && c.league == 0 ? c.score.home : 0);
        EXPECT_EQ(ScoreFor(result, 0, B), c.played && c.league == 0 ? c.score.guest : 0);
        EXPECT_EQ(ScoreFor(result, 0, C), 0);
    }
}

TEST(ResultPoints, SetPointsCountOnlySetsUpToTheMaximum)
{
    struct cCase
    {
        int maxSets;
        int home;
        int guest;
    };
    // Sets 1-9 hold 1, 2, ... 9 for the home team and 10 times that for the guest.
    const std::vector<cCase> cases = {
        {1, 0, 0},    {0, 0, 0},    {-5, 0, 0},      {3, 6, 60},
        {5, 15, 150}, {9, 45, 450}, {1000, 45, 450}, {INT_MAX, 45, 450},
    };
    cStandingsFixture f;
    cScore score{3, 0};
    for (int set = 1; set <= 9; ++set) {
        score.sets.push_back({set, 10 * set});
    }
    const cResult& result = f.Played(A, B, score);
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.maxSets);
        f.m_db.m_tableSettings.m_nMaxSets = c.maxSets;
        EXPECT_EQ(SetPointsFor(result, f.m_db.m_tableSettings, 0, A), c.home);
        EXPECT_EQ(SetPointsFor(result, f.m_db.m_tableSettings, 0, B), c.guest);
        EXPECT_EQ(SetPointsFor(result, f.m_db.m_tableSettings, 0, C), 0);
    }
}

TEST(ResultPoints, SetPointsOfHugeScoresStayWithinAnInt)
{
    cStandingsFixture f;
    f.m_db.m_tableSettings.m_nMaxSets = 9;
    cScore score{1, 0};
    score.sets.assign(9, {INT_MAX, INT_MIN});
    const cResult& result = f.Played(A, B, score);
    EXPECT_EQ(SetPointsFor(result, f.m_db.m_tableSettings, 0, A), INT_MAX);
    EXPECT_EQ(SetPointsFor(result, f.m_db.m_tableSettings, 0, B), INT_MIN);
}

TEST(ResultPoints, FindMutualResultWalksForwardInEitherOrder)
{
    cStandingsFixture f;
    const cResult& first = f.Played(A, B, {1, 0});
    f.Played(A, B, {1, 0}, 1); // same teams, other league
    f.Played(C, A, {1, 0});
    const cResult& unplayed = f.Unplayed(B, A);
    const cDbItem* head = f.m_db.Results().GetHead();

    EXPECT_EQ(FindMutualResult(head, 0, A, B), &first);
    EXPECT_EQ(FindMutualResult(head, 0, B, A), &first);
    EXPECT_EQ(FindMutualResult(first.NextLink(), 0, A, B), &unplayed);
    EXPECT_EQ(FindMutualResult(unplayed.NextLink(), 0, A, B), nullptr);
    EXPECT_EQ(FindMutualResult(head, 1, B, A), first.NextLink());
    EXPECT_EQ(FindMutualResult(head, 0, B, C), nullptr);
    EXPECT_EQ(FindMutualResult(nullptr, 0, A, B), nullptr);
}

} // namespace
