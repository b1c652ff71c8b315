#include "DialogCase.h"
#include "SeasonFixture.h"
#include "model/cPreferredTime.h"
#include "model/cPreferredTimeValues.h"

#include <gtest/gtest.h>

namespace {

using Constraints = cSeasonFixture;

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

} // namespace
