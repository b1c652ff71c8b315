#include "scheduling/cScheduleSettings.h"

#include "model/Strings.h"
#include "model/cDatabase.h"

cScheduleSettings cScheduleSettings::FromDatabase(const cDatabase& db)
{
    cScheduleSettings values;
    values.ignoreCourtRatings = db.m_bSchedIgnoreCourtRatings != 0;
    values.ignoreHomeGrounds = db.m_bSchedIgnoreHomeGrounds != 0;
    values.ignoreTeamConflicts = db.m_bSchedIgnoreTeamConflicts != 0;
    values.ignoreHolidays = db.m_bSchedIgnoreHolidays != 0;
    values.ignoreWeekdays = db.m_bSchedIgnoreWeekdays != 0;
    values.ignoreMinDays = db.m_bSchedIgnoreMinDays != 0;
    values.ignoreLatestStart = db.m_bSchedIgnoreLatestStart != 0;
    values.ignorePreferredTime = db.m_bSchedIgnorePreferredTime != 0;
    values.conflictMargin = db.m_nSchedConflictMargin;
    return values;
}

void cScheduleSettings::ApplyTo(cDatabase& db) const
{
    db.m_bSchedIgnoreCourtRatings = ignoreCourtRatings ? 1 : 0;
    db.m_bSchedIgnoreHomeGrounds = ignoreHomeGrounds ? 1 : 0;
    db.m_bSchedIgnoreTeamConflicts = ignoreTeamConflicts ? 1 : 0;
    db.m_bSchedIgnoreHolidays = ignoreHolidays ? 1 : 0;
    db.m_bSchedIgnoreWeekdays = ignoreWeekdays ? 1 : 0;
    db.m_bSchedIgnoreMinDays = ignoreMinDays ? 1 : 0;
    db.m_bSchedIgnoreLatestStart = ignoreLatestStart ? 1 : 0;
    db.m_bSchedIgnorePreferredTime = ignorePreferredTime ? 1 : 0;
    db.m_nSchedConflictMargin = conflictMargin;
    db.SetModifiedFlag();
}

std::optional<cSettingsError> Validate(const cScheduleSettings& values)
{
    if (values.conflictMargin < cScheduleSettings::kMinConflictMargin ||
        values.conflictMargin > cScheduleSettings::kMaxConflictMargin) {
        return cSettingsError{
            cScheduleSettings::kFieldConflictMargin, IDS_ENTER_INTEGER_BETWEEN,
            FormatString(IDS_ENTER_INTEGER_BETWEEN, {std::to_string(cScheduleSettings::kMinConflictMargin),
                                                     std::to_string(cScheduleSettings::kMaxConflictMargin)})};
    }
    return std::nullopt;
}
