#include "DialogCase.h"
#include "SeasonFixture.h"
#include "model/cTeamConflictValues.h"

#include <gtest/gtest.h>

namespace {

using Constraints = cSeasonFixture;

TEST_F(Constraints, TeamConflictChecksInOrder)
{
    using V = cTeamConflictValues;
    cTournelDb& conflicts = lions->TeamConflicts(); // already names U14 Wolves
    const V valid{u12->m_nIndex, tigers->m_nIndex, true};
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"same team name of another league",
         [&](V& v) { v.league = u14->m_nIndex, v.team = lions14->m_nIndex; }, 0},
        {"no league", [](V& v) { v.league = -1; }, IDS_SPECIFY_TEAM, V::kLeague, "You must specify a team!"},
        {"no team", [](V& v) { v.team = -1; }, IDS_SPECIFY_TEAM, V::kTeam},
        {"team of another league's numbering", [&](V& v) { v.league = u14->m_nIndex, v.team = 2; },
         IDS_SPECIFY_TEAM, V::kTeam},
        {"itself", [&](V& v) { v.team = lions->m_nIndex; }, IDS_TEAM_CONFLICT_SELF, V::kTeam,
         "A team cannot be in conflict with itself!"},
        {"twice", [&](V& v) { v.league = u14->m_nIndex, v.team = wolves->m_nIndex; }, IDS_TEAM_CONFLICT_TWICE,
         V::kTeam, "You cannot specify the same team conflict twice!"},
    };
    RunDialogCases(valid, cases, [&](const V& v) { return Validate(v, m_db, conflicts, nullptr); });

    // An official has no team of its own; editing an entry may keep its team.
    EXPECT_FALSE(Validate(V{u12->m_nIndex, lions->m_nIndex, false}, m_db, olsen->TeamConflicts(), nullptr));
    auto& existing = static_cast<cIllTeam&>(*conflicts.GetFirst());
    EXPECT_FALSE(Validate(V::FromItem(existing), m_db, conflicts, &existing));

    cIllTeam& added = InsertTeamConflict(m_db, conflicts, valid);
    EXPECT_EQ(Conflicts(conflicts), (Texts{"U12/Tigers", "U14/Wolves"}));
    EXPECT_EQ(added.GetColumnText(2), "Yes");
    V changed = V::FromItem(added);
    changed.league = u14->m_nIndex;
    changed.team = lions14->m_nIndex;
    changed.twinTeam = false;
    ApplyTeamConflict(m_db, added, changed);
    EXPECT_EQ(Conflicts(conflicts), (Texts{"U14/Lions U14", "U14/Wolves"}));
}

} // namespace
