#pragma once

// The values of the dialog "Repeat court time".

#include "model/cValidation.h"

class cDatabase;
class cUnusedTime;

struct cRepeatCourtTimeValues
{
    enum Field : int
    {
        kWeeks,
    };

    int weeks = 1; // 1-52
};

cValidation Validate(const cRepeatCourtTimeValues& values);

// Copies the period to the same clock times in each of the following weeks
// (values.weeks must have passed Validate). The copies refused because of a
// scheduled match are told together in one message through db.Prompt()
// (TellRefusedCopies: IDS_COURT_TIME_CONFLICT and their dates); the others
// are kept. Answers the number of refused copies.
int ApplyRepeatCourtTime(cDatabase& db, const cUnusedTime& period, const cRepeatCourtTimeValues& values);
