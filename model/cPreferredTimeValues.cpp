#include "model/cPreferredTimeValues.h"

#include "model/ItemEdit.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cPreferredTime.h"

namespace {

void Store(cPreferredTime& time, const cPreferredTimeValues& values)
{
    time.m_nWeekday = values.weekday;
    time.m_nStart = values.start;
    time.m_nEnd = values.end;
}

} // namespace

cPreferredTimeValues cPreferredTimeValues::FromItem(const cPreferredTime& time)
{
    return cPreferredTimeValues{time.m_nWeekday, time.m_nStart, time.m_nEnd};
}

cValidation Validate(const cPreferredTimeValues& values)
{
    using F = cPreferredTimeValues;
    if (auto error = CheckRange(values.start, 0, 2400, F::kStart)) {
        return error;
    }
    if (auto error = CheckRange(values.end, 0, 2400, F::kEnd)) {
        return error;
    }
    if (values.weekday < 0 || values.weekday > 6) {
        return MakeValidationError(IDS_SPECIFY_WEEKDAY, F::kWeekday);
    }
    return CheckTimeWindow(values.start, values.end, F::kStart, F::kEnd);
}

cPreferredTime& InsertPreferredTime(cDatabase&, cTournelDb& times, const cPreferredTimeValues& values)
{
    auto owned = std::make_unique<cPreferredTime>();
    Store(*owned, values);
    return static_cast<cPreferredTime&>(times.AddItem(std::move(owned), true));
}

void ApplyPreferredTime(cDatabase& db, cPreferredTime& time, const cPreferredTimeValues& values)
{
    EditItemInPlace(db, time, [&](cPreferredTime& item) { Store(item, values); });
}
