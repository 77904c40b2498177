#include "search/ArabicFold.h"

#include "content/Cp1252.h"

namespace lumivra {

namespace arabic {

ArabicUnit SmallLetterOf(ArabicUnit unit) {
  switch (unit) {
    case kSmallAlef: return kAlef;
    case kSmallWaw: return kWaw;
    case kSmallYeh: return kYeh;
    default: return 0;
  }
}

}  // namespace arabic

namespace {

using namespace arabic;

// Marks, signs and the tatweel, which no reader types; the thin space and the
// zero-width characters the text uses only to space marks inside a word.
bool Dropped(char32_t cp) {
  if (cp >= 0x610 && cp <= 0x61A) return true;
  if (cp >= 0x64B && cp <= 0x653) return true;
  if (cp >= 0x656 && cp <= 0x65F) return true;
  if (cp == 0x640) return true;
  if (cp >= 0x6D6 && cp <= 0x6ED) return cp != 0x6E5 && cp != 0x6E6 && cp != 0x6E7;
  if (cp >= 0x8D3 && cp <= 0x8FF) return true;
  return cp == 0x2009 || (cp >= 0x200B && cp <= 0x200F);
}

constexpr ArabicUnit kDrop = 0;  // the place of U+0600, never a folded unit

// One character's unit; small letters are kept only in a verse.
ArabicUnit FoldChar(char32_t cp, bool verse) {
  if (cp == ' ') return kBlank;
  if (Dropped(cp)) return kDrop;
  if (cp < 0x600 || cp > 0x6FF) return kOther;
  switch (cp) {
    case 0x670: return verse ? kSmallAlef : kDrop;
    case 0x6E5: return verse ? kSmallWaw : kDrop;
    case 0x6E6: case 0x6E7: return verse ? kSmallYeh : kDrop;
    case 0x622: case 0x623: case 0x625: case 0x671: return kAlef;
    case 0x649: case 0x6CC: return kYeh;
    case 0x629: return 0x47;  // heh
    case 0x624: return kWaw;
    case 0x626: case 0x654: case 0x655: return kHamza;
    case 0x6A9: return 0x43;  // kaf
    case 0x600: return kOther;
    default: return static_cast<ArabicUnit>(cp - 0x600);
  }
}

void Fold(std::u32string_view chars, bool verse, std::vector<ArabicUnit>& units, UnitSpans* map) {
  units.clear();
  if (map) {
    map->first.clear();
    map->last.clear();
  }
  for (size_t i = 0; i < chars.size(); ++i) {
    const ArabicUnit unit = FoldChar(chars[i], verse);
    if (unit == kDrop) continue;
    const ArabicUnit before = units.empty() ? kDrop : units.back();
    if (unit == kAlef && before == kHamza) {
      // A hamza directly before an alef is read with it: the pair is one alef.
      units.back() = kAlef;
      if (map) map->last.back() = static_cast<uint32_t>(i);
      continue;
    }
    if (unit == kSmallAlef && (before == kWaw || before == kYeh))
      units.back() = before == kWaw ? kWawSmallAlef : kYehSmallAlef;
    units.push_back(unit);
    if (map) {
      map->first.push_back(static_cast<uint32_t>(i));
      map->last.push_back(static_cast<uint32_t>(i));
    }
  }
}

}  // namespace

bool IsArabicLetter(char32_t cp) { return (cp >= 0x621 && cp <= 0x64A) || cp == 0x671; }

bool HoldsArabicLetter(std::string_view text) {
  bool arabic = false;
  for (size_t i = 0; i < text.size();) {
    char32_t cp;
    if (!DecodeUtf8(text, i, cp)) return false;
    arabic = arabic || IsArabicLetter(cp);
  }
  return arabic;
}

bool IsCombiningMark(char32_t cp) {
  return (cp >= 0x610 && cp <= 0x61A) || (cp >= 0x64B && cp <= 0x65F) || cp == 0x670 ||
         (cp >= 0x6D6 && cp <= 0x6DC) || (cp >= 0x6DF && cp <= 0x6E4) || cp == 0x6E7 || cp == 0x6E8 ||
         (cp >= 0x6EA && cp <= 0x6ED) || (cp >= 0x8D3 && cp <= 0x8FF);
}

void DecodeReferences(std::string_view line, DecodedText& out) {
  out.chars.clear();
  out.offsets.clear();
  const size_t n = line.size();
  for (size_t i = 0; i < n;) {
    out.offsets.push_back(static_cast<uint32_t>(i));
    if (line[i] == '&' && i + 2 < n && line[i + 1] == '#') {
      const bool hex = line[i + 2] == 'x' || line[i + 2] == 'X';
      size_t j = i + (hex ? 3 : 2);
      char32_t value = 0;
      int digits = 0;
      for (; j < n && digits <= 7; ++j, ++digits) {
        const char c = line[j];
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else break;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
      }
      if (digits > 0 && j < n && line[j] == ';' && value > 0 && value <= 0x10FFFF &&
          (value < 0xD800 || value > 0xDFFF)) {
        out.chars.push_back(value);
        i = j + 1;
        continue;
      }
    }
    out.chars.push_back(Cp1252CodePoint(static_cast<unsigned char>(line[i])));
    ++i;
  }
  out.offsets.push_back(static_cast<uint32_t>(n));
}

std::u32string DecodeUtf8Text(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char32_t cp;
    if (DecodeUtf8(text, i, cp)) {
      out.push_back(cp);
    } else {
      out.push_back(0xFFFD);
      ++i;
    }
  }
  return out;
}

void FoldVerse(std::u32string_view chars, std::vector<ArabicUnit>& units, UnitSpans* map) {
  Fold(chars, true, units, map);
}

std::vector<ArabicUnit> FoldSearchText(std::u32string_view chars) {
  std::vector<ArabicUnit> units;
  Fold(chars, false, units, nullptr);
  size_t begin = 0, end = units.size();
  while (begin < end && units[begin] == kBlank) ++begin;
  while (end > begin && units[end - 1] == kBlank) --end;
  return std::vector<ArabicUnit>(units.begin() + static_cast<std::ptrdiff_t>(begin),
                                 units.begin() + static_cast<std::ptrdiff_t>(end));
}

}  // namespace lumivra
