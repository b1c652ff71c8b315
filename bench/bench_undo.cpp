// What an undo step costs on generated seasons of three sizes, fully
// scheduled with officials: the snapshot taken before each command (the
// database written as its file's bytes) and the restore of Undo (the bytes
// read into a fresh database and swapped into the document).

#include "document/CTournelDoc.h"
#include "model/cLeague.h"
#include "tools/seasongen/PlainSchedule.h"
#include "tools/seasongen/SeasonGenerator.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

std::unique_ptr<CTournelDoc> MakeScheduledSeason(int size)
{
    auto doc = std::make_unique<CTournelDoc>();
    doc->SetFixedSeed(1);
    doc->OnNewDocument();
    GenerateSeason(*doc, cSeasonShape::OfSize(size));
    AddOfficials(*doc, LayOutPlainly(*doc));
    return doc;
}

void Describe(benchmark::State& state, const CTournelDoc& doc, const std::string& bytes)
{
    static const char* const kNames[] = {"small", "medium", "large"};
    state.SetLabel(std::string(kNames[state.range(0)]) + ", " + std::to_string(doc.Scheduled().GetCount()) +
                   " matches, " + std::to_string(bytes.size() / 1024) + " KiB");
}

void BM_Snapshot(benchmark::State& state)
{
    const std::unique_ptr<CTournelDoc> doc = MakeScheduledSeason(static_cast<int>(state.range(0)));
    std::string bytes;
    for (auto _ : state) {
        bytes = doc->Snapshot();
        benchmark::DoNotOptimize(bytes.data());
    }
    Describe(state, *doc, bytes);
}

void BM_RestoreSnapshot(benchmark::State& state)
{
    const std::unique_ptr<CTournelDoc> doc = MakeScheduledSeason(static_cast<int>(state.range(0)));
    const std::string bytes = doc->Snapshot();
    for (auto _ : state) {
        if (!doc->RestoreSnapshot(bytes)) {
            state.SkipWithError("the snapshot was not read");
            break;
        }
    }
    Describe(state, *doc, bytes);
}

} // namespace

BENCHMARK(BM_Snapshot)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreSnapshot)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
