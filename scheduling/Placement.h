#pragma once

// The placement rules: whether a match may start on a court at a time.

#include "model/Calendar.h"

class cDatabase;
class cUnscheduledMatch;
class cUnusedTime;

// 0 when the match may be placed on the court of `courtTime` at `start`,
// otherwise the string id of the first broken rule's message. Only the
// match's league and teams, the court index of `courtTime` and `start` are
// read; `end` is not. Rule 1 (preferred playing time) is tested in pass 1 only.
// Hidden scheduled matches are skipped (a match being moved is out of its own
// way) and playoff matches are invisible to every rule. Nothing is changed and
// nothing is shown.
//
// Indexes that name nothing (only a damaged file holds them): a match whose
// league or a court time whose court does not exist is refused with
// IDS_UNEXPECTED_ERROR, since nothing sensible can be placed there; a team that
// does not exist has no holidays, home grounds, preferred times, day off or
// conflicts of its own, while the rules that compare team indexes between
// matches still apply to it.
int CheckPlacement(const cDatabase& db, const cUnscheduledMatch& match, const cUnusedTime& courtTime,
                   TimePoint start, TimePoint end, int pass);
