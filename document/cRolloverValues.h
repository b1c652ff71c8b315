#pragma once

// The values of File > New Season from This: how far the dates move and
// whether the court time goes along.

#include "model/cValidation.h"

class cDatabase;

struct cRolloverValues
{
    enum Field : int
    {
        kWeeks,
        kKeepCourtTime,
    };
    static constexpr int kMinWeeks = 1;
    // Ten years: further on than any next season, and still far inside the
    // years a date may have.
    static constexpr int kMaxWeeks = 520;

    // Whole weeks, so that every date keeps its weekday; 52 keeps the season
    // on the same weekdays a year on.
    int weeks = 52;
    // The court time as it was entered (the free time and the time the
    // matches held) moves with the dates; false: the new season has none.
    bool keepCourtTime = true;
};

// The weeks within kMinWeeks ... kMaxWeeks; then every date the new season
// takes from `season` moved by them must lie within the years the program
// takes and the file holds (IDS_ROLLOVER_OUT_OF_RANGE, naming the earliest
// date that would not, on the weeks field).
cValidation Validate(const cRolloverValues& values, const cDatabase& season);
