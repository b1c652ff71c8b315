#pragma once

// Commands that edit the whole schedule at once.

class cDatabase;

// "Renumber Matches": after IDS_RENUMBER_QUESTION (No ends it), numbers each
// league's matches 1, 2, 3, ... in schedule order (date, court, start);
// playoff matches keep their texts. Each league's highest number follows.
// True when the matches were renumbered.
bool RenumberMatches(cDatabase& db);

// "Remove Automatically Scheduled Matches": after IDS_REMOVE_AUTO_SCHEDULED
// (No ends it), every match the scheduler placed goes back to the unscheduled
// matches with its number as the wanted one, giving its court time back;
// matches placed by hand and playoff matches stay. Answers how many went.
int RemoveAutoScheduledMatches(cDatabase& db);
