#include "officials/cAutoAssignValues.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "officials/OfficialRules.h"

cAutoAssignValues cAutoAssignValues::FromDatabase(const cDatabase& db)
{
    cAutoAssignValues values;
    const cDbItem* last = db.Scheduled().GetLast();
    const TimePoint date = last != nullptr ? static_cast<const cMatch*>(last)->m_tStart : db.Now();
    const cLocalTime local = LocalTime(date);
    values.day = local.day;
    values.month = local.month;
    values.year = local.year;
    values.officials = OfficialsPerGame(db);
    return values;
}

TimePoint cAutoAssignValues::EndLimit() const
{
    return MakeTimePoint(year, month, day + 1);
}

cValidation Validate(const cAutoAssignValues& values, const cDatabase& db)
{
    using V = cAutoAssignValues;
    if (auto error = CheckRange(values.day, 1, 31, V::kFieldDay)) {
        return error;
    }
    if (auto error = CheckRange(values.month, 1, 12, V::kFieldMonth)) {
        return error;
    }
    if (auto error = CheckRange(values.year, V::kMinYear, V::kMaxYear, V::kFieldYear)) {
        return error;
    }
    if (auto error = CheckRange(values.officials, 1, OfficialsPerGame(db), V::kFieldOfficials)) {
        return error;
    }
    if (!IsValidDate(values.day, values.month, values.year)) {
        return MakeValidationError(IDS_ILLEGAL_DATE, V::kFieldDay);
    }
    return std::nullopt;
}
