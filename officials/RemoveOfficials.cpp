#include "officials/RemoveOfficials.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cUserPrompt.h"
#include "officials/AutoAssign.h"
#include "officials/OfficialRules.h"

bool RemoveOfficials(cDatabase& db, const std::vector<cMatch*>& matches, int slot)
{
    const int slots = OfficialsPerGame(db);
    if (matches.empty() || slot < -1 || slot >= slots) {
        return false;
    }
    if (!db.Prompt().AskYesNo(IDS_REMOVE_OFFICIALS_QUESTION)) {
        return false;
    }
    const int first = slot < 0 ? 0 : slot;
    const int last = slot < 0 ? slots - 1 : slot;
    // The marks make a match selected twice count once.
    for (cMatch* match : matches) {
        match->m_bMarked = 1;
    }
    for (cMatch* match : matches) {
        if (match->m_bMarked == 0) {
            continue;
        }
        for (int position = first; position <= last; ++position) {
            if (match->GetOfficial(position) >= 0) {
                AssignOfficial(db, *match, position, nullptr);
            }
        }
        match->m_bMarked = 0;
    }
    db.SetModifiedFlag();
    return true;
}
