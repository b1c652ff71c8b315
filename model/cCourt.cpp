#include "model/cCourt.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cTeam.h"
#include "model/cUnusedTime.h"

std::string cCourt::GetColumnText(int column) const
{
    switch (column) {
    case 0:
        return m_strName;
    case 1:
        return m_strShortName;
    case 2:
        return GetString(m_bReservedHomeGround != 0 ? IDS_YES : IDS_NO);
    case 3:
        return std::to_string(m_nRating);
    default:
        return {};
    }
}

bool cCourt::DeletesMatch(const cMatch& match) const
{
    return match.m_nCourt == m_nIndex;
}

void cCourt::OnDelete(cDatabase& db, cTournelDb&, int)
{
    // Home grounds on this court.
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        for (cTeam& team : league.Teams().AllItems<cTeam>()) {
            cTournelDb& grounds = team.HomeGrounds();
            for (cDbItem* item = grounds.GetHead(); item != nullptr;) {
                cDbItem* next = item->NextLink();
                if (static_cast<cHomeGround*>(item)->m_nCourt == m_nIndex) {
                    grounds.DeleteItem(*item, db);
                }
                item = next;
            }
        }
    }
    // Matches on this court go back to the unscheduled list.
    cTournelDb& scheduled = db.Scheduled();
    for (cDbItem* item = scheduled.GetHead(); item != nullptr;) {
        cDbItem* next = item->NextLink();
        if (DeletesMatch(static_cast<const cMatch&>(*item))) {
            scheduled.DeleteItem(*item, db);
        }
        item = next;
    }
    // The matches still to play are derived again.
    db.Unscheduled().m_bUpToDate = 0;
    // Its free time (including what the matches just gave back).
    cTournelDb& courtTime = db.CourtTime();
    for (cDbItem* item = courtTime.GetHead(); item != nullptr;) {
        cDbItem* next = item->NextLink();
        if (static_cast<cUnusedTime*>(item)->m_nCourt == m_nIndex) {
            courtTime.DeleteItem(*item, db);
        }
        item = next;
    }
    // A view filter on a court that is gone would show an empty list: show
    // every court's time again.
    if (db.m_nCourtFilter == m_nIndex) {
        db.m_nCourtFilter = -1;
        courtTime.m_bUpToDate = 0;
    }
}
