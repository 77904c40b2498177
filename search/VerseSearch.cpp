#include "VerseSearch.h"

#include <array>
#include <cstring>
#include <string.h>

#include "ChapterCatalogue.h"
#include "ContentError.h"
#include "ContentStore.h"
#include "IntConvert.h"
#include "NodeKey.h"
#include "PeResourceFile.h"
#include "TextLines.h"

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

// Upper-cases `n` bytes into `out`; written without a table so that the
// compiler turns it into vector code.
void FoldInto(const unsigned char* in, size_t n, unsigned char* out) {
  for (size_t i = 0; i < n; ++i) {
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

}  // namespace

bool RecordContains(const std::string& record, const std::string& upperPattern) {
  return RecordMatcher(upperPattern).Contains(record);
}

std::string SearchResultLine(int chapter, const std::string& verse) {
  return "Surah/Chapter " + ChapterListName(chapter - 1) + ". Ayat/Verse : " + verse + ".";
}

void VerseSearch::SetTranslationLibrary(const PeResourceFile* library) {
  if (library_ || !library) return;
  library_ = library;
  if (records_.empty()) BuildVerseRecords();
}

void VerseSearch::BuildVerseRecords() {
  if (!library_) return;
  ++builds_;
  records_.clear();
  chapters_.clear();
  records_.reserve(6300);
  chapters_.reserve(6300);
  StringList lines;
  for (int n = 1; n <= kChapterCount; ++n) {
    const std::string chapter = std::to_string(n);
    ReadResourceLines(*library_, "ETR" + chapter, lines);  // throws for a missing chapter
    for (size_t k = 0; k < lines.size(); ++k) {
      std::string record;
      const std::string verse = std::to_string(k + 1);
      record.reserve(chapter.size() + verse.size() + 2 + lines[k].size());
      record.append(chapter).append(1, kRecordSeparator).append(verse).append(1, kRecordSeparator).append(lines[k]);
      records_.push_back(std::move(record));
      chapters_.push_back(static_cast<uint8_t>(n));
    }
  }
}

void VerseSearch::MatchVerses(const std::string& upperPattern, int scope) {
  RecordMatcher matcher(upperPattern);
  const int count = static_cast<int>(records_.size());
  for (int i = 0; i < count; ++i) {
    if (scope != 0 && chapters_[i] != scope) continue;
    if (matcher.Contains(records_[i])) found_.push_back(i);
  }
}

const std::string& VerseSearch::Record(int position) const {
  if (position < 0 || position >= static_cast<int>(records_.size()))
    throw ContentError("List index out of bounds (" + std::to_string(position) + ")");
  return records_[position];
}

int VerseSearch::RecordChapter(int position) const {
  return ParseIntDef(GetKeyField(Record(position), kRecordSeparator, 1), 0);
}

std::string VerseSearch::RecordVerse(int position) const {
  return GetKeyField(Record(position), kRecordSeparator, 2);
}

std::string VerseSearch::RecordText(int position) const {
  return GetKeyField(Record(position), kRecordSeparator, 3);
}

std::string VerseSearch::RecordVerseRef(int position) const {
  const std::string& record = Record(position);
  return GetKeyField(record, kRecordSeparator, 1) + ":" + GetKeyField(record, kRecordSeparator, 2);
}

std::string VerseSearch::RecordResultLine(int position) const {
  return SearchResultLine(RecordChapter(position), RecordVerse(position));
}

}  // namespace lumivra
