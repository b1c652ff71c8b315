#include "model/cMatch.h"

#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cReferee.h"
#include "model/cResult.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"

cMatch::cMatch() = default;

cMatch::~cMatch()
{
    if (m_pResult != nullptr) {
        m_pResult->SetMatch(nullptr);
    }
}

std::int64_t cMatch::DayKey() const
{
    if (m_tDayKeyFor != m_tStart || !m_bDayKeySet) {
        m_nDayKey = LocalDayNumber(m_tStart);
        m_tDayKeyFor = m_tStart;
        m_bDayKeySet = true;
    }
    return m_nDayKey;
}

bool cMatch::IsBefore(const cDbItem* other) const
{
    if (other == nullptr) {
        return true;
    }
    const auto& match = static_cast<const cMatch&>(*other);
    const std::int64_t day = DayKey();
    const std::int64_t otherDay = match.DayKey();
    if (day != otherDay) {
        return day < otherDay;
    }
    if (m_nCourt != match.m_nCourt) {
        const cDatabase* db = GetDatabase();
        const cCourt* court = db != nullptr ? db->GetCourt(m_nCourt) : nullptr;
        const cCourt* otherCourt = db != nullptr ? db->GetCourt(match.m_nCourt) : nullptr;
        const int byCourt =
            CompareText(court != nullptr ? court->m_strShortName : std::string(),
                        otherCourt != nullptr ? otherCourt->m_strShortName : std::string(), true);
        if (byCourt != 0) {
            return byCourt < 0;
        }
    }
    return m_tStart < match.m_tStart;
}

std::string cMatch::GetHomeName() const
{
    const cDatabase* db = GetDatabase();
    const cTeam* team = db != nullptr ? db->GetTeam(m_nLeague, m_nHomeTeam) : nullptr;
    return team != nullptr ? team->m_strName : std::string();
}

std::string cMatch::GetGuestName() const
{
    const cDatabase* db = GetDatabase();
    const cTeam* team = db != nullptr ? db->GetTeam(m_nLeague, m_nGuestTeam) : nullptr;
    return team != nullptr ? team->m_strName : std::string();
}

std::string cMatch::GetLabel() const
{
    const cDatabase* db = GetDatabase();
    const cLeague* league = db != nullptr ? db->GetLeague(m_nLeague) : nullptr;
    return StringPrintf("%s-%d", league != nullptr ? league->m_strShortName.c_str() : "", m_nNumber);
}

std::string cMatch::GetColumnText(int column) const
{
    const cDatabase* db = GetDatabase();
    switch (column) {
    case 0:
        return GetLabel();
    case 1:
        return db != nullptr ? db->FormatDate(m_tStart) : FormatTime(m_tStart, DateFormat(0));
    case 2: {
        const cCourt* court = db != nullptr ? db->GetCourt(m_nCourt) : nullptr;
        return court != nullptr ? court->m_strShortName : std::string();
    }
    case 3:
        return FormatTime(m_tStart, "%H%M");
    case 4:
        return GetHomeName();
    case 5:
        return GetGuestName();
    default:
        if (column >= 6 && column < 6 + kOfficialPositions) {
            const cReferee* official =
                db != nullptr ? db->GetOfficial(m_nOfficial[static_cast<std::size_t>(column - 6)]) : nullptr;
            return official != nullptr ? official->m_strName : std::string();
        }
        return {};
    }
}

void cMatch::SetOfficial(cDatabase& db, int official, int position)
{
    if (position < 0 || position >= kOfficialPositions) {
        return;
    }
    int& slot = m_nOfficial[static_cast<std::size_t>(position)];
    if (slot >= 0) {
        if (cReferee* old = db.GetOfficial(slot)) {
            old->AddGames(-1);
        }
    }
    slot = official < 0 ? -1 : official;
    if (slot >= 0) {
        if (cReferee* now = db.GetOfficial(slot)) {
            now->AddGames(1);
        }
    }
    db.SetModifiedFlag();
}

int cMatch::GetOfficial(int position) const
{
    if (position < 0 || position >= kOfficialPositions) {
        return -1;
    }
    return m_nOfficial[static_cast<std::size_t>(position)];
}

bool cMatch::HoldsElsewhere(int official, int position) const
{
    if (official < 0) {
        return false;
    }
    for (int other = 0; other < kOfficialPositions; ++other) {
        if (other != position && m_nOfficial[static_cast<std::size_t>(other)] == official) {
            return true;
        }
    }
    return false;
}

int cMatch::GetOfficialCount() const
{
    int count = 0;
    for (const int official : m_nOfficial) {
        if (official >= 0) {
            ++count;
        }
    }
    return count;
}

void cMatch::ReleaseCourtTimeOfficialsAndResult(cDatabase& db)
{
    if (m_tEnd > m_tStart) {
        AddCourtTime(db, std::make_unique<cUnusedTime>(m_nCourt, m_tStart, m_tEnd));
    }
    for (int position = 0; position < kOfficialPositions; ++position) {
        SetOfficial(db, -1, position);
    }
    if (m_pResult != nullptr) {
        cResult* result = m_pResult;
        m_pResult = nullptr;
        result->SetMatch(nullptr);
        db.Results().DeleteItem(*result, db);
    }
    db.Results().m_bUpToDate = 0;
}

void cMatch::OnDelete(cDatabase& db, cTournelDb&, int flags)
{
    if ((flags & kDeleteDiscard) == 0) {
        auto back =
            std::make_unique<cUnscheduledMatch>(m_nLeague, m_nHomeTeam, m_nGuestTeam, m_nRound, m_nNumber);
        back->m_bFiltered = (db.m_nLeagueFilter != -1 && m_nLeague != db.m_nLeagueFilter) ? 1 : 0;
        db.Unscheduled().AddItem(std::move(back), false);
    }
    ReleaseCourtTimeOfficialsAndResult(db);
    if (cLeague* league = db.GetLeague(m_nLeague)) {
        league->Table().m_bUpToDate = 0;
        if (m_nNumber >= league->m_nLastMatchNumber) {
            int highest = 0;
            for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
                if (!match.IsPlayoff() && match.m_nLeague == m_nLeague && match.m_nNumber > highest) {
                    highest = match.m_nNumber;
                }
            }
            league->m_nLastMatchNumber = highest;
        }
    }
}
