#pragma once

// Free court time as the engines rely on it, restored after a file is read.

class cDatabase;

// A damaged or hand-edited file may hold free court time that the program
// itself never stores; the scheduler would then place two matches on one
// court at once. This brings the free time of a database just read back to
// what the program keeps: it drops periods of courts that do not exist,
// shrinks the others to the whole minutes they hold, cuts the scheduled
// matches' intervals out, cuts from each period what a period of its court
// that starts earlier already offers (one running past midnight, or stored
// twice), and merges the periods of one court and date as AddCourtTime
// does. Not a free minute of an existing court is lost that no match
// covers, and the periods' order in the list does not matter. Returns how
// many stored periods were dropped, cut or merged; 0 means the database was
// not touched at all, so a sound file saves byte for byte as it was read.
// Tells the user nothing (the document shows IDS_COURT_TIME_REPAIRED).
int RepairCourtTime(cDatabase& db);
