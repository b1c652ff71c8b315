#include "model/cReferee.h"

#include "model/Directories.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"

cReferee::cReferee()
{
    DescribeHolidays(CreateChild<cTournelDb>(kHolidays));
    DescribePreferredTimes(CreateChild<cTournelDb>(kPreferredTimes));
    DescribeTeamConflicts(CreateChild<cTournelDb>(kTeamConflicts));
}

void cReferee::SetNewOfficialDefaults()
{
    m_nRating = 1;
    m_nMaxGames = 20;
    m_nGames = 0;
    m_nMaxSubsequent = 3;
    m_nDayOff1 = -1;
    m_nDayOff2 = -1;
}

std::string cReferee::GetColumnText(int column) const
{
    switch (column) {
    case 0:
        return m_strName;
    case 1:
        return m_strClubOfficial;
    case 2:
        return std::to_string(m_nRating);
    case 3:
        return std::to_string(m_nMaxSubsequent);
    case 4:
        return std::to_string(m_nMaxGames);
    case 5:
        return std::to_string(m_nGames);
    case 6:
        return WeekdayName(m_nDayOff1, kDefaultLanguage);
    case 7:
        return WeekdayName(m_nDayOff2, kDefaultLanguage);
    default:
        return {};
    }
}

void cReferee::OnDelete(cDatabase& db, cTournelDb&, int)
{
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        for (int& official : match.m_nOfficial) {
            if (official == m_nIndex) {
                official = -1;
            }
        }
    }
}
