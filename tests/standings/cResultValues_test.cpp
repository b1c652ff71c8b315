#include "StandingsFixture.h"
#include "model/DialogCase.h"
#include "standings/ResultPoints.h"
#include "standings/cResultValues.h"

#include <gtest/gtest.h>

namespace {

using V = cResultValues;
using Sets = std::vector<std::pair<int, int>>;

void SetFinal(V& v, int home, int guest)
{
    v.home[0] = home;
    v.guest[0] = guest;
}

void SetSets(V& v, const Sets& sets)
{
    for (std::size_t i = 0; i < sets.size(); ++i) {
        v.home[i + 1] = sets[i].first;
        v.guest[i + 1] = sets[i].second;
    }
}

cTableSettings Settings(int maxSets, bool allowDraws)
{
    cTableSettings settings;
    settings.m_nMaxSets = maxSets;
    settings.m_bAllowDraws = allowDraws ? 1 : 0;
    return settings;
}

void RunCases(const cTableSettings& settings, const std::vector<cDialogCase<V>>& cases)
{
    RunDialogCases(V{}, cases, [&](const V& values) { return Validate(values, settings); });
}

TEST(ResultValues, SingleResultGames)
{
    // Draws not allowed, so that every rule can fire.
    RunCases(Settings(1, false),
             {
                 {"home win", [](V& v) { SetFinal(v, 3, 1); }, 0},
                 {"draw", [](V& v) { SetFinal(v, 2, 2); }, IDS_DRAW_NOT_ALLOWED, V::kHomeFinal},
                 {"0-0 is a draw too", [](V&) {}, IDS_DRAW_NOT_ALLOWED, V::kHomeFinal},
                 {"draw with both disqualified",
                  [](V& v) { SetFinal(v, 2, 2), v.homeDisqualified = true, v.guestDisqualified = true; }, 0},
                 {"draw with hosts disqualified", [](V& v) { SetFinal(v, 2, 2), v.homeDisqualified = true; },
                  IDS_DRAW_NOT_ALLOWED, V::kHomeFinal},
                 {"disqualified hosts lose", [](V& v) { SetFinal(v, 0, 3), v.homeDisqualified = true; }, 0},
                 {"disqualified hosts win", [](V& v) { SetFinal(v, 3, 0), v.homeDisqualified = true; },
                  IDS_HOME_DISQUALIFIED_WINS, V::kHomeDisqualified},
                 {"disqualified guests win", [](V& v) { SetFinal(v, 1, 2), v.guestDisqualified = true; },
                  IDS_GUEST_DISQUALIFIED_WINS, V::kGuestDisqualified},
                 {"both disqualified, hosts win",
                  [](V& v) { SetFinal(v, 1, 0), v.homeDisqualified = true, v.guestDisqualified = true; },
                  IDS_HOME_DISQUALIFIED_WINS, V::kHomeDisqualified},
                 {"home 10000", [](V& v) { SetFinal(v, 10000, 0); }, IDS_ENTER_INTEGER_BETWEEN, V::kHomeFinal,
                  "Please enter an integer between -9999 and 9999."},
                 {"range before the draw", [](V& v) { SetFinal(v, 10000, 10000); }, IDS_ENTER_INTEGER_BETWEEN,
                  V::kHomeFinal},
                 {"disabled sets are not checked",
                  [](V& v) { SetFinal(v, 1, 0), v.home[1] = 50000, v.guest[9] = -50000; }, 0},
                 {"set scores do not make a winner",
                  [](V& v) {
                      SetFinal(v, 0, 0), SetSets(v, {{25, 20}});
                  },
                  IDS_DRAW_NOT_ALLOWED, V::kHomeFinal},
             });
}

TEST(ResultValues, DrawsAllowed)
{
    for (const int maxSets : {1, 4}) {
        SCOPED_TRACE(maxSets);
        RunCases(Settings(maxSets, true),
                 {
                     {"2-2",
                      [](V& v) {
                          SetFinal(v, 2, 2), SetSets(v, {{25, 20}, {20, 25}});
                      },
                      0},
                     {"draw with hosts disqualified",
                      [](V& v) {
                          SetFinal(v, 2, 2), SetSets(v, {{25, 20}, {20, 25}}), v.homeDisqualified = true;
                      },
                      0},
                 });
    }
}

TEST(ResultValues, MultisetGamesCheckTheComputedFinal)
{
    RunCases(Settings(3, false),
             {
                 {"2-1",
                  [](V& v) {
                      SetSets(v, {{25, 20}, {20, 25}, {25, 23}});
                  },
                  0},
                 {"drawn set counts for nobody",
                  [](V& v) {
                      SetSets(v, {{25, 20}, {20, 25}, {25, 25}});
                  },
                  IDS_DRAW_NOT_ALLOWED, V::HomeField(1)},
                 {"typed final is ignored",
                  [](V& v) {
                      SetFinal(v, 3, 0), SetSets(v, {{25, 20}, {20, 25}});
                  },
                  IDS_DRAW_NOT_ALLOWED, V::HomeField(1)},
                 {"set 4 is not counted",
                  [](V& v) {
                      SetSets(v, {{25, 20}, {20, 25}, {0, 0}, {25, 0}});
                  },
                  IDS_DRAW_NOT_ALLOWED, V::HomeField(1)},
                 {"hosts win the sets while disqualified",
                  [](V& v) {
                      SetFinal(v, 0, 3), SetSets(v, {{25, 20}, {25, 20}}), v.homeDisqualified = true;
                  },
                  IDS_HOME_DISQUALIFIED_WINS, V::kHomeDisqualified},
                 {"guests win the sets while disqualified",
                  [](V& v) {
                      SetFinal(v, 3, 0), SetSets(v, {{2, 25}, {2, 25}}), v.guestDisqualified = true;
                  },
                  IDS_GUEST_DISQUALIFIED_WINS, V::kGuestDisqualified},
                 {"disabled final is not checked",
                  [](V& v) {
                      SetFinal(v, 50000, 0), SetSets(v, {{1, 0}});
                  },
                  0},
                 {"set 3 guest out of range",
                  [](V& v) {
                      SetSets(v, {{1, 0}, {0, 0}, {0, 10000}});
                  },
                  IDS_ENTER_INTEGER_BETWEEN, V::GuestField(3)},
                 {"fields in order: guest set 1 before home set 2",
                  [](V& v) {
                      SetSets(v, {{0, 10000}, {-10000, 0}});
                  },
                  IDS_ENTER_INTEGER_BETWEEN, V::GuestField(1)},
             });
}

TEST(ResultValues, MaximumOutsideOneToNineIsHeldInside)
{
    V values;
    SetFinal(values, 1, 0);
    SetSets(values, {{0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 10000}});
    EXPECT_FALSE(Validate(values, Settings(0, true))) << "0 sets reads as single-result games";
    const cValidation error = Validate(values, Settings(12, true));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, V::GuestField(9));
}

TEST(ResultValues, TakenScores)
{
    struct cCase
    {
        const char* name;
        int maxSets;
        std::pair<int, int> final;
        Sets sets;
        std::pair<int, int> expectedFinal;
        Sets expectedSets; // the rest 0
    };
    const std::vector<cCase> cases = {
        {"single result drops the sets", 1, {3, 1}, {{25, 20}, {7, 7}}, {3, 1}, {}},
        {"three sets", 3, {0, 0}, {{25, 20}, {20, 25}, {25, 23}}, {2, 1}, {{25, 20}, {20, 25}, {25, 23}}},
        {"drawn set", 3, {9, 9}, {{25, 25}, {20, 25}, {25, 23}}, {1, 1}, {{25, 25}, {20, 25}, {25, 23}}},
        {"sets after the maximum become 0",
         2,
         {0, 0},
         {{25, 20}, {25, 20}, {25, 0}, {0, 25}},
         {2, 0},
         {{25, 20}, {25, 20}}},
        {"no set entered keeps the final", 5, {3, 1}, {}, {3, 1}, {}},
        {"0 - 0 sets are not entered", 3, {3, 1}, {{0, 0}, {0, 0}, {0, 0}}, {3, 1}, {}},
        {"one set entered makes the final", 5, {3, 1}, {{0, 0}, {25, 20}}, {1, 0}, {{0, 0}, {25, 20}}},
        {"kept final drops sets after the maximum", 2, {3, 1}, {{0, 0}, {0, 0}, {25, 20}}, {3, 1}, {}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        V values;
        values.homeDisqualified = true;
        SetFinal(values, c.final.first, c.final.second);
        SetSets(values, c.sets);
        const V taken = values.Taken(c.maxSets);
        V expected;
        SetFinal(expected, c.expectedFinal.first, c.expectedFinal.second);
        SetSets(expected, c.expectedSets);
        EXPECT_EQ(taken.home, expected.home);
        EXPECT_EQ(taken.guest, expected.guest);
        EXPECT_TRUE(taken.homeDisqualified);
    }
}

TEST(ResultValues, ShowsStoredScoresOfAnUnplayedResult)
{
    cStandingsFixture f(2);
    cResult& result = f.Played(B, A, {1, 3, {{25, 20}}, false, true});
    result.m_bPlayed = 0;
    const V values = V::FromResult(result, f.m_db);
    EXPECT_EQ(values.homeTeam, "B");
    EXPECT_EQ(values.guestTeam, "A");
    EXPECT_EQ(values.home[0], 1);
    EXPECT_EQ(values.guest[0], 3);
    EXPECT_EQ(values.home[1], 25);
    EXPECT_EQ(values.guest[1], 20);
    EXPECT_FALSE(values.homeDisqualified);
    EXPECT_TRUE(values.guestDisqualified);

    result.m_nGuestTeam = 7;
    EXPECT_EQ(V::FromResult(result, f.m_db).guestTeam, "") << "a team that is gone";
}

TEST(ResultValues, ApplyEntersTheResultAndOutdatesOnlyItsLeague)
{
    cStandingsFixture f(2);
    cLeague& other = BuildLeague(f.m_db, "Seniors", "SEN");
    BuildTeam(other, "X");
    BuildTeam(other, "Y");
    f.m_db.m_tableSettings.m_nMaxSets = 3;
    cResult& result = f.Unplayed(A, B);
    f.m_league.Table().m_bUpToDate = 1;
    other.Table().m_bUpToDate = 1;
    f.m_db.SetModifiedFlag(false);

    V values = V::FromResult(result, f.m_db);
    SetSets(values, {{25, 20}, {20, 25}, {25, 23}, {25, 0}});
    ASSERT_TRUE(ApplyResult(f.m_db, result, values));
    EXPECT_TRUE(result.IsPlayed());
    EXPECT_EQ(result.GetColumnText(6), "    2 - 1  ");
    EXPECT_EQ(result.m_nHomeScore[4], 0);
    EXPECT_EQ(result.m_nGuestScore[3], 23);
    EXPECT_EQ(f.m_league.Table().m_bUpToDate, 0);
    EXPECT_EQ(other.Table().m_bUpToDate, 1);
    EXPECT_TRUE(f.m_db.IsModified());
}

TEST(ResultValues, RefusedEntryStoresNothing)
{
    cStandingsFixture f(2);
    f.m_db.m_tableSettings.m_bAllowDraws = 0;
    cResult& result = f.Unplayed(A, B);
    result.m_nHomeScore[0] = 4;
    f.m_league.Table().m_bUpToDate = 1;
    f.m_db.SetModifiedFlag(false);

    V values = V::FromResult(result, f.m_db);
    SetFinal(values, 2, 2);
    EXPECT_FALSE(ApplyResult(f.m_db, result, values));
    EXPECT_FALSE(result.IsPlayed());
    EXPECT_EQ(result.m_nHomeScore[0], 4);
    EXPECT_EQ(f.m_league.Table().m_bUpToDate, 1);
    EXPECT_FALSE(f.m_db.IsModified());
}

TEST(ResultValues, DisqualifiedHostsEarnTheDisqualificationPoints)
{
    cStandingsFixture f(2);
    f.m_db.m_tableSettings.m_nPointsLost = 1;
    f.m_db.m_tableSettings.m_nPointsDisqualified = -2;
    cResult& result = f.Unplayed(A, B);
    V values = V::FromResult(result, f.m_db);
    SetFinal(values, 0, 3);
    values.homeDisqualified = true;
    ASSERT_TRUE(ApplyResult(f.m_db, result, values));
    EXPECT_EQ(PointsFor(result, f.m_db.m_tableSettings, 0, A), -2);
    EXPECT_EQ(result.GetColumnText(6), "D   0 - 3  ");
    BringTableUpToDate(f.m_db, f.m_league);
    EXPECT_EQ(f.Row(A).GetColumnText(6), "1");
    EXPECT_EQ(f.Row(A).GetColumnText(7), "   0-3") << "a disqualified team's scores still count";
}

TEST(ResultValues, RemovedResultKeepsItsScoresButReadsNotPlayed)
{
    cStandingsFixture f(2);
    cResult& removed = f.Played(A, B, {3, 1});
    cResult& kept = f.Played(B, A, {2, 0});
    ASSERT_EQ(f.Table(), (std::vector<std::string>{"1 A", "1 B"}));
    f.m_db.SetModifiedFlag(false);

    cResult* const selected[] = {&removed, nullptr};
    RemoveResults(f.m_db, selected);
    EXPECT_FALSE(removed.IsPlayed());
    EXPECT_TRUE(kept.IsPlayed());
    EXPECT_EQ(removed.GetColumnText(6), "Not played");
    EXPECT_EQ(removed.GetHomeScore(0), 0);
    EXPECT_EQ(V::FromResult(removed, f.m_db).home[0], 3) << "the dialog shows the old scores again";
    EXPECT_EQ(f.m_league.Table().m_bUpToDate, 0);
    EXPECT_TRUE(f.m_db.IsModified());

    BringTableUpToDate(f.m_db, f.m_league);
    EXPECT_EQ(f.Shown(), (std::vector<std::string>{"1 B", "2 A"}));
    EXPECT_EQ(f.Row(A).GetColumnText(2), "1") << "the removed result is not counted";
}

TEST(ResultValues, RemovingNothingChangesNothing)
{
    cStandingsFixture f(2);
    f.m_league.Table().m_bUpToDate = 1;
    f.m_db.SetModifiedFlag(false);
    RemoveResults(f.m_db, {});
    cResult* const none[] = {nullptr};
    RemoveResults(f.m_db, none);
    EXPECT_FALSE(f.m_db.IsModified());
    EXPECT_EQ(f.m_league.Table().m_bUpToDate, 1);
}

// OK on the dialog as it opens leaves an entered result exactly as stored,
// whatever the number of sets counted when it was entered and now.
TEST(ResultValues, UnchangedDialogLeavesTheResultAsStored)
{
    struct cCase
    {
        const char* name;
        int enteredSets; // the maximum number of sets when the result was entered
        std::pair<int, int> final;
        Sets sets;
        int shownSets; // the maximum when the dialog opens again
        bool allowDraws = true;
    };
    const std::vector<cCase> cases = {
        {"final, then five sets counted", 1, {3, 1}, {}, 5},
        {"final, then two sets counted", 1, {0, 2}, {}, 2},
        {"three sets, then one", 3, {}, {{25, 20}, {20, 25}, {25, 23}}, 1},
        {"five sets, then three", 5, {}, {{25, 20}, {25, 20}, {20, 25}, {20, 25}, {15, 10}}, 3},
        {"three sets, then five", 3, {}, {{25, 20}, {20, 25}, {25, 23}}, 5},
        {"a draw, then draws not allowed", 1, {2, 2}, {}, 1, false},
        {"a draw, then sets counted and draws not allowed", 1, {1, 1}, {}, 4, false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cStandingsFixture f(2);
        cResult& result = f.Unplayed(A, B);
        f.m_db.m_tableSettings.m_nMaxSets = c.enteredSets;
        V entry = V::FromResult(result, f.m_db);
        SetFinal(entry, c.final.first, c.final.second);
        SetSets(entry, c.sets);
        ASSERT_TRUE(ApplyResult(f.m_db, result, entry));
        const auto home = result.m_nHomeScore;
        const auto guest = result.m_nGuestScore;
        const std::string shown = result.GetColumnText(6);

        f.m_db.m_tableSettings.m_nMaxSets = c.shownSets;
        f.m_db.m_tableSettings.m_bAllowDraws = c.allowDraws ? 1 : 0;
        f.m_league.Table().m_bUpToDate = 1;
        f.m_db.SetModifiedFlag(false);
        const V opened = V::FromResult(result, f.m_db);
        EXPECT_TRUE(LeavesResultAsItIs(result, opened, f.m_db));
        EXPECT_TRUE(ApplyResult(f.m_db, result, opened));
        EXPECT_EQ(result.m_nHomeScore, home);
        EXPECT_EQ(result.m_nGuestScore, guest);
        EXPECT_EQ(result.GetColumnText(6), shown);
        EXPECT_TRUE(result.IsPlayed());
        EXPECT_EQ(f.m_league.Table().m_bUpToDate, 1);
        EXPECT_FALSE(f.m_db.IsModified());
    }
}

// With sets counted and none entered, a stored final result is shown with a
// note and kept by an entry that changes something else.
TEST(ResultValues, FinalWithoutSetsStaysWhenSetsAreCounted)
{
    cStandingsFixture f(2);
    cResult& result = f.Played(A, B, {3, 0});
    f.m_db.m_tableSettings.m_nMaxSets = 5;
    f.m_db.m_tableSettings.m_bAllowDraws = 0;

    V values = V::FromResult(result, f.m_db);
    EXPECT_TRUE(values.ShowsFinalWithoutSets(5));
    EXPECT_FALSE(values.ShowsFinalWithoutSets(1));
    values.guestDisqualified = true;
    EXPECT_FALSE(LeavesResultAsItIs(result, values, f.m_db));
    ASSERT_TRUE(ApplyResult(f.m_db, result, values));
    EXPECT_EQ(result.GetColumnText(6), "    3 - 0 D");

    // Entering a set replaces the final result by the sets won.
    values = V::FromResult(result, f.m_db);
    SetSets(values, {{25, 20}});
    EXPECT_FALSE(values.ShowsFinalWithoutSets(5));
    ASSERT_TRUE(ApplyResult(f.m_db, result, values));
    EXPECT_EQ(result.GetColumnText(6), "    1 - 0 D");

    // A new result with nothing entered is a 0 - 0 draw, refused here.
    cResult& fresh = f.Unplayed(B, A);
    const V empty = V::FromResult(fresh, f.m_db);
    EXPECT_FALSE(empty.ShowsFinalWithoutSets(5));
    const cValidation error = Validate(empty, f.m_db.m_tableSettings);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->messageId, IDS_DRAW_NOT_ALLOWED);
    EXPECT_EQ(error->field, V::HomeField(1));

    // A kept final is checked for its range as if typed.
    V huge = empty;
    SetFinal(huge, 10000, 0);
    const cValidation range = Validate(huge, f.m_db.m_tableSettings);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->field, V::kHomeFinal);
}

} // namespace
