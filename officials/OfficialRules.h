#pragma once

// The assignment rules: whether an official may take a slot of a scheduled
// match. The automatic run asks at a strictness level and never overrides a
// refusal; assignment by hand asks at the loosest level and lets the user
// decide.

#include "officials/cTopClubs.h"

class cDatabase;
class cMatch;
class cReferee;

// Check levels: 1 is the strictest, 5 checks only the basic rules.
inline constexpr int kStrictestLevel = 1;
inline constexpr int kTopClubsLevel = 2;
inline constexpr int kBandsLevel = 3;
inline constexpr int kLookAheadLevel = 4;
inline constexpr int kBasicLevel = 5;

// The document's number of officials per game, kept within 1-5 even when a
// damaged file holds something else: the slots 0 ... n-1 every rule looks at.
int OfficialsPerGame(const cDatabase& db);

// True when the official's index stands in one of the slots 0 ... n-1 of the
// match (n = OfficialsPerGame).
bool IsAssigned(const cDatabase& db, const cMatch& match, int official);

// 0 when `official` may take slot `slot` (0-4) of the scheduled match at
// `level` (1-5), otherwise the string id of the first broken rule, which is
// also the question shown to the user (IDS_OFFICIAL_*). `topClubs` is read at
// level 2 only. Nothing is changed and nothing is shown.
//
// A match whose league does not exist (only a damaged file holds one) has no
// rating range to break; a team that does not exist has no club.
int CheckOfficial(const cDatabase& db, const cMatch& match, const cReferee& official, int slot, int level,
                  const cTopClubs& topClubs = {});
