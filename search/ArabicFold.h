#pragma once
// Folding Arabic for the search: the verse's Uthmani spelling and a reader's
// typed spelling are both reduced to letters without marks, one byte each.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumivra {

// A folded letter: an Arabic-block code point minus U+0600, or one of the
// codes below (they reuse the places of marks that folding always drops).
using ArabicUnit = uint8_t;

namespace arabic {
inline constexpr ArabicUnit kHamza = 0x21;
inline constexpr ArabicUnit kAlef = 0x27;
inline constexpr ArabicUnit kWaw = 0x48;
inline constexpr ArabicUnit kYeh = 0x4A;
inline constexpr ArabicUnit kBlank = 0x4B;
inline constexpr ArabicUnit kWawSmallAlef = 0x4C;  // a waw followed by a small alef
inline constexpr ArabicUnit kYehSmallAlef = 0x4D;  // a yeh followed by a small alef
inline constexpr ArabicUnit kOther = 0x4E;         // outside the Arabic block: never matches
// A verse's small letters: an alef, waw or yeh that may or may not be read.
inline constexpr ArabicUnit kSmallAlef = 0x70;
inline constexpr ArabicUnit kSmallWaw = 0xE5;
inline constexpr ArabicUnit kSmallYeh = 0xE6;

// The letter a small letter stands for; 0 for any other unit.
ArabicUnit SmallLetterOf(ArabicUnit unit);
}  // namespace arabic

// U+0621 to U+064A and U+0671: the letters that make a search Arabic.
bool IsArabicLetter(char32_t cp);

// Whether `text` is well-formed UTF-8 holding an Arabic letter.
bool HoldsArabicLetter(std::string_view text);

// A mark drawn on the letter before it (vowels, small high signs, the small
// alef, hamza above and below): a highlight never separates it from its letter.
bool IsCombiningMark(char32_t cp);

// Text decoded to code points, with the byte where each one starts in the
// source and, last, the source's length.
struct DecodedText {
  std::u32string chars;
  std::vector<uint32_t> offsets;
};

// A line of a core file: Windows-1252 bytes in which "&#1575;" and "&#x627;"
// stand for their code points. A malformed reference is taken as its bytes.
void DecodeReferences(std::string_view line, DecodedText& out);

// UTF-8 to code points; a malformed byte becomes U+FFFD.
std::u32string DecodeUtf8Text(std::string_view text);

// For each unit of a folded verse, the first and last characters (indexes
// into the decoded text) it was made of.
struct UnitSpans {
  std::vector<uint32_t> first;
  std::vector<uint32_t> last;
};

// Folds a verse: marks dropped, letter forms joined, small letters kept as
// small letters, a waw or yeh before a small alef marked as such. `spans`,
// when given, receives where each unit comes from.
void FoldVerse(std::u32string_view chars, std::vector<ArabicUnit>& units, UnitSpans* spans = nullptr);

// Folds a search text the same way, small letters dropped, then trims blanks.
std::vector<ArabicUnit> FoldSearchText(std::u32string_view chars);

}  // namespace lumivra
