#include "scheduling/Placement.h"

#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cHomeGround.h"
#include "model/cIllDate.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPreferredTime.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kSecondsPerDay = 86400;

bool FitsPreferredTime(const cTournelDb& times, Weekday weekday, ClockTime time)
{
    for (const cPreferredTime& entry : times.Items<cPreferredTime>()) {
        if (entry.m_nWeekday == weekday && entry.m_nStart <= time && time <= entry.m_nEnd) {
            return true;
        }
    }
    return false;
}

bool HasItems(const cTournelDb& container)
{
    return container.GetFirst() != nullptr;
}

// The preferred playing time rule for one team: its own entries decide; without any, the league's entries
// (which did not fit) refuse.
bool TeamFitsPreferredTime(const cTeam* team, bool leagueHasTimes, Weekday weekday, ClockTime time)
{
    if (team != nullptr && HasItems(team->PreferredTimes())) {
        return FitsPreferredTime(team->PreferredTimes(), weekday, time);
    }
    return !leagueHasTimes;
}

bool OnHoliday(const cTournelDb& holidays, TimePoint start)
{
    for (const cIllDate& holiday : holidays.Items<cIllDate>()) {
        if (holiday.m_tStart <= start && start <= holiday.m_tEnd) {
            return true;
        }
    }
    return false;
}

// The home ground rule for the home team; 0 or the message id.
int CheckHomeGround(const cTeam* home, const cCourt& court, Weekday weekday, ClockTime time)
{
    if (home == nullptr || !HasItems(home->HomeGrounds())) {
        return court.m_bReservedHomeGround != 0 ? IDS_RESERVED_HOME_GROUND : 0;
    }
    for (const cHomeGround& ground : home->HomeGrounds().Items<cHomeGround>()) {
        if (ground.m_nCourt == court.m_nIndex && (ground.m_nWeekday == weekday || ground.m_nWeekday == -1) &&
            ground.m_nStart <= time && time <= ground.m_nEnd) {
            return 0;
        }
    }
    return IDS_NOT_LEGAL_HOME_GROUND;
}

bool Plays(const cMatch& match, int team)
{
    return match.m_nHomeTeam == team || match.m_nGuestTeam == team;
}

// Whether an entry of `conflicts` names team `first` or `second` of `league`,
// and whether one of those is a twin.
struct cConflictHit
{
    bool any = false;
    bool twin = false;
};

void FindConflicts(const cTeam* owner, int league, int first, int second, cConflictHit& hit)
{
    if (owner == nullptr) {
        return;
    }
    for (const cIllTeam& entry : owner->TeamConflicts().Items<cIllTeam>()) {
        if (entry.m_nLeague == league && (entry.m_nTeam == first || entry.m_nTeam == second)) {
            hit.any = true;
            if (entry.m_bTwinTeam != 0) {
                hit.twin = true;
                return;
            }
        }
    }
}

// The ranges sorted and merged where they overlap or lie less than `gap`
// apart (1 for inclusive ranges of whole days, 0 for half-open stretches).
template <class T> std::vector<std::pair<T, T>> Merged(std::vector<std::pair<T, T>> ranges, T gap)
{
    std::sort(ranges.begin(), ranges.end());
    std::vector<std::pair<T, T>> merged;
    for (const auto& range : ranges) {
        if (!merged.empty() && range.first <= merged.back().second + gap) {
            merged.back().second = std::max(merged.back().second, range.second);
        } else {
            merged.push_back(range);
        }
    }
    return merged;
}

// True when `other` starts strictly inside (start - minutes, start + minutes).
bool InWindow(TimePoint other, TimePoint start, long long minutes)
{
    return std::llabs(other - start) < minutes * 60;
}

// What the rules need to know of one candidate placement.
struct cCandidate
{
    const cCourt* court = nullptr;
    const cLeague* league = nullptr;
    const cTeam* home = nullptr;
    const cTeam* guest = nullptr;
    int leagueIndex = 0;
    int homeIndex = 0;
    int guestIndex = 0;
    TimePoint start = 0;
    std::int64_t day = 0;
    long long duration = 0;
    long long margin = 0;
    int restDays = 0;
    int returnDays = 0;
    long long restMinutes = 0;
    long long returnMinutes = 0;
};

// The rules that look at the match and the slot alone, in their order; 0 when
// all of them pass, with `c` filled for the rules about other matches.
int CheckSlotRules(const cDatabase& db, const cUnscheduledMatch& match, const cUnusedTime& courtTime,
                   TimePoint start, const cLocalTime& local, ePass pass, cCandidate& c)
{
    const cCourt* court = db.GetCourt(courtTime.m_nCourt);
    const cLeague* league = db.GetLeague(match.GetLeague());
    if (court == nullptr || league == nullptr) {
        return IDS_UNEXPECTED_ERROR;
    }
    c.court = court;
    c.league = league;
    c.leagueIndex = league->m_nIndex;
    c.homeIndex = match.GetHomeTeam();
    c.guestIndex = match.GetGuestTeam();
    c.home = league->GetTeam(c.homeIndex);
    c.guest = league->GetTeam(c.guestIndex);
    c.start = start;
    const cTeam* home = c.home;
    const cTeam* guest = c.guest;
    const Weekday weekday = local.weekday;
    const ClockTime time = local.hour * 100 + local.minute;
    c.day = DayNumber(local.year, local.month, local.day);
    c.duration = league->m_nGameDuration;
    c.margin = db.m_nSchedConflictMargin;
    c.restDays = league->m_tsRestSameTeam / kSecondsPerDay;
    c.returnDays = league->m_tsRestSamePair / kSecondsPerDay;
    // A span under one day counts in minutes; from one day on only its whole days count.
    c.restMinutes = c.restDays == 0 ? league->m_tsRestSameTeam / 60 : 0;
    c.returnMinutes = c.returnDays == 0 ? league->m_tsRestSamePair / 60 : 0;
    // Preferred playing time.
    if (db.m_bSchedIgnorePreferredTime == 0 && pass == ePass::kWithPreferredTime &&
        !FitsPreferredTime(league->PreferredTimes(), weekday, time)) {
        const bool leagueHasTimes = HasItems(league->PreferredTimes());
        if (!TeamFitsPreferredTime(home, leagueHasTimes, weekday, time) ||
            !TeamFitsPreferredTime(guest, leagueHasTimes, weekday, time)) {
            return IDS_NOT_PREFERRED_TIME;
        }
    }
    // Court rating.
    if (db.m_bSchedIgnoreCourtRatings == 0 &&
        (court->m_nRating < league->m_nMinCourtRating || court->m_nRating > league->m_nMaxCourtRating)) {
        return IDS_ILLEGAL_COURT_RATING;
    }
    // Home ground: the home team's only.
    if (db.m_bSchedIgnoreHomeGrounds == 0) {
        if (const int id = CheckHomeGround(home, *court, weekday, time); id != 0) {
            return id;
        }
    }
    // Holidays.
    if (db.m_bSchedIgnoreHolidays == 0) {
        if (OnHoliday(league->Holidays(), start)) {
            return IDS_LEAGUE_HOLIDAY;
        }
        if (home != nullptr && OnHoliday(home->Holidays(), start)) {
            return IDS_HOME_HOLIDAY;
        }
        if (guest != nullptr && OnHoliday(guest->Holidays(), start)) {
            return IDS_GUEST_HOLIDAY;
        }
    }
    // Permanent day off.
    if (db.m_bSchedIgnoreWeekdays == 0) {
        if (home != nullptr && home->m_nDayOff == weekday) {
            return IDS_HOME_DAY_OFF;
        }
        if (guest != nullptr && guest->m_nDayOff == weekday) {
            return IDS_GUEST_DAY_OFF;
        }
    }
    // Latest start.
    if (db.m_bSchedIgnoreLatestStart == 0 && time > league->m_nLatestStart) {
        return IDS_TOO_LATE_START;
    }

    return 0;
}

// The conflict rule between the candidate and another league's match on
// another court on the same day: 0 or IDS_TEAM_CONFLICT. The window is the
// candidate's game length plus the margin, so it is not the same seen from
// either match when the two leagues play games of different lengths. A match
// checked where it stands (`placed`) may have been placed before or after the
// other, so there the pair conflicts only when each lies in the other's window.
int CheckTeamConflict(const cDatabase& db, const cCandidate& c, const cMatch& other, bool placed)
{
    cConflictHit hit;
    FindConflicts(c.home, other.m_nLeague, other.m_nHomeTeam, other.m_nGuestTeam, hit);
    if (!hit.twin) {
        FindConflicts(c.guest, other.m_nLeague, other.m_nHomeTeam, other.m_nGuestTeam, hit);
    }
    if (!hit.twin) {
        FindConflicts(db.GetTeam(other.m_nLeague, other.m_nHomeTeam), c.leagueIndex, c.homeIndex,
                      c.guestIndex, hit);
    }
    if (!hit.twin) {
        FindConflicts(db.GetTeam(other.m_nLeague, other.m_nGuestTeam), c.leagueIndex, c.homeIndex,
                      c.guestIndex, hit);
    }
    long long duration = c.duration;
    if (placed) {
        if (const cLeague* league = db.GetLeague(other.m_nLeague); league != nullptr) {
            duration = std::min<long long>(duration, league->m_nGameDuration);
        }
    }
    return hit.twin || (hit.any && InWindow(other.m_tStart, c.start, duration + c.margin)) ? IDS_TEAM_CONFLICT
                                                                                           : 0;
}

} // namespace

int CheckPlacement(const cDatabase& db, const cUnscheduledMatch& match, const cUnusedTime& courtTime,
                   TimePoint start, TimePoint, ePass pass, const cMatch* leftOut)
{
    cCandidate c;
    if (const int id = CheckSlotRules(db, match, courtTime, start, LocalTime(start), pass, c); id != 0) {
        return id;
    }
    const cLeague* league = c.league;
    const int leagueIndex = c.leagueIndex;
    const int homeIndex = c.homeIndex;
    const int guestIndex = c.guestIndex;
    const std::int64_t day = c.day;
    const int restDays = c.restDays;
    const int returnDays = c.returnDays;
    const long long returnMinutes = c.returnMinutes;
    const long long restMinutes = c.restMinutes;
    const long long duration = c.duration;

    // The rules about other matches: one walk through the schedule.
    int homeToday = 0;
    int guestToday = 0;
    for (const cMatch& other : db.Scheduled().Items<cMatch>()) {
        if (&other == leftOut) {
            continue;
        }
        const std::int64_t distance = LocalDayNumber(other.m_tStart) - day;
        const int dd = static_cast<int>(distance < 0 ? -distance : distance);
        const bool sameLeague = !other.IsPlayoff() && other.m_nLeague == leagueIndex;
        if (sameLeague) {
            // Rest between two matches of a team, in days.
            if (dd < restDays) {
                if (Plays(other, homeIndex)) {
                    return IDS_HOME_REST;
                }
                if (Plays(other, guestIndex)) {
                    return IDS_GUEST_REST;
                }
            }
            // Rest between two meetings of the same two teams.
            if (db.m_bSchedIgnoreMinDays == 0 &&
                (dd < returnDays ||
                 (dd == 0 && returnDays == 0 && InWindow(other.m_tStart, start, returnMinutes + duration))) &&
                Plays(other, homeIndex) && Plays(other, guestIndex)) {
                return IDS_PAIR_REST;
            }
        }
        if (other.IsPlayoff() || dd != 0) {
            continue;
        }
        if (sameLeague) {
            // Matches per team and day.
            if (Plays(other, homeIndex)) {
                ++homeToday;
            }
            if (Plays(other, guestIndex)) {
                ++guestToday;
            }
            if (homeToday >= league->m_nMatchesPerDay) {
                return IDS_HOME_MATCHES_PER_DAY;
            }
            if (guestToday >= league->m_nMatchesPerDay) {
                return IDS_GUEST_MATCHES_PER_DAY;
            }
            // Rest under one day, in minutes.
            if (restDays == 0 && InWindow(other.m_tStart, start, restMinutes + duration)) {
                if (Plays(other, homeIndex)) {
                    return IDS_HOME_SIMULTANEOUS;
                }
                if (Plays(other, guestIndex)) {
                    return IDS_GUEST_SIMULTANEOUS;
                }
            }
        }
        // Team conflicts with another league's match on another court that day.
        if (db.m_bSchedIgnoreTeamConflicts == 0 && other.m_nCourt != c.court->m_nIndex && !sameLeague) {
            if (const int id = CheckTeamConflict(db, c, other, leftOut != nullptr); id != 0) {
                return id;
            }
        }
    }
    return 0;
}

// ---- the index ----

const std::vector<cPlacementIndex::cEntry> cPlacementIndex::s_none;

namespace {

// From the earliest to the latest point of the court time and the schedule.
cLocalZone ZoneOfSeason(const cDatabase& db)
{
    TimePoint from = 0;
    TimePoint to = -1;
    const auto take = [&from, &to](TimePoint start, TimePoint end) {
        if (to < from) {
            from = start;
            to = end;
        }
        from = std::min(from, start);
        to = std::max(to, end);
    };
    for (const cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
        take(period.m_tStart, period.m_tEnd);
    }
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        take(match.m_tStart, match.m_tEnd);
    }
    return cLocalZone(from, to);
}

} // namespace

cPlacementIndex::cPlacementIndex(const cDatabase& db)
    : m_zone(ZoneOfSeason(db))
{
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        Add(match);
    }
    // Every team as GetTeam finds it, hidden or not; its entries as the rule reads them.
    for (const cLeague& league : db.Leagues().AllItems<cLeague>()) {
        for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
            if (db.GetTeam(league.m_nIndex, team.m_nIndex) != &team) {
                continue;
            }
            for (const cIllTeam& entry : team.TeamConflicts().Items<cIllTeam>()) {
                m_namedBy[{entry.m_nLeague, entry.m_nTeam}].emplace_back(league.m_nIndex, team.m_nIndex);
            }
        }
    }
}

void cPlacementIndex::Add(const cMatch& match)
{
    if (match.IsPlayoff() || match.m_bHidden != 0) {
        return;
    }
    const cEntry entry{m_zone.DayOf(match.m_tStart), &match};
    m_byTeam[{match.m_nLeague, match.m_nHomeTeam}].push_back(entry);
    if (match.m_nGuestTeam != match.m_nHomeTeam) {
        m_byTeam[{match.m_nLeague, match.m_nGuestTeam}].push_back(entry);
    }
    m_byDay[entry.day].push_back(entry);
}

void cPlacementIndex::Remove(const cMatch& match)
{
    if (match.IsPlayoff() || match.m_bHidden != 0) {
        return;
    }
    const auto drop = [&match](std::vector<cEntry>& entries) {
        // The order of the others is kept: the answers do not depend on it, but a search reads it.
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&match](const cEntry& entry) { return entry.match == &match; });
        if (found != entries.end()) {
            entries.erase(found);
        }
    };
    for (const int team : {match.m_nHomeTeam, match.m_nGuestTeam}) {
        if (const auto list = m_byTeam.find({match.m_nLeague, team}); list != m_byTeam.end()) {
            drop(list->second);
        }
    }
    if (const auto today = m_byDay.find(m_zone.DayOf(match.m_tStart)); today != m_byDay.end()) {
        drop(today->second);
    }
}

const std::vector<cPlacementIndex::cEntry>& cPlacementIndex::TeamMatches(int league, int team) const
{
    const auto found = m_byTeam.find({league, team});
    return found != m_byTeam.end() ? found->second : s_none;
}

bool cPlacementIndex::Allows(const cDatabase& db, const cUnscheduledMatch& match,
                             const cUnusedTime& courtTime, TimePoint start, ePass pass,
                             const cMatch* leftOut) const
{
    return Allows(db, match, courtTime, start, m_zone.At(start), pass, leftOut);
}

bool cPlacementIndex::Allows(const cDatabase& db, const cUnscheduledMatch& match,
                             const cUnusedTime& courtTime, TimePoint start, const cLocalTime& local,
                             ePass pass, const cMatch* leftOut) const
{
    cCandidate c;
    if (CheckSlotRules(db, match, courtTime, start, local, pass, c) != 0) {
        return false;
    }
    const int limit = c.league->m_nMatchesPerDay;
    const auto dayDistance = [&c](const cEntry& entry) {
        const std::int64_t distance = entry.day - c.day;
        return static_cast<int>(distance < 0 ? -distance : distance);
    };
    // The rules about the two teams' own matches in the league.
    int homeToday = 0;
    int guestToday = 0;
    for (const int side : {0, 1}) {
        const int team = side == 0 ? c.homeIndex : c.guestIndex;
        if (side == 1 && team == c.homeIndex) {
            break; // a team playing itself has one list
        }
        for (const cEntry& entry : TeamMatches(c.leagueIndex, team)) {
            if (entry.match == leftOut) {
                continue;
            }
            const cMatch& other = *entry.match;
            const int dd = dayDistance(entry);
            if (dd < c.restDays) {
                return false;
            }
            if (db.m_bSchedIgnoreMinDays == 0 &&
                (dd < c.returnDays || (dd == 0 && c.returnDays == 0 &&
                                       InWindow(other.m_tStart, c.start, c.returnMinutes + c.duration))) &&
                Plays(other, c.homeIndex) && Plays(other, c.guestIndex)) {
                return false;
            }
            if (dd != 0) {
                continue;
            }
            if (c.restDays == 0 && InWindow(other.m_tStart, c.start, c.restMinutes + c.duration)) {
                return false;
            }
            // Counted once per match, whichever list it is found in.
            if (side == 0 || !Plays(other, c.homeIndex)) {
                homeToday += Plays(other, c.homeIndex) ? 1 : 0;
                guestToday += Plays(other, c.guestIndex) ? 1 : 0;
            }
        }
    }
    if (limit >= 1 && (homeToday >= limit || guestToday >= limit)) {
        return false;
    }
    // No match of the league may share the day when the limit is none.
    if (limit < 1) {
        if (const auto today = m_byDay.find(c.day); today != m_byDay.end()) {
            for (const cEntry& entry : today->second) {
                if (entry.match != leftOut && entry.match->m_nLeague == c.leagueIndex) {
                    return false;
                }
            }
        }
    }
    if (db.m_bSchedIgnoreTeamConflicts != 0) {
        return true;
    }
    // Another league's match on another court that day conflicts only when
    // one of its teams is named in a conflict of the two teams, or names one
    // of them: the matches of those teams are all that need a look.
    const auto conflicts = [this, &db, &c, leftOut](int league, int team) {
        for (const cEntry& entry : TeamMatches(league, team)) {
            const cMatch& other = *entry.match;
            if (entry.match != leftOut && entry.day == c.day && other.m_nLeague != c.leagueIndex &&
                other.m_nCourt != c.court->m_nIndex &&
                CheckTeamConflict(db, c, other, leftOut != nullptr) != 0) {
                return true;
            }
        }
        return false;
    };
    for (const cTeam* team : {c.home, c.guest}) {
        if (team == nullptr) {
            continue;
        }
        for (const cIllTeam& entry : team->TeamConflicts().Items<cIllTeam>()) {
            if (conflicts(entry.m_nLeague, entry.m_nTeam)) {
                return false;
            }
        }
    }
    for (const int team : {c.homeIndex, c.guestIndex}) {
        if (const auto named = m_namedBy.find({c.leagueIndex, team}); named != m_namedBy.end()) {
            for (const auto& [league, owner] : named->second) {
                if (conflicts(league, owner)) {
                    return false;
                }
            }
        }
    }
    return true;
}

std::vector<std::pair<std::int64_t, std::int64_t>>
cPlacementIndex::RefusedDays(const cDatabase& db, const cUnscheduledMatch& match) const
{
    std::vector<std::pair<std::int64_t, std::int64_t>> days;
    const cLeague* league = db.GetLeague(match.GetLeague());
    if (league == nullptr) {
        return days;
    }
    const int home = match.GetHomeTeam();
    const int guest = match.GetGuestTeam();
    const std::int64_t restDays = league->m_tsRestSameTeam / kSecondsPerDay;
    const std::int64_t returnDays =
        db.m_bSchedIgnoreMinDays == 0 ? league->m_tsRestSamePair / kSecondsPerDay : 0;
    for (const int team : {home, guest}) {
        for (const cEntry& entry : TeamMatches(league->m_nIndex, team)) {
            // A distance under the rest (or, for the same pair, the return) days is refused.
            std::int64_t reach = restDays - 1;
            if (Plays(*entry.match, home) && Plays(*entry.match, guest)) {
                reach = std::max(reach, returnDays - 1);
            }
            if (reach >= 0) {
                days.emplace_back(entry.day - reach, entry.day + reach);
            }
        }
    }
    return Merged(std::move(days), std::int64_t{1}); // whole days: neighbours join
}

bool cPlacementIndex::CourtRefused(const cDatabase& db, const cUnscheduledMatch& match,
                                   const cUnusedTime& courtTime) const
{
    const cCourt* court = db.GetCourt(courtTime.m_nCourt);
    const cLeague* league = db.GetLeague(match.GetLeague());
    if (court == nullptr || league == nullptr) {
        return true;
    }
    if (db.m_bSchedIgnoreCourtRatings == 0 &&
        (court->m_nRating < league->m_nMinCourtRating || court->m_nRating > league->m_nMaxCourtRating)) {
        return true;
    }
    if (db.m_bSchedIgnoreHomeGrounds != 0) {
        return false;
    }
    // A reserved court without home grounds of the home team, or a court
    // that none of its home grounds names, is refused at any time.
    const cTeam* home = league->GetTeam(match.GetHomeTeam());
    if (home == nullptr || !HasItems(home->HomeGrounds())) {
        return court->m_bReservedHomeGround != 0;
    }
    for (const cHomeGround& ground : home->HomeGrounds().Items<cHomeGround>()) {
        if (ground.m_nCourt == court->m_nIndex) {
            return false;
        }
    }
    return true;
}

cPlacementIndex::cDayCursor::cDayCursor(const cPlacementIndex& index, const cDatabase& db,
                                        const cUnscheduledMatch& match)
    : m_days(index.RefusedDays(db, match))
{
    // The holidays of the league and the two teams, as stretches of time.
    const cLeague* league = db.GetLeague(match.GetLeague());
    if (league != nullptr && db.m_bSchedIgnoreHolidays == 0) {
        std::vector<std::pair<TimePoint, TimePoint>> stretches;
        const auto take = [&stretches](const cTournelDb& holidays) {
            for (const cIllDate& holiday : holidays.Items<cIllDate>()) {
                if (holiday.m_tStart <= holiday.m_tEnd &&
                    holiday.m_tEnd < std::numeric_limits<TimePoint>::max()) {
                    stretches.emplace_back(holiday.m_tStart, holiday.m_tEnd + 1);
                }
            }
        };
        take(league->Holidays());
        for (const int team : {match.GetHomeTeam(), match.GetGuestTeam()}) {
            if (const cTeam* owner = league->GetTeam(team)) {
                take(owner->Holidays());
            }
        }
        m_holidays = Merged(std::move(stretches), TimePoint{0});
    }
    for (const cCourt& court : db.Courts().AllItems<cCourt>()) {
        if (court.m_nIndex < 0 || court.m_nIndex > 100000) {
            continue;
        }
        if (static_cast<std::size_t>(court.m_nIndex) >= m_courts.size()) {
            m_courts.resize(static_cast<std::size_t>(court.m_nIndex) + 1, -1);
        }
        const cUnusedTime probe(court.m_nIndex, 0, 0);
        m_courts[static_cast<std::size_t>(court.m_nIndex)] = index.CourtRefused(db, match, probe) ? 1 : 0;
    }
}

int cPlacementIndex::cDayCursor::CourtRefused(int court) const
{
    return court >= 0 && static_cast<std::size_t>(court) < m_courts.size()
               ? m_courts[static_cast<std::size_t>(court)]
               : -1;
}

TimePoint cPlacementIndex::cDayCursor::HolidayUntil(TimePoint t)
{
    while (m_nextHoliday < m_holidays.size() && m_holidays[m_nextHoliday].second <= t) {
        ++m_nextHoliday;
    }
    return m_nextHoliday < m_holidays.size() && m_holidays[m_nextHoliday].first <= t
               ? m_holidays[m_nextHoliday].second
               : t;
}

void cPlacementIndex::cDayCursor::NoteRefused(TimePoint from, TimePoint until)
{
    if (until > m_refusedUntil) {
        m_refusedFrom = from;
        m_refusedUntil = until;
    }
}

bool cPlacementIndex::cDayCursor::Refused(std::int64_t day)
{
    while (m_next < m_days.size() && m_days[m_next].second < day) {
        ++m_next;
    }
    return m_next < m_days.size() && m_days[m_next].first <= day;
}

TimePoint cPlacementIndex::FirstAllowedStart(const cDatabase& db, const cUnscheduledMatch& match,
                                             const cUnusedTime& courtTime, TimePoint duration, ePass pass,
                                             cDayCursor& days) const
{
    if (duration <= 0 || courtTime.m_tEnd - courtTime.m_tStart < duration) {
        return -1;
    }
    const int courtRefused = days.CourtRefused(courtTime.m_nCourt);
    if (courtRefused == 1 || (courtRefused < 0 && CourtRefused(db, match, courtTime))) {
        return -1;
    }
    for (TimePoint start = courtTime.m_tStart; start + duration <= courtTime.m_tEnd; start += duration) {
        // A holiday refuses every start up to its end.
        if (const TimePoint until = days.HolidayUntil(start); until > start) {
            days.NoteRefused(start, until);
            start += (until - start - 1) / duration * duration;
            continue;
        }
        const cLocalZone::cDaySpan& span = days.SpanOf(m_zone, start);
        if (days.Refused(span.day)) {
            // So are the days up to the end of the refused range: a walk may pass them by.
            if (m_zone.DatesOnlyAdvance() && m_zone.Covers(start)) {
                days.NoteRefused(start, m_zone.EarliestOfDay(days.RefusedThrough() + 1));
            }
            // Every start before the span's end falls on the same refused day:
            // go on from the first one after it.
            start += (span.to - start - 1) / duration * duration;
            continue;
        }
        if (Allows(db, match, courtTime, start, span.At(start), pass)) {
            return start;
        }
    }
    return -1;
}

std::size_t cPlacementIndex::MemoryBytes() const
{
    // A tree node and a hash node carry a few pointers besides their value.
    constexpr std::size_t kNode = 4 * sizeof(void*);
    std::size_t bytes = m_zone.MemoryBytes();
    for (const auto& [team, entries] : m_byTeam) {
        bytes += kNode + sizeof(team) + sizeof(entries) + entries.capacity() * sizeof(cEntry);
    }
    for (const auto& [day, entries] : m_byDay) {
        bytes += kNode + sizeof(day) + sizeof(entries) + entries.capacity() * sizeof(cEntry);
    }
    for (const auto& [team, owners] : m_namedBy) {
        bytes += kNode + sizeof(team) + sizeof(owners) + owners.capacity() * sizeof(owners.front());
    }
    return bytes + m_byDay.bucket_count() * sizeof(void*);
}
