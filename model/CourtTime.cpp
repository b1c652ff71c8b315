#include "model/CourtTime.h"

#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cMatch.h"
#include "model/cUnusedTime.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace {

bool SameLocalDate(TimePoint a, TimePoint b)
{
    // Two points of one local date lie less than a day and the difference of
    // their offsets (never a day) apart: farther ones need no conversion.
    if (a - b > 2 * 86400 || b - a > 2 * 86400) {
        return false;
    }
    const cLocalTime la = LocalTime(a);
    const cLocalTime lb = LocalTime(b);
    return la.year == lb.year && la.month == lb.month && la.day == lb.day;
}

long long MinutesBetween(TimePoint later, TimePoint earlier)
{
    return static_cast<long long>((later - earlier) / 60);
}

// Takes the period out of the list and puts it back in its sorted place.
// Puts a period whose start changed back into its sorted place.
void Resort(cDatabase& db, cUnusedTime& period, cCourtTimeOrder* order)
{
    cTournelDb& container = db.CourtTime();
    std::unique_ptr<cDbItem> removed = container.RemoveItem(period);
    if (!removed) {
        return;
    }
    if (order != nullptr) {
        order->Add(std::move(removed));
    } else {
        container.AddItem(std::move(removed), true);
    }
}

// The first period that can overlap or touch one starting at `from`: with
// the list's order at hand only the periods near it are looked at (one that
// starts a longest period's length, and a minute's rounding, before it or
// earlier ends before it); without, the head.
cDbItem* FirstNear(cTournelDb& container, const cCourtTimeOrder* order, TimePoint from)
{
    return order != nullptr ? order->FirstFrom(from - order->LongestLength() - 120) : container.GetHead();
}

// Merges the period with the periods of its court that start on its date and
// overlap or touch it, then inserts it in its sorted place. True when it
// merged with one.
bool InsertMerged(cDatabase& db, std::unique_ptr<cUnusedTime> period, cCourtTimeOrder* order)
{
    cTournelDb& container = db.CourtTime();
    bool merged = false;
    cDbItem* item = FirstNear(container, order, period->m_tStart);
    while (item != nullptr) {
        cDbItem* next = item->NextLink();
        auto& existing = static_cast<cUnusedTime&>(*item);
        if (order != nullptr && existing.m_tStart > period->m_tEnd + 120) {
            break; // neither this one nor any after it touches the period
        }
        if (PeriodsMerge(*period, existing)) {
            period->m_tStart = std::min(period->m_tStart, existing.m_tStart);
            period->m_tEnd = std::max(period->m_tEnd, existing.m_tEnd);
            merged = true;
            if (order != nullptr) {
                order->Forget(existing);
            }
            std::unique_ptr<cDbItem> removed = container.RemoveItem(existing);
        }
        item = next;
    }
    // Shown or hidden by the view filter as the rest of the list is.
    period->m_bFiltered = db.m_nCourtFilter != -1 && period->m_nCourt != db.m_nCourtFilter ? 1 : 0;
    if (order != nullptr) {
        order->Add(std::move(period));
    } else {
        container.AddItem(std::move(period), true);
    }
    return merged;
}

// The period now starts at `start`, later than before. What is left of a late
// session that now starts after midnight belongs with the free time of that
// date it touches, so it is merged with it.
void MoveStart(cDatabase& db, cUnusedTime& period, TimePoint start, cCourtTimeOrder* order)
{
    const bool newDate = !SameLocalDate(period.m_tStart, start);
    period.m_tStart = start;
    if (!newDate) {
        Resort(db, period, order);
        return;
    }
    std::unique_ptr<cDbItem> removed = db.CourtTime().RemoveItem(period);
    if (removed) {
        InsertMerged(db, std::unique_ptr<cUnusedTime>(static_cast<cUnusedTime*>(removed.release())), order);
    }
}

} // namespace

bool HasMatchConflict(const cDatabase& db, const cUnusedTime& period, const cMatch* ignored,
                      const cMatchDays* matches)
{
    // Any overlap counts, whatever date the match starts on: a late session
    // running past midnight must not lie over a match after midnight, nor time
    // after midnight under a match that began the evening before.
    const auto overlaps = [&period, ignored](const cMatch& match) {
        if (&match == ignored || match.m_nCourt != period.m_nCourt) {
            return false;
        }
        const long long e = MinutesBetween(match.m_tStart, period.m_tStart);
        const long long f = MinutesBetween(match.m_tEnd, period.m_tStart);
        const long long g = MinutesBetween(period.m_tStart, match.m_tStart);
        const long long h = MinutesBetween(period.m_tEnd, match.m_tStart);
        return (e * f <= 0 && f != 0) || (g * h <= 0 && h != 0);
    };
    if (matches != nullptr) {
        // Only the dates a match can reach the period from: back as far as the
        // longest match lasts, forward to the period's real end.
        const std::int64_t startDay = LocalDayNumber(period.m_tStart);
        const std::int64_t first = std::min(startDay, LocalDayNumber(period.m_tStart - matches->Longest()));
        const std::int64_t last = std::max(startDay, LocalDayNumber(period.m_tEnd));
        for (std::int64_t day = first; day <= last; ++day) {
            for (const cMatch* match : matches->On(day)) {
                if (overlaps(*match)) {
                    return true;
                }
            }
        }
        return false;
    }
    // Hidden matches still occupy their court.
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (overlaps(match)) {
            return true;
        }
    }
    return false;
}

cMatchDays::cMatchDays(const cDatabase& db)
{
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        Add(match);
    }
}

void cMatchDays::Add(const cMatch& match)
{
    m_byDay[match.LocalDay()].push_back(&match);
    m_longest = std::max(m_longest, match.m_tEnd - match.m_tStart);
}

std::size_t cMatchDays::MemoryBytes() const
{
    std::size_t bytes = m_byDay.bucket_count() * sizeof(void*);
    for (const auto& [day, matches] : m_byDay) {
        bytes += 2 * sizeof(void*) + sizeof(day) + sizeof(matches) + matches.capacity() * sizeof(void*);
    }
    return bytes;
}

const std::vector<const cMatch*>& cMatchDays::On(std::int64_t day) const
{
    static const std::vector<const cMatch*> s_none;
    const auto found = m_byDay.find(day);
    return found != m_byDay.end() ? found->second : s_none;
}

bool PeriodsMerge(const cUnusedTime& a, const cUnusedTime& b)
{
    if (a.m_nCourt != b.m_nCourt || !SameLocalDate(a.m_tStart, b.m_tStart)) {
        return false;
    }
    // One period's start lies within the other (ends included).
    const long long ab = MinutesBetween(a.m_tStart, b.m_tStart) * MinutesBetween(a.m_tEnd, b.m_tStart);
    const long long ba = MinutesBetween(b.m_tStart, a.m_tStart) * MinutesBetween(b.m_tEnd, a.m_tStart);
    return ab <= 0 || ba <= 0;
}

eAddCourtTime AddCourtTime(cDatabase& db, std::unique_ptr<cUnusedTime> period, const cMatch* ignored,
                           cCourtTimeOrder* order)
{
    if (HasMatchConflict(db, *period, ignored, order != nullptr ? order->Matches() : nullptr)) {
        return eAddCourtTime::Conflict;
    }
    bool merged = false;
    // A period of another date that runs past midnight into this one (or this
    // one into it) keeps what it holds; the new period takes only the rest.
    // What the new one offers beyond the end of a later date's period is added
    // to that date on its own (so it joins that period), never dropped.
    std::vector<std::unique_ptr<cUnusedTime>> beyond;
    for (cDbItem* item = FirstNear(db.CourtTime(), order, period->m_tStart); item != nullptr;
         item = item->NextLink()) {
        const auto& existing = static_cast<const cUnusedTime&>(*item);
        if (order != nullptr && existing.m_tStart >= period->m_tEnd) {
            break; // so do all after it
        }
        if (existing.m_nCourt != period->m_nCourt || existing.m_tEnd <= period->m_tStart ||
            existing.m_tStart >= period->m_tEnd || SameLocalDate(existing.m_tStart, period->m_tStart)) {
            continue;
        }
        if (existing.m_tStart <= period->m_tStart) {
            period->m_tStart = std::max(period->m_tStart, existing.m_tEnd);
        } else {
            if (period->m_tEnd > existing.m_tEnd) {
                beyond.push_back(
                    std::make_unique<cUnusedTime>(period->m_nCourt, existing.m_tEnd, period->m_tEnd));
            }
            period->m_tEnd = existing.m_tStart;
        }
        merged = true;
        if (period->m_tEnd <= period->m_tStart) {
            break; // all of it was free already
        }
    }
    if (period->m_tEnd > period->m_tStart && InsertMerged(db, std::move(period), order)) {
        merged = true;
    }
    for (std::unique_ptr<cUnusedTime>& part : beyond) {
        AddCourtTime(db, std::move(part), ignored, order);
    }
    return merged ? eAddCourtTime::Merged : eAddCourtTime::Inserted;
}

void TakeCourtTime(cDatabase& db, cUnusedTime& period, TimePoint from, TimePoint to, cCourtTimeOrder* order)
{
    cTournelDb& container = db.CourtTime();
    if (order != nullptr && !(from > period.m_tStart && to == period.m_tEnd)) {
        order->Forget(period); // unless only its end changes: its start changes or it leaves the list
    }
    if (from <= period.m_tStart && to >= period.m_tEnd) {
        std::unique_ptr<cDbItem> removed = container.RemoveItem(period);
        return;
    }
    if (from == period.m_tStart) {
        MoveStart(db, period, to, order);
        return;
    }
    if (to == period.m_tEnd) {
        period.m_tEnd = from;
        db.SetModifiedFlag();
        return;
    }
    auto before = std::make_unique<cUnusedTime>(period.m_nCourt, period.m_tStart, from);
    MoveStart(db, period, to, order);
    AddCourtTime(db, std::move(before), nullptr, order);
}

cCourtTimeOrder::cCourtTimeOrder(cTournelDb& courtTime)
    : m_order(courtTime)
{
    for (const cUnusedTime& period : courtTime.AllItems<cUnusedTime>()) {
        m_longest = std::max(m_longest, period.m_tEnd - period.m_tStart);
    }
}

cUnusedTime* cCourtTimeOrder::FirstFrom(TimePoint t) const
{
    // Nothing goes before a period of the lowest court at t but what starts earlier.
    const cUnusedTime probe(std::numeric_limits<int>::min(), t, t);
    return static_cast<cUnusedTime*>(m_order.FirstNotBefore(probe));
}

cUnusedTime& cCourtTimeOrder::Add(std::unique_ptr<cDbItem> period)
{
    auto& added = static_cast<cUnusedTime&>(m_order.Add(std::move(period)));
    m_longest = std::max(m_longest, added.m_tEnd - added.m_tStart);
    return added;
}

void cCourtTimeOrder::Forget(const cUnusedTime& period)
{
    m_order.Forget(period);
}

std::vector<TimePoint> RepeatCourtTime(cDatabase& db, const cUnusedTime& period, int weeks)
{
    const int court = period.m_nCourt;
    const cLocalTime start = LocalTime(period.m_tStart);
    const cLocalTime end = LocalTime(period.m_tEnd);
    // The end's clock time on its own date, that many days after the start's
    // date: one for an end at 00:00 (2400) or a late session past midnight.
    const std::int64_t endDays = LocalDayNumber(period.m_tEnd) - LocalDayNumber(period.m_tStart);
    std::vector<TimePoint> refused;
    for (int k = 1; k <= weeks; ++k) {
        // From noon, so that a daylight-saving change cannot move the date.
        const TimePoint noon = MakeTimePoint(start.year, start.month, start.day, 12, 0, 0) + 7LL * 86400 * k;
        const cLocalTime day = LocalTime(noon);
        const TimePoint copyStart = MakeTimePoint(day.year, day.month, day.day, start.hour, start.minute, 0);
        const TimePoint copyEnd =
            MakeTimePoint(day.year, day.month, day.day + static_cast<int>(endDays), end.hour, end.minute, 0);
        if (!FitsInFile(copyStart) || !FitsInFile(copyEnd)) {
            break; // the file could not hold this week or any later one
        }
        if (AddCourtTime(db, std::make_unique<cUnusedTime>(court, copyStart, copyEnd)) ==
            eAddCourtTime::Conflict) {
            refused.push_back(copyStart);
        }
    }
    return refused;
}

std::vector<TimePoint> DuplicateCourtTime(cDatabase& db, int sourceCourt, int targetCourt)
{
    std::vector<std::pair<TimePoint, TimePoint>> periods;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (period.m_nCourt == sourceCourt) {
            periods.emplace_back(period.m_tStart, period.m_tEnd);
        }
    }
    std::vector<TimePoint> refused;
    for (const auto& [start, end] : periods) {
        if (AddCourtTime(db, std::make_unique<cUnusedTime>(targetCourt, start, end)) ==
            eAddCourtTime::Conflict) {
            refused.push_back(start);
        }
    }
    return refused;
}

void TellRefusedCopies(cDatabase& db, const std::vector<TimePoint>& refusedStarts)
{
    if (refusedStarts.empty()) {
        return;
    }
    // Up to 52 refusals: one box that names them all, not one box each.
    std::string text = GetString(IDS_COURT_TIME_CONFLICT);
    std::string previous;
    for (const TimePoint start : refusedStarts) {
        std::string date = db.FormatDate(start);
        if (date == previous) {
            continue; // two periods of one day duplicated onto matches
        }
        text += previous.empty() ? "\n" : ", ";
        text += date;
        previous = std::move(date);
    }
    db.Prompt().ShowMessage(IDS_COURT_TIME_CONFLICT, text);
}

long long CourtTimeMinutes(const cDatabase& db, int court)
{
    long long seconds = 0;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (period.m_nCourt == court) {
            seconds += period.m_tEnd - period.m_tStart;
        }
    }
    return seconds / 60;
}
