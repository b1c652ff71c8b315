#include "DialogCase.h"
#include "ModelFixture.h"
#include "model/cCourtTimeValues.h"

#include <gtest/gtest.h>

namespace {

using V = cCourtTimeValues;

class CourtTimeValues : public ::testing::Test, public cModelFixture
{
protected:
    void SetUp() override
    {
        Court("Hall", "B");
        Court("Arena", "A");
        cLeague& league = League("Under 12", "U12");
        Team(league, "Lions");
        Team(league, "Tigers");
        Match(league, 0, 1, 1, 1, 0, At(2024, 3, 20, 19), At(2024, 3, 20, 20, 30));
    }
};

TEST_F(CourtTimeValues, NoCourtsNoCourtTime)
{
    cModelFixture empty;
    const auto error = CanInsertCourtTime(empty.m_db);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->text, "You cannot add time in the database without any courts available!");
    EXPECT_FALSE(CanInsertCourtTime(m_db));
}

TEST_F(CourtTimeValues, DefaultsAreCourtZeroTodayAndTheWholeDay)
{
    const V values = V::Defaults(m_db);
    EXPECT_EQ(values.court, 0);
    EXPECT_EQ(values.day, 15);
    EXPECT_EQ(values.month, 3);
    EXPECT_EQ(values.year, 2024);
    EXPECT_EQ(values.start, 0);
    EXPECT_EQ(values.end, 2400);
}

TEST_F(CourtTimeValues, ChecksInOrder)
{
    const V valid{1, 20, 3, 2024, 1800, 1900};
    const std::vector<cDialogCase<V>> cases = {
        {"valid", [](V&) {}, 0},
        {"touches the match", [](V& v) { v.start = 2030, v.end = 2200, v.court = 0; }, 0},
        {"whole day on another court", [](V& v) { v.start = 0, v.end = 2400; }, 0},
        {"day 32", [](V& v) { v.day = 32; }, IDS_ENTER_INTEGER_BETWEEN, V::kDay,
         "Please enter an integer between 1 and 31."},
        {"month 13", [](V& v) { v.month = 13; }, IDS_ENTER_INTEGER_BETWEEN, V::kMonth},
        {"year 1996", [](V& v) { v.year = 1996; }, IDS_ENTER_INTEGER_BETWEEN, V::kYear,
         "Please enter an integer between 1997 and 2038."},
        {"year 2039", [](V& v) { v.year = 2039; }, IDS_ENTER_INTEGER_BETWEEN, V::kYear},
        {"start 2401", [](V& v) { v.start = 2401; }, IDS_ENTER_INTEGER_BETWEEN, V::kStart,
         "Please enter an integer between 0 and 2400."},
        {"end -1", [](V& v) { v.end = -1; }, IDS_ENTER_INTEGER_BETWEEN, V::kEnd},
        {"ranges before the court", [](V& v) { v.court = -1, v.end = -1; }, IDS_ENTER_INTEGER_BETWEEN,
         V::kEnd},
        {"no court", [](V& v) { v.court = -1; }, IDS_SPECIFY_COURT, V::kCourt, "You must specify a court!"},
        {"court before date", [](V& v) { v.court = -1, v.day = 31, v.month = 4; }, IDS_SPECIFY_COURT,
         V::kCourt},
        {"31 April", [](V& v) { v.day = 31, v.month = 4; }, IDS_ILLEGAL_DATE, V::kDay,
         "This date is not a legal date!\n(Examples of illegal dates are 30. February and 31. April)."},
        {"date before times", [](V& v) { v.day = 30, v.month = 2, v.start = 1860; }, IDS_ILLEGAL_DATE,
         V::kDay},
        {"start 1860", [](V& v) { v.start = 1860; }, IDS_FIRST_TIME_INVALID, V::kStart},
        {"end 1975", [](V& v) { v.end = 1975; }, IDS_FINAL_TIME_INVALID, V::kEnd},
        {"start equals end", [](V& v) { v.end = 1800; }, IDS_FINAL_NOT_AFTER_FIRST, V::kEnd,
         "The final time must be greater than the first time!"},
        {"overlaps the match", [](V& v) { v.court = 0, v.start = 2000, v.end = 2100; },
         IDS_COURT_TIME_CONFLICT, V::kStart},
        {"18 January 2038", [](V& v) { v.day = 18, v.month = 1, v.year = 2038, v.end = 2400; }, 0},
        {"19 January 2038 does not fit the file", [](V& v) { v.day = 19, v.month = 1, v.year = 2038; },
         IDS_ILLEGAL_DATE, V::kDay},
    };
    RunDialogCases(valid, cases, [&](const V& v) { return Validate(v, m_db); });
}

TEST_F(CourtTimeValues, InsertMergesAndEditReinserts)
{
    EXPECT_EQ(InsertCourtTime(m_db, V{0, 20, 3, 2024, 1800, 1900}), eAddCourtTime::Inserted);
    EXPECT_EQ(InsertCourtTime(m_db, V{0, 20, 3, 2024, 2030, 2400}), eAddCourtTime::Inserted);
    EXPECT_EQ(FreeTime(), (std::vector<std::string>{"20/03-2024 0 1800-1900", "20/03-2024 0 2030-2400"}));

    auto& late = static_cast<cUnusedTime&>(*m_db.CourtTime().GetLast());
    const V shown = V::FromItem(late);
    EXPECT_EQ(shown.start, 2030);
    EXPECT_EQ(shown.end, 2400); // not 0000, which the checks would refuse
    EXPECT_FALSE(Validate(shown, m_db));

    V moved = shown;
    moved.court = 1;
    moved.start = 1700;
    EXPECT_EQ(ApplyCourtTime(m_db, late, moved), eAddCourtTime::Inserted);
    EXPECT_EQ(FreeTime(), (std::vector<std::string>{"20/03-2024 1 1700-2400", "20/03-2024 0 1800-1900"}));

    // Refused edits leave the period as it was and tell the user.
    auto& first = static_cast<cUnusedTime&>(*m_db.CourtTime().GetLast());
    V over = V::FromItem(first);
    over.end = 2000;
    EXPECT_EQ(ApplyCourtTime(m_db, first, over), eAddCourtTime::Conflict);
    EXPECT_EQ(m_prompt.Ids(), std::vector<int>{IDS_COURT_TIME_CONFLICT});
    EXPECT_EQ(FreeTime().back(), "20/03-2024 0 1800-1900");
}

TEST_F(CourtTimeValues, APeriodEndingAt2400OnNewYearsEveEndsOnTheFirstOfJanuary)
{
    InsertCourtTime(m_db, V{0, 31, 12, 2024, 2200, 2400});
    const auto& period = static_cast<const cUnusedTime&>(*m_db.CourtTime().GetFirst());
    const cLocalTime end = LocalTime(period.m_tEnd);
    EXPECT_EQ(end.year, 2025);
    EXPECT_EQ(end.month, 1);
    EXPECT_EQ(end.day, 1);
    EXPECT_EQ(period.GetColumnText(4), "2400");
    EXPECT_EQ(period.GetColumnText(0), "Tuesday");
    EXPECT_EQ(CourtTimeMinutes(m_db, 0), 120);
}

} // namespace
