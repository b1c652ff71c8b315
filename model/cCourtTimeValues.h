#pragma once

// The values of the dialog "Court time properties" (new and edited free periods).

#include "model/CourtTime.h"
#include "model/cValidation.h"

class cDatabase;
class cUnusedTime;

struct cCourtTimeValues
{
    enum Field : int
    {
        kCourt,
        kDay,
        kMonth,
        kYear,
        kStart,
        kEnd,
    };

    int court = -1; // court index, -1 none
    int day = 1;
    int month = 1;
    int year = kFirstYear;
    ClockTime start = 0;
    ClockTime end = 2400;

    // A new period: the court with index 0 (else the first court), today, 0000-2400.
    static cCourtTimeValues Defaults(const cDatabase& db);
    // An end at 00:00 of the next day is shown as 2400.
    static cCourtTimeValues FromItem(const cUnusedTime& period);

    // The period's bounds; only meaningful once Validate passed.
    TimePoint StartTime() const;
    TimePoint EndTime() const;
};

// Refuses a new period while the database has no courts; checked before the
// dialog opens.
cValidation CanInsertCourtTime(const cDatabase& db);

cValidation Validate(const cCourtTimeValues& values, const cDatabase& db);

// Inserts the new period with merging. A conflict with a scheduled match is
// told to the user through db.Prompt() and nothing is added.
eAddCourtTime InsertCourtTime(cDatabase& db, const cCourtTimeValues& values);

// Changes a period: taken out, changed and inserted again with merging. On a
// conflict (told through db.Prompt()) the period stays as it was.
eAddCourtTime ApplyCourtTime(cDatabase& db, cUnusedTime& period, const cCourtTimeValues& values);
