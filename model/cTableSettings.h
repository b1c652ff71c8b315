#pragma once

#include "model/StoredFields.h"

#include <array>

// Point awards and ranking criteria of the standings tables; one per document.
class cTableSettings
{
public:
    static constexpr int kCriteria = 15;

    cTableSettings();

    // Rebuilds m_nCriterionByPriority and m_nCriteriaCount from m_nPriority.
    void RecomputeOrder();
    void SetDefaults();
    // Priorities out of range, repeated or with gaps are renumbered 1, 2, ...
    // in their order, then the order is rebuilt. Applied to whatever is read
    // from a file and to whatever is written to one.
    void Normalise();

    template <class Self, class V> static void Fields(Self& self, V& v)
    {
        v.IntPairs(self.m_nPriority, {.name = "m_nPriority"}, self.m_nCriterionByPriority,
                   {.name = "m_nCriterionByPriority"});
        v.Int(self.m_nPointsVictory, {.name = "m_nPointsVictory", .low = -99, .high = 99});
        v.Int(self.m_nPointsDraw, {.name = "m_nPointsDraw", .low = -99, .high = 99});
        v.Int(self.m_nPointsLost, {.name = "m_nPointsLost", .low = -99, .high = 99});
        v.Int(self.m_nPointsDisqualified, {.name = "m_nPointsDisqualified", .low = -99, .high = 99});
        v.Int(self.m_bIgnoreBonusPoints, {.name = "m_bIgnoreBonusPoints"});
        v.Int(self.m_bAllowDraws, {.name = "m_bAllowDraws"});
        v.Int(self.m_nMaxSets, {.name = "m_nMaxSets", .low = 1, .high = 9});
        v.Int(self.m_nCriteriaCount, {.name = "m_nCriteriaCount"});
    }

    std::array<int, kCriteria> m_nPriority{};            // per criterion: 1-15, 0 unused
    std::array<int, kCriteria> m_nCriterionByPriority{}; // element p-1: criterion with priority p, -1 none
    int m_nPointsVictory = 2;
    int m_nPointsDraw = 1;
    int m_nPointsLost = 0;
    int m_nPointsDisqualified = 0;
    int m_bIgnoreBonusPoints = 0;
    int m_bAllowDraws = 1;
    int m_nMaxSets = 1;
    int m_nCriteriaCount = 2;
};
