#include "model/MatchHeading.h"

#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"

std::string MatchHeading(const cDatabase& db, const cMatch& match)
{
    return match.GetLabel() + "  " + match.GetHomeName() + " - " + match.GetGuestName() + ", " +
           db.WeekdayOf(match.m_tStart) + " " + db.FormatDate(match.m_tStart) + " " +
           FormatTime(match.m_tStart, "%H:%M");
}

std::string MatchHeading(const cDatabase& db, const cUnscheduledMatch& match)
{
    const cLeague* league = db.GetLeague(match.GetLeague());
    const cTeam* home = db.GetTeam(match.GetLeague(), match.GetHomeTeam());
    const cTeam* guest = db.GetTeam(match.GetLeague(), match.GetGuestTeam());
    return match.GetLabel(db) + "  " + (home != nullptr ? home->m_strName : std::string()) + " - " +
           (guest != nullptr ? guest->m_strName : std::string()) + ", " +
           (league != nullptr ? league->m_strName : std::string());
}
