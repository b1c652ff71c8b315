#pragma once

// Derives the matches still to be played from each league's teams and number
// of rounds: the document's list of unscheduled matches.

#include <vector>

class cDatabase;
class cLeague;
class cUnscheduledMatch;

// Fills first[j], second[j] with the n(n-1)/2 pairs of `teams` (index
// numbers, in list order), in distance classes: class i pairs list positions
// d and (d + i) mod n. With `first` at home in odd rounds every team of an odd
// league is at home (n-1)/2 times a round; in an even league the teams at even
// positions are at home n/2 times, the others n/2 - 1 times.
void PairTeams(int n, const int* teams, int* first, int* second);

// The same, returning the pairs (first, second).
std::vector<std::pair<int, int>> PairTeams(const std::vector<int>& teams);

// Appends every match of the league, round by round, to its working list, and
// applies the reduction of matches per team. False, with nothing generated,
// for fewer than two teams (silently) or a reduction that leaves fewer than
// two teams (IDS_REDUCTION_NONSENSE).
bool GenerateLeagueMatches(cDatabase& db, cLeague& league);

// `from` null: removes from the league's working list every match that is
// already scheduled. `from` a match of the working list: removes it and all
// after it, asking (IDS_REDUCTION_REMOVE_MATCH) to take each one's scheduled
// twin out of the schedule for good. When results were entered for twins the
// user agreed to take out, one more question (IDS_DELETE_CASCADE_RESULTS)
// names how many go with them, and No keeps all those twins scheduled.
void DropScheduledMatches(cDatabase& db, cLeague& league, cUnscheduledMatch* from);

// Regenerates the document's unscheduled matches when they are out of date:
// generates every league, takes out what is scheduled and interleaves the
// leagues at random (db.m_random). Commands run it before they show, print or
// schedule the list; it may ask (IDS_REDUCTION_REMOVE_MATCH) and take matches
// out of the schedule, which reading the list never does. The list stays out
// of date while any league cannot generate, so the next command runs it again,
// with its messages.
void RebuildUnscheduled(cDatabase& db);
