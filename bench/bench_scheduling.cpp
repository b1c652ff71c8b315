// The scheduling engine on generated seasons of three sizes, with the rules
// reading an index of the schedule (literal 0) and with the reference walk
// through the whole schedule (literal 1). The walk on the large season takes
// minutes; it is registered only with TOURNEL_BENCH_LARGE=1. Its first
// matches are measured by BM_ScheduleLargeFirst.

#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cUnscheduledMatch.h"
#include "model/cUserPrompt.h"
#include "scheduling/AutoScheduler.h"
#include "scheduling/Improvement.h"
#include "scheduling/ManualScheduling.h"
#include "scheduling/MatchGeneration.h"
#include "scheduling/Placement.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

const char* NameOfSize(int size)
{
    static const char* const kNames[] = {"small", "medium", "large", "twice large", "twice as long"};
    return kNames[size];
}

std::unique_ptr<cDatabase> MakeSeason(int size)
{
    auto db = std::make_unique<cDatabase>();
    db->m_random.Seed(1);
    GenerateSeason(*db, cSeasonShape::OfSize(size));
    return db;
}

void BM_GenerateSeason(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::unique_ptr<cDatabase> db = MakeSeason(size);
        benchmark::DoNotOptimize(db->CourtTime().GetCount());
    }
    state.SetLabel(NameOfSize(size));
}

// Match generation: the rebuild of the unscheduled list from the leagues.
void BM_RebuildUnscheduled(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    std::unique_ptr<cDatabase> db = MakeSeason(size);
    for (auto _ : state) {
        db->Unscheduled().m_bUpToDate = 0;
        RebuildUnscheduled(*db);
        benchmark::DoNotOptimize(db->Unscheduled().GetCount());
    }
    state.counters["matches"] = db->Unscheduled().GetCount();
    state.SetLabel(NameOfSize(size));
}

// Tells on standard error how far a long run has come: percent of the bar and seconds.
class cTimingPrompt : public cSilentPrompt
{
public:
    void BeginProgress(std::string_view) override { m_start = std::chrono::steady_clock::now(); }
    void SetProgress(int percent) override
    {
        if (percent != m_last) {
            m_last = percent;
            const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - m_start;
            std::fprintf(stderr, "%3d %% after %.1f s\n", percent, elapsed.count());
        }
    }

private:
    std::chrono::steady_clock::time_point m_start;
    int m_last = -1;
};

void BM_ScheduleAutomatically(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const bool literal = state.range(1) != 0;
    cScheduleRun run;
    cTimingPrompt timing;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<cDatabase> db = MakeSeason(size);
        if (size >= 2 && literal) {
            db->SetPrompt(&timing);
        }
        state.ResumeTiming();
        run = ScheduleAutomatically(*db, literal);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["placed"] = run.placed;
    state.counters["total"] = run.total;
    if (!literal) {
        // The index of the finished schedule: its size at the end of the run.
        std::unique_ptr<cDatabase> db = MakeSeason(size);
        ScheduleAutomatically(*db);
        state.counters["indexKB"] = static_cast<double>(cPlacementIndex(*db).MemoryBytes()) / 1024.0;
        // What the run keeps besides: the trees of the lists' order, the numbers, the matches by date.
        state.counters["runKB"] = static_cast<double>(cPlacementRun(*db).MemoryBytes()) / 1024.0;
    }
    state.SetLabel(std::string(NameOfSize(size)) + (literal ? " literal: " : " indexed: ") + run.message);
}

// The first state.range(0) matches of the large season's automatic run, the
// same steps as ScheduleAutomatically (refresh, then find and place each match
// in list order).
void BM_ScheduleLargeFirst(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    int placed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<cDatabase> db = MakeSeason(2);
        state.ResumeTiming();
        RebuildUnscheduled(*db);
        placed = 0;
        int tried = 0;
        for (cDbItem* item = db->Unscheduled().GetFirst(); item != nullptr && tried < count; ++tried) {
            cDbItem* next = cTournelDb::GetNext(*item);
            auto& match = static_cast<cUnscheduledMatch&>(*item);
            if (const auto slot = FindCourtTime(*db, match)) {
                ScheduleMatch(*db, *slot->courtTime, slot->start, slot->end, match, false);
                ++placed;
            }
            item = next;
        }
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["placed"] = placed;
}

// "Manual match scheduling" with "Show only legal playing times" ticked on a
// scheduled season: the list of free court time in which a match left
// unscheduled may start.
void BM_ManualSchedulingDialog(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    std::unique_ptr<cDatabase> db = MakeSeason(size);
    ScheduleAutomatically(*db);
    const auto* match = static_cast<const cUnscheduledMatch*>(db->Unscheduled().GetFirst());
    if (match == nullptr) {
        state.SkipWithError("every match was placed");
        return;
    }
    const int duration = db->GetLeague(match->GetLeague())->m_nGameDuration;
    std::size_t listed = 0;
    for (auto _ : state) {
        const cManualScheduleValues values = cManualScheduleValues::Open(*db, match, duration);
        listed = values.courtTimes.size();
    }
    state.counters["listed"] = static_cast<double>(listed);
    state.counters["courtTime"] = db->CourtTime().GetCount();
    state.SetLabel(NameOfSize(size));
}

// Improve Schedule after the automatic scheduler (both with seed 1, the
// default effort): the small, medium and large seasons, and the tight one,
// the medium season over 14 weeks without constraints, where a team can play
// only once a week and the scheduler leaves many matches behind. Only
// Improve is timed.
void BM_ImproveSchedule(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0)); // 0 small, 1 medium, 2 large, 5 tight
    static const char* const kNames[] = {"small", "medium", "large", "", "", "tight"};
    cScheduleRun run;
    cImprovement improvement;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<cDatabase>();
        db->m_random.Seed(1);
        cSeasonShape shape = cSeasonShape::OfSize(size == 5 ? 1 : size);
        if (size == 5) {
            shape.weeks = 14;
            shape.constraints = false;
        }
        GenerateSeason(*db, shape);
        run = ScheduleAutomatically(*db);
        state.ResumeTiming();
        improvement = ImproveSchedule(*db, kDefaultImproveEffort, 1);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["scheduler"] = run.placed;
    state.counters["improve"] = improvement.placed;
    state.counters["moved"] = improvement.moved;
    state.counters["total"] = improvement.total;
    state.SetLabel(kNames[size]);
}

BENCHMARK(BM_GenerateSeason)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildUnscheduled)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScheduleAutomatically)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Args({2, 0})
    ->Args({3, 0})
    ->Args({4, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_ImproveSchedule)->Arg(0)->Arg(1)->Arg(5)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ManualSchedulingDialog)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScheduleLargeFirst)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

[[maybe_unused]] const bool kLarge = [] {
    const char* large = std::getenv("TOURNEL_BENCH_LARGE");
    if (large != nullptr && std::string(large) == "1") {
        benchmark::RegisterBenchmark("BM_ScheduleAutomatically", BM_ScheduleAutomatically)
            ->Args({2, 1})
            ->Unit(benchmark::kSecond)
            ->Iterations(1);
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
