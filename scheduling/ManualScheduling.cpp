#include "scheduling/ManualScheduling.h"

#include "model/CourtTime.h"
#include "model/MatchHeading.h"
#include "model/Strings.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cResult.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/Placement.h"

#include <array>
#include <optional>

namespace {

constexpr int kMaxPlayoffMinutes = 1440;

// The spin button's upper limit for a court time: its end, 2400 at midnight.
ClockTime EndClockTime(const cUnusedTime& courtTime)
{
    const ClockTime end = TimeOfDay(courtTime.m_tEnd);
    return end == 0 && courtTime.m_tEnd > courtTime.m_tStart ? 2400 : end;
}

int FilterMark(const cDatabase& db, int league)
{
    return (db.m_nLeagueFilter != -1 && league != db.m_nLeagueFilter) ? 1 : 0;
}

// A new result record for a placed match, linked both ways and in the list.
cResult& AddResultFor(cDatabase& db, cMatch& match)
{
    auto result = std::make_unique<cResult>();
    result->CopyPairing(match);
    result->m_bFiltered = match.m_bFiltered;
    cResult::Link(*result, match);
    auto& added = static_cast<cResult&>(db.Results().AddItem(std::move(result), true));
    db.Results().m_bUpToDate = 0;
    return added;
}

// What the user entered into a result, carried from one record to another.
struct cEnteredResult
{
    bool any = false;
    std::array<int, cResult::kScores> home{};
    std::array<int, cResult::kScores> guest{};
    int played = 0;
    int homeDisqualified = 0;
    int guestDisqualified = 0;
};

cEnteredResult TakeEnteredResult(const cResult& result)
{
    return {true,
            result.m_nHomeScore,
            result.m_nGuestScore,
            result.m_bPlayed,
            result.m_bHomeDisqualified,
            result.m_bGuestDisqualified};
}

void GiveEnteredResult(const cEnteredResult& entered, cResult& result)
{
    if (!entered.any) {
        return;
    }
    result.m_nHomeScore = entered.home;
    result.m_nGuestScore = entered.guest;
    result.m_bPlayed = entered.played;
    result.m_bHomeDisqualified = entered.homeDisqualified;
    result.m_bGuestDisqualified = entered.guestDisqualified;
}

// The free period of `court` that holds [from, to); null when none does.
cUnusedTime* PeriodHolding(const cDatabase& db, int court, TimePoint from, TimePoint to)
{
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (period.m_nCourt == court && period.m_tStart <= from && period.m_tEnd >= to) {
            return &period;
        }
    }
    return nullptr;
}

// The free period right after a match on its court: starting exactly at its
// end, on the date the match starts. A period of the next day starting at
// midnight does not count: a match running past midnight would later give
// back court time spanning two dates, which no free period may.
cUnusedTime* PeriodAfter(const cDatabase& db, const cMatch& match)
{
    for (cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        if (period.m_nCourt == match.m_nCourt && period.m_tStart == match.m_tEnd &&
            LocalDayNumber(period.m_tStart) == LocalDayNumber(match.m_tStart)) {
            return &period;
        }
    }
    return nullptr;
}

// The court time list of both dialogs: entries and their texts.
void ListCourtTime(const cDatabase& db, std::vector<cUnusedTime*>& courtTimes,
                   std::vector<std::string>& texts, const cUnscheduledMatch* legalFor, int duration)
{
    courtTimes.clear();
    texts.clear();
    std::optional<cPlacementIndex> index;
    std::optional<cPlacementIndex::cDayCursor> days;
    if (legalFor != nullptr) {
        index.emplace(db);
        days.emplace(*index, db, *legalFor);
    }
    for (cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
        if (legalFor != nullptr &&
            index->FirstAllowedStart(db, *legalFor, period, static_cast<TimePoint>(duration) * 60,
                                     ePass::kAnyTime, *days) < 0) {
            continue;
        }
        courtTimes.push_back(&period);
        texts.push_back(CourtTimeEntry(period));
    }
}

// The shared part of the two dialogs' time checks: a court time chosen, a
// valid start, the interval within the court time.
cValidation CheckInterval(cUnusedTime* courtTime, int start, int duration, int tooEarlyId, int tooLateId,
                          int courtTimeField, int startField, cManualPlacement& placement)
{
    if (courtTime == nullptr) {
        return MakeValidationError(IDS_SELECT_PLAYING_TIME, courtTimeField);
    }
    if (!IsValidClockTime(start)) {
        return MakeValidationError(IDS_START_TIME_INVALID, startField);
    }
    const TimePoint from = StartOnDateOf(*courtTime, start);
    const TimePoint to = from + static_cast<TimePoint>(duration) * 60;
    if (from < courtTime->m_tStart) {
        return MakeValidationError(tooEarlyId, startField);
    }
    if (to > courtTime->m_tEnd) {
        return MakeValidationError(tooLateId, startField);
    }
    placement = cManualPlacement{courtTime, from, to};
    return std::nullopt;
}

cValidation CheckPlayoffTexts(const cPlayoffMatchValues& values)
{
    using F = cPlayoffMatchValues;
    if (auto error = CheckRange(values.duration, 1, kMaxPlayoffMinutes, F::kDuration)) {
        return error;
    }
    if (auto error = CheckText(values.number, IDS_PLAYOFF_NEEDS_NUMBER, F::kNumber)) {
        return error;
    }
    if (auto error = CheckText(values.homeTeam, IDS_PLAYOFF_NEEDS_HOME, F::kHomeTeam)) {
        return error;
    }
    return CheckText(values.guestTeam, IDS_PLAYOFF_NEEDS_GUEST, F::kGuestTeam);
}

} // namespace

std::string CourtTimeEntry(const cUnusedTime& courtTime)
{
    return courtTime.GetColumnText(0) + ", " + courtTime.GetColumnText(1) + " " + courtTime.GetColumnText(2) +
           ": " + courtTime.GetColumnText(3) + "-" + courtTime.GetColumnText(4);
}

TimePoint StartOnDateOf(const cUnusedTime& courtTime, ClockTime hhmm)
{
    const cLocalTime day = LocalTime(courtTime.m_tStart);
    return MakeTimePoint(day.year, day.month, day.day, hhmm / 100, hhmm % 100, 0);
}

// ---- the manual scheduling dialog ----

cManualScheduleValues cManualScheduleValues::Open(const cDatabase& db, const cUnscheduledMatch* match,
                                                  int duration, const cMatch* moving)
{
    cManualScheduleValues values;
    values.match = match;
    values.duration = duration;
    if (moving != nullptr) {
        values.heading = MatchHeading(db, *moving);
    } else if (match != nullptr) {
        values.heading = MatchHeading(db, *match);
    }
    values.Fill(db, true);
    values.Select(values.courtTimes.empty() ? -1 : 0);
    return values;
}

void cManualScheduleValues::Fill(const cDatabase& db, bool legalOnly)
{
    onlyLegal = legalOnly;
    ListCourtTime(db, courtTimes, texts, onlyLegal ? match : nullptr, duration);
    const int count = static_cast<int>(courtTimes.size());
    Select(selected >= 0 && selected < count ? selected : (count > 0 ? 0 : -1));
}

void cManualScheduleValues::Select(int index)
{
    if (index < 0 || index >= static_cast<int>(courtTimes.size())) {
        selected = -1;
        spinLow = 0;
        spinHigh = 2359;
        return;
    }
    selected = index;
    const cUnusedTime& courtTime = *courtTimes[static_cast<std::size_t>(index)];
    start = TimeOfDay(courtTime.m_tStart);
    spinLow = start;
    spinHigh = EndClockTime(courtTime);
}

cUnusedTime* cManualScheduleValues::SelectedCourtTime() const
{
    return selected >= 0 && selected < static_cast<int>(courtTimes.size())
               ? courtTimes[static_cast<std::size_t>(selected)]
               : nullptr;
}

bool HasLegalStart(const cDatabase& db, const cUnscheduledMatch& match, const cUnusedTime& courtTime,
                   int duration, const cPlacementIndex* index)
{
    if (duration <= 0) {
        return false;
    }
    const TimePoint step = static_cast<TimePoint>(duration) * 60;
    for (TimePoint start = courtTime.m_tStart; start + step <= courtTime.m_tEnd; start += step) {
        const bool allowed = index != nullptr ? index->Allows(db, match, courtTime, start, ePass::kAnyTime)
                                              : CheckPlacement(db, match, courtTime, start, start + step,
                                                               ePass::kAnyTime) == 0;
        if (allowed) {
            return true;
        }
    }
    return false;
}

cValidation CheckManualPlacement(const cManualScheduleValues& values, cManualPlacement& placement)
{
    using F = cManualScheduleValues;
    if (values.duration <= 0 && values.SelectedCourtTime() != nullptr) {
        // A league without a game duration has nothing to place.
        return MakeValidationError(IDS_UNEXPECTED_ERROR, F::kCourtTime);
    }
    return CheckInterval(values.SelectedCourtTime(), values.start, values.duration, IDS_START_TOO_EARLY,
                         IDS_START_TOO_LATE, F::kCourtTime, F::kStart, placement);
}

bool ConfirmManualPlacement(cDatabase& db, const cManualScheduleValues& values, cManualPlacement& placement)
{
    if (const cValidation error = CheckManualPlacement(values, placement)) {
        db.Prompt().ShowMessage(error->messageId, error->text);
        return false;
    }
    if (values.match == nullptr) {
        return true;
    }
    const int broken = CheckPlacement(db, *values.match, *placement.courtTime, placement.start, placement.end,
                                      ePass::kAnyTime);
    return broken == 0 || db.Prompt().AskYesNo(broken);
}

// ---- moving a match ----

cMatchMove::cMatchMove(cDatabase& db, cMatch& match)
    : m_db(db)
    , m_pMatch(&match)
    , m_nDuration(match.GetDuration())
{
    if (!match.IsPlayoff()) {
        m_pPairing = std::make_unique<cUnscheduledMatch>(match.m_nLeague, match.m_nHomeTeam,
                                                         match.m_nGuestTeam, match.m_nRound, match.m_nNumber);
    }
    const bool wasModified = db.IsModified();
    match.m_bHidden = 1;
    if (match.m_tEnd > match.m_tStart) {
        m_bGaveBack =
            AddCourtTime(db, std::make_unique<cUnusedTime>(match.m_nCourt, match.m_tStart, match.m_tEnd),
                         &match) != eAddCourtTime::Conflict;
    }
    db.SetModifiedFlag(wasModified);
}

cMatchMove::~cMatchMove()
{
    Cancel();
}

void cMatchMove::Cancel()
{
    if (!m_bOpen) {
        return;
    }
    m_bOpen = false;
    const bool wasModified = m_db.IsModified();
    cMatch& match = *m_pMatch;
    if (m_bGaveBack) {
        if (cUnusedTime* period = PeriodHolding(m_db, match.m_nCourt, match.m_tStart, match.m_tEnd)) {
            TakeCourtTime(m_db, *period, match.m_tStart, match.m_tEnd);
        }
    }
    match.m_bHidden = 0;
    m_pPairing.reset();
    m_db.SetModifiedFlag(wasModified);
}

cMatch* cMatchMove::Commit(const cManualPlacement& placement)
{
    m_bOpen = false;
    cMatch& match = *m_pMatch;
    std::unique_ptr<cDbItem> owned = m_db.Scheduled().RemoveItem(match);
    if (!owned) {
        return nullptr; // not in the schedule: nothing to move
    }
    if (match.GetOfficialCount() > 0 && m_db.Prompt().AskYesNo(IDS_REMOVE_ASSIGNED_OFFICIALS)) {
        for (int position = 0; position < cMatch::kOfficialPositions; ++position) {
            match.SetOfficial(m_db, -1, position);
        }
    }
    // The result record follows the match: a new one takes over what was entered.
    cEnteredResult entered;
    if (cResult* result = match.GetResult()) {
        entered = TakeEnteredResult(*result);
        match.SetResult(nullptr);
        result->SetMatch(nullptr);
        m_db.Results().DeleteItem(*result, m_db);
    }
    m_db.Results().m_bUpToDate = 0;
    m_db.Scheduled().m_bUpToDate = 0;
    if (cLeague* league = m_db.GetLeague(match.m_nLeague)) {
        league->Table().m_bUpToDate = 0;
    }

    cMatch* placed = nullptr;
    if (m_pPairing && m_db.GetLeague(m_pPairing->GetLeague()) != nullptr) {
        placed = ScheduleMatch(m_db, *placement.courtTime, placement.start, placement.end, *m_pPairing, true);
        // The officials keep their game counts: they move from one record to the other.
        placed->m_nOfficial = match.m_nOfficial;
        owned.reset(); // without its clean-up: its court time was given back already
    } else {
        match.m_bHidden = 0;
        match.m_bFiltered = FilterMark(m_db, match.m_nLeague);
        match.m_bByHand = 1;
        match.m_nCourt = placement.courtTime->m_nCourt;
        match.m_tStart = placement.start;
        match.m_tEnd = placement.end;
        placed = &static_cast<cMatch&>(m_db.Scheduled().AddItem(std::move(owned), true));
        TakeCourtTime(m_db, *placement.courtTime, placement.start, placement.end);
        AddResultFor(m_db, *placed);
    }
    if (cResult* result = placed->GetResult()) {
        GiveEnteredResult(entered, *result);
    }
    m_pPairing.reset();
    m_db.SetModifiedFlag();
    return placed;
}

// ---- playoff matches ----

cPlayoffMatchValues cPlayoffMatchValues::Defaults(const cDatabase& db)
{
    cPlayoffMatchValues values;
    ListCourtTime(db, values.courtTimes, values.texts, nullptr, 0);
    values.Select(values.courtTimes.empty() ? -1 : 0);
    return values;
}

cPlayoffMatchValues cPlayoffMatchValues::FromMatch(const cPlayoffMatch& match)
{
    cPlayoffMatchValues values;
    values.start = TimeOfDay(match.m_tStart);
    values.duration = match.GetDuration();
    values.number = match.m_strNumber;
    values.homeTeam = match.m_strHomeTeam;
    values.guestTeam = match.m_strGuestTeam;
    return values;
}

void cPlayoffMatchValues::Select(int index)
{
    if (index < 0 || index >= static_cast<int>(courtTimes.size())) {
        selected = -1;
        return;
    }
    selected = index;
    start = TimeOfDay(courtTimes[static_cast<std::size_t>(index)]->m_tStart);
}

cUnusedTime* cPlayoffMatchValues::SelectedCourtTime() const
{
    return selected >= 0 && selected < static_cast<int>(courtTimes.size())
               ? courtTimes[static_cast<std::size_t>(selected)]
               : nullptr;
}

cValidation CheckNewPlayoffMatch(const cPlayoffMatchValues& values, cManualPlacement& placement)
{
    using F = cPlayoffMatchValues;
    if (auto error = CheckPlayoffTexts(values)) {
        return error;
    }
    return CheckInterval(values.SelectedCourtTime(), values.start, values.duration,
                         IDS_START_OUTSIDE_COURT_TIME, IDS_FINISH_OUTSIDE_COURT_TIME, F::kCourtTime,
                         F::kStart, placement);
}

cPlayoffMatch& InsertPlayoffMatch(cDatabase& db, const cPlayoffMatchValues& values,
                                  const cManualPlacement& placement)
{
    auto created = std::make_unique<cPlayoffMatch>();
    created->m_bByHand = 1;
    created->m_nCourt = placement.courtTime->m_nCourt;
    created->m_tStart = placement.start;
    created->m_tEnd = placement.end;
    created->m_strNumber = values.number;
    created->m_strHomeTeam = values.homeTeam;
    created->m_strGuestTeam = values.guestTeam;
    created->m_nRound = ++db.m_nPlayoffCounter;
    created->m_bFiltered = FilterMark(db, created->m_nLeague);
    auto& placed = static_cast<cPlayoffMatch&>(db.Scheduled().AddItem(std::move(created), true));
    TakeCourtTime(db, *placement.courtTime, placement.start, placement.end);
    AddResultFor(db, placed);
    db.SetModifiedFlag();
    return placed;
}

cValidation CheckPlayoffChange(const cDatabase& db, const cPlayoffMatch& match,
                               const cPlayoffMatchValues& values)
{
    if (auto error = CheckPlayoffTexts(values)) {
        return error;
    }
    const int longer = values.duration - match.GetDuration();
    if (longer > 0) {
        const cUnusedTime* next = PeriodAfter(db, match);
        if (next == nullptr || next->m_tEnd - next->m_tStart < static_cast<TimePoint>(longer) * 60) {
            return MakeValidationError(IDS_NO_COURT_TIME_TO_EXTEND, cPlayoffMatchValues::kDuration);
        }
    }
    return std::nullopt;
}

void ApplyPlayoffChange(cDatabase& db, cPlayoffMatch& match, const cPlayoffMatchValues& values)
{
    match.m_strNumber = values.number;
    match.m_strHomeTeam = values.homeTeam;
    match.m_strGuestTeam = values.guestTeam;
    const TimePoint change = static_cast<TimePoint>(values.duration - match.GetDuration()) * 60;
    if (change > 0) {
        if (cUnusedTime* next = PeriodAfter(db, match)) {
            TakeCourtTime(db, *next, match.m_tEnd, match.m_tEnd + change);
            match.m_tEnd += change;
        }
    } else if (change < 0 && match.m_tEnd + change > match.m_tStart) {
        const TimePoint oldEnd = match.m_tEnd;
        match.m_tEnd += change;
        AddCourtTime(db, std::make_unique<cUnusedTime>(match.m_nCourt, match.m_tEnd, oldEnd));
    }
    db.SetModifiedFlag();
}
