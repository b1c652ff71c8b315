#include "model/cValidation.h"

#include "model/Calendar.h"
#include "model/Strings.h"
#include "model/Text.h"
#include "model/cTournelDb.h"

#include <charconv>

cValidationError MakeValidationError(int messageId, int field)
{
    return cValidationError{messageId, field, GetString(messageId)};
}

cValidation CheckRange(int value, int low, int high, int field)
{
    if (value >= low && value <= high) {
        return std::nullopt;
    }
    return cValidationError{
        IDS_ENTER_INTEGER_BETWEEN, field,
        FormatString(IDS_ENTER_INTEGER_BETWEEN, {std::to_string(low), std::to_string(high)})};
}

cValidation CheckText(std::string_view text, int blankMessageId, int field, int limit)
{
    if (TextLength(text) > static_cast<std::size_t>(limit)) {
        return cValidationError{IDS_TEXT_TOO_LONG, field,
                                FormatString(IDS_TEXT_TOO_LONG, {std::to_string(limit)})};
    }
    if (blankMessageId != 0 && IsBlank(text)) {
        return MakeValidationError(blankMessageId, field);
    }
    return std::nullopt;
}

std::optional<int> ParseInteger(std::string_view text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    // One sign at most: from_chars takes a minus itself, so "+-5" is no integer.
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-') {
        ++first;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

cValidation ReadInteger(std::string_view text, int field, int& value)
{
    const std::optional<int> parsed = ParseInteger(Trim(text));
    if (!parsed) {
        return MakeValidationError(IDS_ENTER_INTEGER, field);
    }
    value = *parsed;
    return std::nullopt;
}

const cDbItem* FindOtherItem(const cTournelDb& container, std::string_view text, const cDbItem* self,
                             int lastColumn)
{
    const cDbItem* found = container.FindText(text, nullptr, true, true, true, lastColumn);
    while (found != nullptr && found == self) {
        found = container.FindText(text, found, true, false, true, lastColumn);
    }
    return found;
}

cValidation CheckTimeWindow(ClockTime start, ClockTime end, int startField, int endField)
{
    if (!IsValidClockTime(start)) {
        return MakeValidationError(IDS_FIRST_TIME_INVALID, startField);
    }
    if (!IsValidClockTime(end)) {
        return MakeValidationError(IDS_FINAL_TIME_INVALID, endField);
    }
    if (start >= end) {
        return MakeValidationError(IDS_FINAL_NOT_AFTER_FIRST, endField);
    }
    return std::nullopt;
}

std::optional<TimePoint> DialogTimePoint(int day, int month, int year, int hhmm)
{
    if (!IsValidDate(day, month, year) || !IsValidClockTime(hhmm)) {
        return std::nullopt;
    }
    const TimePoint t = MakeTimePoint(year, month, day, hhmm / 100, hhmm % 100, 0);
    if (!FitsInFile(t)) {
        return std::nullopt;
    }
    return t;
}

std::string TypedDateWeekday(std::string_view day, std::string_view month, std::string_view year,
                             int language, ClockTime hhmm)
{
    int d = 0;
    int m = 0;
    int y = 0;
    if (ReadInteger(day, 0, d) || ReadInteger(month, 0, m) || ReadInteger(year, 0, y)) {
        return {};
    }
    const std::optional<TimePoint> t = DialogTimePoint(d, m, y, hhmm);
    if (!t) {
        return {};
    }
    // The weekday the lists show for a time on that date.
    return WeekdayName(LocalTime(*t).weekday, language);
}

int RequireEven(int value)
{
    return value % 2 == 0 ? 0 : IDS_ENTER_EVEN_NUMBER;
}
