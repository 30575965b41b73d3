// The recalculation that every full paint runs before it draws: the used
// extents and the whole chain, on one core, for the maximal model (every list
// at its maximum, tests/support/MaximalModel.h), for 300 identical walls and columns
// stacked on one storey (matching by end points must stay near-linear), and
// for a typical two-storey house.
#include <benchmark/benchmark.h>

#include "chain/RecalculationChain.h"
#include "model/ElementLists.h"
#include "model/ModelExtents.h"
#include "model/ViewState.h"
#include "tests/support/MaximalModel.h"

namespace {

void Recalculate(benchmark::State& state) {
  for (auto _ : state) {
    UpdateUsedExtents();
    RunRecalculationChain();
    benchmark::ClobberMemory();
  }
}

void RecalculationChainMaximalModel(benchmark::State& state) {
  BuildMaximalModel();
  Recalculate(state);
  state.counters["walls"] =
      WallCount[CurrentVariant][0] + WallCount[CurrentVariant][1] + WallCount[CurrentVariant][2];
}
BENCHMARK(RecalculationChainMaximalModel)->Unit(benchmark::kMillisecond);

void RecalculationChainStackedDuplicates(benchmark::State& state) {
  BuildStackedDuplicatesModel();
  Recalculate(state);
  state.counters["walls"] = WallCount[CurrentVariant][0];
}
BENCHMARK(RecalculationChainStackedDuplicates)->Unit(benchmark::kMillisecond);

void RecalculationChainTypicalHouse(benchmark::State& state) {
  BuildTypicalHouse();
  Recalculate(state);
  state.counters["walls"] = WallCount[CurrentVariant][0] + WallCount[CurrentVariant][1];
}
BENCHMARK(RecalculationChainTypicalHouse)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
