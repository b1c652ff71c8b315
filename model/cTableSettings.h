#pragma once

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
