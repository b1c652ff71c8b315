#pragma once

// Checking the schedule as the season now stands: which scheduled matches a
// rule refuses now that teams, courts, leagues or the settings have changed
// since the matches were placed. Each decision is the one placing the match
// by hand would take, on its court at its start, with the current settings.

#include <string>
#include <string_view>
#include <vector>

class cDatabase;
class cMatch;

// One broken rule of one scheduled match.
struct cConflict
{
    const cMatch* match = nullptr; // a visible match of the checked schedule; never null
    int messageId = 0;             // the id of the rule's message, as placing or assigning would show it
    std::string_view rule;         // the rule's stable key, e.g. "holiday" (see PlacementRuleKey)
    int slot = -1;                 // official rules: the slot 0-4; -1 for placement rules
    int official = -1;             // official rules: the official's index; -1 for placement rules
};

// The stable key of a placement message id: "court-rating", "home-ground",
// "reserved-court", "holiday", "day-off", "latest-start", "rest-days",
// "pair-rest", "matches-per-day", "same-day-rest", "team-conflict", "overlap",
// "preferred-time" (never refuses a match placed by hand) and "unknown-item"
// (a damaged file's match whose league or court is gone); empty for an id that
// is no placement rule.
std::string_view PlacementRuleKey(int messageId);

// The statement of a rule's message: its first line, without the question
// "... anyway?" that placing or assigning by hand asks after it.
std::string ConflictStatement(int messageId);

// Every visible scheduled match that is not a playoff match, checked by the
// placement rules on its court at its start as placing it by hand would
// (preferred playing times never refuse a match placed by hand), with the
// match itself left out of the schedule it is checked against; and any match
// whose time on its court overlaps one starting before it ("overlap", playoff
// matches included). In schedule order, at most one conflict per match: the
// first broken rule, as placement reports it. Rules the schedule settings
// ignore are no conflict. `literal` walks the whole schedule for every match,
// the reference the indexed check answers the same as; it is slow on a large
// season. Nothing is changed.
std::vector<cConflict> CheckPlacements(const cDatabase& db, bool literal = false);
