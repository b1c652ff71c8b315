// Feeds arbitrary texts to what the core reads from the dialogs' fields: the
// integers typed into number fields, the day, month and year of a date being
// typed (with its weekday shown beside it), names checked for length and
// blanks, the texts of Find compared with the items' names, and names put into
// messages. The input is split at line feeds: day, month, year, then two
// names; the last bytes choose the language, the clock time and the limit.

#include "model/Calendar.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/TextCodec.h"
#include "model/cValidation.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// An integer field's text as it may be taken: blanks, an optional sign, digits, blanks.
bool IsIntegerText(std::string_view text)
{
    const std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
        digits.remove_prefix(1);
    }
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

void CheckInteger(std::string_view text)
{
    int value = -12345;
    const cValidation error = ReadInteger(text, 7, value);
    if (error) {
        Check(value == -12345 && error->field == 7 && error->messageId == IDS_ENTER_INTEGER);
        return;
    }
    Check(IsIntegerText(text));
    int again = 0;
    Check(!ReadInteger(std::to_string(value), 0, again) && again == value);
}

// The first `count` characters of a text, as UTF-8.
std::string Head(std::string_view text, std::size_t count)
{
    std::string out;
    cUtf8Reader reader(text);
    for (std::size_t i = 0; i < count && !reader.AtEnd(); ++i) {
        AppendUtf8(out, reader.Next());
    }
    return out;
}

void CheckNames(std::string_view a, std::string_view b, int limit)
{
    Check(Trim(Trim(a)) == Trim(a));
    Check(IsBlank(a) == Trim(a).empty());
    const cValidation tooLong = CheckText(a, 0, 3, limit);
    Check(tooLong.has_value() == (TextLength(a) > static_cast<std::size_t>(limit)));
    const cValidation blank = CheckText(a, IDS_ENTER_INTEGER, 3, limit);
    Check(blank.has_value() == (tooLong.has_value() || IsBlank(a)));

    Check(CompareText(a, a, true) == 0 && CompareText(a, a, false) == 0);
    const int ab = CompareText(a, b, true);
    Check(ab == -CompareText(b, a, true));
    Check(ab == CompareText(Head(a, a.size()), Head(b, b.size()), true));
    const std::size_t length = TextLength(a);
    for (std::size_t n = 1; n < length && n < 8; ++n) {
        // Find takes a name by any beginning of it.
        Check(CompareText(Head(a, n), a, false) == 0);
        Check(CompareText(Head(a, n), a, true) == -1);
    }

    // Names put into a message are not read as placeholders again.
    Check(FormatText("%1", {a}) == a);
    Check(FormatText("<%2|%1>", {a, b}) == "<" + std::string(b) + "|" + std::string(a) + ">");
    Check(FormatText(a, {}).size() <= a.size());
}

void CheckDate(int day, int month, int year, int hhmm)
{
    const std::optional<TimePoint> t = DialogTimePoint(day, month, year, hhmm);
    const bool valid = IsValidDate(day, month, year) && IsValidClockTime(hhmm);
    if (!t) {
        // A valid date is refused only past the file's 32-bit seconds.
        Check(!valid || year >= 2038);
        return;
    }
    Check(valid);
    Check(FitsInFile(*t));
    const std::int64_t typedDay = DayNumber(year, month, day) + (hhmm == 2400 ? 1 : 0);
    const cLocalTime local = LocalTime(*t);
    Check(DayNumber(local.year, local.month, local.day) == typedDay);
    Check(local.weekday == static_cast<int>(((typedDay % 7) + 11) % 7)); // 1970-01-01 was a Thursday
    const int typedTime = hhmm == 2400 ? 0 : hhmm;
    // A time in the hour skipped in spring moves by that hour.
    if (local.hour * 100 + local.minute != typedTime) {
        Check(month == 3 && typedTime / 100 == 2);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The zone of the tests: daylight saving without a zone database.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const int language = in.ConsumeIntegralInRange<int>(-1, kLanguageCount);
    const int hhmm = in.ConsumeIntegralInRange<int>(-1, 2401);
    const int limit = in.ConsumeIntegralInRange<int>(0, kNameLimit);
    const std::string text = in.ConsumeRemainingBytesAsString();

    std::vector<std::string_view> fields;
    std::string_view rest = text;
    while (fields.size() < 4) {
        const std::size_t end = rest.find('\n');
        fields.push_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    fields.push_back(rest);

    for (int i = 0; i < 3; ++i) {
        CheckInteger(fields[static_cast<std::size_t>(i)]);
    }
    CheckNames(fields[3], fields[4], limit);

    const std::string weekday = TypedDateWeekday(fields[0], fields[1], fields[2], language, hhmm);
    int day = 0;
    int month = 0;
    int year = 0;
    const bool typed = !ReadInteger(fields[0], 0, day) && !ReadInteger(fields[1], 0, month) &&
                       !ReadInteger(fields[2], 0, year);
    if (typed) {
        CheckDate(day, month, year, hhmm);
    }
    if (!typed || !DialogTimePoint(day, month, year, hhmm)) {
        Check(weekday.empty());
        return 0;
    }
    Check(weekday == WeekdayName(LocalTime(*DialogTimePoint(day, month, year, hhmm)).weekday, language));
    Check(!weekday.empty());
    return 0;
}
