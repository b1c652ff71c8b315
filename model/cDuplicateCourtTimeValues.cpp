#include "model/cDuplicateCourtTimeValues.h"

#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cUnusedTime.h"

#include <vector>

cDuplicateCourtTimeValues cDuplicateCourtTimeValues::Defaults(const cDatabase& db)
{
    cDuplicateCourtTimeValues values;
    if (const auto* first = static_cast<const cCourt*>(db.Courts().GetFirst())) {
        values.court = first->m_nIndex;
    }
    return values;
}

cValidation Validate(const cDuplicateCourtTimeValues& values, const cDatabase& db, const cUnusedTime& source)
{
    if (values.court < 0 || db.GetCourt(values.court) == nullptr) {
        return MakeValidationError(IDS_SPECIFY_COURT, cDuplicateCourtTimeValues::kCourt);
    }
    if (values.court == source.m_nCourt) {
        return MakeValidationError(IDS_SAME_SOURCE_COURT, cDuplicateCourtTimeValues::kCourt);
    }
    return std::nullopt;
}

int ApplyDuplicateCourtTime(cDatabase& db, const cUnusedTime& source, const cDuplicateCourtTimeValues& values)
{
    const std::vector<TimePoint> refused = DuplicateCourtTime(db, source.m_nCourt, values.court);
    TellRefusedCopies(db, refused);
    return static_cast<int>(refused.size());
}
