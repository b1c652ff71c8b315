#include "model/cLeague.h"

#include "model/Directories.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cIndexedDb.h"
#include "model/cMatch.h"
#include "model/cTeam.h"

#include <algorithm>

namespace {

std::string FormatRest(int seconds)
{
    return StringPrintf("%dd %dh %dm", seconds / 86400, seconds % 86400 / 3600, seconds % 3600 / 60);
}

} // namespace

cLeague::cLeague()
{
    DescribeHolidays(CreateChild<cTournelDb>(kHolidays));
    DescribePreferredTimes(CreateChild<cTournelDb>(kPreferredTimes));
    DescribeTable(CreateChild<cTournelDb>(kTable));
    DescribeTeams(CreateChild<cIndexedDb>(kTeams));
    m_pUnscheduled = std::make_unique<cTournelDb>();
    m_pUnscheduled->SetOwnerItem(this);
    ComputeRatingBands(2);
}

cLeague::~cLeague() = default;

cIndexedDb& cLeague::Teams()
{
    return static_cast<cIndexedDb&>(*GetChild(kTeams));
}

const cIndexedDb& cLeague::Teams() const
{
    return static_cast<const cIndexedDb&>(*GetChild(kTeams));
}

cTeam* cLeague::GetTeam(int index) const
{
    return static_cast<cTeam*>(Teams().GetItem(index));
}

int cLeague::GetMatchCount() const
{
    const long long n = Teams().GetCount();
    return static_cast<int>(m_nRounds * n * (n - 1) / 2);
}

bool cLeague::IsOfficialRatingAllowed(int rating, int position, bool checkPosition) const
{
    if (rating < m_nMinOfficialRating || rating > m_nMaxOfficialRating) {
        return false;
    }
    if (!checkPosition) {
        return true;
    }
    if (position < 0 || position >= kOfficialPositions) {
        return false;
    }
    const auto p = static_cast<std::size_t>(position);
    return rating >= m_nMinRatingOfficial[p] && rating <= m_nMaxRatingOfficial[p];
}

void cLeague::ComputeRatingBands(int officialsPerGame)
{
    const int n = std::clamp(officialsPerGame, 1, kOfficialPositions);
    for (int position = n; position < kOfficialPositions; ++position) {
        m_nMinRatingOfficial[static_cast<std::size_t>(position)] = 0;
        m_nMaxRatingOfficial[static_cast<std::size_t>(position)] = 0;
    }
    const int low = m_nMinOfficialRating;
    const int high = m_nMaxOfficialRating;
    m_nMinRatingOfficial[0] = low;
    m_nMaxRatingOfficial[static_cast<std::size_t>(n - 1)] = high;
    for (int i = 1; i < n; ++i) {
        const int b = (high - low) * i;
        const int a = low + b / n;
        m_nMaxRatingOfficial[static_cast<std::size_t>(i - 1)] = a;
        m_nMinRatingOfficial[static_cast<std::size_t>(i)] = b % n != 0 ? a + 1 : a;
    }
}

std::string cLeague::GetColumnText(int column) const
{
    switch (column) {
    case 0:
        return m_strName;
    case 1:
        return m_strShortName;
    case 2:
        return std::to_string(m_nRounds);
    case 3:
        return std::to_string(m_nMatchReduction);
    case 4:
        return std::to_string(m_nMatchesPerDay);
    case 5:
        return StringPrintf("%d-%d", m_nMinOfficialRating, m_nMaxOfficialRating);
    case 6:
        return StringPrintf("%d-%d", m_nMinCourtRating, m_nMaxCourtRating);
    case 7:
        return std::to_string(m_nGameDuration);
    case 8:
        return std::to_string(m_nSetsPerGame);
    case 9:
        return FormatRest(m_tsRestSameTeam);
    case 10:
        return FormatRest(m_tsRestSamePair);
    case 11:
        return std::to_string(m_nLatestStart);
    default:
        return {};
    }
}

bool cLeague::DeletesMatch(const cMatch& match) const
{
    return !match.IsPlayoff() && match.m_nLeague == m_nIndex;
}

void cLeague::OnDelete(cDatabase& db, cTournelDb&, int)
{
    // Team conflicts of teams and officials that name this league.
    DeleteConflictsNaming(db, m_nIndex, -1);
    // Its scheduled matches; with the league gone they have nowhere to return to.
    cTournelDb& scheduled = db.Scheduled();
    for (cDbItem* item = scheduled.GetHead(); item != nullptr;) {
        cDbItem* next = item->NextLink();
        if (DeletesMatch(static_cast<const cMatch&>(*item))) {
            scheduled.DeleteItem(*item, db, kDeleteDiscard);
        }
        item = next;
    }
    // A filter on a league that is gone would hide everything: show all leagues.
    db.m_nLeagueFilter = -1;
    db.Scheduled().m_bUpToDate = 0;
    db.Results().m_bUpToDate = 0;
    // The matches still to play are derived again.
    DeleteUnscheduledNaming(db, m_nIndex, -1);
    db.Unscheduled().m_bUpToDate = 0;
}
