#include "model/cIllTeam.h"

#include "model/Calendar.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cTeam.h"

std::string cIllTeam::GetColumnText(int column) const
{
    const cDatabase* db = GetDatabase();
    switch (column) {
    case 0: {
        const cLeague* league = db != nullptr ? db->GetLeague(m_nLeague) : nullptr;
        return league != nullptr ? league->m_strShortName : std::string();
    }
    case 1: {
        const cTeam* team = db != nullptr ? db->GetTeam(m_nLeague, m_nTeam) : nullptr;
        return team != nullptr ? team->m_strName : std::string();
    }
    case 2:
        return GetString(m_bTwinTeam != 0 ? IDS_YES : IDS_NO);
    default:
        return {};
    }
}

bool cIllTeam::IsBefore(const cDbItem* other) const
{
    if (other == nullptr) {
        return true;
    }
    const int byLeague = CompareText(GetColumnText(0), other->GetColumnText(0), true);
    if (byLeague != 0) {
        return byLeague < 0;
    }
    return CompareText(GetColumnText(1), other->GetColumnText(1), true) < 0;
}
