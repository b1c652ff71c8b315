#include "officials/cOfficialSettings.h"

#include "model/cDatabase.h"
#include "model/cLeague.h"

cOfficialSettings cOfficialSettings::FromDatabase(const cDatabase& db)
{
    cOfficialSettings values;
    values.officialsPerGame = db.m_nOfficialsPerGame;
    values.minDaysBetweenGames = db.m_nMinDaysBetweenGames;
    values.maxSubsequentGames = db.m_nMaxSubsequentGames;
    values.conflictMargin = db.m_nConflictMargin;
    values.ignoreClub = db.m_bIgnoreClub != 0;
    values.ignoreRatings = db.m_bIgnoreRatings != 0;
    values.ignoreTeamConflicts = db.m_bIgnoreTeamConflicts != 0;
    values.ignoreHolidays = db.m_bIgnoreHolidays != 0;
    values.ignoreDaysOff = db.m_bIgnoreDaysOff != 0;
    values.ignorePreferredTime = db.m_bIgnorePreferredTime != 0;
    return values;
}

void cOfficialSettings::ApplyTo(cDatabase& db) const
{
    db.m_nOfficialsPerGame = officialsPerGame;
    db.m_nMinDaysBetweenGames = minDaysBetweenGames;
    db.m_nMaxSubsequentGames = maxSubsequentGames;
    db.m_nConflictMargin = conflictMargin;
    db.m_bIgnoreClub = ignoreClub ? 1 : 0;
    db.m_bIgnoreRatings = ignoreRatings ? 1 : 0;
    db.m_bIgnoreTeamConflicts = ignoreTeamConflicts ? 1 : 0;
    db.m_bIgnoreHolidays = ignoreHolidays ? 1 : 0;
    db.m_bIgnoreDaysOff = ignoreDaysOff ? 1 : 0;
    db.m_bIgnorePreferredTime = ignorePreferredTime ? 1 : 0;
    for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
        league.ComputeRatingBands(officialsPerGame);
    }
    db.SetModifiedFlag();
}

cValidation Validate(const cOfficialSettings& values)
{
    using S = cOfficialSettings;
    if (auto error = CheckRange(values.officialsPerGame, S::kMinOfficialsPerGame, S::kMaxOfficialsPerGame,
                                S::kFieldOfficialsPerGame)) {
        return error;
    }
    if (auto error = CheckRange(values.minDaysBetweenGames, S::kMinDaysBetweenGames, S::kMaxDaysBetweenGames,
                                S::kFieldMinDaysBetweenGames)) {
        return error;
    }
    if (auto error = CheckRange(values.maxSubsequentGames, S::kMinSubsequentGames, S::kMaxSubsequentGames,
                                S::kFieldMaxSubsequentGames)) {
        return error;
    }
    return CheckRange(values.conflictMargin, S::kMinConflictMargin, S::kMaxConflictMargin,
                      S::kFieldConflictMargin);
}
