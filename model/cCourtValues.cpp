#include "model/cCourtValues.h"

#include "model/ItemEdit.h"
#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cTeam.h"

namespace {

void Store(cCourt& court, const cCourtValues& values)
{
    court.m_strShortName = values.shortName;
    court.m_strName = values.fullName;
    court.m_bReservedHomeGround = values.reservedHomeGround ? 1 : 0;
    court.m_nRating = values.rating;
}

} // namespace

cCourtValues cCourtValues::FromItem(const cCourt& court)
{
    cCourtValues values;
    values.shortName = court.m_strShortName;
    values.fullName = court.m_strName;
    values.reservedHomeGround = court.m_bReservedHomeGround != 0;
    values.rating = court.m_nRating;
    return values;
}

cValidation Validate(const cCourtValues& values, const cDatabase& db, const cCourt* editing)
{
    using F = cCourtValues;
    if (auto error = CheckText(values.shortName, IDS_COURT_NEEDS_FULL_NAME, F::kShortName)) {
        return error;
    }
    if (auto error = CheckText(values.fullName, IDS_COURT_NEEDS_LONG_NAME, F::kFullName)) {
        return error;
    }
    if (auto error = CheckRange(values.rating, 1, 9, F::kRating)) {
        return error;
    }
    if (FindOtherItem(db.Courts(), values.shortName, editing, 1) != nullptr) {
        return MakeValidationError(IDS_SHORT_NAME_UNIQUE, F::kShortName);
    }
    if (FindOtherItem(db.Courts(), values.fullName, editing, 1) != nullptr) {
        return MakeValidationError(IDS_NAME_UNIQUE, F::kFullName);
    }
    return std::nullopt;
}

cCourt& InsertCourt(cDatabase& db, const cCourtValues& values)
{
    auto court = std::make_unique<cCourt>();
    Store(*court, values);
    return static_cast<cCourt&>(db.Courts().AddIndexedItem(std::move(court), true, -1));
}

void ApplyCourt(cDatabase& db, cCourt& court, const cCourtValues& values)
{
    const bool shortNameChanged = court.m_strShortName != values.shortName;
    const bool nameChanged = court.m_strName != values.fullName;
    EditItemInPlace(db, court, [&](cCourt& item) { Store(item, values); });
    // Lists ordered by the court's names follow the new names. The matches
    // and results are moved, never recreated: each result links to its match.
    if (shortNameChanged) {
        ResortItems(db.Scheduled());
        ResortItems(db.Results());
    }
    if (nameChanged) {
        for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
            for (cTeam& team : league.Teams().AllItems<cTeam>()) {
                ResortItems(team.HomeGrounds());
            }
        }
    }
}
