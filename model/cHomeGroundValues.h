#pragma once

// The values of the dialog "Home ground properties".

#include "model/Calendar.h"
#include "model/cValidation.h"

class cDatabase;
class cHomeGround;
class cTournelDb;

struct cHomeGroundValues
{
    enum Field : int
    {
        kCourt,
        kWeekday,
        kStart,
        kEnd,
    };

    int court = -1;       // court index, -1 none
    Weekday weekday = -1; // -1: every weekday
    ClockTime start = 0;
    ClockTime end = 2400;

    // A default-constructed value set is the one of a new home ground.
    static cHomeGroundValues FromItem(const cHomeGround& ground);
};

cValidation Validate(const cHomeGroundValues& values, const cDatabase& db);

// Adds a new home ground to a team's home grounds (sorted).
cHomeGround& InsertHomeGround(cDatabase& db, cTournelDb& grounds, const cHomeGroundValues& values);
void ApplyHomeGround(cDatabase& db, cHomeGround& ground, const cHomeGroundValues& values);
