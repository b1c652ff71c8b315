#pragma once

// Dates, clock times and weekday names shared by every part of the program.
// Nothing here holds state except the two constant tables.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// The years a date may be typed in, in every dialog, on the command line and
// in an imported file. The file holds seconds in signed 32 bits, so in the
// last year only dates up to 19 January fit (FitsInFile tells the rest).
inline constexpr int kFirstYear = 1997;
inline constexpr int kLastYear = 2038;

// True when the date exists and its year lies within kFirstYear ... kLastYear.
bool IsValidDate(int day, int month, int year);

// A date written YYYY-MM-DD (four, two and two digits), as files and the
// command line give it; none when the text is not of that form. Whether the
// date exists is IsValidDate's business.
struct cIsoDate
{
    int year = 0;
    int month = 0;
    int day = 0;
};
std::optional<cIsoDate> ParseIsoDate(std::string_view text);
bool IsValidClockTime(int hhmm);
ClockTime TimeOfDay(TimePoint t);

// Absolute number of calendar days between the local dates of two TimePoints.
int DayDistance(TimePoint a, TimePoint b);

// Days since 1970-01-01 of the local date of t.
std::int64_t LocalDayNumber(TimePoint t);

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t DayNumber(int year, int month, int day);
// The date, clock time and weekday of a count of local seconds since
// 1970-01-01 00:00 (a time point plus its offset from UTC).
cLocalTime CivilTime(std::int64_t localSeconds);

// The local time zone over a span of time as a table of its offset changes,
// so that local times inside the span come from arithmetic instead of a call
// into the C library for every point. At(t) equals LocalTime(t) for every t;
// outside the span it asks the C library. The table assumes at most one
// offset change within any day, as every time zone in use has.
class cLocalZone
{
public:
    cLocalZone(TimePoint from, TimePoint to);

    cLocalTime At(TimePoint t) const;
    // Days since 1970-01-01 of the local date of t, as LocalDayNumber(t).
    std::int64_t DayOf(TimePoint t) const;
    // The local date of t and a stretch of time around it on that date with
    // one offset: DayOf(u) == day and At(u) == span.At(u) for every u in
    // [from, to).
    struct cDaySpan
    {
        std::int64_t day = 0;
        TimePoint from = 0;
        TimePoint to = 0;
        std::int64_t offset = 0; // local minus UTC, in seconds
        cLocalTime date;         // the date and weekday of the day (00:00)

        cLocalTime At(TimePoint u) const
        {
            cLocalTime local = date;
            const std::int64_t seconds = u + offset - day * 86400;
            local.hour = static_cast<int>(seconds / 3600);
            local.minute = static_cast<int>(seconds / 60 % 60);
            local.second = static_cast<int>(seconds % 60);
            return local;
        }
    };
    cDaySpan SpanOf(TimePoint t) const;
    // Whether the table answers for t (else the C library does).
    bool Covers(TimePoint t) const { return !m_changes.empty() && t >= m_tFrom && t <= m_tTo; }
    // A point such that every point the table covers before it lies on a
    // local date before `day`.
    TimePoint EarliestOfDay(std::int64_t day) const;
    // Whether, within the table, the local date never goes back as time goes on
    // (it can where clocks are put back across midnight).
    bool DatesOnlyAdvance() const { return m_bDatesOnlyAdvance; }
    std::size_t MemoryBytes() const { return m_changes.capacity() * sizeof(cChange); }
    // The offsets of the table: from each point on (the first holds from the
    // table's start), local time minus UTC in seconds. Empty without a table.
    std::vector<std::pair<TimePoint, std::int64_t>> Offsets() const
    {
        std::vector<std::pair<TimePoint, std::int64_t>> offsets;
        for (const cChange& change : m_changes) {
            offsets.emplace_back(change.at, change.offset);
        }
        return offsets;
    }

private:
    struct cChange
    {
        TimePoint at = 0;        // first second with this offset
        std::int64_t offset = 0; // local minus UTC, in seconds
    };
    // The offset in force at t, false outside the span.
    bool Offset(TimePoint t, std::int64_t& offset) const;

    TimePoint m_tFrom = 0;
    TimePoint m_tTo = -1;
    std::vector<cChange> m_changes; // by time; the first holds from m_tFrom
    std::int64_t m_maxOffset = 0;
    bool m_bDatesOnlyAdvance = true;
};
