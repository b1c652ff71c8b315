#pragma once

// The values of the dialog "Duplicate court time".

#include "model/cValidation.h"

class cDatabase;
class cUnusedTime;

struct cDuplicateCourtTimeValues
{
    enum Field : int
    {
        kCourt,
    };

    int court = -1; // destination court index

    // The first court of the courts directory.
    static cDuplicateCourtTimeValues Defaults(const cDatabase& db);
};

// `source` is the selected period; its court is the source court.
cValidation Validate(const cDuplicateCourtTimeValues& values, const cDatabase& db, const cUnusedTime& source);

// Copies every free period of the source court to the chosen court. Every
// copy refused because of a scheduled match is told through db.Prompt();
// answers the number of refused copies.
int ApplyDuplicateCourtTime(cDatabase& db, const cUnusedTime& source,
                            const cDuplicateCourtTimeValues& values);
