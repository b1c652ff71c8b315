#pragma once

// The values of the dialog "Team properties".

#include "model/Calendar.h"
#include "model/cValidation.h"

#include <string>

class cDatabase;
class cLeague;
class cTeam;

struct cTeamValues
{
    enum Field : int
    {
        kName,
        kDayOff,
        kBonusPoints,
    };

    std::string name;
    Weekday dayOff = -1; // -1 "<None>"
    int bonusPoints = 0; // -999 ... 999

    // A default-constructed value set is the one of a new team.
    static cTeamValues FromItem(const cTeam& team);
};

// `editing` is the team being changed, null for a new team of `league`.
cValidation Validate(const cTeamValues& values, const cLeague& league, const cTeam* editing);

// Adds a new team with a new index number, gives it a row in the league's
// table and marks the table and the unscheduled matches out of date.
cTeam& InsertTeam(cDatabase& db, cLeague& league, const cTeamValues& values);

// Changes a team (it keeps its index) and marks the league's table out of date.
void ApplyTeam(cDatabase& db, cTeam& team, const cTeamValues& values);
