#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "content/StringList.h"
#include "search/ArabicMatch.h"

namespace lumivra {

class PeResourceFile;

inline constexpr char kRecordSeparator = '|';

// Upper-cases the letters "a" to "z" only; every other byte stays.
std::string UpperCaseAscii(std::string text);

// The pattern a search text gives: trimmed, then upper-cased ("a" to "z").
std::string SearchPattern(const std::string& text);

// Whether `upperPattern` occurs in `record` once the record's "a" to "z" are
// upper-cased. An empty pattern occurs everywhere.
bool RecordContains(const std::string& record, const std::string& upperPattern);

// "Surah/Chapter 002 - Al-Baqarah. Ayat/Verse : 255."
std::string SearchResultLine(int chapter, const std::string& verse);

// Records upper-cased ("a" to "z") into one buffer, each followed by a line
// feed, so that a search is one scan over the buffer.
class RecordIndex {
public:
  void Clear();
  void Reserve(size_t bytes, size_t records);
  // Adds the record `prefix` + `text`.
  void Add(std::string_view prefix, std::string_view text);
  // Appends, in order, the index of every record in [first, last) that
  // contains `upperPattern`, as RecordContains decides.
  void Match(std::string_view upperPattern, int first, int last, std::vector<int>& found) const;
  int Count() const { return static_cast<int>(starts_.size()) - 1; }

private:
  std::string upper_;
  std::vector<size_t> starts_{0};  // where each record starts, then the end
};

// The translation as one record per verse ("chapter|verse|text", chapters 1
// to 114 in order) and the positions of the last search's hits.
class VerseSearch {
public:
  // Records the translation file and builds the records the first time; any
  // later hand-over is ignored. The records point into the file, which must
  // outlive the search. Throws ContentError when a chapter resource
  // is missing: the records read so far stay and the file stays recorded.
  void SetTranslationLibrary(const PeResourceFile* library);
  bool HasTranslationLibrary() const { return library_ != nullptr; }

  // Reads ETR1 … ETR114 from the recorded file into the records.
  void BuildVerseRecords();

  // Appends the position of every record in `scope` (0 all chapters, n chapter
  // n) that contains `upperPattern` (already trimmed and upper-cased).
  void MatchVerses(const std::string& upperPattern, int scope);
  void ClearFoundPositions() { found_.clear(); }

  // Records the Arabic file, whose verses are read and folded the first time
  // they are needed; any later hand-over is ignored. The file must outlive
  // the search.
  void SetArabicLibrary(const PeResourceFile* library);

  // Appends the position of every verse in `scope` whose Arabic holds the
  // Arabic search text `text` (UTF-8; trimmed and folded here). A verse the
  // Arabic file lacks is never found.
  void MatchArabicVerses(const std::string& text, int scope);

  // The records as "chapter|verse|text" lines, made on first use.
  const StringList& VerseRecords() const;
  const std::vector<int>& FoundPositions() const { return found_; }

  // Readers of the record at `position`; ContentError "List index out of
  // bounds (n)" outside the records.
  int RecordChapter(int position) const;
  std::string RecordVerse(int position) const;
  std::string RecordText(int position) const;
  // The verse's Arabic line as the Arabic file holds it; empty without one.
  std::string_view RecordArabicLine(int position) const;
  // "chapter:verse", the verse label of the chapter page.
  std::string RecordVerseRef(int position) const;
  std::string RecordResultLine(int position) const;
  void AppendRecordResultLine(std::string& out, int position) const;

  // How often the translation file was read (tests: it is read once).
  int BuildCount() const { return builds_; }

private:
  // The position checked, as ContentError says.
  size_t Checked(int position) const;
  int VerseNumber(size_t position) const;
  std::string Record(size_t position) const;
  // The range of positions of `scope`.
  std::pair<int, int> ScopeRange(int scope) const;
  // Reads A1 … A114 from the Arabic file, each verse at the position of its
  // translation record, and folds them.
  void BuildArabicRecords() const;

  const PeResourceFile* library_ = nullptr;
  // The translation's chapters as read, each verse's line in them and its
  // chapter: the records "chapter|verse|line".
  std::vector<std::string> texts_;
  std::vector<std::string_view> lines_;
  std::vector<uint8_t> chapters_;
  RecordIndex index_;
  mutable StringList records_;
  // The Arabic of each record: the Arabic file's chapters as read, the line
  // in them and its folded units (arabicStarts_[p] to arabicStarts_[p + 1])
  // with their signature.
  const PeResourceFile* arabicLibrary_ = nullptr;
  mutable bool arabicBuilt_ = false;
  mutable std::vector<std::string> arabicTexts_;
  mutable std::vector<std::string_view> arabicLines_;
  mutable std::vector<ArabicUnit> arabicUnits_;
  mutable std::vector<uint32_t> arabicStarts_;
  mutable std::vector<ArabicSignature> arabicSignatures_;
  std::vector<int> found_;
  int builds_ = 0;
};

}  // namespace lumivra
