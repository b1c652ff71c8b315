#include "scheduling/Improvement.h"

#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "scheduling/Placement.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr int kNone = -1;
constexpr int kSecondsPerDay = 86400;
// How many matches of its teams one placement may push to other starts.
constexpr std::size_t kMostPushed = 2;
// How many days with matches in the way a placement tries, the fewest first.
constexpr std::size_t kDaysTried = 4;
// How deep a chain of pushed matches goes in the first round and at most.
constexpr int kFirstDepth = 2;
constexpr int kDeepest = 5;
// Rule checks one attempt to place a waiting match may make, per round.
constexpr long long kChecksPerAttempt = 1000;
// Fairness moves tried per movable match and unit of effort.
constexpr int kFairnessTrials = 12;
// A run one longer weighs as much as this many matches in an hour already taken.
constexpr long long kRunWeight = 8;

// Placed by the automatic scheduler and free to go elsewhere: not placed or
// moved by hand, no playoff match, not played, without officials.
bool MayMove(const cDatabase& db, const cMatch& match)
{
    const cLeague* league = db.GetLeague(match.m_nLeague);
    return !match.IsPlayoff() && match.m_bByHand == 0 && match.m_bHidden == 0 &&
           match.GetOfficialCount() == 0 &&
           (match.GetResult() == nullptr || !match.GetResult()->IsPlayed()) && league != nullptr &&
           match.m_tEnd > match.m_tStart;
}

// A start on a court.
struct cSpot
{
    int court = 0;
    TimePoint start = 0;
    int pushed = kNone; // the match on the court that has to make room; kNone when the court is free
};

// Time on a court that a match may use: free court time and the time of
// the scheduled matches, joined where pieces of one court starting on the
// same local date touch. A match placed within one such stretch lies in one
// free period once the matches that move out of it have given their time
// back, as the free court time list keeps its periods.
struct cStretch
{
    int court = 0;
    TimePoint from = 0;
    TimePoint to = 0;
};

// One match the search knows: a scheduled one (placed, movable or not) or
// one waiting among the unscheduled matches.
struct cEntry
{
    cMatch* real = nullptr;                     // the scheduled match; null for a waiting one
    cUnscheduledMatch* waiting = nullptr;       // the unscheduled match; null for a scheduled one
    std::unique_ptr<cMatch> shadow;             // where the search places a movable or waiting match
    std::unique_ptr<cUnscheduledMatch> pairing; // what the rules check
    TimePoint duration = 0;
    ePass pass = ePass::kAnyTime;
    bool movable = false; // the search may place it elsewhere (or place it at all)
    bool placed = false;
    int court = 0;
    TimePoint start = 0;
    std::int64_t day = 0;
    int league = kNone;
    int home = kNone;
    int guest = kNone;
    std::array<int, 2> teams{kNone, kNone}; // team slots; the second kNone for a team playing itself
    int restDays = 0;
    int returnDays = 0;
    unsigned stamp = 0; // the attempt whose chain holds it (it may not be pushed again); 0 none
};

class cSearch
{
public:
    explicit cSearch(cDatabase& db);

    int Waiting() const { return static_cast<int>(m_waiting.size()); }
    int Movable() const { return static_cast<int>(m_movable.size()); }
    // One attempt to place a waiting match; true when it was placed.
    bool TryToPlace(int id, int round);
    // One fairness move of a match to another start; true when it was kept.
    bool TryFairerStart();
    // One fairness swap of two matches of a team; true when it was kept.
    bool TrySwap();
    const std::vector<int>& WaitingIds() const { return m_waiting; }
    void Shuffle(std::vector<int>& ids);
    bool IsPlaced(int id) const { return m_entries[static_cast<std::size_t>(id)].placed; }
    // Writes what the search found into the database; answers (placed, moved).
    std::pair<int, int> Apply();

private:
    struct cStep
    {
        bool placed = false; // the step placed the entry (else it took it out)
        int id = 0;
        int court = 0;
        TimePoint start = 0;
    };

    cEntry& Entry(int id) { return m_entries[static_cast<std::size_t>(id)]; }
    int Below(int n);
    int TeamSlot(int league, int team);
    void Place(int id, int court, TimePoint start, bool logged = true);
    void TakeOut(int id, bool logged = true);
    void Rollback(std::size_t mark);
    bool Allows(const cEntry& entry, int court, TimePoint start);
    // The matches of the entry's teams that keep it off `day` by the rules
    // about rest and return: false when one of them may not move now or
    // there are more than kMostPushed.
    bool InTheWay(int id, std::int64_t day, std::vector<int>& inTheWay) const;
    // The entries on `court` that [start, end) overlaps: how many, and one of them.
    int Overlapping(int court, TimePoint start, TimePoint end, int& one) const;
    const std::vector<cSpot>& Grid(TimePoint duration, std::int64_t day);
    // A start on `day` that the rules allow the (taken out) entry; with
    // `push` one that a single movable match on the court has to leave,
    // taken out already when the answer names it.
    std::optional<cSpot> FindStart(int id, std::int64_t day, bool push);
    bool Insert(int id, int depth);
    long long TeamCost(int slot) const;

    cDatabase& m_db;
    cPlacementIndex m_index;
    std::vector<cEntry> m_entries;
    std::vector<int> m_waiting; // entries waiting at the start
    std::vector<int> m_movable; // scheduled entries that may move
    // By court: start -> (end, entry) of every scheduled match and placed entry.
    std::map<int, std::map<TimePoint, std::pair<TimePoint, int>>> m_busy;
    std::vector<cStretch> m_stretches;
    std::map<std::int64_t, std::vector<std::size_t>> m_stretchesOn; // by day: the stretches that reach it
    std::vector<std::int64_t> m_days;                               // the days of m_stretchesOn
    std::map<std::pair<int, int>, int> m_teamSlots;                 // (league, team) -> slot
    std::vector<std::vector<int>> m_teamEntries;                    // by slot: its placed entries
    std::map<std::pair<TimePoint, std::int64_t>, std::vector<cSpot>> m_grids;
    std::vector<cSpot> m_spots;
    std::vector<std::int64_t> m_free;
    bool m_mixedLengths = false;
    std::vector<cStep> m_journal;
    long long m_checksLeft = 0;
    unsigned m_stamp = 0;
    cUnusedTime m_probe;
};

cSearch::cSearch(cDatabase& db)
    : m_db(db)
    , m_index(db)
{
    const cLocalZone& zone = m_index.Zone();
    std::vector<TimePoint> lengths;
    const auto describe = [this, &db, &lengths](cEntry& entry, int league, int home, int guest) {
        entry.league = league;
        entry.home = home;
        entry.guest = guest;
        const cLeague* owner = db.GetLeague(league);
        if (owner == nullptr) {
            return;
        }
        entry.teams[0] = TeamSlot(league, home);
        entry.teams[1] = guest != home ? TeamSlot(league, guest) : kNone;
        entry.restDays = owner->m_tsRestSameTeam / kSecondsPerDay;
        entry.returnDays = db.m_bSchedIgnoreMinDays == 0 ? owner->m_tsRestSamePair / kSecondsPerDay : 0;
        lengths.push_back(entry.duration);
    };

    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        const int id = static_cast<int>(m_entries.size());
        cEntry& entry = m_entries.emplace_back();
        entry.real = &match;
        entry.placed = true;
        entry.court = match.m_nCourt;
        entry.start = match.m_tStart;
        entry.duration = match.m_tEnd - match.m_tStart;
        entry.day = zone.DayOf(match.m_tStart);
        if (match.m_tEnd > match.m_tStart) {
            m_busy[match.m_nCourt][match.m_tStart] = {match.m_tEnd, id};
        }
        if (match.IsPlayoff() || match.m_bHidden != 0) {
            continue; // busy on its court, and no rule sees it
        }
        describe(entry, match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam);
        entry.pairing = std::make_unique<cUnscheduledMatch>(
            match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound, match.m_nNumber);
        entry.movable = MayMove(db, match);
        if (entry.movable) {
            // It searches in the pass it stands in: within its preferred playing time if it is.
            const cUnusedTime here(match.m_nCourt, match.m_tStart, match.m_tEnd);
            if (CheckPlacement(db, *entry.pairing, here, match.m_tStart, match.m_tEnd,
                               ePass::kWithPreferredTime, &match) != IDS_NOT_PREFERRED_TIME) {
                entry.pass = ePass::kWithPreferredTime;
            }
            entry.shadow = std::make_unique<cMatch>();
            cMatch& shadow = *entry.shadow;
            shadow.m_bByHand = 0;
            shadow.m_nLeague = match.m_nLeague;
            shadow.m_nHomeTeam = match.m_nHomeTeam;
            shadow.m_nGuestTeam = match.m_nGuestTeam;
            shadow.m_nRound = match.m_nRound;
            shadow.m_nNumber = match.m_nNumber;
            shadow.m_nCourt = match.m_nCourt;
            shadow.m_tStart = match.m_tStart;
            shadow.m_tEnd = match.m_tEnd;
            m_index.Remove(match);
            m_index.Add(*entry.shadow);
            m_movable.push_back(id);
        }
        for (const int slot : entry.teams) {
            if (slot != kNone) {
                m_teamEntries[static_cast<std::size_t>(slot)].push_back(id);
            }
        }
    }
    for (cUnscheduledMatch& match : db.Unscheduled().Items<cUnscheduledMatch>()) {
        const cLeague* league = db.GetLeague(match.GetLeague());
        if (league == nullptr || league->m_nGameDuration <= 0) {
            continue;
        }
        const int id = static_cast<int>(m_entries.size());
        cEntry& entry = m_entries.emplace_back();
        entry.waiting = &match;
        entry.movable = true;
        entry.duration = static_cast<TimePoint>(league->m_nGameDuration) * 60;
        describe(entry, match.GetLeague(), match.GetHomeTeam(), match.GetGuestTeam());
        entry.pairing =
            std::make_unique<cUnscheduledMatch>(match.GetLeague(), match.GetHomeTeam(), match.GetGuestTeam(),
                                                match.GetRound(), match.GetNumber());
        entry.shadow = std::make_unique<cMatch>();
        entry.shadow->m_bByHand = 0;
        entry.shadow->m_nLeague = match.GetLeague();
        entry.shadow->m_nHomeTeam = match.GetHomeTeam();
        entry.shadow->m_nGuestTeam = match.GetGuestTeam();
        entry.shadow->m_nRound = match.GetRound();
        entry.shadow->m_nNumber = match.GetNumber();
        m_waiting.push_back(id);
    }
    std::sort(lengths.begin(), lengths.end());
    m_mixedLengths = !lengths.empty() && lengths.front() != lengths.back();

    // The stretches: pieces of one court and start date, joined where they touch.
    struct cPiece
    {
        int court;
        std::int64_t day;
        TimePoint from;
        TimePoint to;
        bool operator<(const cPiece& other) const
        {
            return std::tie(court, day, from, to) < std::tie(other.court, other.day, other.from, other.to);
        }
    };
    std::vector<cPiece> pieces;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (period.m_tEnd > period.m_tStart) {
            pieces.push_back({period.m_nCourt, zone.DayOf(period.m_tStart), period.m_tStart, period.m_tEnd});
        }
    }
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (match.m_tEnd > match.m_tStart) {
            pieces.push_back({match.m_nCourt, zone.DayOf(match.m_tStart), match.m_tStart, match.m_tEnd});
        }
    }
    std::sort(pieces.begin(), pieces.end());
    for (std::size_t i = 0; i < pieces.size();) {
        cStretch stretch{pieces[i].court, pieces[i].from, pieces[i].to};
        std::size_t j = i + 1;
        while (j < pieces.size() && pieces[j].court == pieces[i].court && pieces[j].day == pieces[i].day &&
               pieces[j].from <= stretch.to) {
            stretch.to = std::max(stretch.to, pieces[j].to);
            ++j;
        }
        m_stretches.push_back(stretch);
        i = j;
    }
    std::sort(m_stretches.begin(), m_stretches.end(), [](const cStretch& a, const cStretch& b) {
        return std::tie(a.from, a.court, a.to) < std::tie(b.from, b.court, b.to);
    });
    for (std::size_t s = 0; s < m_stretches.size(); ++s) {
        const std::int64_t first = zone.DayOf(m_stretches[s].from);
        const std::int64_t last = zone.DayOf(m_stretches[s].to - 1);
        for (std::int64_t day = first; day <= last && day - first < 7; ++day) {
            m_stretchesOn[day].push_back(s);
        }
    }
    for (const auto& [day, stretches] : m_stretchesOn) {
        m_days.push_back(day);
    }
}

int cSearch::Below(int n)
{
    if (n <= 1) {
        return 0;
    }
    const long long r =
        static_cast<long long>(m_db.m_random.Next()) * (cRandom::kMax + 1) + m_db.m_random.Next();
    return static_cast<int>(r % n);
}

void cSearch::Shuffle(std::vector<int>& ids)
{
    for (std::size_t i = ids.size(); i > 1; --i) {
        std::swap(ids[i - 1], ids[static_cast<std::size_t>(Below(static_cast<int>(i)))]);
    }
}

int cSearch::TeamSlot(int league, int team)
{
    const auto [found, added] =
        m_teamSlots.try_emplace({league, team}, static_cast<int>(m_teamEntries.size()));
    if (added) {
        m_teamEntries.emplace_back();
    }
    return found->second;
}

void cSearch::Place(int id, int court, TimePoint start, bool logged)
{
    cEntry& entry = Entry(id);
    entry.court = court;
    entry.start = start;
    entry.day = m_index.Zone().DayOf(start);
    entry.placed = true;
    entry.shadow->m_nCourt = court;
    entry.shadow->m_tStart = start;
    entry.shadow->m_tEnd = start + entry.duration;
    m_index.Add(*entry.shadow);
    m_busy[court][start] = {start + entry.duration, id};
    for (const int slot : entry.teams) {
        if (slot != kNone) {
            m_teamEntries[static_cast<std::size_t>(slot)].push_back(id);
        }
    }
    if (logged) {
        m_journal.push_back({true, id, court, start});
    }
}

void cSearch::TakeOut(int id, bool logged)
{
    cEntry& entry = Entry(id);
    m_index.Remove(*entry.shadow);
    // Only its own record: a damaged file may hold two matches starting together on a court.
    auto& busy = m_busy[entry.court];
    if (const auto found = busy.find(entry.start); found != busy.end() && found->second.second == id) {
        busy.erase(found);
    }
    for (const int slot : entry.teams) {
        if (slot != kNone) {
            std::vector<int>& list = m_teamEntries[static_cast<std::size_t>(slot)];
            list.erase(std::find(list.begin(), list.end(), id));
        }
    }
    entry.placed = false;
    if (logged) {
        m_journal.push_back({false, id, entry.court, entry.start});
    }
}

void cSearch::Rollback(std::size_t mark)
{
    while (m_journal.size() > mark) {
        const cStep step = m_journal.back();
        m_journal.pop_back();
        if (step.placed) {
            TakeOut(step.id, false);
        } else {
            Place(step.id, step.court, step.start, false);
        }
    }
}

bool cSearch::Allows(const cEntry& entry, int court, TimePoint start)
{
    --m_checksLeft;
    m_probe.m_nCourt = court;
    m_probe.m_tStart = start;
    m_probe.m_tEnd = start + entry.duration;
    return m_index.Allows(m_db, *entry.pairing, m_probe, start, entry.pass);
}

bool cSearch::InTheWay(int id, std::int64_t day, std::vector<int>& inTheWay) const
{
    const cEntry& entry = m_entries[static_cast<std::size_t>(id)];
    const int reach = std::max(entry.restDays, 1); // a team's other match that day counts too
    for (const int slot : entry.teams) {
        if (slot == kNone) {
            continue;
        }
        for (const int otherId : m_teamEntries[static_cast<std::size_t>(slot)]) {
            if (otherId == id) {
                continue;
            }
            const cEntry& other = m_entries[static_cast<std::size_t>(otherId)];
            const std::int64_t distance = other.day > day ? other.day - day : day - other.day;
            const bool samePair = (other.home == entry.home || other.guest == entry.home) &&
                                  (other.home == entry.guest || other.guest == entry.guest);
            if (distance >= reach && !(samePair && distance < entry.returnDays)) {
                continue;
            }
            if (!other.movable || other.stamp == m_stamp) {
                return false;
            }
            if (std::find(inTheWay.begin(), inTheWay.end(), otherId) == inTheWay.end()) {
                if (inTheWay.size() == kMostPushed) {
                    return false;
                }
                inTheWay.push_back(otherId);
            }
        }
    }
    return true;
}

int cSearch::Overlapping(int court, TimePoint start, TimePoint end, int& one) const
{
    const auto found = m_busy.find(court);
    if (found == m_busy.end()) {
        return 0;
    }
    const auto& busy = found->second;
    int count = 0;
    auto it = busy.lower_bound(start);
    if (it != busy.begin()) {
        const auto before = std::prev(it);
        if (before->second.first > start) {
            ++count;
            one = before->second.second;
        }
    }
    for (; it != busy.end() && it->first < end; ++it) {
        ++count;
        one = it->second.second;
    }
    return count;
}

const std::vector<cSpot>& cSearch::Grid(TimePoint duration, std::int64_t day)
{
    const auto [found, added] = m_grids.try_emplace({duration, day});
    if (added) {
        const cLocalZone& zone = m_index.Zone();
        for (const std::size_t s : m_stretchesOn[day]) {
            const cStretch& stretch = m_stretches[s];
            for (TimePoint start = stretch.from; start + duration <= stretch.to; start += duration) {
                if (zone.DayOf(start) == day) {
                    found->second.push_back({stretch.court, start});
                }
            }
        }
    }
    return found->second;
}

std::optional<cSpot> cSearch::FindStart(int id, std::int64_t day, bool push)
{
    const cEntry& entry = Entry(id);
    const TimePoint duration = entry.duration;
    const std::vector<cSpot>* spots = &Grid(duration, day);
    if (m_mixedLengths) {
        // Matches of other lengths leave starts off the grid: right after each of them.
        m_spots = *spots;
        const cLocalZone& zone = m_index.Zone();
        for (const std::size_t s : m_stretchesOn[day]) {
            const cStretch& stretch = m_stretches[s];
            const auto& busy = m_busy[stretch.court];
            for (auto it = busy.lower_bound(stretch.from); it != busy.end() && it->first < stretch.to; ++it) {
                const TimePoint start = it->second.first;
                if (start + duration <= stretch.to && zone.DayOf(start) == day) {
                    m_spots.push_back({stretch.court, start});
                }
            }
        }
        spots = &m_spots;
    }
    const int count = static_cast<int>(spots->size());
    if (count == 0) {
        return std::nullopt;
    }
    // From a random one on: the hours of the day are taken evenly.
    const int first = Below(count);
    for (int i = 0; i < count && m_checksLeft > 0; ++i) {
        const cSpot& spot = (*spots)[static_cast<std::size_t>((first + i) % count)];
        int one = kNone;
        if (Overlapping(spot.court, spot.start, spot.start + duration, one) == 0 &&
            Allows(entry, spot.court, spot.start)) {
            return spot;
        }
    }
    if (!push) {
        return std::nullopt;
    }
    int tries = 8;
    for (int i = 0; i < count && m_checksLeft > 0 && tries > 0; ++i) {
        const cSpot& spot = (*spots)[static_cast<std::size_t>((first + i) % count)];
        int one = kNone;
        if (Overlapping(spot.court, spot.start, spot.start + duration, one) != 1) {
            continue;
        }
        const cEntry& other = Entry(one);
        if (!other.movable || other.stamp == m_stamp) {
            continue;
        }
        --tries;
        const std::size_t mark = m_journal.size();
        TakeOut(one);
        if (Allows(entry, spot.court, spot.start)) {
            return cSpot{spot.court, spot.start, one};
        }
        Rollback(mark);
    }
    return std::nullopt;
}

bool cSearch::Insert(int id, int depth)
{
    if (m_checksLeft <= 0) {
        return false;
    }
    Entry(id).stamp = m_stamp;
    const int days = static_cast<int>(m_days.size());
    if (days == 0) {
        return false;
    }
    // Looking over every day costs about as much as a few rule checks.
    m_checksLeft -= days / 8 + 1;
    const int first = Below(days);
    std::vector<std::pair<std::int64_t, std::vector<int>>> options;
    std::vector<int> inTheWay;
    for (int k = 0; k < days; ++k) {
        const std::int64_t day = m_days[static_cast<std::size_t>((first + k) % days)];
        inTheWay.clear();
        if (!InTheWay(id, day, inTheWay)) {
            continue;
        }
        if (inTheWay.empty()) {
            if (const std::optional<cSpot> spot = FindStart(id, day, false)) {
                Place(id, spot->court, spot->start);
                return true;
            }
        }
        if (depth > 0) {
            options.emplace_back(day, inTheWay);
        }
    }
    if (depth == 0) {
        return false;
    }
    std::stable_sort(options.begin(), options.end(),
                     [](const auto& a, const auto& b) { return a.second.size() < b.second.size(); });
    const std::size_t tried = std::min(options.size(), kDaysTried);
    for (std::size_t o = 0; o < tried && m_checksLeft > 0; ++o) {
        const std::size_t mark = m_journal.size();
        std::vector<int> pushed = options[o].second;
        for (const int other : pushed) {
            TakeOut(other);
            Entry(other).stamp = m_stamp;
        }
        const std::optional<cSpot> spot = FindStart(id, options[o].first, true);
        if (!spot) {
            Rollback(mark);
            for (const int other : pushed) {
                Entry(other).stamp = 0;
            }
            continue;
        }
        if (spot->pushed != kNone) {
            Entry(spot->pushed).stamp = m_stamp;
            pushed.push_back(spot->pushed);
        }
        Place(id, spot->court, spot->start);
        bool all = true;
        for (const int other : pushed) {
            if (!Insert(other, depth - 1)) {
                all = false;
                break;
            }
        }
        if (all) {
            return true;
        }
        Rollback(mark);
        // Free to be pushed again on another path.
        for (const int other : pushed) {
            Entry(other).stamp = 0;
        }
    }
    return false;
}

bool cSearch::TryToPlace(int id, int round)
{
    ++m_stamp;
    m_checksLeft = kChecksPerAttempt * (round + 1);
    m_journal.clear();
    const bool placed = Insert(id, std::min(kFirstDepth + round, kDeepest));
    if (!placed) {
        Rollback(0);
    }
    m_journal.clear();
    return placed;
}

long long cSearch::TeamCost(int slot) const
{
    struct cPlayed
    {
        TimePoint start;
        int id;
        bool home;
    };
    std::vector<cPlayed> played;
    std::array<int, 24> hours{};
    const cLocalZone& zone = m_index.Zone();
    for (const int id : m_teamEntries[static_cast<std::size_t>(slot)]) {
        const cEntry& entry = m_entries[static_cast<std::size_t>(id)];
        played.push_back({entry.start, id, entry.teams[0] == slot});
        ++hours[static_cast<std::size_t>(std::clamp(zone.At(entry.start).hour, 0, 23))];
    }
    std::sort(played.begin(), played.end(), [](const cPlayed& a, const cPlayed& b) {
        return std::tie(a.start, a.id) < std::tie(b.start, b.id);
    });
    long long longest = 0;
    long long run = 0;
    for (std::size_t i = 0; i < played.size(); ++i) {
        run = i > 0 && played[i].home == played[i - 1].home ? run + 1 : 1;
        longest = std::max(longest, run);
    }
    long long cost = kRunWeight * longest * longest;
    for (const int count : hours) {
        cost += static_cast<long long>(count) * count;
    }
    return cost;
}

bool cSearch::TryFairerStart()
{
    if (m_movable.empty()) {
        return false;
    }
    const int id = m_movable[static_cast<std::size_t>(Below(static_cast<int>(m_movable.size())))];
    cEntry& entry = Entry(id);
    const int court = entry.court;
    const TimePoint start = entry.start;
    // Another hour the same day, or another day its teams are free.
    std::int64_t day = entry.day;
    if (Below(2) == 0) {
        std::vector<int> inTheWay;
        m_free.clear();
        for (const std::int64_t other : m_days) {
            inTheWay.clear();
            if (other != entry.day && InTheWay(id, other, inTheWay) && inTheWay.empty()) {
                m_free.push_back(other);
            }
        }
        if (!m_free.empty()) {
            day = m_free[static_cast<std::size_t>(Below(static_cast<int>(m_free.size())))];
        }
    }
    long long before = 0;
    for (const int slot : entry.teams) {
        if (slot != kNone) {
            before += TeamCost(slot);
        }
    }
    ++m_stamp;
    m_checksLeft = 200;
    m_journal.clear();
    TakeOut(id);
    std::vector<int> inTheWay;
    std::optional<cSpot> spot;
    if (InTheWay(id, day, inTheWay) && inTheWay.empty()) {
        spot = FindStart(id, day, false);
    }
    if (!spot || (spot->court == court && spot->start == start)) {
        Rollback(0);
        m_journal.clear();
        return false;
    }
    Place(id, spot->court, spot->start);
    long long after = 0;
    for (const int slot : entry.teams) {
        if (slot != kNone) {
            after += TeamCost(slot);
        }
    }
    if (after >= before) {
        Rollback(0);
    }
    m_journal.clear();
    return after < before;
}

bool cSearch::TrySwap()
{
    if (m_movable.empty()) {
        return false;
    }
    const int first = m_movable[static_cast<std::size_t>(Below(static_cast<int>(m_movable.size())))];
    const cEntry& a = Entry(first);
    const int side = a.teams[1] != kNone ? Below(2) : 0;
    const std::vector<int>& mates =
        m_teamEntries[static_cast<std::size_t>(a.teams[static_cast<std::size_t>(side)])];
    if (mates.size() < 2) {
        return false;
    }
    const int second = mates[static_cast<std::size_t>(Below(static_cast<int>(mates.size())))];
    const cEntry& b = Entry(second);
    if (second == first || !b.movable || b.duration != a.duration) {
        return false;
    }
    // The teams of both, each once.
    std::vector<int> teams;
    for (const cEntry* entry : {&a, &b}) {
        for (const int slot : entry->teams) {
            if (slot != kNone && std::find(teams.begin(), teams.end(), slot) == teams.end()) {
                teams.push_back(slot);
            }
        }
    }
    long long before = 0;
    for (const int slot : teams) {
        before += TeamCost(slot);
    }
    const cSpot spotA{a.court, a.start};
    const cSpot spotB{b.court, b.start};
    m_checksLeft = 4;
    m_journal.clear();
    TakeOut(first);
    TakeOut(second);
    bool done = false;
    if (Allows(Entry(first), spotB.court, spotB.start)) {
        Place(first, spotB.court, spotB.start);
        if (Allows(Entry(second), spotA.court, spotA.start)) {
            Place(second, spotA.court, spotA.start);
            long long after = 0;
            for (const int slot : teams) {
                after += TeamCost(slot);
            }
            done = after < before;
        }
    }
    if (!done) {
        Rollback(0);
    }
    m_journal.clear();
    return done;
}

// The free period of `court` that holds [from, to); null when none does.
cUnusedTime* PeriodHolding(cDatabase& db, int court, TimePoint from, TimePoint to)
{
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (period.m_nCourt == court && period.m_tStart <= from && period.m_tEnd >= to) {
            return &period;
        }
    }
    return nullptr;
}

std::pair<int, int> cSearch::Apply()
{
    std::vector<int> moved;
    for (const int id : m_movable) {
        const cEntry& entry = Entry(id);
        if (entry.court != entry.real->m_nCourt || entry.start != entry.real->m_tStart) {
            moved.push_back(id);
        }
    }
    // First every moved match leaves the lists (with its result) and gives its
    // time back, so that each finds its new place free and no match standing
    // where it no longer is refuses free time given back around it.
    std::vector<std::unique_ptr<cDbItem>> owned;
    std::vector<std::unique_ptr<cDbItem>> ownedResults;
    for (const int id : moved) {
        cMatch& match = *Entry(id).real;
        cResult* result = match.GetResult();
        owned.push_back(m_db.Scheduled().RemoveItem(match));
        ownedResults.push_back(result != nullptr && result->GetOwner() == &m_db.Results()
                                   ? m_db.Results().RemoveItem(*result)
                                   : nullptr);
        [[maybe_unused]] const eAddCourtTime added = AddCourtTime(
            m_db, std::make_unique<cUnusedTime>(match.m_nCourt, match.m_tStart, match.m_tEnd), &match);
        assert(added != eAddCourtTime::Conflict);
    }
    // Then each goes in at its new place, in the lists' order of date, court and start.
    for (std::size_t i = 0; i < moved.size(); ++i) {
        const cEntry& entry = Entry(moved[i]);
        cMatch& match = *entry.real;
        match.m_nCourt = entry.court;
        match.m_tStart = entry.start;
        match.m_tEnd = entry.start + entry.duration;
        m_db.Scheduled().AddItem(std::move(owned[i]), true);
        if (ownedResults[i]) {
            m_db.Results().AddItem(std::move(ownedResults[i]), true);
        }
        cUnusedTime* period = PeriodHolding(m_db, match.m_nCourt, match.m_tStart, match.m_tEnd);
        assert(period != nullptr);
        if (period != nullptr) {
            TakeCourtTime(m_db, *period, match.m_tStart, match.m_tEnd);
        }
        if (cLeague* league = m_db.GetLeague(match.m_nLeague)) {
            league->Table().m_bUpToDate = 0;
        }
    }
    int placed = 0;
    for (const int id : m_waiting) {
        const cEntry& entry = Entry(id);
        if (!entry.placed) {
            continue;
        }
        cUnusedTime* period = PeriodHolding(m_db, entry.court, entry.start, entry.start + entry.duration);
        assert(period != nullptr);
        if (period != nullptr && ScheduleMatch(m_db, *period, entry.start, entry.start + entry.duration,
                                               *entry.waiting, false) != nullptr) {
            ++placed;
        }
    }
    if (!moved.empty()) {
        m_db.SetModifiedFlag();
    }
    return {placed, static_cast<int>(moved.size())};
}

} // namespace

cImprovement ImproveSchedule(cDatabase& db, int effort, std::optional<std::uint32_t> seed)
{
    effort = std::clamp(effort, kMinImproveEffort, kMaxImproveEffort);
    if (seed) {
        db.m_random.Seed(*seed);
    }
    cImprovement out;
    cUserPrompt& prompt = db.Prompt();
    RebuildUnscheduled(db);

    cSearch search(db);
    const int rounds = effort;
    const long long fairnessTrials = static_cast<long long>(kFairnessTrials) * effort * search.Movable();
    // Progress counts attempts to place a match and fairness moves, these a hundred at a time.
    const long long work = static_cast<long long>(rounds) * search.Waiting() + fairnessTrials / 100 + 1;
    long long done = 0;
    int shown = -1;
    const auto progress = [&] {
        const int percent = static_cast<int>(std::min<long long>(100, 100 * done / work));
        if (percent != shown) {
            shown = percent;
            prompt.SetProgress(percent);
        }
    };
    const auto cancelled = [&] { return prompt.PollCancel() && prompt.AskYesNo(IDS_ABORT_SCHEDULING); };

    prompt.BeginProgress(GetString(IDS_IMPROVE_PROGRESS));
    progress();
    std::vector<int> waiting = search.WaitingIds();
    for (int round = 0; round < rounds && !out.cancelled && !waiting.empty(); ++round) {
        search.Shuffle(waiting);
        for (const int id : waiting) {
            if (cancelled()) {
                out.cancelled = true;
                break;
            }
            search.TryToPlace(id, round);
            ++done;
            progress();
        }
        std::erase_if(waiting, [&search](int id) { return search.IsPlaced(id); });
    }
    for (long long trial = 0; trial < fairnessTrials && !out.cancelled; ++trial) {
        if (trial % 100 == 0) {
            if (cancelled()) {
                out.cancelled = true;
                break;
            }
            ++done;
            progress();
        }
        if (trial % 2 == 0) {
            search.TryFairerStart();
        } else {
            search.TrySwap();
        }
    }
    prompt.EndProgress();

    const auto [placed, moved] = search.Apply();
    out.placed = placed;
    out.moved = moved;
    out.scheduled = db.Scheduled().GetCount();
    out.total = out.scheduled + db.Unscheduled().GetCount();
    out.message = FormatString(IDS_IMPROVE_DONE, {std::to_string(out.placed), std::to_string(out.moved),
                                                  std::to_string(out.scheduled), std::to_string(out.total)});
    prompt.ShowMessage(IDS_IMPROVE_DONE, out.message);
    return out;
}

cFairness MeasureFairness(const cDatabase& db)
{
    struct cPlayed
    {
        TimePoint start;
        bool home;
        int hour;
    };
    std::map<std::pair<int, int>, std::vector<cPlayed>> byTeam;
    for (const cMatch& match : db.Scheduled().Items<cMatch>()) {
        if (match.IsPlayoff()) {
            continue;
        }
        const int hour = LocalTime(match.m_tStart).hour;
        byTeam[{match.m_nLeague, match.m_nHomeTeam}].push_back({match.m_tStart, true, hour});
        if (match.m_nGuestTeam != match.m_nHomeTeam) {
            byTeam[{match.m_nLeague, match.m_nGuestTeam}].push_back({match.m_tStart, false, hour});
        }
    }
    cFairness fairness;
    double runs = 0;
    double shares = 0;
    for (auto& [team, played] : byTeam) {
        std::stable_sort(played.begin(), played.end(),
                         [](const cPlayed& a, const cPlayed& b) { return a.start < b.start; });
        int longest = 0;
        int run = 0;
        std::array<int, 24> hours{};
        for (std::size_t i = 0; i < played.size(); ++i) {
            run = i > 0 && played[i].home == played[i - 1].home ? run + 1 : 1;
            longest = std::max(longest, run);
            ++hours[static_cast<std::size_t>(std::clamp(played[i].hour, 0, 23))];
        }
        ++fairness.teams;
        fairness.longestRun = std::max(fairness.longestRun, longest);
        runs += longest;
        shares += static_cast<double>(*std::max_element(hours.begin(), hours.end())) /
                  static_cast<double>(played.size());
    }
    if (fairness.teams > 0) {
        fairness.meanLongestRun = runs / fairness.teams;
        fairness.meanTopHourShare = shares / fairness.teams;
    }
    return fairness;
}
