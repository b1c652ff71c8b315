// The automatic official assignment on generated seasons of three sizes,
// fully scheduled and with officials sized to them. The schedule is laid out
// plainly (every match on the next free stretch of court time, no placement
// rules), which is quick and leaves the official rules all the work.

#include "model/cDatabase.h"
#include "model/cIndexedDb.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cTeam.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUnusedTime.h"
#include "officials/AutoAssign.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

cSeasonShape ShapeOfSize(int size)
{
    switch (size) {
    case 0:
        return cSeasonShape::Small();
    case 1:
        return cSeasonShape::Medium();
    default:
        return cSeasonShape::Large();
    }
}

// Every unscheduled match on the next stretch of free court time long enough
// for it, in list order; the court time is cut as the scheduler cuts it.
int LayOutPlainly(cDatabase& db)
{
    RebuildUnscheduled(db);
    int placed = 0;
    cDbItem* item = db.Unscheduled().GetFirst();
    while (item != nullptr) {
        cDbItem* next = cTournelDb::GetNext(*item);
        auto& match = static_cast<cUnscheduledMatch&>(*item);
        const cLeague* league = db.GetLeague(match.GetLeague());
        const TimePoint duration = league != nullptr ? TimePoint{league->m_nGameDuration} * 60 : 0;
        for (cUnusedTime& period : db.CourtTime().Items<cUnusedTime>()) {
            if (duration > 0 && period.GetEnd() - period.GetStart() >= duration) {
                const TimePoint start = period.GetStart();
                if (ScheduleMatch(db, period, start, start + duration, match, true) != nullptr) {
                    ++placed;
                }
                break;
            }
        }
        item = next;
    }
    return placed;
}

// One official for every eight slots of the season, each taking up to twenty
// games, members of the teams' clubs in turn, with ratings 1 to 9.
void AddOfficials(cDatabase& db, int matches)
{
    std::vector<std::string> clubs;
    for (const cLeague& league : db.Leagues().AllItems<cLeague>()) {
        for (const cTeam& team : league.Teams().AllItems<cTeam>()) {
            clubs.push_back(team.m_strClub);
        }
    }
    const int count = std::max(4, matches * db.m_nOfficialsPerGame / 8);
    for (int i = 0; i < count; ++i) {
        auto official = std::make_unique<cReferee>();
        official->SetNewOfficialDefaults();
        official->m_strName = "Official " + std::to_string(i + 1);
        official->m_strShortName = std::to_string(i + 1);
        official->m_strClubOfficial =
            clubs.empty() ? std::string() : clubs[static_cast<std::size_t>(i) % clubs.size()];
        official->m_nRating = 1 + i % 9;
        db.Officials().AddIndexedItem(std::move(official), false, -1);
    }
}

std::unique_ptr<cDatabase> MakeScheduledSeason(int size)
{
    auto db = std::make_unique<cDatabase>();
    db->m_random.Seed(1);
    GenerateSeason(*db, ShapeOfSize(size));
    const int matches = LayOutPlainly(*db);
    AddOfficials(*db, matches);
    for (cLeague& league : db->Leagues().AllItems<cLeague>()) {
        league.ComputeRatingBands(db->m_nOfficialsPerGame);
    }
    return db;
}

void BM_AssignOfficialsAutomatically(benchmark::State& state)
{
    static const char* const kNames[] = {"small", "medium", "large"};
    const int size = static_cast<int>(state.range(0));
    cAssignRun run;
    int matches = 0;
    int officials = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<cDatabase> db = MakeScheduledSeason(size);
        matches = db->Scheduled().GetCount();
        officials = db->Officials().GetCount();
        const auto* last = static_cast<const cMatch*>(db->Scheduled().GetLast());
        const TimePoint endLimit = last != nullptr ? last->m_tStart + 1 : 0;
        state.ResumeTiming();
        run = AssignOfficialsAutomatically(*db, endLimit, db->m_nOfficialsPerGame);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["matches"] = matches;
    state.counters["officials"] = officials;
    state.counters["assigned"] = run.assigned;
    state.SetLabel(std::string(kNames[size]) + ": " + run.message);
}

BENCHMARK(BM_AssignOfficialsAutomatically)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
