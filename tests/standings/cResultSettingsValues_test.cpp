#include "StandingsFixture.h"
#include "model/DialogCase.h"
#include "standings/cResultSettingsValues.h"

#include <gtest/gtest.h>

namespace {

using V = cResultSettingsValues;

TEST(ResultSettingsValues, ChecksInFieldOrder)
{
    const std::vector<cDialogCase<V>> cases = {
        {"defaults", [](V&) {}, 0},
        {"limits", [](V& v) { v.pointsVictory = 99, v.pointsLost = -99, v.maxSets = 9; }, 0},
        {"disabled draw points are still checked", [](V& v) { v.allowDraws = false, v.pointsDraw = 100; },
         IDS_ENTER_INTEGER_BETWEEN, V::kPointsDraw, "Please enter an integer between -99 and 99."},
        {"victory -100", [](V& v) { v.pointsVictory = -100; }, IDS_ENTER_INTEGER_BETWEEN, V::kPointsVictory},
        {"lost 100", [](V& v) { v.pointsLost = 100; }, IDS_ENTER_INTEGER_BETWEEN, V::kPointsLost},
        {"disqualification -100", [](V& v) { v.pointsDisqualified = -100; }, IDS_ENTER_INTEGER_BETWEEN,
         V::kPointsDisqualified},
        {"sets 0", [](V& v) { v.maxSets = 0; }, IDS_ENTER_INTEGER_BETWEEN, V::kMaxSets,
         "Please enter an integer between 1 and 9."},
        {"sets 10", [](V& v) { v.maxSets = 10; }, IDS_ENTER_INTEGER_BETWEEN, V::kMaxSets},
        {"points before sets", [](V& v) { v.maxSets = 10, v.pointsDisqualified = 100; },
         IDS_ENTER_INTEGER_BETWEEN, V::kPointsDisqualified},
    };
    RunDialogCases(V{}, cases, [](const V& values) { return Validate(values); });
}

TEST(ResultSettingsValues, ApplyStoresEveryValueAndRecountsTheTables)
{
    cStandingsFixture f(2);
    f.Played(A, B, {2, 1, {{25, 20}, {25, 23}, {99, 0}}});
    f.Table();
    EXPECT_EQ(f.Row(A).GetColumnText(10), "2");
    f.m_db.SetModifiedFlag(false);

    V values = V::FromDatabase(f.m_db);
    values.pointsVictory = 3;
    values.pointsDraw = -4;
    values.pointsLost = -5;
    values.pointsDisqualified = -6;
    values.ignoreBonusPoints = true;
    values.allowDraws = false;
    values.maxSets = 2;
    EXPECT_FALSE(values.IsDrawPointsEnabled());
    ApplyResultSettings(f.m_db, values);

    const V stored = V::FromDatabase(f.m_db);
    EXPECT_EQ(stored.pointsVictory, 3);
    EXPECT_EQ(stored.pointsDraw, -4);
    EXPECT_EQ(stored.pointsLost, -5);
    EXPECT_EQ(stored.pointsDisqualified, -6);
    EXPECT_TRUE(stored.ignoreBonusPoints);
    EXPECT_FALSE(stored.allowDraws);
    EXPECT_EQ(stored.maxSets, 2);
    EXPECT_TRUE(f.m_db.IsModified());
    EXPECT_EQ(f.m_league.Table().m_bUpToDate, 0);

    BringTableUpToDate(f.m_db, f.m_league);
    EXPECT_EQ(f.Row(A).GetColumnText(10), "3");
    EXPECT_EQ(f.Row(B).GetColumnText(10), "-5");
    EXPECT_EQ(f.Row(A).GetColumnText(8), "  50-43") << "set 3 lies beyond the maximum";
}

} // namespace
