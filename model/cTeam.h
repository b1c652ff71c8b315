#pragma once

#include "model/Calendar.h"
#include "model/cIndexedDbItem.h"

class cIndexedDb;
class cLeague;

// A team of a league. Its index is unique within the league only.
class cTeam : public cIndexedDbItem
{
public:
    enum : int
    {
        kHolidays = 0,
        kHomeGrounds = 1,
        kPreferredTimes = 2,
        kTeamConflicts = 3,
    };

    cTeam();
    std::string_view GetRuntimeClass() const override { return "cTeam"; }
    std::string GetColumnText(int column) const override;
    void OnDelete(cDatabase& db, cTournelDb& from, int flags) override;

    // Sets the name and the club: "Lions B" belongs to the club "Lions".
    void SetName(std::string_view name);

    // The league the team belongs to, or null.
    cLeague* GetLeague() const;

    cTournelDb& Holidays() const { return *GetChild(kHolidays); }
    cTournelDb& HomeGrounds() const { return *GetChild(kHomeGrounds); }
    cTournelDb& PreferredTimes() const { return *GetChild(kPreferredTimes); }
    cTournelDb& TeamConflicts() const { return *GetChild(kTeamConflicts); }

    int m_nBonusPoints = 0; // -999 ... 999
    Weekday m_nDayOff = -1;
    std::string m_strClub;
};

// Deletes every team-conflict entry of teams and officials that names the
// team (team < 0: any team of the league).
void DeleteConflictsNaming(cDatabase& db, int league, int team);
