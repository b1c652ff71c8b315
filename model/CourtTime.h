#pragma once

// Free court time: inserting with merging, cutting a match's interval out,
// and the bulk commands Repeat and Duplicate.

#include "model/Calendar.h"

#include <memory>
#include <vector>

class cDatabase;
class cMatch;
class cUnusedTime;

enum class eAddCourtTime
{
    Inserted, // added as it was
    Merged,   // combined with at least one touching or overlapping period
    Conflict, // overlaps a scheduled match: not added
};

// True when the two periods lie on the same court, start on the same local
// date and overlap or touch (compared in whole minutes): AddCourtTime combines
// such periods into one, and a file read must not hold two of them.
bool PeriodsMerge(const cUnusedTime& a, const cUnusedTime& b);

// Inserts a free period, merging it with the periods of the same court that
// start on the same date and overlap or touch it. What a period of another
// date already holds (one running past midnight) is left out of the new one. A period that overlaps a
// scheduled match is refused (the caller tells the user). `ignored`, a match
// being moved, does not count: its own interval is what is given back.
eAddCourtTime AddCourtTime(cDatabase& db, std::unique_ptr<cUnusedTime> period,
                           const cMatch* ignored = nullptr);

// True when the period overlaps a scheduled match other than `ignored` on its
// court and day; touching a match is allowed. Hidden matches count.
bool HasMatchConflict(const cDatabase& db, const cUnusedTime& period, const cMatch* ignored = nullptr);

// Removes [from, to) from the period that contains it: deletes, shrinks or
// splits it. The period keeps its sorted place in the list.
void TakeCourtTime(cDatabase& db, cUnusedTime& period, TimePoint from, TimePoint to);

// Copies the period to the same clock times 1 ... weeks weeks later; weeks
// whose times the file could not hold (after 2038-01-19) are left out.
// Returns the starts of the copies refused because of a scheduled match,
// earliest first; the other copies are kept. Tells the user nothing.
std::vector<TimePoint> RepeatCourtTime(cDatabase& db, const cUnusedTime& period, int weeks);

// Copies every free period of the court `sourceCourt` to `targetCourt`.
// Returns the starts of the copies refused because of a scheduled match,
// in list order (earliest first); the other copies are kept. Tells the user
// nothing.
std::vector<TimePoint> DuplicateCourtTime(cDatabase& db, int sourceCourt, int targetCourt);

// Tells the user of the copies a Repeat or Duplicate refused, all in one
// message through db.Prompt(): the text of IDS_COURT_TIME_CONFLICT, then on
// the next line their dates in the document's date format, each date once.
// Shows nothing when `refusedStarts` is empty.
void TellRefusedCopies(cDatabase& db, const std::vector<TimePoint>& refusedStarts);

// Total free minutes of a court.
long long CourtTimeMinutes(const cDatabase& db, int court);
