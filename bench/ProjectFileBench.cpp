// Writing and reading a full project: three variants of three storeys, each
// storey with 300 walls and 300 columns.
#include <benchmark/benchmark.h>

#include <span>
#include <vector>

#include "editing/ModelReset.h"
#include "files/ProjectFile.h"
#include "model/ElementLists.h"

namespace {

void FillFullProject() {
  ResetModel(ResetForStartUp);
  for (int v = 0; v < VariantCount; ++v)
    for (int st = 0; st < StoreyCount; ++st) {
      for (int i = 0; i < MaxWallsPerStorey; ++i) {
        WallRecord& w = Walls[v][st][i];
        w = WallRecord{};
        w.X1 = i % 150;
        w.Y1 = i / 150;
        w.X2 = w.X1 + 1;
        w.Y2 = w.Y1;
        w.BraceKind = 4;
        w.PanelLeft = 3;
        w.PanelRight = 21;
        w.WingWallStart = 0.455;
        w.Height = 2.73;
        w.Deterioration = 2;
        w.Weight = 120.5;
      }
      WallCount[v][st] = MaxWallsPerStorey;
      for (int i = 0; i < MaxColumnsPerStorey; ++i)
        Columns[v][st][i] = ColumnRecord{0, i % 150, i / 150, 1, 2, 0, 1, 2, 3, 2};
      ColumnCount[v][st] = MaxColumnsPerStorey;
    }
}

void BM_WriteFullProject(benchmark::State& state) {
  FillFullProject();
  for (auto _ : state) benchmark::DoNotOptimize(WriteProjectFile());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * WriteProjectFile().size()));
}
BENCHMARK(BM_WriteFullProject)->Unit(benchmark::kMillisecond);

void BM_ReadFullProject(benchmark::State& state) {
  FillFullProject();
  const std::vector<unsigned char> file = WriteProjectFile();
  const auto afterMagic = std::span(file).subspan(4);
  for (auto _ : state) benchmark::DoNotOptimize(ReadProjectFile(afterMagic));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadFullProject)->Unit(benchmark::kMillisecond);

}  // namespace
