#pragma once

#include "model/Calendar.h"
#include "model/cDbItem.h"

#include <array>
#include <cstdint>

class cResult;

// A scheduled match: a pairing with a court, a start and an end, up to five
// officials and a link to its result.
class cMatch : public cDbItem
{
public:
    static constexpr int kOfficialPositions = 5;
    static constexpr int kPlayoff = -2; // league, teams and number of a playoff match

    cMatch();
    ~cMatch() override;

    std::string_view GetRuntimeClass() const override { return "cMatch"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        PairingFields(v, self.m_nLeague, self.m_nHomeTeam, self.m_nGuestTeam, self.m_nRound);
        v.Time(self.m_tStart, {.name = "m_tStart"});
        v.Time(self.m_tEnd, {.name = "m_tEnd"});
        v.Int(self.m_nCourt, {.name = "m_nCourt"});
        v.Int(self.m_nNumber, {.name = "m_nNumber"});
        v.Int(self.m_bByHand, {.name = "m_bByHand", .since = 1.4, .fallback = 1});
        v.Ints(self.m_nOfficial, {.name = "m_nOfficial"});
    }
    // Local date of the start, then court short name, then start.
    bool IsBefore(const cDbItem* other) const override;
    std::string GetColumnText(int column) const override;

    // Returns the match to the unscheduled list (unless kDeleteDiscard), gives
    // its court time back, clears its officials, deletes its result and keeps
    // the league's highest match number right.
    void OnDelete(cDatabase& db, cTournelDb& from, int flags) override;
    // Only itself.
    bool DeletesMatch(const cMatch& match) const override { return &match == this; }

    virtual std::string GetGuestName() const;
    virtual std::string GetHomeName() const;
    virtual std::string GetLabel() const;
    virtual bool IsPlayoff() const { return false; }

    // Puts an official (index, -1 none) on position 0-4, keeping the
    // officials' game counts right. Other positions are ignored.
    void SetOfficial(cDatabase& db, int official, int position);
    int GetOfficial(int position) const;
    // True when `official` (an index) stands on a position 0-4 other than
    // `position`: one person cannot take two slots of one match.
    bool HoldsElsewhere(int official, int position) const;
    int GetOfficialCount() const;
    int GetDuration() const { return static_cast<int>((m_tEnd - m_tStart) / 60); }
    // Days since 1970-01-01 of the local date of the start, as
    // LocalDayNumber(m_tStart); kept until the start changes.
    std::int64_t LocalDay() const { return DayKey(); }

    // The link to the result record; not owning (the results container owns it).
    cResult* GetResult() const { return m_pResult; }
    void SetResult(cResult* result) { m_pResult = result; }

    int m_bByHand = 1;
    int m_nNumber = 0;
    int m_nCourt = 0;
    TimePoint m_tEnd = 0;
    TimePoint m_tStart = 0;
    int m_nRound = 0;
    int m_nGuestTeam = 0;
    int m_nHomeTeam = 0;
    int m_nLeague = 0;
    std::array<int, kOfficialPositions> m_nOfficial{-1, -1, -1, -1, -1};

protected:
    // The steps of OnDelete that playoff matches share.
    void ReleaseCourtTimeOfficialsAndResult(cDatabase& db);

private:
    // The local day of m_tStart, cached for the sort order.
    std::int64_t DayKey() const;

    cResult* m_pResult = nullptr;
    mutable TimePoint m_tDayKeyFor = 0;
    mutable std::int64_t m_nDayKey = 0;
    mutable bool m_bDayKeySet = false;
};
