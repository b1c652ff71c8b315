// The dialogs of the small records below leagues, teams and officials: home
// grounds, holidays, team conflicts and preferred playing times.

#include "DialogCase.h"
#include "SeasonFixture.h"
#include "model/cHolidayValues.h"
#include "model/cHomeGroundValues.h"
#include "model/cIllDate.h"
#include "model/cPreferredTime.h"
#include "model/cPreferredTimeValues.h"
#include "model/cTeamConflictValues.h"

#include <gtest/gtest.h>

namespace {

using Constraints = cSeasonFixture;

TEST_F(Constraints, HomeGroundChecksInOrder)
{
    using V = cHomeGroundValues;
    const V defaults;
    EXPECT_EQ(defaults.court, -1);
    EXPECT_EQ(defaults.weekday, -1);
    EXPECT_EQ(defaults.start, 0);
    EXPECT_EQ(defaults.end, 2400);
    const V valid{hall->m_nIndex, 3, 1800, 2200};
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"every weekday, whole day", [](V& v) { v.weekday = -1, v.start = 0, v.end = 2400; }, 0},
        {"start 2500", [](V& v) { v.start = 2500; }, IDS_ENTER_INTEGER_BETWEEN, V::kStart},
        {"no court", [](V& v) { v.court = -1; }, IDS_SPECIFY_COURT, V::kCourt, "You must specify a court!"},
        {"court before times", [](V& v) { v.court = -1, v.start = 1890; }, IDS_SPECIFY_COURT, V::kCourt},
        {"start 1890", [](V& v) { v.start = 1890; }, IDS_FIRST_TIME_INVALID, V::kStart,
         "The first time is an invalid time!\nValid time format is hhmm, e.g. 2145."},
        {"first before final", [](V& v) { v.start = 1890, v.end = 2299; }, IDS_FIRST_TIME_INVALID, V::kStart},
        {"end 2299", [](V& v) { v.end = 2299; }, IDS_FINAL_TIME_INVALID, V::kEnd,
         "The final time is an invalid time!\nValid time format is hhmm, e.g. 2145."},
        {"end before start", [](V& v) { v.end = 1700; }, IDS_FINAL_NOT_AFTER_FIRST, V::kEnd},
    };
    RunDialogCases(valid, cases, [&](const V& v) { return Validate(v, m_db); });

    cHomeGround& ground = InsertHomeGround(m_db, bears->HomeGrounds(), valid);
    InsertHomeGround(m_db, bears->HomeGrounds(), V{arena->m_nIndex, 5, 900, 1200});
    EXPECT_EQ(bears->HomeGrounds().GetLast(), &ground); // "Arena" before "Hall"
    V changed = V::FromItem(ground);
    changed.court = arena->m_nIndex;
    changed.weekday = 1;
    ApplyHomeGround(m_db, ground, changed);
    EXPECT_EQ(bears->HomeGrounds().GetFirst(), &ground); // Monday before Friday
    EXPECT_EQ(ground.GetColumnText(1), "Monday");
}

TEST_F(Constraints, HolidayChecksInOrder)
{
    using V = cHolidayValues;
    const V today = V::Defaults(m_db);
    EXPECT_EQ(today.startDay, 15);
    EXPECT_EQ(today.finalMonth, 3);
    EXPECT_EQ(today.finalYear, 2024);
    const V valid{1, 3, 2024, 1, 3, 2024};
    const std::vector<cDialogCase<V>> cases = {
        {"one day", [](V&) {}, 0},
        {"29 February 2000", [](V& v) { v.startDay = 29, v.startMonth = 2, v.startYear = 2000; }, 0},
        {"start day 0", [](V& v) { v.startDay = 0; }, IDS_ENTER_INTEGER_BETWEEN, V::kStartDay},
        {"final year 2039", [](V& v) { v.finalYear = 2039; }, IDS_ENTER_INTEGER_BETWEEN, V::kFinalYear,
         "Please enter an integer between 1997 and 2038."},
        {"ranges before dates", [](V& v) { v.startDay = 31, v.startMonth = 4, v.finalMonth = 13; },
         IDS_ENTER_INTEGER_BETWEEN, V::kFinalMonth},
        {"30 February", [](V& v) { v.startDay = 30, v.startMonth = 2; }, IDS_START_DATE_ILLEGAL, V::kStartDay,
         "The start date is not a legal date!\nAn example of an illegal date is 30. of February."},
        {"start before final",
         [](V& v) { v.startDay = 31, v.startMonth = 4, v.finalDay = 31, v.finalMonth = 6; },
         IDS_START_DATE_ILLEGAL, V::kStartDay},
        {"final 31 June", [](V& v) { v.finalDay = 31, v.finalMonth = 6; }, IDS_FINAL_DATE_ILLEGAL,
         V::kFinalDay,
         "The final date is not a legal date!\nAn example of an illegal date is 30. of February."},
        {"start after final", [](V& v) { v.startDay = 2; }, IDS_START_AFTER_FINAL, V::kStartDay,
         "The start date cannot be later than the final date!"},
        {"start a year later", [](V& v) { v.startYear = 2025, v.startMonth = 1; }, IDS_START_AFTER_FINAL,
         V::kStartDay},
        {"final 18 January 2038", [](V& v) { v.finalDay = 18, v.finalMonth = 1, v.finalYear = 2038; }, 0},
        {"final 19 January 2038 does not fit the file",
         [](V& v) { v.finalDay = 19, v.finalMonth = 1, v.finalYear = 2038; }, IDS_FINAL_DATE_ILLEGAL,
         V::kFinalDay},
        {"start 20 January 2038 does not fit the file",
         [](V& v) { v.startDay = 20, v.startMonth = 1, v.startYear = 2038; }, IDS_START_DATE_ILLEGAL,
         V::kStartDay},
    };
    RunDialogCases(valid, cases, [](const V& v) { return Validate(v); });

    cIllDate& holiday = InsertHoliday(m_db, u12->Holidays(), valid);
    EXPECT_EQ(holiday.m_tStart, At(2024, 3, 1, 0, 0));
    EXPECT_EQ(holiday.m_tEnd, At(2024, 3, 1, 23, 59));
    InsertHoliday(m_db, u12->Holidays(), V{20, 2, 2024, 25, 2, 2024});
    EXPECT_EQ(u12->Holidays().GetLast(), &holiday);
    V later = V::FromItem(holiday);
    EXPECT_EQ(later.finalDay, 1);
    later.finalDay = 10;
    ApplyHoliday(m_db, holiday, later);
    EXPECT_EQ(holiday.GetColumnText(1), "10/03-2024");
}

TEST_F(Constraints, TeamConflictChecksInOrder)
{
    using V = cTeamConflictValues;
    cTournelDb& conflicts = lions->TeamConflicts(); // already names U14 Wolves
    const V valid{u12->m_nIndex, tigers->m_nIndex, true};
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"same team name of another league",
         [&](V& v) { v.league = u14->m_nIndex, v.team = lions14->m_nIndex; }, 0},
        {"no league", [](V& v) { v.league = -1; }, IDS_SPECIFY_TEAM, V::kLeague, "You must specify a team!"},
        {"no team", [](V& v) { v.team = -1; }, IDS_SPECIFY_TEAM, V::kTeam},
        {"team of another league's numbering", [&](V& v) { v.league = u14->m_nIndex, v.team = 2; },
         IDS_SPECIFY_TEAM, V::kTeam},
        {"itself", [&](V& v) { v.team = lions->m_nIndex; }, IDS_TEAM_CONFLICT_SELF, V::kTeam,
         "A team cannot be in conflict with itself!"},
        {"twice", [&](V& v) { v.league = u14->m_nIndex, v.team = wolves->m_nIndex; }, IDS_TEAM_CONFLICT_TWICE,
         V::kTeam, "You cannot specify the same team conflict twice!"},
    };
    RunDialogCases(valid, cases, [&](const V& v) { return Validate(v, m_db, conflicts, nullptr); });

    // An official has no team of its own; editing an entry may keep its team.
    EXPECT_FALSE(Validate(V{u12->m_nIndex, lions->m_nIndex, false}, m_db, olsen->TeamConflicts(), nullptr));
    auto& existing = static_cast<cIllTeam&>(*conflicts.GetFirst());
    EXPECT_FALSE(Validate(V::FromItem(existing), m_db, conflicts, &existing));

    cIllTeam& added = InsertTeamConflict(m_db, conflicts, valid);
    EXPECT_EQ(Conflicts(conflicts), (Texts{"U12/Tigers", "U14/Wolves"}));
    EXPECT_EQ(added.GetColumnText(2), "Yes");
    V changed = V::FromItem(added);
    changed.league = u14->m_nIndex;
    changed.team = lions14->m_nIndex;
    changed.twinTeam = false;
    ApplyTeamConflict(m_db, added, changed);
    EXPECT_EQ(Conflicts(conflicts), (Texts{"U14/Lions U14", "U14/Wolves"}));
}

TEST_F(Constraints, PreferredTimeChecksInOrder)
{
    using V = cPreferredTimeValues;
    const V valid{6, 1000, 1400};
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"no weekday", [](V& v) { v.weekday = -1; }, IDS_SPECIFY_WEEKDAY, V::kWeekday,
         "You must specify a weekday!"},
        {"weekday before times", [](V& v) { v.weekday = -1, v.start = 1099; }, IDS_SPECIFY_WEEKDAY,
         V::kWeekday},
        {"start 1099", [](V& v) { v.start = 1099; }, IDS_FIRST_TIME_INVALID, V::kStart},
        {"end 1461", [](V& v) { v.end = 1461; }, IDS_FINAL_TIME_INVALID, V::kEnd},
        {"end equals start", [](V& v) { v.end = 1000; }, IDS_FINAL_NOT_AFTER_FIRST, V::kEnd},
        {"end 2401", [](V& v) { v.end = 2401; }, IDS_ENTER_INTEGER_BETWEEN, V::kEnd},
    };
    RunDialogCases(valid, cases, [](const V& v) { return Validate(v); });

    cPreferredTime& saturday = InsertPreferredTime(m_db, olsen->PreferredTimes(), valid);
    InsertPreferredTime(m_db, olsen->PreferredTimes(), V{2, 1800, 2000});
    EXPECT_EQ(olsen->PreferredTimes().GetLast(), &saturday);
    V changed = V::FromItem(saturday);
    changed.weekday = 0;
    ApplyPreferredTime(m_db, saturday, changed);
    EXPECT_EQ(olsen->PreferredTimes().GetFirst(), &saturday);
}

TEST(DialogFields, IntegersThatCannotBeRead)
{
    struct cCase
    {
        const char* text;
        bool ok;
        int value;
    };
    const cCase cases[] = {{"12", true, 12}, {" -7 ", true, -7}, {"+3", true, 3},          {"", false, 0},
                           {"1a", false, 0}, {"x", false, 0},    {"99999999999", false, 0}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.text);
        int value = 0;
        const cValidation error = ReadInteger(c.text, 4, value);
        EXPECT_EQ(!error, c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        } else {
            EXPECT_EQ(error->text, "Please enter an integer.");
            EXPECT_EQ(error->field, 4);
        }
    }
}

} // namespace
