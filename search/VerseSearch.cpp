#include "search/VerseSearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstring>
#include <optional>
#include <string.h>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "content/ChapterCatalogue.h"
#include "content/ContentError.h"
#include "content/ContentStore.h"
#include "content/PeResourceFile.h"
#include "content/Prefault.h"
#include "content/TextLines.h"

namespace lumivra {

namespace {

constexpr std::array<unsigned char, 256> MakeFold() {
  std::array<unsigned char, 256> fold{};
  for (int i = 0; i < 256; ++i) fold[i] = static_cast<unsigned char>(i >= 'a' && i <= 'z' ? i - 32 : i);
  return fold;
}
constexpr auto kFold = MakeFold();

}  // namespace

std::string UpperCaseAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
  return text;
}

std::string SearchPattern(const std::string& text) { return UpperCaseAscii(Trim(text)); }

namespace {

// Upper-cases `n` bytes into `out` ("a" to "z" only), 16 at a time with SSE2.
void FoldInto(const unsigned char* in, size_t n, unsigned char* out) {
  size_t i = 0;
#ifdef __SSE2__
  // Shifted so that "a" is the lowest signed byte: "a" to "z" are then the 26 lowest.
  const __m128i shift = _mm_set1_epi8(static_cast<char>(128 - 'a'));
  const __m128i letters = _mm_set1_epi8(static_cast<char>(-128 + 26));
  const __m128i caseBit = _mm_set1_epi8(32);
  for (; i + 16 <= n; i += 16) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    const __m128i lower = _mm_cmplt_epi8(_mm_add_epi8(c, shift), letters);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_sub_epi8(c, _mm_and_si128(lower, caseBit)));
  }
#endif
  for (; i < n; ++i) {
    const unsigned char c = in[i];
    out[i] = static_cast<unsigned char>(c - (static_cast<unsigned char>(c - 'a') < 26 ? 32 : 0));
  }
}

// Searches one record through a reused upper-cased copy.
class RecordMatcher {
public:
  explicit RecordMatcher(const std::string& upperPattern) : pattern_(upperPattern) {}

  bool Contains(const std::string& record) {
    const size_t m = pattern_.size();
    if (m == 0) return true;
    const size_t n = record.size();
    if (m > n) return false;
    if (buffer_.size() < n) buffer_.resize(n * 2);
    FoldInto(reinterpret_cast<const unsigned char*>(record.data()), n, buffer_.data());
    return memmem(buffer_.data(), n, pattern_.data(), m) != nullptr;
  }

private:
  const std::string& pattern_;
  std::vector<unsigned char> buffer_;
};

// The first occurrence of `needle` (m bytes, m > 0) in `hay` (n bytes), or
// nullptr. With SSE2, 32 positions at a time are tested for the needle's
// first and last byte; only positions that have both are compared in full.
const char* FindBytes(const char* hay, size_t n, const char* needle, size_t m) {
  if (m > n) return nullptr;
  if (m == 1) return static_cast<const char*>(std::memchr(hay, needle[0], n));
  size_t i = 0;
#ifdef __SSE2__
  const __m128i first = _mm_set1_epi8(needle[0]);
  const __m128i last = _mm_set1_epi8(needle[m - 1]);
  auto candidates = [&](size_t at) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + at));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + at + m - 1));
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
  };
  for (; i + m - 1 + 32 <= n; i += 32) {
    for (uint32_t bits = candidates(i) | candidates(i + 16) << 16; bits != 0; bits &= bits - 1) {
      const size_t at = i + static_cast<size_t>(std::countr_zero(bits));
      if (std::memcmp(hay + at + 1, needle + 1, m - 2) == 0) return hay + at;
    }
  }
#endif
  return static_cast<const char*>(memmem(hay + i, n - i, needle, m));
}

}  // namespace

bool RecordContains(const std::string& record, const std::string& upperPattern) {
  return RecordMatcher(upperPattern).Contains(record);
}

namespace {

void AppendResultLine(std::string& out, int chapter, std::string_view verse) {
  // The names of the chapter list, made once.
  static const std::array<std::string, kChapterCount> names = [] {
    std::array<std::string, kChapterCount> all;
    for (int i = 0; i < kChapterCount; ++i) all[static_cast<size_t>(i)] = ChapterListName(i);
    return all;
  }();
  out.append("Surah/Chapter ");
  if (chapter >= 1 && chapter <= kChapterCount) out.append(names[static_cast<size_t>(chapter - 1)]);
  out.append(". Ayat/Verse : ").append(verse).append(1, '.');
}

}  // namespace

std::string SearchResultLine(int chapter, const std::string& verse) {
  std::string line;
  AppendResultLine(line, chapter, verse);
  return line;
}

void RecordIndex::Clear() {
  upper_.clear();
  starts_.assign(1, 0);
}

void RecordIndex::Reserve(size_t bytes, size_t records) {
  upper_.reserve(upper_.size() + bytes + records);
  Prefault(upper_.data() + upper_.size(), upper_.capacity() - upper_.size());
  starts_.reserve(starts_.size() + records);
}

void RecordIndex::Add(std::string_view prefix, std::string_view text) {
  const size_t at = upper_.size();
  upper_.resize(at + prefix.size() + text.size() + 1);
  auto* out = reinterpret_cast<unsigned char*>(upper_.data() + at);
  FoldInto(reinterpret_cast<const unsigned char*>(prefix.data()), prefix.size(), out);
  FoldInto(reinterpret_cast<const unsigned char*>(text.data()), text.size(), out + prefix.size());
  upper_.back() = '\n';
  starts_.push_back(upper_.size());
}

void RecordIndex::Match(std::string_view upperPattern, int first, int last, std::vector<int>& found) const {
  first = std::max(first, 0);
  last = std::min(last, Count());
  const size_t m = upperPattern.size();
  if (m == 0) {
    for (int i = first; i < last; ++i) found.push_back(i);
    return;
  }
  const char* base = upper_.data();
  size_t from = first < last ? starts_[first] : 0;
  const size_t end = first < last ? starts_[last] : 0;
  auto record = starts_.begin() + first;
  while (from < end) {
    const char* hit = FindBytes(base + from, end - from, upperPattern.data(), m);
    if (!hit) break;
    const size_t at = static_cast<size_t>(hit - base);
    record = std::upper_bound(record, starts_.begin() + last, at) - 1;
    const size_t next = record[1];
    if (at + m < next) {  // inside the record, short of its line feed
      found.push_back(static_cast<int>(record - starts_.begin()));
      from = next;
    } else {
      from = at + 1;  // the hit runs into the next record
    }
  }
}

namespace {

// "chapter|verse|" into `buffer`.
std::string_view RecordPrefix(char (&buffer)[32], int chapter, int verse) {
  char* end = std::to_chars(buffer, buffer + 11, chapter).ptr;
  *end++ = kRecordSeparator;
  end = std::to_chars(end, end + 11, verse).ptr;
  *end++ = kRecordSeparator;
  return std::string_view(buffer, static_cast<size_t>(end - buffer));
}

}  // namespace

void VerseSearch::SetTranslationLibrary(const PeResourceFile* library) {
  if (library_ || !library) return;
  library_ = library;
  if (lines_.empty()) BuildVerseRecords();
}

void VerseSearch::BuildVerseRecords() {
  if (!library_) return;
  ++builds_;
  texts_.clear();
  texts_.reserve(kChapterCount);  // the lines point into them: never moved
  lines_.clear();
  arabicBuilt_ = false;
  chapters_.clear();
  records_.clear();
  index_.Clear();
  lines_.reserve(6300);
  chapters_.reserve(6300);
  // The lines first, up to a missing chapter, so that the index is sized once.
  std::optional<ContentError> missing;
  size_t bytes = 0;
  for (int n = 1; n <= kChapterCount && !missing; ++n) {
    try {
      texts_.push_back(ResourceText(*library_, "ETR" + std::to_string(n)));
      LineReader lines(texts_.back());
      for (std::string_view line; lines.Next(line);) {
        lines_.push_back(line);
        chapters_.push_back(static_cast<uint8_t>(n));
        bytes += line.size();
      }
    } catch (const ContentError& e) {
      missing = e;
    }
  }
  index_.Reserve(bytes + lines_.size() * 10, lines_.size());
  char prefix[32];
  int verse = 0;
  for (size_t i = 0; i < lines_.size(); ++i) {
    verse = i > 0 && chapters_[i] == chapters_[i - 1] ? verse + 1 : 1;
    index_.Add(RecordPrefix(prefix, chapters_[i], verse), lines_[i]);
  }
  if (missing) throw *missing;  // the records read so far stay
}

std::pair<int, int> VerseSearch::ScopeRange(int scope) const {
  if (scope == 0) return {0, static_cast<int>(lines_.size())};
  const auto range = std::equal_range(chapters_.begin(), chapters_.end(), scope);
  return {static_cast<int>(range.first - chapters_.begin()), static_cast<int>(range.second - chapters_.begin())};
}

void VerseSearch::MatchVerses(const std::string& upperPattern, int scope) {
  const auto [first, last] = ScopeRange(scope);
  index_.Match(upperPattern, first, last, found_);
}

void VerseSearch::SetArabicLibrary(const PeResourceFile* library) {
  if (!arabicLibrary_) arabicLibrary_ = library;
}

void VerseSearch::BuildArabicRecords() const {
  arabicBuilt_ = true;
  arabicTexts_.clear();
  arabicTexts_.reserve(kChapterCount);  // the lines point into them: never moved
  arabicLines_.assign(lines_.size(), std::string_view());
  if (arabicLibrary_) {
    // Line k of resource "A" + n is verse k + 1 of chapter n; the lines past
    // the translation's verses are not read.
    for (int n = 1; n <= kChapterCount; ++n) {
      const auto [first, last] = ScopeRange(n);
      if (first == last) continue;
      if (auto text = arabicLibrary_->FindResource("A" + std::to_string(n), kResourceTypeHtml)) {
        arabicTexts_.push_back(std::move(*text));
        LineReader lines(arabicTexts_.back());
        std::string_view line;
        for (int p = first; p < last && lines.Next(line); ++p) arabicLines_[static_cast<size_t>(p)] = line;
      }
    }
  }
  arabicUnits_.clear();
  arabicStarts_.assign(1, 0);
  arabicSignatures_.clear();
  arabicStarts_.reserve(lines_.size() + 1);
  arabicSignatures_.reserve(lines_.size());
  DecodedText decoded;
  std::vector<ArabicUnit> units;
  for (const std::string_view line : arabicLines_) {
    DecodeReferences(line, decoded);
    FoldVerse(decoded.chars, units);
    arabicUnits_.insert(arabicUnits_.end(), units.begin(), units.end());
    arabicStarts_.push_back(static_cast<uint32_t>(arabicUnits_.size()));
    arabicSignatures_.push_back(SignatureOf(units));
  }
}

void VerseSearch::MatchArabicVerses(const std::string& text, int scope) {
  const ArabicPattern pattern = ArabicPattern::FromText(text);
  if (!arabicBuilt_) BuildArabicRecords();
  if (!pattern.CanMatch()) return;
  const auto [first, last] = ScopeRange(scope);
  const ArabicUnit* units = arabicUnits_.data();
  for (int p = first; p < last; ++p) {
    const size_t begin = arabicStarts_[static_cast<size_t>(p)];
    const size_t length = arabicStarts_[static_cast<size_t>(p) + 1] - begin;
    if (pattern.MayOccur(arabicSignatures_[static_cast<size_t>(p)], length) &&
        pattern.Occurs(std::span<const ArabicUnit>(units + begin, length)))
      found_.push_back(p);
  }
}

const StringList& VerseSearch::VerseRecords() const {
  if (records_.size() != lines_.size()) {
    records_.clear();
    records_.reserve(lines_.size());
    for (size_t i = 0; i < lines_.size(); ++i) records_.push_back(Record(i));
  }
  return records_;
}

size_t VerseSearch::Checked(int position) const {
  if (position < 0 || position >= static_cast<int>(lines_.size()))
    throw ContentError("List index out of bounds (" + std::to_string(position) + ")");
  return static_cast<size_t>(position);
}

int VerseSearch::VerseNumber(size_t position) const {
  const auto first = std::lower_bound(chapters_.begin(), chapters_.end(), chapters_[position]);
  return static_cast<int>(position - static_cast<size_t>(first - chapters_.begin())) + 1;
}

std::string VerseSearch::Record(size_t position) const {
  char prefix[32];
  std::string record(RecordPrefix(prefix, chapters_[position], VerseNumber(position)));
  record.append(lines_[position]);
  return record;
}

int VerseSearch::RecordChapter(int position) const { return chapters_[Checked(position)]; }

std::string VerseSearch::RecordVerse(int position) const { return std::to_string(VerseNumber(Checked(position))); }

std::string VerseSearch::RecordText(int position) const {
  // Field 3 of the record: the line up to a "|" of its own.
  const std::string_view line = lines_[Checked(position)];
  return std::string(line.substr(0, line.find(kRecordSeparator)));
}

std::string_view VerseSearch::RecordArabicLine(int position) const {
  const size_t p = Checked(position);
  if (!arabicBuilt_) BuildArabicRecords();
  return arabicLines_[p];
}

std::string VerseSearch::RecordVerseRef(int position) const {
  const size_t p = Checked(position);
  return std::to_string(chapters_[p]) + ":" + std::to_string(VerseNumber(p));
}

std::string VerseSearch::RecordResultLine(int position) const {
  std::string line;
  AppendRecordResultLine(line, position);
  return line;
}

void VerseSearch::AppendRecordResultLine(std::string& out, int position) const {
  const size_t p = Checked(position);
  char verse[16];
  const char* end = std::to_chars(verse, verse + sizeof verse, VerseNumber(p)).ptr;
  AppendResultLine(out, chapters_[p], std::string_view(verse, static_cast<size_t>(end - verse)));
}

}  // namespace lumivra
