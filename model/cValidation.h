#pragma once

// The answer of a dialog check and the checks every property dialog shares.
// A dialog shows `text`, puts the focus on `field` (an id of the dialog's own
// field enum) and stays open.

#include "model/Calendar.h"
#include "model/Text.h"
#include "model/cIndexedDbItem.h"

#include <optional>
#include <string>
#include <string_view>

class cTournelDb;

struct cValidationError
{
    int messageId = 0;
    int field = 0;
    std::string text; // fully formatted, as shown
};

using cValidation = std::optional<cValidationError>;

// Names and other texts of the dialogs are limited to this many characters.
inline constexpr int kNameLimit = 50;

// An error with the plain text of `messageId`.
cValidationError MakeValidationError(int messageId, int field);

// "Please enter an integer between low and high." when value is outside.
cValidation CheckRange(int value, int low, int high, int field);

// Dialog check for an even number: 0 when even, else the id of "Please enter an even number.".
int RequireEven(int value);

// A text field: longer than `limit` characters is refused; with a non-zero
// `blankMessageId` an empty or all-blank text is refused with that message.
cValidation CheckText(std::string_view text, int blankMessageId, int field, int limit = kNameLimit);

// The one reader of whole numbers, for the dialogs and the command line: an
// optional sign ('+' or '-', one at most) and decimal digits (leading zeros
// allowed), nothing else, within int; none otherwise.
std::optional<int> ParseInteger(std::string_view text);

// Reads an integer typed into a field: "Please enter an integer." when the
// text is not one (surrounding blanks are allowed).
cValidation ReadInteger(std::string_view text, int field, int& value);

// The first item of `container` other than `self` whose columns 0 ... lastColumn
// equal `text` exactly (CompareText); null when none.
const cDbItem* FindOtherItem(const cTournelDb& container, std::string_view text, const cDbItem* self,
                             int lastColumn);

// Start and final time of a home ground or preferred playing time: both
// valid hhmm and start before final.
cValidation CheckTimeWindow(ClockTime start, ClockTime end, int startField, int endField);

// A date and time of the dialogs as a TimePoint; nullopt when the date is not
// valid or the time does not fit the file's 32-bit seconds.
std::optional<TimePoint> DialogTimePoint(int day, int month, int year, int hhmm);

// The weekday name, in `language`, of a date being typed into a dialog's day,
// month and year fields (texts as they stand, not yet taken over). Empty while
// the texts are not a date that DialogTimePoint takes at `hhmm`, so half a year
// typed shows nothing rather than an error.
std::string TypedDateWeekday(std::string_view day, std::string_view month, std::string_view year,
                             int language, ClockTime hhmm = 0);
