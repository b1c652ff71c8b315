#include "scheduling/ScheduleEditing.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cUserPrompt.h"

#include <algorithm>
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

bool ConfirmDeletingResults(cDatabase& db, const std::vector<const cMatch*>& matches, int messageId)
{
    const int entered = CountEnteredResults(matches);
    return entered == 0 ||
           db.Prompt().AskYesNo(messageId, FormatString(messageId, {std::to_string(entered)}));
}

std::vector<const cMatch*> MatchesDeletedWith(const cDatabase& db, const std::vector<const cDbItem*>& items)
{
    std::vector<const cMatch*> matches;
    // Hidden matches count: they are in the schedule and go with the rest.
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (std::ranges::any_of(items, [&match](const cDbItem* item) {
                return item != nullptr && item->DeletesMatch(match);
            })) {
            matches.push_back(&match);
        }
    }
    return matches;
}

bool ConfirmDeletingItems(cDatabase& db, const std::vector<const cDbItem*>& items)
{
    const bool selectedMatches = !items.empty() && std::ranges::all_of(items, [](const cDbItem* item) {
        return dynamic_cast<const cMatch*>(item) != nullptr;
    });
    return ConfirmDeletingResults(db, MatchesDeletedWith(db, items),
                                  selectedMatches ? IDS_DELETE_ENTERED_RESULTS : IDS_DELETE_CASCADE_RESULTS);
}
