#include "model/cHolidayValues.h"

#include "model/ItemEdit.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cIllDate.h"

#include <tuple>

namespace {

void Store(cIllDate& holiday, const cHolidayValues& values)
{
    holiday.m_tStart = values.StartTime();
    holiday.m_tEnd = values.FinalTime();
}

} // namespace

cHolidayValues cHolidayValues::Defaults(const cDatabase& db)
{
    const cLocalTime today = LocalTime(db.Now());
    return cHolidayValues{today.day, today.month, today.year, today.day, today.month, today.year};
}

cHolidayValues cHolidayValues::FromItem(const cIllDate& holiday)
{
    const cLocalTime start = LocalTime(holiday.m_tStart);
    const cLocalTime final = LocalTime(holiday.m_tEnd);
    return cHolidayValues{start.day, start.month, start.year, final.day, final.month, final.year};
}

TimePoint cHolidayValues::StartTime() const
{
    return MakeTimePoint(startYear, startMonth, startDay, kStartClock / 100, kStartClock % 100, 0);
}

TimePoint cHolidayValues::FinalTime() const
{
    return MakeTimePoint(finalYear, finalMonth, finalDay, kFinalClock / 100, kFinalClock % 100, 0);
}

cValidation Validate(const cHolidayValues& values)
{
    using F = cHolidayValues;
    struct cRange
    {
        int value;
        int low;
        int high;
        int field;
    };
    const cRange ranges[] = {
        {values.startDay, 1, 31, F::kStartDay},
        {values.startMonth, 1, 12, F::kStartMonth},
        {values.startYear, kFirstYear, kLastYear, F::kStartYear},
        {values.finalDay, 1, 31, F::kFinalDay},
        {values.finalMonth, 1, 12, F::kFinalMonth},
        {values.finalYear, kFirstYear, kLastYear, F::kFinalYear},
    };
    for (const cRange& range : ranges) {
        if (auto error = CheckRange(range.value, range.low, range.high, range.field)) {
            return error;
        }
    }
    // A date past what the file's 32-bit seconds can hold is as illegal as 30 February.
    if (!DialogTimePoint(values.startDay, values.startMonth, values.startYear, F::kStartClock)) {
        return MakeValidationError(IDS_START_DATE_ILLEGAL, F::kStartDay);
    }
    if (!DialogTimePoint(values.finalDay, values.finalMonth, values.finalYear, F::kFinalClock)) {
        return MakeValidationError(IDS_FINAL_DATE_ILLEGAL, F::kFinalDay);
    }
    if (std::tie(values.startYear, values.startMonth, values.startDay) >
        std::tie(values.finalYear, values.finalMonth, values.finalDay)) {
        return MakeValidationError(IDS_START_AFTER_FINAL, F::kStartDay);
    }
    return std::nullopt;
}

cIllDate& InsertHoliday(cDatabase&, cTournelDb& holidays, const cHolidayValues& values)
{
    auto owned = std::make_unique<cIllDate>();
    Store(*owned, values);
    return static_cast<cIllDate&>(holidays.AddItem(std::move(owned), true));
}

void ApplyHoliday(cDatabase& db, cIllDate& holiday, const cHolidayValues& values)
{
    EditItemInPlace(db, holiday, [&](cIllDate& item) { Store(item, values); });
}
