#include "standings/ResultPoints.h"

#include "model/cDbItem.h"
#include "model/cTableSettings.h"

#include <algorithm>
#include <climits>

namespace {

// Which side of the result the team played: 1 home, 2 guest, 0 neither (or
// the result counts for nobody: not played, another league).
int SideOf(const cResult& result, int league, int team)
{
    if (!result.IsPlayed() || result.m_nLeague != league) {
        return 0;
    }
    if (result.m_nHomeTeam == team) {
        return 1;
    }
    if (result.m_nGuestTeam == team) {
        return 2;
    }
    return 0;
}

} // namespace

int PointsFor(const cResult& result, const cTableSettings& settings, int league, int team)
{
    const int side = SideOf(result, league, team);
    if (side == 0) {
        return 0;
    }
    const bool home = side == 1;
    const bool disqualified = home ? result.IsHomeDisqualified() : result.IsGuestDisqualified();
    const int own = home ? result.GetHomeScore(0) : result.GetGuestScore(0);
    const int other = home ? result.GetGuestScore(0) : result.GetHomeScore(0);
    if (disqualified) {
        return settings.m_nPointsDisqualified;
    }
    if (own < other) {
        return settings.m_nPointsLost;
    }
    if (own == other) {
        return settings.m_nPointsDraw;
    }
    return settings.m_nPointsVictory;
}

int ScoreFor(const cResult& result, int league, int team)
{
    switch (SideOf(result, league, team)) {
    case 1:
        return result.GetHomeScore(0);
    case 2:
        return result.GetGuestScore(0);
    default:
        return 0;
    }
}

int CountedSets(const cTableSettings& settings)
{
    return std::clamp(settings.m_nMaxSets, 1, cResult::kScores - 1);
}

int SetPointsFor(const cResult& result, const cTableSettings& settings, int league, int team)
{
    const int side = SideOf(result, league, team);
    if (side == 0 || settings.m_nMaxSets <= 1) {
        return 0;
    }
    // Nine scores of any int fit a long long; the sum is held to an int's range.
    long long sum = 0;
    for (int set = 1; set <= CountedSets(settings); ++set) {
        sum += side == 1 ? result.GetHomeScore(set) : result.GetGuestScore(set);
    }
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

const cResult* FindMutualResult(const cDbItem* first, int league, int teamA, int teamB)
{
    for (const cDbItem* item = first; item != nullptr; item = item->NextLink()) {
        const auto* result = dynamic_cast<const cResult*>(item);
        if (result == nullptr || result->m_nLeague != league) {
            continue;
        }
        if ((result->m_nHomeTeam == teamA && result->m_nGuestTeam == teamB) ||
            (result->m_nHomeTeam == teamB && result->m_nGuestTeam == teamA)) {
            return result;
        }
    }
    return nullptr;
}
