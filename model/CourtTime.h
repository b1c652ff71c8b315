#pragma once

// Free court time: inserting with merging, cutting a match's interval out,
// and the bulk commands Repeat and Duplicate.

#include "model/Calendar.h"
#include "model/cTournelDb.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class cDatabase;
class cMatch;
class cUnusedTime;

// The scheduled matches by local date, hidden and playoff ones included, kept
// beside the schedule by whoever places many matches so that the conflict
// check of new free court time reads only the dates a match could reach it
// from. Whoever schedules a match while one is kept adds it.
class cMatchDays
{
public:
    explicit cMatchDays(const cDatabase& db);
    void Add(const cMatch& match);
    // The matches whose local date is `day`.
    const std::vector<const cMatch*>& On(std::int64_t day) const;
    // At least the length of every match added (seconds).
    TimePoint Longest() const { return m_longest; }
    std::size_t MemoryBytes() const;

private:
    std::unordered_map<std::int64_t, std::vector<const cMatch*>> m_byDay;
    TimePoint m_longest = 0;
};

// The free court time of a list that is in order (IsInOrder), kept in a
// tree of the same order so that a walk through the list can jump ahead in
// time. Whoever changes the list while one is kept passes it to
// AddCourtTime and TakeCourtTime, which keep it up to date and find places
// in the list through it: the same places the walk from the head finds.
class cCourtTimeOrder
{
public:
    explicit cCourtTimeOrder(cTournelDb& courtTime);

    // The first period of the list, hidden ones included, that starts at or
    // after t; null when none.
    cUnusedTime* FirstFrom(TimePoint t) const;
    // At least the length of every period in the list.
    TimePoint LongestLength() const { return m_longest; }

    // Adds the period to the list (AddItem(period, true)) and to the tree.
    cUnusedTime& Add(std::unique_ptr<cDbItem> period);
    // Takes the period out of the tree; before its start changes or it leaves the list.
    void Forget(const cUnusedTime& period);
    // The scheduled matches by date, when kept beside the tree.
    void KeepMatches(const cMatchDays* matches) { m_pMatches = matches; }
    const cMatchDays* Matches() const { return m_pMatches; }
    std::size_t MemoryBytes() const { return m_order.Size() * (5 * sizeof(void*)); }

private:
    cListOrder m_order;
    TimePoint m_longest = 0;
    const cMatchDays* m_pMatches = nullptr;
};

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
// date already holds (one running past midnight) is left out of the new one,
// and what the new one offers beyond the end of a later date's period is added
// to that date (joining that period): no free minute is lost. A period that
// overlaps a scheduled match is refused (the caller tells the user).
// `ignored`, a match being moved, does not count: its own interval is what is
// given back.
eAddCourtTime AddCourtTime(cDatabase& db, std::unique_ptr<cUnusedTime> period,
                           const cMatch* ignored = nullptr, cCourtTimeOrder* order = nullptr);

// True when the period overlaps a scheduled match other than `ignored` on its
// court, whatever date either starts on (a late session past midnight, a
// match that began the evening before); touching a match is allowed. Hidden
// matches count. With the matches by date at hand only the dates that can
// reach the period are read.
bool HasMatchConflict(const cDatabase& db, const cUnusedTime& period, const cMatch* ignored = nullptr,
                      const cMatchDays* matches = nullptr);

// Removes [from, to) from the period that contains it: deletes, shrinks or
// splits it. The period keeps its sorted place in the list.
void TakeCourtTime(cDatabase& db, cUnusedTime& period, TimePoint from, TimePoint to,
                   cCourtTimeOrder* order = nullptr);

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
