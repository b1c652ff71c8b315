#pragma once

// Taking chosen matches out of the schedule and placing exactly those again
// by the automatic scheduler's rules, nothing else moving: the work shared by
// closing court time and re-planning conflicting matches.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class cDatabase;
class cMatch;
class cUnscheduledMatch;

// What ReturnMatches did.
struct cReturnedMatches
{
    // The matches that went back, as the unscheduled list holds them now
    // (owned by it), in the order they were given.
    std::vector<cUnscheduledMatch*> returned;
    // The matches that stayed, each as MatchLine shows it: played ones (a
    // result was entered) and playoff ones (they have no place among the
    // unscheduled matches; only a move by hand finds them another).
    std::vector<std::string> played;
    std::vector<std::string> playoff;
};

// Sends each of `matches` back to the unscheduled matches, as Remove Selected
// Matches does: it keeps its number as the wanted one, its officials are
// released and its court time becomes free again. A match with an entered
// result has been played and stays with its result, and a playoff match
// stays too; each is named in the answer. Asks nothing; each match is
// handled once however often it is given.
cReturnedMatches ReturnMatches(cDatabase& db, const std::vector<cMatch*>& matches);

// What PlaceAgain did.
struct cPlacedAgain
{
    int placed = 0;
    int notPlaced = 0;            // still waiting among the unscheduled matches
    std::vector<cMatch*> matches; // the matches placed, in the schedule
};

// Places exactly `returned` (unscheduled matches of db's list, as
// ReturnMatches gave them) again as Schedule > Automatically would: each takes
// the first start in the free court time that the placement rules allow,
// marked as placed automatically, and gets its old number back. No other
// match moves and no other unscheduled match is placed. The matches are
// taken in a random order of db.m_random, seeded with `seed` when one is
// given (the same seed gives the same schedule). A match that fits nowhere
// stays unscheduled. The pointers in `returned` are not to be used after.
cPlacedAgain PlaceAgain(cDatabase& db, std::vector<cUnscheduledMatch*> returned,
                        std::optional<std::uint32_t> seed = std::nullopt);

// "U12-7  12.10.2027  A  1800": the label, date, court and start of a
// scheduled match as the schedule shows them, for messages naming matches.
std::string MatchLine(const cMatch& match);
