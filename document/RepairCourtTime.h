#pragma once

// Free court time as the engines rely on it, restored after a file is read.

class cDatabase;

// A damaged or hand-edited file may hold free court time that the program
// itself never stores; the scheduler would then place two matches on one
// court at once. This brings the free time of a database just read back to
// what the program keeps: it drops periods whose end is not after their
// start and periods of courts that do not exist, cuts the scheduled matches'
// intervals out of the free time, merges the periods of one court and date
// as AddCourtTime does, and cuts what one period still shares with another
// of its court (a period that runs past the following midnight). Returns how
// many periods were dropped, cut or merged; 0 means the database was not
// touched at all, so a sound file saves byte for byte as it was read. Tells
// the user nothing (the document shows IDS_COURT_TIME_REPAIRED).
int RepairCourtTime(cDatabase& db);
