#include "model/cRepeatCourtTimeValues.h"

#include "model/CourtTime.h"

#include <vector>

cValidation Validate(const cRepeatCourtTimeValues& values)
{
    return CheckRange(values.weeks, 1, 52, cRepeatCourtTimeValues::kWeeks);
}

int ApplyRepeatCourtTime(cDatabase& db, const cUnusedTime& period, const cRepeatCourtTimeValues& values)
{
    const std::vector<TimePoint> refused = RepeatCourtTime(db, period, values.weeks);
    TellRefusedCopies(db, refused);
    return static_cast<int>(refused.size());
}
