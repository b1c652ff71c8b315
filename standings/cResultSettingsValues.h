#pragma once

// The values of the dialog "Table generation - Results and point awards":
// the point awards, the bonus-point and draw switches and the maximum
// number of sets. The dialog copies them in with FromDatabase, checks them
// with Validate on OK and stores them with ApplyResultSettings.

#include "model/cValidation.h"

class cDatabase;

struct cResultSettingsValues
{
    enum Field : int
    {
        kPointsVictory,
        kPointsDraw,
        kPointsLost,
        kPointsDisqualified,
        kMaxSets,
    };
    static constexpr int kMinPoints = -99;
    static constexpr int kMaxPoints = 99;
    static constexpr int kMinSets = 1;
    static constexpr int kMaxSetsLimit = 9;

    int pointsVictory = 2;
    int pointsDraw = 1;
    int pointsLost = 0;
    int pointsDisqualified = 0;
    bool ignoreBonusPoints = false;
    bool allowDraws = true;
    int maxSets = 1; // 1: single-result games

    static cResultSettingsValues FromDatabase(const cDatabase& db);

    // The draw points (field and spin button) are editable only while draw
    // results are allowed.
    bool IsDrawPointsEnabled() const { return allowDraws; }
};

// The first value out of range, in the dialog's field order.
cValidation Validate(const cResultSettingsValues& values);

// Stores the values, marks the document modified and every league's table
// out of date.
void ApplyResultSettings(cDatabase& db, const cResultSettingsValues& values);
