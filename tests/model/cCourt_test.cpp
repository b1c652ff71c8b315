#include "SeasonFixture.h"

#include <gtest/gtest.h>

namespace {

using CourtDeletion = cSeasonFixture;

TEST_F(CourtDeletion, RemovesHomeGroundsMatchesAndFreeTimeOfTheCourtOnly)
{
    ASSERT_EQ(Schedule(), (Texts{"U12-1", "F1", "U12-2", "U14-1"}));
    const int arenaIndex = arena->m_nIndex;
    ASSERT_TRUE(m_db.Courts().DeleteItem(*arena, m_db));

    EXPECT_EQ(m_db.Courts().GetCount(), 1);
    ASSERT_EQ(lions->HomeGrounds().GetCount(), 1);
    EXPECT_EQ(lions->HomeGrounds().GetFirst()->GetColumnText(0), "B");

    EXPECT_EQ(Schedule(), Texts{"U12-2"});
    EXPECT_EQ(Results(), Texts{"U12-2"});
    // League matches return to the unscheduled list, the playoff match does not.
    EXPECT_EQ(Unscheduled(), (Texts{"U12-1 Lions-Tigers", "U14-1 Lions U14-Wolves"}));
    EXPECT_EQ(m_db.Unscheduled().m_bUpToDate, 0);

    for (const cUnusedTime& period : m_db.CourtTime().AllItems<cUnusedTime>()) {
        EXPECT_NE(period.m_nCourt, arenaIndex);
    }
    EXPECT_EQ(FreeTime(), (Texts{"15/03-2024 1 1700-1800", "15/03-2024 1 1900-2200"}));

    // Officials keep the count of the positions they still hold.
    EXPECT_EQ(olsen->m_nGames, 1);
    EXPECT_EQ(berg->m_nGames, 0);
    EXPECT_EQ(u12->m_nLastMatchNumber, 2);
    EXPECT_EQ(u14->m_nLastMatchNumber, 0);
    EXPECT_EQ(u12->Table().m_bUpToDate, 0);
    // Nothing else is touched.
    EXPECT_EQ(Conflicts(olsen->TeamConflicts()), (Texts{"U12/Tigers", "U14/Wolves"}));
    EXPECT_EQ(u12->Teams().GetCount(), 3);
}

TEST_F(CourtDeletion, ColumnTexts)
{
    hall->m_bReservedHomeGround = 1;
    hall->m_nRating = 7;
    EXPECT_EQ((Texts{hall->GetColumnText(0), hall->GetColumnText(1), hall->GetColumnText(2),
                     hall->GetColumnText(3)}),
              (Texts{"Hall", "B", "Yes", "7"}));
    EXPECT_EQ(arena->GetColumnText(2), "No");
    EXPECT_EQ(arena->m_nReserved1, 1440);
    EXPECT_EQ(arena->m_nRating, 1);
}

} // namespace
