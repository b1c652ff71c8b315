#pragma once

// What one result gives a team in the standings. A result that is not
// played, or that is not the team's match in that league, gives 0 (and an
// unplayed result reads 0-0 without disqualifications everywhere).

#include "model/cResult.h"

class cDbItem;
class cTableSettings;

// The table points the team earns from the result: the award for a
// disqualification when the team was disqualified, else the one for a lost
// game, a draw or a victory by the final scores.
int PointsFor(const cResult& result, const cTableSettings& settings, int league, int team);

// The team's final score in the result.
int ScoreFor(const cResult& result, int league, int team);

// The sum of the team's scores in sets 1 ... the maximum number of sets. Set
// points exist only in multiset games: with a maximum of 1 (or less) this is 0.
int SetPointsFor(const cResult& result, const cTableSettings& settings, int league, int team);

// The highest set number whose scores count: the maximum number of sets held
// to 1 ... 9 (a record read from anywhere may hold other numbers).
int CountedSets(const cTableSettings& settings);

// Walking the results container forward from `first` (included; null gives
// null), the first result of `league` in which the two teams meet, either of
// them at home, played or not. Null when there is none.
const cResult* FindMutualResult(const cDbItem* first, int league, int teamA, int teamB);
