#pragma once
// A small translation file in memory: chapter n holds the lines given for it,
// or the single line "Chapter n text." when none are given; and Arabic files.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "content/Cp1252.h"
#include "content/PeResourceFile.h"
#include "tests/content/PeImage.h"

namespace lumivra::testing {

inline std::unique_ptr<PeResourceFile> MakeTranslation(const std::map<int, std::string>& chapters,
                                                      const std::set<int>& missing = {}) {
  std::vector<PeResource> resources;
  for (int n = 1; n <= 114; ++n) {
    if (missing.count(n)) continue;
    auto it = chapters.find(n);
    resources.push_back({23, "ETR" + std::to_string(n),
                         it != chapters.end() ? it->second : "Chapter " + std::to_string(n) + " text.\r\n"});
  }
  return PeResourceFile::FromBytes(BuildPeImage(resources).image);
}

// UTF-8 text as the Arabic file holds it: every character beyond ASCII as a
// numeric character reference.
inline std::string ArabicReferences(const std::string& text) {
  std::string out;
  char32_t cp;
  for (size_t i = 0; i < text.size() && DecodeUtf8(text, i, cp);)
    out += cp < 0x80 ? std::string(1, static_cast<char>(cp)) : "&#" + std::to_string(cp) + ";";
  return out;
}

// The bytes of an Arabic file whose chapter n holds the UTF-8 lines given.
inline std::string ArabicImage(const std::map<int, std::vector<std::string>>& chapters) {
  std::vector<PeResource> resources;
  for (const auto& [n, lines] : chapters) {
    std::string text;
    for (const auto& line : lines) text += ArabicReferences(line) + "\r\n";
    resources.push_back({23, "A" + std::to_string(n), text});
  }
  return BuildPeImage(resources).image;
}

}  // namespace lumivra::testing
