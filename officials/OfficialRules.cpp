#include "officials/OfficialRules.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPreferredTime.h"
#include "model/cReferee.h"
#include "model/cTeam.h"

#include <algorithm>
#include <cstdlib>

namespace {

const cMatch* NextMatch(const cMatch& match)
{
    return static_cast<const cMatch*>(cTournelDb::GetNext(match));
}

const cMatch* PrevMatch(const cMatch& match)
{
    return static_cast<const cMatch*>(cTournelDb::GetPrev(match));
}

bool SameDay(const cMatch& a, const cMatch& b)
{
    return a.LocalDay() == b.LocalDay();
}

// The most matches in a row the official may take: the document's limit or
// his own, whichever is smaller.
int SubsequentLimit(const cDatabase& db, const cReferee& official)
{
    return std::min(db.m_nMaxSubsequentGames, official.m_nMaxSubsequent);
}

// The lowest empty slot among the first `slots` of the match; -1 when all hold an official.
int FirstEmptySlot(const cMatch& match, int slots)
{
    for (int slot = 0; slot < slots; ++slot) {
        if (match.GetOfficial(slot) < 0) {
            return slot;
        }
    }
    return -1;
}

// At the look-ahead levels the official must also be able to take the
// following matches of the day on the same court that still have an empty
// slot: as many as his subsequent limit, counted from the first of them.
bool CanTakeFollowingMatches(const cDatabase& db, const cMatch& match, const cReferee& official,
                             const cScheduleDays* days)
{
    const int limit = SubsequentLimit(db, official);
    if (limit < 2) {
        return true;
    }
    const int slots = OfficialsPerGame(db);
    int series = 1; // the match itself
    for (const cMatch* next = NextMatch(match); next != nullptr; next = NextMatch(*next)) {
        if (!SameDay(*next, match) || next->m_nCourt != match.m_nCourt || series > limit) {
            break;
        }
        const int slot = FirstEmptySlot(*next, slots);
        if (slot < 0) {
            break;
        }
        if (CheckOfficial(db, *next, official, slot, kBasicLevel, {}, days) != 0) {
            return false;
        }
        ++series;
    }
    return true;
}

const std::string* ClubOf(const cDatabase& db, int league, int team)
{
    const cTeam* found = db.GetTeam(league, team);
    return found != nullptr ? &found->m_strClub : nullptr;
}

// Exactly one of the two teams belongs to the official's club (case-sensitive):
// an official may referee a match between two teams of his own club.
bool OfficiatesOwnClubAgainstAnother(const cDatabase& db, const cMatch& match, const cReferee& official)
{
    const std::string* home = ClubOf(db, match.m_nLeague, match.m_nHomeTeam);
    const std::string* guest = ClubOf(db, match.m_nLeague, match.m_nGuestTeam);
    const bool homeOwn = home != nullptr && *home == official.m_strClubOfficial;
    const bool guestOwn = guest != nullptr && *guest == official.m_strClubOfficial;
    return homeOwn != guestOwn;
}

bool OnDayOff(const cMatch& match, const cReferee& official)
{
    const Weekday weekday = LocalTime(match.m_tStart).weekday;
    return weekday == official.m_nDayOff1 || weekday == official.m_nDayOff2;
}

bool HoldsOtherSlot(const cDatabase& db, const cMatch& match, const cReferee& official, int slot)
{
    const int slots = OfficialsPerGame(db);
    for (int other = 0; other < slots; ++other) {
        if (other != slot && match.GetOfficial(other) == official.m_nIndex) {
            return true;
        }
    }
    return false;
}

bool HasAcceptableRating(const cDatabase& db, const cMatch& match, const cReferee& official, int slot,
                         int level)
{
    const cLeague* league = db.GetLeague(match.m_nLeague);
    if (league == nullptr) {
        return true;
    }
    return league->IsOfficialRatingAllowed(official.m_nRating, slot, level <= kBandsLevel);
}

bool OnHoliday(const cMatch& match, const cReferee& official)
{
    for (const cIllDate& holiday : official.Holidays().Items<cIllDate>()) {
        if (holiday.m_tStart <= match.m_tStart && match.m_tStart <= holiday.m_tEnd) {
            return true;
        }
    }
    return false;
}

// Without preferred times every time suits the official; only the start is tested.
bool AtPreferredTime(const cMatch& match, const cReferee& official)
{
    const cTournelDb& times = official.PreferredTimes();
    if (times.GetFirst() == nullptr) {
        return true;
    }
    const Weekday weekday = LocalTime(match.m_tStart).weekday;
    const ClockTime time = TimeOfDay(match.m_tStart);
    for (const cPreferredTime& entry : times.Items<cPreferredTime>()) {
        if (entry.m_nWeekday == weekday && entry.m_nStart <= time && time <= entry.m_nEnd) {
            return true;
        }
    }
    return false;
}

// On a day with rest required between games the official may officiate one
// unbroken series of neighbouring matches on one court, at most his
// subsequent limit long. 0 or the message id.
int CheckSeriesOfTheDay(const cDatabase& db, const cMatch& match, const cReferee& official)
{
    if (db.m_nMinDaysBetweenGames < 1) {
        return 0;
    }
    int series = 1;
    for (const auto step : {&NextMatch, &PrevMatch}) {
        bool contiguous = true;
        for (const cMatch* other = step(match); other != nullptr && SameDay(*other, match);
             other = step(*other)) {
            if (other->m_nCourt != match.m_nCourt) {
                contiguous = false;
            }
            if (IsAssigned(db, *other, official.m_nIndex)) {
                if (!contiguous) {
                    return IDS_OFFICIAL_SAME_DAY;
                }
                ++series;
            } else {
                contiguous = false;
            }
        }
    }
    return series > SubsequentLimit(db, official) ? IDS_OFFICIAL_TOO_MANY_SUBSEQUENT : 0;
}

// Two matches clash when their times overlap at all, a match that contains
// the other included; two matches starting together always clash.
bool TimesOverlap(const cMatch& a, const cMatch& b)
{
    return a.m_tStart == b.m_tStart || (a.m_tStart < b.m_tEnd && b.m_tStart < a.m_tEnd);
}

// A team conflict of the official with a team of `other`, a match on the day
// of `match`. A twin blocks the whole day; another conflict blocks a match of
// that team close in time on another court, and the match itself.
bool ConflictsWithTeam(const cDatabase& db, const cMatch& match, const cMatch& other,
                       const cReferee& official)
{
    const long long window = (static_cast<long long>(match.GetDuration()) + db.m_nConflictMargin) * 60;
    for (const cIllTeam& conflict : official.TeamConflicts().Items<cIllTeam>()) {
        if (conflict.m_nLeague != other.m_nLeague ||
            (conflict.m_nTeam != other.m_nHomeTeam && conflict.m_nTeam != other.m_nGuestTeam)) {
            continue;
        }
        if (conflict.m_bTwinTeam != 0 || &other == &match) {
            return true;
        }
        if (other.m_nCourt != match.m_nCourt && std::llabs(other.m_tStart - match.m_tStart) < window) {
            return true;
        }
    }
    return false;
}

// The rules that compare the match with every other scheduled match; the
// first match in list order that breaks one decides. 0 or the message id.
int CheckOtherMatch(const cDatabase& db, const cMatch& match, const cReferee& official, const cMatch& other)
{
    const std::int64_t days = other.LocalDay() - match.LocalDay();
    const std::int64_t distance = days < 0 ? -days : days;
    if (distance == 0) {
        if (&other != &match && TimesOverlap(match, other) && IsAssigned(db, other, official.m_nIndex)) {
            return IDS_OFFICIAL_SAME_TIME;
        }
        if (db.m_bIgnoreTeamConflicts == 0 && ConflictsWithTeam(db, match, other, official)) {
            return IDS_OFFICIAL_TEAM_CONFLICT;
        }
    } else if (distance < db.m_nMinDaysBetweenGames && IsAssigned(db, other, official.m_nIndex)) {
        return IDS_OFFICIAL_DAYS_BETWEEN;
    }
    return 0;
}

int CheckOtherMatches(const cDatabase& db, const cMatch& match, const cReferee& official,
                      const cScheduleDays* days)
{
    if (days != nullptr && days->Holds(match)) {
        // Only matches under the minimum distance away can break a rule.
        const std::int64_t reach = std::max(db.m_nMinDaysBetweenGames, 1) - 1;
        const auto visit = [&](const cMatch& other) { return CheckOtherMatch(db, match, official, other); };
        // On another day only a match the official holds can break a rule.
        if (const int id = days->ForEachNearOf(match.LocalDay(), reach, official.m_nIndex, visit); id >= 0) {
            return id;
        }
        return days->ForEachNear(match.LocalDay(), reach, visit);
    }
    for (const cMatch& other : db.Scheduled().Items<cMatch>()) {
        if (const int id = CheckOtherMatch(db, match, official, other); id != 0) {
            return id;
        }
    }
    return 0;
}

} // namespace

int OfficialsPerGame(const cDatabase& db)
{
    return std::clamp(db.m_nOfficialsPerGame, 1, cMatch::kOfficialPositions);
}

bool IsAssigned(const cDatabase& db, const cMatch& match, int official)
{
    const int slots = OfficialsPerGame(db);
    for (int slot = 0; slot < slots; ++slot) {
        if (match.GetOfficial(slot) == official) {
            return true;
        }
    }
    return false;
}

int CheckOfficial(const cDatabase& db, const cMatch& match, const cReferee& official, int slot, int level,
                  const cTopClubs& topClubs, const cScheduleDays* days)
{
    const bool lookAhead = level == kStrictestLevel || level == kLookAheadLevel;
    if (lookAhead && !CanTakeFollowingMatches(db, match, official, days)) {
        return IDS_OFFICIAL_SUBSEQUENT_HERE;
    }
    if (level == kTopClubsLevel && !topClubs.Contains(official.m_strClubOfficial)) {
        return IDS_OFFICIAL_CLUB_REPRESENTATION;
    }
    // A negative remainder (the maximum lowered below the games held) passes.
    if (official.GetRemainingGames() == 0 && match.GetOfficial(slot) != official.m_nIndex) {
        return IDS_OFFICIAL_MAX_GAMES;
    }
    if (db.m_bIgnoreClub == 0 && !match.IsPlayoff() && OfficiatesOwnClubAgainstAnother(db, match, official)) {
        return IDS_OFFICIAL_OWN_CLUB;
    }
    if (db.m_bIgnoreDaysOff == 0 && OnDayOff(match, official)) {
        return IDS_OFFICIAL_DAY_OFF;
    }
    if (HoldsOtherSlot(db, match, official, slot)) {
        return IDS_OFFICIAL_ALREADY_ASSIGNED;
    }
    if (db.m_bIgnoreRatings == 0 && !match.IsPlayoff() &&
        !HasAcceptableRating(db, match, official, slot, level)) {
        return IDS_OFFICIAL_RATING;
    }
    if (db.m_bIgnoreHolidays == 0 && OnHoliday(match, official)) {
        return IDS_OFFICIAL_HOLIDAY;
    }
    if (level <= kBandsLevel && db.m_bIgnorePreferredTime == 0 && !AtPreferredTime(match, official)) {
        return IDS_OFFICIAL_PREFERRED_TIME;
    }
    if (const int id = CheckSeriesOfTheDay(db, match, official); id != 0) {
        return id;
    }
    return CheckOtherMatches(db, match, official, days);
}

cScheduleDays::cScheduleDays(const cDatabase& db, bool knowOfficials)
    : m_bKnowsOfficials(knowOfficials)
{
    const int slots = OfficialsPerGame(db);
    std::size_t position = 0;
    std::int64_t lastDay = 0;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        if (position > 0 && match.LocalDay() < lastDay) {
            m_bSortedByDay = false;
        }
        lastDay = match.LocalDay();
        m_byDay[match.LocalDay()].emplace_back(position, &match);
        m_position.emplace(&match, position);
        if (knowOfficials) {
            for (int slot = 0; slot < slots; ++slot) {
                const int official = match.GetOfficial(slot);
                bool listed = false; // an official on two slots (a damaged file) is listed once
                for (int earlier = 0; earlier < slot; ++earlier) {
                    listed = listed || match.GetOfficial(earlier) == official;
                }
                if (official >= 0 && !listed) {
                    m_byOfficial[official].emplace_back(position, &match);
                }
            }
        }
        ++position;
    }
}

const std::vector<cScheduleDays::cEntry>* cScheduleDays::Day(std::int64_t day) const
{
    const auto found = m_byDay.find(day);
    return found != m_byDay.end() ? &found->second : nullptr;
}

std::vector<cScheduleDays::cEntry> cScheduleDays::NearOf(std::int64_t day, std::int64_t reach,
                                                         int official) const
{
    std::vector<cEntry> near;
    if (const std::vector<cEntry>* today = Day(day)) {
        near = *today;
    }
    if (const auto held = m_byOfficial.find(official); held != m_byOfficial.end()) {
        const std::size_t todayCount = near.size();
        for (const cEntry& entry : held->second) {
            const std::int64_t other = entry.second->LocalDay();
            if (other != day && other >= day - reach && other <= day + reach) {
                near.push_back(entry);
            }
        }
        std::inplace_merge(near.begin(), near.begin() + static_cast<std::ptrdiff_t>(todayCount), near.end(),
                           [](const cEntry& a, const cEntry& b) { return a.first < b.first; });
    }
    return near;
}
