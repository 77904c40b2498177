// Reading and splitting all 114 translation resources of ETRRef32.dll in the
// current folder, as the verse search does.
#include <benchmark/benchmark.h>

#include "content/ContentStore.h"
#include "content/PeResourceFile.h"

namespace {

using namespace lumivra;

void ReadAllTranslations(benchmark::State& state, bool openEachTime) {
  std::string error;
  auto kept = PeResourceFile::Open(kTranslationFile, &error);
  if (!kept) {
    state.SkipWithError(error.c_str());
    return;
  }
  size_t verses = 0;
  for (auto _ : state) {
    std::unique_ptr<PeResourceFile> opened;
    if (openEachTime) opened = PeResourceFile::Open(kTranslationFile);
    const PeResourceFile& file = openEachTime ? *opened : *kept;
    verses = 0;
    StringList lines;
    for (int c = 1; c <= 114; ++c) {
      ReadResourceLines(file, "ETR" + std::to_string(c), lines);
      verses += lines.size();
    }
    benchmark::DoNotOptimize(lines);
  }
  state.counters["verses"] = static_cast<double>(verses);
}

void OpenFileKept(benchmark::State& state) { ReadAllTranslations(state, false); }
void OpenFileEachTime(benchmark::State& state) { ReadAllTranslations(state, true); }

}  // namespace

BENCHMARK(OpenFileKept)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenFileEachTime)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
