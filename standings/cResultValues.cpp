#include "standings/cResultValues.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cTableSettings.h"
#include "model/cTeam.h"
#include "standings/ResultPoints.h"

#include <algorithm>

namespace {

std::string TeamName(const cDatabase& db, int league, int team)
{
    const cTeam* found = db.GetTeam(league, team);
    return found != nullptr ? found->m_strName : std::string();
}

void MarkTableOutOfDate(cDatabase& db, int league)
{
    if (cLeague* found = db.GetLeague(league)) {
        found->Table().m_bUpToDate = 0;
    }
}

} // namespace

cResultValues cResultValues::FromResult(const cResult& result, const cDatabase& db)
{
    cResultValues values;
    // The stored fields, not the accessors: those read 0 while not played.
    values.home = result.m_nHomeScore;
    values.guest = result.m_nGuestScore;
    values.homeDisqualified = result.m_bHomeDisqualified != 0;
    values.guestDisqualified = result.m_bGuestDisqualified != 0;
    values.homeTeam = TeamName(db, result.m_nLeague, result.m_nHomeTeam);
    values.guestTeam = TeamName(db, result.m_nLeague, result.m_nGuestTeam);
    return values;
}

bool cResultValues::IsScoreEnabled(int index, int maxSets)
{
    if (index == 0) {
        return maxSets <= 1;
    }
    return maxSets > 1 && index >= 1 && index <= maxSets && index < cResult::kScores;
}

bool cResultValues::AnySetEntered(int maxSets) const
{
    for (int set = 1; set <= maxSets && set < cResult::kScores; ++set) {
        const auto s = static_cast<std::size_t>(set);
        if (home[s] != 0 || guest[s] != 0) {
            return true;
        }
    }
    return false;
}

bool cResultValues::ShowsFinalWithoutSets(int maxSets) const
{
    return maxSets > 1 && !AnySetEntered(maxSets) && (home[0] != 0 || guest[0] != 0);
}

cResultValues cResultValues::Taken(int maxSets) const
{
    cResultValues taken = *this;
    if (maxSets <= 1) {
        for (int set = 1; set < cResult::kScores; ++set) {
            taken.home[static_cast<std::size_t>(set)] = 0;
            taken.guest[static_cast<std::size_t>(set)] = 0;
        }
        return taken;
    }
    if (FinalStands(maxSets)) {
        // Sets 1 ... maxSets are 0 - 0 already; those after it go as ever.
        for (int set = maxSets + 1; set < cResult::kScores; ++set) {
            taken.home[static_cast<std::size_t>(set)] = 0;
            taken.guest[static_cast<std::size_t>(set)] = 0;
        }
        return taken;
    }
    taken.home[0] = 0;
    taken.guest[0] = 0;
    for (int set = 1; set < cResult::kScores; ++set) {
        const auto s = static_cast<std::size_t>(set);
        if (set > maxSets) {
            taken.home[s] = 0;
            taken.guest[s] = 0;
        } else if (home[s] > guest[s]) {
            ++taken.home[0];
        } else if (guest[s] > home[s]) {
            ++taken.guest[0];
        }
    }
    return taken;
}

bool cResultValues::SameScores(const cResultValues& other) const
{
    return home == other.home && guest == other.guest && homeDisqualified == other.homeDisqualified &&
           guestDisqualified == other.guestDisqualified;
}

bool cResultValues::ReadAsStored(const cResult& result, int maxSets) const
{
    if (!result.IsPlayed() || homeDisqualified != (result.m_bHomeDisqualified != 0) ||
        guestDisqualified != (result.m_bGuestDisqualified != 0)) {
        return false;
    }
    const int shown = maxSets <= 1 ? 0 : std::min(maxSets, cResult::kScores - 1);
    for (int index = 0; index <= shown; ++index) {
        const auto i = static_cast<std::size_t>(index);
        if (home[i] != result.m_nHomeScore[i] || guest[i] != result.m_nGuestScore[i]) {
            return false;
        }
    }
    return true;
}

int ResultMaxSets(const cTableSettings& settings)
{
    return CountedSets(settings);
}

cValidation Validate(const cResultValues& values, const cTableSettings& settings)
{
    using V = cResultValues;
    const int maxSets = ResultMaxSets(settings);
    for (int index = 0; index < cResult::kScores; ++index) {
        if (!V::IsScoreEnabled(index, maxSets)) {
            continue;
        }
        const auto i = static_cast<std::size_t>(index);
        if (auto error = CheckRange(values.home[i], V::kMinScore, V::kMaxScore, V::HomeField(index))) {
            return error;
        }
        if (auto error = CheckRange(values.guest[i], V::kMinScore, V::kMaxScore, V::GuestField(index))) {
            return error;
        }
    }
    // A final result kept while no set is entered is checked as if typed.
    if (maxSets > 1 && values.FinalStands(maxSets)) {
        if (auto error = CheckRange(values.home[0], V::kMinScore, V::kMaxScore, V::kHomeFinal)) {
            return error;
        }
        if (auto error = CheckRange(values.guest[0], V::kMinScore, V::kMaxScore, V::kGuestFinal)) {
            return error;
        }
    }
    const cResultValues taken = values.Taken(maxSets);
    const int h = taken.home[0];
    const int g = taken.guest[0];
    if (h == g && settings.m_bAllowDraws == 0 && !(taken.homeDisqualified && taken.guestDisqualified)) {
        return MakeValidationError(IDS_DRAW_NOT_ALLOWED, V::HomeField(maxSets <= 1 ? 0 : 1));
    }
    if (h > g && taken.homeDisqualified) {
        return MakeValidationError(IDS_HOME_DISQUALIFIED_WINS, V::kHomeDisqualified);
    }
    if (g > h && taken.guestDisqualified) {
        return MakeValidationError(IDS_GUEST_DISQUALIFIED_WINS, V::kGuestDisqualified);
    }
    return std::nullopt;
}

bool LeavesResultAsItIs(const cResult& result, const cResultValues& values, const cDatabase& db)
{
    return result.IsPlayed() && values.SameScores(cResultValues::FromResult(result, db));
}

bool ApplyResult(cDatabase& db, cResult& result, const cResultValues& values)
{
    const cTableSettings& settings = db.m_tableSettings;
    if (LeavesResultAsItIs(result, values, db)) {
        return true;
    }
    if (Validate(values, settings)) {
        return false;
    }
    const cResultValues taken = values.Taken(ResultMaxSets(settings));
    result.m_bPlayed = 1;
    result.m_nHomeScore = taken.home;
    result.m_nGuestScore = taken.guest;
    result.m_bHomeDisqualified = taken.homeDisqualified ? 1 : 0;
    result.m_bGuestDisqualified = taken.guestDisqualified ? 1 : 0;
    MarkTableOutOfDate(db, result.m_nLeague);
    db.SetModifiedFlag();
    return true;
}

void RemoveResults(cDatabase& db, std::span<cResult* const> results)
{
    bool any = false;
    for (cResult* result : results) {
        if (result == nullptr) {
            continue;
        }
        result->m_bPlayed = 0;
        MarkTableOutOfDate(db, result->m_nLeague);
        any = true;
    }
    if (any) {
        db.SetModifiedFlag();
    }
}
