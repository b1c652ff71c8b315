#include "scheduling/AutoScheduler.h"

#include "model/CourtTime.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"
#include "scheduling/MatchGeneration.h"
#include "scheduling/Placement.h"

#include <algorithm>
#include <memory>
#include <vector>

cScheduleRun ScheduleAutomatically(cDatabase& db, bool literal)
{
    cScheduleRun run;
    cUserPrompt& prompt = db.Prompt();
    RebuildUnscheduled(db);
    cTournelDb& unscheduled = db.Unscheduled();
    if (unscheduled.GetFirst() == nullptr) {
        run.complete = true;
        run.scheduled = db.Scheduled().GetCount();
        run.total = run.scheduled;
        run.message = GetString(IDS_SCHEDULE_COMPLETE);
        prompt.ShowMessage(IDS_SCHEDULE_COMPLETE, run.message);
        return run;
    }

    std::optional<cPlacementIndex> index;
    std::optional<cPlacementRun> placements;
    if (!literal) {
        index.emplace(db);
        placements.emplace(db);
    }
    int scheduled = db.Scheduled().GetCount();
    const int total = scheduled + unscheduled.GetCount();
    long long progress = 100LL * scheduled;
    prompt.BeginProgress(GetString(IDS_SCHEDULING_PROGRESS));
    prompt.SetProgress(static_cast<int>(progress / total));
    for (cDbItem* item = unscheduled.GetFirst(); item != nullptr;) {
        // A placed match leaves the list.
        cDbItem* next = cTournelDb::GetNext(*item);
        if (prompt.PollCancel() && prompt.AskYesNo(IDS_ABORT_SCHEDULING)) {
            run.cancelled = true;
            break;
        }
        auto& match = static_cast<cUnscheduledMatch&>(*item);
        if (const std::optional<cCourtSlot> slot = FindCourtTime(
                db, match, index ? &*index : nullptr, placements ? placements->CourtTime() : nullptr)) {
            if (const cMatch* placed = ScheduleMatch(db, *slot->courtTime, slot->start, slot->end, match,
                                                     false, placements ? &*placements : nullptr)) {
                if (index) {
                    index->Add(*placed);
                }
                ++scheduled;
                ++run.placed;
                progress += 100;
            }
        }
        prompt.SetProgress(static_cast<int>(progress / total));
        item = next;
    }
    prompt.EndProgress();

    run.scheduled = scheduled;
    run.total = total;
    run.message = StringPrintf("%d%s%d%s", scheduled, GetString(IDS_OUT_OF), total,
                               GetString(IDS_MATCHES_ARE_SCHEDULED));
    prompt.ShowMessage(0, run.message);
    return run;
}

std::optional<cCourtSlot> FindCourtTime(cDatabase& db, const cUnscheduledMatch& match,
                                        const cPlacementIndex* index, const cCourtTimeOrder* order)
{
    cTournelDb& courtTime = db.CourtTime();
    if (courtTime.GetFirst() == nullptr) {
        return std::nullopt;
    }
    const cLeague* league = db.GetLeague(match.GetLeague());
    // Without a positive duration the walk would never move on.
    if (league == nullptr || league->m_nGameDuration <= 0) {
        return std::nullopt;
    }
    const TimePoint duration = static_cast<TimePoint>(league->m_nGameDuration) * 60;
    // Without preferred playing times of the league or its two teams the
    // second pass would try exactly what the first one tried.
    const cTeam* home = league->GetTeam(match.GetHomeTeam());
    const cTeam* guest = league->GetTeam(match.GetGuestTeam());
    const bool anyPreferred = league->PreferredTimes().GetFirst() != nullptr ||
                              (home != nullptr && home->PreferredTimes().GetFirst() != nullptr) ||
                              (guest != nullptr && guest->PreferredTimes().GetFirst() != nullptr);
    const ePass lastPass = db.m_bSchedIgnorePreferredTime != 0 || (index != nullptr && !anyPreferred)
                               ? ePass::kWithPreferredTime
                               : ePass::kAnyTime;
    std::optional<cPlacementIndex::cDayCursor> days;
    if (index != nullptr) {
        days.emplace(*index, db, match);
    }
    for (const ePass pass : {ePass::kWithPreferredTime, ePass::kAnyTime}) {
        if (pass > lastPass) {
            break;
        }
        if (days) {
            days->Restart(); // the court time is walked in order of start, and so are its days
        }
        if (index != nullptr) {
            for (cDbItem* item = courtTime.GetFirst(); item != nullptr;) {
                auto& period = static_cast<cUnusedTime&>(*item);
                if (const TimePoint start =
                        index->FirstAllowedStart(db, match, period, duration, pass, *days);
                    start >= 0) {
                    return cCourtSlot{&period, start, start + duration};
                }
                item = cTournelDb::GetNext(*item);
                // The periods that start from here to a period's length before
                // the end of a stretch of refused days hold no other start.
                if (order != nullptr && item != nullptr) {
                    const TimePoint next = static_cast<const cUnusedTime*>(item)->m_tStart;
                    const TimePoint jump = days->RefusedUntil() - order->LongestLength();
                    if (next >= days->RefusedFrom() && jump > next) {
                        item = order->FirstFrom(jump);
                        if (item != nullptr && item->m_bHidden != 0) {
                            item = cTournelDb::GetNext(*item);
                        }
                    }
                }
            }
            continue;
        }
        for (cUnusedTime& period : courtTime.Items<cUnusedTime>()) {
            for (TimePoint start = period.m_tStart; start + duration <= period.m_tEnd; start += duration) {
                if (CheckPlacement(db, match, period, start, start + duration, pass) == 0) {
                    return cCourtSlot{&period, start, start + duration};
                }
            }
        }
    }
    return std::nullopt;
}

cPlacementRun::cPlacementRun(cDatabase& db)
    : m_matchDays(db)
{
    if (db.Scheduled().IsInOrder()) {
        m_schedule.emplace(db.Scheduled());
    }
    if (db.Results().IsInOrder()) {
        m_results.emplace(db.Results());
    }
    if (db.CourtTime().IsInOrder()) {
        m_courtTime.emplace(db.CourtTime());
        m_courtTime->KeepMatches(&m_matchDays);
    }
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff()) {
            Numbered(match.m_nLeague, match.m_nNumber);
        }
    }
}

cDbItem& cPlacementRun::AddMatch(cDatabase& db, std::unique_ptr<cDbItem> match)
{
    return m_schedule ? m_schedule->Add(std::move(match)) : db.Scheduled().AddItem(std::move(match), true);
}

cDbItem& cPlacementRun::AddResult(cDatabase& db, std::unique_ptr<cDbItem> result)
{
    return m_results ? m_results->Add(std::move(result)) : db.Results().AddItem(std::move(result), true);
}

void cPlacementRun::Placed(const cMatch& match)
{
    if (!match.IsPlayoff()) {
        Numbered(match.m_nLeague, match.m_nNumber);
    }
    m_matchDays.Add(match);
}

std::size_t cPlacementRun::MemoryBytes() const
{
    // A tree node carries three pointers and a colour besides its value; a
    // hash node one pointer, and the table a pointer a bucket.
    constexpr std::size_t kTreeNode = 4 * sizeof(void*);
    std::size_t bytes = ((m_schedule ? m_schedule->Size() : 0) + (m_results ? m_results->Size() : 0)) *
                        (kTreeNode + sizeof(void*));
    for (const auto& [league, numbers] : m_numbers) {
        bytes += 2 * sizeof(void*) + sizeof(league) + sizeof(numbers) +
                 numbers.inUse.size() * (kTreeNode + sizeof(int));
    }
    bytes += m_numbers.bucket_count() * sizeof(void*) + m_matchDays.MemoryBytes();
    return m_courtTime ? bytes + m_courtTime->MemoryBytes() : bytes;
}

void cPlacementRun::Numbered(int league, int number)
{
    cNumbers& numbers = m_numbers[league];
    numbers.inUse.insert(number);
    while (numbers.inUse.contains(numbers.firstFree)) {
        ++numbers.firstFree;
    }
}

int cPlacementRun::NextNumber(const cLeague& league, int wanted) const
{
    wanted = std::max(wanted, 0);
    static const cNumbers s_none;
    const auto found = m_numbers.find(league.m_nIndex);
    const cNumbers& numbers = found != m_numbers.end() ? found->second : s_none;
    const int top = numbers.inUse.empty() ? 0 : std::max(*numbers.inUse.rbegin(), 0);
    if (wanted > top) {
        return wanted;
    }
    if (wanted != 0 && !numbers.inUse.contains(wanted)) {
        return wanted;
    }
    if (numbers.firstFree <= top) {
        return numbers.firstFree;
    }
    return std::max(league.m_nLastMatchNumber, top) + 1;
}

cMatch* ScheduleMatch(cDatabase& db, cUnusedTime& courtTime, TimePoint start, TimePoint end,
                      cUnscheduledMatch& match, bool byHand, cPlacementRun* run)
{
    cLeague* league = db.GetLeague(match.GetLeague());
    if (league == nullptr) {
        return nullptr;
    }
    std::unique_ptr<cDbItem> taken =
        match.GetOwner() != nullptr ? match.GetOwner()->RemoveItem(match) : nullptr;

    auto created = std::make_unique<cMatch>();
    created->m_bByHand = byHand ? 1 : 0;
    created->m_nCourt = courtTime.m_nCourt;
    created->m_tStart = start;
    created->m_tEnd = end;
    created->m_nLeague = match.GetLeague();
    created->m_nHomeTeam = match.GetHomeTeam();
    created->m_nGuestTeam = match.GetGuestTeam();
    created->m_nRound = match.GetRound();
    created->m_nNumber = run != nullptr ? run->NextNumber(*league, match.GetNumber())
                                        : NextMatchNumber(db, *league, match.GetNumber());
    created->m_bFiltered = (db.m_nLeagueFilter != -1 && created->m_nLeague != db.m_nLeagueFilter) ? 1 : 0;
    league->m_nLastMatchNumber = std::max(league->m_nLastMatchNumber, created->m_nNumber);
    auto& placed = static_cast<cMatch&>(run != nullptr ? run->AddMatch(db, std::move(created))
                                                       : db.Scheduled().AddItem(std::move(created), true));
    if (run != nullptr) {
        run->Placed(placed);
    }

    TakeCourtTime(db, courtTime, start, end, run != nullptr ? run->CourtTime() : nullptr);
    taken.reset();

    auto result = std::make_unique<cResult>();
    result->m_nHomeTeam = placed.m_nHomeTeam;
    result->m_nGuestTeam = placed.m_nGuestTeam;
    result->m_nRound = placed.m_nRound;
    result->m_nLeague = placed.m_nLeague;
    result->m_bFiltered = placed.m_bFiltered;
    cResult::Link(*result, placed);
    if (run != nullptr) {
        run->AddResult(db, std::move(result));
    } else {
        db.Results().AddItem(std::move(result), true);
    }

    db.SetModifiedFlag();
    return &placed;
}

int NextMatchNumber(const cDatabase& db, const cLeague& league, int wanted)
{
    wanted = std::max(wanted, 0); // a negative number from a file means none
    std::vector<int> inUse;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff() && match.m_nLeague == league.m_nIndex) {
            inUse.push_back(match.m_nNumber);
        }
    }
    std::sort(inUse.begin(), inUse.end());
    const int top = inUse.empty() ? 0 : std::max(inUse.back(), 0);
    if (wanted > top) {
        return wanted;
    }
    const bool wantedInUse = std::binary_search(inUse.begin(), inUse.end(), wanted);
    if (wanted != 0 && !wantedInUse) {
        return wanted;
    }
    int candidate = 1;
    for (const int number : inUse) {
        if (number > candidate) {
            break;
        }
        if (number == candidate) {
            ++candidate;
        }
    }
    if (candidate <= top) {
        return candidate;
    }
    // Every number up to the top is taken. The stored highest number can be
    // too low in a file; never hand out a number that is in use.
    return std::max(league.m_nLastMatchNumber, top) + 1;
}
