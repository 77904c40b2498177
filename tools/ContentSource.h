#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumivra {

// A packing failure; the text names the chapter, verse or file at fault.
class PackError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// One verse as the source holds it (UTF-8).
struct SourceVerse {
  std::string arabic;
  std::string translation;
  std::string transliteration;
};

struct SourceChapter {
  int number = 0;
  std::string arabicName;  // UTF-8, e.g. the name in Arabic script
  bool medinan = false;    // the source's "type": "medinan" or "meccan"
  std::vector<SourceVerse> verses;
};

// Reads chapters/en/1.json … 114.json of the content package's dist folder:
// each holds the chapter's id, name, type, total_verses and its verses with
// text, translation and transliteration. Throws PackError for a missing or
// unreadable chapter, a field missing or of the wrong kind, verses out of
// order, or a verse count that differs from total_verses.
std::vector<SourceChapter> ReadContentSource(const std::filesystem::path& dist);

// The chapter file's path inside the dist folder.
std::filesystem::path ChapterSourcePath(const std::filesystem::path& dist, int chapter);

}  // namespace lumivra
