#pragma once

// The values of the dialog "League properties".

#include "model/Calendar.h"
#include "model/cValidation.h"

#include <string>

class cDatabase;
class cLeague;

struct cLeagueValues
{
    enum Field : int
    {
        kShortName,
        kFullName,
        kRounds,
        kSetsPerGame,
        kMatchReduction,
        kMatchesPerDay,
        kMinOfficialRating,
        kMaxOfficialRating,
        kMinCourtRating,
        kMaxCourtRating,
        kGameDuration,
        kLatestStart,
        kRestTeamDays,
        kRestTeamHours,
        kRestTeamMinutes,
        kRestPairDays,
        kRestPairHours,
        kRestPairMinutes,
    };

    std::string shortName;
    std::string fullName;
    int rounds = 2;         // 1-999
    int setsPerGame = 1;    // 1-7
    int matchReduction = 0; // 0-98, even
    int matchesPerDay = 1;  // 1-99
    int minOfficialRating = 1;
    int maxOfficialRating = 9;
    int minCourtRating = 1;
    int maxCourtRating = 9;
    int gameDuration = 60; // minutes, 1-1440
    ClockTime latestStart = 2200;
    // Rest with the same team, and between the same two teams: days 0-365,
    // hours 0-23, minutes 0-59.
    int restTeamDays = 7;
    int restTeamHours = 0;
    int restTeamMinutes = 0;
    int restPairDays = 30;
    int restPairHours = 0;
    int restPairMinutes = 0;

    // A default-constructed value set is the one of a new league.
    static cLeagueValues FromItem(const cLeague& league);

    // The rest spans in seconds.
    int RestSameTeam() const { return restTeamDays * 86400 + restTeamHours * 3600 + restTeamMinutes * 60; }
    int RestSamePair() const { return restPairDays * 86400 + restPairHours * 3600 + restPairMinutes * 60; }
};

// `editing` is the league being changed, null for a new one.
cValidation Validate(const cLeagueValues& values, const cDatabase& db, const cLeague* editing);

// Adds a new league with a new index number and its official rating bands.
cLeague& InsertLeague(cDatabase& db, const cLeagueValues& values);

struct cLeagueEdit
{
    // The rounds could not be lowered below a scheduled match's round: they
    // kept their old value (the other values were applied) and IDS_CANNOT_REDUCE_ROUNDS
    // was shown through db.Prompt().
    bool roundsRefused = false;
};

// Changes a league: it keeps its index, moves to its sorted place, gets new
// rating bands, and the unscheduled matches go out of date when its rounds or
// match reduction changed.
cLeagueEdit ApplyLeague(cDatabase& db, cLeague& league, const cLeagueValues& values);
