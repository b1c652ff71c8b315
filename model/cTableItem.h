#pragma once

#include "model/cIndexedDbItem.h"

// One row of a league's standings table.
class cTableItem : public cIndexedDbItem
{
public:
    cTableItem() = default;
    // A new row of a team: position 1, every count 0.
    explicit cTableItem(int team)
        : m_nTeam(team)
    {
    }

    std::string_view GetRuntimeClass() const override { return "cTableItem"; }

    // The counts are brought into a range that no season reaches, so that
    // sums and products of them stay within an int.
    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        cDbItem::Fields(self, v);
        v.Int(self.m_nPosition, {.name = "m_nPosition"});
        v.Int(self.m_nTeam, {.name = "m_nTeam"});
        const auto Count = [](std::string_view name) {
            return cField{.name = name, .low = -1000000, .high = 1000000};
        };
        v.Int(self.m_nHomeWins, Count("m_nHomeWins"));
        v.Int(self.m_nHomeDraws, Count("m_nHomeDraws"));
        v.Int(self.m_nHomeLosses, Count("m_nHomeLosses"));
        v.Int(self.m_nHomeDisq, Count("m_nHomeDisq"));
        v.Int(self.m_nHomeScored, Count("m_nHomeScored"));
        v.Int(self.m_nHomeConceded, Count("m_nHomeConceded"));
        v.Int(self.m_nHomeSetScored, Count("m_nHomeSetScored"));
        v.Int(self.m_nHomeSetConceded, Count("m_nHomeSetConceded"));
        v.Int(self.m_nAwayWins, Count("m_nAwayWins"));
        v.Int(self.m_nAwayDraws, Count("m_nAwayDraws"));
        v.Int(self.m_nAwayLosses, Count("m_nAwayLosses"));
        v.Int(self.m_nAwayDisq, Count("m_nAwayDisq"));
        v.Int(self.m_nAwayScored, Count("m_nAwayScored"));
        v.Int(self.m_nAwayConceded, Count("m_nAwayConceded"));
        v.Int(self.m_nAwaySetScored, Count("m_nAwaySetScored"));
        v.Int(self.m_nAwaySetConceded, Count("m_nAwaySetConceded"));
    }
    // Rows keep their list order: the order is the table order.
    bool IsBefore(const cDbItem* other) const override { return other == nullptr; }
    std::string GetColumnText(int column) const override { return GetColumnText(column, false); }
    std::string GetColumnText(int column, bool lossesIncludeDisq) const;

    int Wins() const { return m_nHomeWins + m_nAwayWins; }
    int Draws() const { return m_nHomeDraws + m_nAwayDraws; }
    int Losses() const { return m_nHomeLosses + m_nAwayLosses; }
    int Disqualifications() const { return m_nHomeDisq + m_nAwayDisq; }
    int Scored() const { return m_nHomeScored + m_nAwayScored; }
    int Conceded() const { return m_nHomeConceded + m_nAwayConceded; }
    int SetPointsScored() const { return m_nHomeSetScored + m_nAwaySetScored; }
    int SetPointsConceded() const { return m_nHomeSetConceded + m_nAwaySetConceded; }
    int Played() const { return Wins() + Draws() + Losses() + Disqualifications(); }
    // Bonus points (unless ignored) plus the awards of the table settings.
    int Points() const;

    int m_nTeam = -1;
    int m_nPosition = 1;
    int m_nHomeWins = 0;
    int m_nHomeDraws = 0;
    int m_nHomeLosses = 0;
    int m_nHomeDisq = 0;
    int m_nHomeScored = 0;
    int m_nHomeConceded = 0;
    int m_nHomeSetScored = 0;
    int m_nHomeSetConceded = 0;
    int m_nAwayWins = 0;
    int m_nAwayDraws = 0;
    int m_nAwayLosses = 0;
    int m_nAwayDisq = 0;
    int m_nAwayScored = 0;
    int m_nAwayConceded = 0;
    int m_nAwaySetScored = 0;
    int m_nAwaySetConceded = 0;
};
