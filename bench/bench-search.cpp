// The verse records and the search over them, run beside the core files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "content/PeResourceFile.h"
#include "search/VerseSearch.h"

namespace {

// A core file beside the benchmark, opened once.
std::unique_ptr<lumivra::PeResourceFile> OpenCoreFile(const char* name) {
  auto file = lumivra::PeResourceFile::Open(name);
  if (!file) {
    std::fprintf(stderr, "bench-search: run it where %s is\n", name);
    std::exit(1);
  }
  return file;
}

const lumivra::PeResourceFile& Translation() {
  static const auto file = OpenCoreFile("ETRRef32.dll");
  return *file;
}

const lumivra::PeResourceFile& Arabic() {
  static const auto file = OpenCoreFile("ARef32.dll");
  return *file;
}

lumivra::VerseSearch& Records() {
  static lumivra::VerseSearch search = [] {
    lumivra::VerseSearch s;
    s.SetTranslationLibrary(&Translation());
    s.SetArabicLibrary(&Arabic());
    return s;
  }();
  return search;
}

// All 114 chapter resources read into one record per verse.
void BM_BuildVerseRecords(benchmark::State& state) {
  const auto& file = Translation();
  size_t records = 0;
  for (auto _ : state) {
    lumivra::VerseSearch search;
    search.SetTranslationLibrary(&file);
    records = search.VerseRecords().size();
    benchmark::DoNotOptimize(records);
  }
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_BuildVerseRecords)->Unit(benchmark::kMillisecond);

void Search(benchmark::State& state, const char* text, int scope) {
  auto& search = Records();
  const std::string pattern = lumivra::SearchPattern(text);
  for (auto _ : state) {
    search.ClearFoundPositions();
    search.MatchVerses(pattern, scope);
    benchmark::DoNotOptimize(search.FoundPositions().data());
  }
  state.counters["hits"] = static_cast<double>(search.FoundPositions().size());
  state.counters["verses"] = static_cast<double>(search.VerseRecords().size());
}

void BM_SearchCommonWord(benchmark::State& state) { Search(state, "the", 0); }
BENCHMARK(BM_SearchCommonWord)->Unit(benchmark::kMicrosecond);

void BM_SearchRareWord(benchmark::State& state) { Search(state, "camel", 0); }
BENCHMARK(BM_SearchRareWord)->Unit(benchmark::kMicrosecond);

void BM_SearchPhraseInOneChapter(benchmark::State& state) { Search(state, "the day", 2); }
BENCHMARK(BM_SearchPhraseInOneChapter)->Unit(benchmark::kMicrosecond);

// The Arabic of every verse read and folded, as at the first Arabic search.
void BM_BuildArabicRecords(benchmark::State& state) {
  for (auto _ : state) {
    lumivra::VerseSearch search;
    search.SetTranslationLibrary(&Translation());
    search.SetArabicLibrary(&Arabic());
    search.MatchArabicVerses("\xD8\xA8", 0);
    benchmark::DoNotOptimize(search.FoundPositions().data());
  }
}
BENCHMARK(BM_BuildArabicRecords)->Unit(benchmark::kMillisecond);

void ArabicSearch(benchmark::State& state, const char* text) {
  auto& search = Records();
  search.MatchArabicVerses(text, 0);  // the records are built before the timing
  for (auto _ : state) {
    search.ClearFoundPositions();
    search.MatchArabicVerses(text, 0);
    benchmark::DoNotOptimize(search.FoundPositions().data());
  }
  state.counters["hits"] = static_cast<double>(search.FoundPositions().size());
}

// "الله": 1746 verses.
void BM_ArabicSearchCommonWord(benchmark::State& state) {
  ArabicSearch(state, "\xD8\xA7\xD9\x84\xD9\x84\xD9\x87");
}
BENCHMARK(BM_ArabicSearchCommonWord)->Unit(benchmark::kMicrosecond);

// "محمد": 4 verses.
void BM_ArabicSearchRareWord(benchmark::State& state) {
  ArabicSearch(state, "\xD9\x85\xD8\xAD\xD9\x85\xD8\xAF");
}
BENCHMARK(BM_ArabicSearchRareWord)->Unit(benchmark::kMicrosecond);

// "يا أيها": 142 verses, through the small alef and the optional blank.
void BM_ArabicSearchPhrase(benchmark::State& state) {
  ArabicSearch(state, "\xD9\x8A\xD8\xA7 \xD8\xA3\xD9\x8A\xD9\x87\xD8\xA7");
}
BENCHMARK(BM_ArabicSearchPhrase)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
