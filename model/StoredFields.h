#pragma once

// How stored fields are described. Every class kept in a database file lists
// its fields once, in file order, in a static member
//
//     template <class Self, class V> static void Fields(Self& self, V& v);
//
// calling one operation of the visitor `v` per field. The file reader and
// writer and the JSON dump are such visitors; `Self` is const for those that
// only look. The operations a visitor offers:
//
//     Int(int&, field)            a 32-bit integer
//     Time(TimePoint&, field)     a moment, 32-bit seconds in the file
//     Text(std::string&, field)   a text
//     Byte(std::uint8_t&, field), Dword(std::uint32_t&, field)
//     Ints(std::array<int, N>&, field)               N integers in a row
//     IntPairs(array a, field, array b, field)       a[0], b[0], a[1], b[1], ...
//     Reserved(field), ReservedText(field)           stored, never used: 0 and ""
//     Group(sub, field)           a part with a Fields of its own
//     Items(container, field, classes)               a container and its items
//     Version(), CheckVersion()   the file's version number, and the point
//                                 from which the version must be understood

#include <climits>
#include <optional>
#include <string_view>

struct cField
{
    std::string_view name;       // the member's name, as dumps show it
    double since = 1.0;          // the first file version that stores it
    std::optional<int> fallback; // its value when an older file lacks it; none keeps the default
    int low = INT_MIN;           // a value read is brought into [low, high], so that
    int high = INT_MAX;          // sums of such values stay within an int
    double daysBefore = 0.0;     // older files count this span in whole days, not seconds
};

// League, home team, guest team and round, which matches, unscheduled matches
// and results store in this order.
template <class V, class Int> void PairingFields(V& v, Int& league, Int& home, Int& guest, Int& round)
{
    v.Int(league, {.name = "m_nLeague"});
    v.Int(home, {.name = "m_nHomeTeam"});
    v.Int(guest, {.name = "m_nGuestTeam"});
    v.Int(round, {.name = "m_nRound"});
}

// The item classes a container may hold, as bits.
enum : unsigned
{
    kCourtClass = 1u << 0,
    kUnusedTimeClass = 1u << 1,
    kLeagueClass = 1u << 2,
    kTeamClass = 1u << 3,
    kHomeGroundClass = 1u << 4,
    kIllDateClass = 1u << 5,
    kIllTeamClass = 1u << 6,
    kPreferredTimeClass = 1u << 7,
    kRefereeClass = 1u << 8,
    kUnscheduledClass = 1u << 9,
    kMatchClass = 1u << 10,
    kPlayoffClass = 1u << 11,
    kResultClass = 1u << 12,
    kTableItemClass = 1u << 13,
};
