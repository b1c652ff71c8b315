#include "model/cCourtTimeValues.h"

#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"

cCourtTimeValues cCourtTimeValues::Defaults(const cDatabase& db)
{
    cCourtTimeValues values;
    if (db.GetCourt(0) != nullptr) {
        values.court = 0;
    } else if (const auto* first = static_cast<const cCourt*>(db.Courts().GetFirst())) {
        values.court = first->m_nIndex;
    }
    const cLocalTime today = LocalTime(db.Now());
    values.day = today.day;
    values.month = today.month;
    values.year = today.year;
    return values;
}

cCourtTimeValues cCourtTimeValues::FromItem(const cUnusedTime& period)
{
    cCourtTimeValues values;
    values.court = period.m_nCourt;
    const cLocalTime start = LocalTime(period.m_tStart);
    values.day = start.day;
    values.month = start.month;
    values.year = start.year;
    values.start = TimeOfDay(period.m_tStart);
    values.end = TimeOfDay(period.m_tEnd);
    if (values.end == 0 && period.m_tEnd > period.m_tStart) {
        values.end = 2400;
    }
    return values;
}

TimePoint cCourtTimeValues::StartTime() const
{
    return MakeTimePoint(year, month, day, start / 100, start % 100, 0);
}

TimePoint cCourtTimeValues::EndTime() const
{
    return MakeTimePoint(year, month, day, end / 100, end % 100, 0);
}

cValidation CanInsertCourtTime(const cDatabase& db)
{
    if (db.Courts().GetCount() == 0) {
        return MakeValidationError(IDS_NO_COURTS_FOR_TIME, cCourtTimeValues::kCourt);
    }
    return std::nullopt;
}

cValidation Validate(const cCourtTimeValues& values, const cDatabase& db)
{
    using F = cCourtTimeValues;
    if (auto error = CheckRange(values.day, 1, 31, F::kDay)) {
        return error;
    }
    if (auto error = CheckRange(values.month, 1, 12, F::kMonth)) {
        return error;
    }
    if (auto error = CheckRange(values.year, kFirstYear, kLastYear, F::kYear)) {
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
    if (!IsValidDate(values.day, values.month, values.year)) {
        return MakeValidationError(IDS_ILLEGAL_DATE, F::kDay);
    }
    if (auto error = CheckTimeWindow(values.start, values.end, F::kStart, F::kEnd)) {
        return error;
    }
    // The file holds seconds in 32 bits: a later date could not be saved.
    if (!FitsInFile(values.StartTime()) || !FitsInFile(values.EndTime())) {
        return MakeValidationError(IDS_ILLEGAL_DATE, F::kDay);
    }
    const cUnusedTime period(values.court, values.StartTime(), values.EndTime());
    if (HasMatchConflict(db, period)) {
        return MakeValidationError(IDS_COURT_TIME_CONFLICT, F::kStart);
    }
    return std::nullopt;
}

eAddCourtTime InsertCourtTime(cDatabase& db, const cCourtTimeValues& values)
{
    const eAddCourtTime added =
        AddCourtTime(db, std::make_unique<cUnusedTime>(values.court, values.StartTime(), values.EndTime()));
    if (added == eAddCourtTime::Conflict) {
        db.Prompt().ShowMessage(IDS_COURT_TIME_CONFLICT);
    }
    return added;
}

eAddCourtTime ApplyCourtTime(cDatabase& db, cUnusedTime& period, const cCourtTimeValues& values)
{
    const cUnusedTime changed(values.court, values.StartTime(), values.EndTime());
    if (HasMatchConflict(db, changed)) {
        db.Prompt().ShowMessage(IDS_COURT_TIME_CONFLICT);
        return eAddCourtTime::Conflict;
    }
    std::unique_ptr<cDbItem> removed = db.CourtTime().RemoveItem(period);
    if (!removed) {
        return eAddCourtTime::Conflict;
    }
    std::unique_ptr<cUnusedTime> owned(static_cast<cUnusedTime*>(removed.release()));
    owned->m_nCourt = changed.m_nCourt;
    owned->m_tStart = changed.m_tStart;
    owned->m_tEnd = changed.m_tEnd;
    db.SetModifiedFlag();
    return AddCourtTime(db, std::move(owned));
}
