#pragma once

// Every directory of a season, as the tree lists them: the top-level
// containers, then each league's, team's and official's own lists. With
// `firstOnly` only the first league's, team's and official's.

#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cReferee.h"
#include "model/cTeam.h"

#include <vector>

inline std::vector<cTournelDb*> AllDirectories(cDatabase& db, bool firstOnly = false)
{
    std::vector<cTournelDb*> directories = {&db.Courts(),    &db.CourtTime(), &db.Leagues(),
                                            &db.Officials(), &db.Scheduled(), &db.Unscheduled(),
                                            &db.Results()};
    const auto addChildren = [&directories](cDbItem& item) {
        for (int slot = 0; slot < cDbItem::kChildSlots; ++slot) {
            if (cTournelDb* child = item.GetChild(slot)) {
                directories.push_back(child);
            }
        }
    };
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        addChildren(league);
        for (cTeam& team : league.Teams().AllItems<cTeam>()) {
            addChildren(team);
            if (firstOnly) {
                break;
            }
        }
        if (firstOnly) {
            break;
        }
    }
    for (cReferee& official : db.Officials().AllItems<cReferee>()) {
        addChildren(official);
        if (firstOnly) {
            break;
        }
    }
    return directories;
}
