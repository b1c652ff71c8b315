#include "scheduling/ScheduleEditing.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cUserPrompt.h"

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

int RemoveAutoScheduledMatches(cDatabase& db)
{
    if (!db.Prompt().AskYesNo(IDS_REMOVE_AUTO_SCHEDULED)) {
        return 0;
    }
    int removed = 0;
    cDbItem* item = db.Scheduled().GetFirst();
    while (item != nullptr) {
        cDbItem* next = cTournelDb::GetNext(*item);
        const auto& match = static_cast<const cMatch&>(*item);
        if (match.m_bByHand == 0 && !match.IsPlayoff()) {
            db.Scheduled().DeleteItem(*item, db);
            ++removed;
        }
        item = next;
    }
    if (removed > 0) {
        db.SetModifiedFlag();
    }
    return removed;
}
