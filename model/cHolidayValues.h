#pragma once

// The values of the dialog "Holiday properties".

#include "model/Calendar.h"
#include "model/cValidation.h"

class cDatabase;
class cIllDate;
class cTournelDb;

struct cHolidayValues
{
    enum Field : int
    {
        kStartDay,
        kStartMonth,
        kStartYear,
        kFinalDay,
        kFinalMonth,
        kFinalYear,
    };

    int startDay = 1;
    int startMonth = 1;
    int startYear = kFirstYear;
    int finalDay = 1;
    int finalMonth = 1;
    int finalYear = kFirstYear;

    // A new holiday: today to today.
    static cHolidayValues Defaults(const cDatabase& db);
    static cHolidayValues FromItem(const cIllDate& holiday);

    // A holiday runs from this time of its first day to this time of its last.
    static constexpr ClockTime kStartClock = 0;
    static constexpr ClockTime kFinalClock = 2359;

    // kStartClock of the first day and kFinalClock of the last; meaningful once Validate passed.
    TimePoint StartTime() const;
    TimePoint FinalTime() const;
};

cValidation Validate(const cHolidayValues& values);

// Adds a new holiday to the holidays of a league, team or official (sorted).
cIllDate& InsertHoliday(cDatabase& db, cTournelDb& holidays, const cHolidayValues& values);
void ApplyHoliday(cDatabase& db, cIllDate& holiday, const cHolidayValues& values);
