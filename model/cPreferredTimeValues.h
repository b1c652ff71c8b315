#pragma once

// The values of the dialog "Preferred playing time", for leagues, teams and officials.

#include "model/Calendar.h"
#include "model/cValidation.h"

class cDatabase;
class cPreferredTime;
class cTournelDb;

struct cPreferredTimeValues
{
    enum Field : int
    {
        kWeekday,
        kStart,
        kEnd,
    };

    Weekday weekday = -1; // required: one of the seven weekdays
    ClockTime start = 0;
    ClockTime end = 2400;

    // A default-constructed value set is the one of a new preferred time.
    static cPreferredTimeValues FromItem(const cPreferredTime& time);
};

cValidation Validate(const cPreferredTimeValues& values);

cPreferredTime& InsertPreferredTime(cDatabase& db, cTournelDb& times, const cPreferredTimeValues& values);
void ApplyPreferredTime(cDatabase& db, cPreferredTime& time, const cPreferredTimeValues& values);
