#pragma once

// Improving a schedule after the automatic scheduler: placing the matches it
// left behind by moving the matches it placed to other legal starts, then
// making the schedule fairer to the teams by further such moves.

#include <cstdint>
#include <optional>
#include <string>

class cDatabase;

// The outcome of ImproveSchedule, also shown to the user as the final message.
struct cImprovement
{
    bool cancelled = false; // the user stopped the run; what was found so far was kept
    int placed = 0;         // matches placed that were waiting among the unscheduled matches
    int moved = 0;          // scheduled matches that start elsewhere now
    int scheduled = 0;      // scheduled matches after the run, playoff matches included
    int total = 0;          // scheduled + unscheduled after the run
    std::string message;    // IDS_IMPROVE_DONE
};

// How hard ImproveSchedule tries: the number of rounds over the waiting
// matches and of fairness moves grows with it.
constexpr int kMinImproveEffort = 1;
constexpr int kMaxImproveEffort = 20;
constexpr int kDefaultImproveEffort = 6;

// The command "Improve Schedule", without the backup check. The unscheduled
// list is brought up to date first (RebuildUnscheduled). Then each waiting
// match is placed where the placement rules allow it once the scheduled
// matches in its way have moved to other starts the rules allow (an ejection
// chain, a few matches deep), and after that matches are moved to starts
// where their teams' home and away runs are shorter and their start hours
// more evenly spread. Every placement is one the automatic scheduler could
// make: the rules in the pass at any time, and a match that stood within its
// preferred playing time stays within it.
//
// Only matches the scheduler placed move: never one placed by hand or moved
// by hand, a playoff match, a played one (a result entered) or one with
// officials. A moved match keeps its number, result record and everything
// else but its court and time. Newly placed matches are numbered and get
// their result records as the scheduler gives them. No match that was
// scheduled is left out, so never fewer matches are scheduled than before.
//
// The choices come from db.m_random, seeded with `seed` when given: the same
// seed and effort give the same schedule. Progress, Cancel (which keeps the
// best schedule found so far) and the final message go through db.Prompt().
// `effort` is clamped to kMinImproveEffort ... kMaxImproveEffort.
cImprovement ImproveSchedule(cDatabase& db, int effort = kDefaultImproveEffort,
                             std::optional<std::uint32_t> seed = std::nullopt);

// How fair the schedule is to the teams of the leagues: a team's longest run
// is its longest stretch of consecutive home or consecutive away matches in
// order of start; its top hour share is the part of its matches that start
// in the hour of the day most of them start in (1 when all start in the same
// hour). Teams without scheduled matches do not count; playoff matches
// neither.
struct cFairness
{
    int teams = 0;
    int longestRun = 0;          // the longest run of any team
    double meanLongestRun = 0;   // the mean over the teams
    double meanTopHourShare = 0; // the mean over the teams
};
cFairness MeasureFairness(const cDatabase& db);
