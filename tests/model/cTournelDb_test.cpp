#include "SeasonFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(TournelDb, OnlySortedInsertionAndRemovalMarkTheDatabaseModified)
{
    cModelFixture f;
    cTournelDb& times = f.m_db.CourtTime();
    times.AddItem(std::make_unique<cUnusedTime>(0, At(2024, 3, 15, 18), At(2024, 3, 15, 19)), false);
    EXPECT_FALSE(f.m_db.IsModified());
    times.AddItem(std::make_unique<cUnusedTime>(0, At(2024, 3, 14, 18), At(2024, 3, 14, 19)), true);
    EXPECT_TRUE(f.m_db.IsModified());
    EXPECT_EQ(static_cast<const cUnusedTime*>(times.GetFirst())->m_tStart, At(2024, 3, 14, 18));

    f.m_db.SetModifiedFlag(false);
    times.DeleteAll();
    EXPECT_TRUE(f.m_db.IsModified());
    EXPECT_EQ(times.GetCount(), 0);
    EXPECT_EQ(times.GetFirst(), nullptr);
    EXPECT_EQ(times.GetLast(), nullptr);
}

TEST(TournelDb, RemovingAnItemOfAnotherContainerChangesNothing)
{
    cModelFixture f;
    cCourt& court = f.Court("Arena", "A");
    f.m_db.SetModifiedFlag(false);
    EXPECT_EQ(f.m_db.Officials().RemoveItem(court), nullptr);
    EXPECT_FALSE(f.m_db.Officials().DeleteItem(court, f.m_db));
    EXPECT_EQ(f.m_db.Courts().GetCount(), 1);
    EXPECT_FALSE(f.m_db.IsModified());
}

TEST(TournelDb, RemovingAnItemWhoseIndexSlotDoesNotHoldItChangesNothing)
{
    cModelFixture f;
    cCourt& a = f.Court("Arena", "A");
    cCourt& b = f.Court("Hall", "B");
    a.m_nIndex = 1; // broken: slot 1 holds b
    EXPECT_EQ(f.m_db.Courts().RemoveItem(a), nullptr);
    EXPECT_EQ(f.m_db.Courts().GetCount(), 2);
    EXPECT_EQ(f.m_db.GetCourt(1), &b);
    a.m_nIndex = 0;
}

TEST(TournelDb, IndexedDeleteAllEmptiesTheTable)
{
    cModelFixture f;
    f.Court("Arena", "A");
    f.Court("Hall", "B");
    f.m_db.Courts().DeleteAll();
    EXPECT_EQ(f.m_db.Courts().GetMaxIndex(), -1);
    EXPECT_EQ(f.m_db.GetCourt(0), nullptr);
    EXPECT_EQ(f.Court("Pool", "P").m_nIndex, 0);
}

TEST(TournelDb, TheRememberedRowIsClampedToTheList)
{
    cModelFixture f;
    cIndexedDb& courts = f.m_db.Courts();
    courts.m_nCursor = 3;
    EXPECT_EQ(courts.GetCursor(), -1);
    f.Court("Arena", "A");
    f.Court("Hall", "B");
    EXPECT_EQ(courts.GetCursor(), 1);
    courts.m_nCursor = 0;
    EXPECT_EQ(courts.GetCursor(), 0);
}

class Find : public cSeasonFixture
{
};

TEST_F(Find, AnyOrAllOfUpToThreeTextsInColumnsOfTheItem)
{
    cTournelDb& scheduled = m_db.Scheduled();
    const std::string tigersAndOlsen[3] = {"tig", "ols", ""};
    const std::string unknown[3] = {"tig", "nobody", ""};
    const std::string none[3] = {"", "", ""};
    EXPECT_EQ(scheduled.FindItem(tigersAndOlsen, nullptr, true, false, false, true), u12first);
    EXPECT_EQ(scheduled.FindItem(unknown, nullptr, true, false, false, true), nullptr);
    EXPECT_EQ(scheduled.FindItem(unknown, nullptr, true, false, false, false), u12first);
    EXPECT_EQ(scheduled.FindItem(none, nullptr, true, false, false, false), nullptr);

    const std::string lions[3] = {"Lions", "", ""};
    EXPECT_EQ(scheduled.FindItem(lions, nullptr, true, false, true, false), u12first);
    EXPECT_EQ(scheduled.FindItem(lions, u12first, true, false, true, false), u12second);
    // The search does not wrap around; fromEnd starts again at the end.
    EXPECT_EQ(scheduled.FindItem(lions, u12second, true, false, true, false), nullptr);
    EXPECT_EQ(scheduled.FindItem(lions, u12second, false, true, true, false), u12second);
    EXPECT_EQ(scheduled.FindItem(lions, u12second, false, false, true, false), u12first);
    // Whole word: "Lion" is only a prefix.
    const std::string lion[3] = {"Lion", "", ""};
    EXPECT_EQ(scheduled.FindItem(lion, nullptr, true, false, true, false), nullptr);
}

TEST_F(Find, ResultColumns)
{
    cResult& result = *u12first->GetResult();
    EXPECT_EQ(result.GetColumnText(6), "Not played");
    EXPECT_EQ(result.GetColumnText(0), "U12-1");
    EXPECT_EQ(result.GetColumnText(4), "Lions");
    result.m_bPlayed = 1;
    result.m_bHomeDisqualified = 1;
    result.m_nHomeScore[0] = 0;
    result.m_nGuestScore[0] = 3;
    EXPECT_EQ(result.GetColumnText(6), "D   0 - 3  ");
    EXPECT_EQ(result.GetColumnText(7), "");
    m_db.m_tableSettings.m_nMaxSets = 3;
    result.m_nHomeScore[1] = 25;
    result.m_nGuestScore[1] = 20;
    EXPECT_EQ(result.GetColumnText(7), "  25 - 20");
    EXPECT_EQ(result.GetColumnText(10), "");
    result.m_bPlayed = 0;
    EXPECT_EQ(result.GetHomeScore(1), 0);
    EXPECT_EQ(result.GetColumnText(7), "");
}

} // namespace
