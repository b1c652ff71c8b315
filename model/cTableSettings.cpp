#include "model/cTableSettings.h"

cTableSettings::cTableSettings()
{
    SetDefaults();
}

void cTableSettings::SetDefaults()
{
    m_nPriority.fill(0);
    m_nPriority[1] = 1; // points
    m_nPriority[3] = 2; // goal/set difference
    m_nPointsVictory = 2;
    m_nPointsDraw = 1;
    m_nPointsLost = 0;
    m_nPointsDisqualified = 0;
    m_bIgnoreBonusPoints = 0;
    m_bAllowDraws = 1;
    m_nMaxSets = 1;
    RecomputeOrder();
}

void cTableSettings::Normalise()
{
    std::array<int, kCriteria> byPriority{};
    byPriority.fill(-1);
    int used = 0;
    for (int priority = 1; priority <= kCriteria; ++priority) {
        for (int criterion = 0; criterion < kCriteria; ++criterion) {
            if (m_nPriority[static_cast<std::size_t>(criterion)] == priority) {
                byPriority[static_cast<std::size_t>(used++)] = criterion;
                break;
            }
        }
    }
    m_nPriority.fill(0);
    for (int rank = 0; rank < used; ++rank) {
        m_nPriority[static_cast<std::size_t>(byPriority[static_cast<std::size_t>(rank)])] = rank + 1;
    }
    RecomputeOrder();
}

void cTableSettings::RecomputeOrder()
{
    m_nCriterionByPriority.fill(-1);
    m_nCriteriaCount = 0;
    for (int criterion = 0; criterion < kCriteria; ++criterion) {
        const int priority = m_nPriority[static_cast<std::size_t>(criterion)];
        if (priority >= 1 && priority <= kCriteria) {
            m_nCriterionByPriority[static_cast<std::size_t>(priority - 1)] = criterion;
            ++m_nCriteriaCount;
        }
    }
}
