#include "model/cUnscheduledMatch.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cTeam.h"

cUnscheduledMatch::cUnscheduledMatch(int league, int home, int guest, int round, int number)
{
    SetStored(league, home, guest, round, number);
}

void cUnscheduledMatch::SetStored(int league, int home, int guest, int round, int number)
{
    m_nLeague = league;
    m_nHomeTeam = home;
    m_nGuestTeam = guest;
    m_nRound = round;
    m_nNumber = number;
}

void cUnscheduledMatch::SetRound(int round)
{
    if (round >= 1) {
        m_nRound = round;
    }
}

void cUnscheduledMatch::SetLeague(int league)
{
    if (league >= 0) {
        m_nLeague = league;
    }
}

void cUnscheduledMatch::SetHomeTeam(int team)
{
    if (team >= 0) {
        m_nHomeTeam = team;
    }
}

void cUnscheduledMatch::SetGuestTeam(int team)
{
    if (team >= 0) {
        m_nGuestTeam = team;
    }
}

std::string cUnscheduledMatch::GetLabel() const
{
    const cDatabase* db = GetDatabase();
    return db != nullptr ? GetLabel(*db) : (m_nNumber > 0 ? StringPrintf("-%d", m_nNumber) : std::string());
}

std::string cUnscheduledMatch::GetLabel(const cDatabase& db) const
{
    const cLeague* league = db.GetLeague(m_nLeague);
    std::string label = league != nullptr ? league->m_strShortName : std::string();
    if (m_nNumber > 0) {
        label += StringPrintf("-%d", m_nNumber);
    }
    return label;
}

std::string cUnscheduledMatch::GetColumnText(int column) const
{
    const cDatabase* db = GetDatabase();
    switch (column) {
    case 0:
        return GetLabel();
    case 1:
    case 2: {
        const cTeam* team =
            db != nullptr ? db->GetTeam(m_nLeague, column == 1 ? m_nHomeTeam : m_nGuestTeam) : nullptr;
        return team != nullptr ? team->m_strName : std::string();
    }
    case 3:
        return StringPrintf("%d", m_nRound);
    default:
        return {};
    }
}
