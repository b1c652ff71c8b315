#include "model/Calendar.h"

#include "model/Strings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <iterator>
#include <limits>

namespace {

// Rows are languages, columns Sunday..Saturday and then the language's name.
// The texts are kept as they have always been shown, spelling included.
const std::array<std::array<const char*, 8>, kLanguageCount> kWeekdayNames = {{
    {"Søndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "Lørdag", "Danish"},
    {"Zondag", "Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrijdag", "Zaterdag", "Dutch"},
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "English"},
    {"Sunnuntai", "Maanantai", "Tiiszai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai", "Finnish"},
    {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "French"},
    {"Sontag", "Montag", "Diensdag", "Mitwoch", "Donnerstag", "Freitag", "Samstag", "German"},
    {"Domenica", "Lunedi", "Martedi", "Mercoledi", "Giovedi", "Venerdi", "Sabato", "Italian"},
    {"Søndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "Lørdag", "Norwegian"},
    {"Domingo", "Segunda-feira", "Terça-feira", "Quarta-feira", "Quinta-feira", "Sexta-feira", "Sábado",
     "Portuguese"},
    {"Domingo", "Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado", "Spanish"},
    {"Söndag", "Måndag", "Tisdag", "Onsdag", "Torsdag", "Fredag", "Lördag", "Swedish"},
}};

const std::array<const char*, kDateFormatCount> kDateFormats = {
    "%d/%m-%Y", "%d.%m.%Y", "%d-%m-%Y", "%m.%d.%Y", "%m-%d-%Y", "%Y.%m.%d", "%Y-%m-%d",
};

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

struct tm ToTm(TimePoint t)
{
    struct tm local
    {
    };
    const time_t value = static_cast<time_t>(t);
    if (localtime_r(&value, &local) == nullptr) {
        std::memset(&local, 0, sizeof local);
        local.tm_year = 70;
        local.tm_mday = 1;
    }
    return local;
}

} // namespace

TimePoint MakeTimePoint(int year, int month, int day, int hour, int minute, int second)
{
    struct tm local
    {
    };
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return static_cast<TimePoint>(mktime(&local));
}

bool FitsInFile(TimePoint t)
{
    return t >= INT32_MIN && t <= INT32_MAX;
}

cLocalTime LocalTime(TimePoint t)
{
    const struct tm local = ToTm(t);
    cLocalTime result;
    result.year = local.tm_year + 1900;
    result.month = local.tm_mon + 1;
    result.day = local.tm_mday;
    result.hour = local.tm_hour;
    result.minute = local.tm_min;
    result.second = local.tm_sec;
    result.weekday = local.tm_wday;
    return result;
}

std::string FormatTime(TimePoint t, const char* pattern)
{
    const struct tm local = ToTm(t);
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, pattern, &local);
    return std::string(buffer, n);
}

std::string WeekdayName(int weekday, int language)
{
    if (weekday < 0) {
        return GetString(IDS_NONE);
    }
    if (static_cast<unsigned>(language) >= static_cast<unsigned>(kLanguageCount)) {
        language = kDefaultLanguage;
    }
    return kWeekdayNames[static_cast<std::size_t>(language)]
                        [static_cast<std::size_t>(weekday >= 7 ? 7 : weekday)];
}

const char* DateFormat(int index)
{
    if (index < 0 || index >= kDateFormatCount) {
        index = 0;
    }
    return kDateFormats[static_cast<std::size_t>(index)];
}

std::optional<cIsoDate> ParseIsoDate(std::string_view text)
{
    const auto digits = [text](std::size_t from, std::size_t length, int& value) {
        value = 0;
        for (const char c : text.substr(from, length)) {
            if (c < '0' || c > '9') {
                return false;
            }
            value = value * 10 + (c - '0');
        }
        return true;
    };
    cIsoDate date;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digits(0, 4, date.year) ||
        !digits(5, 2, date.month) || !digits(8, 2, date.day)) {
        return std::nullopt;
    }
    return date;
}

bool IsValidDate(int day, int month, int year)
{
    static constexpr std::array<int, 12> kMonthLength = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1) {
        return false;
    }
    if (day <= kMonthLength[static_cast<std::size_t>(month - 1)]) {
        return true;
    }
    return month == 2 && day == 29 && IsLeapYear(year);
}

bool IsValidClockTime(int hhmm)
{
    return hhmm >= 0 && hhmm <= 2400 && hhmm % 100 < 60;
}

ClockTime TimeOfDay(TimePoint t)
{
    const cLocalTime local = LocalTime(t);
    return local.hour * 100 + local.minute;
}

std::int64_t DayNumber(int year, int month, int day)
{
    // Days from civil, after H. Hinnant.
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::int64_t LocalDayNumber(TimePoint t)
{
    const cLocalTime local = LocalTime(t);
    return DayNumber(local.year, local.month, local.day);
}

int DayDistance(TimePoint a, TimePoint b)
{
    const cLocalTime la = LocalTime(a);
    const cLocalTime lb = LocalTime(b);
    const std::int64_t d = DayNumber(la.year, la.month, la.day) - DayNumber(lb.year, lb.month, lb.day);
    return static_cast<int>(d < 0 ? -d : d);
}

namespace {

// The local time's offset from UTC at t, in seconds.
std::int64_t UtcOffset(TimePoint t)
{
    const cLocalTime local = LocalTime(t);
    const std::int64_t asUtc = DayNumber(local.year, local.month, local.day) * 86400 + local.hour * 3600 +
                               local.minute * 60 + local.second;
    return asUtc - t;
}

// The day number of a count of local seconds, rounded down.
std::int64_t FloorDay(std::int64_t localSeconds)
{
    return localSeconds >= 0 ? localSeconds / 86400 : (localSeconds - 86399) / 86400;
}

// Civil date from days since 1970-01-01, after H. Hinnant.
void CivilFromDays(std::int64_t days, int& year, int& month, int& day)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

} // namespace

cLocalTime CivilTime(std::int64_t localSeconds)
{
    const std::int64_t days = FloorDay(localSeconds);
    const std::int64_t seconds = localSeconds - days * 86400;
    cLocalTime result;
    CivilFromDays(days, result.year, result.month, result.day);
    result.hour = static_cast<int>(seconds / 3600);
    result.minute = static_cast<int>(seconds / 60 % 60);
    result.second = static_cast<int>(seconds % 60);
    result.weekday = static_cast<Weekday>(((days % 7) + 11) % 7); // 1970-01-01 was a Thursday
    return result;
}

cLocalZone::cLocalZone(TimePoint from, TimePoint to)
{
    // Beyond a few years a table would cost more than it saves.
    if (to < from || to - from > 5LL * 366 * 86400) {
        return;
    }
    m_tFrom = from;
    m_tTo = to;
    std::int64_t offset = UtcOffset(from);
    m_changes.push_back({from, offset});
    for (TimePoint dayStart = from; dayStart < to;) {
        const TimePoint dayEnd = std::min<TimePoint>(dayStart + 86400, to);
        const std::int64_t next = UtcOffset(dayEnd);
        if (next != offset) {
            // The first second of the new offset, by halving the day.
            TimePoint low = dayStart; // old offset
            TimePoint high = dayEnd;  // new offset
            while (high - low > 1) {
                const TimePoint middle = low + (high - low) / 2;
                (UtcOffset(middle) == offset ? low : high) = middle;
            }
            m_changes.push_back({high, next});
            offset = next;
        }
        dayStart = dayEnd;
    }
    m_maxOffset = m_changes.front().offset;
    for (std::size_t i = 1; i < m_changes.size(); ++i) {
        const cChange& change = m_changes[i];
        m_maxOffset = std::max(m_maxOffset, change.offset);
        if (FloorDay(change.at + change.offset) < FloorDay(change.at - 1 + m_changes[i - 1].offset)) {
            m_bDatesOnlyAdvance = false;
        }
    }
}

TimePoint cLocalZone::EarliestOfDay(std::int64_t day) const
{
    if (m_changes.empty()) {
        return std::numeric_limits<TimePoint>::min();
    }
    return std::min(day * 86400 - m_maxOffset, m_tTo + 1);
}

bool cLocalZone::Offset(TimePoint t, std::int64_t& offset) const
{
    if (t < m_tFrom || t > m_tTo || m_changes.empty()) {
        return false;
    }
    auto after = std::upper_bound(m_changes.begin(), m_changes.end(), t,
                                  [](TimePoint value, const cChange& change) { return value < change.at; });
    offset = std::prev(after)->offset;
    return true;
}

cLocalTime cLocalZone::At(TimePoint t) const
{
    std::int64_t offset = 0;
    if (!Offset(t, offset)) {
        return LocalTime(t);
    }
    return CivilTime(t + offset);
}

cLocalZone::cDaySpan cLocalZone::SpanOf(TimePoint t) const
{
    cDaySpan span;
    if (!Covers(t)) {
        // Outside the table: the C library's answer for t alone.
        const cLocalTime local = LocalTime(t);
        span.day = LocalDayNumber(t);
        span.from = t;
        span.to = t + 1;
        span.offset = span.day * 86400 + local.hour * 3600 + local.minute * 60 + local.second - t;
        span.date = local;
    } else {
        // Within one offset of the table, up to the local midnights around t.
        const auto change = std::prev(
            std::upper_bound(m_changes.begin(), m_changes.end(), t,
                             [](TimePoint value, const cChange& entry) { return value < entry.at; }));
        const TimePoint offsetFrom = std::max(change->at, m_tFrom);
        const TimePoint offsetTo = std::next(change) != m_changes.end() ? std::next(change)->at : m_tTo + 1;
        const std::int64_t offset = change->offset;
        const std::int64_t local = t + offset;
        span.day = FloorDay(local);
        span.from = std::max(span.day * 86400 - offset, offsetFrom);
        span.to = std::min((span.day + 1) * 86400 - offset, offsetTo);
        span.offset = offset;
        span.date = At(span.from);
    }
    span.date.hour = span.date.minute = span.date.second = 0;
    return span;
}

std::int64_t cLocalZone::DayOf(TimePoint t) const
{
    std::int64_t offset = 0;
    if (!Offset(t, offset)) {
        return LocalDayNumber(t);
    }
    const std::int64_t local = t + offset;
    return FloorDay(local);
}
