#pragma once

// Dates, clock times and weekday names shared by every part of the program.
// Nothing here holds state except the two constant tables.

#include <cstdint>
#include <string>
#include <string_view>

// A local date and time of day, held as seconds since 1970-01-01 00:00:00 UTC.
// The file keeps it in 4 bytes; in memory it is 64-bit so that differences and
// products of minute counts never overflow.
using TimePoint = std::int64_t;

// A time of day as hours * 100 + minutes ("hhmm"), 0 ... 2400.
using ClockTime = int;

// 0 Sunday ... 6 Saturday, -1 none.
using Weekday = int;

inline constexpr int kLanguageCount = 11;
inline constexpr int kDefaultLanguage = 2; // English
inline constexpr int kDateFormatCount = 7;

// A TimePoint broken down in local time.
struct cLocalTime
{
    int year = 1970;
    int month = 1; // 1-12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    Weekday weekday = 4;
};

// Builds a TimePoint from a local date and time; daylight saving is found by
// the C library. Hour 24 minute 0 gives 00:00 of the next day.
TimePoint MakeTimePoint(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
cLocalTime LocalTime(TimePoint t);

// True when the file's signed 32-bit seconds can hold t (up to 2038-01-19 03:14:07 UTC).
bool FitsInFile(TimePoint t);

// strftime of the local time of t.
std::string FormatTime(TimePoint t, const char* pattern);

// The weekday name of `weekday` (0 Sunday) in `language` (0-10); a weekday of
// 7 or more gives the language's own name, a negative one "<None>". A language
// outside 0-10 is taken as English.
std::string WeekdayName(int weekday, int language);

// The strftime pattern of date format `index` (0-6); out of range gives format 0.
const char* DateFormat(int index);

bool IsValidDate(int day, int month, int year);
bool IsValidClockTime(int hhmm);
ClockTime TimeOfDay(TimePoint t);

// Absolute number of calendar days between the local dates of two TimePoints.
int DayDistance(TimePoint a, TimePoint b);

// Days since 1970-01-01 of the local date of t.
std::int64_t LocalDayNumber(TimePoint t);

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t DayNumber(int year, int month, int day);
