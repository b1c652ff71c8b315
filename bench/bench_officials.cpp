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
#include "officials/CheckSchedule.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/MatchGeneration.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<cDatabase> MakeScheduledSeason(int size)
{
    auto db = std::make_unique<cDatabase>();
    db->m_random.Seed(1);
    GenerateSeason(*db, cSeasonShape::OfSize(size));
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

// The check of the whole schedule, as the window runs it after every change:
// on the season laid out plainly (0, no placement rules asked, so many
// conflicts) and scheduled automatically (1, none), officials assigned to
// the end.
void BM_CheckSchedule(benchmark::State& state)
{
    static const char* const kNames[] = {"small", "medium", "large"};
    const int size = static_cast<int>(state.range(0));
    const bool scheduled = state.range(1) != 0;
    auto db = std::make_unique<cDatabase>();
    db->m_random.Seed(1);
    GenerateSeason(*db, cSeasonShape::OfSize(size));
    const int matches =
        scheduled ? (ScheduleAutomatically(*db), db->Scheduled().GetCount()) : LayOutPlainly(*db);
    AddOfficials(*db, matches);
    for (cLeague& league : db->Leagues().AllItems<cLeague>()) {
        league.ComputeRatingBands(db->m_nOfficialsPerGame);
    }
    if (const auto* last = static_cast<const cMatch*>(db->Scheduled().GetLast())) {
        AssignOfficialsAutomatically(*db, last->m_tStart + 1, db->m_nOfficialsPerGame);
    }
    std::size_t conflicts = 0;
    for (auto _ : state) {
        conflicts = CheckSchedule(*db).size();
    }
    state.counters["matches"] = matches;
    state.counters["conflicts"] = static_cast<double>(conflicts);
    state.SetLabel(std::string(kNames[size]) + (scheduled ? " scheduled" : " laid out plainly"));
}

BENCHMARK(BM_CheckSchedule)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond);

BENCHMARK(BM_AssignOfficialsAutomatically)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
