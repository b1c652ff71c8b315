#include "scheduling/ScheduleEditing.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cUserPrompt.h"

#include <string>

bool RenumberMatches(cDatabase& db)
{
    if (!db.Prompt().AskYesNo(IDS_RENUMBER_QUESTION)) {
        return false;
    }
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        league.m_nLastMatchNumber = 0;
    }
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (match.IsPlayoff()) {
            continue;
        }
        if (cLeague* league = db.GetLeague(match.m_nLeague)) {
            match.m_nNumber = ++league->m_nLastMatchNumber;
        }
    }
    db.SetModifiedFlag();
    return true;
}

cAutoScheduledRemoval RemoveAutoScheduledMatches(cDatabase& db)
{
    cAutoScheduledRemoval removal;
    if (!db.Prompt().AskYesNo(IDS_REMOVE_AUTO_SCHEDULED)) {
        return removal;
    }
    cDbItem* item = db.Scheduled().GetFirst();
    while (item != nullptr) {
        cDbItem* next = cTournelDb::GetNext(*item);
        const auto& match = static_cast<const cMatch&>(*item);
        if (match.m_bByHand == 0 && !match.IsPlayoff()) {
            if (match.GetResult() != nullptr && match.GetResult()->IsPlayed()) {
                ++removal.stayed;
            } else {
                db.Scheduled().DeleteItem(*item, db);
                ++removal.removed;
            }
        }
        item = next;
    }
    if (removal.removed > 0) {
        db.SetModifiedFlag();
    }
    if (removal.stayed > 0) {
        db.Prompt().ShowMessage(IDS_PLAYED_MATCHES_STAYED,
                                FormatString(IDS_PLAYED_MATCHES_STAYED, {std::to_string(removal.removed),
                                                                         std::to_string(removal.stayed)}));
    }
    return removal;
}

int CountEnteredResults(const std::vector<const cMatch*>& matches)
{
    int entered = 0;
    for (const cMatch* match : matches) {
        if (match != nullptr && match->GetResult() != nullptr && match->GetResult()->IsPlayed()) {
            ++entered;
        }
    }
    return entered;
}

bool ConfirmDeletingResults(cDatabase& db, const std::vector<const cMatch*>& matches)
{
    const int entered = CountEnteredResults(matches);
    return entered == 0 ||
           db.Prompt().AskYesNo(IDS_DELETE_ENTERED_RESULTS,
                                FormatString(IDS_DELETE_ENTERED_RESULTS, {std::to_string(entered)}));
}
