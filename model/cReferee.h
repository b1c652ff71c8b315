#pragma once

#include "model/Calendar.h"
#include "model/cIndexedDbItem.h"

// An official who may be assigned to matches.
class cReferee : public cIndexedDbItem
{
public:
    enum : int
    {
        kHolidays = 0,
        kPreferredTimes = 1,
        kTeamConflicts = 2,
    };

    cReferee();
    std::string_view GetRuntimeClass() const override { return "cReferee"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cIndexedDbItem::Fields(self, v);
        v.Text(self.m_strClubOfficial, {.name = "m_strClubOfficial"});
        v.Int(self.m_nRating, {.name = "m_nRating"});
        v.Int(self.m_nMaxGames, {.name = "m_nMaxGames"});
        v.Int(self.m_nMaxSubsequent, {.name = "m_nMaxSubsequent"});
        v.Int(self.m_nGames, {.name = "m_nGames"});
        v.Int(self.m_nDayOff1, {.name = "m_nDayOff1"});
        v.Int(self.m_nDayOff2, {.name = "m_nDayOff2"});
        v.Items(self.Holidays(), {.name = "holidays"}, kIllDateClass);
        v.Items(self.TeamConflicts(), {.name = "teamConflicts"}, kIllTeamClass);
        v.Items(self.PreferredTimes(), {.name = "preferredTimes"}, kPreferredTimeClass);
    }
    std::string GetColumnText(int column) const override;
    void OnDelete(cDatabase& db, cTournelDb& from, int flags) override;

    // The defaults of a new official entered by the user (the class itself
    // starts with 10 and 2, replaced when a file is read).
    void SetNewOfficialDefaults();

    void AddGames(int delta) { m_nGames += delta; }
    int GetRemainingGames() const { return m_nMaxGames - m_nGames; }

    cTournelDb& Holidays() { return *GetChild(kHolidays); }
    const cTournelDb& Holidays() const { return *GetChild(kHolidays); }
    cTournelDb& PreferredTimes() { return *GetChild(kPreferredTimes); }
    const cTournelDb& PreferredTimes() const { return *GetChild(kPreferredTimes); }
    cTournelDb& TeamConflicts() { return *GetChild(kTeamConflicts); }
    const cTournelDb& TeamConflicts() const { return *GetChild(kTeamConflicts); }

    std::string m_strClubOfficial;
    int m_nRating = 1;
    int m_nMaxGames = 10;
    int m_nGames = 0; // match positions held now
    int m_nMaxSubsequent = 2;
    Weekday m_nDayOff1 = -1;
    Weekday m_nDayOff2 = -1;
};
