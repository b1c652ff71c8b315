#include "document/RepairCourtTime.h"

#include "model/CourtTime.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cUnusedTime.h"

#include <algorithm>
#include <map>
#include <memory>
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

// [start, end)
struct cSpan
{
    TimePoint start;
    TimePoint end;
};

bool StartsEarlier(const cSpan& a, const cSpan& b)
{
    return a.start < b.start;
}

// Per court, every minute a scheduled match touches, as disjoint spans,
// earliest first. Any real overlap counts, not only one on the match's own
// date, and a match takes every minute it touches, so that the free time
// stays in whole minutes.
std::map<int, std::vector<cSpan>> MatchTimeByCourt(const cDatabase& db)
{
    std::map<int, std::vector<cSpan>> byCourt;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (match.m_tStart < match.m_tEnd) {
            byCourt[match.m_nCourt].push_back(
                {MinuteAtOrBefore(match.m_tStart), MinuteAtOrAfter(match.m_tEnd)});
        }
    }
    for (auto& [court, spans] : byCourt) {
        std::sort(spans.begin(), spans.end(), StartsEarlier);
        std::vector<cSpan> joined;
        for (const cSpan& span : spans) {
            if (!joined.empty() && span.start <= joined.back().end) {
                joined.back().end = std::max(joined.back().end, span.end);
            } else {
                joined.push_back(span);
            }
        }
        spans = std::move(joined);
    }
    return byCourt;
}

// The free time of one court as the program keeps it, made from its stored
// periods without losing a minute that one of them offers and no match
// takes. Each period shrinks to the whole minutes it holds and loses what
// the matches take; a piece loses what a piece starting earlier already
// offers, so that no two overlap (whatever order the periods were stored
// in); then touching pieces that start on one date become one, as
// AddCourtTime combines them. Earliest first.
std::vector<cSpan> KeptFreeTime(int court, const std::vector<cUnusedTime*>& periods,
                                const std::vector<cSpan>& matches)
{
    std::vector<cSpan> pieces;
    for (const cUnusedTime* period : periods) {
        cSpan rest{MinuteAtOrAfter(period->m_tStart), MinuteAtOrBefore(period->m_tEnd)};
        // The matches up to the period's end, from the first that ends after its start.
        auto match = std::upper_bound(matches.begin(), matches.end(), rest.start,
                                      [](TimePoint t, const cSpan& m) { return t < m.end; });
        for (; match != matches.end() && match->start < rest.end && rest.start < rest.end; ++match) {
            if (rest.start < match->start) {
                pieces.push_back({rest.start, match->start});
            }
            rest.start = match->end;
        }
        if (rest.start < rest.end) {
            pieces.push_back(rest);
        }
    }
    std::stable_sort(pieces.begin(), pieces.end(), StartsEarlier);

    std::vector<cSpan> disjoint;
    for (cSpan piece : pieces) {
        // The last piece kept ends after every piece before it.
        if (!disjoint.empty()) {
            piece.start = std::max(piece.start, disjoint.back().end);
        }
        if (piece.start < piece.end) {
            disjoint.push_back(piece);
        }
    }

    // Pieces are disjoint and in order: two that touch stand side by side.
    std::vector<cSpan> kept;
    for (const cSpan& piece : disjoint) {
        if (!kept.empty() && PeriodsMerge(cUnusedTime(court, kept.back().start, kept.back().end),
                                          cUnusedTime(court, piece.start, piece.end))) {
            kept.back().end = piece.end;
        } else {
            kept.push_back(piece);
        }
    }
    return kept;
}

// Makes the stored periods of one court those of `wanted` (disjoint,
// earliest first): a period wanted as it stands stays untouched with its
// place and marks, the others are taken out, and the spans no period holds
// are added. Returns how many stored periods did not stay.
int Replace(cDatabase& db, const std::vector<cUnusedTime*>& periods, const std::vector<cSpan>& wanted)
{
    std::vector<bool> held(wanted.size(), false);
    std::vector<cUnusedTime*> leaving;
    for (cUnusedTime* period : periods) {
        // At most one wanted span starts where the period does.
        const auto found = std::lower_bound(wanted.begin(), wanted.end(), period->m_tStart,
                                            [](const cSpan& w, TimePoint t) { return w.start < t; });
        const auto i = static_cast<std::size_t>(found - wanted.begin());
        if (found != wanted.end() && found->start == period->m_tStart && found->end == period->m_tEnd &&
            !held[i]) {
            held[i] = true;
        } else {
            leaving.push_back(period);
        }
    }
    if (leaving.empty()) {
        return 0;
    }
    const int court = periods.front()->m_nCourt;
    // A court's periods are all shown or all hidden by the view filter.
    const int filtered = periods.front()->m_bFiltered;
    for (cUnusedTime* period : leaving) {
        std::unique_ptr<cDbItem> removed = db.CourtTime().RemoveItem(*period);
    }
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (!held[i]) {
            auto added = std::make_unique<cUnusedTime>(court, wanted[i].start, wanted[i].end);
            added->m_bFiltered = filtered;
            db.CourtTime().AddItem(std::move(added), true);
        }
    }
    return static_cast<int>(leaving.size());
}

} // namespace

int RepairCourtTime(cDatabase& db)
{
    // Court by court, in no particular order of the list: a file written
    // elsewhere may hold its periods out of start order.
    std::map<int, std::vector<cUnusedTime*>> byCourt;
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        byCourt[period.m_nCourt].push_back(&period);
    }
    const std::map<int, std::vector<cSpan>> matchTime = MatchTimeByCourt(db);
    const std::vector<cSpan> none;
    int changes = 0;
    for (const auto& [court, periods] : byCourt) {
        std::vector<cSpan> wanted;
        if (db.GetCourt(court) != nullptr) {
            const auto matches = matchTime.find(court);
            wanted = KeptFreeTime(court, periods, matches != matchTime.end() ? matches->second : none);
        }
        changes += Replace(db, periods, wanted);
    }
    return changes;
}
