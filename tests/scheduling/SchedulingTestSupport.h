#pragma once

// A small season built by hand, with the scripted prompt and the scheduling
// engine attached.

#include "model/CourtTime.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cPreferredTime.h"
#include "model/cResult.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "scheduling/MatchGeneration.h"
#include "support/cScriptedPrompt.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Monday 6 September 2027 + `day` days, at hhmm.
inline TimePoint At(int day, int hhmm)
{
    return MakeTimePoint(2027, 9, 6 + day, hhmm / 100, hhmm % 100);
}

class cTestSeason
{
public:
    cTestSeason()
    {
        db.SetPrompt(&prompt);
        db.m_random.Seed(7);
    }

    cCourt& Court(const std::string& name, int rating = 5, bool reserved = false)
    {
        auto court = std::make_unique<cCourt>();
        court->m_strName = name;
        court->m_strShortName = name;
        court->m_nRating = rating;
        court->m_bReservedHomeGround = reserved ? 1 : 0;
        return static_cast<cCourt&>(db.Courts().AddIndexedItem(std::move(court), true, -1));
    }

    // A league with teams "<short> 1" ... "<short> n" (in that list order for n < 10).
    cLeague& League(const std::string& shortName, int teams, int rounds = 1)
    {
        auto league = std::make_unique<cLeague>();
        league->m_strName = "League " + shortName;
        league->m_strShortName = shortName;
        league->m_nRounds = rounds;
        auto& added = static_cast<cLeague&>(db.Leagues().AddIndexedItem(std::move(league), true, -1));
        for (int t = 1; t <= teams; ++t) {
            Team(added, shortName + " " + std::to_string(t));
        }
        db.Unscheduled().m_bUpToDate = 0;
        return added;
    }

    cTeam& Team(cLeague& league, const std::string& name)
    {
        auto team = std::make_unique<cTeam>();
        team->SetName(name);
        return static_cast<cTeam&>(league.Teams().AddIndexedItem(std::move(team), true, -1));
    }

    cUnusedTime& Time(const cCourt& court, int day, int from, int to)
    {
        AddCourtTime(db, std::make_unique<cUnusedTime>(court.m_nIndex, At(day, from), At(day, to)));
        for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
            if (period.m_nCourt == court.m_nIndex && period.m_tStart <= At(day, from) &&
                period.m_tEnd >= At(day, to)) {
                return period;
            }
        }
        throw std::logic_error("court time not added");
    }

    // A scheduled match put straight into the schedule, with its result.
    cMatch& Scheduled(const cLeague& league, int home, int guest, int round, const cCourt& court,
                      TimePoint start, int number = 0)
    {
        auto match = std::make_unique<cMatch>();
        match->m_nLeague = league.m_nIndex;
        match->m_nHomeTeam = home;
        match->m_nGuestTeam = guest;
        match->m_nRound = round;
        match->m_nCourt = court.m_nIndex;
        match->m_tStart = start;
        match->m_tEnd = start + 60LL * league.m_nGameDuration;
        match->m_nNumber = number;
        auto& added = static_cast<cMatch&>(db.Scheduled().AddItem(std::move(match), true));
        auto result = std::make_unique<cResult>();
        cResult::Link(*result, added);
        db.Results().AddItem(std::move(result), true);
        return added;
    }

    cPlayoffMatch& Playoff(const cCourt& court, TimePoint start)
    {
        auto match = std::make_unique<cPlayoffMatch>();
        match->m_nCourt = court.m_nIndex;
        match->m_tStart = start;
        match->m_tEnd = start + 3600;
        return static_cast<cPlayoffMatch&>(db.Scheduled().AddItem(std::move(match), true));
    }

    std::vector<cUnscheduledMatch*> Unscheduled()
    {
        RebuildUnscheduled(db);
        std::vector<cUnscheduledMatch*> out;
        for (cUnscheduledMatch& match : db.Unscheduled().AllItems<cUnscheduledMatch>()) {
            out.push_back(&match);
        }
        return out;
    }

    cDatabase db;
    cScriptedPrompt prompt;
};

template <class T> void AddTo(cTournelDb& container, std::unique_ptr<T> item)
{
    container.AddItem(std::move(item), true);
}

inline void AddPreferred(cTournelDb& times, Weekday weekday, ClockTime from, ClockTime to)
{
    auto time = std::make_unique<cPreferredTime>();
    time->m_nWeekday = weekday;
    time->m_nStart = from;
    time->m_nEnd = to;
    AddTo(times, std::move(time));
}

inline void AddHoliday(cTournelDb& holidays, TimePoint first, TimePoint last)
{
    auto holiday = std::make_unique<cIllDate>();
    holiday->m_tStart = first;
    holiday->m_tEnd = last;
    AddTo(holidays, std::move(holiday));
}

inline void AddHomeGround(cTournelDb& grounds, int court, Weekday weekday, ClockTime from, ClockTime to)
{
    auto ground = std::make_unique<cHomeGround>();
    ground->m_nCourt = court;
    ground->m_nWeekday = weekday;
    ground->m_nStart = from;
    ground->m_nEnd = to;
    AddTo(grounds, std::move(ground));
}

inline void AddConflict(cTournelDb& conflicts, int league, int team, bool twin)
{
    auto conflict = std::make_unique<cIllTeam>();
    conflict->m_nLeague = league;
    conflict->m_nTeam = team;
    conflict->m_bTwinTeam = twin ? 1 : 0;
    AddTo(conflicts, std::move(conflict));
}
