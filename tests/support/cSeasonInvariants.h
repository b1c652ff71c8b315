#pragma once

// The rules a season database keeps after every command: the window's random
// command tests check them after each step, the core tests after engine runs.
// Plain C++ on the model only, so any test binary can use it.

#include "model/Calendar.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class cDatabase;

// Every broken rule as one readable line; empty when all hold. Checked:
// - lists: links, counts, owners and item classes of every container, and the
//   index tables of the indexed ones (a broken list stops the check there);
// - no two scheduled matches (playoff matches too) overlap on a court; free
//   periods end after they start, overlap neither a match nor each other on
//   their court, stay merged (no two of one court and start date touch) and
//   keep the list order of start, then court;
// - every league match has one result, linked both ways and with the match's
//   pairing; a playoff match may have one, linked the same way; a result
//   without its match only while the results list waits for its rebuild;
// - every index names an existing item: matches' league, teams, court and
//   officials, court time's court, home grounds' courts, team conflicts of
//   teams and officials, table rows' teams, the view filters, and (while that
//   list is up to date) the unscheduled matches' league and teams;
// - match numbers are unique per league among the scheduled league matches;
// - an official's game count equals the match positions held;
// - an up-to-date unscheduled list holds no pairing that is scheduled.
std::vector<std::string> CheckInvariants(const cDatabase& db);

using cInterval = std::pair<TimePoint, TimePoint>;

// Per court index, the union of its free periods and scheduled match
// intervals as sorted disjoint intervals (touching ones joined). Commands that
// only move time between the two (scheduling, deleting a match) leave it equal.
std::map<int, std::vector<cInterval>> OccupiedCourtTime(const cDatabase& db);

// Per court index, the minutes of its free periods plus the minutes of its
// scheduled matches (a period or match counted whole, so that time counted
// twice shows). Commands that only move time between the two leave it equal,
// and so does saving and opening.
std::map<int, long long> CourtMinutes(const cDatabase& db);

// Every played result by the identity of its match, league, home team, guest
// team and round ("league 2: 3-5 round 1"; a playoff match by its number and
// team texts), mapped to its stored scores (final and sets 1-9) and
// disqualification boxes. Commands that are not about results leave it equal;
// match numbers do not count, so renumbering leaves it too.
std::map<std::string, std::string> PlayedResults(const cDatabase& db);

// Each line says how `after` differs from `before` (a result changed, gone or
// new); empty when they are equal. With `removalsAllowed`, results gone are
// no difference (matches deleted after the question take theirs along).
std::vector<std::string> ResultChanges(const std::map<std::string, std::string>& before,
                                       const std::map<std::string, std::string>& after,
                                       bool removalsAllowed = false);
