#include "model/Strings.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "output/PrintValues.h"
#include "support/TestBuilders.h"

#include <gtest/gtest.h>

namespace {

using S = cSchedulePrintValues;
using T = cTablePrintValues;

class PrintValuesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.m_fnClock = [this] { return now; };
        court = &BuildCourt(db, "Main Hall", "MH");
        league = &BuildLeague(db, "Premier", "P");
        home = &BuildTeam(*league, "Lions");
        guest = &BuildTeam(*league, "Tigers");
    }

    void AddMatch(TimePoint start)
    {
        auto match = std::make_unique<cMatch>();
        match->m_nLeague = league->m_nIndex;
        match->m_nHomeTeam = home->m_nIndex;
        match->m_nGuestTeam = guest->m_nIndex;
        match->m_nCourt = court->m_nIndex;
        match->m_tStart = start;
        match->m_tEnd = start + 3600;
        db.Scheduled().AddItem(std::move(match), true);
    }

    // Valid values for a schedule print: 1 to 31 May 2027.
    static S Schedule()
    {
        S values;
        values.start = {1, 5, 2027};
        values.final = {31, 5, 2027};
        return values;
    }

    cDatabase db;
    TimePoint now = MakeTimePoint(2027, 3, 15, 10);
    cCourt* court = nullptr;
    cLeague* league = nullptr;
    cTeam* home = nullptr;
    cTeam* guest = nullptr;
};

struct cRefusal
{
    const char* name;
    std::function<void(S&)> change;
    int messageId;
    int field;
};

TEST_F(PrintValuesTest, ScheduleRefusalsComeInTheirOrder)
{
    const std::vector<cRefusal> cases = {
        {"valid", [](S&) {}, 0, 0},
        {"31 April",
         [](S& v) {
             v.start = {31, 4, 2027};
         },
         IDS_START_DATE_ILLEGAL, S::kFieldStartDay},
        {"final 30 February",
         [](S& v) {
             v.final = {30, 2, 2027};
         },
         IDS_FINAL_DATE_ILLEGAL, S::kFieldFinalDay},
        {"start 2 May after final 1 May",
         [](S& v) {
             v.start = {2, 5, 2027};
             v.final = {1, 5, 2027};
         },
         IDS_START_AFTER_FINAL, S::kFieldStartDay},
        {"start and final the same day",
         [](S& v) {
             v.start = {1, 5, 2027};
             v.final = {1, 5, 2027};
         },
         0, 0},
        {"both dates illegal: the start is told",
         [](S& v) {
             v.start = {30, 2, 2027};
             v.final = {31, 4, 2027};
         },
         IDS_START_DATE_ILLEGAL, S::kFieldStartDay},
        {"a month out of range before an illegal start",
         [](S& v) {
             v.start = {31, 4, 2027};
             v.final = {1, 13, 2027};
         },
         IDS_ENTER_INTEGER_BETWEEN, S::kFieldFinalMonth},
        {"year before the first", [](S& v) { v.start.year = 1996; }, IDS_ENTER_INTEGER_BETWEEN,
         S::kFieldStartYear},
        {"year after the last", [](S& v) { v.final.year = 2039; }, IDS_ENTER_INTEGER_BETWEEN,
         S::kFieldFinalYear},
        {"the first and the last year",
         [](S& v) {
             v.start = {1, 1, 1997};
             v.final = {31, 12, 2038};
         },
         0, 0},
        {"heading of 160 characters", [](S& v) { v.heading = std::string(160, 'h'); }, 0, 0},
        {"heading of 161 characters before an illegal date",
         [](S& v) {
             v.heading = std::string(161, 'h');
             v.start = {31, 4, 2027};
         },
         IDS_TEXT_TOO_LONG, S::kFieldHeading},
    };
    for (const cRefusal& c : cases) {
        SCOPED_TRACE(c.name);
        S values = Schedule();
        c.change(values);
        const cValidation error = Validate(values);
        EXPECT_EQ(error ? error->messageId : 0, c.messageId);
        EXPECT_EQ(error ? error->field : 0, c.field);
    }
}

TEST_F(PrintValuesTest, InitialPeriodEndsWithTheLastMatch)
{
    AddMatch(MakeTimePoint(2027, 2, 1, 19));
    AddMatch(MakeTimePoint(2027, 4, 20, 23, 30));
    struct cCase
    {
        const char* name;
        TimePoint now;
        cPrintDate start;
    };
    const std::vector<cCase> cases = {
        {"today before the last match", MakeTimePoint(2027, 3, 15, 10), {15, 3, 2027}},
        {"today is the last match's day", MakeTimePoint(2027, 4, 20, 23, 45), {20, 4, 2027}},
        {"today after the last match", MakeTimePoint(2027, 4, 21, 0, 5), {1, 2, 2027}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        now = c.now;
        const S values = S::FromDatabase(db);
        EXPECT_EQ(values.start.day, c.start.day);
        EXPECT_EQ(values.start.month, c.start.month);
        EXPECT_EQ(values.start.year, c.start.year);
        EXPECT_EQ(values.final.day, 20);
        EXPECT_EQ(values.final.month, 4);
        EXPECT_FALSE(Validate(values));
    }
}

TEST_F(PrintValuesTest, SortModeKeepsOnlyItsSelectors)
{
    S values = Schedule();
    values.layout = cScheduleExport::kGroupedByDateAndCourt;
    values.court = 1;
    values.league = 2;
    values.team = 3;
    values.official = 4;
    values.ChooseSorting(cScheduleExport::kByTeam);
    EXPECT_EQ(values.court, -1);
    EXPECT_EQ(values.league, 2);
    EXPECT_EQ(values.team, 3);
    EXPECT_EQ(values.official, -1);
    EXPECT_EQ(values.layout, cScheduleExport::kUngrouped);
    EXPECT_TRUE(values.IsEnabled(S::kFieldLeague) && values.IsEnabled(S::kFieldTeam));
    EXPECT_FALSE(values.IsEnabled(S::kFieldCourt) || values.IsEnabled(S::kFieldLayout));

    // The teams are the league's: another league empties the team, the same one keeps it.
    values.ChooseLeague(2);
    EXPECT_EQ(values.team, 3);
    values.ChooseLeague(5);
    EXPECT_EQ(values.team, -1);

    values.ChooseSorting(cScheduleExport::kByDate);
    EXPECT_EQ(values.league, -1);
    values.layout = cScheduleExport::kGroupedByDate;
    values.ChooseSorting(cScheduleExport::kByDate);
    EXPECT_EQ(values.layout, cScheduleExport::kGroupedByDate);
}

TEST_F(PrintValuesTest, ExportTakesTheModesSelectorAndTheWholeDays)
{
    S values = Schedule();
    values.sorting = cScheduleExport::kByCourt;
    values.court = 0;
    values.league = 0; // left over, not offered under this mode
    values.layout = cScheduleExport::kGroupedByDate;
    const cScheduleExport job = values.Export();
    EXPECT_EQ(job.court, 0);
    EXPECT_EQ(job.league, -1);
    EXPECT_EQ(job.layout, cScheduleExport::kUngrouped);
    EXPECT_EQ(job.from, MakeTimePoint(2027, 5, 1, 0, 0));
    EXPECT_EQ(job.to, MakeTimePoint(2027, 5, 31, 23, 59));
}

TEST_F(PrintValuesTest, ScheduleOkStoresTheDocumentsChoicesOnly)
{
    S values = Schedule();
    values.ChooseSorting(cScheduleExport::kByOfficial);
    values.official = 3;
    values.numberAfter = true;
    values.language = 0;
    values.heading = "Fixtures of #";
    values.ApplyTo(db);
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ(db.m_nScheduleSorting, cScheduleExport::kByOfficial);
    EXPECT_EQ(db.m_nScheduleLayout, cScheduleExport::kUngrouped);
    EXPECT_EQ(db.m_bNumberBeforeTime, 0);
    EXPECT_EQ(db.m_bNumberAfterTime, 1);
    EXPECT_EQ(db.m_strScheduleHeading, "Fixtures of #");
    // The language is this print's only.
    EXPECT_EQ(db.m_nLanguage, kDefaultLanguage);
    const S reopened = S::FromDatabase(db);
    EXPECT_EQ(reopened.sorting, cScheduleExport::kByOfficial);
    EXPECT_EQ(reopened.official, -1);
    EXPECT_TRUE(reopened.numberAfter);
}

TEST_F(PrintValuesTest, ResultsDateStartsAWeekAgoAcrossMonthAndYear)
{
    struct cCase
    {
        const char* name;
        TimePoint now;
        int day, month, year;
    };
    const std::vector<cCase> cases = {
        {"leap February", MakeTimePoint(2024, 3, 3, 0, 30), 25, 2, 2024},
        {"new year", MakeTimePoint(2027, 1, 2, 23, 50), 26, 12, 2026},
        {"over the spring change", MakeTimePoint(2027, 4, 2, 0, 10), 26, 3, 2027},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        now = c.now;
        const T values = T::FromDatabase(db);
        EXPECT_EQ(values.resultsFrom.day, c.day);
        EXPECT_EQ(values.resultsFrom.month, c.month);
        EXPECT_EQ(values.resultsFrom.year, c.year);
    }
}

TEST_F(PrintValuesTest, ResultsDateIsCheckedOnlyWithResults)
{
    T values = T::FromDatabase(db);
    values.resultsFrom = {31, 4, 2027};
    EXPECT_FALSE(Validate(values));
    values.results = true;
    const cValidation error = Validate(values);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->messageId, IDS_ILLEGAL_DATE);
    EXPECT_EQ(error->field, T::kFieldDay);
    values.resultsFrom = {30, 4, 2027};
    values.heading = std::string(161, 'x');
    EXPECT_EQ(Validate(values)->field, T::kFieldHeading);
}

TEST_F(PrintValuesTest, TableOkStoresTheColumnsAndBringsTablesUpToDate)
{
    auto match = std::make_unique<cMatch>();
    match->m_nLeague = league->m_nIndex;
    match->m_nHomeTeam = home->m_nIndex;
    match->m_nGuestTeam = guest->m_nIndex;
    match->m_tStart = MakeTimePoint(2027, 3, 1, 19);
    auto& scheduled = static_cast<cMatch&>(db.Scheduled().AddItem(std::move(match), true));
    auto result = std::make_unique<cResult>();
    result->CopyPairing(scheduled);
    result->m_bPlayed = 1;
    result->m_nHomeScore[0] = 1;
    result->m_nGuestScore[0] = 3;
    cResult::Link(*result, scheduled);
    db.Results().AddItem(std::move(result), true);
    league->Table().m_bUpToDate = 0;

    T values = T::FromDatabase(db);
    values.Column(T::kFieldRank) = false;
    values.Column(T::kFieldRatio) = true;
    values.results = true;
    values.heading = "Standings #";
    values.ApplyTo(db);
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ(db.m_bTableRank, 0);
    EXPECT_EQ(db.m_bTableRatio, 1);
    EXPECT_EQ(db.m_bTableResults, 1);
    EXPECT_EQ(db.m_strTableHeading, "Standings #");
    EXPECT_EQ(league->Table().m_bUpToDate, 1);
    const auto& first = static_cast<const cTableItem&>(*league->Table().GetFirst());
    EXPECT_EQ(first.m_nTeam, guest->m_nIndex);

    const cTablesExport job = values.Export();
    EXPECT_FALSE(job.rank);
    EXPECT_TRUE(job.ratio);
    EXPECT_EQ(job.resultsFrom, values.resultsFrom.At());
}

TEST_F(PrintValuesTest, TemplatesAreStoredWithoutLookingForTheFiles)
{
    cWebTemplateValues values{"/nowhere/schedule.htm", std::string(240, 't')};
    EXPECT_FALSE(Validate(values));
    values.ApplyTo(db);
    EXPECT_EQ(db.m_strScheduleTemplate, "/nowhere/schedule.htm");
    EXPECT_TRUE(db.IsModified());
    values.scheduleTemplate = std::string(241, 't');
    EXPECT_EQ(Validate(values)->field, cWebTemplateValues::kFieldSchedule);
}

} // namespace
