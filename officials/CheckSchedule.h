#pragma once

// The whole check of the schedule as the season now stands: the placement
// rules of every scheduled match and the assignment rules of every filled
// official slot, each decided as scheduling or assigning by hand would
// decide it with the current settings.

#include "scheduling/CheckPlacements.h"

#include <string>
#include <string_view>
#include <vector>

class cDatabase;

// The stable key of an assignment message id: "official-rating",
// "official-club", "official-holiday", "official-day-off",
// "official-conflict", "official-rest", "official-same-day",
// "official-subsequent", "official-twice", "official-max-games",
// "official-overlap", and for the rules of the automatic run only
// "official-look-ahead", "official-top-clubs", "official-preferred-time";
// empty for an id that is no assignment rule.
std::string_view OfficialRuleKey(int messageId);

// Every filled slot of every visible scheduled match, its official checked
// for that slot as assigning by hand checks him (the loosest level, the
// official in his slot); slots naming no official are passed by. In schedule
// order, then by slot. Nothing is changed.
std::vector<cConflict> CheckOfficialSlots(const cDatabase& db);

// CheckPlacements and CheckOfficialSlots together, in schedule order: a
// match's placement conflict first, then its slots'. An empty answer means
// no scheduled match breaks a rule. `literal` is passed to CheckPlacements.
std::vector<cConflict> CheckSchedule(const cDatabase& db, bool literal = false);

// A conflict as the lists show it: the match's label ("M1-3"), the date as
// YYYY-MM-DD, the start as HH:MM, the court's short name, the rule's key and
// its statement, the official's name first for an official rule.
struct cConflictRow
{
    std::string match;
    std::string date;
    std::string time;
    std::string court;
    std::string rule;
    std::string message;
};
cConflictRow DescribeConflict(const cDatabase& db, const cConflict& conflict);
