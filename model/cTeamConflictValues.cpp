#include "model/cTeamConflictValues.h"

#include "model/ItemEdit.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cTeam.h"

namespace {

void Store(cIllTeam& conflict, const cTeamConflictValues& values)
{
    conflict.m_nLeague = values.league;
    conflict.m_nTeam = values.team;
    conflict.m_bTwinTeam = values.twinTeam ? 1 : 0;
}

} // namespace

cTeamConflictValues cTeamConflictValues::FromItem(const cIllTeam& conflict)
{
    return cTeamConflictValues{conflict.m_nLeague, conflict.m_nTeam, conflict.m_bTwinTeam != 0};
}

cValidation Validate(const cTeamConflictValues& values, const cDatabase& db, const cTournelDb& conflicts,
                     const cIllTeam* editing)
{
    using F = cTeamConflictValues;
    if (values.league < 0 || db.GetLeague(values.league) == nullptr) {
        return MakeValidationError(IDS_SPECIFY_TEAM, F::kLeague);
    }
    if (values.team < 0 || db.GetTeam(values.league, values.team) == nullptr) {
        return MakeValidationError(IDS_SPECIFY_TEAM, F::kTeam);
    }
    // Officials own conflict lists too; only a team can name itself.
    if (const auto* owner = dynamic_cast<const cTeam*>(conflicts.GetOwnerItem())) {
        const cLeague* league = owner->GetLeague();
        if (league != nullptr && league->m_nIndex == values.league && owner->m_nIndex == values.team) {
            return MakeValidationError(IDS_TEAM_CONFLICT_SELF, F::kTeam);
        }
    }
    for (const cIllTeam& other : conflicts.AllItems<cIllTeam>()) {
        if (&other != editing && other.m_nLeague == values.league && other.m_nTeam == values.team) {
            return MakeValidationError(IDS_TEAM_CONFLICT_TWICE, F::kTeam);
        }
    }
    return std::nullopt;
}

cIllTeam& InsertTeamConflict(cDatabase&, cTournelDb& conflicts, const cTeamConflictValues& values)
{
    auto owned = std::make_unique<cIllTeam>();
    Store(*owned, values);
    return static_cast<cIllTeam&>(conflicts.AddItem(std::move(owned), true));
}

void ApplyTeamConflict(cDatabase& db, cIllTeam& conflict, const cTeamConflictValues& values)
{
    EditItemInPlace(db, conflict, [&](cIllTeam& item) { Store(item, values); });
}
