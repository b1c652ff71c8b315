#include "model/cTeamValues.h"

#include "model/ItemEdit.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"

namespace {

void Store(cTeam& team, const cTeamValues& values)
{
    team.SetName(Trim(values.name));
    team.m_nDayOff = values.dayOff;
    team.m_nBonusPoints = values.bonusPoints;
}

} // namespace

cTeamValues cTeamValues::FromItem(const cTeam& team)
{
    cTeamValues values;
    values.name = team.m_strName;
    values.dayOff = team.m_nDayOff;
    values.bonusPoints = team.m_nBonusPoints;
    return values;
}

cValidation Validate(const cTeamValues& values, const cLeague& league, const cTeam* editing)
{
    using F = cTeamValues;
    if (auto error = CheckText(values.name, IDS_TEAM_NEEDS_NAME, F::kName)) {
        return error;
    }
    if (auto error = CheckRange(values.dayOff, -1, 6, F::kDayOff)) {
        return error;
    }
    if (auto error = CheckRange(values.bonusPoints, -999, 999, F::kBonusPoints)) {
        return error;
    }
    const std::string name = Trim(values.name);
    for (const cTeam& other : league.Teams().AllItems<cTeam>()) {
        if (&other != editing && CompareText(name, other.m_strName, true) == 0) {
            return MakeValidationError(IDS_NAME_UNIQUE, F::kName);
        }
    }
    return std::nullopt;
}

cTeam& InsertTeam(cDatabase& db, cLeague& league, const cTeamValues& values)
{
    auto owned = std::make_unique<cTeam>();
    Store(*owned, values);
    auto& team = static_cast<cTeam&>(league.Teams().AddIndexedItem(std::move(owned), true, -1));
    league.Table().AddItem(std::make_unique<cTableItem>(team.m_nIndex), true);
    league.Table().m_bUpToDate = 0;
    db.Unscheduled().m_bUpToDate = 0;
    return team;
}

void ApplyTeam(cDatabase& db, cTeam& team, const cTeamValues& values)
{
    EditItemInPlace(db, team, [&](cTeam& item) { Store(item, values); });
    if (cLeague* league = team.GetLeague()) {
        league->Table().m_bUpToDate = 0;
    }
}
