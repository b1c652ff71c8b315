#pragma once

// The values of the "Official assignment settings" dialog: the four numbers of
// "Official schedule parameters" and the six switches of "Scheduler
// requirements". The dialog copies them in with FromDatabase, checks them with
// Validate on OK and stores them with ApplyTo; Cancel changes nothing.

#include "model/cValidation.h"

class cDatabase;

struct cOfficialSettings
{
    enum eField : int
    {
        kFieldOfficialsPerGame = 0,
        kFieldMinDaysBetweenGames,
        kFieldMaxSubsequentGames,
        kFieldConflictMargin,
    };
    static constexpr int kMinOfficialsPerGame = 1;
    static constexpr int kMaxOfficialsPerGame = 5;
    static constexpr int kMinDaysBetweenGames = 0;
    static constexpr int kMaxDaysBetweenGames = 365;
    static constexpr int kMinSubsequentGames = 1;
    static constexpr int kMaxSubsequentGames = 99;
    static constexpr int kMinConflictMargin = 0;
    static constexpr int kMaxConflictMargin = 1440;
    static constexpr int kConflictMarginStep = 10; // the spin button's step

    int officialsPerGame = 2;         // "No. of officials in each game"
    int minDaysBetweenGames = 7;      // "Minimum days off between games"
    int maxSubsequentGames = 2;       // "Maximum no. of subsequent games"
    int conflictMargin = 90;          // "Minutes of margin in case of team conflics"
    bool ignoreClub = false;          // "Ignore officials' club membership"
    bool ignoreRatings = false;       // "Ignore official ratings"
    bool ignoreTeamConflicts = false; // "Ignore officials' team conflicts"
    bool ignoreHolidays = false;      // "Ignore officials' holidays"
    bool ignoreDaysOff = false;       // "Ignore permanent weekdays off"
    bool ignorePreferredTime = false; // "Ignore preferred playing time"

    static cOfficialSettings FromDatabase(const cDatabase& db);

    // Stores the ten values, recomputes every league's official rating bands
    // for the number of officials per game and marks the document modified.
    void ApplyTo(cDatabase& db) const;
};

// The first number outside its range, in the dialog's order.
cValidation Validate(const cOfficialSettings& values);
