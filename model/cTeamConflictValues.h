#pragma once

// The values of the dialog "Team conflict", for the conflicts of a team or of an official.

#include "model/cValidation.h"

class cDatabase;
class cIllTeam;
class cTournelDb;

struct cTeamConflictValues
{
    enum Field : int
    {
        kLeague,
        kTeam,
        kTwinTeam,
    };

    int league = -1; // league index, -1 none
    int team = -1;   // team index in that league, -1 none
    bool twinTeam = false;

    // A default-constructed value set is the one of a new conflict.
    static cTeamConflictValues FromItem(const cIllTeam& conflict);
};

// `conflicts` is the team-conflict container of the owning team or official;
// `editing` the entry being changed, null for a new one.
cValidation Validate(const cTeamConflictValues& values, const cDatabase& db, const cTournelDb& conflicts,
                     const cIllTeam* editing);

cIllTeam& InsertTeamConflict(cDatabase& db, cTournelDb& conflicts, const cTeamConflictValues& values);
void ApplyTeamConflict(cDatabase& db, cIllTeam& conflict, const cTeamConflictValues& values);
