#include "model/Calendar.h"
#include "model/Text.h"
#include "model/cValidation.h"

#include <gtest/gtest.h>

namespace {

TEST(Calendar, WeekdayNames)
{
    struct Case
    {
        int weekday;
        int language;
        const char* expected;
    };
    const Case cases[] = {
        {3, 5, "Mitwoch"}, {9, 5, "German"},  {-1, 5, "<None>"}, {1, 11, "Monday"},    {1, -1, "Monday"},
        {0, 0, "Søndag"},  {2, 3, "Tiiszai"}, {6, 10, "Lördag"}, {7, 8, "Portuguese"}, {3, 9, "Miércoles"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.weekday << "/" << c.language);
        EXPECT_EQ(WeekdayName(c.weekday, c.language), c.expected);
    }
}

TEST(Calendar, ValidDates)
{
    struct Case
    {
        int day, month, year;
        bool valid;
    };
    const Case cases[] = {
        {29, 2, 2000, true},
        {29, 2, 2100, false},
        {31, 4, 1999, false},
        {1, 1, 1996, false},
        {29, 2, 2004, true},
        {29, 2, 2003, false},
        {1, 13, 2000, false},
        {0, 5, 2000, false},
        {1, 0, 2000, false},
        {1, 1, 1997, true},
        {30, 2, 2000, false},
        {29, 2, 2036, true},
        {31, 1, 2038, true},
        // The years the dialogs take, 1997 to 2038, and no later ones.
        {31, 12, 1996, false},
        {31, 12, 2038, true},
        {1, 1, 2039, false},
        {31, 12, 2099, false},
        {29, 2, 2096, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << "." << c.month << "." << c.year);
        EXPECT_EQ(IsValidDate(c.day, c.month, c.year), c.valid);
    }
}

TEST(Calendar, ValidClockTimes)
{
    for (const int valid : {0, 2400, 2145, 59, 1200, 2359}) {
        EXPECT_TRUE(IsValidClockTime(valid)) << valid;
    }
    for (const int invalid : {2360, 2401, -1, 60, 1299, 9999}) {
        EXPECT_FALSE(IsValidClockTime(invalid)) << invalid;
    }
}

TEST(Calendar, HourTwentyFourIsMidnightOfTheNextDay)
{
    const TimePoint end = MakeTimePoint(2021, 12, 31, 24, 0);
    const cLocalTime local = LocalTime(end);
    EXPECT_EQ(local.year, 2022);
    EXPECT_EQ(local.month, 1);
    EXPECT_EQ(local.day, 1);
    EXPECT_EQ(local.hour, 0);
    EXPECT_EQ(TimeOfDay(end), 0);
}

TEST(Calendar, DaylightSavingDays)
{
    // Sunday 28 March 2021 has 23 hours in central Europe, 31 October 2021 has 25.
    const TimePoint beforeSpring = MakeTimePoint(2021, 3, 27, 20, 0);
    const TimePoint afterSpring = MakeTimePoint(2021, 3, 28, 20, 0);
    EXPECT_EQ(afterSpring - beforeSpring, 23 * 3600);
    EXPECT_EQ(TimeOfDay(afterSpring), 2000);
    EXPECT_EQ(DayDistance(beforeSpring, afterSpring), 1);

    const TimePoint weekBefore = MakeTimePoint(2021, 10, 28, 0, 30);
    const TimePoint weekAfter = MakeTimePoint(2021, 11, 4, 0, 30);
    EXPECT_EQ(DayDistance(weekBefore, weekAfter), 7);
    EXPECT_EQ(DayDistance(weekAfter, weekBefore), 7);
    EXPECT_EQ(DayDistance(MakeTimePoint(2021, 5, 1, 0, 0), MakeTimePoint(2021, 5, 1, 23, 59)), 0);
    EXPECT_EQ(LocalTime(MakeTimePoint(2021, 10, 31, 12, 0)).weekday, 0);
}

TEST(Calendar, DateFormats)
{
    const TimePoint t = MakeTimePoint(2024, 3, 7, 18, 5);
    const char* expected[] = {"07/03-2024", "07.03.2024", "07-03-2024", "03.07.2024",
                              "03-07-2024", "2024.03.07", "2024-03-07"};
    for (int i = 0; i < kDateFormatCount; ++i) {
        EXPECT_EQ(FormatTime(t, DateFormat(i)), expected[i]);
    }
    EXPECT_STREQ(DateFormat(7), DateFormat(0));
    EXPECT_EQ(FormatTime(t, "%H%M"), "1805");
}

TEST(Calendar, CompareTextFoldsNordicLettersAfterZ)
{
    struct Case
    {
        const char* a;
        const char* b;
        bool exact;
        int expected;
    };
    const Case cases[] = {
        {"åbo", "zzz", true, 1},
        {"Æble", "Øl", true, -1},
        {"Øl", "Ål", true, -1},
        {"æble", "Æble", true, 0},
        {"Lions", "lions", true, 0},
        {"Li", "Lions", false, 0},
        {"Li", "Lions", true, -1},
        {"Lions", "Li", false, 1},
        {"", "", true, 0},
        {"", "a", false, -1},
        {"a", "", false, 1},
        {"école", "a", true, -1}, // other letters of 128 or more sort before ASCII
        {"Zebra", "zebra", true, 0},
        {"abc", "abd", false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b << (c.exact ? " exact" : ""));
        EXPECT_EQ(CompareText(c.a, c.b, c.exact), c.expected);
    }
}

TEST(Calendar, CompareTextKeepsCharactersOutsideTheCodePageApart)
{
    EXPECT_NE(CompareText("日本", "中国", true), 0);
    EXPECT_EQ(CompareText("日本", "日本", true), 0);
    EXPECT_EQ(CompareText("€uro", "€URO", true), 0);
}

TEST(Calendar, BlankAndTrim)
{
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_FALSE(IsBlank(" a "));
    EXPECT_EQ(Trim("  Lions B  "), "Lions B");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(RequireEven(4), 0);
    EXPECT_NE(RequireEven(3), 0);
}

} // namespace

TEST(LocalZone, AnswersWhatTheCLibraryAnswersAcrossDaylightSavingChanges)
{
    // A season with both changes of the year, walked in steps that fall on
    // every minute and second pattern, and the seconds around each change.
    const TimePoint from = MakeTimePoint(2026, 9, 1, 0, 0, 0);
    const TimePoint to = MakeTimePoint(2027, 8, 31, 23, 59, 0);
    const cLocalZone zone(from, to);
    std::vector<TimePoint> points;
    for (TimePoint t = from - 3600; t <= to + 3600; t += 7 * 60 + 13) {
        points.push_back(t);
    }
    for (const TimePoint change :
         {MakeTimePoint(2026, 10, 25, 2, 0, 0), MakeTimePoint(2027, 3, 28, 3, 0, 0)}) {
        for (TimePoint t = change - 3 * 3600; t <= change + 3 * 3600; t += 1) {
            points.push_back(t);
        }
    }
    const auto same = [](const cLocalTime& a, const cLocalTime& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
               a.minute == b.minute && a.second == b.second && a.weekday == b.weekday;
    };
    cLocalZone::cDaySpan span;
    for (const TimePoint t : points) {
        const cLocalTime expected = LocalTime(t);
        ASSERT_TRUE(same(expected, zone.At(t))) << "at " << t;
        ASSERT_EQ(zone.DayOf(t), LocalDayNumber(t)) << "at " << t;
        // A span answers for every point in it, as a walk reuses it.
        if (t < span.from || t >= span.to) {
            span = zone.SpanOf(t);
            ASSERT_TRUE(span.from <= t && t < span.to) << "at " << t;
        }
        ASSERT_EQ(span.day, LocalDayNumber(t)) << "at " << t << " in the span from " << span.from;
        ASSERT_TRUE(same(expected, span.At(t))) << "at " << t << " in the span from " << span.from;
    }
}
