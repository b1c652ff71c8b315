#pragma once

// Builders of courts, leagues, teams and officials shared by the model and
// dialog tests: plain items added as the containers add them, without the
// checks of the dialogs.

#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cReferee.h"
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
