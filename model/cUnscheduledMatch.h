#pragma once

#include "model/cDbItem.h"

// A pairing still to be played: league, teams, round and a wanted match number.
class cUnscheduledMatch : public cDbItem
{
public:
    cUnscheduledMatch() = default;
    cUnscheduledMatch(int league, int home, int guest, int round, int number);

    std::string_view GetRuntimeClass() const override { return "cUnscheduledMatch"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        PairingFields(v, self.m_nLeague, self.m_nHomeTeam, self.m_nGuestTeam, self.m_nRound);
        v.Int(self.m_nNumber, {.name = "m_nNumber"});
    }
    // Insertion order only.
    bool IsBefore(const cDbItem*) const override { return false; }
    std::string GetColumnText(int column) const override;

    // "U12-7", or "U12" while no number is given.
    std::string GetLabel() const;
    // The same, for a match in no list of `db` (the pairing of a match being moved).
    std::string GetLabel(const cDatabase& db) const;

    int GetNumber() const { return m_nNumber; }
    int GetRound() const { return m_nRound; }
    int GetLeague() const { return m_nLeague; }
    int GetHomeTeam() const { return m_nHomeTeam; }
    int GetGuestTeam() const { return m_nGuestTeam; }

    // Negative teams and leagues, and rounds below 1, are ignored.
    void SetNumber(int number) { m_nNumber = number; }
    void SetRound(int round);
    void SetLeague(int league);
    void SetHomeTeam(int team);
    void SetGuestTeam(int team);

    // Reading a file takes the stored values as they are.
    void SetStored(int league, int home, int guest, int round, int number);

private:
    int m_nNumber = 0;
    int m_nRound = 0;
    int m_nLeague = -1;
    int m_nHomeTeam = -1;
    int m_nGuestTeam = -1;
};
