#pragma once

// The assignment rules: whether an official may take a slot of a scheduled
// match. The automatic run asks at a strictness level and never overrides a
// refusal; assignment by hand asks at the loosest level and lets the user
// decide.

#include "officials/cTopClubs.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

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
//
// The rules that compare the match with the other scheduled matches look only
// at matches a few days away; `days`, when given, finds those without walking
// the whole schedule, in the schedule's order, so the answer is the same.
class cScheduleDays;
int CheckOfficial(const cDatabase& db, const cMatch& match, const cReferee& official, int slot, int level,
                  const cTopClubs& topClubs = {}, const cScheduleDays* days = nullptr);

// The visible scheduled matches by local day, each day's in schedule order.
// Valid while no match is added, removed or moved; officials may change,
// unless `knowOfficials` is asked for: then it also holds each official's
// matches, which lets the rules about other matches pass by the days'
// matches he does not hold, and is valid only while no slot changes either.
class cScheduleDays
{
public:
    explicit cScheduleDays(const cDatabase& db, bool knowOfficials = false);

    // Whether the index holds the match (it was in the schedule when built).
    bool Holds(const cMatch& match) const { return m_position.count(&match) > 0; }
    // Calls `visit` for every match on the days day - reach ... day + reach,
    // in schedule order, until it answers a non-zero value; answers that or 0.
    template <class Visitor> int ForEachNear(std::int64_t day, std::int64_t reach, Visitor&& visit) const;
    // The same over every match of `day` and the matches of the other days
    // that `official` is assigned to, when the index knows the officials;
    // -1 when it does not (ForEachNear must then be asked).
    template <class Visitor>
    int ForEachNearOf(std::int64_t day, std::int64_t reach, int official, Visitor&& visit) const;

private:
    using cEntry = std::pair<std::size_t, const cMatch*>; // position in the schedule, match
    const std::vector<cEntry>* Day(std::int64_t day) const;
    // The matches of `day` and those of the official within `reach` days, in schedule order.
    std::vector<cEntry> NearOf(std::int64_t day, std::int64_t reach, int official) const;

    std::unordered_map<std::int64_t, std::vector<cEntry>> m_byDay;
    bool m_bKnowsOfficials = false;
    std::unordered_map<int, std::vector<cEntry>> m_byOfficial; // each official's matches, in schedule order
    std::unordered_map<const cMatch*, std::size_t> m_position;
    bool m_bSortedByDay = true; // the schedule's days never go back (a file may hold them otherwise)
};

template <class Visitor>
int cScheduleDays::ForEachNearOf(std::int64_t day, std::int64_t reach, int official, Visitor&& visit) const
{
    if (!m_bKnowsOfficials) {
        return -1;
    }
    for (const cEntry& entry : NearOf(day, reach, official)) {
        if (const int id = visit(*entry.second); id != 0) {
            return id;
        }
    }
    return 0;
}

template <class Visitor>
int cScheduleDays::ForEachNear(std::int64_t day, std::int64_t reach, Visitor&& visit) const
{
    if (reach <= 0) {
        if (const std::vector<cEntry>* today = Day(day)) {
            for (const cEntry& entry : *today) {
                if (const int id = visit(*entry.second); id != 0) {
                    return id;
                }
            }
        }
        return 0;
    }
    if (m_bSortedByDay) {
        // Day after day is schedule order.
        for (std::int64_t d = day - reach; d <= day + reach; ++d) {
            if (const std::vector<cEntry>* matches = Day(d)) {
                for (const cEntry& entry : *matches) {
                    if (const int id = visit(*entry.second); id != 0) {
                        return id;
                    }
                }
            }
        }
        return 0;
    }
    // Several days of a schedule out of order: their matches merged back into schedule order.
    std::vector<cEntry> merged;
    for (std::int64_t d = day - reach; d <= day + reach; ++d) {
        if (const std::vector<cEntry>* matches = Day(d)) {
            merged.insert(merged.end(), matches->begin(), matches->end());
        }
    }
    std::sort(merged.begin(), merged.end(),
              [](const cEntry& a, const cEntry& b) { return a.first < b.first; });
    for (const cEntry& entry : merged) {
        if (const int id = visit(*entry.second); id != 0) {
            return id;
        }
    }
    return 0;
}
