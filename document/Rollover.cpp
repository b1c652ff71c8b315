#include "document/Rollover.h"

#include "document/DatabaseFile.h"
#include "model/CourtTime.h"
#include "model/StoredClasses.h"
#include "model/Strings.h"
#include "model/cDatabase.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

namespace {

// Walks the stored fields of items and calls fn on every TimePoint among
// them, child lists included; const items give const fields. Whatever date a
// stored class lists in its Fields is found, so a date added later moves too.
template <class Fn> class cTimeFields
{
public:
    explicit cTimeFields(Fn& fn)
        : m_fn(fn)
    {
    }

    template <class T> void Time(T& field, const cField&) { m_fn(field); }
    template <class T> void Int(T&, const cField&) {}
    template <class T> void Text(T&, const cField&) {}
    template <class T> void Byte(T&, const cField&) {}
    template <class T> void Dword(T&, const cField&) {}
    template <class T> void Ints(T&, const cField&) {}
    template <class A, class B> void IntPairs(A&, const cField&, B&, const cField&) {}
    void Reserved(const cField&) {}
    void ReservedText(const cField&) {}
    template <class T> void Group(T& part, const cField&) { std::remove_const_t<T>::Fields(part, *this); }
    void Version() {}
    void CheckVersion() {}

    template <class C> void Items(C& container, const cField&, unsigned)
    {
        using Item = std::conditional_t<std::is_const_v<C>, const cDbItem, cDbItem>;
        for (Item& item : container.template AllItems<cDbItem>()) {
            WithStoredClass(item, [&]<class T>(T& stored, std::string_view) {
                std::remove_const_t<T>::Fields(stored, *this);
            });
        }
    }

private:
    Fn& m_fn;
};

// Every date the next season keeps from the courts, leagues and officials.
template <class Db, class Fn> void ForEachKeptDate(Db& db, Fn fn)
{
    cTimeFields<Fn> visitor(fn);
    visitor.Items(db.Courts(), {}, 0);
    visitor.Items(db.Leagues(), {}, 0);
    visitor.Items(db.Officials(), {}, 0);
}

struct cEnteredPeriod
{
    int court = -1;
    TimePoint start = 0;
    TimePoint end = 0;
};

// The court time as the user entered it: the free periods and the intervals
// the scheduled matches (playoff and hidden ones too) took out of them, on
// courts that exist, by start. Giving a match's interval back is what
// deleting the match does.
std::vector<cEnteredPeriod> EnteredCourtTime(const cDatabase& db)
{
    std::vector<cEnteredPeriod> periods;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (db.GetCourt(period.m_nCourt) != nullptr && period.m_tStart < period.m_tEnd) {
            periods.push_back({period.m_nCourt, period.m_tStart, period.m_tEnd});
        }
    }
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (db.GetCourt(match.m_nCourt) != nullptr && match.m_tStart < match.m_tEnd) {
            periods.push_back({match.m_nCourt, match.m_tStart, match.m_tEnd});
        }
    }
    std::ranges::sort(periods, {}, [](const cEnteredPeriod& p) { return std::tie(p.start, p.court, p.end); });
    return periods;
}

// A table row of the team as a new team's row: position 1, every count 0.
void ResetRow(cTableItem& row)
{
    const cTableItem fresh(row.m_nTeam);
    row.m_nPosition = fresh.m_nPosition;
    row.m_nHomeWins = row.m_nHomeDraws = row.m_nHomeLosses = row.m_nHomeDisq = 0;
    row.m_nHomeScored = row.m_nHomeConceded = row.m_nHomeSetScored = row.m_nHomeSetConceded = 0;
    row.m_nAwayWins = row.m_nAwayDraws = row.m_nAwayLosses = row.m_nAwayDisq = 0;
    row.m_nAwayScored = row.m_nAwayConceded = row.m_nAwaySetScored = row.m_nAwaySetConceded = 0;
}

} // namespace

TimePoint MoveByWeeks(TimePoint t, int weeks)
{
    const cLocalTime local = LocalTime(t);
    // mktime carries the day count over months and years and finds the
    // daylight-saving offset of the new date itself.
    return MakeTimePoint(local.year, local.month, local.day + 7 * weeks, local.hour, local.minute,
                         local.second);
}

bool IsWithinDateRange(TimePoint t)
{
    if (!FitsInFile(t)) {
        return false;
    }
    const int year = LocalTime(t).year;
    return year >= kFirstYear && year <= kLastYear;
}

std::optional<cMovedDate> FindDateOutOfRange(const cDatabase& season, const cRolloverValues& values)
{
    std::optional<cMovedDate> earliest;
    const auto check = [&](TimePoint from) {
        if (earliest && earliest->from <= from) {
            return;
        }
        const TimePoint to = MoveByWeeks(from, values.weeks);
        if (!IsWithinDateRange(to)) {
            earliest = cMovedDate{from, to};
        }
    };
    ForEachKeptDate(season, [&](const TimePoint& t) { check(t); });
    if (values.keepCourtTime) {
        for (const cEnteredPeriod& period : EnteredCourtTime(season)) {
            check(period.start);
            check(period.end);
        }
    }
    return earliest;
}

cValidation Validate(const cRolloverValues& values, const cDatabase& season)
{
    if (cValidation error = CheckRange(values.weeks, cRolloverValues::kMinWeeks, cRolloverValues::kMaxWeeks,
                                       cRolloverValues::kWeeks)) {
        return error;
    }
    if (const std::optional<cMovedDate> moved = FindDateOutOfRange(season, values)) {
        // With the clock time: the last day the file holds ends early.
        const auto moment = [&](TimePoint t) { return season.FormatDate(t) + FormatTime(t, " %H:%M"); };
        return cValidationError{
            IDS_ROLLOVER_OUT_OF_RANGE, cRolloverValues::kWeeks,
            FormatString(IDS_ROLLOVER_OUT_OF_RANGE,
                         {moment(moved->from), std::to_string(values.weeks), moment(moved->to)})};
    }
    return std::nullopt;
}

cValidation MakeNextSeason(const cDatabase& season, const cRolloverValues& values, cDatabase& next)
{
    if (cValidation refusal = Validate(values, season)) {
        return refusal;
    }
    // A copy through the file's own description keeps every stored value.
    if (ReadDatabase(WriteDatabase(season), next, next.Prompt()) != eReadStatus::kOk) {
        return MakeValidationError(IDS_UNEXPECTED_ERROR, cRolloverValues::kWeeks);
    }
    const std::vector<cEnteredPeriod> courtTime =
        values.keepCourtTime ? EnteredCourtTime(next) : std::vector<cEnteredPeriod>{};

    // Results first: a match going takes nothing along then.
    next.Results().DeleteAll();
    next.Scheduled().DeleteAll();
    next.Unscheduled().DeleteAll();
    next.Unscheduled().m_bUpToDate = 0;
    next.CourtTime().DeleteAll();
    next.m_nPlayoffCounter = 0;
    for (cLeague& league : next.Leagues().AllItems<cLeague>()) {
        league.UnscheduledList().DeleteAll();
        league.m_nLastMatchNumber = 0;
        for (cTableItem& row : league.Table().AllItems<cTableItem>()) {
            ResetRow(row);
        }
        league.Table().m_bUpToDate = 0;
        // Bonus and penalty points are awarded for a season's table: carried
        // over, this season's penalty would count in the next one's.
        for (cTeam& team : league.Teams().AllItems<cTeam>()) {
            team.m_nBonusPoints = 0;
        }
    }
    for (cReferee& official : next.Officials().AllItems<cReferee>()) {
        official.m_nGames = 0;
    }

    // Moving every date by the same whole days keeps each list's order.
    ForEachKeptDate(next, [&](TimePoint& t) { t = MoveByWeeks(t, values.weeks); });
    cCourtTimeOrder order(next.CourtTime());
    for (const cEnteredPeriod& period : courtTime) {
        const TimePoint start = MoveByWeeks(period.start, values.weeks);
        const TimePoint end = MoveByWeeks(period.end, values.weeks);
        // Only a period inside the hour the clocks repeat can come out empty.
        if (start < end) {
            AddCourtTime(next, std::make_unique<cUnusedTime>(period.court, start, end), nullptr, &order);
        }
    }
    next.m_tCreated = next.Now();
    next.m_tModified = next.m_tCreated;
    return std::nullopt;
}
