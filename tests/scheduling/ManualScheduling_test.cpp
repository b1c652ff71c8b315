// Scheduling by hand on small seasons built by hand: the "Manual match
// scheduling" dialog's list and checks, moving a match, and playoff matches.

#include "SchedulingTestSupport.h"
#include "model/Strings.h"
#include "model/cReferee.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/ManualScheduling.h"
#include "support/TestBuilders.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using cSpan = std::tuple<int, TimePoint, TimePoint>; // court, start, end

// The free court time in list order.
std::vector<cSpan> FreeTime(const cDatabase& db)
{
    std::vector<cSpan> out;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        out.emplace_back(period.m_nCourt, period.m_tStart, period.m_tEnd);
    }
    return out;
}

// A league whose teams may meet any number of times a day, back to back, so
// that only the rules a case switches on refuse a start.
cLeague& FreeLeague(cTestSeason& season, const std::string& name, int teams, int duration, int rounds = 1)
{
    cLeague& league = season.League(name, teams, rounds);
    league.m_nGameDuration = duration;
    league.m_tsRestSameTeam = 0;
    league.m_tsRestSamePair = 0;
    league.m_nMatchesPerDay = 99;
    return league;
}

// The entry of the dialog's list on `court` that holds `at`; -1 when none.
template <class Values> int EntryHolding(const Values& values, const cCourt& court, TimePoint at)
{
    for (std::size_t i = 0; i < values.courtTimes.size(); ++i) {
        const cUnusedTime& period = *values.courtTimes[i];
        if (period.m_nCourt == court.m_nIndex && period.m_tStart <= at && at < period.m_tEnd) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// OK of the dialog with the box unticked, the court time holding `at`
// selected and `at`'s clock time typed as the start.
std::optional<cManualPlacement> ChooseByHand(cDatabase& db, const cUnscheduledMatch* match, int duration,
                                             const cCourt& court, TimePoint at)
{
    cManualScheduleValues values = cManualScheduleValues::Open(db, match, duration);
    values.Fill(db, false);
    values.Select(EntryHolding(values, court, at));
    values.start = TimeOfDay(at);
    cManualPlacement placement;
    if (!ConfirmManualPlacement(db, values, placement)) {
        return std::nullopt;
    }
    return placement;
}

// Schedule Manually: the dialog, then the match into the schedule.
cMatch* PlaceByHand(cTestSeason& season, cUnscheduledMatch& match, const cCourt& court, TimePoint at)
{
    const cLeague* league = season.db.GetLeague(match.GetLeague());
    const auto placement = ChooseByHand(season.db, &match, league->m_nGameDuration, court, at);
    if (!placement) {
        return nullptr;
    }
    return ScheduleMatch(season.db, *placement->courtTime, placement->start, placement->end, match, true);
}

// Move Match, accepted.
cMatch* MoveByHand(cTestSeason& season, cMatch& match, const cCourt& court, TimePoint at)
{
    cMatchMove move(season.db, match);
    const auto placement = ChooseByHand(season.db, move.Pairing(), move.Duration(), court, at);
    if (!placement) {
        return nullptr;
    }
    return move.Commit(*placement);
}

cUnscheduledMatch* WaitingWithNumber(cTestSeason& season, int number)
{
    for (cUnscheduledMatch* match : season.Unscheduled()) {
        if (match->GetNumber() == number) {
            return match;
        }
    }
    return nullptr;
}

cMatch* ScheduledWithNumber(cDatabase& db, int number)
{
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (!match.IsPlayoff() && match.m_nNumber == number) {
            return &match;
        }
    }
    return nullptr;
}

std::vector<int> ShownSince(const cScriptedPrompt& prompt, std::size_t from)
{
    const std::vector<int> ids = prompt.Ids();
    return {ids.begin() + static_cast<std::ptrdiff_t>(from), ids.end()};
}

void ExpectLinkedResult(const cDatabase& db, const cMatch& match)
{
    const cResult* result = match.GetResult();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->GetMatch(), &match);
    EXPECT_EQ(result->GetOwner(), &db.Results());
    EXPECT_EQ(result->m_nLeague, match.m_nLeague);
    EXPECT_EQ(result->m_nRound, match.m_nRound);
    EXPECT_EQ(db.Results().GetCount(), db.Scheduled().GetCount());
}

// ----- the dialog -----

TEST(ManualSchedule, APlacedMatchSplitsTheFreeTimeAroundIt)
{
    struct cCase
    {
        const char* name;
        int start;
        std::vector<std::pair<int, int>> left; // hhmm spans of day 0
    };
    const std::vector<cCase> cases = {
        {"in the middle two periods remain", 1930, {{1800, 1930}, {2100, 2200}}},
        {"at the start", 1800, {{1930, 2200}}},
        {"ending exactly at the end", 2030, {{1800, 2030}}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        const cLeague& league = FreeLeague(season, "A", 2, 90);
        season.Time(court, 0, 1800, 2200);
        const auto waiting = season.Unscheduled();
        ASSERT_EQ(waiting.size(), 1u);

        cManualScheduleValues values = cManualScheduleValues::Open(season.db, waiting[0], 90);
        ASSERT_EQ(values.courtTimes.size(), 1u);
        EXPECT_EQ(values.selected, 0);
        values.start = c.start;
        cManualPlacement placement;
        ASSERT_TRUE(ConfirmManualPlacement(season.db, values, placement));
        EXPECT_TRUE(season.prompt.m_shown.empty());
        EXPECT_EQ(placement.start, At(0, c.start));
        EXPECT_EQ(placement.end, At(0, c.start) + 90 * 60);

        cMatch* match =
            ScheduleMatch(season.db, *placement.courtTime, placement.start, placement.end, *waiting[0], true);
        ASSERT_NE(match, nullptr);
        std::vector<cSpan> left;
        for (const auto& [from, to] : c.left) {
            left.emplace_back(court.m_nIndex, At(0, from), At(0, to));
        }
        EXPECT_EQ(FreeTime(season.db), left);
        EXPECT_EQ(match->m_bByHand, 1);
        EXPECT_EQ(match->m_nLeague, league.m_nIndex);
        EXPECT_EQ(match->GetDuration(), 90);
        ExpectLinkedResult(season.db, *match);
        EXPECT_EQ(season.db.Unscheduled().GetCount(), 0);
    }
}

TEST(ManualSchedule, TheChecksComeInTheDialogsOrder)
{
    using F = cManualScheduleValues;
    struct cCase
    {
        const char* name;
        int entry; // 0: day 0 1800-2200, 1: day 1 2230-2400, -1 none
        int start;
        int duration;
        int messageId; // 0: accepted
        int field;
        int from; // the accepted interval on the entry's day, hhmm
        int to;
    };
    const std::vector<cCase> cases = {
        {"nothing selected", -1, 1900, 90, IDS_SELECT_PLAYING_TIME, F::kCourtTime},
        {"nothing selected is told before an invalid start", -1, 1975, 90, IDS_SELECT_PLAYING_TIME,
         F::kCourtTime},
        {"minutes past 59", 0, 1975, 90, IDS_START_TIME_INVALID, F::kStart},
        {"after midnight", 0, 2401, 90, IDS_START_TIME_INVALID, F::kStart},
        {"negative", 0, -30, 90, IDS_START_TIME_INVALID, F::kStart},
        {"one minute before the court time", 0, 1759, 90, IDS_START_TOO_EARLY, F::kStart},
        {"at the court time's start", 0, 1800, 90, 0, 0, 1800, 1930},
        {"ending exactly at its end", 0, 2030, 90, 0, 0, 2030, 2200},
        {"ending one minute after it", 0, 2031, 90, IDS_START_TOO_LATE, F::kStart},
        {"2400 in an evening court time", 0, 2400, 90, IDS_START_TOO_LATE, F::kStart},
        {"ending at midnight", 1, 2230, 90, 0, 0, 2230, 2400},
        {"2400 when the court time ends at midnight", 1, 2400, 90, IDS_START_TOO_LATE, F::kStart},
        {"0000 is the morning of the court time's date", 1, 0, 90, IDS_START_TOO_EARLY, F::kStart},
        {"one minute past midnight at its end", 1, 2231, 90, IDS_START_TOO_LATE, F::kStart},
        {"a league without a game duration", 0, 1800, 0, IDS_UNEXPECTED_ERROR, F::kCourtTime},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        season.db.m_bSchedIgnoreLatestStart = 1; // so that a late start asks nothing
        const cCourt& court = season.Court("C1");
        FreeLeague(season, "A", 2, 90);
        season.Time(court, 0, 1800, 2200);
        season.Time(court, 1, 2230, 2400);
        const auto waiting = season.Unscheduled();

        cManualScheduleValues values = cManualScheduleValues::Open(season.db, waiting.at(0), c.duration);
        values.Fill(season.db, false);
        ASSERT_EQ(values.courtTimes.size(), 2u);
        values.Select(c.entry);
        values.start = c.start;
        cManualPlacement placement;
        const cValidation error = CheckManualPlacement(values, placement);
        if (c.messageId == 0) {
            ASSERT_FALSE(error.has_value()) << error->messageId;
            EXPECT_EQ(placement.courtTime, values.courtTimes[static_cast<std::size_t>(c.entry)]);
            EXPECT_EQ(placement.start, At(c.entry, c.from));
            EXPECT_EQ(placement.end, At(c.entry, c.to));
            EXPECT_TRUE(ConfirmManualPlacement(season.db, values, placement));
            EXPECT_TRUE(season.prompt.m_shown.empty());
            continue;
        }
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->messageId, c.messageId);
        EXPECT_EQ(error->field, c.field);
        // OK tells the same and keeps the dialog open.
        EXPECT_FALSE(ConfirmManualPlacement(season.db, values, placement));
        EXPECT_EQ(season.prompt.Ids(), std::vector<int>{c.messageId});
        EXPECT_FALSE(season.prompt.m_shown.at(0).question);
        EXPECT_EQ(season.db.CourtTime().GetCount(), 2);
    }
}

TEST(ManualSchedule, SpinLimitsFollowTheSelectedCourtTime)
{
    struct cCase
    {
        const char* name;
        int from;
        int to;
        bool select;
        ClockTime low;
        ClockTime high;
    };
    const std::vector<cCase> cases = {
        {"an evening", 1800, 2200, true, 1800, 2200},
        {"ending at midnight", 2230, 2400, true, 2230, 2400},
        {"a morning from midnight", 0, 600, true, 0, 600},
        {"a whole day", 0, 2400, true, 0, 2400},
        {"nothing selected", 1800, 2200, false, 0, 2359},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        FreeLeague(season, "A", 2, 30);
        season.Time(court, 3, c.from, c.to);
        const auto waiting = season.Unscheduled();
        cManualScheduleValues values = cManualScheduleValues::Open(season.db, waiting.at(0), 30);
        values.Fill(season.db, false); // late court time breaks the latest start
        ASSERT_EQ(values.courtTimes.size(), 1u);
        values.start = 1234;
        values.Select(c.select ? 0 : -1);
        EXPECT_EQ(values.spinLow, c.low);
        EXPECT_EQ(values.spinHigh, c.high);
        EXPECT_EQ(values.SelectedCourtTime(), c.select ? values.courtTimes[0] : nullptr);
        if (c.select) {
            EXPECT_EQ(values.start, c.from); // the start follows the selection
        }
    }
}

TEST(ManualSchedule, ABrokenRuleIsAskedAndNoKeepsTheDialogOpen)
{
    struct cCase
    {
        const char* name;
        int start;
        std::optional<bool> answer; // none: nothing may be asked
        bool placed;
    };
    const std::vector<cCase> cases = {
        {"a legal start asks nothing", 1900, std::nullopt, true},
        {"the latest legal start", 2000, std::nullopt, true},
        {"too late, Yes places it anyway", 2030, true, true},
        {"too late, No keeps the dialog", 2030, false, false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        FreeLeague(season, "A", 2, 60).m_nLatestStart = 2000;
        season.Time(court, 0, 1800, 2200);
        const auto waiting = season.Unscheduled();
        cManualScheduleValues values = cManualScheduleValues::Open(season.db, waiting.at(0), 60);
        ASSERT_EQ(values.courtTimes.size(), 1u);
        values.start = c.start;
        if (c.answer) {
            season.prompt.Answer(*c.answer);
        }
        cManualPlacement placement;
        EXPECT_EQ(ConfirmManualPlacement(season.db, values, placement), c.placed);
        EXPECT_EQ(season.prompt.Ids(), c.answer ? std::vector<int>{IDS_TOO_LATE_START} : std::vector<int>{});
        EXPECT_TRUE(season.prompt.AllAnswered());
        if (c.placed) {
            EXPECT_EQ(placement.start, At(0, c.start));
        }
        // Asking changes nothing: the court time waits for the match to be placed.
        EXPECT_EQ(FreeTime(season.db), (std::vector<cSpan>{{court.m_nIndex, At(0, 1800), At(0, 2200)}}));
    }
}

TEST(ManualSchedule, OnlyLegalTimesLeavesOutEveryCourtTimeWithoutALegalStart)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    FreeLeague(season, "A", 2, 60).m_nLatestStart = 1700; // every evening start is too late
    season.Time(court, 0, 1800, 2200);
    season.Time(court, 1, 1800, 2000);
    const auto waiting = season.Unscheduled();

    cManualScheduleValues values = cManualScheduleValues::Open(season.db, waiting.at(0), 60);
    EXPECT_TRUE(values.onlyLegal);
    EXPECT_TRUE(values.courtTimes.empty());
    EXPECT_TRUE(values.texts.empty());
    EXPECT_EQ(values.selected, -1);
    cManualPlacement placement;
    ASSERT_TRUE(CheckManualPlacement(values, placement).has_value());
    EXPECT_EQ(CheckManualPlacement(values, placement)->messageId, IDS_SELECT_PLAYING_TIME);

    // Unticked, every free court time is listed and the first one selected.
    values.Fill(season.db, false);
    EXPECT_FALSE(values.onlyLegal);
    ASSERT_EQ(values.courtTimes.size(), 2u);
    EXPECT_EQ(values.texts.size(), 2u);
    EXPECT_EQ(values.selected, 0);
    EXPECT_EQ(values.start, 1800);
    season.prompt.Answer(true);
    EXPECT_TRUE(ConfirmManualPlacement(season.db, values, placement));
    EXPECT_EQ(season.prompt.Ids(), std::vector<int>{IDS_TOO_LATE_START});

    // Ticked again: empty again.
    values.Fill(season.db, true);
    EXPECT_TRUE(values.courtTimes.empty());
    EXPECT_EQ(values.selected, -1);
}

TEST(ManualSchedule, ACourtTimeTooShortForTheMatchHasNoLegalStart)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    FreeLeague(season, "A", 2, 60);
    const cUnusedTime& tooShort = season.Time(court, 0, 1800, 1859);
    const cUnusedTime& enough = season.Time(court, 1, 1800, 1900);
    const auto waiting = season.Unscheduled();
    EXPECT_FALSE(HasLegalStart(season.db, *waiting.at(0), tooShort, 60));
    EXPECT_TRUE(HasLegalStart(season.db, *waiting[0], enough, 60));
    EXPECT_FALSE(HasLegalStart(season.db, *waiting[0], enough, 61));
    EXPECT_FALSE(HasLegalStart(season.db, *waiting[0], enough, 0));

    cManualScheduleValues values = cManualScheduleValues::Open(season.db, waiting[0], 60);
    ASSERT_EQ(values.courtTimes.size(), 1u);
    EXPECT_EQ(values.courtTimes[0], &enough);
    // Unticked it is listed, and OK tells that the match does not fit.
    values.Fill(season.db, false);
    ASSERT_EQ(values.courtTimes.size(), 2u);
    values.Select(0);
    cManualPlacement placement;
    EXPECT_FALSE(ConfirmManualPlacement(season.db, values, placement));
    EXPECT_EQ(season.prompt.Ids(), std::vector<int>{IDS_START_TOO_LATE});
}

TEST(ManualSchedule, TogglingTheBoxKeepsThePositionWhileTheListIsLongEnough)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    FreeLeague(season, "A", 2, 60).m_nLatestStart = 2000;
    season.Time(court, 0, 1800, 2200); // legal from 1800
    season.Time(court, 1, 2100, 2300); // every start too late
    season.Time(court, 2, 1900, 2000); // legal at 1900
    const auto waiting = season.Unscheduled();

    cManualScheduleValues values = cManualScheduleValues::Open(season.db, waiting.at(0), 60);
    ASSERT_EQ(values.courtTimes.size(), 2u);
    EXPECT_EQ(values.courtTimes[1]->m_tStart, At(2, 1900));

    struct cToggle
    {
        const char* name;
        int select;
        bool legalOnly;
        std::size_t count;
        int selected;
        TimePoint selectedStart;
        ClockTime start;
        ClockTime high;
    };
    const std::vector<cToggle> toggles = {
        {"unticked: position 1 stays, now the too late evening", 1, false, 3, 1, At(1, 2100), 2100, 2300},
        {"ticked with position 2 beyond the list: the first", 2, true, 2, 0, At(0, 1800), 1800, 2200},
        {"ticked again with position 1: kept", 1, true, 2, 1, At(2, 1900), 1900, 2000},
        {"unticked from the first: still the first", 0, false, 3, 0, At(0, 1800), 1800, 2200},
    };
    for (const cToggle& t : toggles) {
        SCOPED_TRACE(t.name);
        values.Select(t.select);
        values.start = 1234; // typed, then the list is filled again
        values.Fill(season.db, t.legalOnly);
        ASSERT_EQ(values.courtTimes.size(), t.count);
        EXPECT_EQ(values.texts.size(), t.count);
        ASSERT_EQ(values.selected, t.selected);
        EXPECT_EQ(values.SelectedCourtTime()->m_tStart, t.selectedStart);
        EXPECT_EQ(values.start, t.start);
        EXPECT_EQ(values.spinLow, t.start);
        EXPECT_EQ(values.spinHigh, t.high);
    }
}

// ----- moving a match -----

struct cSnapshot
{
    std::vector<cSpan> free;
    std::vector<std::tuple<const cMatch*, int, TimePoint, TimePoint, int, int, std::array<int, 5>>> matches;
    std::vector<int> games;
    int results = 0;
    int unscheduled = 0;
    bool modified = false;
};

cSnapshot TakeSnapshot(const cDatabase& db)
{
    cSnapshot snapshot;
    snapshot.free = FreeTime(db);
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        snapshot.matches.emplace_back(&match, match.m_nCourt, match.m_tStart, match.m_tEnd, match.m_nNumber,
                                      match.m_bHidden, match.m_nOfficial);
    }
    for (const cReferee& official : db.Officials().AllItems<cReferee>()) {
        snapshot.games.push_back(official.m_nGames);
    }
    snapshot.results = db.Results().GetCount();
    snapshot.unscheduled = db.Unscheduled().GetCount();
    snapshot.modified = db.IsModified();
    return snapshot;
}

void ExpectSame(const cSnapshot& before, const cSnapshot& after)
{
    EXPECT_EQ(after.free, before.free);
    EXPECT_EQ(after.matches, before.matches);
    EXPECT_EQ(after.games, before.games);
    EXPECT_EQ(after.results, before.results);
    EXPECT_EQ(after.unscheduled, before.unscheduled);
    EXPECT_EQ(after.modified, before.modified);
}

TEST(MatchMove, ToAnotherDayAndBackLeavesTheFreeTimeAsItWas)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    FreeLeague(season, "A", 2, 90);
    season.Time(court, 0, 1800, 2200);
    season.Time(court, 1, 1800, 2200);
    const auto waiting = season.Unscheduled();
    cMatch* match = PlaceByHand(season, *waiting.at(0), court, At(0, 1930));
    ASSERT_NE(match, nullptr);
    const std::vector<cSpan> placed = FreeTime(season.db);
    ASSERT_EQ(placed.size(), 3u);
    const int number = match->m_nNumber;

    {
        // While the dialog is open the match's interval is free again, one
        // period with the time around it, and the match is hidden.
        cMatchMove move(season.db, *match);
        EXPECT_EQ(match->m_bHidden, 1);
        EXPECT_EQ(move.Duration(), 90);
        ASSERT_NE(move.Pairing(), nullptr);
        EXPECT_EQ(move.Pairing()->GetNumber(), number);
        const cManualScheduleValues values =
            cManualScheduleValues::Open(season.db, move.Pairing(), move.Duration());
        ASSERT_EQ(values.courtTimes.size(), 2u);
        EXPECT_EQ(FreeTime(season.db), (std::vector<cSpan>{{court.m_nIndex, At(0, 1800), At(0, 2200)},
                                                           {court.m_nIndex, At(1, 1800), At(1, 2200)}}));
    }
    EXPECT_EQ(FreeTime(season.db), placed);

    cMatch* moved = MoveByHand(season, *match, court, At(1, 2000));
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(FreeTime(season.db), (std::vector<cSpan>{{court.m_nIndex, At(0, 1800), At(0, 2200)},
                                                       {court.m_nIndex, At(1, 1800), At(1, 2000)},
                                                       {court.m_nIndex, At(1, 2130), At(1, 2200)}}));
    EXPECT_EQ(moved->m_tStart, At(1, 2000));
    EXPECT_EQ(moved->GetDuration(), 90);

    cMatch* back = MoveByHand(season, *moved, court, At(0, 1930));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(FreeTime(season.db), placed);
    EXPECT_EQ(back->m_nNumber, number);
    EXPECT_EQ(back->m_bByHand, 1);
    EXPECT_EQ(back->m_bHidden, 0);
    EXPECT_EQ(season.db.Scheduled().GetCount(), 1);
    ExpectLinkedResult(season.db, *back);
    EXPECT_TRUE(season.prompt.m_shown.empty());
}

TEST(MatchMove, CancelPutsEverythingBack)
{
    struct cCase
    {
        const char* name;
        bool modified;
        bool explicitCancel;
        bool browse; // the list toggled and an OK refused before the Cancel
    };
    const std::vector<cCase> cases = {
        {"unmodified document, dialog closed", false, false, false},
        {"modified document, dialog closed", true, false, false},
        {"unmodified document, Cancel after browsing", false, true, true},
        {"modified document, Cancel after browsing", true, true, true},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        FreeLeague(season, "A", 4, 60);
        season.Time(court, 0, 1800, 2200);
        season.Time(court, 1, 1800, 2200);
        const auto waiting = season.Unscheduled();
        cMatch* first = PlaceByHand(season, *waiting.at(0), court, At(0, 1900));
        ASSERT_NE(PlaceByHand(season, *waiting.at(1), court, At(0, 2000)), nullptr);
        ASSERT_NE(first, nullptr);
        const cReferee& official = BuildOfficial(season.db, "Official 1");
        first->SetOfficial(season.db, official.m_nIndex, 0);
        season.db.SetModifiedFlag(c.modified);
        const cSnapshot before = TakeSnapshot(season.db);

        {
            cMatchMove move(season.db, *first);
            EXPECT_EQ(first->m_bHidden, 1);
            EXPECT_EQ(season.db.IsModified(), c.modified); // preparing is no change
            cManualScheduleValues values =
                cManualScheduleValues::Open(season.db, move.Pairing(), move.Duration());
            if (c.browse) {
                values.Fill(season.db, false);
                values.Select(1);
                values.start = 2359;
                cManualPlacement placement;
                EXPECT_FALSE(ConfirmManualPlacement(season.db, values, placement));
                values.Fill(season.db, true);
            }
            if (c.explicitCancel) {
                move.Cancel();
                ExpectSame(before, TakeSnapshot(season.db));
                move.Cancel(); // a second Cancel, and the destructor, do nothing more
            }
        }
        ExpectSame(before, TakeSnapshot(season.db));
        EXPECT_EQ(first->m_bHidden, 0);
        EXPECT_EQ(first->GetResult()->GetMatch(), first);
    }
}

TEST(MatchMove, TheMovedMatchKeepsItsNumberResultAndOfficialsUnlessAsked)
{
    struct cCase
    {
        const char* name;
        bool officials;
        bool removeThem; // the answer to IDS_REMOVE_ASSIGNED_OFFICIALS
    };
    const std::vector<cCase> cases = {
        {"no officials: nothing asked", false, false},
        {"officials kept on No", true, false},
        {"officials removed on Yes", true, true},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        FreeLeague(season, "A", 3, 60);
        season.Time(court, 0, 1200, 1500);
        season.Time(court, 1, 1800, 2200);
        ScheduleAutomatically(season.db);
        ASSERT_EQ(season.db.Scheduled().GetCount(), 3);
        // Number 1 leaves the schedule: the moved match must not take the gap.
        season.db.Scheduled().DeleteItem(*ScheduledWithNumber(season.db, 1), season.db);
        cMatch* match = ScheduledWithNumber(season.db, 3);
        ASSERT_NE(match, nullptr);
        const int home = match->m_nHomeTeam;
        const int round = match->m_nRound;
        const cReferee& first = BuildOfficial(season.db, "Official 1");
        const cReferee& second = BuildOfficial(season.db, "Official 2");
        if (c.officials) {
            match->SetOfficial(season.db, first.m_nIndex, 0);
            match->SetOfficial(season.db, second.m_nIndex, 1);
            season.prompt.Answer(c.removeThem);
        }
        cResult& entered = *match->GetResult();
        entered.m_bPlayed = 1;
        entered.m_nHomeScore[0] = 3;
        entered.m_nGuestScore[0] = 1;
        entered.m_nHomeScore[2] = 25;
        entered.m_nGuestScore[2] = 21;
        entered.m_bGuestDisqualified = 1;
        const std::size_t shownBefore = season.prompt.m_shown.size();

        cMatch* moved = MoveByHand(season, *match, court, At(1, 1900));
        ASSERT_NE(moved, nullptr);
        EXPECT_EQ(ShownSince(season.prompt, shownBefore),
                  c.officials ? std::vector<int>{IDS_REMOVE_ASSIGNED_OFFICIALS} : std::vector<int>{});
        EXPECT_TRUE(season.prompt.AllAnswered());
        EXPECT_EQ(moved->m_nNumber, 3);
        EXPECT_EQ(moved->m_nHomeTeam, home);
        EXPECT_EQ(moved->m_nRound, round);
        EXPECT_EQ(moved->m_tStart, At(1, 1900));
        EXPECT_EQ(moved->m_bByHand, 1);
        const bool kept = c.officials && !c.removeThem;
        EXPECT_EQ(moved->GetOfficial(0), kept ? first.m_nIndex : -1);
        EXPECT_EQ(moved->GetOfficial(1), kept ? second.m_nIndex : -1);
        EXPECT_EQ(first.m_nGames, kept ? 1 : 0);
        EXPECT_EQ(second.m_nGames, kept ? 1 : 0);

        ExpectLinkedResult(season.db, *moved);
        const cResult& result = *moved->GetResult();
        EXPECT_TRUE(result.IsPlayed());
        EXPECT_EQ(result.m_nHomeScore[0], 3);
        EXPECT_EQ(result.m_nGuestScore[0], 1);
        EXPECT_EQ(result.m_nHomeScore[2], 25);
        EXPECT_EQ(result.m_nGuestScore[2], 21);
        EXPECT_EQ(result.m_bGuestDisqualified, 1);
        EXPECT_EQ(result.m_bHomeDisqualified, 0);
        EXPECT_EQ(result.m_nHomeTeam, home);
        EXPECT_EQ(season.db.Scheduled().GetCount(), 2);
        EXPECT_EQ(season.db.Unscheduled().GetCount(), 1);
    }
}

TEST(MatchMove, TheMovedMatchIsOutOfItsOwnWay)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cLeague& league = FreeLeague(season, "A", 2, 60, 2);
    league.m_nMatchesPerDay = 1;
    season.Time(court, 0, 1800, 2200);
    const auto waiting = season.Unscheduled();
    ASSERT_EQ(waiting.size(), 2u);
    cUnscheduledMatch* other = waiting[1];
    cMatch* match = PlaceByHand(season, *waiting[0], court, At(0, 1800));
    ASSERT_NE(match, nullptr);
    // The second meeting of the two teams may not be on that day...
    EXPECT_TRUE(cManualScheduleValues::Open(season.db, other, 60).courtTimes.empty());

    // ...but the match itself may move within it without a question.
    cMatchMove move(season.db, *match);
    cManualScheduleValues values = cManualScheduleValues::Open(season.db, move.Pairing(), move.Duration());
    ASSERT_EQ(values.courtTimes.size(), 1u);
    values.start = 2100;
    cManualPlacement placement;
    ASSERT_TRUE(ConfirmManualPlacement(season.db, values, placement));
    cMatch* moved = move.Commit(placement);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->m_tStart, At(0, 2100));
    EXPECT_TRUE(season.prompt.m_shown.empty());
    EXPECT_EQ(FreeTime(season.db), (std::vector<cSpan>{{court.m_nIndex, At(0, 1800), At(0, 2100)}}));
}

TEST(MatchMove, APlayoffMatchKeepsItsTextsRoundAndResult)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    const cCourt& other = season.Court("C2");
    season.Time(court, 0, 1800, 2200);
    season.Time(other, 1, 1800, 2200);
    season.db.m_nPlayoffCounter = 4;
    cPlayoffMatchValues values = cPlayoffMatchValues::Defaults(season.db);
    values.number = "Final";
    values.homeTeam = "Winner SF1";
    values.guestTeam = "Winner SF2";
    values.start = 1900;
    cManualPlacement placement;
    ASSERT_FALSE(CheckNewPlayoffMatch(values, placement).has_value());
    cPlayoffMatch& playoff = InsertPlayoffMatch(season.db, values, placement);
    playoff.GetResult()->m_bPlayed = 1;
    playoff.GetResult()->m_nHomeScore[0] = 2;

    cMatch* moved = MoveByHand(season, playoff, other, At(1, 2030));
    ASSERT_NE(moved, nullptr);
    ASSERT_TRUE(moved->IsPlayoff());
    const auto& texts = static_cast<const cPlayoffMatch&>(*moved);
    EXPECT_EQ(texts.m_strNumber, "Final");
    EXPECT_EQ(texts.m_strHomeTeam, "Winner SF1");
    EXPECT_EQ(texts.m_strGuestTeam, "Winner SF2");
    EXPECT_EQ(moved->m_nRound, 5);
    EXPECT_EQ(season.db.m_nPlayoffCounter, 5);
    EXPECT_EQ(moved->m_nCourt, other.m_nIndex);
    EXPECT_EQ(moved->m_tStart, At(1, 2030));
    EXPECT_EQ(moved->GetDuration(), 90);
    EXPECT_EQ(moved->m_bHidden, 0);
    ExpectLinkedResult(season.db, *moved);
    EXPECT_TRUE(moved->GetResult()->IsPlayed());
    EXPECT_EQ(moved->GetResult()->m_nHomeScore[0], 2);
    EXPECT_EQ(FreeTime(season.db), (std::vector<cSpan>{{court.m_nIndex, At(0, 1800), At(0, 2200)},
                                                       {other.m_nIndex, At(1, 1800), At(1, 2030)}}));
    EXPECT_TRUE(season.prompt.m_shown.empty());
}

TEST(ManualSchedule, AMatchTakenOutAndPlacedAgainGetsItsNumberBackWhileFree)
{
    struct cCase
    {
        const char* name;
        bool otherPlacedFirst; // an unnumbered match is placed by hand in between
        int expected;
    };
    const std::vector<cCase> cases = {
        {"its number is still free", false, 2},
        {"another match took the gap", true, 4},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        FreeLeague(season, "A", 4, 60);
        season.Time(court, 0, 1200, 1500);
        ScheduleAutomatically(season.db);
        ASSERT_EQ(season.db.Scheduled().GetCount(), 3);
        ASSERT_EQ(season.db.Unscheduled().GetCount(), 3);
        season.Time(court, 1, 1800, 2200);
        season.db.Scheduled().DeleteItem(*ScheduledWithNumber(season.db, 2), season.db);
        cUnscheduledMatch* removed = WaitingWithNumber(season, 2);
        ASSERT_NE(removed, nullptr);
        if (c.otherPlacedFirst) {
            cUnscheduledMatch* fresh = WaitingWithNumber(season, 0);
            ASSERT_NE(fresh, nullptr);
            cMatch* taken = PlaceByHand(season, *fresh, court, At(1, 1800));
            ASSERT_NE(taken, nullptr);
            EXPECT_EQ(taken->m_nNumber, 2);
        }
        cMatch* again = PlaceByHand(season, *removed, court, At(1, 2000));
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->m_nNumber, c.expected);
        EXPECT_EQ(season.db.GetLeague(again->m_nLeague)->m_nLastMatchNumber, c.otherPlacedFirst ? 4 : 3);
    }
}

TEST(ManualSchedule, TheHeadingNamesTheMatchTheDialogIsFor)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cLeague& league = FreeLeague(season, "U12", 3, 60);
    league.m_strName = "Under 12";
    season.db.m_nDateFormat = 0;
    season.Time(court, 1, 1800, 2200);
    cMatch& scheduled = season.Scheduled(league, 1, 2, 1, court, At(5, 1030), 3);
    cPlayoffMatch& playoff = season.Playoff(court, At(6, 2015));
    playoff.m_strNumber = "Final";
    playoff.m_strHomeTeam = "Winner SF1";
    playoff.m_strGuestTeam = "Winner SF2";
    cUnscheduledMatch* waiting = nullptr;
    for (cUnscheduledMatch* match : season.Unscheduled()) {
        if (match->GetHomeTeam() == 0 || match->GetGuestTeam() == 0) {
            waiting = match;
        }
    }
    ASSERT_NE(waiting, nullptr);
    const std::string teams = waiting->GetColumnText(1) + " - " + waiting->GetColumnText(2);
    const auto on = [&season](TimePoint t) { return season.db.WeekdayOf(t) + " " + season.db.FormatDate(t); };

    struct cCase
    {
        const char* name;
        int wanted;           // of the waiting match
        const cMatch* moving; // null: the waiting match is placed
        std::string heading;
    };
    const std::vector<cCase> cases = {
        {"a match waiting without a number", 0, nullptr, "U12  " + teams + ", Under 12"},
        {"a match waiting for its old number", 7, nullptr, "U12-7  " + teams + ", Under 12"},
        {"a league match moved", 0, &scheduled, "U12-3  U12 2 - U12 3, " + on(At(5, 0)) + " 10:30"},
        {"a playoff match moved", 0, &playoff, "Final  Winner SF1 - Winner SF2, " + on(At(6, 0)) + " 20:15"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        waiting->SetNumber(c.wanted);
        const cManualScheduleValues values =
            cManualScheduleValues::Open(season.db, c.moving == nullptr ? waiting : nullptr, 60, c.moving);
        EXPECT_EQ(values.heading, c.heading);
    }
    // The pairing of a match being moved is in no list, and its heading still names the league.
    {
        cMatchMove move(season.db, scheduled);
        ASSERT_NE(move.Pairing(), nullptr);
        EXPECT_EQ(move.Pairing()->GetLabel(season.db), "U12-3");
        const cManualScheduleValues values =
            cManualScheduleValues::Open(season.db, move.Pairing(), move.Duration(), &move.Moving());
        EXPECT_EQ(values.heading, "U12-3  U12 2 - U12 3, " + on(At(5, 0)) + " 10:30");
    }
}

// ----- playoff matches -----

TEST(PlayoffMatch, TheNewMatchChecks)
{
    using F = cPlayoffMatchValues;
    struct cCase
    {
        const char* name;
        int entry; // 0: day 0 1800-2200, 1: day 1 2230-2400, 2: day 2 0000-2400, -1 none
        int start;
        int duration;
        std::string number;
        std::string home;
        std::string guest;
        int messageId; // 0: accepted
        int field;
        int endDay; // the accepted end
        int end;
    };
    const std::vector<cCase> cases = {
        {"the defaults with texts", 0, 1800, 90, "F", "H", "G", 0, 0, 0, 1930},
        {"no number", 0, 1800, 90, "", "H", "G", IDS_PLAYOFF_NEEDS_NUMBER, F::kNumber},
        {"a blank number", 0, 1800, 90, "  ", "H", "G", IDS_PLAYOFF_NEEDS_NUMBER, F::kNumber},
        {"no home team", 0, 1800, 90, "F", "", "G", IDS_PLAYOFF_NEEDS_HOME, F::kHomeTeam},
        {"no guest team", 0, 1800, 90, "F", "H", "", IDS_PLAYOFF_NEEDS_GUEST, F::kGuestTeam},
        {"no minutes", 0, 1800, 0, "F", "H", "G", IDS_ENTER_INTEGER_BETWEEN, F::kDuration},
        {"over a day", 2, 0, 1441, "F", "H", "G", IDS_ENTER_INTEGER_BETWEEN, F::kDuration},
        {"one minute", 0, 2159, 1, "F", "H", "G", 0, 0, 0, 2200},
        {"a whole day", 2, 0, 1440, "F", "H", "G", 0, 0, 3, 0},
        {"nothing selected", -1, 1800, 90, "F", "H", "G", IDS_SELECT_PLAYING_TIME, F::kCourtTime},
        {"an invalid start", 0, 1960, 90, "F", "H", "G", IDS_START_TIME_INVALID, F::kStart},
        {"one minute before the court time", 0, 1759, 90, "F", "H", "G", IDS_START_OUTSIDE_COURT_TIME,
         F::kStart},
        {"one minute longer than the court time", 0, 2031, 90, "F", "H", "G", IDS_FINISH_OUTSIDE_COURT_TIME,
         F::kStart},
        {"ending at midnight", 1, 2230, 90, "F", "H", "G", 0, 0, 2, 0},
        {"2400 when the court time ends at midnight", 1, 2400, 1, "F", "H", "G",
         IDS_FINISH_OUTSIDE_COURT_TIME, F::kStart},
        {"a whole day in an evening", 1, 2230, 1440, "F", "H", "G", IDS_FINISH_OUTSIDE_COURT_TIME, F::kStart},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        season.Time(court, 0, 1800, 2200);
        season.Time(court, 1, 2230, 2400);
        season.Time(court, 2, 0, 2400);
        cPlayoffMatchValues values = cPlayoffMatchValues::Defaults(season.db);
        ASSERT_EQ(values.courtTimes.size(), 3u);
        EXPECT_EQ(values.selected, 0);
        EXPECT_EQ(values.start, 1800);
        EXPECT_EQ(values.duration, 90);
        values.Select(c.entry);
        values.start = c.start;
        values.duration = c.duration;
        values.number = c.number;
        values.homeTeam = c.home;
        values.guestTeam = c.guest;
        cManualPlacement placement;
        const cValidation error = CheckNewPlayoffMatch(values, placement);
        if (c.messageId != 0) {
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->messageId, c.messageId);
            EXPECT_EQ(error->field, c.field);
            continue;
        }
        ASSERT_FALSE(error.has_value()) << error->messageId;
        EXPECT_EQ(placement.start, At(c.entry, c.start));
        EXPECT_EQ(placement.end, At(c.endDay, c.end));
        EXPECT_EQ(placement.courtTime, values.courtTimes[static_cast<std::size_t>(c.entry)]);
    }
}

TEST(PlayoffMatch, EachNewOneTakesTheNextRoundOfTheCounter)
{
    struct cCase
    {
        const char* name;
        int counter;
        std::vector<int> rounds;
    };
    const std::vector<cCase> cases = {
        {"a new document: the first is round 1", 0, {1, 2, 3}},
        {"a counter read from a file", 7, {8, 9, 10}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        season.Time(court, 0, 1800, 2200);
        season.db.m_nPlayoffCounter = c.counter;
        season.db.SetModifiedFlag(false);
        std::vector<int> rounds;
        for (const int start : {1900, 1800, 2030}) {
            cPlayoffMatchValues values = cPlayoffMatchValues::Defaults(season.db);
            values.Select(0);
            values.start = start;
            values.duration = 60;
            values.number = "P";
            values.homeTeam = "H";
            values.guestTeam = "G";
            cManualPlacement placement;
            ASSERT_FALSE(CheckNewPlayoffMatch(values, placement).has_value());
            cPlayoffMatch& playoff = InsertPlayoffMatch(season.db, values, placement);
            rounds.push_back(playoff.m_nRound);
            EXPECT_EQ(playoff.m_bByHand, 1);
            EXPECT_EQ(playoff.m_nCourt, court.m_nIndex);
            ExpectLinkedResult(season.db, playoff);
        }
        EXPECT_EQ(rounds, c.rounds);
        EXPECT_EQ(season.db.m_nPlayoffCounter, c.counter + 3);
        EXPECT_TRUE(season.db.IsModified());
        // 1800-1900, 1900-2000, 2030-2130: the rest of the evening stays free.
        EXPECT_EQ(FreeTime(season.db), (std::vector<cSpan>{{court.m_nIndex, At(0, 2000), At(0, 2030)},
                                                           {court.m_nIndex, At(0, 2130), At(0, 2200)}}));
    }
}

// A playoff match of 90 minutes at 1800 on day 0 of C1, inserted into the
// court time of `periods` (court 0 is C1, 1 is C2).
struct cPlayoffSeason
{
    explicit cPlayoffSeason(const std::vector<std::tuple<int, int, int>>& periods)
    {
        courts[0] = &season.Court("C1");
        courts[1] = &season.Court("C2");
        for (const auto& [court, from, to] : periods) {
            season.Time(*courts[static_cast<std::size_t>(court)], 0, from, to);
        }
        cPlayoffMatchValues values = cPlayoffMatchValues::Defaults(season.db);
        values.number = "SF1";
        values.homeTeam = "A1";
        values.guestTeam = "B2";
        values.start = 1800;
        cManualPlacement placement;
        if (CheckNewPlayoffMatch(values, placement)) {
            throw std::logic_error("the playoff match does not fit");
        }
        playoff = &InsertPlayoffMatch(season.db, values, placement);
    }

    cSpan Span(int court, int from, int to) const
    {
        return {courts[static_cast<std::size_t>(court)]->m_nIndex, At(0, from), At(0, to)};
    }

    cTestSeason season;
    std::array<const cCourt*, 2> courts{};
    cPlayoffMatch* playoff = nullptr;
};

TEST(PlayoffMatch, ALongerMatchNeedsFreeTimeRightAfterIt)
{
    struct cCase
    {
        const char* name;
        std::vector<std::tuple<int, int, int>> periods; // the playoff match takes 1800-1930 on court 0
        int longer;                                     // minutes added
        int messageId;                                  // 0: accepted
        std::vector<std::tuple<int, int, int>> left;
    };
    const std::vector<cCase> cases = {
        {"exactly the free time after it: consumed", {{0, 1800, 2000}}, 30, 0, {}},
        {"longer free time after it: its start moves", {{0, 1800, 2200}}, 30, 0, {{0, 2000, 2200}}},
        {"free time one minute later",
         {{0, 1800, 1930}, {0, 1931, 2001}},
         30,
         IDS_NO_COURT_TIME_TO_EXTEND,
         {{0, 1931, 2001}}},
        {"one minute more than there is",
         {{0, 1800, 2000}},
         31,
         IDS_NO_COURT_TIME_TO_EXTEND,
         {{0, 1930, 2000}}},
        {"the free time is on another court",
         {{0, 1800, 1930}, {1, 1930, 2000}},
         30,
         IDS_NO_COURT_TIME_TO_EXTEND,
         {{1, 1930, 2000}}},
        {"no free time after it", {{0, 1800, 1930}}, 1, IDS_NO_COURT_TIME_TO_EXTEND, {}},
        {"the same length needs nothing", {{0, 1800, 1930}}, 0, 0, {}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cPlayoffSeason setup(c.periods);
        cPlayoffMatch& playoff = *setup.playoff;
        cPlayoffMatchValues values = cPlayoffMatchValues::FromMatch(playoff);
        EXPECT_EQ(values.duration, 90);
        EXPECT_EQ(values.start, 1800);
        EXPECT_EQ(values.number, "SF1");
        EXPECT_TRUE(values.courtTimes.empty());
        values.duration += c.longer;
        values.guestTeam = "B1";
        const cValidation error = CheckPlayoffChange(setup.season.db, playoff, values);
        std::vector<cSpan> left;
        for (const auto& [court, from, to] : c.left) {
            left.push_back(setup.Span(court, from, to));
        }
        if (c.messageId != 0) {
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->messageId, c.messageId);
            EXPECT_EQ(error->field, cPlayoffMatchValues::kDuration);
            EXPECT_EQ(FreeTime(setup.season.db), left);
            continue;
        }
        ASSERT_FALSE(error.has_value()) << error->messageId;
        ApplyPlayoffChange(setup.season.db, playoff, values);
        EXPECT_EQ(playoff.m_tStart, At(0, 1800));
        EXPECT_EQ(playoff.GetDuration(), 90 + c.longer);
        EXPECT_EQ(playoff.m_strGuestTeam, "B1");
        EXPECT_EQ(FreeTime(setup.season.db), left);
    }
}

TEST(PlayoffMatch, AShorterMatchGivesTheTimeBackMerged)
{
    struct cCase
    {
        const char* name;
        std::vector<std::tuple<int, int, int>> periods; // the playoff match takes 1800-1930 on court 0
        int duration;
        std::vector<std::tuple<int, int, int>> left;
    };
    const std::vector<cCase> cases = {
        {"merged with the free time after it", {{0, 1800, 2200}}, 60, {{0, 1900, 2200}}},
        {"nothing after it", {{0, 1800, 1930}}, 60, {{0, 1900, 1930}}},
        {"down to one minute", {{0, 1800, 1930}, {1, 1800, 2200}}, 1, {{1, 1800, 2200}, {0, 1801, 1930}}},
        {"a gap after it stays a gap",
         {{0, 1800, 1930}, {0, 1940, 2200}},
         60,
         {{0, 1900, 1930}, {0, 1940, 2200}}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cPlayoffSeason setup(c.periods);
        cPlayoffMatch& playoff = *setup.playoff;
        cPlayoffMatchValues values = cPlayoffMatchValues::FromMatch(playoff);
        values.duration = c.duration;
        ASSERT_FALSE(CheckPlayoffChange(setup.season.db, playoff, values).has_value());
        ApplyPlayoffChange(setup.season.db, playoff, values);
        EXPECT_EQ(playoff.m_tStart, At(0, 1800));
        EXPECT_EQ(playoff.GetDuration(), c.duration);
        std::vector<cSpan> left;
        for (const auto& [court, from, to] : c.left) {
            left.push_back(setup.Span(court, from, to));
        }
        EXPECT_EQ(FreeTime(setup.season.db), left);
        ExpectLinkedResult(setup.season.db, playoff);
    }

    // The texts are checked as for a new match, before the time.
    cPlayoffSeason setup({{0, 1800, 1930}});
    cPlayoffMatchValues values = cPlayoffMatchValues::FromMatch(*setup.playoff);
    values.homeTeam.clear();
    values.duration = 200;
    const cValidation error = CheckPlayoffChange(setup.season.db, *setup.playoff, values);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->messageId, IDS_PLAYOFF_NEEDS_HOME);
}

} // namespace

TEST(PlayoffMatch, ALongerMatchNeverRunsIntoTheNextDate)
{
    // Free time of the next date starting at midnight is not "right after" a
    // match ending at 2400: the match would span two dates.
    cTestSeason season;
    cCourt& court = season.Court("C1");
    season.Time(court, 0, 2230, 2400);
    season.Time(court, 1, 0, 100);
    cPlayoffMatchValues values = cPlayoffMatchValues::Defaults(season.db);
    values.number = "F";
    values.homeTeam = "A";
    values.guestTeam = "B";
    values.start = 2230;
    cManualPlacement placement;
    ASSERT_FALSE(CheckNewPlayoffMatch(values, placement).has_value());
    cPlayoffMatch& playoff = InsertPlayoffMatch(season.db, values, placement);
    cPlayoffMatchValues longer = cPlayoffMatchValues::FromMatch(playoff);
    longer.duration += 30;
    const cValidation error = CheckPlayoffChange(season.db, playoff, longer);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->messageId, IDS_NO_COURT_TIME_TO_EXTEND);
}
