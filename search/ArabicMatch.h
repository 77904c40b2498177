#pragma once
// Finding a folded Arabic search text in folded verses. The pattern runs as
// a bit-parallel automaton (one bit per pattern position), so a verse costs
// one step per letter whatever the small letters and blanks allow.
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "search/ArabicFold.h"

namespace lumivra {

// What a folded verse holds, for a quick test before matching: its letters
// (one bit per letter) and its letter pairs (a letter, any small letters, a
// letter; hashed into 256 bits). Small letters and a waw or yeh before a
// small alef count for every letter they can stand for.
struct ArabicSignature {
  uint64_t letters = 0;
  uint64_t pairs[4] = {};
};
ArabicSignature SignatureOf(std::span<const ArabicUnit> units);

// A folded search text. In a verse, a small letter matches its letter or
// nothing, a waw or yeh with a small alef after it matches one alef, and a
// blank of the pattern matches one blank or nothing; all else must be equal.
class ArabicPattern {
public:
  explicit ArabicPattern(std::vector<ArabicUnit> units);
  // A UTF-8 search text, trimmed and folded.
  static ArabicPattern FromText(std::string_view text);

  const std::vector<ArabicUnit>& Units() const { return units_; }
  // False for an empty pattern or one holding a character that no verse
  // letter matches.
  bool CanMatch() const { return possible_; }
  // A quick test: false when a verse with this signature and this many
  // units cannot hold the pattern.
  bool MayOccur(const ArabicSignature& verse, size_t length) const {
    return possible_ && length >= minLength_ && (verse.letters & required_.letters) == required_.letters &&
           (verse.pairs[0] & required_.pairs[0]) == required_.pairs[0] &&
           (verse.pairs[1] & required_.pairs[1]) == required_.pairs[1] &&
           (verse.pairs[2] & required_.pairs[2]) == required_.pairs[2] &&
           (verse.pairs[3] & required_.pairs[3]) == required_.pairs[3];
  }

  bool Occurs(std::span<const ArabicUnit> verse) const;
  // Every match, left to right and not overlapping, as its first and last
  // unit; the earliest ending match first, from its leftmost start.
  std::vector<std::pair<size_t, size_t>> Matches(std::span<const ArabicUnit> verse) const;

private:
  bool OccursWide(std::span<const ArabicUnit> verse) const;
  // The first unit at or after `from` that can begin a match, or the end.
  size_t NextStart(std::span<const ArabicUnit> verse, size_t from) const;
  bool Advances(ArabicUnit unit, size_t position) const {
    return (advance_[unit * words_ + position / 64] >> (position % 64)) & 1;
  }

  std::vector<ArabicUnit> units_;
  size_t words_ = 1;               // 64-bit words of a set of states 0 to m
  std::vector<uint64_t> advance_;  // per verse unit: the states it moves on, words_ each
  std::vector<ArabicUnit> startUnits_;  // the verse units that can begin a match
  // The blank runs: their first states, the states after them, and the
  // states a run can reach.
  std::vector<uint64_t> runFirst_, runAfter_, runReach_;
  bool blanks_ = false;
  ArabicSignature required_;
  size_t minLength_ = 0;
  bool possible_ = false;
  mutable std::vector<uint64_t> scratch_;
};

}  // namespace lumivra
