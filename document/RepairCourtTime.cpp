#include "document/RepairCourtTime.h"

#include "model/CourtTime.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cUnusedTime.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// The program keeps court time in whole minutes, and AddCourtTime compares
// periods in whole minutes: two periods less than a minute apart would merge
// over the gap, and a match in that gap would be covered again.
constexpr TimePoint kMinute = 60;

TimePoint MinuteAtOrBefore(TimePoint t)
{
    const TimePoint rest = t % kMinute;
    return rest < 0 ? t - rest - kMinute : t - rest;
}

TimePoint MinuteAtOrAfter(TimePoint t)
{
    const TimePoint before = MinuteAtOrBefore(t);
    return before == t ? t : before + kMinute;
}

// Drops the periods that end before they start or lie on no court, and
// shrinks the others to whole minutes (a period shorter than that goes).
int DropImpossiblePeriods(cDatabase& db)
{
    int changes = 0;
    cTournelDb& container = db.CourtTime();
    std::vector<cUnusedTime*> periods;
    for (cUnusedTime& period : container.AllItems<cUnusedTime>()) {
        periods.push_back(&period);
    }
    // Each step changes only its own period: deleted, shrunk or re-sorted.
    for (cUnusedTime* period : periods) {
        const TimePoint start = MinuteAtOrAfter(period->m_tStart);
        const TimePoint end = MinuteAtOrBefore(period->m_tEnd);
        if (end <= start || db.GetCourt(period->m_nCourt) == nullptr) {
            std::unique_ptr<cDbItem> removed = container.RemoveItem(*period);
            ++changes;
            continue;
        }
        if (end != period->m_tEnd) {
            TakeCourtTime(db, *period, end, period->m_tEnd);
            ++changes;
        }
        if (start != period->m_tStart) {
            TakeCourtTime(db, *period, period->m_tStart, start);
            ++changes;
        }
    }
    return changes;
}

cUnusedTime* FirstOverlap(const cDatabase& db, int court, TimePoint start, TimePoint end)
{
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (period.m_nCourt == court && period.m_tStart < end && start < period.m_tEnd) {
            return &period;
        }
    }
    return nullptr;
}

// Any real overlap counts here, not only one on the match's own date, and a
// match takes every minute it touches, so that the free time stays in whole
// minutes. The matches go earliest first: the part before a match that
// TakeCourtTime puts back can then overlap only matches already cut out, so
// it is never refused.
int CutOutMatches(cDatabase& db)
{
    std::vector<const cMatch*> matches;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (match.m_tStart < match.m_tEnd) {
            matches.push_back(&match);
        }
    }
    std::stable_sort(matches.begin(), matches.end(),
                     [](const cMatch* a, const cMatch* b) { return a->m_tStart < b->m_tStart; });
    int cuts = 0;
    for (const cMatch* match : matches) {
        // Found again after each cut: a split may merge the periods around it.
        const TimePoint from = MinuteAtOrBefore(match->m_tStart);
        const TimePoint to = MinuteAtOrAfter(match->m_tEnd);
        while (cUnusedTime* period = FirstOverlap(db, match->m_nCourt, from, to)) {
            TakeCourtTime(db, *period, std::max(period->m_tStart, from), std::min(period->m_tEnd, to));
            ++cuts;
        }
    }
    return cuts;
}

// Only the groups of one court and date that hold two periods AddCourtTime
// would have combined are taken out and put back, earliest first, so that
// each one merges with everything it touches.
int MergePeriods(cDatabase& db)
{
    std::map<std::tuple<int, int, int, int>, std::vector<cUnusedTime*>> groups;
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        const cLocalTime day = LocalTime(period.m_tStart);
        groups[{period.m_nCourt, day.year, day.month, day.day}].push_back(&period);
    }
    int merged = 0;
    for (auto& [key, periods] : groups) {
        bool needsMerging = false;
        for (std::size_t i = 0; i < periods.size() && !needsMerging; ++i) {
            for (std::size_t j = i + 1; j < periods.size() && !needsMerging; ++j) {
                needsMerging = PeriodsMerge(*periods[i], *periods[j]);
            }
        }
        if (!needsMerging) {
            continue;
        }
        std::vector<std::unique_ptr<cUnusedTime>> taken;
        for (cUnusedTime* period : periods) {
            std::unique_ptr<cDbItem> removed = db.CourtTime().RemoveItem(*period);
            taken.emplace_back(static_cast<cUnusedTime*>(removed.release()));
        }
        std::stable_sort(taken.begin(), taken.end(),
                         [](const auto& a, const auto& b) { return a->m_tStart < b->m_tStart; });
        for (std::unique_ptr<cUnusedTime>& period : taken) {
            if (AddCourtTime(db, std::move(period)) != eAddCourtTime::Inserted) {
                ++merged;
            }
        }
    }
    return merged;
}

// Periods of one court and date no longer overlap; a period reaching past
// midnight can still overlap one of the next date. The later one loses what
// the earlier already offers.
int CutSharedTime(cDatabase& db)
{
    struct cCut
    {
        cUnusedTime* period;
        TimePoint to;
    };
    std::vector<cCut> cuts;
    std::map<int, TimePoint> freeUntil; // per court, over the periods seen so far
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        const auto seen = freeUntil.find(period.m_nCourt);
        if (seen == freeUntil.end()) {
            freeUntil.emplace(period.m_nCourt, period.m_tEnd);
            continue;
        }
        if (period.m_tStart < seen->second) {
            cuts.push_back({&period, std::min(period.m_tEnd, seen->second)});
        }
        seen->second = std::max(seen->second, period.m_tEnd);
    }
    // Cutting a period's start deletes or re-sorts that period only.
    for (const cCut& cut : cuts) {
        TakeCourtTime(db, *cut.period, cut.period->m_tStart, cut.to);
    }
    return static_cast<int>(cuts.size());
}

} // namespace

int RepairCourtTime(cDatabase& db)
{
    int changes = DropImpossiblePeriods(db);
    // Matches first: AddCourtTime refuses a period over a match, so merging
    // before the cuts would lose whole periods. A period cut down to the end
    // of one that runs past midnight may start on a new date and touch a
    // period there: the steps run again until they find nothing, which only a
    // file holding such long periods ever needs. Every pass that finds
    // something leaves fewer periods or less free time, so the passes end;
    // the limit only guards against a mistake here.
    for (int pass = 0; pass < 1000; ++pass) {
        const int found = CutOutMatches(db) + MergePeriods(db) + CutSharedTime(db);
        if (found == 0) {
            break;
        }
        changes += found;
    }
    return changes;
}
