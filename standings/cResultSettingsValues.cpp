#include "standings/cResultSettingsValues.h"

#include "model/cDatabase.h"

cResultSettingsValues cResultSettingsValues::FromDatabase(const cDatabase& db)
{
    const cTableSettings& settings = db.m_tableSettings;
    cResultSettingsValues values;
    values.pointsVictory = settings.m_nPointsVictory;
    values.pointsDraw = settings.m_nPointsDraw;
    values.pointsLost = settings.m_nPointsLost;
    values.pointsDisqualified = settings.m_nPointsDisqualified;
    values.ignoreBonusPoints = settings.m_bIgnoreBonusPoints != 0;
    values.allowDraws = settings.m_bAllowDraws != 0;
    values.maxSets = settings.m_nMaxSets;
    return values;
}

cValidation Validate(const cResultSettingsValues& values)
{
    using F = cResultSettingsValues;
    struct cRange
    {
        int value;
        int low;
        int high;
        int field;
    };
    const cRange ranges[] = {
        {values.pointsVictory, F::kMinPoints, F::kMaxPoints, F::kPointsVictory},
        {values.pointsDraw, F::kMinPoints, F::kMaxPoints, F::kPointsDraw},
        {values.pointsLost, F::kMinPoints, F::kMaxPoints, F::kPointsLost},
        {values.pointsDisqualified, F::kMinPoints, F::kMaxPoints, F::kPointsDisqualified},
        {values.maxSets, F::kMinSets, F::kMaxSetsLimit, F::kMaxSets},
    };
    for (const cRange& range : ranges) {
        if (auto error = CheckRange(range.value, range.low, range.high, range.field)) {
            return error;
        }
    }
    return std::nullopt;
}

void ApplyResultSettings(cDatabase& db, const cResultSettingsValues& values)
{
    cTableSettings& settings = db.m_tableSettings;
    settings.m_nPointsVictory = values.pointsVictory;
    settings.m_nPointsDraw = values.pointsDraw;
    settings.m_nPointsLost = values.pointsLost;
    settings.m_nPointsDisqualified = values.pointsDisqualified;
    settings.m_bIgnoreBonusPoints = values.ignoreBonusPoints ? 1 : 0;
    settings.m_bAllowDraws = values.allowDraws ? 1 : 0;
    settings.m_nMaxSets = values.maxSets;
    db.SetModifiedFlag();
    db.InvalidateTables();
}
