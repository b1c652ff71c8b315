#pragma once

// The placement rules: whether a match may start on a court at a time.

#include "model/Calendar.h"

#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

class cDatabase;
class cMatch;
class cUnscheduledMatch;
class cUnusedTime;

// The automatic scheduler walks the court time for a match twice: first where
// the preferred playing times allow, then at any time. Whoever places a match
// by hand asks as the second walk does.
enum class ePass : int
{
    kWithPreferredTime = 1,
    kAnyTime,
};

// 0 when the match may be placed on the court of `courtTime` at `start`,
// otherwise the string id of the first broken rule's message. Only the
// match's league and teams, the court index of `courtTime` and `start` are
// read; `end` is not. The preferred playing time rule is tested in the pass
// kWithPreferredTime only.
// Hidden scheduled matches are skipped (a match being moved is out of its own
// way) and playoff matches are invisible to every rule. Nothing is changed and
// nothing is shown.
//
// Indexes that name nothing (only a damaged file holds them): a match whose
// league or a court time whose court does not exist is refused with
// IDS_UNEXPECTED_ERROR, since nothing sensible can be placed there; a team that
// does not exist has no holidays, home grounds, preferred times, day off or
// conflicts of its own, while the rules that compare team indexes between
// matches still apply to it.
//
// `leftOut`, when given, is a scheduled match the rules look past as if it
// were hidden: a match checked where it stands is not in its own way. A
// placed match's team conflicts then count only both ways (see the rule).
int CheckPlacement(const cDatabase& db, const cUnscheduledMatch& match, const cUnusedTime& courtTime,
                   TimePoint start, TimePoint end, ePass pass, const cMatch* leftOut = nullptr);

// The scheduled matches as the placement rules look at them: by team and by
// day, so that a check reads only the matches that can break a rule instead
// of walking the whole schedule. It answers exactly what CheckPlacement
// answers about whether a placement is allowed (not which rule it breaks).
// The index sees the schedule as it was when built; whoever places a match
// while using it must Add() the match. Hidden and playoff matches are left
// out, as the rules ignore them.
class cPlacementIndex
{
public:
    explicit cPlacementIndex(const cDatabase& db);

    void Add(const cMatch& match);
    // Takes out a match Add() took in, its league, teams and start still as
    // they were then: the index answers as one built without it. Whoever
    // moves a match removes it, changes its start and adds it again.
    void Remove(const cMatch& match);

    // Days on which the rules about a team's rest and a pair's return refuse
    // the match at any time, as sorted, disjoint, inclusive ranges of day
    // numbers: a walk over candidate starts may pass them by.
    std::vector<std::pair<std::int64_t, std::int64_t>> RefusedDays(const cDatabase& db,
                                                                   const cUnscheduledMatch& match) const;
    // Whether the court of `courtTime` is refused for the match at any time
    // (its rating is outside the league's range, or the home-ground rule
    // refuses it whatever the weekday and time).
    bool CourtRefused(const cDatabase& db, const cUnscheduledMatch& match,
                      const cUnusedTime& courtTime) const;

    // The refused days of one match, read in order of time by a walk over
    // the court time.
    class cDayCursor
    {
    public:
        cDayCursor(const cPlacementIndex& index, const cDatabase& db, const cUnscheduledMatch& match);
        // Whether `day` is refused; days asked about must not decrease
        // (an earlier one is answered false, and the rules then decide).
        bool Refused(std::int64_t day);
        // The last day of the refused range that Refused() just found `day` in.
        std::int64_t RefusedThrough() const { return m_days[m_next].second; }
        // The end of the holiday of the league or a team that holds t; t when none.
        // Points asked about must not decrease.
        TimePoint HolidayUntil(TimePoint t);
        void Restart()
        {
            m_next = 0;
            m_nextHoliday = 0;
            m_refusedFrom = 0;
            m_refusedUntil = 0;
        }
        // Every start in [RefusedFrom(), RefusedUntil()) is refused (on a
        // refused day or a holiday), as a walk found out; the stretch reaching
        // farthest that it noted; empty when it found none.
        void NoteRefused(TimePoint from, TimePoint until);
        TimePoint RefusedFrom() const { return m_refusedFrom; }
        TimePoint RefusedUntil() const { return m_refusedUntil; }
        // Whether the court is refused at any time; -1 when the cursor does not know the court.
        int CourtRefused(int court) const;
        // zone.SpanOf(t), kept while the walk stays within it.
        const cLocalZone::cDaySpan& SpanOf(const cLocalZone& zone, TimePoint t)
        {
            if (t < m_span.from || t >= m_span.to) {
                m_span = zone.SpanOf(t);
            }
            return m_span;
        }

    private:
        cLocalZone::cDaySpan m_span;
        TimePoint m_refusedFrom = 0;
        TimePoint m_refusedUntil = 0;
        std::vector<std::pair<std::int64_t, std::int64_t>> m_days;
        std::size_t m_next = 0;
        std::vector<std::pair<TimePoint, TimePoint>> m_holidays; // [from, until), sorted, disjoint
        std::size_t m_nextHoliday = 0;
        std::vector<signed char> m_courts; // by court index: 1 refused, 0 not, -1 no such court
    };

    // The first start in `courtTime`, from its start in steps of `duration`
    // seconds with the match ending within it, that the rules allow in
    // `pass`; -1 when none. The same answer as asking CheckPlacement start
    // by start.
    TimePoint FirstAllowedStart(const cDatabase& db, const cUnscheduledMatch& match,
                                const cUnusedTime& courtTime, TimePoint duration, ePass pass,
                                cDayCursor& days) const;

    // About how many bytes the index holds beyond its own object: the
    // entries, the lists' nodes and the zone table.
    std::size_t MemoryBytes() const;

    // The local time over the span of the court time and the schedule.
    const cLocalZone& Zone() const { return m_zone; }

    // CheckPlacement(db, match, courtTime, start, end, pass, leftOut) == 0.
    bool Allows(const cDatabase& db, const cUnscheduledMatch& match, const cUnusedTime& courtTime,
                TimePoint start, ePass pass, const cMatch* leftOut = nullptr) const;
    // The same with the local time of `start` known already.
    bool Allows(const cDatabase& db, const cUnscheduledMatch& match, const cUnusedTime& courtTime,
                TimePoint start, const cLocalTime& local, ePass pass, const cMatch* leftOut = nullptr) const;

private:
    struct cEntry
    {
        std::int64_t day = 0;
        const cMatch* match = nullptr;
    };

    cLocalZone m_zone;
    // The matches of one team of one league, and those of one day.
    std::map<std::pair<int, int>, std::vector<cEntry>> m_byTeam;
    std::unordered_map<std::int64_t, std::vector<cEntry>> m_byDay;
    // The teams (league, team) whose conflicts name a team, by the team named.
    std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> m_namedBy;
    static const std::vector<cEntry> s_none;

    const std::vector<cEntry>& TeamMatches(int league, int team) const;
};
