#pragma once

#include "model/cDbItem.h"

#include <array>

class cMatch;

// The result record of one scheduled match.
class cResult : public cDbItem
{
public:
    static constexpr int kScores = 10; // 0 final result, 1-9 sets
    // Scores beyond any game, kept out so that sums of them stay within an int.
    static constexpr int kMaxScore = 99999;

    ~cResult() override;

    std::string_view GetRuntimeClass() const override { return "cResult"; }

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        PairingFields(v, self.m_nLeague, self.m_nHomeTeam, self.m_nGuestTeam, self.m_nRound);
        v.IntPairs(self.m_nHomeScore, {.name = "m_nHomeScore", .low = -kMaxScore, .high = kMaxScore},
                   self.m_nGuestScore, {.name = "m_nGuestScore", .low = -kMaxScore, .high = kMaxScore});
        v.Int(self.m_bPlayed, {.name = "m_bPlayed"});
        v.Int(self.m_bHomeDisqualified, {.name = "m_bHomeDisqualified"});
        v.Int(self.m_bGuestDisqualified, {.name = "m_bGuestDisqualified"});
    }
    // The order of its match.
    bool IsBefore(const cDbItem* other) const override;
    std::string GetColumnText(int column) const override;

    // Scores read 0 while the result is not played.
    int GetHomeScore(int index) const;
    int GetGuestScore(int index) const;
    bool IsHomeDisqualified() const { return m_bPlayed != 0 && m_bHomeDisqualified != 0; }
    bool IsGuestDisqualified() const { return m_bPlayed != 0 && m_bGuestDisqualified != 0; }
    bool IsPlayed() const { return m_bPlayed != 0; }

    // The match this result belongs to; not owning, null when none.
    cMatch* GetMatch() const { return m_pMatch; }
    void SetMatch(cMatch* match) { m_pMatch = match; }

    // Takes league, teams and round from the match, as a new result does.
    void CopyPairing(const cMatch& match);

    // Links result and match both ways.
    static void Link(cResult& result, cMatch& match);

    int m_bHomeDisqualified = 0;
    int m_bGuestDisqualified = 0;
    int m_nRound = 0;
    int m_nGuestTeam = 0;
    int m_nHomeTeam = 0;
    int m_nLeague = 0;
    std::array<int, kScores> m_nHomeScore{};
    std::array<int, kScores> m_nGuestScore{};
    int m_bPlayed = 0;

private:
    cMatch* m_pMatch = nullptr;
};
