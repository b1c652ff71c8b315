#pragma once

// The values of the dialog "Table generation - Priority numbers for team
// rating criteria": one priority number per criterion (codes of Criteria.h),
// 0 for a criterion not used. The used numbers always form the gapless
// sequence 1 ... m; the spin buttons and the presets keep it so.

#include "model/cValidation.h"
#include "standings/Criteria.h"

#include <array>
#include <span>
#include <string_view>

class cDatabase;
class cTableSettings;

// A choice of "Adapt rules to:".
struct cCriteriaPreset
{
    std::string_view name;
    std::array<int, kCriterionCount> priority;
};

// The presets in the order of the (sorted) drop-down list.
std::span<const cCriteriaPreset> CriteriaPresets();

struct cCriteriaValues
{
    // The field of a criterion is its code; IDS_NO_RATING_CRITERIA focuses
    // the first.
    std::array<int, kCriterionCount> priority{};

    // The record's criteria as the tables rank by them (see CriteriaInOrder):
    // numbers out of range, repeated or with gaps come out as 1 ... m, and a
    // record with no criterion in use shows the defaults.
    static cCriteriaValues FromSettings(const cTableSettings& settings);
    static cCriteriaValues FromDatabase(const cDatabase& db);

    // The highest number in use, m; 0 when none is used.
    int HighestUsed() const;

    // The spin buttons of a criterion's field. Up: a criterion at 0 takes 1
    // and every used one moves down by one; below m it swaps places with the
    // criterion after it; at m (or 15) nothing changes. Down: above 1 it swaps
    // places with the criterion before it; at 1 it becomes 0 and every other
    // used one moves up by one; at 0 nothing changes. A code outside 0-14
    // changes nothing.
    void SpinUp(int criterion);
    void SpinDown(int criterion);

    // Loads a preset (an index of CriteriaPresets()), clearing every other
    // criterion to 0. False, and nothing changed, for an index out of range.
    bool LoadPreset(int preset);
};

// IDS_NO_RATING_CRITERIA when no criterion is in use.
cValidation Validate(const cCriteriaValues& values);

// Stores the priority numbers (numbered 1 ... m in their order), rebuilds the
// criterion-by-priority list and the number of criteria, marks the document
// modified and every league's table out of date. False, and nothing stored,
// when no criterion is in use (the values did not pass Validate).
bool ApplyCriteria(cDatabase& db, const cCriteriaValues& values);
