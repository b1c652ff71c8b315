#include "scheduling/Replanning.h"

#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cResult.h"
#include "model/cUnscheduledMatch.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/Placement.h"

#include <algorithm>
#include <set>
#include <utility>

cReturnedMatches ReturnMatches(cDatabase& db, const std::vector<cMatch*>& matches)
{
    cReturnedMatches out;
    std::set<const cMatch*> done;
    cTournelDb& unscheduled = db.Unscheduled();
    for (cMatch* match : matches) {
        if (match == nullptr || !done.insert(match).second || match->GetOwner() != &db.Scheduled()) {
            continue;
        }
        if (match->IsPlayoff()) {
            out.playoff.push_back(MatchLine(*match));
            continue;
        }
        if (match->GetResult() != nullptr && match->GetResult()->IsPlayed()) {
            out.played.push_back(MatchLine(*match));
            continue;
        }
        // The match's OnDelete appends its pairing, number and all, to the
        // unscheduled list: that item is the one to place again.
        const cDbItem* tailBefore = unscheduled.GetTail();
        db.Scheduled().DeleteItem(*match, db);
        cDbItem* tail = unscheduled.GetTail();
        if (tail != nullptr && tail != tailBefore) {
            out.returned.push_back(static_cast<cUnscheduledMatch*>(tail));
        }
    }
    if (!out.returned.empty()) {
        db.SetModifiedFlag();
    }
    return out;
}

cPlacedAgain PlaceAgain(cDatabase& db, std::vector<cUnscheduledMatch*> returned,
                        std::optional<std::uint32_t> seed)
{
    cPlacedAgain out;
    if (seed) {
        db.m_random.Seed(*seed);
    }
    // The scheduler takes its list in a random interleaving; so do these.
    for (std::size_t i = returned.size(); i > 1; --i) {
        const auto j = static_cast<std::size_t>(db.m_random.Next()) % i;
        std::swap(returned[i - 1], returned[j]);
    }
    // Built only now: the schedule and the free court time are as the
    // returned matches left them.
    cPlacementIndex index(db);
    cPlacementRun run(db);
    for (cUnscheduledMatch* match : returned) {
        if (match == nullptr || match->GetOwner() != &db.Unscheduled()) {
            continue;
        }
        cMatch* placed = nullptr;
        if (const std::optional<cCourtSlot> slot = FindCourtTime(db, *match, &index, run.CourtTime())) {
            placed = ScheduleMatch(db, *slot->courtTime, slot->start, slot->end, *match, false, &run);
        }
        if (placed == nullptr) {
            ++out.notPlaced;
            continue;
        }
        index.Add(*placed);
        out.matches.push_back(placed);
        ++out.placed;
    }
    return out;
}

std::string MatchLine(const cMatch& match)
{
    return match.GetLabel() + "  " + match.GetColumnText(1) + "  " + match.GetColumnText(2) + "  " +
           match.GetColumnText(3);
}
