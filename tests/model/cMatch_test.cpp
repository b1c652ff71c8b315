#include "SeasonFixture.h"
#include "model/cIllDate.h"
#include "model/cPreferredTime.h"

#include <gtest/gtest.h>

namespace {

using MatchDeletion = cSeasonFixture;

TEST_F(MatchDeletion, ReturnsThePairingFreesTimeOfficialsAndResult)
{
    ASSERT_TRUE(m_db.Scheduled().DeleteItem(*u12second, m_db));
    EXPECT_EQ(Unscheduled(), Texts{"U12-2 Bears-Lions"});
    EXPECT_EQ(Schedule(), (Texts{"U12-1", "F1", "U14-1"}));
    EXPECT_EQ(Results(), (Texts{"U12-1", "U14-1", "F1"}));
    EXPECT_EQ(m_db.Results().m_bUpToDate, 0);
    EXPECT_EQ(olsen->m_nGames, 2);
    EXPECT_EQ(u12->m_nLastMatchNumber, 1);
    EXPECT_EQ(u12->Table().m_bUpToDate, 0);
    EXPECT_EQ(FreeTime()[1], "15/03-2024 1 1700-2200");
}

TEST_F(MatchDeletion, DiscardFlagKeepsItOffTheUnscheduledList)
{
    ASSERT_TRUE(m_db.Scheduled().DeleteItem(*u12first, m_db, cDbItem::kDeleteDiscard));
    EXPECT_TRUE(Unscheduled().empty());
    EXPECT_EQ(olsen->m_nGames, 2);
    EXPECT_EQ(berg->m_nGames, 1);
    EXPECT_EQ(u12->m_nLastMatchNumber, 2); // not the highest: kept
    EXPECT_EQ(FreeTime().front(), "15/03-2024 0 1700-2000");
}

TEST_F(MatchDeletion, PlayoffMatchFreesTimeOfficialsAndResultOnly)
{
    ASSERT_TRUE(m_db.Scheduled().DeleteItem(*final, m_db));
    EXPECT_TRUE(Unscheduled().empty());
    EXPECT_EQ(olsen->m_nGames, 2);
    EXPECT_EQ(Results(), (Texts{"U12-1", "U12-2", "U14-1"}));
    EXPECT_EQ(FreeTime().front(), "15/03-2024 0 1700-1800");
    EXPECT_EQ(FreeTime()[2], "15/03-2024 0 1900-2200");
}

TEST_F(MatchDeletion, SetOfficialKeepsGameCounts)
{
    u14first->SetOfficial(m_db, olsen->m_nIndex, 0); // replaces Berg
    EXPECT_EQ(olsen->m_nGames, 4);
    EXPECT_EQ(berg->m_nGames, 1);
    u14first->SetOfficial(m_db, -1, 0);
    EXPECT_EQ(olsen->m_nGames, 3);
    u14first->SetOfficial(m_db, berg->m_nIndex, 5); // no such position
    EXPECT_EQ(berg->m_nGames, 1);
    EXPECT_EQ(u14first->GetOfficialCount(), 0);
}

TEST_F(MatchDeletion, OrderLabelsAndColumns)
{
    // Same day: court A before court B whatever the start; same court by start.
    auto early = std::make_unique<cMatch>();
    early->m_nLeague = u12->m_nIndex;
    early->m_nNumber = 9;
    cMatch& onB = Place(std::move(early), hall->m_nIndex, At(2024, 3, 15, 17), At(2024, 3, 15, 18));
    EXPECT_EQ(Schedule(), (Texts{"U12-1", "F1", "U12-9", "U12-2", "U14-1"}));
    EXPECT_EQ(onB.GetDuration(), 60);

    u12first->m_nNumber = 7;
    EXPECT_EQ(u12first->GetLabel(), "U12-7");
    m_db.Unscheduled().AddItem(std::make_unique<cUnscheduledMatch>(u12->m_nIndex, 0, 1, 1, 0), false);
    EXPECT_EQ(Unscheduled(), Texts{"U12 Lions-Tigers"});

    Texts columns;
    for (int column = 0; column < 11; ++column) {
        columns.push_back(u12first->GetColumnText(column));
    }
    EXPECT_EQ(columns,
              (Texts{"U12-7", "15/03-2024", "A", "1800", "Lions", "Tigers", "Olsen", "Berg", "", "", ""}));
    EXPECT_EQ(final->GetColumnText(0), "F1");
    EXPECT_EQ(final->GetColumnText(4), "North");
    EXPECT_EQ(final->m_nRound, 0);
    const cPlayoffMatch fresh;
    EXPECT_EQ(fresh.m_nLeague, -2);
    EXPECT_EQ(fresh.m_nNumber, -2);
}

TEST(Match, OfficialCountCountsTheFilledPositions)
{
    cMatch match;
    EXPECT_EQ(match.GetOfficialCount(), 0);
    match.m_nOfficial[0] = 4;
    match.m_nOfficial[2] = 0;
    EXPECT_EQ(match.GetOfficialCount(), 2);
    EXPECT_EQ(match.GetOfficial(5), -1);
    EXPECT_EQ(match.m_bByHand, 1);
}

TEST(UnscheduledMatch, SettersIgnoreValuesOutOfRange)
{
    cUnscheduledMatch match;
    EXPECT_EQ(match.GetLeague(), -1);
    match.SetLeague(3);
    match.SetLeague(-1);
    match.SetHomeTeam(2);
    match.SetHomeTeam(-5);
    match.SetGuestTeam(0);
    match.SetGuestTeam(-1);
    match.SetRound(2);
    match.SetRound(0);
    EXPECT_EQ(match.GetLeague(), 3);
    EXPECT_EQ(match.GetHomeTeam(), 2);
    EXPECT_EQ(match.GetGuestTeam(), 0);
    EXPECT_EQ(match.GetRound(), 2);
}

TEST_F(MatchDeletion, ColumnTextsFollowTheDocumentsDateFormatAndLanguage)
{
    m_db.m_nDateFormat = 6;
    m_db.m_nLanguage = 5;
    const cUnusedTime& period = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
    EXPECT_EQ((Texts{period.GetColumnText(0), period.GetColumnText(1), period.GetColumnText(2),
                     period.GetColumnText(3), period.GetColumnText(4)}),
              (Texts{"Freitag", "2024-03-15", "A", "1700", "1800"}));
    EXPECT_EQ(u12first->GetColumnText(1), "2024-03-15");

    auto holiday = std::make_unique<cIllDate>();
    holiday->m_tStart = At(2024, 3, 1);
    holiday->m_tEnd = At(2024, 3, 1, 23, 59);
    lions->Holidays().AddItem(std::move(holiday), true);
    const cDbItem& stored = *lions->Holidays().GetFirst();
    EXPECT_EQ((Texts{stored.GetColumnText(0), stored.GetColumnText(1)}), (Texts{"2024-03-01", "2024-03-01"}));

    const cDbItem& ground = *lions->HomeGrounds().GetFirst();
    EXPECT_EQ((Texts{ground.GetColumnText(0), ground.GetColumnText(1), ground.GetColumnText(2),
                     ground.GetColumnText(3)}),
              (Texts{"A", "<None>", "0", "2400"}));

    cPreferredTime preferred;
    preferred.m_nWeekday = 1;
    preferred.m_nStart = 1700;
    preferred.m_nEnd = 2130;
    EXPECT_EQ((Texts{preferred.GetColumnText(0), preferred.GetColumnText(1), preferred.GetColumnText(2)}),
              (Texts{"Monday", "1700", "2130"}));

    const cDbItem& conflict = *wolves->TeamConflicts().GetFirst();
    EXPECT_EQ((Texts{conflict.GetColumnText(0), conflict.GetColumnText(1), conflict.GetColumnText(2)}),
              (Texts{"U12", "Tigers", "No"}));
}

TEST(UnscheduledMatch, Columns)
{
    cModelFixture f;
    cLeague& league = f.League("Under 12", "U12");
    f.Team(league, "Lions");
    f.Team(league, "Tigers");
    f.m_db.Unscheduled().AddItem(std::make_unique<cUnscheduledMatch>(league.m_nIndex, 1, 0, 2, 5), false);
    const cDbItem& match = *f.m_db.Unscheduled().GetFirst();
    EXPECT_EQ((Texts{match.GetColumnText(0), match.GetColumnText(1), match.GetColumnText(2),
                     match.GetColumnText(3)}),
              (Texts{"U12-5", "Tigers", "Lions", "2"}));
}

} // namespace
