#pragma once

// The values of the "Assign officials automatically" dialog: the last date
// whose matches are served ("Including date") and the number of officials per
// game for this run.

#include "model/Calendar.h"
#include "model/cValidation.h"

class cDatabase;

struct cAutoAssignValues
{
    enum eField : int
    {
        kFieldDay = 0,
        kFieldMonth,
        kFieldYear,
        kFieldOfficials,
    };
    static constexpr int kMinYear = kFirstYear;
    static constexpr int kMaxYear = kLastYear;

    int day = 1;
    int month = 1;
    int year = 2000;
    int officials = 2; // 1 ... the document's number of officials per game

    // The date of the last scheduled match in the list (today's date when
    // there is none) and the document's number of officials per game.
    static cAutoAssignValues FromDatabase(const cDatabase& db);

    // 00:00 of the day after the chosen date: the run serves the matches that
    // start before it. Only for values that passed Validate.
    TimePoint EndLimit() const;
};

// The first value the dialog refuses: a number outside its range (the
// officials per game may not exceed the document's number, since the rules
// look only at that many slots), then a date that does not exist
// (IDS_ILLEGAL_DATE, on the day field).
cValidation Validate(const cAutoAssignValues& values, const cDatabase& db);
