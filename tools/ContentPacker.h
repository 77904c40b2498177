#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "tools/ContentSource.h"

namespace lumivra {

// The bytes of the four core files.
struct CoreFileSet {
  std::string arabic;           // ARef32.dll
  std::string translation;      // ETRRef32.dll
  std::string transliteration;  // TLRef32.dll
  std::string info;             // SIRef32.dll
};

// Builds the four files in memory: "A", "ETR" and "TL" + chapter, one line
// per verse, each ended by CR LF, and the information texts "ci" + key; all
// resources of type 23. Throws PackError naming the chapter, verse and
// character that cannot be packed.
CoreFileSet PackCoreFiles(const std::vector<SourceChapter>& chapters);

// Writes the four files into `outDir` (created if missing) all or nothing:
// each goes to a temporary file there first, and they are renamed into place
// only when all four are written. Throws PackError.
void WriteCoreFiles(const CoreFileSet& files, const std::filesystem::path& outDir);

struct PackSummary {
  int chapters = 0;
  size_t verses = 0;
};

// Reads the content package's dist folder, packs and writes the core files.
PackSummary PackContentFolder(const std::filesystem::path& dist, const std::filesystem::path& outDir);

}  // namespace lumivra
