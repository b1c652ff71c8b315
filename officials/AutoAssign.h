#pragma once

// Automatic assignment: fills the empty official slots of the scheduled
// matches up to a date, one slot number at a time, preferring the officials
// of the neighbouring matches on the same court, then a random official
// weighted by the games he may still take, relaxing the rules level by level
// before a slot is given up. Also the one way every command changes a slot.

#include "model/Calendar.h"
#include "officials/cTopClubs.h"

#include <string>

class cDatabase;
class cMatch;
class cReferee;
class cScheduleDays;

// What a run would serve: the slots up to the date and what the officials can still take.
struct cAssignPlan
{
    int required = 0; // officials per game x matches starting before the end limit, playoff matches included
    int filled = 0;   // of those slots, the ones that hold an official
    int capacity = 0; // the officials' total remaining capacity (negative when maxima were lowered)
    // Why nothing can be done: IDS_NO_OFFICIALS_REQUIRED, IDS_NO_OFFICIALS_AVAILABLE,
    // or 0 (also when a negative capacity ends the command silently).
    int messageId = 0;

    bool CanRun() const { return required >= 1 && capacity >= 1; }
};

// The outcome of one run, also shown to the user.
struct cAssignRun
{
    bool started = false;   // false: nothing to do (see messageId)
    bool cancelled = false; // the user stopped the run; what was assigned stays
    int required = 0;
    int filled = 0;    // after the run, slots that were full before included
    int assigned = 0;  // slots filled by this run
    int messageId = 0; // IDS_NO_OFFICIALS_REQUIRED / IDS_NO_OFFICIALS_AVAILABLE, 0 otherwise
    std::string
        message; // as shown ("Assigned 37 out of 40 requested officials!"); empty when nothing was shown
};

// Counts the slots 0 ... officialsPerGame-1 of the matches from the first
// while they start before `endLimit`.
cAssignPlan PlanAssignment(const cDatabase& db, TimePoint endLimit, int officialsPerGame);

// The command "Assign officials automatically" after its dialog (the document
// runs its backup check before): fills slots 0 ... officialsPerGame-1 of the
// matches starting before `endLimit`, all first slots before any second one.
// Playoff matches are never filled. Progress, Cancel (with the question
// IDS_ABORT_SCHEDULING) and the final message go through db.Prompt(); the
// final message is shown after an abort too. Random choices come from
// db.m_random, so one seed gives one result.
//
// `literal` has the rules walk the whole schedule for every candidate, the
// reference; otherwise they read an index of the schedule's days. Both make
// the same decisions.
cAssignRun AssignOfficialsAutomatically(cDatabase& db, TimePoint endLimit, int officialsPerGame,
                                        bool literal = false);

// Puts `official` (null: none) on slot 0-4 of the match, keeping the game
// counts of the official leaving and the one arriving right, and marks the
// document modified. Every command that changes a slot goes through here.
// An official who stands on another slot of the match (any of the five) is
// refused: false, and nothing changes; the caller tells IDS_OFFICIAL_TWO_SLOTS.
bool AssignOfficial(cDatabase& db, cMatch& match, int slot, const cReferee* official);

// The official the run puts on slot `slot` of the match: first one of the
// officials of the previous, then the next match on the same court and day
// starting within twice the match's duration who passes the basic rules; else,
// starting at a random official (PickWeightedOfficial) and cycling through the
// officials list, the first who passes at level 1, 2, 3, 4 and 5 in turn (level
// 2 only with top clubs, levels 1 and 4 only when more than one subsequent
// game is allowed). Never one who stands on another slot of the match. Null
// when nobody passes even the basic rules.
const cReferee* FindCandidate(cDatabase& db, const cMatch& match, int slot, int capacity,
                              const cTopClubs& topClubs, const cScheduleDays* days = nullptr);

// A random official, each as likely as the games he may still take: t drawn
// uniformly from 1 ... capacity, the first official at which the running sum
// of remaining capacities in list order reaches t. Null without officials or
// with a capacity below 1.
const cReferee* PickWeightedOfficial(cDatabase& db, int capacity);

// The clubs (the empty club included) whose officials together hold more than
// cTopClubs::kShareThreshold of `capacity`, in officials list order; clubs
// that differ only in letter case are one club.
cTopClubs BuildTopClubs(const cDatabase& db, int capacity);

// The final message: "Assigned 37 out of 40 requested officials!".
std::string AssignedMessage(int filled, int required);
