#pragma once

// A small season for the officials tests: courts, leagues, teams and
// officials built directly, scheduled matches put into the list with their
// result records, the scripted prompt attached and a fixed seed.

#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cPreferredTime.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTeam.h"
#include "officials/AutoAssign.h"
#include "support/cScriptedPrompt.h"
#include "support/cSeasonInvariants.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// Monday 6 September 2027 + `day` days, at hhmm (local time).
inline TimePoint At(int day, int hhmm)
{
    return MakeTimePoint(2027, 9, 6 + day, hhmm / 100, hhmm % 100);
}

class cOfficialsSeason
{
public:
    cOfficialsSeason()
    {
        db.SetPrompt(&prompt);
        db.m_random.Seed(7);
    }

    cCourt& Court(const std::string& shortName)
    {
        auto court = std::make_unique<cCourt>();
        court->m_strName = "Court " + shortName;
        court->m_strShortName = shortName;
        return static_cast<cCourt&>(db.Courts().AddIndexedItem(std::move(court), true, -1));
    }

    cLeague& League(const std::string& shortName)
    {
        auto league = std::make_unique<cLeague>();
        league->m_strName = "League " + shortName;
        league->m_strShortName = shortName;
        auto& added = static_cast<cLeague&>(db.Leagues().AddIndexedItem(std::move(league), true, -1));
        added.ComputeRatingBands(db.m_nOfficialsPerGame);
        return added;
    }

    // The club follows from the name: "Eagles 2" plays for Eagles.
    cTeam& Team(cLeague& league, const std::string& name)
    {
        auto team = std::make_unique<cTeam>();
        team->SetName(name);
        return static_cast<cTeam&>(league.Teams().AddIndexedItem(std::move(team), true, -1));
    }

    cReferee& Official(const std::string& name, const std::string& club = "", int rating = 5)
    {
        auto official = std::make_unique<cReferee>();
        official->SetNewOfficialDefaults();
        official->m_strName = name;
        official->m_strClubOfficial = club;
        official->m_nRating = rating;
        return static_cast<cReferee&>(db.Officials().AddIndexedItem(std::move(official), true, -1));
    }

    // A league match between two teams of `league`, with its result record.
    cMatch& Match(const cCourt& court, const cLeague& league, const cTeam& home, const cTeam& guest, int day,
                  int hhmm, int minutes = 60)
    {
        auto match = std::make_unique<cMatch>();
        match->m_bByHand = 0;
        match->m_nCourt = court.m_nIndex;
        match->m_nLeague = league.m_nIndex;
        match->m_nHomeTeam = home.m_nIndex;
        match->m_nGuestTeam = guest.m_nIndex;
        match->m_nNumber = ++m_nNumber;
        match->m_tStart = At(day, hhmm);
        match->m_tEnd = match->m_tStart + minutes * 60;
        auto& placed = static_cast<cMatch&>(db.Scheduled().AddItem(std::move(match), true));
        auto result = std::make_unique<cResult>();
        result->m_nHomeTeam = placed.m_nHomeTeam;
        result->m_nGuestTeam = placed.m_nGuestTeam;
        result->m_nLeague = placed.m_nLeague;
        cResult::Link(*result, placed);
        db.Results().AddItem(std::move(result), true);
        return placed;
    }

    cMatch& Playoff(const cCourt& court, int day, int hhmm, int minutes = 60)
    {
        auto match = std::make_unique<cPlayoffMatch>();
        match->m_nCourt = court.m_nIndex;
        match->m_nLeague = cMatch::kPlayoff;
        match->m_nHomeTeam = cMatch::kPlayoff;
        match->m_nGuestTeam = cMatch::kPlayoff;
        match->m_strHomeTeam = "Home";
        match->m_strGuestTeam = "Guest";
        match->m_strNumber = "P" + std::to_string(++m_nNumber);
        match->m_tStart = At(day, hhmm);
        match->m_tEnd = match->m_tStart + minutes * 60;
        return static_cast<cMatch&>(db.Scheduled().AddItem(std::move(match), true));
    }

    void Hold(cMatch& match, int slot, const cReferee& official)
    {
        AssignOfficial(db, match, slot, &official);
    }

    void Holiday(cReferee& official, int fromDay, int toDay)
    {
        auto holiday = std::make_unique<cIllDate>();
        holiday->m_tStart = At(fromDay, 0);
        holiday->m_tEnd = At(toDay, 2359);
        official.Holidays().AddItem(std::move(holiday), true);
    }

    void Preferred(cReferee& official, Weekday weekday, ClockTime from, ClockTime to)
    {
        auto entry = std::make_unique<cPreferredTime>();
        entry->m_nWeekday = weekday;
        entry->m_nStart = from;
        entry->m_nEnd = to;
        official.PreferredTimes().AddItem(std::move(entry), true);
    }

    void Conflict(cReferee& official, const cLeague& league, const cTeam& team, bool twin)
    {
        auto conflict = std::make_unique<cIllTeam>();
        conflict->m_nLeague = league.m_nIndex;
        conflict->m_nTeam = team.m_nIndex;
        conflict->m_bTwinTeam = twin ? 1 : 0;
        official.TeamConflicts().AddItem(std::move(conflict), true);
    }

    // The slots of every scheduled match in list order, for comparing runs.
    std::vector<int> AllSlots() const
    {
        std::vector<int> slots;
        for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
            slots.insert(slots.end(), match.m_nOfficial.begin(), match.m_nOfficial.end());
        }
        return slots;
    }

    cDatabase db;
    cScriptedPrompt prompt;

private:
    int m_nNumber = 0;
};

// The officials whose game count differs from the match positions they
// hold, as "name: count != held"; empty when all agree.
inline std::vector<std::string> GameCountErrors(const cDatabase& db)
{
    std::map<int, int> held;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        for (const int official : match.m_nOfficial) {
            ++held[official];
        }
    }
    std::vector<std::string> errors;
    for (const cReferee& official : db.Officials().AllItems<cReferee>()) {
        if (official.m_nGames != held[official.m_nIndex]) {
            errors.push_back(official.m_strName + ": " + std::to_string(official.m_nGames) +
                             " != " + std::to_string(held[official.m_nIndex]));
        }
    }
    return errors;
}
