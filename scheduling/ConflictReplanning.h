#pragma once

// Schedule > Re-plan Conflicts: the scheduled matches that the placement
// rules now refuse where they stand are taken out and placed again by the
// automatic scheduler's rules, nothing else moving.

#include <cstdint>
#include <optional>
#include <string>

class cDatabase;

// What re-planning did; `message` is the final message shown.
struct cConflictReplan
{
    int conflicts = 0; // matches in conflict before
    int returned = 0;  // sent back to the unscheduled matches
    int placed = 0;    // of those, placed again
    int notPlaced = 0; // of those, waiting among the unscheduled matches
    int stayed = 0;    // in conflict, but left where they are
    std::string message;
};

// The matches CheckPlacements finds in conflict go back to the unscheduled
// matches (ReturnMatches: numbers kept, officials released) and are placed
// again (PlaceAgain, `seed` as there), where the rules allow them. Only the
// matches the scheduler placed are taken, unless `allConflicts` takes those
// placed by hand or moved too. Played matches, playoff matches (they have no
// place among the unscheduled matches) and matches of a league that no
// longer exists stay where they are and count as `stayed`. Official slots
// breaking a rule are no reason to move a match. The final message goes
// through db.Prompt().
cConflictReplan ReplanConflicts(cDatabase& db, bool allConflicts,
                                std::optional<std::uint32_t> seed = std::nullopt);
