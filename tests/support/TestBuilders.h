#pragma once

// Builders of courts, leagues, teams, officials and matches shared by the model and
// dialog tests: plain items added as the containers add them, without the
// checks of the dialogs.

#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"

#include <memory>
#include <string>

inline cCourt& BuildCourt(cDatabase& db, const std::string& name, const std::string& shortName)
{
    auto court = std::make_unique<cCourt>();
    court->m_strName = name;
    court->m_strShortName = shortName;
    return static_cast<cCourt&>(db.Courts().AddIndexedItem(std::move(court), true, -1));
}

inline cLeague& BuildLeague(cDatabase& db, const std::string& name, const std::string& shortName)
{
    auto league = std::make_unique<cLeague>();
    league->m_strName = name;
    league->m_strShortName = shortName;
    return static_cast<cLeague&>(db.Leagues().AddIndexedItem(std::move(league), true, -1));
}

// A team with its row in the league's table.
inline cTeam& BuildTeam(cLeague& league, const std::string& name)
{
    auto team = std::make_unique<cTeam>();
    team->SetName(name);
    auto& added = static_cast<cTeam&>(league.Teams().AddIndexedItem(std::move(team), true, -1));
    auto row = std::make_unique<cTableItem>();
    row->m_nTeam = added.m_nIndex;
    league.Table().AddItem(std::move(row), true);
    return added;
}

inline cReferee& BuildOfficial(cDatabase& db, const std::string& name)
{
    auto official = std::make_unique<cReferee>();
    official->SetNewOfficialDefaults();
    official->m_strName = name;
    return static_cast<cReferee&>(db.Officials().AddIndexedItem(std::move(official), true, -1));
}

// A match in the schedule on [start, start + length) with its result record
// linked both ways, numbered `number`.
inline cMatch& BuildScheduledMatch(cDatabase& db, const cLeague& league, int home, int guest,
                                   const cCourt& court, TimePoint start, int number, TimePoint length = 3600)
{
    auto added = std::make_unique<cMatch>();
    added->m_nLeague = league.m_nIndex;
    added->m_nHomeTeam = home;
    added->m_nGuestTeam = guest;
    added->m_nCourt = court.m_nIndex;
    added->m_tStart = start;
    added->m_tEnd = start + length;
    added->m_nNumber = number;
    auto& scheduled = static_cast<cMatch&>(db.Scheduled().AddItem(std::move(added), true));
    auto result = std::make_unique<cResult>();
    result->CopyPairing(scheduled);
    cResult::Link(*result, scheduled);
    db.Results().AddItem(std::move(result), true);
    return scheduled;
}
