#pragma once

// The values of the dialog "Enter result": the final result and the scores
// of sets 1-9 of both sides, and the disqualification boxes "Hosts" and
// "Guests". Which score fields are in use follows the maximum number of sets
// of the table settings: with 1 only the final result, with n > 1 the sets
// 1 ... n, from which OK computes the final result.

#include "model/cResult.h"
#include "model/cValidation.h"

#include <array>
#include <span>
#include <string>

class cDatabase;
class cTableSettings;

struct cResultValues
{
    // The score fields by pairs, home then guest: score `index` (0 final,
    // 1-9 sets) of the home team is field 2 * index, the guest's 2 * index + 1.
    // This is also the order in which the fields are checked.
    enum Field : int
    {
        kHomeFinal = 0,
        kGuestFinal = 1,
        kHomeDisqualified = 2 * cResult::kScores,
        kGuestDisqualified,
    };
    static constexpr int kMinScore = -9999;
    static constexpr int kMaxScore = 9999;

    static constexpr int HomeField(int index) { return 2 * index; }
    static constexpr int GuestField(int index) { return 2 * index + 1; }

    std::array<int, cResult::kScores> home{}; // 0 final, 1-9 sets
    std::array<int, cResult::kScores> guest{};
    bool homeDisqualified = false;
    bool guestDisqualified = false;
    // The heading: the team names, empty for a team that no longer exists.
    std::string homeTeam;
    std::string guestTeam;

    // The stored scores and boxes, whether the result is played or not (a
    // removed result shows its old scores again).
    static cResultValues FromResult(const cResult& result, const cDatabase& db);

    // Whether the fields of score `index` (0 final, 1-9 sets) take input:
    // with maxSets 1 only the final result, above 1 the sets 1 ... maxSets.
    static bool IsScoreEnabled(int index, int maxSets);

    // The values as OK takes them: with maxSets 1 every set score becomes 0;
    // above 1 each side's final result is the number of sets 1 ... maxSets it
    // won (a drawn set counts for nobody) and the sets after maxSets become 0.
    cResultValues Taken(int maxSets) const;
};

// The maximum number of sets of the dialog: the table settings' one held to
// 1 ... 9.
int ResultMaxSets(const cTableSettings& settings);

// The first enabled score outside kMinScore ... kMaxScore, in field order
// (the disabled fields are replaced by Taken, so they are not checked); then,
// on the taken values with h and g the final results: IDS_DRAW_NOT_ALLOWED
// when h = g, draws are not allowed and not both teams are disqualified;
// IDS_HOME_DISQUALIFIED_WINS when h > g and the home team is disqualified;
// IDS_GUEST_DISQUALIFIED_WINS when g > h and the guest team is disqualified.
// A draw names the first enabled home score field, a disqualified winner
// its box.
cValidation Validate(const cResultValues& values, const cTableSettings& settings);

// Enters the result: stores the taken scores and both boxes, marks it
// played, the league's table out of date and the document modified. False,
// and nothing stored, when the values do not pass Validate.
bool ApplyResult(cDatabase& db, cResult& result, const cResultValues& values);

// "Remove results": each result becomes not played (its scores stay stored
// but read as 0) and its league's table goes out of date; the document is
// marked modified when there is any result. Null entries are skipped.
void RemoveResults(cDatabase& db, std::span<cResult* const> results);
