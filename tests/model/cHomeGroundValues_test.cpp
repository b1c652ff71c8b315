#include "DialogCase.h"
#include "SeasonFixture.h"
#include "model/cHomeGroundValues.h"

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

} // namespace
