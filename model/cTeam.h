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

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cIndexedDbItem::Fields(self, v);
        v.Text(self.m_strClub, {.name = "m_strClub"});
        v.Int(self.m_nDayOff, {.name = "m_nDayOff"});
        v.Int(self.m_nBonusPoints, {.name = "m_nBonusPoints", .low = -999, .high = 999});
        v.Items(self.HomeGrounds(), {.name = "homeGrounds"}, kHomeGroundClass);
        v.Items(self.Holidays(), {.name = "holidays"}, kIllDateClass);
        v.Items(self.TeamConflicts(), {.name = "teamConflicts"}, kIllTeamClass);
        v.Items(self.PreferredTimes(), {.name = "preferredTimes"}, kPreferredTimeClass);
    }
    std::string GetColumnText(int column) const override;
    void OnDelete(cDatabase& db, cTournelDb& from, int flags) override;
    // Every league match the team plays in.
    bool DeletesMatch(const cMatch& match) const override;

    // Sets the name and the club: "Lions B" belongs to the club "Lions".
    void SetName(std::string_view name);

    // The league the team belongs to, or null.
    cLeague* GetLeague() const;

    cTournelDb& Holidays() { return *GetChild(kHolidays); }
    const cTournelDb& Holidays() const { return *GetChild(kHolidays); }
    cTournelDb& HomeGrounds() { return *GetChild(kHomeGrounds); }
    const cTournelDb& HomeGrounds() const { return *GetChild(kHomeGrounds); }
    cTournelDb& PreferredTimes() { return *GetChild(kPreferredTimes); }
    const cTournelDb& PreferredTimes() const { return *GetChild(kPreferredTimes); }
    cTournelDb& TeamConflicts() { return *GetChild(kTeamConflicts); }
    const cTournelDb& TeamConflicts() const { return *GetChild(kTeamConflicts); }

    int m_nBonusPoints = 0; // -999 ... 999
    Weekday m_nDayOff = -1;
    std::string m_strClub;
};

// Deletes every team-conflict entry of teams and officials that names the
// team (team < 0: any team of the league).
void DeleteConflictsNaming(cDatabase& db, int league, int team);

// Deletes the unscheduled matches of the team (team < 0: of any team of the
// league). Their index numbers are reused, and a new team must not inherit a
// match number that waited for the one deleted.
void DeleteUnscheduledNaming(cDatabase& db, int league, int team);
