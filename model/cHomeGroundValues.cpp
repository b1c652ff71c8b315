#include "model/cHomeGroundValues.h"

#include "model/ItemEdit.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"

namespace {

void Store(cHomeGround& ground, const cHomeGroundValues& values)
{
    ground.m_nCourt = values.court;
    ground.m_nWeekday = values.weekday;
    ground.m_nStart = values.start;
    ground.m_nEnd = values.end;
}

} // namespace

cHomeGroundValues cHomeGroundValues::FromItem(const cHomeGround& ground)
{
    return cHomeGroundValues{ground.m_nCourt, ground.m_nWeekday, ground.m_nStart, ground.m_nEnd};
}

cValidation Validate(const cHomeGroundValues& values, const cDatabase& db)
{
    using F = cHomeGroundValues;
    if (auto error = CheckRange(values.weekday, -1, 6, F::kWeekday)) {
        return error;
    }
    if (auto error = CheckRange(values.start, 0, 2400, F::kStart)) {
        return error;
    }
    if (auto error = CheckRange(values.end, 0, 2400, F::kEnd)) {
        return error;
    }
    if (values.court < 0 || db.GetCourt(values.court) == nullptr) {
        return MakeValidationError(IDS_SPECIFY_COURT, F::kCourt);
    }
    return CheckTimeWindow(values.start, values.end, F::kStart, F::kEnd);
}

cHomeGround& InsertHomeGround(cDatabase&, cTournelDb& grounds, const cHomeGroundValues& values)
{
    auto owned = std::make_unique<cHomeGround>();
    Store(*owned, values);
    return static_cast<cHomeGround&>(grounds.AddItem(std::move(owned), true));
}

void ApplyHomeGround(cDatabase& db, cHomeGround& ground, const cHomeGroundValues& values)
{
    EditItemInPlace(db, ground, [&](cHomeGround& item) { Store(item, values); });
}
