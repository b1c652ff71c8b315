#pragma once

// Remove Officials: clears official slots of the matches selected in the
// scheduled-matches list.

#include <vector>

class cDatabase;
class cMatch;

// Asks IDS_REMOVE_OFFICIALS_QUESTION through db.Prompt(); on Yes clears slot
// `slot` (0-4), or with -1 every slot 0 ... officials per game - 1, of each
// match, lowering the game count of every official taken off, and marks the
// document modified. False, with nothing changed, on No, for no matches or
// for a slot at or beyond the number of officials per game (the command is
// disabled then).
bool RemoveOfficials(cDatabase& db, const std::vector<cMatch*>& matches, int slot);
