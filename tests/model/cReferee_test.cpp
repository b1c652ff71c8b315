#include "SeasonFixture.h"

#include <gtest/gtest.h>

namespace {

using OfficialDeletion = cSeasonFixture;

TEST_F(OfficialDeletion, EmptiesItsPositionsAndLeavesTheOthers)
{
    u14first->SetOfficial(m_db, olsen->m_nIndex, 1);
    u14first->SetOfficial(m_db, olsen->m_nIndex, 3);
    ASSERT_EQ(u14first->GetOfficialCount(), 3);
    const int schedule = m_db.Scheduled().GetCount();

    ASSERT_TRUE(m_db.Officials().DeleteItem(*olsen, m_db));
    EXPECT_EQ(u14first->GetOfficial(0), berg->m_nIndex);
    EXPECT_EQ(u14first->GetOfficial(1), -1);
    EXPECT_EQ(u14first->GetOfficial(3), -1);
    EXPECT_EQ(u12first->GetOfficial(0), -1);
    EXPECT_EQ(u12first->GetOfficial(1), berg->m_nIndex);
    EXPECT_EQ(final->GetOfficialCount(), 0);
    EXPECT_EQ(berg->m_nGames, 2);
    EXPECT_EQ(m_db.Scheduled().GetCount(), schedule);
    EXPECT_EQ(m_db.Officials().GetCount(), 1);
}

TEST_F(OfficialDeletion, ColumnTexts)
{
    olsen->m_strClubOfficial = "Lions";
    olsen->m_nDayOff2 = 6;
    Texts columns;
    for (int column = 0; column < 8; ++column) {
        columns.push_back(olsen->GetColumnText(column));
    }
    EXPECT_EQ(columns, (Texts{"Olsen", "Lions", "1", "3", "20", "3", "<None>", "Saturday"}));
    EXPECT_EQ(olsen->GetRemainingGames(), 17);
    const cReferee fresh;
    EXPECT_EQ(fresh.m_nMaxGames, 10);
    EXPECT_EQ(fresh.m_nMaxSubsequent, 2);
}

} // namespace
