#pragma once

// Commands that edit the whole schedule at once, and the question asked
// before matches with entered results leave it.

#include "model/Strings.h"

#include <vector>

class cDatabase;
class cDbItem;
class cMatch;

// "Renumber Matches": after IDS_RENUMBER_QUESTION (No ends it), numbers each
// league's matches 1, 2, 3, ... in schedule order (date, court, start);
// playoff matches keep their texts. Each league's highest number follows.
// True when the matches were renumbered.
bool RenumberMatches(cDatabase& db);

// What Remove Automatically Scheduled Matches did.
struct cAutoScheduledRemoval
{
    int removed = 0; // went back to the unscheduled matches
    int stayed = 0;  // placed by the scheduler, but played: kept in the schedule
};

// "Remove Automatically Scheduled Matches": after IDS_REMOVE_AUTO_SCHEDULED
// (No ends it), every match the scheduler placed goes back to the unscheduled
// matches with its number as the wanted one, giving its court time back;
// matches placed by hand and playoff matches stay. A match with an entered
// result has been played and stays too, with its result: the command is not
// about results. When any stayed, IDS_PLAYED_MATCHES_STAYED tells how many.
cAutoScheduledRemoval RemoveAutoScheduledMatches(cDatabase& db);

// The number of `matches` whose result has been entered.
int CountEnteredResults(const std::vector<const cMatch*>& matches);

// Before `matches` are deleted from the schedule: when results were entered
// for any of them, asks `messageId` (IDS_DELETE_ENTERED_RESULTS for the
// selected matches, IDS_DELETE_CASCADE_RESULTS for matches that go with
// something else) naming how many go with them. True to go on, also when none
// was entered; false changes nothing.
bool ConfirmDeletingResults(cDatabase& db, const std::vector<const cMatch*>& matches,
                            int messageId = IDS_DELETE_ENTERED_RESULTS);

// The scheduled matches that deleting `items` deletes with them (the matches
// among them included; cDbItem::DeletesMatch), in schedule order, each once.
std::vector<const cMatch*> MatchesDeletedWith(const cDatabase& db, const std::vector<const cDbItem*>& items);

// Before `items` of one directory are deleted (Delete, Remove Selected
// Matches): when matches with entered results would go with them, asks one
// question naming how many results go (ConfirmDeletingResults): for scheduled
// matches IDS_DELETE_ENTERED_RESULTS, for courts, leagues and teams, whose
// matches go along, IDS_DELETE_CASCADE_RESULTS. True to go on; false changes
// nothing.
bool ConfirmDeletingItems(cDatabase& db, const std::vector<const cDbItem*>& items);
