#include "SchedulingTestSupport.h"
#include "model/Strings.h"
#include "scheduling/Placement.h"
#include "scheduling/cScheduleSettings.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int kSaturday = 5; // day 5 of the test season is Saturday 11 September 2027

// A placement of A's team 0 (home) against team 1 on court C1, Saturday 1900.
struct cPlacement
{
    cTestSeason season;
    cCourt* c1 = nullptr;
    cCourt* c2 = nullptr;
    cLeague* a = nullptr;
    cLeague* b = nullptr;
    cUnscheduledMatch match;
    TimePoint start = At(kSaturday, 1900);
    int court = 0;
    ePass pass = ePass::kWithPreferredTime;

    cPlacement()
    {
        c1 = &season.Court("C1");
        c2 = &season.Court("C2");
        a = &season.League("A", 4);
        b = &season.League("B", 2);
        match.SetStored(a->m_nIndex, 0, 1, 1, 0);
    }
    cTeam& Home() const { return *a->GetTeam(0); }
    cTeam& Guest() const { return *a->GetTeam(1); }

    int Check()
    {
        const cUnusedTime period(court, start - 3600, start + 4 * 3600);
        return CheckPlacement(season.db, match, period, start, start + 3600, pass);
    }
};

struct cCase
{
    const char* name;
    std::function<void(cPlacement&)> setup;
    int expected;
};

const std::vector<cCase>& Cases()
{
    static const std::vector<cCase> cases = {
        {"nothing breaks", [](cPlacement&) {}, 0},
        // 1. Preferred playing time.
        {"league's preferred time, both ends included",
         [](cPlacement& p) {
             AddPreferred(p.a->PreferredTimes(), 6, 1000, 1400);
             p.start = At(kSaturday, 1400);
         },
         0},
        {"outside the league's preferred time",
         [](cPlacement& p) {
             AddPreferred(p.a->PreferredTimes(), 6, 1000, 1400);
             p.start = At(kSaturday + 1, 1200);
         },
         IDS_NOT_PREFERRED_TIME},
        {"both teams have their own fitting entries",
         [](cPlacement& p) {
             AddPreferred(p.a->PreferredTimes(), 6, 1000, 1400);
             AddPreferred(p.Home().PreferredTimes(), 0, 1100, 1300);
             AddPreferred(p.Guest().PreferredTimes(), 0, 1200, 1200);
             p.start = At(kSaturday + 1, 1200);
         },
         0},
        {"only the home team has a fitting entry",
         [](cPlacement& p) {
             AddPreferred(p.a->PreferredTimes(), 6, 1000, 1400);
             AddPreferred(p.Home().PreferredTimes(), 0, 1100, 1300);
             p.start = At(kSaturday + 1, 1200);
         },
         IDS_NOT_PREFERRED_TIME},
        {"a team's own entries when the league has none",
         [](cPlacement& p) { AddPreferred(p.Guest().PreferredTimes(), 3, 1800, 2000); },
         IDS_NOT_PREFERRED_TIME},
        {"preferred times are not tested at any time",
         [](cPlacement& p) {
             AddPreferred(p.a->PreferredTimes(), 3, 1000, 1400);
             p.pass = ePass::kAnyTime;
         },
         0},
        {"preferred times switched off",
         [](cPlacement& p) {
             AddPreferred(p.a->PreferredTimes(), 3, 1000, 1400);
             p.season.db.m_bSchedIgnorePreferredTime = 1;
         },
         0},
        // 2. Court rating.
        {"court rating at the league's minimum",
         [](cPlacement& p) {
             p.a->m_nMinCourtRating = 5;
             p.a->m_nMaxCourtRating = 7;
         },
         0},
        {"court rating below the league's minimum",
         [](cPlacement& p) {
             p.a->m_nMinCourtRating = 5;
             p.c1->m_nRating = 4;
         },
         IDS_ILLEGAL_COURT_RATING},
        {"court rating above the league's maximum", [](cPlacement& p) { p.a->m_nMaxCourtRating = 4; },
         IDS_ILLEGAL_COURT_RATING},
        {"court ratings switched off",
         [](cPlacement& p) {
             p.a->m_nMaxCourtRating = 4;
             p.season.db.m_bSchedIgnoreCourtRatings = 1;
         },
         0},
        // 3. Home ground.
        {"reserved court, home team without grounds; the guest's grounds do not count",
         [](cPlacement& p) {
             p.c1->m_bReservedHomeGround = 1;
             AddHomeGround(p.Guest().HomeGrounds(), p.c1->m_nIndex, -1, 0, 2400);
         },
         IDS_RESERVED_HOME_GROUND},
        {"reserved court that is the home team's ground",
         [](cPlacement& p) {
             p.c1->m_bReservedHomeGround = 1;
             AddHomeGround(p.Home().HomeGrounds(), p.c1->m_nIndex, -1, 1900, 1900);
         },
         0},
        {"home ground on another court",
         [](cPlacement& p) { AddHomeGround(p.Home().HomeGrounds(), p.c2->m_nIndex, -1, 0, 2400); },
         IDS_NOT_LEGAL_HOME_GROUND},
        {"home ground on another weekday",
         [](cPlacement& p) { AddHomeGround(p.Home().HomeGrounds(), p.c1->m_nIndex, 5, 0, 2400); },
         IDS_NOT_LEGAL_HOME_GROUND},
        {"home ground on this weekday",
         [](cPlacement& p) { AddHomeGround(p.Home().HomeGrounds(), p.c1->m_nIndex, 6, 0, 2400); }, 0},
        {"home ground at other hours",
         [](cPlacement& p) { AddHomeGround(p.Home().HomeGrounds(), p.c1->m_nIndex, -1, 900, 1859); },
         IDS_NOT_LEGAL_HOME_GROUND},
        {"home grounds switched off",
         [](cPlacement& p) {
             p.c1->m_bReservedHomeGround = 1;
             p.season.db.m_bSchedIgnoreHomeGrounds = 1;
         },
         0},
        // 4. Holidays: the final date counts to 23:59.
        {"league holiday", [](cPlacement& p) { AddHoliday(p.a->Holidays(), At(3, 0), At(kSaturday, 2359)); },
         IDS_LEAGUE_HOLIDAY},
        {"home team's holiday on its final date",
         [](cPlacement& p) {
             AddHoliday(p.Home().Holidays(), At(3, 0), At(kSaturday, 2359));
             p.start = At(kSaturday, 2000);
         },
         IDS_HOME_HOLIDAY},
        {"guest team's holiday",
         [](cPlacement& p) { AddHoliday(p.Guest().Holidays(), At(kSaturday, 0), At(kSaturday, 2359)); },
         IDS_GUEST_HOLIDAY},
        {"the day after a holiday",
         [](cPlacement& p) { AddHoliday(p.Home().Holidays(), At(2, 0), At(kSaturday - 1, 2359)); }, 0},
        {"holidays switched off",
         [](cPlacement& p) {
             AddHoliday(p.a->Holidays(), At(3, 0), At(kSaturday, 2359));
             p.season.db.m_bSchedIgnoreHolidays = 1;
         },
         0},
        // 5. Day off.
        {"home team's day off", [](cPlacement& p) { p.Home().m_nDayOff = 6; }, IDS_HOME_DAY_OFF},
        {"guest team's day off", [](cPlacement& p) { p.Guest().m_nDayOff = 6; }, IDS_GUEST_DAY_OFF},
        {"another day off", [](cPlacement& p) { p.Guest().m_nDayOff = 5; }, 0},
        {"days off switched off",
         [](cPlacement& p) {
             p.Home().m_nDayOff = 6;
             p.season.db.m_bSchedIgnoreWeekdays = 1;
         },
         0},
        // 6. Latest start.
        {"start exactly at the latest start", [](cPlacement& p) { p.start = At(kSaturday, 2200); }, 0},
        {"a minute after the latest start", [](cPlacement& p) { p.start = At(kSaturday, 2201); },
         IDS_TOO_LATE_START},
        {"latest start switched off",
         [](cPlacement& p) {
             p.start = At(kSaturday, 2201);
             p.season.db.m_bSchedIgnoreLatestStart = 1;
         },
         0},
        // 7. Rest in days.
        {"rest of one day: home team plays earlier that day",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 86400;
             p.season.Scheduled(*p.a, 2, 0, 1, *p.c2, At(kSaturday, 1000));
         },
         IDS_HOME_REST},
        {"rest of one day: guest team plays that day",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 86400;
             p.season.Scheduled(*p.a, 1, 3, 1, *p.c2, At(kSaturday, 1000));
         },
         IDS_GUEST_REST},
        {"rest of one day: home team played the day before",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 86400;
             p.season.Scheduled(*p.a, 0, 2, 1, *p.c2, At(kSaturday - 1, 2100));
         },
         0},
        {"rest of seven days: six days earlier",
         [](cPlacement& p) { p.season.Scheduled(*p.a, 0, 2, 1, *p.c2, At(kSaturday - 6, 1000)); },
         IDS_HOME_REST},
        {"rest is kept even with the rules switched off",
         [](cPlacement& p) {
             p.season.db.m_bSchedIgnoreMinDays = 1;
             p.season.Scheduled(*p.a, 0, 2, 1, *p.c2, At(kSaturday - 6, 1000));
         },
         IDS_HOME_REST},
        // 8. Rest between meetings.
        {"the same two teams twenty days earlier",
         [](cPlacement& p) { p.season.Scheduled(*p.a, 1, 0, 1, *p.c2, At(kSaturday - 20, 1000)); },
         IDS_PAIR_REST},
        {"the same two teams thirty days earlier",
         [](cPlacement& p) { p.season.Scheduled(*p.a, 1, 0, 1, *p.c2, At(kSaturday - 30, 1000)); }, 0},
        {"meetings switched off",
         [](cPlacement& p) {
             p.season.db.m_bSchedIgnoreMinDays = 1;
             p.season.Scheduled(*p.a, 1, 0, 1, *p.c2, At(kSaturday - 20, 1000));
         },
         0},
        {"meeting rest in minutes: inside the window",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 0;
             p.a->m_tsRestSamePair = 3600;
             p.season.Scheduled(*p.a, 1, 0, 1, *p.c2, At(kSaturday, 1900) - 119 * 60);
         },
         IDS_PAIR_REST},
        // 9. Matches per day.
        {"one match a day: the home team plays that day",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 0;
             p.season.Scheduled(*p.a, 3, 0, 1, *p.c2, At(kSaturday, 1000));
         },
         IDS_HOME_MATCHES_PER_DAY},
        {"one match a day: the guest team plays that day",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 0;
             p.season.Scheduled(*p.a, 3, 1, 1, *p.c2, At(kSaturday, 1000));
         },
         IDS_GUEST_MATCHES_PER_DAY},
        {"two matches a day: one is allowed",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 0;
             p.a->m_nMatchesPerDay = 2;
             p.season.Scheduled(*p.a, 3, 0, 1, *p.c2, At(kSaturday, 1000));
         },
         0},
        {"a playoff match that day does not count",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 0;
             p.season.Playoff(*p.c2, At(kSaturday, 1000));
         },
         0},
        // 10. Rest in minutes.
        {"rest of two hours: home team 179 minutes earlier",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 7200;
             p.a->m_nMatchesPerDay = 2;
             p.season.Scheduled(*p.a, 0, 2, 1, *p.c2, At(kSaturday, 1900) - 179 * 60);
         },
         IDS_HOME_SIMULTANEOUS},
        {"rest of two hours: guest team 179 minutes later",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 7200;
             p.a->m_nMatchesPerDay = 2;
             p.season.Scheduled(*p.a, 3, 1, 1, *p.c2, At(kSaturday, 1900) + 179 * 60);
         },
         IDS_GUEST_SIMULTANEOUS},
        {"rest of two hours: 180 minutes away",
         [](cPlacement& p) {
             p.a->m_tsRestSameTeam = 7200;
             p.a->m_nMatchesPerDay = 2;
             p.season.Scheduled(*p.a, 0, 2, 1, *p.c2, At(kSaturday, 1900) - 180 * 60);
         },
         0},
        {"another league's match with the same team numbers never counts",
         [](cPlacement& p) {
             p.season.Scheduled(*p.b, 0, 1, 1, *p.c2, At(kSaturday, 1900));
             p.season.Scheduled(*p.b, 1, 0, 2, *p.c2, At(kSaturday - 3, 1900));
         },
         0},
        {"a hidden match is out of the way",
         [](cPlacement& p) { p.season.Scheduled(*p.a, 0, 2, 1, *p.c2, At(kSaturday, 1000)).m_bHidden = 1; },
         0},
        // 11. Team conflicts (margin 90, duration 60).
        {"conflict: 149 minutes earlier on another court",
         [](cPlacement& p) {
             AddConflict(p.Home().TeamConflicts(), p.b->m_nIndex, 1, false);
             p.season.Scheduled(*p.b, 0, 1, 1, *p.c2, At(kSaturday, 1900) - 149 * 60);
         },
         IDS_TEAM_CONFLICT},
        {"conflict: 150 minutes earlier on another court",
         [](cPlacement& p) {
             AddConflict(p.Home().TeamConflicts(), p.b->m_nIndex, 1, false);
             p.season.Scheduled(*p.b, 0, 1, 1, *p.c2, At(kSaturday, 1900) - 150 * 60);
         },
         0},
        {"conflict with a twin: any time that day",
         [](cPlacement& p) {
             AddConflict(p.Guest().TeamConflicts(), p.b->m_nIndex, 0, true);
             p.season.Scheduled(*p.b, 0, 1, 1, *p.c2, At(kSaturday, 900));
         },
         IDS_TEAM_CONFLICT},
        {"conflict listed by the other match's team",
         [](cPlacement& p) {
             AddConflict(p.b->GetTeam(1)->TeamConflicts(), p.a->m_nIndex, 1, false);
             p.season.Scheduled(*p.b, 0, 1, 1, *p.c2, At(kSaturday, 1900) + 60 * 60);
         },
         IDS_TEAM_CONFLICT},
        {"conflict on the same court is not tested",
         [](cPlacement& p) {
             AddConflict(p.Home().TeamConflicts(), p.b->m_nIndex, 1, true);
             p.season.Scheduled(*p.b, 0, 1, 1, *p.c1, At(kSaturday, 1700));
         },
         0},
        {"conflict on another day",
         [](cPlacement& p) {
             AddConflict(p.Home().TeamConflicts(), p.b->m_nIndex, 1, true);
             p.season.Scheduled(*p.b, 0, 1, 1, *p.c2, At(kSaturday + 1, 1900));
         },
         0},
        {"team conflicts switched off",
         [](cPlacement& p) {
             p.season.db.m_bSchedIgnoreTeamConflicts = 1;
             AddConflict(p.Home().TeamConflicts(), p.b->m_nIndex, 1, true);
             p.season.Scheduled(*p.b, 0, 1, 1, *p.c2, At(kSaturday, 1900));
         },
         0},
        // The first broken rule wins.
        {"court rating before holidays",
         [](cPlacement& p) {
             p.a->m_nMaxCourtRating = 4;
             AddHoliday(p.a->Holidays(), At(3, 0), At(kSaturday, 2359));
         },
         IDS_ILLEGAL_COURT_RATING},
        // Indexes that name nothing.
        {"a league that does not exist", [](cPlacement& p) { p.match.SetStored(17, 0, 1, 1, 0); },
         IDS_UNEXPECTED_ERROR},
        {"a court that does not exist", [](cPlacement& p) { p.court = 9; }, IDS_UNEXPECTED_ERROR},
        {"a home team that does not exist has no grounds",
         [](cPlacement& p) {
             p.match.SetStored(p.a->m_nIndex, 12, 1, 1, 0);
             p.c1->m_bReservedHomeGround = 1;
         },
         IDS_RESERVED_HOME_GROUND},
        {"a guest team that does not exist still plays by index",
         [](cPlacement& p) {
             p.match.SetStored(p.a->m_nIndex, 0, 12, 1, 0);
             p.season.Scheduled(*p.a, 12, 3, 1, *p.c2, At(kSaturday - 2, 1000));
         },
         IDS_GUEST_REST},
    };
    return cases;
}

TEST(CheckPlacement, Rules)
{
    for (const cCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        cPlacement placement;
        c.setup(placement);
        EXPECT_EQ(placement.Check(), c.expected);
    }
}

TEST(ScheduleSettings, FillValidateApply)
{
    cDatabase db;
    db.m_bSchedIgnoreHolidays = 1;
    db.m_nSchedConflictMargin = 30;
    cScheduleSettings values = cScheduleSettings::FromDatabase(db);
    EXPECT_TRUE(values.ignoreHolidays);
    EXPECT_FALSE(values.ignoreCourtRatings);
    EXPECT_EQ(values.conflictMargin, 30);

    struct cMargin
    {
        int margin;
        bool valid;
    };
    for (const cMargin& m : std::vector<cMargin>{{0, true}, {1440, true}, {-1, false}, {1441, false}}) {
        SCOPED_TRACE(m.margin);
        values.conflictMargin = m.margin;
        const auto error = Validate(values);
        EXPECT_EQ(!error.has_value(), m.valid);
        if (error) {
            EXPECT_EQ(error->field, cScheduleSettings::kFieldConflictMargin);
            EXPECT_EQ(error->messageId, IDS_ENTER_INTEGER_BETWEEN);
            EXPECT_EQ(error->text, "Please enter an integer between 0 and 1440.");
        }
    }

    values.conflictMargin = 120;
    values.ignorePreferredTime = true;
    values.ignoreHolidays = false;
    db.SetModifiedFlag(false);
    values.ApplyTo(db);
    EXPECT_TRUE(db.IsModified());
    EXPECT_EQ(db.m_nSchedConflictMargin, 120);
    EXPECT_EQ(db.m_bSchedIgnorePreferredTime, 1);
    EXPECT_EQ(db.m_bSchedIgnoreHolidays, 0);
}

} // namespace
