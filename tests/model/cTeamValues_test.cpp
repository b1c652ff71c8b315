#include "DialogCase.h"
#include "ModelFixture.h"
#include "model/cTeamValues.h"

#include <gtest/gtest.h>

namespace {

using V = cTeamValues;

TEST(TeamValues, ChecksInOrder)
{
    cModelFixture f;
    cLeague& u12 = f.League("Under 12", "U12");
    cLeague& u14 = f.League("Under 14", "U14");
    f.Team(u12, "Lions");
    const V valid{"Tigers", -1, 0};
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"bonus limits", [](V& v) { v.bonusPoints = -999; }, 0},
        {"name blank", [](V& v) { v.name = "  "; }, IDS_TEAM_NEEDS_NAME, V::kName,
         "Every team must have a name!"},
        {"name too long", [](V& v) { v.name = std::string(51, 'x'); }, IDS_TEXT_TOO_LONG, V::kName},
        {"bonus 1000", [](V& v) { v.bonusPoints = 1000; }, IDS_ENTER_INTEGER_BETWEEN, V::kBonusPoints,
         "Please enter an integer between -999 and 999."},
        {"name taken", [](V& v) { v.name = " lions "; }, IDS_NAME_UNIQUE, V::kName},
        {"name checks before bonus", [](V& v) { v.name = "", v.bonusPoints = 1000; }, IDS_TEAM_NEEDS_NAME,
         V::kName},
    };
    RunDialogCases(valid, cases, [&](const V& v) { return Validate(v, u12, nullptr); });
    // The same name in another league is fine.
    EXPECT_FALSE(Validate(V{"Lions", -1, 0}, u14, nullptr));
}

TEST(TeamValues, NewTeamGetsATableRowAndMarksTableAndUnscheduledMatches)
{
    cModelFixture f;
    cLeague& u12 = f.League("Under 12", "U12");
    f.Team(u12, "Lions");
    u12.Table().m_bUpToDate = 1;
    f.m_db.Unscheduled().m_bUpToDate = 1;

    cTeam& team = InsertTeam(f.m_db, u12, V{" Bears B ", 3, 5});
    EXPECT_EQ(team.m_nIndex, 1);
    EXPECT_EQ(team.m_strName, "Bears B");
    EXPECT_EQ(team.m_strClub, "Bears");
    EXPECT_EQ(team.m_nDayOff, 3);
    EXPECT_EQ(team.m_nBonusPoints, 5);
    EXPECT_EQ(u12.Teams().GetFirst(), &team);
    ASSERT_EQ(u12.Table().GetCount(), 2);
    const auto& row = static_cast<const cTableItem&>(*u12.Table().GetLast());
    EXPECT_EQ(row.m_nTeam, 1);
    EXPECT_EQ(row.m_nPosition, 1);
    EXPECT_EQ(row.GetColumnText(1), "Bears B");
    EXPECT_EQ(u12.Table().m_bUpToDate, 0);
    EXPECT_EQ(f.m_db.Unscheduled().m_bUpToDate, 0);

    u12.Table().m_bUpToDate = 1;
    f.m_db.Unscheduled().m_bUpToDate = 1;
    V values = V::FromItem(team);
    EXPECT_FALSE(Validate(values, u12, &team));
    values.name = "Zebras";
    ApplyTeam(f.m_db, team, values);
    EXPECT_EQ(team.m_nIndex, 1);
    EXPECT_EQ(team.m_strClub, "Zebras");
    EXPECT_EQ(u12.Teams().GetLast(), &team);
    EXPECT_EQ(u12.GetTeam(1), &team);
    EXPECT_EQ(u12.Table().m_bUpToDate, 0);
    EXPECT_EQ(u12.Table().GetCount(), 2);
}

} // namespace
