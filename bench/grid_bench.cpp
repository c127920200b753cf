// The grid at note-book scale: 100,000 rows x 10 columns with a short text in every
// cell. Saving and loading (memory and disk), setting every cell through the
// SetCellData command, and one cell change under a row formula and a column sum.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/GridCommands.h"
#include "grid/core/GridFile.h"
#include "grid/core/GridModel.h"
#include "runtime/core/Blocks.h"
#include "runtime/core/DataValue.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

std::string ShortText(int r, int c) { return "r" + std::to_string(r) + "c" + std::to_string(c); }

void FillTexts(grid::GridModel& g, int rows) {
  g.SetRowCount(rows);
  g.SetColCount(kCols);
  g.SetHeadRowCount(1);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kCols; ++c) g.SetCellText(r, c, ShortText(r, c), false);
}

const std::vector<uint8_t>& SavedBytes() {
  static const std::vector<uint8_t> bytes = [] {
    grid::GridModel g;
    FillTexts(g, kRows);
    return grid::SaveGridToBuffer(g);
  }();
  return bytes;
}

std::string TempFile(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/" + name;
}

//--- Saving and loading ----------------------------------------------------------------

void BM_SaveToMemory(benchmark::State& state) {
  grid::GridModel g;
  FillTexts(g, kRows);
  size_t bytes = 0;
  for (auto _ : state) {
    std::vector<uint8_t> saved = grid::SaveGridToBuffer(g);
    bytes = saved.size();
    benchmark::DoNotOptimize(saved.data());
  }
  state.counters["file_MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_SaveToMemory)->Unit(benchmark::kMillisecond);

// Through the temporary file, flushed to the disk, and the rename.
void BM_SaveFile(benchmark::State& state) {
  grid::GridModel g;
  FillTexts(g, kRows);
  std::string path = TempFile("grid_bench_save.qgd");
  for (auto _ : state)
    if (!grid::SaveGridFile(g, path)) state.SkipWithError("save failed");
  std::remove(path.c_str());
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

void BM_LoadFromMemory(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = SavedBytes();
  for (auto _ : state) {
    auto g = std::make_unique<grid::GridModel>();
    if (!grid::LoadGridFromBuffer(*g, bytes.data(), bytes.size())) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(g->RowCount());
    state.PauseTiming();  // the grid's destruction is not part of loading
    g.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadFromMemory)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State& state) {
  std::string path = TempFile("grid_bench_load.qgd");
  {
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(SavedBytes().data(), 1, SavedBytes().size(), f);
    std::fclose(f);
  }
  for (auto _ : state) {
    auto g = std::make_unique<grid::GridModel>();
    if (!grid::LoadGridFile(*g, path)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(g->RowCount());
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

//--- Commands --------------------------------------------------------------------------

grid::GridModel* g_commandGrid = nullptr;
constexpr rt::UnitRef kUnit{0x52010001, 0x1601000C};
grid::GridModel* Resolve(rt::UnitRef ref) { return ref == kUnit ? g_commandGrid : nullptr; }

// Every cell set as text through SetCellData, as the application sets cells.
void BM_SetCellDataEveryCell(benchmark::State& state) {
  grid::GridModel g;
  g.SetRowCount(kRows);
  g.SetColCount(kCols);
  g.SetHeadRowCount(1);
  g_commandGrid = &g;
  grid::GridResolver previous = grid::SetGridResolver(&Resolve);
  // Texts made once, as the caller's heap blocks; the command copies them.
  std::vector<char*> texts;
  for (int k = 0; k < 1000; ++k) texts.push_back(rt::NewText("item " + std::to_string(k)));
  int64_t cells = 0;
  for (auto _ : state) {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) {
        rt::DataValue args[5] = {rt::MakeUnit(rt::tag::kGrid, kUnit), rt::MakeInt(r), rt::MakeInt(c),
                                 rt::MakeInt(1), rt::MakeTextPointer(texts[(r * kCols + c) % texts.size()])};
        rt::DataValue result{};
        grid::cmd::SetCellData(&result, 5, args);
      }
    cells += int64_t(kRows) * kCols;
  }
  state.SetItemsProcessed(cells);
  for (char* t : texts) rt::FreeBlock(t);
  grid::SetGridResolver(previous);
  g_commandGrid = nullptr;
}
BENCHMARK(BM_SetCellDataEveryCell)->Unit(benchmark::kMillisecond);

//--- Recalculation -----------------------------------------------------------------------

// Quantity x price -> amount in every row, and the amount column summed into the last
// row; one quantity changes. The time per change should grow linearly with the rows.
void BM_RecalcOneChange(benchmark::State& state) {
  const int rows = int(state.range(0));
  grid::GridModel g;
  g.SetRowCount(rows);
  g.SetColCount(4);
  for (int c = 0; c < 3; ++c) g.SetColumnKind(c, 2);  // number columns, two decimals
  for (int c = 0; c < 3; ++c) g.SetDecimalPlaces(c, 2);
  g.AddRowFormula({0, 1, grid::op::kMultiply, 2});
  g.AddColumnSum({2, 0, rows - 2, rows - 1});
  for (int r = 0; r < rows - 1; ++r) {
    g.SetCellText(r, 0, "2", false);
    g.SetCellText(r, 1, "1.5", false);
    g.SetCellText(r, 2, "3", false);
  }
  int flip = 0;
  for (auto _ : state) {
    g.SetCellText(rows / 2, 0, (flip ^= 1) ? "3" : "2", true);
    benchmark::DoNotOptimize(g.CellText(rows - 1, 2).size());
  }
  if (g.CellText(rows / 2, 2) != "4.50" && g.CellText(rows / 2, 2) != "3.00")
    state.SkipWithError("formula not run");
  state.SetComplexityN(rows);
}
BENCHMARK(BM_RecalcOneChange)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
