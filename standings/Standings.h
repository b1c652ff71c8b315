#pragma once

// The standings tables: each league's table container holds one cTableItem
// per team, counted from the league's played results and ranked by the
// document's table settings. A table is derived data; whoever is about to
// show, print or write a league's table brings it up to date first.

class cDatabase;
class cLeague;
class cTableItem;

// Counts the row's team afresh from every played result of `league` in the
// database: wins, draws, losses and disqualifications at home and away,
// final scores, and set points when the maximum number of sets is above 1.
// The position goes back to 1.
void Recalculate(cTableItem& row, const cDatabase& db, int league);

// Recalculates every row of the league's table and puts the rows in table
// order with their positions. A table that is empty, or that holds an item
// other than a cTableItem, is left as it is. Reordering the rows tells the
// database's listener but does not mark the document modified: the table is
// derived from the results.
void SortTable(cDatabase& db, cLeague& league);

// SortTable when the league's table is out of date, which then becomes up to
// date; nothing when it is up to date already. Never asks the user anything.
void BringTableUpToDate(cDatabase& db, cLeague& league);

// BringTableUpToDate for every league.
void BringTablesUpToDate(cDatabase& db);
