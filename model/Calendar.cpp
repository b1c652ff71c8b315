#include "model/Calendar.h"

#include "model/Strings.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <ctime>

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

bool IsValidDate(int day, int month, int year)
{
    static constexpr std::array<int, 12> kMonthLength = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1997 || year > 2099 || month < 1 || month > 12 || day < 1) {
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
