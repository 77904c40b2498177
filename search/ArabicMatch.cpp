#include "search/ArabicMatch.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "content/TextLines.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace lumivra {

namespace {

using namespace arabic;

bool IsSmall(ArabicUnit unit) { return SmallLetterOf(unit) != 0; }
bool IsJoined(ArabicUnit unit) { return unit == kWawSmallAlef || unit == kYehSmallAlef; }

constexpr uint64_t ClassBit(ArabicUnit unit) { return uint64_t{1} << (unit & 63); }

// The letters a verse unit can stand for: up to two, 0 for none.
struct Letters {
  ArabicUnit a = 0, b = 0;
};
constexpr Letters LettersOf(ArabicUnit unit) {
  switch (unit) {
    case kBlank: case kOther: return {};
    case kSmallAlef: return {kAlef};
    case kSmallWaw: return {kWaw};
    case kSmallYeh: return {kYeh};
    case kWawSmallAlef: return {kWaw, kAlef};
    case kYehSmallAlef: return {kYeh, kAlef};
    default: return {unit};
  }
}

void AddPair(ArabicSignature& s, ArabicUnit x, ArabicUnit y) {
  const unsigned bit = (x * 41u + y) & 255u;
  s.pairs[bit / 64] |= uint64_t{1} << (bit % 64);
}

// What a verse unit does besides moving on equal letters.
enum Kind : uint8_t { kPlain, kSmallKind, kJoinedKind };
constexpr std::array<uint8_t, 256> MakeKinds() {
  std::array<uint8_t, 256> kinds{};
  kinds[kSmallAlef] = kinds[kSmallWaw] = kinds[kSmallYeh] = kSmallKind;
  kinds[kWawSmallAlef] = kinds[kYehSmallAlef] = kJoinedKind;
  return kinds;
}
constexpr auto kKinds = MakeKinds();

void SetBit(uint64_t* words, size_t bit) { words[bit / 64] |= uint64_t{1} << (bit % 64); }

constexpr size_t kNone = std::numeric_limits<size_t>::max();

}  // namespace

ArabicSignature SignatureOf(std::span<const ArabicUnit> units) {
  ArabicSignature s;
  const size_t n = units.size();
  for (size_t i = 0; i < n; ++i) {
    const Letters x = LettersOf(units[i]);
    if (x.a == 0) continue;
    s.letters |= ClassBit(x.a) | (x.b ? ClassBit(x.b) : 0);
    // Each letter a match may read next: over small letters read as nothing,
    // up to the first other unit.
    for (size_t k = i + 1; k < n; ++k) {
      const Letters y = LettersOf(units[k]);
      for (const ArabicUnit first : {x.a, x.b})
        for (const ArabicUnit second : {y.a, y.b})
          if (first && second) AddPair(s, first, second);
      if (!IsSmall(units[k])) break;
    }
  }
  return s;
}

ArabicPattern::ArabicPattern(std::vector<ArabicUnit> units) : units_(std::move(units)) {
  const size_t m = units_.size();
  words_ = (m + 1 + 63) / 64;  // states 0 to m
  advance_.assign(256 * words_, 0);
  runFirst_.assign(words_, 0);
  runAfter_.assign(words_, 0);
  runReach_.assign(words_, 0);
  possible_ = m > 0;
  for (size_t j = 0; j < m; ++j) {
    const ArabicUnit c = units_[j];
    if (c == kOther || IsSmall(c) || IsJoined(c) || c == 0) {
      possible_ = false;
      continue;
    }
    SetBit(&advance_[c * words_], j);
    if (c == kBlank) continue;
    ++minLength_;
    required_.letters |= ClassBit(c);
    if (j + 1 < m && units_[j + 1] != kBlank) AddPair(required_, c, units_[j + 1]);
    for (const ArabicUnit small : {kSmallAlef, kSmallWaw, kSmallYeh})
      if (SmallLetterOf(small) == c) SetBit(&advance_[small * words_], j);
    if (c == kWaw) SetBit(&advance_[kWawSmallAlef * words_], j);
    if (c == kYeh) SetBit(&advance_[kYehSmallAlef * words_], j);
  }
  // A run of blanks from state a to state b (b - a blanks) may be passed
  // from any state in it to every later one up to b.
  for (size_t j = 0; j < m;) {
    if (units_[j] != kBlank) {
      ++j;
      continue;
    }
    const size_t a = j;
    while (j < m && units_[j] == kBlank) ++j;
    SetBit(runFirst_.data(), a);
    SetBit(runAfter_.data(), j);
    for (size_t s = a + 1; s <= j; ++s) SetBit(runReach_.data(), s);
    blanks_ = true;
  }
  for (int u = 0; u < 256; ++u)
    if (possible_ && (advance_[static_cast<size_t>(u) * words_] & 1)) startUnits_.push_back(static_cast<ArabicUnit>(u));
  if (possible_ && units_[0] == kAlef) startUnits_.insert(startUnits_.end(), {kWawSmallAlef, kYehSmallAlef});
}

size_t ArabicPattern::NextStart(std::span<const ArabicUnit> verse, size_t from) const {
  const size_t n = verse.size(), k = startUnits_.size();
  const ArabicUnit* units = verse.data();
#ifdef __SSE2__
  // At most four units begin a match (an alef: the alef, the small alef and
  // the waw and yeh before one); 16 units are compared at a time.
  if (k >= 1 && k <= 4) {
    __m128i want[4];
    for (size_t w = 0; w < 4; ++w) want[w] = _mm_set1_epi8(static_cast<char>(startUnits_[std::min(w, k - 1)]));
    for (; from + 16 <= n; from += 16) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + from));
      const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, want[0]), _mm_cmpeq_epi8(chunk, want[1])),
                                       _mm_or_si128(_mm_cmpeq_epi8(chunk, want[2]), _mm_cmpeq_epi8(chunk, want[3])));
      if (const int bits = _mm_movemask_epi8(hit)) return from + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(bits)));
    }
  }
#endif
  for (; from < n; ++from)
    if (std::find(startUnits_.begin(), startUnits_.end(), units[from]) != startUnits_.end()) return from;
  return n;
}

ArabicPattern ArabicPattern::FromText(std::string_view text) {
  return ArabicPattern(FoldSearchText(DecodeUtf8Text(Trim(std::string(text)))));
}

bool ArabicPattern::Occurs(std::span<const ArabicUnit> verse) const {
  if (!possible_) return false;
  if (words_ > 1) return OccursWide(verse);
  const uint64_t accept = uint64_t{1} << units_.size();
  const uint64_t alef = advance_[kAlef];
  const uint64_t first = runFirst_[0], after = runAfter_[0], reach = runReach_[0];
  uint64_t d = 1, pending = 0;
  for (size_t i = 0; i < verse.size(); ++i) {
    // Only the start state is live: nothing happens up to a unit that can
    // begin a match.
    if (d == 1 && pending == 0 && (i = NextStart(verse, i)) == verse.size()) break;
    const ArabicUnit u = verse[i];
    uint64_t next = ((d & advance_[u]) << 1) | pending | 1;
    pending = 0;
    if (kKinds[u] == kSmallKind) next |= d;  // the small letter read as nothing
    else if (kKinds[u] == kJoinedKind) pending = (d & alef) << 1;  // with the small alef after it
    d = next;
    if (blanks_) {
      // Every state of a blank run reaches the later ones (one subtraction
      // per run: the borrow runs from the run's first state up to the first
      // state set in it).
      const uint64_t df = d | after;
      d |= reach & (~(df - first) ^ df);
    }
    if (d & accept) return true;
  }
  return false;
}

bool ArabicPattern::OccursWide(std::span<const ArabicUnit> verse) const {
  const size_t w = words_, m = units_.size();
  scratch_.assign(3 * w, 0);
  uint64_t* d = scratch_.data();
  uint64_t* next = d + w;
  uint64_t* pending = next + w;
  d[0] = 1;
  const uint64_t* alef = &advance_[kAlef * w];
  for (const ArabicUnit u : verse) {
    const uint64_t* a = &advance_[u * w];
    uint64_t carry = 0;
    for (size_t k = 0; k < w; ++k) {
      const uint64_t x = d[k] & a[k];
      next[k] = (x << 1) | carry | pending[k];
      carry = x >> 63;
    }
    next[0] |= 1;
    if (kKinds[u] == kSmallKind) {
      for (size_t k = 0; k < w; ++k) next[k] |= d[k];
    }
    if (kKinds[u] == kJoinedKind) {
      carry = 0;
      for (size_t k = 0; k < w; ++k) {
        const uint64_t x = d[k] & alef[k];
        pending[k] = (x << 1) | carry;
        carry = x >> 63;
      }
    } else {
      std::fill(pending, pending + w, 0);
    }
    std::swap(d, next);
    if (blanks_) {
      uint64_t borrow = 0;
      for (size_t k = 0; k < w; ++k) {
        const uint64_t df = d[k] | runAfter_[k];
        const uint64_t t = df - runFirst_[k];
        const uint64_t sub = t - borrow;
        borrow = (df < runFirst_[k] || t < borrow) ? 1 : 0;
        d[k] |= runReach_[k] & (~sub ^ df);
      }
    }
    if ((d[m / 64] >> (m % 64)) & 1) return true;
  }
  return false;
}

std::vector<std::pair<size_t, size_t>> ArabicPattern::Matches(std::span<const ArabicUnit> verse) const {
  std::vector<std::pair<size_t, size_t>> found;
  if (!possible_) return found;
  const size_t m = units_.size();
  // For each state, the leftmost unit a path to it started at.
  std::vector<size_t> start(m + 1, kNone), next(m + 1), pending(m + 1, kNone), nextPending(m + 1);
  for (size_t i = 0; i < verse.size(); ++i) {
    const ArabicUnit u = verse[i];
    start[0] = i;
    std::fill(next.begin(), next.end(), kNone);
    std::fill(nextPending.begin(), nextPending.end(), kNone);
    for (size_t j = 0; j <= m; ++j) {
      const size_t s = start[j];
      if (s == kNone) continue;
      if (j < m && Advances(u, j)) next[j + 1] = std::min(next[j + 1], s);
      if (kKinds[u] == kSmallKind && j > 0) next[j] = std::min(next[j], s);
      if (kKinds[u] == kJoinedKind && j < m && Advances(kAlef, j))
        nextPending[j + 1] = std::min(nextPending[j + 1], s);
    }
    for (size_t j = 0; j <= m; ++j) next[j] = std::min(next[j], pending[j]);
    pending.swap(nextPending);
    for (size_t j = 0; j < m; ++j)
      if (units_[j] == kBlank && next[j] != kNone) next[j + 1] = std::min(next[j + 1], next[j]);
    start.swap(next);
    if (start[m] != kNone) {
      found.emplace_back(start[m], i);
      std::fill(start.begin(), start.end(), kNone);
      std::fill(pending.begin(), pending.end(), kNone);
    }
  }
  return found;
}

}  // namespace lumivra
