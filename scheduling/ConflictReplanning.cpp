#include "scheduling/ConflictReplanning.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cUserPrompt.h"
#include "scheduling/CheckPlacements.h"
#include "scheduling/Replanning.h"

#include <set>
#include <vector>

cConflictReplan ReplanConflicts(cDatabase& db, bool allConflicts, std::optional<std::uint32_t> seed)
{
    cConflictReplan replan;
    std::set<const cMatch*> inConflict;
    for (const cConflict& conflict : CheckPlacements(db)) {
        inConflict.insert(conflict.match);
    }
    replan.conflicts = static_cast<int>(inConflict.size());
    if (inConflict.empty()) {
        replan.message = GetString(IDS_REPLAN_NOTHING);
        db.Prompt().ShowMessage(IDS_REPLAN_NOTHING, replan.message);
        return replan;
    }

    std::vector<cMatch*> chosen;
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (!inConflict.contains(&match)) {
            continue;
        }
        const bool played = match.GetResult() != nullptr && match.GetResult()->IsPlayed();
        if (played || match.IsPlayoff() || (match.m_bByHand != 0 && !allConflicts) ||
            db.GetLeague(match.m_nLeague) == nullptr) {
            ++replan.stayed;
        } else {
            chosen.push_back(&match);
        }
    }
    cReturnedMatches returned = ReturnMatches(db, chosen);
    replan.returned = static_cast<int>(returned.returned.size());
    const cPlacedAgain again = PlaceAgain(db, std::move(returned.returned), seed);
    replan.placed = again.placed;
    replan.notPlaced = again.notPlaced;

    replan.message =
        FormatString(IDS_REPLAN_DONE, {std::to_string(replan.placed), std::to_string(replan.notPlaced)});
    if (replan.stayed > 0) {
        replan.message += "\n" + FormatString(IDS_REPLAN_STAYED, {std::to_string(replan.stayed)});
    }
    db.Prompt().ShowMessage(0, replan.message);
    return replan;
}
