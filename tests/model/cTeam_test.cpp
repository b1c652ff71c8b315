#include "SeasonFixture.h"

#include <gtest/gtest.h>

namespace {

using TeamDeletion = cSeasonFixture;

TEST_F(TeamDeletion, RemovesConflictsTableRowAndMatchesOfTheTeam)
{
    const int tigersIndex = tigers->m_nIndex;
    ASSERT_TRUE(u12->Teams().DeleteItem(*tigers, m_db));

    EXPECT_EQ(u12->Teams().GetCount(), 2);
    EXPECT_TRUE(Conflicts(wolves->TeamConflicts()).empty());
    EXPECT_EQ(Conflicts(olsen->TeamConflicts()), Texts{"U14/Wolves"});
    EXPECT_EQ(Conflicts(lions->TeamConflicts()), Texts{"U14/Wolves"});
    ASSERT_EQ(u12->Table().GetCount(), 2);
    for (const cTableItem& row : u12->Table().AllItems<cTableItem>()) {
        EXPECT_NE(row.m_nTeam, tigersIndex);
    }
    EXPECT_EQ(u12->Table().m_bUpToDate, 0);
    EXPECT_EQ(u14->Table().m_bUpToDate, 1);

    EXPECT_EQ(Schedule(), (Texts{"F1", "U12-2", "U14-1"}));
    EXPECT_EQ(Results(), (Texts{"U12-2", "U14-1", "F1"}));
    EXPECT_TRUE(Unscheduled().empty());
    EXPECT_EQ(m_db.Unscheduled().m_bUpToDate, 0);
    EXPECT_EQ(u12->m_nLastMatchNumber, 2);
    EXPECT_EQ(olsen->m_nGames, 2);
    EXPECT_EQ(berg->m_nGames, 1);
    EXPECT_EQ(FreeTime().front(), "15/03-2024 0 1700-2000");
}

TEST(Team, ClubIsTheNameWithoutATrailingSingleLetter)
{
    struct cCase
    {
        const char* name;
        const char* club;
    };
    const cCase cases[] = {
        {"Lions B", "Lions"},  {"Lions", "Lions"},       {"AB", "AB"},     {"A B", "A"},
        {"Lions  B", "Lions"}, {"Lions BC", "Lions BC"}, {"Ørn 2", "Ørn"}, {"", ""},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTeam team;
        team.SetName(c.name);
        EXPECT_EQ(team.m_strName, c.name);
        EXPECT_EQ(team.m_strClub, c.club);
    }
}

TEST_F(TeamDeletion, ColumnTextsAreInEnglish)
{
    m_db.m_nLanguage = 5;
    tigers->m_nDayOff = 3;
    tigers->m_nBonusPoints = -2;
    EXPECT_EQ((Texts{tigers->GetColumnText(0), tigers->GetColumnText(1), tigers->GetColumnText(2)}),
              (Texts{"Tigers", "Wednesday", "-2"}));
    EXPECT_EQ(lions->GetColumnText(1), "<None>");
}

} // namespace
