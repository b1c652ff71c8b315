#include "model/cCloseCourtsValues.h"

#include "model/Strings.h"
#include "model/cDatabase.h"

#include <string>

cCloseCourtsValues cCloseCourtsValues::Defaults(const cDatabase& db)
{
    cCloseCourtsValues values;
    const cLocalTime today = LocalTime(db.Now());
    values.fromDay = values.toDay = today.day;
    values.fromMonth = values.toMonth = today.month;
    values.fromYear = values.toYear = today.year;
    return values;
}

TimePoint cCloseCourtsValues::From() const
{
    return MakeTimePoint(fromYear, fromMonth, fromDay, fromTime / 100, fromTime % 100, 0);
}

TimePoint cCloseCourtsValues::To() const
{
    return MakeTimePoint(toYear, toMonth, toDay, toTime / 100, toTime % 100, 0);
}

cValidation CanCloseCourts(const cDatabase& db)
{
    if (db.Courts().GetCount() == 0) {
        return MakeValidationError(IDS_CLOSE_NO_COURTS, cCloseCourtsValues::kCourt);
    }
    return std::nullopt;
}

namespace {

cValidation CheckDate(int day, int month, int year, ClockTime hhmm, int messageId, int field)
{
    // DialogTimePoint also refuses a time the file's 32-bit seconds cannot hold.
    if (!IsValidDate(day, month, year) || !DialogTimePoint(day, month, year, hhmm)) {
        cValidationError error = MakeValidationError(messageId, field);
        error.text = FormatString(messageId, {std::to_string(kFirstYear), std::to_string(kLastYear)});
        return error;
    }
    return std::nullopt;
}

} // namespace

cValidation Validate(const cCloseCourtsValues& values, const cDatabase& db)
{
    using F = cCloseCourtsValues;
    if (values.court != F::kAllCourts && db.GetCourt(values.court) == nullptr) {
        return MakeValidationError(IDS_CLOSE_UNKNOWN_COURT, F::kCourt);
    }
    if (!IsValidClockTime(values.fromTime)) {
        return MakeValidationError(IDS_FIRST_TIME_INVALID, F::kFromTime);
    }
    if (!IsValidClockTime(values.toTime)) {
        return MakeValidationError(IDS_FINAL_TIME_INVALID, F::kToTime);
    }
    if (auto error = CheckDate(values.fromDay, values.fromMonth, values.fromYear, values.fromTime,
                               IDS_CLOSE_FROM_DATE, F::kFromDay)) {
        return error;
    }
    if (auto error = CheckDate(values.toDay, values.toMonth, values.toYear, values.toTime, IDS_CLOSE_TO_DATE,
                               F::kToDay)) {
        return error;
    }
    if (values.To() <= values.From()) {
        return MakeValidationError(IDS_CLOSE_ENDS_BEFORE_START, F::kToDay);
    }
    return std::nullopt;
}
