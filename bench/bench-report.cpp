// The search report for every verse (the search text "|" matches all of
// them), built as the Report button builds it. Run beside the core files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "content/ContentStore.h"
#include "search/SearchPages.h"
#include "search/VerseSearch.h"

namespace {

class NoWarnings : public lumivra::StartupWarnings {
public:
  void Warn(const std::string&) override {}
};

lumivra::VerseSearch& AllVerses() {
  static lumivra::ContentStore store(".");
  static lumivra::VerseSearch search = [] {
    NoWarnings warnings;
    store.CheckCoreFiles(warnings);
    if (store.TranslationLibrary() == nullptr) {
      std::fprintf(stderr, "bench-report: run it where ETRRef32.dll is\n");
      std::exit(1);
    }
    lumivra::VerseSearch s;
    s.SetTranslationLibrary(store.TranslationLibrary());
    s.MatchVerses(lumivra::SearchPattern("|"), 0);
    return s;
  }();
  return search;
}

void BM_ReportPageAllVerses(benchmark::State& state) {
  auto& search = AllVerses();
  size_t bytes = 0;
  for (auto _ : state) {
    std::string page = lumivra::SearchPageHtml(
        lumivra::BuildSearchReportBody(search.VerseRecords(), search.FoundPositions(), "|"));
    bytes = page.size();
    benchmark::DoNotOptimize(page);
  }
  state.counters["verses"] = static_cast<double>(search.FoundPositions().size());
  state.counters["page_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReportPageAllVerses)->Unit(benchmark::kMillisecond);

// A common word: fewer hits, highlighting at work in each.
void BM_ReportPageMercy(benchmark::State& state) {
  lumivra::VerseSearch mercy;
  static lumivra::ContentStore store(".");
  NoWarnings warnings;
  store.CheckCoreFiles(warnings);
  mercy.SetTranslationLibrary(store.TranslationLibrary());
  mercy.MatchVerses(lumivra::SearchPattern("mercy"), 0);
  for (auto _ : state) {
    std::string page = lumivra::SearchPageHtml(
        lumivra::BuildSearchReportBody(mercy.VerseRecords(), mercy.FoundPositions(), "mercy"));
    benchmark::DoNotOptimize(page);
  }
  state.counters["verses"] = static_cast<double>(mercy.FoundPositions().size());
}
BENCHMARK(BM_ReportPageMercy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
