#include "StandingsFixture.h"
#include "model/Strings.h"
#include "standings/cCriteriaValues.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <random>

namespace {

using Order = std::vector<int>; // criteria by priority

cCriteriaValues With(const Order& order)
{
    cCriteriaValues values;
    int number = 0;
    for (const int criterion : order) {
        values.priority[static_cast<std::size_t>(criterion)] = ++number;
    }
    return values;
}

Order OrderOf(const cCriteriaValues& values)
{
    return UsedCriteriaInOrder(values.priority);
}

// The used numbers are exactly 1 ... m.
void ExpectGapless(const cCriteriaValues& values)
{
    std::vector<int> used;
    for (const int number : values.priority) {
        ASSERT_GE(number, 0);
        if (number > 0) {
            used.push_back(number);
        }
    }
    std::sort(used.begin(), used.end());
    for (std::size_t i = 0; i < used.size(); ++i) {
        ASSERT_EQ(used[i], static_cast<int>(i) + 1);
    }
}

TEST(CriteriaValues, SpinButtons)
{
    enum Spin
    {
        kUp,
        kDown
    };
    struct cCase
    {
        const char* name;
        Order start;
        Spin spin;
        int criterion;
        Order expected;
    };
    const Order all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    const std::vector<cCase> cases = {
        {"up at 0 comes first", {1, 3}, kUp, 5, {5, 1, 3}},
        {"up below the highest swaps", {1, 3, 6}, kUp, 3, {1, 6, 3}},
        {"up at the highest", {1, 3}, kUp, 3, {1, 3}},
        {"up at 15", all, kUp, 14, all},
        {"up on the only one", {4}, kUp, 4, {4}},
        {"down above 1 swaps", {1, 3, 6}, kDown, 6, {1, 6, 3}},
        {"down at 1 leaves", {1, 3, 6}, kDown, 1, {3, 6}},
        {"down on the only one", {4}, kDown, 4, {}},
        {"down at 0", {1, 3}, kDown, 0, {1, 3}},
        {"up with none used", {}, kUp, 14, {14}},
        {"code -1", {1, 3}, kUp, -1, {1, 3}},
        {"code 15", {1, 3}, kDown, 15, {1, 3}},
        {"code INT_MIN", {1, 3}, kUp, INT_MIN, {1, 3}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cCriteriaValues values = With(c.start);
        c.spin == kUp ? values.SpinUp(c.criterion) : values.SpinDown(c.criterion);
        EXPECT_EQ(OrderOf(values), c.expected);
        ExpectGapless(values);
    }
}

TEST(CriteriaValues, SpinsOnDamagedNumbersCloseTheGapsFirst)
{
    cCriteriaValues values;
    values.priority = {7, 7, 99, -1, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, INT_MAX};
    // First closed up: criterion 5 (3) takes 1, criterion 0 (the lowest code
    // holding 7) takes 2; then 5 moves behind 0.
    values.SpinUp(5);
    EXPECT_EQ(OrderOf(values), (Order{0, 5}));
    ExpectGapless(values);
}

TEST(CriteriaValues, RandomSpinsKeepTheNumbersGapless)
{
    std::mt19937 random(11);
    cCriteriaValues values = With({1, 3});
    for (int step = 0; step < 3000; ++step) {
        const int criterion = static_cast<int>(random() % 17) - 1;
        random() % 2 == 0 ? values.SpinUp(criterion) : values.SpinDown(criterion);
        SCOPED_TRACE(step);
        ExpectGapless(values);
        ASSERT_EQ(values.HighestUsed(), static_cast<int>(OrderOf(values).size()));
    }
}

TEST(CriteriaValues, PresetsReplaceEveryNumber)
{
    const auto presets = CriteriaPresets();
    ASSERT_FALSE(presets.empty());
    EXPECT_TRUE(std::is_sorted(presets.begin(), presets.end(), [](const auto& a, const auto& b) {
        return a.name < b.name;
    })) << "the drop-down list is sorted";
    for (int preset = 0; preset < static_cast<int>(presets.size()); ++preset) {
        SCOPED_TRACE(preset);
        cCriteriaValues values = With({14, 13, 12, 11, 10, 9, 7});
        ASSERT_TRUE(values.LoadPreset(preset));
        EXPECT_EQ(values.priority, presets[static_cast<std::size_t>(preset)].priority);
        ExpectGapless(values);
        EXPECT_EQ(values.priority[kCriterionMutualBallRatio], 0);
    }
    cCriteriaValues values = With({2});
    EXPECT_FALSE(values.LoadPreset(-1));
    EXPECT_FALSE(values.LoadPreset(static_cast<int>(presets.size())));
    EXPECT_EQ(OrderOf(values), Order{2});
}

TEST(CriteriaValues, FromSettingsShowsWhatTheTablesRankBy)
{
    cTableSettings settings;
    EXPECT_EQ(OrderOf(cCriteriaValues::FromSettings(settings)), (Order{1, 3}));
    settings.m_nPriority = {0, 0, 9, 0, 0, 4, 0, 0, 0, 0, 0, 0, -3, 0, 16};
    EXPECT_EQ(OrderOf(cCriteriaValues::FromSettings(settings)), (Order{5, 2}));
    ExpectGapless(cCriteriaValues::FromSettings(settings));
    settings.m_nPriority.fill(0);
    EXPECT_EQ(OrderOf(cCriteriaValues::FromSettings(settings)), (Order{1, 3})) << "the defaults";
}

TEST(CriteriaValues, ValidateAndApply)
{
    cStandingsFixture f(2);
    f.Played(A, B, {0, 0, {}, true}); // A disqualified, B with no points
    f.m_db.m_tableSettings.m_nPointsDisqualified = 1;
    f.Table();

    cCriteriaValues values = cCriteriaValues::FromDatabase(f.m_db);
    values.SpinDown(kCriterionPoints);
    values.SpinDown(kCriterionGoalDifference);
    const cValidation error = Validate(values);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->messageId, IDS_NO_RATING_CRITERIA);
    EXPECT_EQ(error->text, "At least one rating criteria must be specified!");
    f.m_db.SetModifiedFlag(false);
    EXPECT_FALSE(ApplyCriteria(f.m_db, values));
    EXPECT_FALSE(f.m_db.IsModified());
    EXPECT_EQ(f.m_league.Table().m_bUpToDate, 1);

    values.SpinUp(kCriterionDisqualification);
    values.SpinUp(kCriterionPoints);
    EXPECT_FALSE(Validate(values));
    ASSERT_TRUE(ApplyCriteria(f.m_db, values));
    const cTableSettings& stored = f.m_db.m_tableSettings;
    EXPECT_EQ(stored.m_nCriteriaCount, 2);
    EXPECT_EQ(stored.m_nCriterionByPriority[0], kCriterionPoints);
    EXPECT_EQ(stored.m_nCriterionByPriority[1], kCriterionDisqualification);
    EXPECT_EQ(stored.m_nCriterionByPriority[2], -1);
    EXPECT_TRUE(f.m_db.IsModified());
    EXPECT_EQ(f.m_league.Table().m_bUpToDate, 0);
    BringTablesUpToDate(f.m_db);
    EXPECT_EQ(f.Shown(), (std::vector<std::string>{"1 B", "2 A"})) << "ranked by the new criteria";
}

} // namespace
