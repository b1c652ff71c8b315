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

// Copies every free period of the source court to the chosen court. The
// copies refused because of a scheduled match are told together in one
// message through db.Prompt() (TellRefusedCopies: IDS_COURT_TIME_CONFLICT and
// their dates); the others are kept. Answers the number of refused copies.
int ApplyDuplicateCourtTime(cDatabase& db, const cUnusedTime& source,
                            const cDuplicateCourtTimeValues& values);
