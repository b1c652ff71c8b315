#include "ModelFixture.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

TEST(TableItem, ColumnsAndPoints)
{
    cModelFixture f;
    cLeague& league = f.League("Under 12", "U12");
    cTeam& lions = f.Team(league, "Lions");
    lions.m_nBonusPoints = 3;
    auto& row = static_cast<cTableItem&>(*league.Table().GetFirst());
    EXPECT_EQ(row.m_nTeam, lions.m_nIndex);
    EXPECT_EQ(row.GetColumnText(9), "0.000");

    row.m_nPosition = 2;
    row.m_nHomeWins = 2;
    row.m_nAwayDraws = 1;
    row.m_nAwayLosses = 1;
    row.m_nHomeDisq = 1;
    row.m_nHomeScored = 7;
    row.m_nAwayConceded = 5;
    row.m_nHomeSetScored = 120;
    row.m_nAwaySetConceded = 99;
    Texts columns;
    for (int column = 0; column < 11; ++column) {
        columns.push_back(row.GetColumnText(column));
    }
    // 3 bonus + 2 wins x 2 + 1 draw x 1.
    EXPECT_EQ(columns, (Texts{"2", "Lions", "5", "2", "1", "1", "1", "   7-5", " 120-99", "0.400", "8"}));
    EXPECT_EQ(row.GetColumnText(5, true), "2");

    f.m_db.m_tableSettings.m_bIgnoreBonusPoints = 1;
    f.m_db.m_tableSettings.m_nPointsDisqualified = -1;
    EXPECT_EQ(row.GetColumnText(10), "4");
}

} // namespace
