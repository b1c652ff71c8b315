#include "DialogCase.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace {

TEST(DialogFields, IntegersThatCannotBeRead)
{
    struct cCase
    {
        const char* text;
        bool ok;
        int value;
    };
    const cCase cases[] = {{"12", true, 12}, {" -7 ", true, -7}, {"+3", true, 3},           {"", false, 0},
                           {"1a", false, 0}, {"x", false, 0},    {"99999999999", false, 0}, {"+-5", false, 0},
                           {"+", false, 0},  {"++5", false, 0},  {" + 5", false, 0}};
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

// The one reader of whole numbers at its edges: the command line takes its
// numbers as they are, the dialogs after trimming blanks.
TEST(DialogFields, IntegerBoundaries)
{
    struct cCase
    {
        const char* text;
        std::optional<int> value;
    };
    const cCase cases[] = {
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"+-5", std::nullopt},
        {"-+5", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"0x10", std::nullopt},
        {"1e3", std::nullopt},
        {"5.0", std::nullopt},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"2147483647", std::numeric_limits<int>::max()},
        {"+2147483647", std::numeric_limits<int>::max()},
        {"007", 7},
        {"-0", 0},
        {"+5", 5},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "'");
        EXPECT_EQ(ParseInteger(c.text), c.value);
    }
}

// Under the tests' fixed zone (CET with daylight saving) 31 March and 27
// October 2024 are the days the clocks change.
TEST(DialogFields, WeekdayOfATypedDate)
{
    struct cCase
    {
        const char* name;
        const char* day;
        const char* month;
        const char* year;
        int language;
        ClockTime hhmm;
        const char* expected;
    };
    const cCase cases[] = {
        {"plain Friday", "15", "3", "2024", kDefaultLanguage, 0, "Friday"},
        {"German", "15", "3", "2024", 5, 0, "Freitag"},
        {"Norwegian Saturday", "16", "3", "2024", 7, 0, "Lørdag"},
        {"Portuguese", "13", "3", "2024", 8, 0, "Quarta-feira"},
        {"language out of range is English", "15", "3", "2024", 11, 0, "Friday"},
        {"negative language is English", "15", "3", "2024", -1, 0, "Friday"},
        {"clocks go forward", "31", "3", "2024", kDefaultLanguage, 0, "Sunday"},
        {"clocks go forward, late", "31", "3", "2024", kDefaultLanguage, 2359, "Sunday"},
        {"day after clocks go forward", "1", "4", "2024", kDefaultLanguage, 0, "Monday"},
        {"clocks go back", "27", "10", "2024", kDefaultLanguage, 2359, "Sunday"},
        {"leap day", "29", "2", "2024", kDefaultLanguage, 0, "Thursday"},
        {"first year", "1", "1", "1997", kDefaultLanguage, 0, "Wednesday"},
        {"blanks and plus", " 1 ", "+1", "2000", kDefaultLanguage, 0, "Saturday"},
        {"last day the file holds", "19", "1", "2038", kDefaultLanguage, 0, "Tuesday"},
        {"past the file's seconds", "19", "1", "2038", kDefaultLanguage, 2359, ""},
        {"year half typed", "15", "3", "20", kDefaultLanguage, 0, ""},
        {"year cleared", "15", "3", "", kDefaultLanguage, 0, ""},
        {"day cleared", "", "3", "2024", kDefaultLanguage, 0, ""},
        {"not a number", "1a", "3", "2024", kDefaultLanguage, 0, ""},
        {"no leap day", "29", "2", "2023", kDefaultLanguage, 0, ""},
        {"31 April", "31", "4", "2024", kDefaultLanguage, 0, ""},
        {"month 13", "1", "13", "2024", kDefaultLanguage, 0, ""},
        {"day 0", "0", "3", "2024", kDefaultLanguage, 0, ""},
        {"before 1997", "31", "12", "1996", kDefaultLanguage, 0, ""},
        {"after the file's range", "1", "1", "2039", kDefaultLanguage, 0, ""},
        {"invalid clock time", "15", "3", "2024", kDefaultLanguage, 2460, ""},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TypedDateWeekday(c.day, c.month, c.year, c.language, c.hhmm), c.expected);
    }
}

} // namespace
