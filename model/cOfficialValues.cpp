#include "model/cOfficialValues.h"

#include "model/ItemEdit.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cDatabase.h"
#include "model/cReferee.h"

namespace {

void Store(cReferee& official, const cOfficialValues& values)
{
    official.m_strName = Trim(values.name);
    official.m_strClubOfficial = Trim(values.club);
    official.m_nDayOff1 = values.firstDayOff;
    official.m_nDayOff2 = values.secondDayOff;
    official.m_nRating = values.rating;
    official.m_nMaxGames = values.maxGames;
    official.m_nMaxSubsequent = values.maxSubsequent;
}

} // namespace

cOfficialValues cOfficialValues::FromItem(const cReferee& official)
{
    cOfficialValues values;
    values.name = official.m_strName;
    values.club = official.m_strClubOfficial;
    values.firstDayOff = official.m_nDayOff1;
    values.secondDayOff = official.m_nDayOff2;
    values.rating = official.m_nRating;
    values.maxGames = official.m_nMaxGames;
    values.maxSubsequent = official.m_nMaxSubsequent;
    return values;
}

cValidation Validate(const cOfficialValues& values, const cDatabase& db, const cReferee* editing)
{
    using F = cOfficialValues;
    if (auto error = CheckText(values.name, IDS_OFFICIAL_NEEDS_NAME, F::kName)) {
        return error;
    }
    if (auto error = CheckText(values.club, 0, F::kClub)) {
        return error;
    }
    if (auto error = CheckRange(values.firstDayOff, -1, 6, F::kFirstDayOff)) {
        return error;
    }
    if (auto error = CheckRange(values.secondDayOff, -1, 6, F::kSecondDayOff)) {
        return error;
    }
    if (auto error = CheckRange(values.rating, 1, 9, F::kRating)) {
        return error;
    }
    if (auto error = CheckRange(values.maxGames, 1, 99, F::kMaxGames)) {
        return error;
    }
    if (auto error = CheckRange(values.maxSubsequent, 1, 9, F::kMaxSubsequent)) {
        return error;
    }
    const std::string name = Trim(values.name);
    for (const cReferee& other : db.Officials().AllItems<cReferee>()) {
        if (&other != editing && CompareText(name, other.m_strName, true) == 0) {
            return MakeValidationError(IDS_NAME_UNIQUE, F::kName);
        }
    }
    if (values.firstDayOff >= 0 && values.firstDayOff == values.secondDayOff) {
        return MakeValidationError(IDS_SAME_WEEKDAY_TWICE, F::kSecondDayOff);
    }
    return std::nullopt;
}

cReferee& InsertOfficial(cDatabase& db, const cOfficialValues& values)
{
    auto owned = std::make_unique<cReferee>();
    owned->SetNewOfficialDefaults();
    Store(*owned, values);
    return static_cast<cReferee&>(db.Officials().AddIndexedItem(std::move(owned), true, -1));
}

void ApplyOfficial(cDatabase& db, cReferee& official, const cOfficialValues& values)
{
    EditItemInPlace(db, official, [&](cReferee& item) { Store(item, values); });
}
