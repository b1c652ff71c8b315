#include "SeasonFixture.h"

#include <gtest/gtest.h>

namespace {

using LeagueDeletion = cSeasonFixture;

TEST_F(LeagueDeletion, RemovesConflictsNamingItAndDiscardsItsMatches)
{
    m_db.m_nLeagueFilter = u12->m_nIndex + 1;
    ASSERT_TRUE(m_db.Leagues().DeleteItem(*u12, m_db));

    EXPECT_EQ(m_db.Leagues().GetCount(), 1);
    EXPECT_TRUE(Conflicts(wolves->TeamConflicts()).empty());
    EXPECT_EQ(Conflicts(olsen->TeamConflicts()), Texts{"U14/Wolves"});
    EXPECT_EQ(Schedule(), (Texts{"F1", "U14-1"}));
    EXPECT_EQ(Results(), (Texts{"U14-1", "F1"}));
    // The pairings are gone with the league: nothing returns to the unscheduled list.
    EXPECT_TRUE(Unscheduled().empty());
    EXPECT_EQ(m_db.Unscheduled().m_bUpToDate, 0);
    EXPECT_EQ(m_db.m_nLeagueFilter, -1);
    // Their time is free again; the playoff match keeps its own.
    EXPECT_EQ(FreeTime(), (Texts{"15/03-2024 0 1700-2000", "15/03-2024 1 1700-2200", "15/03-2024 0 2100-2200",
                                 "16/03-2024 0 1100-1400"}));
    EXPECT_EQ(olsen->m_nGames, 1);
    EXPECT_EQ(berg->m_nGames, 1);
}

TEST_F(LeagueDeletion, FilterOnLeagueZeroAlsoShowsAllLeagues)
{
    m_db.m_nLeagueFilter = 0;
    ASSERT_EQ(u12->m_nIndex, 0);
    m_db.Leagues().DeleteItem(*u12, m_db);
    EXPECT_EQ(m_db.m_nLeagueFilter, -1);
}

TEST_F(LeagueDeletion, FilterOnTheDeletedLeagueShowsEveryMatchAgain)
{
    m_db.m_nLeagueFilter = u12->m_nIndex;
    for (cTournelDb* list : {&m_db.Scheduled(), &m_db.Results()}) {
        list->m_bUpToDate = 0;
        list->Refresh();
    }
    ASSERT_EQ(u14first->m_bFiltered, 1);
    ASSERT_TRUE(m_db.Leagues().DeleteItem(*u12, m_db));

    EXPECT_EQ(m_db.m_nLeagueFilter, -1);
    for (cTournelDb* list : {&m_db.Scheduled(), &m_db.Results(), &m_db.Unscheduled()}) {
        SCOPED_TRACE(list->m_nDirectoryId);
        EXPECT_EQ(list->m_bUpToDate, 0);
    }
    for (cTournelDb* list : {&m_db.Scheduled(), &m_db.Results()}) {
        SCOPED_TRACE(list->m_nDirectoryId);
        list->Refresh();
        int shown = 0;
        for (const cDbItem* item = list->GetFirst(); item != nullptr; item = cTournelDb::GetNext(*item)) {
            shown += item->m_bFiltered == 0 ? 1 : 0;
        }
        EXPECT_EQ(shown, 2); // U14-1 and the playoff match
    }
}

TEST(League, RatingBandsSplitTheRangeOverThePositions)
{
    struct cCase
    {
        int low, high, officials;
        std::vector<std::pair<int, int>> bands;
    };
    const std::vector<cCase> cases = {
        {1, 9, 1, {{1, 9}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
        {1, 9, 2, {{1, 5}, {5, 9}, {0, 0}, {0, 0}, {0, 0}}},
        {1, 9, 3, {{1, 3}, {4, 6}, {7, 9}, {0, 0}, {0, 0}}},
        {1, 9, 4, {{1, 3}, {3, 5}, {5, 7}, {7, 9}, {0, 0}}},
        {1, 9, 5, {{1, 2}, {3, 4}, {5, 5}, {6, 7}, {8, 9}}},
        {5, 5, 2, {{5, 5}, {5, 5}, {0, 0}, {0, 0}, {0, 0}}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.low << "-" << c.high << " with " << c.officials);
        cLeague league;
        league.m_nMinOfficialRating = c.low;
        league.m_nMaxOfficialRating = c.high;
        league.ComputeRatingBands(c.officials);
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(league.m_nMinRatingOfficial[p], c.bands[p].first) << "position " << p + 1;
            EXPECT_EQ(league.m_nMaxRatingOfficial[p], c.bands[p].second) << "position " << p + 1;
        }
    }
}

TEST(League, OfficialRatingAllowedInRangeAndBand)
{
    cLeague league;
    league.m_nMinOfficialRating = 2;
    league.m_nMaxOfficialRating = 8;
    league.ComputeRatingBands(2); // 2-5, 5-8
    EXPECT_FALSE(league.IsOfficialRatingAllowed(1, 0, false));
    EXPECT_TRUE(league.IsOfficialRatingAllowed(7, 0, false));
    EXPECT_FALSE(league.IsOfficialRatingAllowed(7, 0, true));
    EXPECT_TRUE(league.IsOfficialRatingAllowed(5, 0, true));
    EXPECT_TRUE(league.IsOfficialRatingAllowed(5, 1, true));
}

TEST_F(LeagueDeletion, ColumnsAndMatchCount)
{
    u12->m_tsRestSameTeam = 95400;
    u12->m_nMinCourtRating = 3;
    Texts columns;
    for (int column = 0; column < 12; ++column) {
        columns.push_back(u12->GetColumnText(column));
    }
    EXPECT_EQ(columns, (Texts{"Under 12", "U12", "2", "0", "1", "1-9", "3-9", "60", "1", "1d 2h 30m",
                              "30d 0h 0m", "2200"}));
    EXPECT_EQ(u12->GetMatchCount(), 6);
    EXPECT_EQ(u14->GetMatchCount(), 2);
}

TEST(League, NamesDifferingInCaseSortInTheOrderAdded)
{
    cModelFixture fixture;
    fixture.League("beta", "b1");
    fixture.League("Alpha", "a1");
    fixture.League("BETA", "b2");
    fixture.League("alpha", "a2");
    Texts order;
    for (const cLeague& league : fixture.m_db.Leagues().Items<cLeague>()) {
        order.push_back(league.m_strShortName);
    }
    EXPECT_EQ(order, (Texts{"a1", "a2", "b1", "b2"}));
}

} // namespace
