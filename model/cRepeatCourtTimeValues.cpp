#include "model/cRepeatCourtTimeValues.h"

#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cUserPrompt.h"

cValidation Validate(const cRepeatCourtTimeValues& values)
{
    return CheckRange(values.weeks, 1, 52, cRepeatCourtTimeValues::kWeeks);
}

int ApplyRepeatCourtTime(cDatabase& db, const cUnusedTime& period, const cRepeatCourtTimeValues& values)
{
    const int refused = RepeatCourtTime(db, period, values.weeks);
    for (int i = 0; i < refused; ++i) {
        db.Prompt().ShowMessage(IDS_COURT_TIME_CONFLICT);
    }
    return refused;
}
