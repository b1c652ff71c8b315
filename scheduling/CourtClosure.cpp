#include "scheduling/CourtClosure.h"

#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/cCloseCourtsValues.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"
#include "scheduling/Replanning.h"

#include <algorithm>

namespace {

std::string DateAndTime(const cDatabase& db, TimePoint t)
{
    return db.FormatDate(t) + " " + FormatTime(t, "%H%M");
}

void AppendLines(std::string& message, int headingId, const std::vector<std::string>& lines)
{
    if (lines.empty()) {
        return;
    }
    message += "\n\n";
    message += GetString(headingId);
    for (const std::string& line : lines) {
        message += "\n     " + line;
    }
}

} // namespace

cCourtClosure CloseCourts(cDatabase& db, const cCloseCourtsValues& values, std::optional<std::uint32_t> seed)
{
    cCourtClosure closure;
    const TimePoint from = values.From();
    const TimePoint to = values.To();

    std::vector<cMatch*> inside;
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (values.Closes(match.m_nCourt) && match.m_tStart < to && match.m_tEnd > from) {
            inside.push_back(&match);
        }
    }
    // First the matches: the time they give back is free time of the closed
    // period too, and goes with it below.
    cReturnedMatches returned = ReturnMatches(db, inside);
    closure.returned = static_cast<int>(returned.returned.size());
    closure.played = std::move(returned.played);
    closure.playoff = std::move(returned.playoff);

    std::vector<cUnusedTime*> periods;
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (values.Closes(period.m_nCourt) && period.m_tStart < to && period.m_tEnd > from) {
            periods.push_back(&period);
        }
    }
    // Cutting one period deletes or changes only that one; a part split off
    // before the closed time lies outside it.
    for (cUnusedTime* period : periods) {
        const TimePoint cutFrom = std::max(period->m_tStart, from);
        const TimePoint cutTo = std::min(period->m_tEnd, to);
        closure.closedMinutes += (cutTo - cutFrom) / 60;
        TakeCourtTime(db, *period, cutFrom, cutTo);
    }
    if (!periods.empty()) {
        db.SetModifiedFlag();
    }

    if (values.replan) {
        const cPlacedAgain again = PlaceAgain(db, std::move(returned.returned), seed);
        closure.placed = again.placed;
        closure.notPlaced = again.notPlaced;
    } else {
        closure.notPlaced = closure.returned;
    }

    const cCourt* court = db.GetCourt(values.court);
    const std::string courtName = court != nullptr ? court->m_strShortName : GetString(IDS_CLOSE_ALL_COURTS);
    const std::string fromText = DateAndTime(db, from);
    const std::string toText = DateAndTime(db, to);
    const std::string count = std::to_string(closure.returned);
    closure.message = values.replan ? FormatString(IDS_CLOSE_REPLANNED, {courtName, fromText, toText, count,
                                                                         std::to_string(closure.placed),
                                                                         std::to_string(closure.notPlaced)})
                                    : FormatString(IDS_CLOSE_RETURNED, {courtName, fromText, toText, count});
    AppendLines(closure.message, IDS_CLOSE_PLAYED_STAY, closure.played);
    AppendLines(closure.message, IDS_CLOSE_PLAYOFF_STAY, closure.playoff);
    db.Prompt().ShowMessage(0, closure.message);
    return closure;
}
