#include "model/cTeam.h"

#include "model/Directories.h"
#include "model/TextCodec.h"
#include "model/cDatabase.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cTableItem.h"
#include "model/cUnscheduledMatch.h"

#include <vector>

namespace {

// Deletes the conflict entries of `conflicts` that name the team (team < 0: any team of the league).
void DeleteConflicts(cDatabase& db, cTournelDb& conflicts, int league, int team)
{
    for (cDbItem* item = conflicts.GetHead(); item != nullptr;) {
        cDbItem* next = item->NextLink();
        const auto* entry = static_cast<const cIllTeam*>(item);
        if (entry->m_nLeague == league && (team < 0 || entry->m_nTeam == team)) {
            conflicts.DeleteItem(*item, db);
        }
        item = next;
    }
}

// A league match of team `team` of league `league`: what deleting the team deletes.
bool PlaysIn(const cMatch& match, int league, int team)
{
    return !match.IsPlayoff() && match.m_nLeague == league &&
           (match.m_nHomeTeam == team || match.m_nGuestTeam == team);
}

} // namespace

void DeleteConflictsNaming(cDatabase& db, int league, int team)
{
    for (cLeague& owner : db.Leagues().AllItems<cLeague>()) {
        for (cTeam& other : owner.Teams().AllItems<cTeam>()) {
            DeleteConflicts(db, other.TeamConflicts(), league, team);
        }
    }
    for (cReferee& official : db.Officials().AllItems<cReferee>()) {
        DeleteConflicts(db, official.TeamConflicts(), league, team);
    }
}

void DeleteUnscheduledNaming(cDatabase& db, int league, int team)
{
    cTournelDb& unscheduled = db.Unscheduled();
    for (cDbItem* item = unscheduled.GetHead(); item != nullptr;) {
        cDbItem* next = item->NextLink();
        const auto* match = static_cast<const cUnscheduledMatch*>(item);
        if (match->GetLeague() == league &&
            (team < 0 || match->GetHomeTeam() == team || match->GetGuestTeam() == team)) {
            unscheduled.DeleteItem(*item, db);
        }
        item = next;
    }
}

cTeam::cTeam()
{
    DescribeHolidays(CreateChild<cTournelDb>(kHolidays));
    DescribeHomeGrounds(CreateChild<cTournelDb>(kHomeGrounds));
    DescribePreferredTimes(CreateChild<cTournelDb>(kPreferredTimes));
    DescribeTeamConflicts(CreateChild<cTournelDb>(kTeamConflicts));
}

void cTeam::SetName(std::string_view name)
{
    m_strName = std::string(name);
    std::vector<char32_t> chars;
    for (cUtf8Reader reader(name); !reader.AtEnd();) {
        chars.push_back(reader.Next());
    }
    if (chars.size() > 2 && chars[chars.size() - 2] == U' ') {
        chars.back() = U' ';
        while (!chars.empty() && chars.back() == U' ') {
            chars.pop_back();
        }
    }
    m_strClub.clear();
    for (const char32_t c : chars) {
        AppendUtf8(m_strClub, c);
    }
}

cLeague* cTeam::GetLeague() const
{
    const cTournelDb* owner = GetOwner();
    return owner != nullptr ? dynamic_cast<cLeague*>(owner->GetOwnerItem()) : nullptr;
}

std::string cTeam::GetColumnText(int column) const
{
    switch (column) {
    case 0:
        return m_strName;
    case 1:
        return WeekdayName(m_nDayOff, kDefaultLanguage);
    case 2:
        return std::to_string(m_nBonusPoints);
    default:
        return {};
    }
}

bool cTeam::DeletesMatch(const cMatch& match) const
{
    const cLeague* league = GetLeague();
    return league != nullptr && PlaysIn(match, league->m_nIndex, m_nIndex);
}

void cTeam::OnDelete(cDatabase& db, cTournelDb& from, int)
{
    auto* league = dynamic_cast<cLeague*>(from.GetOwnerItem());
    if (league == nullptr) {
        return;
    }
    const int leagueIndex = league->m_nIndex;
    // Team conflicts of teams and officials that name this team.
    DeleteConflictsNaming(db, leagueIndex, m_nIndex);
    // Its row of the table.
    cTournelDb& table = league->Table();
    for (cDbItem* item = table.GetHead(); item != nullptr;) {
        cDbItem* next = item->NextLink();
        if (static_cast<cTableItem*>(item)->m_nTeam == m_nIndex) {
            table.DeleteItem(*item, db);
        }
        item = next;
    }
    table.m_bUpToDate = 0;
    // Its scheduled matches; the pairings no longer exist, so they are not returned.
    cTournelDb& scheduled = db.Scheduled();
    for (cDbItem* item = scheduled.GetHead(); item != nullptr;) {
        cDbItem* next = item->NextLink();
        if (PlaysIn(static_cast<const cMatch&>(*item), leagueIndex, m_nIndex)) {
            scheduled.DeleteItem(*item, db, kDeleteDiscard);
        }
        item = next;
    }
    // The matches still to play and the table are derived again.
    DeleteUnscheduledNaming(db, leagueIndex, m_nIndex);
    db.Unscheduled().m_bUpToDate = 0;
    table.m_bUpToDate = 0;
}
