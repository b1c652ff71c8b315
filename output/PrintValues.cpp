#include "output/PrintValues.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "standings/Standings.h"

#include <algorithm>

namespace {

int Clamped(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

// The day, month and year fields of a date, in that order, against their ranges.
cValidation CheckDateRanges(const cPrintDate& date, int dayField)
{
    if (auto error = CheckRange(date.day, 1, 31, dayField)) {
        return error;
    }
    if (auto error = CheckRange(date.month, 1, 12, dayField + 1)) {
        return error;
    }
    return CheckRange(date.year, cPrintDate::kMinYear, cPrintDate::kMaxYear, dayField + 2);
}

bool IsValid(const cPrintDate& date)
{
    return IsValidDate(date.day, date.month, date.year);
}

std::int64_t DayOf(const cPrintDate& date)
{
    return DayNumber(date.year, date.month, date.day);
}

// The first "#" replaced, as every print and file heading does it.
std::string WithName(const std::string& heading, std::string_view name)
{
    return MakeSectionHeading(heading, name, false, false, false);
}

} // namespace

cPrintDate cPrintDate::Of(TimePoint t)
{
    const cLocalTime local = LocalTime(t);
    return {local.day, local.month, local.year};
}

TimePoint cPrintDate::At(int hour, int minute) const
{
    return MakeTimePoint(year, month, day, hour, minute, 0);
}

// ---- Special schedule print ----

cSchedulePrintValues cSchedulePrintValues::FromDatabase(const cDatabase& db)
{
    cSchedulePrintValues values;
    values.sorting = Clamped(db.m_nScheduleSorting, 0, kSortings - 1);
    values.layout = Clamped(db.m_nScheduleLayout, 0, kLayouts - 1);
    values.numberBefore = db.m_bNumberBeforeTime != 0;
    values.numberAfter = db.m_bNumberAfterTime != 0;
    values.heading = db.m_strScheduleHeading;
    values.language = Clamped(db.m_nLanguage, 0, kLanguageCount - 1);
    values.ChooseSorting(values.sorting);

    const TimePoint now = db.Now();
    const auto* first = static_cast<const cMatch*>(db.Scheduled().GetFirst());
    const auto* last = static_cast<const cMatch*>(db.Scheduled().GetLast());
    values.final = cPrintDate::Of(last != nullptr ? last->m_tStart : now);
    if (first != nullptr && LocalDayNumber(now) > LocalDayNumber(last->m_tStart)) {
        values.start = cPrintDate::Of(first->m_tStart);
    } else {
        values.start = cPrintDate::Of(now);
    }
    return values;
}

void cSchedulePrintValues::ChooseSorting(int mode)
{
    sorting = mode;
    if (sorting != cScheduleExport::kByCourt) {
        court = -1;
    }
    if (sorting != cScheduleExport::kByLeague && sorting != cScheduleExport::kByTeam) {
        league = -1;
    }
    if (sorting != cScheduleExport::kByTeam) {
        team = -1;
    }
    if (sorting != cScheduleExport::kByOfficial) {
        official = -1;
    }
    if (sorting != cScheduleExport::kByDate) {
        layout = cScheduleExport::kUngrouped;
    }
}

void cSchedulePrintValues::ChooseLeague(int index)
{
    if (index != league) {
        team = -1;
    }
    league = index;
}

bool cSchedulePrintValues::IsEnabled(int field) const
{
    switch (field) {
    case kFieldCourt:
        return sorting == cScheduleExport::kByCourt;
    case kFieldLeague:
        return sorting == cScheduleExport::kByLeague || sorting == cScheduleExport::kByTeam;
    case kFieldTeam:
        return sorting == cScheduleExport::kByTeam;
    case kFieldOfficial:
        return sorting == cScheduleExport::kByOfficial;
    case kFieldLayout:
        return sorting == cScheduleExport::kByDate;
    default:
        return true;
    }
}

cScheduleExport cSchedulePrintValues::Export() const
{
    cScheduleExport job;
    job.sorting = sorting;
    job.layout = IsEnabled(kFieldLayout) ? layout : cScheduleExport::kUngrouped;
    job.numberBefore = numberBefore;
    job.numberAfter = numberAfter;
    job.court = IsEnabled(kFieldCourt) ? court : -1;
    job.league = IsEnabled(kFieldLeague) ? league : -1;
    job.team = IsEnabled(kFieldTeam) && job.league != -1 ? team : -1;
    job.official = IsEnabled(kFieldOfficial) ? official : -1;
    job.from = start.At();
    job.to = final.At(23, 59);
    job.language = language;
    job.heading = heading;
    return job;
}

void cSchedulePrintValues::ApplyTo(cDatabase& db) const
{
    db.m_nScheduleSorting = sorting;
    db.m_nScheduleLayout = IsEnabled(kFieldLayout) ? layout : cScheduleExport::kUngrouped;
    db.m_bNumberBeforeTime = numberBefore ? 1 : 0;
    db.m_bNumberAfterTime = numberAfter ? 1 : 0;
    db.m_strScheduleHeading = heading;
    db.SetModifiedFlag();
}

namespace {

// The existing dates of a period, the start not after the final date.
cValidation CheckPeriod(const cPrintDate& start, const cPrintDate& final, int startDayField,
                        int finalDayField)
{
    if (!IsValid(start)) {
        return MakeValidationError(IDS_START_DATE_ILLEGAL, startDayField);
    }
    if (!IsValid(final)) {
        return MakeValidationError(IDS_FINAL_DATE_ILLEGAL, finalDayField);
    }
    if (DayOf(start) > DayOf(final)) {
        return MakeValidationError(IDS_START_AFTER_FINAL, startDayField);
    }
    return std::nullopt;
}

} // namespace

cValidation Validate(const cSchedulePrintValues& values)
{
    using V = cSchedulePrintValues;
    if (auto error = CheckDateRanges(values.start, V::kFieldStartDay)) {
        return error;
    }
    if (auto error = CheckDateRanges(values.final, V::kFieldFinalDay)) {
        return error;
    }
    if (auto error = CheckText(values.heading, 0, V::kFieldHeading, kPrintHeadingLimit)) {
        return error;
    }
    return CheckPeriod(values.start, values.final, V::kFieldStartDay, V::kFieldFinalDay);
}

// ---- Export calendar ----

cCalendarExportValues cCalendarExportValues::FromDatabase(const cDatabase& db)
{
    cCalendarExportValues values;
    const auto* first = static_cast<const cMatch*>(db.Scheduled().GetFirst());
    const auto* last = static_cast<const cMatch*>(db.Scheduled().GetLast());
    values.start = cPrintDate::Of(first != nullptr ? first->m_tStart : db.Now());
    values.final = cPrintDate::Of(last != nullptr ? last->m_tStart : db.Now());
    return values;
}

cCalendarExport cCalendarExportValues::Export() const
{
    cCalendarExport job = matchesOf;
    job.from = start.At();
    job.to = final.At(23, 59) + 59;
    return job;
}

cValidation Validate(const cCalendarExportValues& values)
{
    using V = cCalendarExportValues;
    if (auto error = CheckDateRanges(values.start, V::kFieldStartDay)) {
        return error;
    }
    if (auto error = CheckDateRanges(values.final, V::kFieldFinalDay)) {
        return error;
    }
    return CheckPeriod(values.start, values.final, V::kFieldStartDay, V::kFieldFinalDay);
}

// ---- Special table print ----

cTablePrintValues cTablePrintValues::FromDatabase(const cDatabase& db)
{
    cTablePrintValues values;
    values.results = db.m_bTableResults != 0;
    values.Column(kFieldRank) = db.m_bTableRank != 0;
    values.Column(kFieldPlayed) = db.m_bTablePlayed != 0;
    values.Column(kFieldWon) = db.m_bTableWon != 0;
    values.Column(kFieldDrawn) = db.m_bTableDrawn != 0;
    values.Column(kFieldLost) = db.m_bTableLost != 0;
    values.Column(kFieldDisqualified) = db.m_bTableDisqualified != 0;
    values.Column(kFieldScoreDiff) = db.m_bTableScoreDiff != 0;
    values.Column(kFieldBallDiff) = db.m_bTableBallDiff != 0;
    values.Column(kFieldRatio) = db.m_bTableRatio != 0;
    values.Column(kFieldPoints) = db.m_bTablePoints != 0;
    values.heading = db.m_strTableHeading;
    // Midday, so that a daylight-saving change in the week cannot move the date.
    const cPrintDate today = cPrintDate::Of(db.Now());
    values.resultsFrom = cPrintDate::Of(MakeTimePoint(today.year, today.month, today.day - 7, 12));
    return values;
}

cTablesExport cTablePrintValues::Export() const
{
    cTablesExport job;
    job.league = league;
    job.results = results;
    job.resultsFrom = results ? resultsFrom.At() : 0;
    job.rank = Column(kFieldRank);
    job.played = Column(kFieldPlayed);
    job.won = Column(kFieldWon);
    job.drawn = Column(kFieldDrawn);
    job.lost = Column(kFieldLost);
    job.disqualified = Column(kFieldDisqualified);
    job.scoreDiff = Column(kFieldScoreDiff);
    job.ballDiff = Column(kFieldBallDiff);
    job.ratio = Column(kFieldRatio);
    job.points = Column(kFieldPoints);
    job.heading = heading;
    return job;
}

void cTablePrintValues::ApplyTo(cDatabase& db) const
{
    db.m_bTableRank = Column(kFieldRank) ? 1 : 0;
    db.m_bTablePlayed = Column(kFieldPlayed) ? 1 : 0;
    db.m_bTableWon = Column(kFieldWon) ? 1 : 0;
    db.m_bTableDrawn = Column(kFieldDrawn) ? 1 : 0;
    db.m_bTableLost = Column(kFieldLost) ? 1 : 0;
    db.m_bTableDisqualified = Column(kFieldDisqualified) ? 1 : 0;
    db.m_bTableScoreDiff = Column(kFieldScoreDiff) ? 1 : 0;
    db.m_bTableBallDiff = Column(kFieldBallDiff) ? 1 : 0;
    db.m_bTableRatio = Column(kFieldRatio) ? 1 : 0;
    db.m_bTablePoints = Column(kFieldPoints) ? 1 : 0;
    db.m_bTableResults = results ? 1 : 0;
    db.m_strTableHeading = heading;
    db.SetModifiedFlag();
    BringTablesUpToDate(db);
}

cValidation Validate(const cTablePrintValues& values)
{
    using V = cTablePrintValues;
    if (values.results) {
        if (auto error = CheckDateRanges(values.resultsFrom, V::kFieldDay)) {
            return error;
        }
        if (!IsValid(values.resultsFrom)) {
            return MakeValidationError(IDS_ILLEGAL_DATE, V::kFieldDay);
        }
    }
    return CheckText(values.heading, 0, V::kFieldHeading, kPrintHeadingLimit);
}

// ---- Web document templates ----

cWebTemplateValues cWebTemplateValues::FromDatabase(const cDatabase& db)
{
    return {db.m_strScheduleTemplate, db.m_strTableTemplate};
}

void cWebTemplateValues::ApplyTo(cDatabase& db) const
{
    db.m_strScheduleTemplate = scheduleTemplate;
    db.m_strTableTemplate = tableTemplate;
    db.SetModifiedFlag();
}

cValidation Validate(const cWebTemplateValues& values)
{
    using V = cWebTemplateValues;
    if (auto error = CheckText(values.scheduleTemplate, 0, V::kFieldSchedule, kTemplatePathLimit)) {
        return error;
    }
    return CheckText(values.tableTemplate, 0, V::kFieldTable, kTemplatePathLimit);
}

// ---- preview boxes ----

std::string SchedulePreviewText(const cSchedulePrintValues& values, const cDatabase& db)
{
    static const char* const kNames[] = {"", "Main Hall", "Premier League", "Premier League, Lions",
                                         "J. Smith"};
    const TimePoint sample = MakeTimePoint(2027, 4, 3, 19, 30);
    const std::string date = db.FormatDate(sample);
    const int layout = values.IsEnabled(cSchedulePrintValues::kFieldLayout) ? values.layout : 0;

    std::string text = WithName(values.heading, kNames[Clamped(values.sorting, 0, 4)]) + "\n";
    if (layout != cScheduleExport::kUngrouped) {
        text += WeekdayName(LocalTime(sample).weekday, values.language) + ", " + date;
        if (layout == cScheduleExport::kGroupedByDateAndCourt) {
            text += ", Main Hall";
        }
        text += "\n";
    }
    for (const char* time : {"1930", "2100"}) {
        std::string line;
        if (values.numberBefore) {
            line += "PL-12  ";
        }
        if (layout == cScheduleExport::kUngrouped) {
            line += date + "  ";
        }
        if (layout != cScheduleExport::kGroupedByDateAndCourt) {
            line += "MH  ";
        }
        line += std::string(time) + "  ";
        if (values.numberAfter) {
            line += "PL-12  ";
        }
        line += "Lions  - Tigers";
        for (int k = 0; k < db.m_nOfficialsPerGame && k < cMatch::kOfficialPositions; ++k) {
            line += k == 0 ? "  J. Smith" : "  / A. Jones";
        }
        text.append(line).append("\n");
    }
    return text;
}

std::string TablePreviewText(const cTablePrintValues& values)
{
    using V = cTablePrintValues;
    // The sample teams' columns, rank to points.
    static const char* const kRows[2][V::kColumnFields] = {
        {"1", "10", "7", "2", "1", "0", "  21-9", "   0-0", "0.700", "16"},
        {"2", "10", "6", "1", "2", "1", "  17-12", "   0-0", "0.600", "13"},
    };
    static const char* const kTeams[2] = {"Lions ", "Tigers"};
    std::string text = WithName(values.heading, "Premier League") + "\n";
    if (values.results) {
        text += "Lions  - Tigers     3 - 1\n";
    }
    for (int row = 0; row < 2; ++row) {
        std::string line;
        for (int field = V::kFieldRank; field <= V::kFieldPoints; ++field) {
            if (field == V::kFieldPlayed) {
                line.append(kTeams[row]).append("  ");
            }
            if (!values.Column(field)) {
                continue;
            }
            // Without their own column the disqualifications count as losses.
            const bool withDisq = field == V::kFieldLost && !values.Column(V::kFieldDisqualified);
            const std::string_view cell =
                withDisq ? (row == 0 ? "1" : "3") : kRows[row][field - V::kFieldRank];
            line.append(cell).append("  ");
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        text.append(line).append("\n");
    }
    return text;
}
