#include "tools/seasongen/PlainSchedule.h"

#include "model/cDatabase.h"
#include "model/cIndexedDb.h"
#include "model/cLeague.h"
#include "model/cReferee.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// Every unscheduled match on the next stretch of free court time long enough
// for it, in list order; the court time is cut as the scheduler cuts it.
int LayOutPlainly(cDatabase& db)
{
    RebuildUnscheduled(db);
    int placed = 0;
    cDbItem* item = db.Unscheduled().GetFirst();
    while (item != nullptr) {
        cDbItem* next = cTournelDb::GetNext(*item);
        auto& match = static_cast<cUnscheduledMatch&>(*item);
        const cLeague* league = db.GetLeague(match.GetLeague());
        const TimePoint duration = league != nullptr ? TimePoint{league->m_nGameDuration} * 60 : 0;
        for (cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
            if (duration > 0 && period.GetEnd() - period.GetStart() >= duration) {
                const TimePoint start = period.GetStart();
                if (ScheduleMatch(db, period, start, start + duration, match, true) != nullptr) {
                    ++placed;
                }
                break;
            }
        }
        item = next;
    }
    return placed;
}

// One official for every eight slots of the season, each taking up to twenty
// games, members of the teams' clubs in turn, with ratings 1 to 9.
void AddOfficials(cDatabase& db, int matches)
{
    std::vector<std::string> clubs;
    for (const cLeague& league : db.Leagues().AllItems<cLeague>()) {
        for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
            clubs.push_back(team.m_strClub);
        }
    }
    const int count = std::max(4, matches * db.m_nOfficialsPerGame / 8);
    for (int i = 0; i < count; ++i) {
        auto official = std::make_unique<cReferee>();
        official->SetNewOfficialDefaults();
        official->m_strName = "Official " + std::to_string(i + 1);
        official->m_strShortName = std::to_string(i + 1);
        official->m_strClubOfficial =
            clubs.empty() ? std::string() : clubs[static_cast<std::size_t>(i) % clubs.size()];
        official->m_nRating = 1 + i % 9;
        db.Officials().AddIndexedItem(std::move(official), false, -1);
    }
}
