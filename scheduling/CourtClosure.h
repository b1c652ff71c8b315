#pragma once

// Closing court time: a hall closed for a day or a week. Its free time in
// the closed period goes, the matches not yet played there go back to the
// unscheduled matches, and on request they are placed again elsewhere.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class cDatabase;
struct cCloseCourtsValues;

// What closing did; `message` is the final message shown.
struct cCourtClosure
{
    int returned = 0;                 // sent back to the unscheduled matches
    int placed = 0;                   // of those, placed again
    int notPlaced = 0;                // of those, waiting among the unscheduled matches
    long long closedMinutes = 0;      // free court time taken away
    std::vector<std::string> played;  // played matches that stay in the closed time (MatchLine)
    std::vector<std::string> playoff; // playoff matches that stay there, to be moved by hand
    std::string message;
};

// Edit > Close Courts, with values that passed Validate. On the chosen court
// (or every court) the free court time within [From, To) is taken away,
// periods cut at the bounds; every match there that overlaps the period and
// has not been played goes back to the unscheduled matches with its number,
// its officials released (ReturnMatches). With values.replan those matches
// are placed again by the automatic scheduler's rules (PlaceAgain, `seed` as
// there); since the closed time is no longer free, none of them lands in it.
// Nothing else moves and no result changes. The final message, naming the
// played and playoff matches that stay, goes through db.Prompt().
cCourtClosure CloseCourts(cDatabase& db, const cCloseCourtsValues& values,
                          std::optional<std::uint32_t> seed = std::nullopt);
