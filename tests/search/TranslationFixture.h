#pragma once
// A small translation file in memory: chapter n holds the lines given for it,
// or the single line "Chapter n text." when none are given.
#include <map>
#include <memory>
#include <set>
#include <string>

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

}  // namespace lumivra::testing
