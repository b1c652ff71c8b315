#pragma once

// The fifteen rating criteria of the standings tables. A criterion's code is
// its place in cTableSettings::m_nPriority. Higher values rank first. Mutual
// criteria look only at the results between the two teams being compared.

#include <span>
#include <vector>

class cTableItem;
class cTableSettings;
class cTournelDb;

enum : int
{
    kCriterionDisqualification = 0,      // minus the disqualifications
    kCriterionPoints = 1,                // points
    kCriterionWinRatio = 2,              // wins / games played, 0 with none
    kCriterionGoalDifference = 3,        // scored - conceded
    kCriterionGoalRatio = 4,             // scored / conceded, scored when none conceded
    kCriterionGoalsScored = 5,           // scored
    kCriterionMutualPoints = 6,          // sum of own points - opponent's points
    kCriterionMutualWinRatio = 7,        // results won / mutual results (played or not), 0 with none
    kCriterionMutualGoalDifference = 8,  // sum of own final score - opponent's
    kCriterionMutualGoalRatio = 9,       // own final scores / opponent's (own when 0), 0 with no result
    kCriterionMutualGoalsScored = 10,    // sum of own final scores
    kCriterionBallDifference = 11,       // set points scored - conceded
    kCriterionBallRatio = 12,            // set points scored / conceded, scored when none conceded
    kCriterionMutualBallDifference = 13, // sum of own set points - opponent's
    kCriterionMutualBallRatio = 14,      // own set points / opponent's (own when 0), 0 with no result
    kCriterionCount = 15,
};

bool IsMutualCriterion(int criterion);

// The criteria in use, in priority order, from priority numbers per
// criterion. Numbers outside 1-15 mean "not used"; gaps are closed; of
// criteria sharing a number the lowest code is taken, as the file reader
// keeps it. Empty when none is used.
std::vector<int> UsedCriteriaInOrder(std::span<const int, kCriterionCount> priority);

// The criteria a table is ranked by: UsedCriteriaInOrder of the record's
// priority numbers (its criterion-by-priority list and count are not
// trusted), or, when none is used, the order of the defaults (points, then
// goal/set difference), so that a table is always ranked by something.
std::vector<int> CriteriaInOrder(const cTableSettings& settings);

// The value of a row under a criterion that looks at the row alone; 0 under
// a mutual or unknown criterion. Points include the bonus points as the row
// shows them.
double RowValue(int criterion, const cTableItem& row);

// The value of `team` against `opponent` under a mutual criterion, over every
// result of the league in which the two meet (an unplayed one counts 0 for
// both); 0 under any other criterion.
double MutualValue(int criterion, const cTournelDb& results, const cTableSettings& settings, int league,
                   int team, int opponent);
