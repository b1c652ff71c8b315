#pragma once

// The automatic scheduler: one greedy pass over the unscheduled matches, each
// taking the first acceptable start in the free court time. Also the steps it
// shares with scheduling by hand: numbering a match and putting it into the
// schedule with its result record.

#include "model/Calendar.h"
#include "model/CourtTime.h"
#include "model/cTournelDb.h"

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>

class cDatabase;
class cLeague;
class cMatch;
class cPlacementIndex;
class cUnscheduledMatch;
class cUnusedTime;

// A place for a match: a free court time and the match's start and end in it.
struct cCourtSlot
{
    cUnusedTime* courtTime = nullptr;
    TimePoint start = 0;
    TimePoint end = 0;
};

// The outcome of one run, also shown to the user as the final message.
struct cScheduleRun
{
    bool complete = false;  // the list was empty: IDS_SCHEDULE_COMPLETE, nothing done
    bool cancelled = false; // the user stopped the run
    int scheduled = 0;      // scheduled matches after the run, playoff matches included
    int total = 0;          // scheduled + unscheduled at the start of the run
    int placed = 0;         // matches placed by this run
    std::string message;    // "37 out of 40 matches are scheduled!" (or IDS_SCHEDULE_COMPLETE)
};

// The command "Schedule matches automatically", without the backup check,
// which the document runs before. The run first regenerates the unscheduled
// list (RebuildUnscheduled, which may ask about reduced matches). Progress,
// Cancel and the final message go through db.Prompt().
//
// `literal` runs the reference walk, which checks every candidate against the
// whole schedule; otherwise the rules read an index of the schedule. Both
// make the same decisions.
cScheduleRun ScheduleAutomatically(cDatabase& db, bool literal = false);

// The first start, walking the free court time from the earliest in steps of
// the league's game duration, that CheckPlacement accepts; with preferred
// playing times in force a first pass looks only at those. None when nothing
// fits (or the match's league does not exist or has no game duration).
// With an index of the schedule the rules read it instead of walking the
// schedule; the answer is the same.
// With the court time's order kept beside the list as well, the walk jumps
// over stretches of days the rules refuse the match as a whole.
std::optional<cCourtSlot> FindCourtTime(cDatabase& db, const cUnscheduledMatch& match,
                                        const cPlacementIndex* index = nullptr,
                                        const cCourtTimeOrder* order = nullptr);

// What a run placing many matches keeps between placements so that each one
// costs little: the match numbers in use in each league, the matches by
// date, and the orders of the scheduled matches, the results and the free
// court time (of each list that is in order at the start). Built from the
// database; ScheduleMatch tells it of each match it places.
class cPlacementRun
{
public:
    explicit cPlacementRun(cDatabase& db);
    cPlacementRun(const cPlacementRun&) = delete; // its court time tree points at its matches by date
    cPlacementRun& operator=(const cPlacementRun&) = delete;

    // NextMatchNumber(db, league, wanted) from the numbers kept.
    int NextNumber(const cLeague& league, int wanted) const;
    // Tells of a match just put into the schedule.
    void Placed(const cMatch& match);
    // About how many bytes the run keeps beyond its own object.
    std::size_t MemoryBytes() const;

    // AddItem(item, true) into the scheduled matches or the results: the
    // same place, found in a tree of the list's order when the list was in
    // order at the start.
    cDbItem& AddMatch(cDatabase& db, std::unique_ptr<cDbItem> match);
    cDbItem& AddResult(cDatabase& db, std::unique_ptr<cDbItem> result);
    // The free court time in a tree of its order; null when the list was not in order.
    cCourtTimeOrder* CourtTime() { return m_courtTime ? &*m_courtTime : nullptr; }

private:
    void Numbered(int league, int number);

    struct cNumbers
    {
        std::set<int> inUse;
        int firstFree = 1; // the lowest positive number not in use
    };
    std::unordered_map<int, cNumbers> m_numbers; // by league index
    cMatchDays m_matchDays;
    // The lists' orders, for each list that was in order at the start.
    std::optional<cListOrder> m_schedule;
    std::optional<cListOrder> m_results;
    std::optional<cCourtTimeOrder> m_courtTime;
};

// Turns the unscheduled match into a scheduled one on [start, end) of
// `courtTime`: numbered, added in sorted position, cut out of the court time,
// with its result record linked both ways. `match` leaves its list and is
// destroyed (a match in no list stays its owner's). Null, and nothing
// changed, when the match's league does not exist. With a `run` the number
// and the places in the lists come from what it keeps; the outcome is the same.
cMatch* ScheduleMatch(cDatabase& db, cUnusedTime& courtTime, TimePoint start, TimePoint end,
                      cUnscheduledMatch& match, bool byHand, cPlacementRun* run = nullptr);

// The number for a newly scheduled match of the league: `wanted` when it is
// free, else the lowest free number, else one above every number in use.
int NextMatchNumber(const cDatabase& db, const cLeague& league, int wanted);
