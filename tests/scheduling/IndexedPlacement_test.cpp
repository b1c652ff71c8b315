// The indexed placement check against the literal walk through the schedule:
// on generated seasons with every rule switched off in turn, rest spans in
// days and in minutes, matches-per-day limits, hidden and playoff matches,
// both must allow exactly the same placements, and a whole automatic run must
// make exactly the same schedule. A difference names the season and the
// first differing candidate or match.

#include "model/cDatabase.h"
#include "model/cIllTeam.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cPlayoffMatch.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "model/cUserPrompt.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/ManualScheduling.h"
#include "scheduling/MatchGeneration.h"
#include "scheduling/Placement.h"
#include "support/SaveOpenSave.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The placement rules that Settings > Schedule can switch off, in the order
// of its switches.
enum class eRule : int
{
    kNone = -1, // every rule on
    kCourtRating,
    kHomeGround,
    kTeamConflict,
    kHoliday,
    kDayOff,
    kRest,
    kLatestStart,
    kPreferredTime,
};
constexpr int kSwitches = 8;

const char* RuleName(eRule rule)
{
    static const char* const kNames[kSwitches + 1] = {"none",          "court_rating", "home_ground",
                                                      "team_conflict", "holiday",      "day_off",
                                                      "rest",          "latest_start", "preferred_time"};
    return kNames[static_cast<int>(rule) + 1];
}

void SwitchOff(cDatabase& db, eRule rule)
{
    int* switches[kSwitches] = {&db.m_bSchedIgnoreCourtRatings,  &db.m_bSchedIgnoreHomeGrounds,
                                &db.m_bSchedIgnoreTeamConflicts, &db.m_bSchedIgnoreHolidays,
                                &db.m_bSchedIgnoreWeekdays,      &db.m_bSchedIgnoreMinDays,
                                &db.m_bSchedIgnoreLatestStart,   &db.m_bSchedIgnorePreferredTime};
    if (rule != eRule::kNone) {
        *switches[static_cast<int>(rule)] = 1;
    }
}

// The court time of a generated season: evenings and weekend days only, or
// with late sessions past midnight as well (the autumn clock change falls in
// every season), or those from October to April, across both clock changes.
enum class eCourtTime
{
    Evenings,
    PastMidnight,
    AcrossClockChanges,
};

// A generated season whose leagues get rest spans in days or in minutes and
// a matches-per-day limit drawn from `seed`; the same seed, the same season.
std::unique_ptr<cDatabase> MakeSeason(std::uint32_t seed, eRule switchedOff, eCourtTime courtTime)
{
    auto db = std::make_unique<cDatabase>();
    // Two seasons made a second apart must still save the same bytes.
    db->m_tCreated = db->m_tModified = 1'800'000'000;
    cSeasonShape shape = courtTime == eCourtTime::AcrossClockChanges ? cSeasonShape::AcrossClockChanges()
                                                                     : cSeasonShape::Small();
    shape.seed = seed;
    if (courtTime != eCourtTime::AcrossClockChanges) {
        shape.leagues = 3;
        shape.weeks = 10 + static_cast<int>(seed % 8);
    }
    shape.lateSessions = courtTime != eCourtTime::Evenings;
    GenerateSeason(*db, shape);
    db->m_random.Seed(seed);
    SwitchOff(*db, switchedOff);
    std::mt19937 rng(seed);
    const int spans[] = {0, 45 * 60, 3 * 3600, 86400, 2 * 86400, 7 * 86400, 21 * 86400};
    std::vector<cTeam*> teams;
    for (cLeague& league : db->Leagues().AllItems<cLeague>()) {
        league.m_tsRestSameTeam = spans[rng() % std::size(spans)];
        league.m_tsRestSamePair = spans[rng() % std::size(spans)];
        league.m_nMatchesPerDay = static_cast<int>(rng() % 4); // 0 only from a damaged file
        for (cTeam& team : league.Teams().AllItems<cTeam>()) {
            teams.push_back(&team);
        }
    }
    // More team conflicts than a real season has, so that the rule is met often.
    for (cTeam* team : teams) {
        const cTeam* other = teams[rng() % teams.size()];
        if (other->GetLeague() == team->GetLeague()) {
            continue;
        }
        auto conflict = std::make_unique<cIllTeam>();
        conflict->m_nLeague = other->GetLeague()->m_nIndex;
        conflict->m_nTeam = other->m_nIndex;
        conflict->m_bTwinTeam = rng() % 3 == 0 ? 1 : 0;
        team->TeamConflicts().AddItem(std::move(conflict), true);
    }
    return db;
}

class cQuietPrompt : public cUserPrompt
{
public:
    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;
    void ShowMessage(int, std::string_view) override {}
    bool AskYesNo(int, std::string_view) override { return true; }
    void BeginProgress(std::string_view) override {}
    void SetProgress(int) override {}
    bool PollCancel() override { return false; }
    void EndProgress() override {}
};

std::string Describe(const cMatch& match)
{
    std::ostringstream text;
    text << "league " << match.m_nLeague << " " << match.m_nHomeTeam << "-" << match.m_nGuestTeam << " no "
         << match.m_nNumber << " court " << match.m_nCourt << " at " << match.m_tStart;
    return text.str();
}

// The first differing match of two schedules, then the saved files byte for byte.
void ExpectSameSchedule(const cDatabase& literal, const cDatabase& indexed, const std::string& what)
{
    const cDbItem* a = literal.Scheduled().GetFirst();
    const cDbItem* b = indexed.Scheduled().GetFirst();
    for (; a != nullptr && b != nullptr; a = cTournelDb::GetNext(*a), b = cTournelDb::GetNext(*b)) {
        ASSERT_EQ(Describe(static_cast<const cMatch&>(*a)), Describe(static_cast<const cMatch&>(*b)))
            << what << ": first difference";
    }
    ASSERT_EQ(a == nullptr, b == nullptr) << what;
    EXPECT_TRUE(SaveToBytes(literal) == SaveToBytes(indexed)) << what << ": the saved files differ";
}

struct cCase
{
    std::uint32_t seed;
    eRule switchedOff;
    eCourtTime courtTime = eCourtTime::Evenings;
};

std::string Name(const cCase& c)
{
    static const char* const kPrefixes[] = {"", "late_", "clocks_"};
    return kPrefixes[static_cast<int>(c.courtTime)] + std::string("seed") + std::to_string(c.seed) + "_off_" +
           RuleName(c.switchedOff);
}

std::vector<cCase> Cases()
{
    const int seeds = std::getenv("TOURNEL_DIFFERENTIAL_SEEDS") != nullptr
                          ? std::atoi(std::getenv("TOURNEL_DIFFERENTIAL_SEEDS"))
                          : 2;
    std::vector<cCase> cases;
    for (const eCourtTime courtTime :
         {eCourtTime::Evenings, eCourtTime::PastMidnight, eCourtTime::AcrossClockChanges}) {
        // A season across both clock changes is twice as long: one seed fewer.
        const int last = courtTime == eCourtTime::AcrossClockChanges ? std::max(1, seeds - 1) : seeds;
        for (int seed = 1; seed <= last; ++seed) {
            for (int off = -1; off < kSwitches; ++off) {
                cases.push_back({static_cast<std::uint32_t>(seed), static_cast<eRule>(off), courtTime});
            }
        }
    }
    return cases;
}

class IndexedPlacement : public ::testing::TestWithParam<cCase>
{
};

TEST_P(IndexedPlacement, AllowsExactlyWhatTheWalkAllows)
{
    const cCase c = GetParam();
    std::unique_ptr<cDatabase> db = MakeSeason(c.seed, c.switchedOff, c.courtTime);
    cQuietPrompt prompt;
    db->SetPrompt(&prompt);
    RebuildUnscheduled(*db);
    // Half the season placed, then a playoff match and a hidden match among them.
    std::vector<cUnscheduledMatch*> waiting;
    for (cUnscheduledMatch& match : db->Unscheduled().AllItems<cUnscheduledMatch>()) {
        waiting.push_back(&match);
    }
    std::mt19937 rng(c.seed * 7919u);
    std::shuffle(waiting.begin(), waiting.end(), rng);
    const std::size_t half = waiting.size() / 2;
    for (std::size_t i = 0; i < half; ++i) {
        if (const auto slot = FindCourtTime(*db, *waiting[i])) {
            ScheduleMatch(*db, *slot->courtTime, slot->start, slot->end, *waiting[i], rng() % 2 == 0);
        }
    }
    if (cUnusedTime* period = db->CourtTime().GetFirst() != nullptr
                                  ? &static_cast<cUnusedTime&>(*db->CourtTime().GetFirst())
                                  : nullptr) {
        auto playoff = std::make_unique<cPlayoffMatch>();
        playoff->m_nCourt = period->m_nCourt;
        playoff->m_tStart = period->m_tStart;
        playoff->m_tEnd = period->m_tStart + 60;
        db->Scheduled().AddItem(std::move(playoff), true);
    }
    if (cDbItem* first = db->Scheduled().GetFirst()) {
        first->m_bHidden = 1;
    }

    const cPlacementIndex index(*db);
    int compared = 0;
    int allowed = 0;
    int matchesTried = 0;
    for (const cUnscheduledMatch& match : db->Unscheduled().Items<cUnscheduledMatch>()) {
        if (++matchesTried > 20) {
            break;
        }
        const cLeague* league = db->GetLeague(match.GetLeague());
        ASSERT_NE(league, nullptr);
        const TimePoint step = static_cast<TimePoint>(league->m_nGameDuration) * 60;
        for (const cUnusedTime& period : db->CourtTime().Items<cUnusedTime>()) {
            for (TimePoint start = period.m_tStart; start + step <= period.m_tEnd; start += step) {
                for (const ePass pass : {ePass::kWithPreferredTime, ePass::kAnyTime}) {
                    const int id = CheckPlacement(*db, match, period, start, start + step, pass);
                    const bool fast = index.Allows(*db, match, period, start, pass);
                    ++compared;
                    allowed += id == 0 ? 1 : 0;
                    if (fast != (id == 0)) {
                        FAIL() << Name(c) << ": seed " << c.seed << ", " << RuleName(c.switchedOff)
                               << " off: league " << match.GetLeague() << " " << match.GetHomeTeam() << "-"
                               << match.GetGuestTeam() << " on court " << period.m_nCourt << " at " << start
                               << ", pass " << static_cast<int>(pass) << ": the walk answers " << id
                               << ", the index " << (fast ? "allowed" : "refused");
                    }
                }
            }
        }
    }
    // Both answers occur, or the comparison proves little.
    EXPECT_GT(allowed, 0);
    EXPECT_LT(allowed, compared);
}

TEST_P(IndexedPlacement, AfterRemovalsAndMovesItAnswersAsOneBuiltAfresh)
{
    const cCase c = GetParam();
    std::unique_ptr<cDatabase> db = MakeSeason(c.seed, c.switchedOff, c.courtTime);
    cQuietPrompt prompt;
    db->SetPrompt(&prompt);
    ScheduleAutomatically(*db);
    cPlacementIndex kept(*db);
    // Every third match taken out (and hidden, so that a fresh index leaves
    // it out too), every fifth moved a week on (or, when it is a third too,
    // taken out and added back where it was).
    int i = 0;
    for (cMatch& match : db->Scheduled().AllItems<cMatch>()) {
        ++i;
        if (i % 3 == 0) {
            kept.Remove(match);
            match.m_bHidden = 1;
        }
        if (i % 5 == 0) {
            kept.Remove(match);
            if (i % 3 != 0) {
                match.m_tStart += 7 * 86400;
                match.m_tEnd += 7 * 86400;
            }
            kept.Add(match);
        }
    }
    const cPlacementIndex fresh(*db);
    int compared = 0;
    int allowed = 0;
    int matchesTried = 0;
    for (const cUnscheduledMatch& match : db->Unscheduled().Items<cUnscheduledMatch>()) {
        if (++matchesTried > 8) {
            break;
        }
        const TimePoint step = static_cast<TimePoint>(db->GetLeague(match.GetLeague())->m_nGameDuration) * 60;
        for (const cUnusedTime& period : db->CourtTime().Items<cUnusedTime>()) {
            for (TimePoint start = period.m_tStart; start + step <= period.m_tEnd; start += step) {
                const bool answer = kept.Allows(*db, match, period, start, ePass::kAnyTime);
                ++compared;
                allowed += answer ? 1 : 0;
                ASSERT_EQ(answer, fresh.Allows(*db, match, period, start, ePass::kAnyTime))
                    << Name(c) << ": league " << match.GetLeague() << " " << match.GetHomeTeam() << "-"
                    << match.GetGuestTeam() << " on court " << period.m_nCourt << " at " << start;
            }
        }
    }
    if (matchesTried > 0) {
        EXPECT_GT(allowed, 0);
        EXPECT_LT(allowed, compared);
    }
}

TEST_P(IndexedPlacement, AutomaticRunsMakeTheSameSchedule)
{
    const cCase c = GetParam();
    cQuietPrompt prompt;
    std::unique_ptr<cDatabase> literal = MakeSeason(c.seed, c.switchedOff, c.courtTime);
    std::unique_ptr<cDatabase> indexed = MakeSeason(c.seed, c.switchedOff, c.courtTime);
    literal->SetPrompt(&prompt);
    indexed->SetPrompt(&prompt);
    const cScheduleRun literalRun = ScheduleAutomatically(*literal, true);
    const cScheduleRun indexedRun = ScheduleAutomatically(*indexed, false);
    EXPECT_EQ(literalRun.message, indexedRun.message);
    ExpectSameSchedule(*literal, *indexed,
                       Name(c) + ": seed " + std::to_string(c.seed) + ", " + RuleName(c.switchedOff) +
                           " off");
    if (c.courtTime != eCourtTime::Evenings) {
        // The comparison proves little about late sessions unless matches go there.
        int afterMidnight = 0;
        for (const cMatch& match : literal->Scheduled().AllItems<cMatch>()) {
            afterMidnight += TimeOfDay(match.m_tStart) < 400 ? 1 : 0;
        }
        EXPECT_GT(afterMidnight, 0);
    }
}

// The same edits by hand on a season: matches taken out of the schedule and
// moved elsewhere, chosen by their places in the list so that two equal
// seasons get equal edits.
void EditByHand(cDatabase& db, std::uint32_t seed)
{
    std::mt19937 rng(seed * 104729u);
    for (int edit = 0; edit < 12; ++edit) {
        std::vector<cMatch*> matches;
        for (cMatch& match : db.Scheduled().Items<cMatch>()) {
            matches.push_back(&match);
        }
        std::vector<cUnusedTime*> periods;
        for (cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
            periods.push_back(&period);
        }
        if (matches.empty() || periods.empty()) {
            return;
        }
        cMatch& match = *matches[rng() % matches.size()];
        if (rng() % 2 == 0) {
            db.Scheduled().DeleteItem(match, db);
            continue;
        }
        cMatchMove move(db, match);
        // Any free period long enough, at its start: a move breaks rules at will.
        std::vector<cUnusedTime*> fitting;
        for (cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
            if (period.m_tEnd - period.m_tStart >= static_cast<TimePoint>(move.Duration()) * 60) {
                fitting.push_back(&period);
            }
        }
        if (!fitting.empty() && rng() % 4 != 0) {
            cUnusedTime& period = *fitting[rng() % fitting.size()];
            move.Commit(
                {&period, period.m_tStart, period.m_tStart + static_cast<TimePoint>(move.Duration()) * 60});
        }
    }
}

TEST_P(IndexedPlacement, RunsAfterEditsByHandMakeTheSameSchedule)
{
    const cCase c = GetParam();
    cQuietPrompt prompt;
    std::unique_ptr<cDatabase> literal = MakeSeason(c.seed, c.switchedOff, c.courtTime);
    std::unique_ptr<cDatabase> indexed = MakeSeason(c.seed, c.switchedOff, c.courtTime);
    literal->SetPrompt(&prompt);
    indexed->SetPrompt(&prompt);
    ScheduleAutomatically(*literal, true);
    ScheduleAutomatically(*indexed, false);
    EditByHand(*literal, c.seed);
    EditByHand(*indexed, c.seed);
    if (c.seed % 2 == 0) {
        // Lists out of order, as a hand-edited file may hold them: the first
        // match, result and free period moved to the tail.
        for (cDatabase* db : {literal.get(), indexed.get()}) {
            for (cTournelDb* list : {&db->Scheduled(), &db->Results(), &db->CourtTime()}) {
                if (list->GetHead() != nullptr) {
                    list->AddItem(list->RemoveItem(*list->GetHead()), false);
                }
            }
        }
    }
    const cScheduleRun literalRun = ScheduleAutomatically(*literal, true);
    const cScheduleRun indexedRun = ScheduleAutomatically(*indexed, false);
    EXPECT_EQ(literalRun.message, indexedRun.message);
    ExpectSameSchedule(*literal, *indexed,
                       Name(c) + ": seed " + std::to_string(c.seed) + ", " + RuleName(c.switchedOff) +
                           " off, after the edits");
}

INSTANTIATE_TEST_SUITE_P(GeneratedSeasons, IndexedPlacement, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<cCase>& info) { return Name(info.param); });

} // namespace
