#include "DialogCase.h"
#include "SeasonFixture.h"
#include "model/cHolidayValues.h"
#include "model/cIllDate.h"

#include <gtest/gtest.h>

namespace {

using Constraints = cSeasonFixture;

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

} // namespace
