#pragma once
#include <string>
#include <vector>

#include "tools/ContentSource.h"

namespace lumivra {

// One information text of SIRef32.dll: an HTML fragment for the body of the
// information page, Windows-1252, each line ended by CR LF.
struct InfoPage {
  std::string key;   // "0", "1" … "112", "11314"
  std::string text;
};

// Key of the text shared by the last two chapters.
inline constexpr char kClosingChaptersKey[] = "11314";

// All 114 information texts, the book's first. `chapters` holds chapters
// 1 … 114 in order; throws PackError otherwise.
std::vector<InfoPage> BuildInfoPages(const std::vector<SourceChapter>& chapters);

std::string BuildBookInfo(const std::vector<SourceChapter>& chapters);
// Chapter 1 … 112.
std::string BuildChapterInfo(const std::vector<SourceChapter>& chapters, int chapter);
// Chapters 113 and 114 together.
std::string BuildClosingChaptersInfo(const std::vector<SourceChapter>& chapters);

// "1st", "2nd", "3rd", "4th", "11th", "22nd" …
std::string Ordinal(int n);

}  // namespace lumivra
