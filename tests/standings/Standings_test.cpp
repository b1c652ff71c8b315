#include "StandingsFixture.h"
#include "model/cDatabaseListener.h"
#include "model/cTeam.h"
#include "standings/Criteria.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using Texts = std::vector<std::string>;

// Six teams, three sets a game. A: 2 wins, 1 draw; B: 1 win, 1 loss; C: 1
// draw, 3 losses; D: 1 win, 1 disqualification; E: 1 win; F: no game.
void Season(cStandingsFixture& f)
{
    f.m_db.m_tableSettings.m_nMaxSets = 3;
    f.Played(A, B, {2, 1, {{25, 20}, {20, 25}, {25, 10}}});
    f.Played(C, D, {0, 2, {{10, 25}, {15, 25}}});
    f.Played(B, C, {2, 0, {{25, 23}, {25, 23}}});
    f.Played(D, A, {0, 2, {{0, 25}, {0, 25}}, true});
    f.Played(A, C, {1, 1, {{20, 20}}});
    f.Unplayed(B, D);
    f.Played(E, C, {4, 0, {{25, 0}, {25, 0}, {25, 0}}});
    f.Played(A, F, {9, 0, {{25, 0}}}, 1); // another league
    cResult& removed = f.Played(F, A, {5, 0});
    removed.m_bPlayed = 0; // removed: the scores stay stored but count for nothing
}

TEST(Standings, RowValuesOfEveryCriterion)
{
    struct cCase
    {
        int criterion;
        std::vector<double> values; // A ... F
    };
    const std::vector<cCase> cases = {
        {kCriterionDisqualification, {0, 0, 0, -1, 0, 0}},
        {kCriterionPoints, {5, 2, 1, 2, 2, 0}},
        {kCriterionWinRatio, {2.0 / 3, 0.5, 0, 0.5, 1, 0}},
        {kCriterionGoalDifference, {3, 1, -8, 0, 4, 0}},
        {kCriterionGoalRatio, {2.5, 1.5, 1.0 / 9, 1, 4, 0}},
        {kCriterionGoalsScored, {5, 3, 1, 2, 4, 0}},
        {kCriterionBallDifference, {65, -11, -104, -25, 75, 0}},
        {kCriterionBallRatio, {140.0 / 75, 105.0 / 116, 91.0 / 195, 50.0 / 75, 75, 0}},
    };
    cStandingsFixture f(6);
    Season(f);
    f.Table();
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.criterion);
        for (int team = A; team <= F; ++team) {
            EXPECT_DOUBLE_EQ(RowValue(c.criterion, f.Row(team)), c.values[static_cast<std::size_t>(team)])
                << static_cast<char>('A' + team);
        }
    }
    EXPECT_EQ(f.Row(D).GetColumnText(7), "   2-2") << "a disqualified team's scores count";
}

TEST(Standings, MutualValuesOfEveryCriterion)
{
    struct cCase
    {
        int criterion;
        int team;
        int opponent;
        double value;
    };
    const std::vector<cCase> cases = {
        {kCriterionMutualPoints, A, B, 2},
        {kCriterionMutualPoints, B, A, -2},
        {kCriterionMutualPoints, A, C, 0},
        {kCriterionMutualPoints, D, A, -2},
        {kCriterionMutualWinRatio, A, B, 1},
        {kCriterionMutualWinRatio, B, D, 0},
        {kCriterionMutualWinRatio, A, F, 0},
        {kCriterionMutualGoalDifference, A, D, 2},
        {kCriterionMutualGoalRatio, A, D, 2},
        {kCriterionMutualGoalRatio, D, A, 0},
        {kCriterionMutualGoalRatio, A, B, 2},
        {kCriterionMutualGoalRatio, B, A, 0.5},
        {kCriterionMutualGoalRatio, B, D, 0},
        {kCriterionMutualGoalsScored, A, B, 2},
        {kCriterionMutualGoalsScored, B, A, 1},
        {kCriterionMutualBallDifference, A, B, 15},
        {kCriterionMutualBallRatio, A, B, 70.0 / 55},
        {kCriterionMutualBallRatio, C, E, 0},
        {kCriterionMutualBallRatio, E, C, 75},
        {kCriterionGoalDifference, A, B, 0},
    };
    cStandingsFixture f(6);
    Season(f);
    for (const cCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.criterion << " " << c.team << "-" << c.opponent);
        EXPECT_DOUBLE_EQ(
            MutualValue(c.criterion, f.m_db.Results(), f.m_db.m_tableSettings, 0, c.team, c.opponent),
            c.value);
    }
}

TEST(Standings, SingleResultGamesCollectNoSetPoints)
{
    cStandingsFixture f(6);
    Season(f);
    f.m_db.m_tableSettings.m_nMaxSets = 1;
    f.Table();
    for (int team = A; team <= F; ++team) {
        EXPECT_EQ(f.Row(team).GetColumnText(8), "   0-0");
        for (const int criterion : {kCriterionMutualBallDifference, kCriterionMutualBallRatio}) {
            EXPECT_EQ(MutualValue(criterion, f.m_db.Results(), f.m_db.m_tableSettings, 0, team, A), 0);
        }
    }
}

TEST(Standings, RankingThroughTheDatabase)
{
    struct cCase
    {
        const char* name;
        std::vector<int> criteria;
        Texts expected;
    };
    const std::vector<cCase> cases = {
        {"points, then goal difference",
         {kCriterionPoints, kCriterionGoalDifference},
         {"1 A", "2 E", "3 B", "4 D", "5 C", "6 F"}},
        {"points alone", {kCriterionPoints}, {"1 A", "2 B", "2 D", "2 E", "5 C", "6 F"}},
        {"disqualifications first",
         {kCriterionDisqualification, kCriterionPoints},
         {"1 A", "2 B", "2 E", "4 C", "5 F", "6 D"}},
        {"win ratio", {kCriterionWinRatio}, {"1 E", "2 A", "3 B", "3 D", "5 C", "5 F"}},
        {"ball ratio", {kCriterionBallRatio}, {"1 E", "2 A", "3 B", "4 D", "5 C", "6 F"}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cStandingsFixture f(6);
        Season(f);
        f.m_db.m_tableSettings.m_nPriority.fill(0);
        for (std::size_t k = 0; k < c.criteria.size(); ++k) {
            f.m_db.m_tableSettings.m_nPriority[static_cast<std::size_t>(c.criteria[k])] =
                static_cast<int>(k) + 1;
        }
        f.m_db.m_tableSettings.RecomputeOrder();
        EXPECT_EQ(f.Table(), c.expected);
    }
}

TEST(Standings, LevelTeamsShareThePositionAndKeepTheirOrder)
{
    cStandingsFixture f;
    f.Played(B, C, {3, 0});
    cResult& ad = f.Played(A, D, {1, 0});
    EXPECT_EQ(f.Table(), (Texts{"1 B", "2 A", "3 D", "4 C"}));
    ad.m_nHomeScore[0] = 3; // A level with B on points and goal difference, C with D
    EXPECT_EQ(f.Table(), (Texts{"1 B", "1 A", "3 D", "3 C"}));
    EXPECT_EQ(f.Table(), (Texts{"1 B", "1 A", "3 D", "3 C"}));
}

TEST(Standings, MutualCriteriaRankTheTeamThatDidBetterAgainstTheOther)
{
    struct cCase
    {
        const char* name;
        int criterion;
        std::vector<std::tuple<int, int, int, int>> games; // home, guest, scores
        Texts expected;
    };
    // In the first games B won the mutual game 1-0; A and B are level on
    // points, as are C and D, who never met.
    const std::vector<std::tuple<int, int, int, int>> oneNil = {
        {B, A, 1, 0}, {A, C, 1, 0}, {A, D, 1, 0}, {B, C, 1, 0}};
    const Texts bFirst = {"1 B", "2 A", "3 C", "3 D"};
    const std::vector<cCase> cases = {
        {"points", kCriterionMutualPoints, oneNil, bFirst},
        {"won ratio", kCriterionMutualWinRatio, oneNil, bFirst},
        {"goal difference", kCriterionMutualGoalDifference, oneNil, bFirst},
        {"goal ratio of 1-0", kCriterionMutualGoalRatio, oneNil, bFirst},
        {"goals scored", kCriterionMutualGoalsScored, oneNil, bFirst},
        {"goals scored, both scoring", kCriterionMutualGoalsScored, {{A, B, 1, 0}, {B, A, 4, 2}}, bFirst},
        {"goals scored, level",
         kCriterionMutualGoalsScored,
         {{A, B, 1, 3}, {B, A, 0, 2}},
         {"1 A", "1 B", "3 C", "3 D"}},
        {"won ratio, level",
         kCriterionMutualWinRatio,
         {{A, B, 1, 3}, {B, A, 0, 2}},
         {"1 A", "1 B", "3 C", "3 D"}},
        {"circle stays level",
         kCriterionMutualPoints,
         {{A, B, 1, 0}, {B, C, 1, 0}, {C, A, 1, 0}},
         {"1 A", "1 B", "1 C", "4 D"}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cStandingsFixture f;
        f.Rank({kCriterionPoints, c.criterion});
        for (const auto& [home, guest, h, g] : c.games) {
            f.Played(home, guest, {h, g});
        }
        EXPECT_EQ(f.Table(), c.expected);
    }
}

TEST(Standings, MutualPointsAloneSplitARoundRobin)
{
    cStandingsFixture f;
    f.Rank({kCriterionMutualPoints});
    f.Played(C, D, {1, 0});
    f.Played(B, D, {2, 0});
    f.Played(B, C, {2, 0});
    f.Played(A, D, {2, 0});
    f.Played(A, C, {2, 0});
    f.Played(D, B, {1, 1}); // level at home, beaten away: D stays behind
    f.Played(A, B, {1, 1});
    EXPECT_EQ(f.Table(), (Texts{"1 A", "1 B", "3 C", "4 D"}));
}

TEST(Standings, BonusPointsCountUnlessIgnored)
{
    cStandingsFixture f(2);
    f.Played(B, A, {1, 0});
    f.m_db.GetTeam(0, A)->m_nBonusPoints = 3;
    EXPECT_EQ(f.Table(), (Texts{"1 A", "2 B"}));
    f.m_db.m_tableSettings.m_bIgnoreBonusPoints = 1;
    EXPECT_EQ(f.Table(), (Texts{"1 B", "2 A"}));
}

class cRecordingListener : public cDatabaseListener
{
public:
    void ItemsChanged(const cTournelDb&, const cDbItem*) override { ++changes; }
    void ContainersReplaced() override {}
    void BeforePrompt(bool) override {}
    int changes = 0;
};

TEST(Standings, BringingUpToDateIsDerivedWork)
{
    cStandingsFixture f(3);
    BuildTeam(BuildLeague(f.m_db, "Under 14", "U14"), "X");
    f.Played(C, A, {2, 0});
    f.m_db.SetModifiedFlag(false);
    f.m_db.InvalidateTables();
    cRecordingListener listener;
    f.m_db.SetListener(&listener);

    BringTablesUpToDate(f.m_db);
    EXPECT_EQ(f.Shown(), (Texts{"1 C", "2 B", "3 A"}));
    EXPECT_GT(listener.changes, 0) << "a new order is announced";
    EXPECT_FALSE(f.m_db.IsModified());
    for (const cLeague& league : f.m_db.Leagues().AllItems<cLeague>()) {
        EXPECT_EQ(league.Table().m_bUpToDate, 1);
    }

    // Up to date: nothing is counted again until the table goes out of date.
    listener.changes = 0;
    f.Played(B, C, {5, 0});
    BringTableUpToDate(f.m_db, f.m_league);
    EXPECT_EQ(f.Shown(), (Texts{"1 C", "2 B", "3 A"}));
    f.m_league.Table().m_bUpToDate = 0;
    BringTableUpToDate(f.m_db, f.m_league);
    EXPECT_EQ(f.Shown(), (Texts{"1 B", "2 C", "3 A"}));
    f.m_db.SetListener(nullptr);
}

TEST(Standings, DamagedSettingsNeverLeaveTheCriteria)
{
    struct cCase
    {
        const char* name;
        std::function<void(cTableSettings&)> damage;
        Texts expected;
    };
    const Texts defaults = {"1 A", "2 E", "3 B", "4 D", "5 C", "6 F"};
    const Texts byPoints = {"1 A", "2 B", "2 D", "2 E", "5 C", "6 F"};
    const Texts byGoals = {"1 E", "2 A", "3 B", "4 D", "4 F", "6 C"};
    const auto only = [](int criterion, int priority) {
        return [=](cTableSettings& s) {
            s.m_nPriority.fill(0);
            s.m_nPriority[static_cast<std::size_t>(criterion)] = priority;
        };
    };
    const std::vector<cCase> cases = {
        {"no criterion", only(kCriterionPoints, 0), defaults},
        {"priority 16", only(kCriterionPoints, 16), defaults},
        {"priority -1", only(kCriterionPoints, -1), defaults},
        {"priority INT_MIN", only(kCriterionPoints, INT_MIN), defaults},
        {"priority INT_MAX", only(kCriterionPoints, INT_MAX), defaults},
        {"gap before the first", only(kCriterionGoalDifference, 7), byGoals},
        {"out of range beside a valid one",
         [](cTableSettings& s) {
             s.m_nPriority.fill(1000);
             s.m_nPriority[kCriterionPoints] = 2;
         },
         byPoints},
        {"shared priority: lowest code",
         [](cTableSettings& s) { s.m_nPriority.fill(1); },
         {"1 A", "1 B", "1 C", "1 E", "1 F", "6 D"}},
        {"order list and count wrong",
         [](cTableSettings& s) {
             s.m_nCriterionByPriority.fill(99);
             s.m_nCriterionByPriority[0] = -7;
             s.m_nCriteriaCount = 1000;
         },
         defaults},
        {"negative count", [](cTableSettings& s) { s.m_nCriteriaCount = -5; }, defaults},
        {"no criterion, order list claims one",
         [](cTableSettings& s) {
             s.m_nPriority.fill(0);
             s.m_nCriterionByPriority.fill(kCriterionGoalDifference);
             s.m_nCriteriaCount = 15;
         },
         defaults},
        {"maximum sets 0", [](cTableSettings& s) { s.m_nMaxSets = 0; }, defaults},
        {"maximum sets INT_MAX", [](cTableSettings& s) { s.m_nMaxSets = INT_MAX; }, defaults},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cStandingsFixture f(6);
        Season(f);
        c.damage(f.m_db.m_tableSettings);
        const cTableSettings stored = f.m_db.m_tableSettings;
        EXPECT_EQ(f.Table(), c.expected);
        EXPECT_EQ(f.m_db.m_tableSettings.m_nPriority, stored.m_nPriority) << "the record is left alone";
        EXPECT_EQ(f.m_db.m_tableSettings.m_nPointsVictory, stored.m_nPointsVictory);
    }
}

TEST(Standings, DamagedTablesAndResultsAreSurvived)
{
    // An item that is no table row: the table is left as it is.
    cStandingsFixture foreign(2);
    foreign.Played(B, A, {1, 0});
    foreign.m_league.Table().AddItem(std::make_unique<cResult>(), false);
    foreign.Row(A).m_nPosition = 7;
    foreign.Table();
    EXPECT_EQ(foreign.Row(A).m_nPosition, 7);
    EXPECT_EQ(foreign.m_league.Table().m_bUpToDate, 1);

    // A row of no team, scores that overflow any sum.
    cStandingsFixture f(2);
    f.m_league.Table().AddItem(std::make_unique<cTableItem>(42), false);
    f.Played(A, B, {INT_MAX, INT_MIN});
    f.Played(B, A, {INT_MIN, INT_MAX});
    f.Rank({kCriterionGoalDifference, kCriterionGoalRatio, kCriterionMutualGoalRatio});
    EXPECT_EQ(f.Table(), (Texts{"1 A", "2 ", "3 B"}));
    EXPECT_GT(f.Row(A).Scored(), 0) << "no sum wraps around";
    EXPECT_LT(f.Row(B).Scored(), 0);
    EXPECT_EQ(f.Row(A).Wins(), 2);
}

} // namespace
