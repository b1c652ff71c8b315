#include "standings/Criteria.h"

#include "model/cTableItem.h"
#include "model/cTableSettings.h"
#include "model/cTournelDb.h"
#include "standings/ResultPoints.h"

namespace {

// a / b, or a when b is 0.
double Ratio(double a, double b)
{
    return b != 0 ? a / b : a;
}

double Total(int home, int away)
{
    return static_cast<double>(home) + away;
}

} // namespace

bool IsMutualCriterion(int criterion)
{
    switch (criterion) {
    case kCriterionMutualPoints:
    case kCriterionMutualWinRatio:
    case kCriterionMutualGoalDifference:
    case kCriterionMutualGoalRatio:
    case kCriterionMutualGoalsScored:
    case kCriterionMutualBallDifference:
    case kCriterionMutualBallRatio:
        return true;
    default:
        return false;
    }
}

std::vector<int> UsedCriteriaInOrder(std::span<const int, kCriterionCount> priority)
{
    std::vector<int> order;
    for (int number = 1; number <= kCriterionCount; ++number) {
        for (int criterion = 0; criterion < kCriterionCount; ++criterion) {
            if (priority[static_cast<std::size_t>(criterion)] == number) {
                order.push_back(criterion);
                break;
            }
        }
    }
    return order;
}

std::vector<int> CriteriaInOrder(const cTableSettings& settings)
{
    static_assert(cTableSettings::kCriteria == kCriterionCount);
    std::vector<int> order = UsedCriteriaInOrder(settings.m_nPriority);
    if (order.empty()) {
        const cTableSettings defaults; // SetDefaults
        order = UsedCriteriaInOrder(defaults.m_nPriority);
    }
    return order;
}

double RowValue(int criterion, const cTableItem& row)
{
    // Home + away summed as doubles: no int overflows, whatever the row holds.
    const double scored = Total(row.m_nHomeScored, row.m_nAwayScored);
    const double conceded = Total(row.m_nHomeConceded, row.m_nAwayConceded);
    const double setScored = Total(row.m_nHomeSetScored, row.m_nAwaySetScored);
    const double setConceded = Total(row.m_nHomeSetConceded, row.m_nAwaySetConceded);
    switch (criterion) {
    case kCriterionDisqualification:
        return -static_cast<double>(row.Disqualifications());
    case kCriterionPoints:
        return row.Points();
    case kCriterionWinRatio: {
        const int played = row.Played();
        return played != 0 ? static_cast<double>(row.Wins()) / played : 0.0;
    }
    case kCriterionGoalDifference:
        return scored - conceded;
    case kCriterionGoalRatio:
        return Ratio(scored, conceded);
    case kCriterionGoalsScored:
        return scored;
    case kCriterionBallDifference:
        return setScored - setConceded;
    case kCriterionBallRatio:
        return Ratio(setScored, setConceded);
    default:
        return 0.0;
    }
}

double MutualValue(int criterion, const cTournelDb& results, const cTableSettings& settings, int league,
                   int team, int opponent)
{
    if (!IsMutualCriterion(criterion)) {
        return 0.0;
    }
    int found = 0;
    int won = 0;
    double ownPoints = 0;
    double otherPoints = 0;
    double ownScore = 0;
    double otherScore = 0;
    double ownSets = 0;
    double otherSets = 0;
    for (const cResult* result = FindMutualResult(results.GetHead(), league, team, opponent);
         result != nullptr; result = FindMutualResult(result->NextLink(), league, team, opponent)) {
        ++found;
        const int own = PointsFor(*result, settings, league, team);
        const int other = PointsFor(*result, settings, league, opponent);
        won += own > other ? 1 : 0;
        ownPoints += own;
        otherPoints += other;
        ownScore += ScoreFor(*result, league, team);
        otherScore += ScoreFor(*result, league, opponent);
        ownSets += SetPointsFor(*result, settings, league, team);
        otherSets += SetPointsFor(*result, settings, league, opponent);
    }
    switch (criterion) {
    case kCriterionMutualPoints:
        return ownPoints - otherPoints;
    case kCriterionMutualWinRatio:
        return found != 0 ? static_cast<double>(won) / found : 0.0;
    case kCriterionMutualGoalDifference:
        return ownScore - otherScore;
    case kCriterionMutualGoalRatio:
        return found != 0 ? Ratio(ownScore, otherScore) : 0.0;
    case kCriterionMutualGoalsScored:
        return ownScore;
    case kCriterionMutualBallDifference:
        return ownSets - otherSets;
    default: // kCriterionMutualBallRatio
        return found != 0 ? Ratio(ownSets, otherSets) : 0.0;
    }
}
