#pragma once

// The values of the dialog "Court properties".

#include "model/cValidation.h"

#include <string>

class cCourt;
class cDatabase;

struct cCourtValues
{
    enum Field : int
    {
        kShortName,
        kFullName,
        kReservedHomeGround,
        kRating,
    };

    std::string shortName;
    std::string fullName;
    bool reservedHomeGround = false;
    int rating = 1; // 1-9

    // A default-constructed value set is the one of a new court.
    static cCourtValues FromItem(const cCourt& court);
};

// `editing` is the court being changed, null for a new one.
cValidation Validate(const cCourtValues& values, const cDatabase& db, const cCourt* editing);

// Adds a new court with a new index number (sorted by name).
cCourt& InsertCourt(cDatabase& db, const cCourtValues& values);

// Changes a court; it keeps its index and moves to its sorted place. A new
// short name re-sorts the scheduled matches and the results (ordered by it
// within a day), a new full name every team's home grounds.
void ApplyCourt(cDatabase& db, cCourt& court, const cCourtValues& values);
