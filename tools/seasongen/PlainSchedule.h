#pragma once

// A generated season made ready for the official assignment quickly: every
// match laid out on the next free stretch of court time (no placement rules),
// and officials sized to it.

class cDatabase;

// Places every unscheduled match, in list order, at the start of the first
// period of free court time long enough for it; answers how many were placed.
int LayOutPlainly(cDatabase& db);

// One official for every eight slots of `matches` matches (at least four),
// each taking up to twenty games, members of the teams' clubs in turn, with
// ratings 1 to 9.
void AddOfficials(cDatabase& db, int matches);
