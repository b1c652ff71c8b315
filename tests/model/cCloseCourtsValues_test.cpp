#include "DialogCase.h"
#include "ModelFixture.h"
#include "model/cCloseCourtsValues.h"

#include <gtest/gtest.h>

namespace {

using V = cCloseCourtsValues;

class CloseCourtsValues : public ::testing::Test, public cModelFixture
{
protected:
    void SetUp() override
    {
        Court("Hall", "B");
        Court("Arena", "A");
    }
};

const std::string kFromDateText = "The first date is not a legal date between 1997 and 2038!\n(Examples of "
                                  "illegal dates are 30. February and 31. April, and the file holds no time "
                                  "after 19 January 2038.)";

const std::string kToDateText = "The final date is not a legal date between 1997 and 2038!\n(Examples of "
                                "illegal dates are 30. February and 31. April, and the file holds no time "
                                "after 19 January 2038.)";

TEST_F(CloseCourtsValues, NoCourtsNothingToClose)
{
    cModelFixture empty;
    ASSERT_TRUE(CanCloseCourts(empty.m_db));
    EXPECT_FALSE(CanCloseCourts(m_db));
}

TEST_F(CloseCourtsValues, DefaultsCloseEveryCourtForTheWholeOfToday)
{
    const V values = V::Defaults(m_db);
    EXPECT_EQ(values.court, V::kAllCourts);
    EXPECT_EQ(values.From(), At(2024, 3, 15, 0));
    EXPECT_EQ(values.To(), At(2024, 3, 16, 0));
    EXPECT_TRUE(values.replan);
    EXPECT_FALSE(Validate(values, m_db));
}

TEST_F(CloseCourtsValues, ChecksInOrder)
{
    V valid;
    valid.court = 1;
    valid.fromDay = 20, valid.fromMonth = 3, valid.fromYear = 2024, valid.fromTime = 1800;
    valid.toDay = 27, valid.toMonth = 3, valid.toYear = 2024, valid.toTime = 1800;
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"every court", [](V& v) { v.court = V::kAllCourts; }, 0},
        {"one minute", [](V& v) { v.toDay = 20, v.toTime = 1801; }, 0},
        {"to 2400 of the same day", [](V& v) { v.toDay = 20, v.toTime = 2400; }, 0},
        {"over the spring clock change", [](V& v) { v.toDay = 31, v.toTime = 230; }, 0},
        {"unknown court", [](V& v) { v.court = 7; }, IDS_CLOSE_UNKNOWN_COURT, V::kCourt,
         "There is no such court!"},
        {"court before times", [](V& v) { v.court = 7, v.fromTime = 1860; }, IDS_CLOSE_UNKNOWN_COURT,
         V::kCourt},
        {"first time 1860", [](V& v) { v.fromTime = 1860; }, IDS_FIRST_TIME_INVALID, V::kFromTime},
        {"first time 2401", [](V& v) { v.fromTime = 2401; }, IDS_FIRST_TIME_INVALID, V::kFromTime},
        {"final time -1", [](V& v) { v.toTime = -1; }, IDS_FINAL_TIME_INVALID, V::kToTime},
        {"times before dates", [](V& v) { v.toTime = 975, v.fromDay = 31, v.fromMonth = 4; },
         IDS_FINAL_TIME_INVALID, V::kToTime},
        {"31 April", [](V& v) { v.fromDay = 31, v.fromMonth = 4; }, IDS_CLOSE_FROM_DATE, V::kFromDay,
         kFromDateText},
        {"first year 1996", [](V& v) { v.fromYear = 1996; }, IDS_CLOSE_FROM_DATE, V::kFromDay, kFromDateText},
        {"month 13", [](V& v) { v.fromMonth = 13; }, IDS_CLOSE_FROM_DATE, V::kFromDay, kFromDateText},
        {"final year 2039", [](V& v) { v.toYear = 2039; }, IDS_CLOSE_TO_DATE, V::kToDay, kToDateText},
        {"19 January 2038 does not fit the file", [](V& v) { v.toDay = 19, v.toMonth = 1, v.toYear = 2038; },
         IDS_CLOSE_TO_DATE, V::kToDay, kToDateText},
        {"ends where it starts", [](V& v) { v.toDay = 20; }, IDS_CLOSE_ENDS_BEFORE_START, V::kToDay,
         "The closed time must end after it starts!"},
        {"ends before it starts", [](V& v) { v.toDay = 19, v.toTime = 2400; }, IDS_CLOSE_ENDS_BEFORE_START,
         V::kToDay},
        {"ends a year before", [](V& v) { v.toYear = 2023; }, IDS_CLOSE_ENDS_BEFORE_START, V::kToDay},
    };
    RunDialogCases(valid, cases, [&](const V& v) { return Validate(v, m_db); });
}

} // namespace
