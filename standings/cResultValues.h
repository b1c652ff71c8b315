#pragma once

// The values of the dialog "Enter result": the final result and the scores
// of sets 1-9 of both sides, and the disqualification boxes "Hosts" and
// "Guests". Which score fields are in use follows the maximum number of sets
// of the table settings: with 1 only the final result, with n > 1 the sets
// 1 ... n, from which OK computes the final result. A set of 0 - 0 is a set
// not entered; while no set of 1 ... n is entered, the final result stands
// as it was entered (under fewer sets, or from a spreadsheet), so that
// raising the number of sets never turns an entered result into 0 - 0.

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

    // Whether any of the sets 1 ... maxSets holds a score other than 0 - 0.
    bool AnySetEntered(int maxSets) const;

    // Whether the final result is the result: with maxSets 1, or while no
    // set is entered (then the sets do not make it).
    bool FinalStands(int maxSets) const { return maxSets <= 1 || !AnySetEntered(maxSets); }

    // Whether the dialog says that the final result shown was entered
    // without sets and that entering sets replaces it: sets are counted,
    // none is entered, and the final result is not 0 - 0.
    bool ShowsFinalWithoutSets(int maxSets) const;

    // The values as OK takes them: with maxSets 1 every set score becomes 0;
    // above 1 each side's final result is the number of sets 1 ... maxSets it
    // won (a drawn set counts for nobody), unless no set is entered, when the
    // final result stays as it is; the sets after maxSets become 0.
    cResultValues Taken(int maxSets) const;

    // Whether the scores (final and sets 1-9) and both boxes equal those of
    // `other`; the team names do not count.
    bool SameScores(const cResultValues& other) const;

    // Whether these values read as the stored result does in the results
    // directory: the result is played, both boxes are the same, and the
    // final result and the sets 1 ... maxSets are equal (sets after maxSets,
    // which the directory does not show, do not count).
    bool ReadAsStored(const cResult& result, int maxSets) const;
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

// Whether OK on `values` leaves the result as it is: it is played and the
// values hold its stored scores and boxes (the dialog was not changed).
bool LeavesResultAsItIs(const cResult& result, const cResultValues& values, const cDatabase& db);

// Enters the result: stores the taken scores and both boxes, marks it
// played, the league's table out of date and the document modified. False,
// and nothing stored, when the values do not pass Validate. Values that equal
// the played result's stored scores and boxes (OK on an unchanged dialog)
// change nothing, not even where they no longer pass Validate or where the
// taken values would drop the sets after the maximum: true, nothing stored.
bool ApplyResult(cDatabase& db, cResult& result, const cResultValues& values);

// "Remove results": each result becomes not played (its scores stay stored
// but read as 0) and its league's table goes out of date; the document is
// marked modified when there is any result. Null entries are skipped.
void RemoveResults(cDatabase& db, std::span<cResult* const> results);
