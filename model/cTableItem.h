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
