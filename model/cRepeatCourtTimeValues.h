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

// Copies the period to the same clock times in each of the following weeks.
// Every copy refused because of a scheduled match is told through
// db.Prompt(); answers the number of refused copies.
int ApplyRepeatCourtTime(cDatabase& db, const cUnusedTime& period, const cRepeatCourtTimeValues& values);
