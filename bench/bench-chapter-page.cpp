// Building chapter 2's page in each display option, from the core files in
// the current folder.
#include <benchmark/benchmark.h>

#include "content/ContentStore.h"
#include "pages/ChapterPageBuilder.h"

namespace {

using namespace lumivra;

struct Chapter2 {
  StringList arabic, transliteration, translation;
  bool ok = false;
  Chapter2() {
    struct Quiet : StartupWarnings {
      void Warn(const std::string&) override {}
    } quiet;
    ContentStore store(".");
    store.CheckCoreFiles(quiet);
    try {
      ok = store.LoadChapterLines(TextKind::Arabic, "2", arabic) &&
           store.LoadChapterLines(TextKind::Transliteration, "2", transliteration) &&
           store.LoadChapterLines(TextKind::Translation, "2", translation);
    } catch (const std::exception&) {
      ok = false;
    }
  }
};

const Chapter2& Lines() {
  static const Chapter2 lines;
  return lines;
}

void BuildPage(benchmark::State& state) {
  const auto& l = Lines();
  if (!l.ok) {
    state.SkipWithError("core files of chapter 2 not found in the current folder");
    return;
  }
  const int option = static_cast<int>(state.range(0));
  const StringList& first = option == 0 ? l.arabic : l.transliteration;
  size_t bytes = 0;
  for (auto _ : state) {
    auto page = BuildChapterPage(option, "2", first, l.translation);
    bytes = page->size();
    benchmark::DoNotOptimize(page);
  }
  state.counters["verses"] = static_cast<double>(l.translation.size());
  state.counters["page_bytes"] = static_cast<double>(bytes);
}

}  // namespace

BENCHMARK(BuildPage)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
