#include "model/cResult.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"

cResult::~cResult()
{
    if (m_pMatch != nullptr) {
        m_pMatch->SetResult(nullptr);
    }
}

void cResult::Link(cResult& result, cMatch& match)
{
    if (cResult* old = match.GetResult()) {
        old->SetMatch(nullptr);
    }
    if (cMatch* old = result.GetMatch()) {
        old->SetResult(nullptr);
    }
    result.SetMatch(&match);
    match.SetResult(&result);
}

void cResult::CopyPairing(const cMatch& match)
{
    m_nLeague = match.m_nLeague;
    m_nHomeTeam = match.m_nHomeTeam;
    m_nGuestTeam = match.m_nGuestTeam;
    m_nRound = match.m_nRound;
}

int cResult::GetHomeScore(int index) const
{
    if (m_bPlayed == 0 || index < 0 || index >= kScores) {
        return 0;
    }
    return m_nHomeScore[static_cast<std::size_t>(index)];
}

int cResult::GetGuestScore(int index) const
{
    if (m_bPlayed == 0 || index < 0 || index >= kScores) {
        return 0;
    }
    return m_nGuestScore[static_cast<std::size_t>(index)];
}

bool cResult::IsBefore(const cDbItem* other) const
{
    if (other == nullptr) {
        return true;
    }
    const auto& result = static_cast<const cResult&>(*other);
    if (m_pMatch == nullptr || result.m_pMatch == nullptr) {
        return false;
    }
    return m_pMatch->IsBefore(result.m_pMatch);
}

std::string cResult::GetColumnText(int column) const
{
    if (column >= 0 && column <= 5) {
        return m_pMatch != nullptr ? m_pMatch->GetColumnText(column) : std::string();
    }
    if (column == 6) {
        if (m_bPlayed == 0) {
            return GetString(IDS_NOT_PLAYED);
        }
        return StringPrintf("%c%4d - %d %c", m_bHomeDisqualified != 0 ? 'D' : ' ', m_nHomeScore[0],
                            m_nGuestScore[0], m_bGuestDisqualified != 0 ? 'D' : ' ');
    }
    if (column >= 7 && column <= 15) {
        const int set = column - 6;
        const cDatabase* db = GetDatabase();
        const int maxSets = db != nullptr ? db->m_tableSettings.m_nMaxSets : 1;
        if (m_bPlayed != 0 && maxSets > 1 && set <= maxSets) {
            return StringPrintf("%4d - %d", m_nHomeScore[static_cast<std::size_t>(set)],
                                m_nGuestScore[static_cast<std::size_t>(set)]);
        }
    }
    return {};
}
