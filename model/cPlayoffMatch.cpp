#include "model/cPlayoffMatch.h"

cPlayoffMatch::cPlayoffMatch()
{
    m_nLeague = kPlayoff;
    m_nHomeTeam = kPlayoff;
    m_nGuestTeam = kPlayoff;
    m_nNumber = kPlayoff;
    m_nRound = 0;
}

void cPlayoffMatch::OnDelete(cDatabase& db, cTournelDb&, int)
{
    ReleaseCourtTimeOfficialsAndResult(db);
}
