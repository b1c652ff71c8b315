#include "SchedulingTestSupport.h"
#include "model/Strings.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/Placement.h"
#include "scheduling/cScheduleSettings.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace {

// A league whose teams may meet any number of times a day, back to back.
cLeague& FreeLeague(cTestSeason& season, const std::string& name, int teams, int duration)
{
    cLeague& league = season.League(name, teams, 1);
    league.m_nGameDuration = duration;
    league.m_tsRestSameTeam = 0;
    league.m_tsRestSamePair = 0;
    league.m_nMatchesPerDay = 99;
    return league;
}

std::vector<std::pair<TimePoint, TimePoint>> FreeTimes(const cDatabase& db)
{
    std::vector<std::pair<TimePoint, TimePoint>> out;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        out.emplace_back(period.m_tStart, period.m_tEnd);
    }
    return out;
}

TEST(FindCourtTime, CandidateStartsStepByTheGameDurationWhileTheGameFits)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    FreeLeague(season, "A", 4, 90);
    season.Time(court, 0, 1800, 2200);
    const cScheduleRun run = ScheduleAutomatically(season.db);
    EXPECT_EQ(run.placed, 2);
    std::vector<TimePoint> starts;
    for (const cMatch& match : season.db.Scheduled().AllItems<cMatch>()) {
        starts.push_back(match.m_tStart);
    }
    EXPECT_EQ(starts, (std::vector<TimePoint>{At(0, 1800), At(0, 1930)}));
    EXPECT_EQ(FreeTimes(season.db),
              (std::vector<std::pair<TimePoint, TimePoint>>{{At(0, 2100), At(0, 2200)}}));
    EXPECT_EQ(run.message, "2 out of 6 matches are scheduled!");
}

TEST(FindCourtTime, ATooShortCourtTimeIsNeverUsed)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    const cLeague& league = FreeLeague(season, "A", 2, 90);
    season.Time(court, 0, 1800, 1900);
    const auto matches = season.Unscheduled();
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_FALSE(FindCourtTime(season.db, *matches[0]).has_value());
    (void)league;
}

TEST(FindCourtTime, PreferredTimesFirstThenAnywhere)
{
    struct cCase
    {
        const char* name;
        bool ignorePreferred;
        bool sundayCourtTime;
        TimePoint expected;
    };
    const std::vector<cCase> cases = {
        {"a preferred place later in the season wins", false, true, At(6, 1800)},
        {"one pass when preferred times are ignored", true, true, At(5, 1800)},
        {"no preferred place anywhere: any time", false, false, At(5, 1800)},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        cLeague& league = FreeLeague(season, "A", 2, 60);
        AddPreferred(league.PreferredTimes(), 0, 1000, 2000);
        season.db.m_bSchedIgnorePreferredTime = c.ignorePreferred ? 1 : 0;
        season.Time(court, 5, 1800, 1900);
        if (c.sundayCourtTime) {
            season.Time(court, 6, 1800, 1900);
        }
        const auto matches = season.Unscheduled();
        const auto slot = FindCourtTime(season.db, *matches.at(0));
        ASSERT_TRUE(slot.has_value());
        EXPECT_EQ(slot->start, c.expected);
        EXPECT_EQ(slot->end, c.expected + 3600);
    }
}

TEST(ScheduleMatch, CutsTheMatchOutOfTheCourtTime)
{
    struct cCase
    {
        const char* name;
        int start;
        std::vector<std::pair<TimePoint, TimePoint>> left;
    };
    const std::vector<cCase> cases = {
        {"at the start only the start moves", 1800, {{At(0, 1900), At(0, 2200)}}},
        {"in the middle two periods remain", 1930, {{At(0, 1800), At(0, 1930)}, {At(0, 2030), At(0, 2200)}}},
        {"at the end only the end moves", 2100, {{At(0, 1800), At(0, 2100)}}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        cLeague& league = FreeLeague(season, "A", 2, 60);
        cUnusedTime& period = season.Time(court, 0, 1800, 2200);
        const auto matches = season.Unscheduled();
        season.db.SetModifiedFlag(false);
        const TimePoint start = At(0, c.start);
        cMatch* match = ScheduleMatch(season.db, period, start, start + 3600, *matches.at(0), true);
        ASSERT_NE(match, nullptr);
        EXPECT_EQ(FreeTimes(season.db), c.left);
        EXPECT_EQ(season.db.Unscheduled().GetCount(), 0);
        EXPECT_EQ(match->m_bByHand, 1);
        EXPECT_EQ(match->m_nNumber, 1);
        EXPECT_EQ(league.m_nLastMatchNumber, 1);
        EXPECT_EQ(match->m_nCourt, court.m_nIndex);
        EXPECT_EQ(match->m_tEnd, start + 3600);
        EXPECT_EQ(match->GetOfficialCount(), 0);
        EXPECT_TRUE(season.db.IsModified());
        cResult* result = match->GetResult();
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->GetMatch(), match);
        EXPECT_EQ(result->GetOwner(), &season.db.Results());
        EXPECT_EQ(result->m_nLeague, league.m_nIndex);
        EXPECT_EQ(result->m_nHomeTeam, match->m_nHomeTeam);
        EXPECT_EQ(result->m_nGuestTeam, match->m_nGuestTeam);
        EXPECT_EQ(result->m_nRound, 1);
        EXPECT_FALSE(result->IsPlayed());
    }
}

TEST(NextMatchNumber, FillsGapsKeepsWantedNumbersAndNeverRepeats)
{
    struct cCase
    {
        const char* name;
        std::vector<int> inUse;
        int stored;
        int wanted;
        int expected;
    };
    const std::vector<cCase> cases = {
        {"first match of a league", {}, 0, 0, 1},
        {"all taken: one above the stored highest", {1, 2, 3, 4, 5}, 5, 0, 6},
        {"lowest gap", {1, 2, 4, 5}, 5, 0, 3},
        {"wanted number free again", {1, 2, 4, 5}, 5, 3, 3},
        {"wanted number in use: lowest gap", {1, 3, 4, 5}, 5, 4, 2},
        {"wanted above every number", {1, 2}, 2, 9, 9},
        {"stored highest too low in a file", {1, 2, 3}, 1, 0, 4},
        {"stored highest above the numbers in use", {1, 2, 3}, 10, 0, 11},
        {"negative wanted number means none", {1, 3}, 3, -4, 2},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        cLeague& league = season.League("A", 2, 1);
        const cLeague& other = season.League("B", 2, 1);
        int day = 0;
        for (const int number : c.inUse) {
            season.Scheduled(league, 0, 1, 1, court, At(day++, 1800), number);
        }
        season.Scheduled(other, 0, 1, 1, court, At(day++, 1800), 2); // another league's numbers do not count
        season.Playoff(court, At(day, 1800));
        league.m_nLastMatchNumber = c.stored;
        EXPECT_EQ(NextMatchNumber(season.db, league, c.wanted), c.expected);
    }
}

TEST(ScheduleAutomatically, AMatchTakenOutAndScheduledAgainGetsItsNumberBack)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    FreeLeague(season, "A", 2, 60).m_nRounds = 6;
    season.Time(court, 0, 1200, 1700);
    ScheduleAutomatically(season.db);
    ASSERT_EQ(season.db.Scheduled().GetCount(), 5);
    cMatch* third = nullptr;
    for (cMatch& match : season.db.Scheduled().AllItems<cMatch>()) {
        if (match.m_nNumber == 3) {
            third = &match;
        }
    }
    ASSERT_NE(third, nullptr);
    const TimePoint start = third->m_tStart;
    // Taken out of the schedule: back among the unscheduled matches with its number.
    season.db.Scheduled().DeleteItem(*third, season.db);
    ASSERT_EQ(season.db.Unscheduled().GetCount(), 2);
    EXPECT_EQ(static_cast<cUnscheduledMatch*>(season.db.Unscheduled().GetLast())->GetNumber(), 3);

    // The list is still up to date, so the run takes it as it is.
    ScheduleAutomatically(season.db);
    std::vector<int> numbers;
    for (const cMatch& match : season.db.Scheduled().AllItems<cMatch>()) {
        numbers.push_back(match.m_nNumber);
        if (match.m_tStart == start) {
            EXPECT_EQ(match.m_nNumber, 3);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(ScheduleAutomatically, NamesThatNameNothingPlaceNothing)
{
    struct cCase
    {
        const char* name;
        std::function<void(cTestSeason&, cLeague&)> damage;
    };
    const std::vector<cCase> cases = {
        {"a game duration of zero", [](cTestSeason&, cLeague& league) { league.m_nGameDuration = 0; }},
        {"court time of a court that does not exist",
         [](cTestSeason& season, cLeague&) {
             for (cUnusedTime& period : season.db.CourtTime().AllItems<cUnusedTime>()) {
                 period.m_nCourt = 7;
             }
         }},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        const cCourt& court = season.Court("C1");
        cLeague& league = FreeLeague(season, "A", 2, 60);
        season.Time(court, 0, 1200, 1700);
        c.damage(season, league);
        const cScheduleRun run = ScheduleAutomatically(season.db);
        EXPECT_EQ(run.placed, 0);
        EXPECT_EQ(run.message, "0 out of 1 matches are scheduled!");
    }

    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cUnusedTime& period = season.Time(court, 0, 1200, 1700);
    cUnscheduledMatch orphan(5, 0, 1, 1, 0);
    EXPECT_EQ(ScheduleMatch(season.db, period, At(0, 1200), At(0, 1300), orphan, true), nullptr);
    EXPECT_EQ(season.db.Scheduled().GetCount(), 0);
    EXPECT_EQ(season.db.CourtTime().GetCount(), 1);
}

TEST(ScheduleAutomatically, EmptyListShowsScheduleComplete)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    cLeague& league = FreeLeague(season, "A", 2, 60);
    season.Scheduled(league, 0, 1, 1, court, At(0, 1800), 1);
    season.Time(court, 1, 1800, 2200);
    season.db.SetModifiedFlag(false);
    const cScheduleRun run = ScheduleAutomatically(season.db);
    EXPECT_TRUE(run.complete);
    EXPECT_EQ(season.prompt.Ids(), (std::vector<int>{IDS_SCHEDULE_COMPLETE}));
    EXPECT_EQ(run.message, "The schedule is complete already!");
    EXPECT_EQ(season.prompt.m_progressOpened, 0);
    EXPECT_EQ(season.db.Scheduled().GetCount(), 1);
    EXPECT_EQ(season.db.CourtTime().GetCount(), 1);
    EXPECT_FALSE(season.db.IsModified());
}

TEST(ScheduleAutomatically, CancelThenNoContinuesCancelThenYesStops)
{
    cTestSeason season;
    const cCourt& court = season.Court("C1");
    FreeLeague(season, "A", 4, 60);
    season.Time(court, 0, 1000, 2200);
    season.Playoff(court, At(1, 1000)); // counted in the totals
    season.prompt.Cancel(true);         // before the first match: No
    season.prompt.Answer(false);
    season.prompt.Cancel(false);
    season.prompt.Cancel(true); // before the third match: Yes
    season.prompt.Answer(true);
    const cScheduleRun run = ScheduleAutomatically(season.db);
    EXPECT_TRUE(run.cancelled);
    EXPECT_EQ(run.placed, 2);
    EXPECT_EQ(run.scheduled, 3);
    EXPECT_EQ(run.total, 7);
    EXPECT_EQ(season.prompt.Ids(), (std::vector<int>{IDS_ABORT_SCHEDULING, IDS_ABORT_SCHEDULING, 0}));
    EXPECT_EQ(season.prompt.m_shown.back().text, "3 out of 7 matches are scheduled!");
    EXPECT_EQ(season.prompt.m_progressTitle, "Scheduling progress");
    EXPECT_EQ(season.prompt.m_progressOpened, 1);
    EXPECT_EQ(season.prompt.m_progressClosed, 1);
    EXPECT_EQ(season.prompt.m_progress, (std::vector<int>{14, 28, 42}));
    EXPECT_TRUE(season.prompt.AllAnswered());
    EXPECT_EQ(season.db.Unscheduled().GetCount(), 4);
}

// ----- Whole seasons -----

struct cSnapshot
{
    std::map<int, long long> minutes; // per court: free and taken
    std::map<int, std::vector<std::pair<TimePoint, TimePoint>>> periods;
};

cSnapshot TakeSnapshot(const cDatabase& db)
{
    cSnapshot snapshot;
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        snapshot.minutes[period.m_nCourt] += (period.m_tEnd - period.m_tStart) / 60;
        snapshot.periods[period.m_nCourt].emplace_back(period.m_tStart, period.m_tEnd);
    }
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        snapshot.minutes[match.m_nCourt] += (match.m_tEnd - match.m_tStart) / 60;
    }
    return snapshot;
}

// The invariants a season depends on, after any run.
void ExpectSoundSchedule(cDatabase& db, const cSnapshot& before)
{
    // Nothing overlaps on a court: neither two matches nor a match and free time.
    std::map<int, std::vector<std::pair<TimePoint, TimePoint>>> used;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        used[match.m_nCourt].emplace_back(match.m_tStart, match.m_tEnd);
        // Inside the court time there was.
        const auto& periods = before.periods.at(match.m_nCourt);
        EXPECT_TRUE(std::any_of(periods.begin(), periods.end(), [&](const auto& p) {
            return p.first <= match.m_tStart && match.m_tEnd <= p.second;
        })) << match.GetColumnText(0);
    }
    for (const cUnusedTime& period : db.CourtTime().AllItems<cUnusedTime>()) {
        used[period.m_nCourt].emplace_back(period.m_tStart, period.m_tEnd);
    }
    for (auto& [court, spans] : used) {
        std::sort(spans.begin(), spans.end());
        for (std::size_t i = 1; i < spans.size(); ++i) {
            EXPECT_LE(spans[i - 1].second, spans[i].first) << "court " << court;
        }
    }
    // Free court time and matches add up to the court time before the run.
    EXPECT_EQ(TakeSnapshot(db).minutes, before.minutes);

    // One result per match, linked both ways; numbers unique per league.
    std::set<const cResult*> results;
    std::set<std::pair<int, int>> numbers;
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        const cResult* result = match.GetResult();
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->GetMatch(), &match);
        EXPECT_EQ(result->GetOwner(), &db.Results());
        EXPECT_TRUE(results.insert(result).second);
        EXPECT_EQ(result->m_nLeague, match.m_nLeague);
        EXPECT_EQ(result->m_nRound, match.m_nRound);
        if (!match.IsPlayoff()) {
            EXPECT_TRUE(numbers.emplace(match.m_nLeague, match.m_nNumber).second) << match.GetColumnText(0);
            EXPECT_GE(match.m_nNumber, 1);
            EXPECT_LE(match.m_nNumber, db.GetLeague(match.m_nLeague)->m_nLastMatchNumber);
        }
    }
    EXPECT_EQ(db.Results().GetCount(), db.Scheduled().GetCount());

    // Every automatically placed match passes every rule that is on, against all the others.
    for (cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        if (match.m_bByHand != 0 || match.IsPlayoff()) {
            continue;
        }
        match.m_bHidden = 1;
        const cUnscheduledMatch probe(match.m_nLeague, match.m_nHomeTeam, match.m_nGuestTeam, match.m_nRound,
                                      0);
        const cUnusedTime period(match.m_nCourt, match.m_tStart, match.m_tEnd);
        EXPECT_EQ(CheckPlacement(db, probe, period, match.m_tStart, match.m_tEnd, ePass::kAnyTime), 0)
            << match.GetColumnText(0);
        match.m_bHidden = 0;
    }
}

std::string Dump(const cDatabase& db)
{
    std::ostringstream out;
    for (const cMatch& match : db.Scheduled().AllItems<cMatch>()) {
        out << match.m_nLeague << ' ' << match.m_nNumber << ' ' << match.m_nHomeTeam << '-'
            << match.m_nGuestTeam << ' ' << match.m_nCourt << ' ' << match.m_tStart << '\n';
    }
    return out.str();
}

cSeasonShape TestShape()
{
    cSeasonShape shape;
    shape.leagues = 4;
    shape.teamsPerLeague = 6;
    shape.courts = 5;
    shape.weeks = 14;
    return shape;
}

struct cSettingsCase
{
    const char* name;
    std::function<void(cDatabase&)> apply;
};

TEST(ScheduleAutomatically, GeneratedSeasonsKeepEveryInvariant)
{
    const std::vector<cSettingsCase> cases = {
        {"every rule on", [](cDatabase&) {}},
        {"rest counted in minutes, two matches a day",
         [](cDatabase& db) {
             for (cLeague& league : db.Leagues().AllItems<cLeague>()) {
                 league.m_tsRestSameTeam = 2 * 3600;
                 league.m_tsRestSamePair = 5 * 3600;
                 league.m_nMatchesPerDay = 2;
             }
         }},
        {"preferred times and home grounds ignored, no conflict margin",
         [](cDatabase& db) {
             db.m_bSchedIgnorePreferredTime = 1;
             db.m_bSchedIgnoreHomeGrounds = 1;
             db.m_nSchedConflictMargin = 0;
         }},
        {"every rule that can be switched off is off",
         [](cDatabase& db) {
             cScheduleSettings all;
             all.ignoreCourtRatings = all.ignoreHomeGrounds = all.ignoreTeamConflicts = true;
             all.ignoreHolidays = all.ignoreWeekdays = all.ignoreMinDays = true;
             all.ignoreLatestStart = all.ignorePreferredTime = true;
             all.ApplyTo(db);
         }},
    };
    for (const cSettingsCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestSeason season;
        GenerateSeason(season.db, TestShape());
        c.apply(season.db);
        const cSnapshot before = TakeSnapshot(season.db);
        const cScheduleRun run = ScheduleAutomatically(season.db);
        EXPECT_FALSE(run.complete);
        EXPECT_EQ(run.total, 4 * 30);
        EXPECT_EQ(run.scheduled, season.db.Scheduled().GetCount());
        EXPECT_GT(run.placed, run.total / 2);
        EXPECT_EQ(run.placed + season.db.Unscheduled().GetCount(), run.total);
        ExpectSoundSchedule(season.db, before);

        // A second run continues with what is left, keeping every invariant.
        ScheduleAutomatically(season.db);
        ExpectSoundSchedule(season.db, before);
    }
}

TEST(ScheduleAutomatically, HandPlacedAndPlayoffMatchesAreRespected)
{
    cTestSeason season;
    GenerateSeason(season.db, TestShape());
    const cSnapshot before = TakeSnapshot(season.db);
    // A playoff match in the first free court time, placed by hand.
    cUnusedTime& first = static_cast<cUnusedTime&>(*season.db.CourtTime().GetFirst());
    const int court = first.m_nCourt;
    const TimePoint start = first.m_tStart;
    TakeCourtTime(season.db, first, start, start + 3600);
    season.Playoff(*season.db.GetCourt(court), start);
    auto& playoff = static_cast<cMatch&>(*season.db.Scheduled().GetFirst());
    auto result = std::make_unique<cResult>();
    result->m_nLeague = playoff.m_nLeague;
    result->m_nRound = playoff.m_nRound;
    cResult::Link(*result, playoff);
    season.db.Results().AddItem(std::move(result), true);

    ScheduleAutomatically(season.db);
    ExpectSoundSchedule(season.db, before);
}

// Free time running past midnight over a match of the next date is refused,
// so the scheduler never finds room on the court while that match is played.
TEST(ScheduleAutomatically, NoRoomUnderAMatchAfterMidnight)
{
    cTestSeason season;
    const cCourt& court = season.Court("A");
    cLeague& league = FreeLeague(season, "L", 4, 60);
    const cMatch& late = season.Scheduled(league, 0, 1, 1, court, At(1, 30)); // Tuesday 00:30-01:30
    EXPECT_EQ(AddCourtTime(season.db, std::make_unique<cUnusedTime>(court.m_nIndex, At(0, 2200), At(1, 200))),
              eAddCourtTime::Conflict);
    // The evening up to midnight is still free.
    season.Time(court, 0, 2200, 2400);

    ScheduleAutomatically(season.db);
    EXPECT_GT(season.db.Scheduled().GetCount(), 1);
    for (const cMatch& match : season.db.Scheduled().AllItems<cMatch>()) {
        if (&match != &late) {
            EXPECT_TRUE(match.m_tEnd <= late.m_tStart || match.m_tStart >= late.m_tEnd)
                << match.GetColumnText(0);
        }
    }
}

TEST(ScheduleAutomatically, SameSeedSameSchedule)
{
    auto schedule = [](std::uint32_t seed) {
        cTestSeason season;
        season.db.m_random.Seed(seed);
        GenerateSeason(season.db, cSeasonShape::Small());
        ScheduleAutomatically(season.db);
        return Dump(season.db);
    };
    const std::string first = schedule(3);
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, schedule(3));
    EXPECT_NE(first, schedule(4));
}

TEST(ScheduleAutomatically, FinalMessageAndProgress)
{
    cTestSeason season;
    GenerateSeason(season.db, cSeasonShape::Small());
    const cScheduleRun run = ScheduleAutomatically(season.db);
    ASSERT_FALSE(season.prompt.m_shown.empty());
    EXPECT_EQ(season.prompt.m_shown.back().id, 0);
    EXPECT_EQ(season.prompt.m_shown.back().text, std::to_string(run.scheduled) + " out of " +
                                                     std::to_string(run.total) + " matches are scheduled!");
    EXPECT_EQ(run.message, season.prompt.m_shown.back().text);
    EXPECT_EQ(season.prompt.m_polls, run.total);
    EXPECT_EQ(season.prompt.m_progress.front(), 0);
    EXPECT_EQ(season.prompt.m_progress.back(), 100 * run.scheduled / run.total);
    EXPECT_TRUE(std::is_sorted(season.prompt.m_progress.begin(), season.prompt.m_progress.end()));
}

} // namespace
