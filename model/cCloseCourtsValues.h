#pragma once

// The values of the dialog "Close court time": a hall closed for a day or a
// week. The period is given as local dates and clock times.

#include "model/Calendar.h"
#include "model/cValidation.h"

class cDatabase;

struct cCloseCourtsValues
{
    enum Field : int
    {
        kCourt,
        kFromDay,
        kFromMonth,
        kFromYear,
        kFromTime,
        kToDay,
        kToMonth,
        kToYear,
        kToTime,
        kReplan,
    };

    static constexpr int kAllCourts = -1;

    int court = kAllCourts; // court index, or every court
    int fromDay = 1;
    int fromMonth = 1;
    int fromYear = kFirstYear;
    ClockTime fromTime = 0; // hhmm
    int toDay = 1;
    int toMonth = 1;
    int toYear = kFirstYear;
    ClockTime toTime = 2400; // hhmm; 2400 is 00:00 of the next day
    bool replan = true;      // place the matches sent back again at once

    // Every court, today from 0000 to 2400, re-planned.
    static cCloseCourtsValues Defaults(const cDatabase& db);

    // The bounds of the closed time [From(), To()); only meaningful once
    // Validate passed.
    TimePoint From() const;
    TimePoint To() const;
    // Whether the court with this index lies in the closed time.
    bool Closes(int courtIndex) const { return court == kAllCourts || court == courtIndex; }
};

// Refuses closing while the database has no courts; checked before the
// dialog opens.
cValidation CanCloseCourts(const cDatabase& db);

// The first failing check: the field ranges, an unknown court, dates that are
// not legal dates within kFirstYear ... kLastYear (or that the file cannot
// hold), clock times that are not hhmm, and a period that does not end after
// it starts.
cValidation Validate(const cCloseCourtsValues& values, const cDatabase& db);
